#pragma once
// What the consultation's core and window tests share besides data files: the message of
// an error, and map bounds that texts can fall on exactly.
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"

#include <functional>
#include <string>

// The message of the error of type `Erro` that `acao` throws; "(nenhum erro)" when it
// throws none.
template <typename Erro = Exception>
std::string mensagemDe(const std::function<void()>& acao)
{
    try {
        acao();
    } catch (const Erro& e) {
        return e.what();
    }
    return "(nenhum erro)";
}

// Bounds on whole seconds, so that a text can fall exactly on them.
inline const TLimitesMapa limitesRedondos{40.0, 50.5, 15.0, 20.5, 16, 64, 420, 327};
