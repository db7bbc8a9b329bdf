#pragma once
// Where the data of the database come from: the table of the sources of the equations,
// with the citation key each station carries, and the credit the program shows for the
// data. Every text is UTF-8; a reference says plainly what of it could not be checked
// against a public copy of the work, and nothing of it is guessed.
#include <array>
#include <cstddef>
#include <string_view>

// One source: the key a station carries and the three texts of its full reference.
struct TFonteEquacao {
    std::string_view Chave;
    // The authors, each as the surname in capitals, a comma and the initials; or the
    // agency that takes their place.
    std::string_view Autores;
    // The title; for articles of rows 9 and 10, the journal.
    std::string_view Obra;
    // The publication details; for rows 9 and 10, the title with volume, pages and year.
    std::string_view Detalhes;
};

// Every station comes from the national compilation of published Brazilian
// intensity-duration-frequency equations as the GRIDF-BR project redistributes it, so
// every station cites that redistribution.
inline constexpr std::string_view ChaveCompilacaoIDF = "GOMES JR. (2026)";

// The source of the equations of Goiás and the Distrito Federal; the consultation shows a
// notice on the stations of Goiás that cite it.
inline constexpr std::string_view ChaveFonteGoias = "OLIVEIRA et al. (2005)";

// The key an interpolated equation carries: no source of the table.
inline constexpr std::string_view ChaveInterpolacao = "Interpolação";

// What the program says of an equation that is interpolated.
inline constexpr std::string_view TextoInterpolacao =
    "Interpolação realizada utilizando o Método do Inverso da Quinta Potência da Distância e "
    "considerando as informações de todas as localidades em que a equação de "
    "intensidade-duração-freqüência da precipitação é conhecida nos Estados da Bahia, Espírito "
    "Santo, Minas Gerais, Paraná, Rio de Janeiro, São Paulo e Tocantins.";

inline constexpr std::string_view NaoVerificada = "Referência completa não verificada.";

// The sources in the order they are compared: the ten published works the equations of
// the states were first taken from, then the sources the stations file cites.
inline constexpr std::array<TFonteEquacao, 11> FontesEquacoes{{
    {"SILVA et al. (1999)", "SILVA et al. (autores não verificados)",
     "Artigo sobre os parâmetros da equação de chuvas intensas do Estado de São Paulo (título não "
     "verificado)",
     NaoVerificada},
    {"SILVA et al. (2002)", "SILVA, D. D. da, GOMES FILHO, R. R., PRUSKI, F. F., PEREIRA, S. B., NOVAES, L. F. de",
     "Chuvas intensas no Estado da Bahia",
     "Revista Brasileira de Engenharia Agrícola e Ambiental, Campina Grande, v.6, n.2, p.362-367, 2002."},
    {"SILVA et al. (2003)",
     "SILVA, D. D. da, PEREIRA, S. B., PRUSKI, F. F., GOMES FILHO, R. R., LANA, A. M. Q., BAENA, L. G. N.",
     "Equações de intensidade-duração-freqüência da precipitação pluvial para o Estado de Tocantins",
     "Periódico, volume, número, páginas e ano: referência completa não verificada."},
    {"ANEEL (2001)", "AGÊNCIA NACIONAL DE ENERGIA ELÉTRICA (ANEEL)",
     "Relatório técnico final de projeto sobre chuvas intensas nos Estados do Rio de Janeiro, Espírito "
     "Santo, São Paulo, Tocantins e Bahia (título não verificado)",
     NaoVerificada},
    {"PINTO (1999)", "PINTO (iniciais não verificadas)",
     "Dissertação de mestrado sobre as equações de chuvas intensas do Rio de Janeiro e do Espírito "
     "Santo (título não verificado)",
     NaoVerificada},
    {"FREITAS et al. (2001)", "FREITAS et al. (autores não verificados)",
     "Livro sobre as equações de chuvas intensas do Estado de Minas Gerais (título não verificado)",
     NaoVerificada},
    // Only what the work is about is known: a 1992 abstract by two authors whose names no
    // public copy showed. The key names no one, so that no author is made up and no
    // station's key can fall on it by chance.
    {"NÃO IDENTIFICADO (1992)", "Dois autores, não identificados",
     "Resumo de 1992 sobre chuvas intensas no Estado do Paraná (obra não identificada)",
     NaoVerificada},
    {"FENDRICH (1998)", "FENDRICH (iniciais não verificadas)",
     "Livro sobre chuvas intensas para obras de drenagem no Estado do Paraná (título não verificado)",
     NaoVerificada},
    {"DENARDIN e FREITAS (1982)", "DENARDIN, J. E., FREITAS, P. L. de", "Pesquisa Agropecuária Brasileira",
     "Características fundamentais da chuva no Brasil, v.17, n.10, p.1409-1416, 1982. Autores, volume e "
     "páginas vistos só em citação: referência completa não verificada."},
    {ChaveFonteGoias,
     "OLIVEIRA, L. F. C. de, CORTÊS, F. C., WEHR, T. R., BORGES, L. B., SARMENTO, P. H. L., GRIEBELER, N. P.",
     "Pesquisa Agropecuária Tropical",
     "Intensidade-duração-frequência de chuvas intensas para localidades no Estado de Goiás e Distrito "
     "Federal, v.35, n.1, p.13-18, 2005."},
    {ChaveCompilacaoIDF, "GOMES JR., M. N.",
     "GRIDF-BR: Code, Datasets, and Results for Gridded Intensity–Duration–Frequency Curves for Brazil",
     "Zenodo, 2026. doi:10.5281/zenodo.20262939. Licença MIT. Redistribui a compilação nacional de "
     "equações IDF publicadas no Brasil."},
}};

// The keys a station of the stations file may carry: those of the table, in its order.
inline constexpr std::array<std::string_view, FontesEquacoes.size()> ChavesFontes = [] {
    std::array<std::string_view, FontesEquacoes.size()> chaves{};
    for (std::size_t i = 0; i < FontesEquacoes.size(); ++i)
        chaves[i] = FontesEquacoes[i].Chave;
    return chaves;
}();

// The first source whose key equals `chave` exactly, letter case and blanks included;
// nullptr when none does ("Interpolação", an empty key, any other text).
const TFonteEquacao* procuraFonte(std::string_view chave);

// The credit of the data, for the windows and the report that show where the database
// comes from.
inline constexpr std::string_view CreditoDados =
    "Equações de chuvas intensas: compilação nacional de equações IDF publicadas no Brasil, "
    "redistribuída pelo projeto GRIDF-BR (GOMES JR., M. N. GRIDF-BR: Code, Datasets, and Results "
    "for Gridded Intensity–Duration–Frequency Curves for Brazil. Zenodo, 2026. "
    "doi:10.5281/zenodo.20262939), sob a Licença MIT. "
    "Sedes municipais: municípios-br, Mapas Livres, ODbL. "
    "Limites dos estados: Natural Earth (domínio público).";
