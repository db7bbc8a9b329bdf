#include "TGradeTexto.h"

#include <algorithm>

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
