#include "app/nucleo/TLinhasEntrada.h"

#include "app/nucleo/TDadosTerraco.h"

#include <cstddef>
#include <string>

namespace {

// Rows numbered from 1 under a header row.
template <std::size_t N>
void numeraSobCabecalho(TGradeTexto& textos, const char* const (&cabecalho)[N])
{
    textos.numeraLinhas(0);
    for (std::size_t coluna = 0; coluna < N; ++coluna)
        textos.setCells(static_cast<int>(coluna), 0, cabecalho[coluna]);
}

// The sights are numbered under " V." whatever moved.
void numeraMira(TGradeTexto& textos)
{
    textos.numeraLinhas(0);
    textos.setCells(0, 0, " V.");
}

} // namespace

std::optional<TGradeEntrada> TLinhasEntrada::gradeDaAba(int aba, const std::string& paginaLevantamento)
{
    switch (aba) {
    case 2:
        return TGradeEntrada::canal;
    case 3:
        if (paginaLevantamento == "mira")
            return TGradeEntrada::mira;
        if (paginaLevantamento == "trena")
            return TGradeEntrada::trena;
        return std::nullopt;
    case 4:
        return TGradeEntrada::cristaMeio;
    default:
        return std::nullopt;
    }
}

TGradeTexto TLinhasEntrada::numeraInicio(TGradeEntrada grade, TGradeTexto textos)
{
    switch (grade) {
    case TGradeEntrada::canal:
        numeraSobCabecalho(textos, cabecalhoCanal);
        break;
    case TGradeEntrada::mira:
        numeraSobCabecalho(textos, cabecalhoMira);
        break;
    case TGradeEntrada::cristaInicio:
    case TGradeEntrada::cristaFim:
        textos.setCells(0, 0, "0");
        break;
    case TGradeEntrada::cristaMeio:
        for (int linha = 0; linha < textos.RowCount(); ++linha)
            textos.setCells(0, linha, std::to_string(linha + 1));
        break;
    case TGradeEntrada::trena:
        break;
    }
    return textos;
}

TGradeTexto TLinhasEntrada::acrescentaLinha(TGradeEntrada grade, TGradeTexto textos)
{
    textos.setRowCount(textos.RowCount() + 1);
    switch (grade) {
    case TGradeEntrada::canal:
        textos.numeraLinhas(0);
        textos.setCells(0, 0, " S.");
        break;
    case TGradeEntrada::mira:
        numeraMira(textos);
        break;
    case TGradeEntrada::cristaMeio:
        textos.numeraLinhas(1);
        break;
    default:
        break;
    }
    return textos;
}

TGradeTexto TLinhasEntrada::insereLinha(TGradeEntrada grade, TGradeTexto textos, int linha)
{
    textos.setRowCount(textos.RowCount() + 1);
    textos.desceLinhas(linha);
    if (grade == TGradeEntrada::mira)
        numeraMira(textos);
    return textos;
}

TGradeTexto TLinhasEntrada::excluiLinha(TGradeEntrada grade, TGradeTexto textos, int linha)
{
    textos.sobeLinhas(linha);
    textos.setRowCount(textos.RowCount() - 1);
    if (grade == TGradeEntrada::mira)
        numeraMira(textos);
    return textos;
}
