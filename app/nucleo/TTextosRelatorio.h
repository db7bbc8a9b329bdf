#pragma once
// The value texts of the evaluation report's page, under the names of the labels that
// show them, and how they are copied from the identification, the terrace's values, the
// results page and the place of the last rainfall-equation lookup. A label reads "-"
// until it is filled.
#include "app/nucleo/TDadosTerraco.h"
#include "app/nucleo/TResultadoAvaliacao.h"

#include <cstddef>
#include <string>

// The place of the last rainfall-equation lookup, kept for the report only (never in
// the project file); every text is empty until a lookup succeeds.
struct TLugarConsulta {
    std::string estadoConsulta;      // the state's full name
    std::string estacaoConsulta;     // the station's name; "-" when the equation was interpolated
    std::string localidadeConsulta;  // the locality's name when interpolated; else "-"
};

// The longest station name the report shows, in characters.
inline constexpr std::size_t maximoEstacao = 44;

struct TTextosRelatorio {
    // Identificação do projeto
    std::string LIdentificacaoTerraco = "-";
    std::string LEstado = "-";
    std::string LMunicipio = "-";
    std::string LProprietario = "-";
    std::string LResponsavel = "-";
    std::string LDataDoLevantamento = "-";
    std::string LLocalidade = "-";

    // Dados de entrada
    std::string LT = "-";  // the return period with " anos"
    std::string Lk = "-";
    std::string La = "-";
    std::string Lb = "-";
    std::string Lc = "-";
    std::string LPLatitude = "-";
    std::string LPLongitude = "-";
    std::string LPLocalidade = "-";
    std::string LPEstado = "-";
    std::string LPMunicipio = "-";  // the station of the lookup
    std::string LComprimentoTerraco = "-";
    std::string LPerfilSecao = "-";
    std::string LTipoLevantamento = "-";
    std::string LComprimentoEstrada = "-";
    std::string LLarguraEstrada = "-";
    std::string LTieAgricola = "-";

    // Resultados
    std::string LRLESAgricola = "-";
    std::string LRLESEstrada = "-";
    std::string LRAcAgricola = "-";
    std::string LRAcEstrada = "-";
    std::string LRCrista = "-";
    std::string LRBigode = "-";
    std::string LRVe = "-";
    std::string LRVn = "-";
    std::string LRVeVn = "-";
    std::string LRAvaliacao = "-";
    std::string LRObservacao = "-";
    std::string LRObservaContinua = "-";  // the line below the observation
    // Why the results have no verdict; shown only when there is a reason.
    std::string LRMotivoSemAvaliacao;

    // The seven texts of the identification dialog.
    void copiaIdentificacao(const TTextosIdentificacao& identificacao);
    // The values and results of the data-entry window, as its controls hold them.
    void copiaEntrada(const TDadosTerraco& dados, const TResultadoAvaliacao& resultado, const TLugarConsulta& consulta);

    bool operator==(const TTextosRelatorio&) const = default;
};

// The section-type list's text for its selected index; empty for no item.
std::string textoTipoSecao(int indice);

// The section profile: the list's text, with " comum" or " com degrau" after
// "trapezoidal" by the step option (the plain one first when both are on).
std::string perfilSecao(int indiceTipoSecao, bool trapezoidalComum, bool trapezoidalComDegrau);

// The survey method by the group's index; `atual` for an index that names none.
std::string tipoLevantamento(int indice, const std::string& atual);

// A station name cut to its first maximoEstacao characters (UTF-8, never inside one).
std::string estacaoRelatorio(const std::string& estacao);

// The observation's two lines from the observation memo and its Tag. A memo that an
// evaluation left empty gives two empty lines; Tag 0 gives the two fixed texts of a
// crest below the safety height; any other Tag the memo's whole text.
struct TObservacaoRelatorio {
    std::string LRObservacao;
    std::string LRObservaContinua;

    bool operator==(const TObservacaoRelatorio&) const = default;
};
TObservacaoRelatorio observacaoRelatorio(const std::string& memo, int tag);
