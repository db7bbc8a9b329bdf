#pragma once
// Where the data of the database come from: the citation keys its stations carry and the
// credit the program shows for the data.
#include <array>
#include <string_view>

// Every station comes from the national compilation of published Brazilian
// intensity-duration-frequency equations as the GRIDF-BR project redistributes it, so
// every station cites that redistribution.
inline constexpr std::string_view ChaveCompilacaoIDF = "GOMES JR. (2026)";

// The keys a station of the stations file may carry.
inline constexpr std::array<std::string_view, 1> ChavesFontes{ChaveCompilacaoIDF};

// The credit of the data, for the windows and the report that show where the database
// comes from.
inline constexpr std::string_view CreditoDados =
    "Equações de chuvas intensas: compilação nacional de equações IDF publicadas no Brasil, "
    "redistribuída pelo projeto GRIDF-BR (GOMES JR., M. N. GRIDF-BR: Code, Datasets, and Results "
    "for Gridded Intensity–Duration–Frequency Curves for Brazil. Zenodo, 2026. "
    "doi:10.5281/zenodo.20262939), sob a Licença MIT. "
    "Sedes municipais: municípios-br, Mapas Livres, ODbL. "
    "Limites dos estados: Natural Earth (domínio público).";
