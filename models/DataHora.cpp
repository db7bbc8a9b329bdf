#include "models/DataHora.h"

#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/Excecoes.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

namespace {

constexpr long long MilissegundosDia = 86400000LL;

// Day numbers of the first and the last day the conversions accept: 1 January of the
// year 1 and 31 December 9999.
constexpr long long PrimeiroDia = -693593;
constexpr long long UltimoDia = 2958465;

// Days from 1 January 1970 in the proleptic Gregorian calendar.
long long diasDesde1970(long long ano, int mes, int dia)
{
    ano -= mes <= 2;
    const long long era = (ano >= 0 ? ano : ano - 399) / 400;
    const long long anoDaEra = ano - era * 400;
    const long long diaDoAno = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
    const long long diaDaEra = anoDaEra * 365 + anoDaEra / 4 - anoDaEra / 100 + diaDoAno;
    return era * 146097 + diaDaEra - 719468;
}

// 30 December 1899 is day 0.
constexpr long long Dia1970 = 25569;

void civilDeDias(long long dias, TDataHora& d)
{
    const long long z = dias - Dia1970 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long diaDaEra = z - era * 146097;
    const long long anoDaEra = (diaDaEra - diaDaEra / 1460 + diaDaEra / 36524 - diaDaEra / 146096) / 365;
    const long long diaDoAno = diaDaEra - (365 * anoDaEra + anoDaEra / 4 - anoDaEra / 100);
    const long long mp = (5 * diaDoAno + 2) / 153;
    d.Dia = static_cast<int>(diaDoAno - (153 * mp + 2) / 5 + 1);
    d.Mes = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.Ano = static_cast<int>(anoDaEra + era * 400 + (d.Mes <= 2));
}

bool bissexto(int ano)
{
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

int diasNoMes(int ano, int mes)
{
    static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && bissexto(ano) ? 29 : dias[mes - 1];
}

[[noreturn]] void dataInvalida(const std::string& texto)
{
    throw EConvertError("'" + texto + "' is not a valid date");
}

int anoAtual()
{
    const std::time_t agora = std::time(nullptr);
    std::tm local {};
    localtime_r(&agora, &local);
    return local.tm_year + 1900;
}

// The order of day, month and year: the first of the letters D, M, Y in the format.
std::string ordemDaData(const std::string& formato)
{
    for (char c : formato) {
        if (c == 'D' || c == 'd')
            return "DMY";
        if (c == 'Y' || c == 'y')
            return "YMD";
        if (c == 'M' || c == 'm')
            return "MDY";
    }
    return "MDY";
}

struct TNumeroData {
    int valor = 0;
    int digitos = 0;
};

// The numbers of a date text, or false when the text is not numbers joined by `separador`.
bool numerosDaData(const std::string& texto, char separador, std::vector<TNumeroData>& numeros)
{
    std::size_t i = 0;
    const auto pulaBrancos = [&] {
        while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t'))
            ++i;
    };
    for (;;) {
        pulaBrancos();
        TNumeroData n;
        while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9' && n.digitos < 5) {
            n.valor = n.valor * 10 + (texto[i++] - '0');
            ++n.digitos;
        }
        if (n.digitos == 0 || n.digitos > 4 || numeros.size() == 3)
            return false;
        numeros.push_back(n);
        pulaBrancos();
        if (i == texto.size())
            return true;
        if (texto[i] != separador)
            return false;
        ++i;
    }
}

// A year typed with one or two digits lies within fifty years of the current one.
int anoCompleto(const TNumeroData& ano, int atual)
{
    if (ano.digitos > 2)
        return ano.valor;
    const int base = atual - 50;
    int completo = ano.valor + base / 100 * 100;
    if (completo < base)
        completo += 100;
    return completo;
}

} // namespace

double codificaDataHora(const TDataHora& d)
{
    if (d.Ano < 1 || d.Ano > 9999 || d.Mes < 1 || d.Mes > 12 || d.Dia < 1 || d.Dia > diasNoMes(d.Ano, d.Mes)
        || d.Hora < 0 || d.Hora > 23 || d.Minuto < 0 || d.Minuto > 59 || d.Segundo < 0 || d.Segundo > 59
        || d.Milissegundo < 0 || d.Milissegundo > 999)
        throw EConvertError("Data ou hora inválida.");
    const long long dia = diasDesde1970(d.Ano, d.Mes, d.Dia) + Dia1970;
    const long long ms = ((d.Hora * 60LL + d.Minuto) * 60 + d.Segundo) * 1000 + d.Milissegundo;
    const double fracao = static_cast<double>(ms) / static_cast<double>(MilissegundosDia);
    return dia < 0 ? static_cast<double>(dia) - fracao : static_cast<double>(dia) + fracao;
}

TDataHora decodificaDataHora(double Valor)
{
    if (!(Valor > PrimeiroDia - 1.0 && Valor < UltimoDia + 1.0))
        throw EConvertError("Data ou hora inválida.");
    long long dia = static_cast<long long>(std::trunc(Valor));
    long long ms = std::llround(std::fabs(Valor - std::trunc(Valor)) * MilissegundosDia);
    if (ms == MilissegundosDia) {
        ms = 0;
        dia += Valor < 0 ? -1 : 1;
    }
    if (dia < PrimeiroDia || dia > UltimoDia)
        throw EConvertError("Data ou hora inválida.");
    TDataHora d;
    civilDeDias(dia, d);
    d.Milissegundo = static_cast<int>(ms % 1000);
    d.Segundo = static_cast<int>(ms / 1000 % 60);
    d.Minuto = static_cast<int>(ms / 60000 % 60);
    d.Hora = static_cast<int>(ms / 3600000);
    return d;
}

double agora()
{
    const auto instante = std::chrono::system_clock::now();
    const std::time_t segundos = std::chrono::system_clock::to_time_t(instante);
    std::tm local {};
    localtime_r(&segundos, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(instante.time_since_epoch()).count() % 1000;
    TDataHora d;
    d.Ano = local.tm_year + 1900;
    d.Mes = local.tm_mon + 1;
    d.Dia = local.tm_mday;
    d.Hora = local.tm_hour;
    d.Minuto = local.tm_min;
    // A leap second is shown as the last second of its minute.
    d.Segundo = local.tm_sec > 59 ? 59 : local.tm_sec;
    d.Milissegundo = static_cast<int>(ms < 0 ? ms + 1000 : ms);
    return codificaDataHora(d);
}

double strToDate(const std::string& Texto)
{
    const TConfiguracaoRegional& regional = configuracaoRegional();
    std::vector<TNumeroData> numeros;
    if (!numerosDaData(Texto, regional.DateSeparator, numeros) || numeros.size() < 2)
        dataInvalida(Texto);
    const std::string ordem = ordemDaData(regional.ShortDateFormat);
    const int atual = anoAtual();
    TDataHora d;
    if (numeros.size() == 3) {
        for (std::size_t i = 0; i < 3; ++i) {
            if (ordem[i] == 'D')
                d.Dia = numeros[i].valor;
            else if (ordem[i] == 'M')
                d.Mes = numeros[i].valor;
            else
                d.Ano = anoCompleto(numeros[i], atual);
        }
    } else {
        // Without the year, the day and the month keep their order of the format.
        const bool diaPrimeiro = ordem == "DMY";
        d.Dia = numeros[diaPrimeiro ? 0 : 1].valor;
        d.Mes = numeros[diaPrimeiro ? 1 : 0].valor;
        d.Ano = atual;
    }
    try {
        return codificaDataHora(d);
    } catch (const EConvertError&) {
        dataInvalida(Texto);
    }
}
