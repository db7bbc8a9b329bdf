#pragma once
// The rules the data-entry window applies while the user types: which characters its
// numeric edits and data grids take, and what the crest grids show in their "Cota"
// column. A typed character comes in as a code point, backspace as the character 8; the
// answer is the character to deliver, or 0 when the key is swallowed.
#include <functional>
#include <optional>
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

// The free texts that go into the project file (the identification, the return period):
// every character Windows-1252 holds, so the file keeps what the user sees; control
// characters, which no edit shows, are swallowed too.
char32_t teclaTexto(char32_t tecla);

// One of the rules above: the character to deliver for `tecla` typed into `texto`.
using TRegraTecla = std::function<char32_t(const std::string& texto, char32_t tecla)>;

// What a field holds after a change of its text from `antes` to `depois` (UTF-8), however
// the text came in: typed, pasted or dropped. The characters the change brings in go
// through `regra` one by one, as if typed in their place, each judged on the text as it
// stands before it, so a paste meets the very rules of typing. Nothing when the rule
// swallows one of them: the change is refused whole. A change that only takes characters
// away passes as it is.
std::optional<std::string> textoAposAlteracao(const std::string& antes, const std::string& depois,
                                              const TRegraTecla& regra);

// The same for each kind of field.
std::optional<std::string> alteracaoDecimal(const std::string& antes, const std::string& depois, char separador);
std::optional<std::string> alteracaoGrade(const std::string& antes, const std::string& depois, char separador);
std::optional<std::string> alteracaoTexto(const std::string& antes, const std::string& depois);

// Why alteracaoTexto refuses the change from `antes` to `depois`: the characters it brings
// in that the project file cannot keep, in a sentence the field shows beside itself
// (TCaracteresNaoGravaveis::motivoRecusa). Empty for a change it takes.
std::string motivoRecusaTexto(const std::string& antes, const std::string& depois);

enum class TGradeCrista { inicio, meio, fim };

// The text of a crest grid's "Cota" cell in row `linha`: "        -" before any
// evaluation (`nPontos` 0), else the elevation in the results' "%.2f " format: the first
// for the starting end, the last for the far end, and for the middle grid the intermediate
// point of that row, blank below the last one.
std::string textoCotaCrista(TGradeCrista grade, int linha, const std::vector<double>& cotas, int nPontos);
