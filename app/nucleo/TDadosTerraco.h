#pragma once
// The values of one terrace project, each the text of its control exactly as typed
// (UTF-8), under the names of the controls that show them. The windows copy their
// controls into this record and back; the evaluation and the project file work on it.
#include "app/nucleo/TGradeTexto.h"

#include <functional>
#include <string>

// The seven texts of the identification dialog, in tab order.
struct TTextosIdentificacao {
    std::string EIdentificacao;
    std::string EMunicipio;
    std::string EEstado;
    std::string ELocalidade;
    std::string EProprietario;
    std::string EData;
    std::string EResponsavel;

    bool operator==(const TTextosIdentificacao&) const = default;
};

// Index values of the section-type list and the survey-method group.
enum : int { secaoTriangular = 0, secaoTrapezoidal = 1 };
enum : int { levantamentoIrradiacao = 0, levantamentoTrena = 1 };

// The coordinate text of a new window: the three literals, two blanks before each.
inline const std::string coordenadaVazia = "  \u00B0  '  \"";

struct TDadosTerraco {
    TTextosIdentificacao identificacao;

    // Precipitação
    std::string LblEdtTr;   // return period T, years
    std::string LblEdtK;    // i = K.T^a / (t + b)^c
    std::string LblEdtA;
    std::string LblEdtB;    // minutes
    std::string LblEdtC;
    std::string meLatitude = coordenadaVazia;   // degrees south
    std::string MELongitude = coordenadaVazia;  // degrees west

    // Canal
    int CBTipoSecao = secaoTrapezoidal;
    bool RButtonSecaoTrapComum = true;
    bool RButtonSecaoTrapComDegrau = false;
    std::string LblEdtComprimentoTerraco;  // terrace length L, m
    // Row 0 headers, column 0 section numbers; then C, C-F1, F1, C-F2, F2, C-FT, FT (m).
    TGradeTexto SGridCanalSecao{8, 10};

    // Área de Contribuição
    int RadioGTipoDeLevantamento = levantamentoIrradiacao;
    // Row 0 headers, column 0 sight numbers; then FS, FM, FI (m) and the angle (degrees).
    TGradeTexto SGridMira{5, 12};
    // One terrace spacing per cell (m), no header.
    TGradeTexto SGridTrena{1, 10};
    bool RadioButtonNaoContribui = true;
    bool RadioButtonContribui = false;
    std::string EdtAreaContibuicaoSemiELargura;  // road width or half-width, m
    std::string EdtAreaContibuicaoComprimento;   // road length, m

    // Perfil da Crista: column 0 point numbers, column 1 staff readings (m),
    // column 2 left empty (the elevations are drawn there).
    TGradeTexto SGridCristaInicio{3, 1};
    TGradeTexto SGridCristaMeio{3, 10};
    TGradeTexto SGridCristaFim{3, 1};

    // Solo
    std::string LblEdtSoloTIE;  // stable infiltration rate, mm/h

    // A new project as a freshly shown data-entry window holds it: headers and row
    // numbers written, every value empty.
    TDadosTerraco();

    bool operator==(const TDadosTerraco&) const = default;
};

// The header rows the data-entry window writes when it is shown.
inline constexpr const char* cabecalhoCanal[8] = {" S", "   (C) ", "(C- F1)", "  (F1) ",
                                                  "(C- F2)", "  (F2) ", "(C- FT)", "  (FT) "};
inline constexpr const char* cabecalhoMira[5] = {" V.", " FS", " FM", " FI", "\u00C2ngulo\u00BA"};

// Where one text of a project stands, as a message names it: the entry section, the
// field (for a grid, what its rows hold), the row's number as the window shows it (0 when
// the field has none) and the grid's column.
struct TLugarTexto {
    const char* secao;
    const char* campo;
    int numero = 0;
    const char* coluna = nullptr;
};

// "Precipitação, K", "Canal, seção 3, C-F1", "Perfil da Crista, início, leitura".
std::string nomeDoLugar(const TLugarTexto& lugar);

// Every text of the project, the grids' cells included, in the order of the windows.
void percorreTextos(const TDadosTerraco& dados, const std::function<void(const TLugarTexto&, const std::string&)>& visita);
void percorreTextos(TDadosTerraco& dados, const std::function<void(std::string&)>& muda);
