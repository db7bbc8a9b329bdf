#include "plataforma/nucleo/TLinhasTexto.h"

std::string_view TLinhasTexto::proxima(std::string_view texto, std::size_t& inicio)
{
    std::size_t fim = texto.find('\n', inicio);
    if (fim == std::string_view::npos)
        fim = texto.size();
    std::string_view linha = texto.substr(inicio, fim - inicio);
    if (!linha.empty() && linha.back() == '\r')
        linha.remove_suffix(1);
    inicio = fim + 1;
    return linha;
}
