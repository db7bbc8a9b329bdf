#pragma once
// One line of the evaluation report's page: its captions, each with its value beside it,
// laid from left to right within the page's width. The window measures the values' texts
// in its font and hands in their widths; what comes back is where each caption goes and
// how wide each value may be, in pixels from the page's left.
#include <vector>

class TLinhaRelatorio {
public:
    // The least room left between a value and the caption after it.
    static constexpr int espacoAposValor = 6;

    // One caption and its value as they move along their line: the value keeps its
    // distance from the caption.
    struct TPar {
        int esquerda;      // where the page's table puts it
        int recuoValor;    // from the caption's left to the value's
        int larguraValor;  // the value's drawn width
        int espacoTabela;  // the value's room before the next caption, as the table puts it
        bool quebravel;    // a text of several words, which may take more than one line
        int largura() const { return recuoValor + larguraValor; }
    };

    // Lefts along a line of width `limite`. Each pair keeps its table position unless the
    // one before runs into it, when it moves right; a line that then runs past the edge is
    // pulled back, each pair moving left only as far as the one before it allows, and the
    // first never left of its table position.
    static std::vector<int> posicoesNaLinha(const std::vector<TPar>& pares, int limite);
    // Whether every value at `x` ends the least room before the next caption, and the last
    // within `limite`.
    static bool cabeNaLinha(const std::vector<TPar>& pares, const std::vector<int>& x, int limite);
    // The widest text of several words that runs past its table room gives up a little of
    // its width, never below that room; false when none can.
    static bool cedeEspaco(std::vector<TPar>& pares);
    // The lefts of a line whose texts of several words have given up room until it fits,
    // or until none can give more; `pares` keeps the widths the values end with.
    static std::vector<int> dispoe(std::vector<TPar>& pares, int limite);
};
