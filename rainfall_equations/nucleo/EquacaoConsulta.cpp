#include "rainfall_equations/nucleo/EquacaoConsulta.h"

#include "models/PrecipitacaoExponencialNegativa.h"
#include "models/Utils.h"
#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/FontesDados.h"

namespace {

constexpr unsigned char casasParametros = 3;
constexpr int indiceGoias = 8;

} // namespace

TLegendasEquacao legendasEquacao(const TEstacao& equacao)
{
    return {formataNumero(casasParametros, equacao.K), formataNumero(casasParametros, equacao.A),
            formataNumero(casasParametros, equacao.B), formataNumero(casasParametros, equacao.C)};
}

bool haEquacao(const TLegendasEquacao& legendas)
{
    try {
        leParametrosEquacao(legendas);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

std::string semBrancosFinais(std::string texto)
{
    while (!texto.empty() && texto.back() == ' ')
        texto.pop_back();
    return texto;
}

bool mostraAvisoGoias(int estado, const std::string& legendaAutor)
{
    return estado == indiceGoias && legendaAutor == ChaveFonteGoias;
}

TParametrosEquacao leParametrosEquacao(const TLegendasEquacao& legendas)
{
    // A storm of its own takes each value first, so that a refused one leaves the
    // caller's untouched.
    TPrecipitacaoExponencialNegativa prova;
    prova.setK(textoParaReal(legendas.K));
    prova.setA(textoParaReal(legendas.A));
    prova.setB(textoParaReal(legendas.B));
    prova.setC(textoParaReal(legendas.C));
    return {prova.K, prova.A, prova.B, prova.C};
}

void aplicaParametros(const TParametrosEquacao& parametros, TPrecipitacaoExponencialNegativa& equacao)
{
    equacao.setK(parametros.K);
    equacao.setA(parametros.A);
    equacao.setB(parametros.B);
    equacao.setC(parametros.C);
}
