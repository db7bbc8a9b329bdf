#include "plataforma/nucleo/ConfiguracaoRegional.h"

#include <langinfo.h>
#include <locale.h>

namespace {

char primeiroByteAscii(const char* texto, char padrao)
{
    if (texto == nullptr || texto[0] == '\0' || static_cast<unsigned char>(texto[0]) > 0x7F)
        return padrao;
    return texto[0];
}

// Turns a strftime date pattern such as "%d/%m/%Y" into the "DD/MM/YYYY" notation.
std::string formatoDeData(const std::string& padrao, char& separador)
{
    std::string formato;
    for (std::size_t i = 0; i < padrao.size(); ++i) {
        if (padrao[i] == '%' && i + 1 < padrao.size()) {
            switch (padrao[++i]) {
            case 'd': formato += "DD"; break;
            case 'm': formato += "MM"; break;
            case 'y': formato += "YY"; break;
            case 'Y': formato += "YYYY"; break;
            default: break;
            }
        } else {
            separador = padrao[i];
            formato += padrao[i];
        }
    }
    return formato;
}

TConfiguracaoRegional& atual()
{
    static TConfiguracaoRegional configuracao = TConfiguracaoRegional::doSistema();
    return configuracao;
}

} // namespace

TConfiguracaoRegional TConfiguracaoRegional::brasileira()
{
    TConfiguracaoRegional c;
    c.DecimalSeparator = ',';
    c.ThousandSeparator = '.';
    c.DateSeparator = '/';
    c.CurrencyString = " ";
    c.ShortDateFormat = "DD/MM/YYYY";
    return c;
}

TConfiguracaoRegional TConfiguracaoRegional::doSistema()
{
    TConfiguracaoRegional c;
    locale_t local = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
    if (local == static_cast<locale_t>(0))
        return c;
    c.DecimalSeparator = primeiroByteAscii(nl_langinfo_l(RADIXCHAR, local), '.');
    c.ThousandSeparator = primeiroByteAscii(nl_langinfo_l(THOUSEP, local),
                                            c.DecimalSeparator == ',' ? '.' : ',');
    const char* moeda = nl_langinfo_l(CRNCYSTR, local);
    if (moeda != nullptr && moeda[0] != '\0')
        c.CurrencyString = moeda + 1; // the first character only says where the symbol goes
    const char* data = nl_langinfo_l(D_FMT, local);
    if (data != nullptr && data[0] != '\0')
        c.ShortDateFormat = formatoDeData(data, c.DateSeparator);
    freelocale(local);
    return c;
}

const TConfiguracaoRegional& configuracaoRegional()
{
    return atual();
}

void defineConfiguracaoRegional(const TConfiguracaoRegional& configuracao)
{
    atual() = configuracao;
}
