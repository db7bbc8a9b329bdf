#pragma once
// What the consultation shows of an equation and what it hands back of it: the captions of
// K, a, b and c, the source key on its button, the notice on the stations of Goiás, and the
// four parameters read back from the captions into a design storm.
#include "rainfall_equations/nucleo/TEstacao.h"

#include <string>

class TPrecipitacaoExponencialNegativa;

// The place name of a point picked on the map or typed.
inline const std::string LocalNaoDefinido = "Não definida";

// OK pressed while the window shows no equation.
inline const std::string MensagemSemEquacao =
    "Nenhuma equação selecionada. Escolha uma estação, uma localidade ou um ponto do mapa, ou cancele.";

// The captions of K, a, b and c, in Brazilian notation; empty when no equation is on show.
struct TLegendasEquacao {
    std::string K;
    std::string A;
    std::string B;
    std::string C;

    bool operator==(const TLegendasEquacao&) const = default;
};

// Each coefficient with 3 decimals, a point between thousands and a comma before the
// decimals, whatever the format settings: K 1234.5678 reads "1.234,568".
TLegendasEquacao legendasEquacao(const TEstacao& equacao);

// An equation is on show only while all four captions hold an equation the design storm
// takes (see leParametrosEquacao): none is empty, K is above zero, a, b and c are not
// negative.
bool haEquacao(const TLegendasEquacao& legendas);

// `texto` without its trailing blanks (character 32 only; any other character ends the
// removal), as a key or a name is shown.
std::string semBrancosFinais(std::string texto);

// The notice on data disaggregated from one-day rainfall shows while Goiás (state 8) is
// chosen and the source button holds the key of its source.
bool mostraAvisoGoias(int estado, const std::string& legendaAutor);

struct TParametrosEquacao {
    double K = 0.0;
    double A = 0.0;
    double B = 0.0;
    double C = 0.0;

    bool operator==(const TParametrosEquacao&) const = default;
};

// K, a, b and c read back from their captions with textoParaReal and checked as the design
// storm's setters check them, in that order: the first caption that is not a number raises
// EConvertError, the first value a setter refuses raises that setter's message (K not
// greater than zero, a, b or c negative).
TParametrosEquacao leParametrosEquacao(const TLegendasEquacao& legendas);

// The four parameters into `equacao` through its setters; its return period and everything
// else stay. Values leParametrosEquacao gave are never refused.
void aplicaParametros(const TParametrosEquacao& parametros, TPrecipitacaoExponencialNegativa& equacao);
