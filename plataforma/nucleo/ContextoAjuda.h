#pragma once
// The help context numbers that the program asks for, one name each. Every one is the
// number of a topic in the help file's table of contexts (data/ajuda/contextos.txt), and the
// windows of the terrace evaluation and of the rainfall-equation consultation both ask by
// these names, as a help request or as a control's "HelpContext".
#include <cstdint>

namespace ContextoAjuda {

// The main window: "Conteúdo", its tool button, and F1 where no control has a context.
inline constexpr std::uint32_t conteudo = 10031;
inline constexpr std::uint32_t comoUsarAjuda = 10043;

// The data-entry window: "Ajuda" of each section of the data page, and of the results page.
inline constexpr std::uint32_t precipitacao = 10018;
inline constexpr std::uint32_t canal = 10017;
inline constexpr std::uint32_t areaDeContribuicao = 10014;
inline constexpr std::uint32_t perfilDaCrista = 10016;
inline constexpr std::uint32_t solo = 10019;
inline constexpr std::uint32_t resultados = 10015;
// Its latitude and longitude edits.
inline constexpr std::uint32_t coordenadas = 32;

// The terms and quantities: the data entry's tape survey and results pages, and the
// consultation's equation parameters.
inline constexpr std::uint32_t glossario = 1;

inline constexpr std::uint32_t identificacao = 10025;
inline constexpr std::uint32_t cadernetaDeCampo = 10007;

// The consultation: its "Ajuda" and its states, the point's place, the map with its
// localities and coordinates, the stations, the report.
inline constexpr std::uint32_t consulta = 7;
inline constexpr std::uint32_t consultaLocalizacao = 2;
inline constexpr std::uint32_t consultaMapa = 4;
inline constexpr std::uint32_t consultaEstacoes = 6;
inline constexpr std::uint32_t consultaRelatorio = 9;

// A control without a context of its own: F1 takes that of the control around it. Where
// none has one, the main window shows its contents, and the consultation asks for this
// number, whose topic is the consultation's.
inline constexpr std::uint32_t nenhum = 0;

// Every number above.
inline constexpr std::uint32_t todos[] = {
    conteudo, comoUsarAjuda, precipitacao, canal, areaDeContribuicao, perfilDaCrista, solo, resultados, coordenadas,
    glossario, identificacao, cadernetaDeCampo, consulta, consultaLocalizacao, consultaMapa, consultaEstacoes,
    consultaRelatorio, nenhum,
};

} // namespace ContextoAjuda
