#include "rainfall_equations/nucleo/TEstado.h"

#include "rainfall_equations/nucleo/UnBD.h"

TEstado::TEstado()
{
    setIndice(0);
}

void TEstado::setIndice(std::int16_t n)
{
    verificaIndiceEstado(n);
    Indice_ = n;
}

const std::string& TEstado::getNome() const
{
    return NomesEstados[static_cast<std::size_t>(Indice_)];
}
