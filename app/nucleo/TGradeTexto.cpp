#include "app/nucleo/TGradeTexto.h"

#include <algorithm>
#include <iterator>

TGradeTexto::TGradeTexto(int colunas, int linhas)
    : colunas_(std::max(colunas, 1))
{
    setRowCount(linhas);
}

void TGradeTexto::setRowCount(int linhas)
{
    celulas_.resize(static_cast<std::size_t>(std::max(linhas, 1)),
                    std::vector<std::string>(static_cast<std::size_t>(colunas_)));
}

const std::string& TGradeTexto::Cells(int coluna, int linha) const
{
    static const std::string vazio;
    if (coluna < 0 || coluna >= colunas_ || linha < 0 || linha >= RowCount())
        return vazio;
    return celulas_[static_cast<std::size_t>(linha)][static_cast<std::size_t>(coluna)];
}

void TGradeTexto::setCells(int coluna, int linha, std::string texto)
{
    if (coluna < 0 || coluna >= colunas_ || linha < 0 || linha >= RowCount())
        return;
    celulas_[static_cast<std::size_t>(linha)][static_cast<std::size_t>(coluna)] = std::move(texto);
}

void TGradeTexto::desceLinhas(int primeira)
{
    if (primeira < 0 || primeira >= RowCount())
        return;
    const auto inicio = celulas_.begin() + primeira;
    std::move_backward(inicio, std::prev(celulas_.end()), celulas_.end());
    *inicio = std::vector<std::string>(static_cast<std::size_t>(colunas_));
}

void TGradeTexto::sobeLinhas(int primeira)
{
    const int de = std::max(primeira, 0);
    if (de >= RowCount() - 1)
        return;
    std::copy(celulas_.begin() + de + 1, celulas_.end(), celulas_.begin() + de);
}

void TGradeTexto::numeraLinhas(int inicio)
{
    for (int linha = std::max(inicio, 0); linha < RowCount(); ++linha)
        setCells(0, linha, std::to_string(linha + inicio));
}
