#include "app/nucleo/TLinhaRelatorio.h"

#include <algorithm>
#include <cstddef>

std::vector<int> TLinhaRelatorio::posicoesNaLinha(const std::vector<TPar>& pares, int limite)
{
    const std::size_t n = pares.size();
    std::vector<int> x(n);
    std::vector<int> menor(n);
    for (std::size_t i = 0; i < n; ++i) {
        const int fimAnterior = i == 0 ? pares[0].esquerda : x[i - 1] + pares[i - 1].largura() + espacoAposValor;
        const int menorAnterior =
            i == 0 ? pares[0].esquerda : menor[i - 1] + pares[i - 1].largura() + espacoAposValor;
        x[i] = std::max(pares[i].esquerda, fimAnterior);
        menor[i] = menorAnterior;
    }
    int direita = limite;
    for (std::size_t i = n; i-- > 0;) {
        x[i] = std::max(menor[i], std::min(x[i], direita - pares[i].largura()));
        direita = x[i] - espacoAposValor;
    }
    return x;
}

bool TLinhaRelatorio::cabeNaLinha(const std::vector<TPar>& pares, const std::vector<int>& x, int limite)
{
    for (std::size_t i = 0; i < pares.size(); ++i) {
        const int direita = i + 1 < pares.size() ? x[i + 1] - espacoAposValor : limite;
        if (x[i] + pares[i].largura() > direita)
            return false;
    }
    return true;
}

bool TLinhaRelatorio::cedeEspaco(std::vector<TPar>& pares)
{
    constexpr int passo = 4;
    TPar* maior = nullptr;
    for (TPar& par : pares)
        if (par.quebravel && par.larguraValor > par.espacoTabela && (!maior || par.larguraValor > maior->larguraValor))
            maior = &par;
    if (!maior)
        return false;
    maior->larguraValor = std::max(maior->espacoTabela, maior->larguraValor - passo);
    return true;
}

std::vector<int> TLinhaRelatorio::dispoe(std::vector<TPar>& pares, int limite)
{
    std::vector<int> x = posicoesNaLinha(pares, limite);
    while (!cabeNaLinha(pares, x, limite) && cedeEspaco(pares))
        x = posicoesNaLinha(pares, limite);
    return x;
}
