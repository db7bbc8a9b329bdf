#include "app/nucleo/TGeometriaEntrada.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int alturaAbaFechada = 40;
constexpr int alturaBotoes = 40;

struct TAba {
    int alturaAberta;
    int larguraEsquerda;
};

constexpr std::array<TAba, 5> abas{{{150, 270}, {243, 350}, {243, 420}, {243, 270}, {0, 270}}};

bool valida(int aba)
{
    return aba >= 1 && aba <= static_cast<int>(abas.size());
}

} // namespace

int TGeometriaEntrada::alturaAba(int aba, bool aberta)
{
    if (!valida(aba))
        return 0;
    return aberta ? abas[static_cast<std::size_t>(aba - 1)].alturaAberta : alturaAbaFechada;
}

int TGeometriaEntrada::larguraEsquerda(int aba)
{
    return valida(aba) ? abas[static_cast<std::size_t>(aba - 1)].larguraEsquerda : 0;
}

TGeometriaEntrada::TAbas TGeometriaEntrada::alinhaAbas(int largura, int altura, const std::array<int, 4>& alturas)
{
    TAbas resultado;
    int topo = 0;
    for (std::size_t i = 0; i < alturas.size(); ++i) {
        resultado.secoes[i] = {0, topo, largura, alturas[i]};
        topo += alturas[i];
    }
    const int topoBotoes = altura - alturaBotoes;
    resultado.secoes[4] = {0, topo, largura, std::max(topoBotoes - topo, 0)};
    resultado.botoes = {0, topoBotoes, largura, alturaBotoes};
    return resultado;
}

TGeometriaEntrada::TImagem TGeometriaEntrada::ajustaImagem(int larguraImagem, int alturaImagem,
                                                            const TRetangulo& moldura, int larguraDireita)
{
    int topo = moldura.y;
    if (alturaImagem > 300)
        topo = 20;
    else if (alturaImagem < 200)
        topo = 120;
    if (larguraImagem > 350 && larguraDireita < 370) {
        larguraDireita += 130;
        topo = 40;
    } else if (larguraImagem < 350 && larguraDireita > 400) {
        larguraDireita -= 130;
    }
    return {larguraDireita, {moldura.x, topo, larguraImagem + 6, alturaImagem + 6}};
}
