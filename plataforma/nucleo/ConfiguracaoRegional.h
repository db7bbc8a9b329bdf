#pragma once
// The process-wide number and date format settings. They start as the user's locale
// gives them; the evaluation sets the Brazilian ones and they stay for the whole run.
#include <string>

struct TConfiguracaoRegional {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    std::string CurrencyString = "$";
    std::string ShortDateFormat = "MM/DD/YYYY";

    // The Brazilian settings the program works with: "," decimals, "." thousands,
    // day/month/year dates and a blank currency string.
    static TConfiguracaoRegional brasileira();
    // The settings of the user's locale (LC_ALL, LC_NUMERIC, LANG), read without
    // changing the process locale.
    static TConfiguracaoRegional doSistema();
};

const TConfiguracaoRegional& configuracaoRegional();
void defineConfiguracaoRegional(const TConfiguracaoRegional& configuracao);
