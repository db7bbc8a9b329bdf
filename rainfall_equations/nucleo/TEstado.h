#pragma once
// The state chosen in the consultation: an index 0..26 into the state table (UnBD.h).
#include <cstdint>
#include <string>

class TEstado {
public:
    TEstado();

    std::int16_t Indice() const { return Indice_; }
    // Keeps `n` when it is 0..26; otherwise raises ENumeroEstado
    // " Não existe estado com índice igual a <n>" and keeps the index it had.
    void setIndice(std::int16_t n);
    // The full name of the state.
    const std::string& getNome() const;

private:
    std::int16_t Indice_ = 0;
};
