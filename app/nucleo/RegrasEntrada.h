#pragma once
// The rules the data-entry window applies while the user types: which characters its
// numeric edits and data grids take, and what the crest grids show in their "Cota"
// column. A typed character comes in as a code point, backspace as the character 8; the
// answer is the character to deliver, or 0 when the key is swallowed.
#include <string>
#include <vector>

inline constexpr char32_t teclaEngolida = 0;
inline constexpr char32_t teclaRetrocesso = 8;

// The numeric edits: digits and backspace, "," or "." as the decimal separator, one
// separator and at most five decimals. Judged on the edit's whole text (UTF-8) before the
// key, wherever the caret stands; only `separador` counts as a separator already typed.
char32_t teclaDecimal(const std::string& texto, char32_t tecla, char separador);

// The data grids: digits and backspace, "," or "." as the decimal separator, with no
// limit on separators or decimals.
char32_t teclaGrade(char32_t tecla, char separador);

enum class TGradeCrista { inicio, meio, fim };

// The text of a crest grid's "Cota" cell in row `linha`: "        -" before any
// evaluation (`nPontos` 0), else the elevation in the results' "%.2f " format: the first
// for the starting end, the last for the far end, and for the middle grid the intermediate
// point of that row, blank below the last one.
std::string textoCotaCrista(TGradeCrista grade, int linha, const std::vector<double>& cotas, int nPontos);
