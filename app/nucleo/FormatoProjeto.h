#pragma once
// The fixed texts of the project file, shared by its writer and its reader. The reader
// never compares a prefix: it cuts as many characters as the prefix has, whatever stands
// there, so a hand-edited file keeps reading as long as its lines stay in place.
#include <string_view>

namespace formatoProjeto {

inline constexpr std::string_view titulo = "Morlin";
inline constexpr std::string_view aviso1 =
    "\"Observação: Mantenha a mesma disposição e a mesma nomenclatura das informações contidas";
inline constexpr std::string_view aviso2 =
    "             neste arquivo, caso utilize o editor de texto para a edição dos valores.\"";

inline constexpr std::string_view precipitacao = "precipitacao";
inline constexpr std::string_view prefixoT = "T:";
inline constexpr std::string_view prefixoK = "K:";
inline constexpr std::string_view prefixoA = "a:";
inline constexpr std::string_view prefixoB = "b:";
inline constexpr std::string_view prefixoC = "c:";
inline constexpr std::string_view prefixoLatitude = "Latitude:";
inline constexpr std::string_view prefixoLongitude = "Longitude:";

inline constexpr std::string_view canal = "canal";
inline constexpr std::string_view prefixoComprimentoTerraco = "comprimento do terraco:";
inline constexpr std::string_view prefixoTipoSecao = "Tipo de secao:";

inline constexpr std::string_view fim = "fim";
inline constexpr std::string_view areaDeContribuicao = "area de contribuicao";
inline constexpr std::string_view prefixoLarguraEstrada = "largura/semilargura:";
inline constexpr std::string_view prefixoComprimentoEstrada = "comprimento:";
inline constexpr std::string_view mira = "mira";
inline constexpr std::string_view trena = "trena";

inline constexpr std::string_view perfilDaCrista = "perfil da crista";
inline constexpr std::string_view solo = "solo";
inline constexpr std::string_view prefixoTIE = "TIE:";
// After the infiltration rate, so that files without it, and readers that stop there,
// keep working.
inline constexpr std::string_view prefixoResponsavel = "responsavel:";

// An empty grid cell where a field must stand.
inline constexpr std::string_view celulaVazia = "-";

// The largest row count the reader takes: far beyond any survey, small enough that a
// damaged count cannot exhaust memory.
inline constexpr int maximoLinhas = 10000;

} // namespace formatoProjeto
