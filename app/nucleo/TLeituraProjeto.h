#pragma once
// What reading a project file hands the windows: the values, and the steps the windows
// take besides holding those values, in the order in which the file brings them.
//
// Applying a reading (TFPrincipal::AbrirArquivoTxt, on a freshly created identification
// dialog and a freshly shown data-entry window):
//   1. Take each step of `efeitos` in order, as its comment says.
//   2. Then copy `dados` into the controls (the identification dialog from
//      dados.identificacao, the data-entry window from the rest) with every change
//      handler held back: the steps have already run the handlers that the reading runs.
// The steps come first because a handler may clear texts (the road handler empties the
// road edits) that the file then fills.
#include "app/nucleo/TDadosTerraco.h"

#include <string>
#include <variant>
#include <vector>

// CBTipoSecao.ItemIndex := indice, without running TFEntdados::TipoSecaoChange.
struct TEfeitoTipoSecao {
    int indice = secaoTrapezoidal;
    bool operator==(const TEfeitoTipoSecao&) const = default;
};

// SGridCanalSecao.ColWidths[c] := largura for every column c of `colunas`. A triangular
// file gives columns 1 to 7 at 56 before its rows, then columns 4 and 5 at 0 once a data
// row has been read. The row-0 headers are always a new window's, and stand in dados.
struct TEfeitoLarguraColunas {
    std::vector<int> colunas;
    int largura = 0;
    bool operator==(const TEfeitoLarguraColunas&) const = default;
};

// RadioButtonContribui.Checked := contribui and RadioButtonNaoContribui.Checked :=
// !contribui, set without handlers; then, when executaManipulador, run
// TFEntdados::AreaContribuicaoEstradaClick once, as the user's click on the newly
// checked button would (it is true when the check differs from a new window's).
struct TEfeitoEstrada {
    bool contribui = false;
    bool executaManipulador = false;
    bool operator==(const TEfeitoEstrada&) const = default;
};

// NoteAreaDeContribuicao.ActivePage := pagina ("mira" or "trena"), then
// RadioGTipoDeLevantamento.ItemIndex := indice, set without handlers; then, when
// executaManipulador, run TFEntdados::TipoLevantamentoClick once (it is true when the
// index differs from a new window's). A file whose survey keyword is unknown gives no
// such step.
struct TEfeitoLevantamento {
    std::string pagina;
    int indice = levantamentoIrradiacao;
    bool executaManipulador = false;
    bool operator==(const TEfeitoLevantamento&) const = default;
};

using TEfeitoLeitura =
    std::variant<TEfeitoTipoSecao, TEfeitoLarguraColunas, TEfeitoEstrada, TEfeitoLevantamento>;

struct TLeituraProjeto {
    // Every value of the project; what the file does not hold stays as a new project has it.
    TDadosTerraco dados;
    std::vector<TEfeitoLeitura> efeitos;
};
