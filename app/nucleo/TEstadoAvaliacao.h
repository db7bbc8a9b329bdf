#pragma once
// What an evaluation keeps between and during its runs. A data-entry window keeps one
// for its whole life: each run sets afresh what its steps reach and leaves the rest.
#include "app/nucleo/TSecaoCanal.h"
#include "app/nucleo/TVisada.h"
#include "models/NumeroDaCurva.h"
#include "models/PrecipitacaoExponencialNegativa.h"

#include <memory>
#include <vector>

struct TEstadoAvaliacao {
    // The design storm and the runoff model of the last run; each run replaces them.
    std::unique_ptr<TPrecipitacaoExponencialNegativa> equacaoChuva;
    std::unique_ptr<TNumeroDaCurva> modeloEscoamento;
    double lesAgricola = 0;  // runoff depth of the agricultural area, mm
    double lesEstrada = 0;   // runoff depth of the road, mm; 0 when it does not drain here
    double semValor = 100000.0;  // a sight with no distance

    std::vector<TVisada> visadas;
    int nVisadas = 0;
    double areaAgricola = 0;  // Ac, m²
    double areaEstrada = 0;   // m²

    double maiorLeitura = 0;  // the datum: largest staff reading of crest and sections
    std::vector<double> cotasCrista;  // readings, then elevations
    int nPontosCrista = 0;
    std::vector<TSecaoCanal> secoes;
    int nSecoes = 0;
    double cotaBaixaCrista = 0;  // CBC
    double cotaExtremidade = 0;  // CE
    double somaAr = 0;           // m²
};
