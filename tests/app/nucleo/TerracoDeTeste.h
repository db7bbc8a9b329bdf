#pragma once
// Small helpers shared by the evaluation tests.
#include "app/nucleo/TAvaliacaoTerraco.h"
#include "app/nucleo/TDadosTerraco.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// Writes the texts into one row of a grid, from the given column on.
inline void preencheLinha(TGradeTexto& grade, int linha, std::initializer_list<const char*> textos,
                          int primeiraColuna = 1)
{
    int coluna = primeiraColuna;
    for (const char* texto : textos)
        grade.setCells(coluna++, linha, texto);
}

// Each test runs with the Brazilian settings in force (a run sets them for good) and
// gives the machine's settings back afterwards.
class TesteAvaliacao : public ::testing::Test {
protected:
    void SetUp() override { defineConfiguracaoRegional(TConfiguracaoRegional::brasileira()); }
    void TearDown() override { defineConfiguracaoRegional(TConfiguracaoRegional::doSistema()); }

    TDadosTerraco dados;
    TAvaliacaoTerraco avaliacao;
    TEstadoAvaliacao& estado = avaliacao.estado();
    const TResultadoAvaliacao& pagina = avaliacao.resultado();
};
