#include "models/Utils.h"

#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"

std::string formataNumero(unsigned char Casas, double Valor)
{
    std::string padrao = "#,##0";
    if (Casas > 0)
        padrao += "." + std::string(Casas, '0');
    std::string texto = formatFloat(padrao, Valor);
    // Under a "." decimal separator the groups came out with ","; one pass swaps both
    // marks, so a character already swapped is never swapped back.
    if (configuracaoRegional().DecimalSeparator == '.')
        for (char& c : texto) {
            if (c == ',')
                c = '.';
            else if (c == '.')
                c = ',';
        }
    return texto;
}

double textoParaReal(const std::string& Texto)
{
    const char separador = configuracaoRegional().DecimalSeparator;
    std::string numero;
    for (char c : Texto) {
        if (c == '.')
            continue;
        numero += c == ',' ? separador : c;
    }
    return strToFloat(numero);
}
