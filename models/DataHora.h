#pragma once
// Dates and times as the models keep them: a real counting days from 30 December 1899,
// its fraction the time of day. Before that day the whole part counts back and the
// fraction still runs forward: -1.25 is 29 December 1899 at 6 in the morning.
#include <string>

struct TDataHora {
    int Ano = 1899;
    int Mes = 12;
    int Dia = 30;
    int Hora = 0;
    int Minuto = 0;
    int Segundo = 0;
    int Milissegundo = 0;
};

// Refuses, with EConvertError, a date outside the years 1 to 9999 or a day the month
// does not have, and a time outside the day.
double codificaDataHora(const TDataHora& DataHora);

// The date and the time to the nearest millisecond; a value outside the years 1 to 9999
// or not a number raises EConvertError.
TDataHora decodificaDataHora(double Valor);

// The computer's local date and time now.
double agora();

// A date typed in the short date format of the process-wide settings
// (ConfiguracaoRegional.h): day, month and year in the order the format gives them,
// joined by the date separator, blanks around the numbers allowed. Without the year,
// the current year; a year of one or two digits falls within fifty years before or
// after the current one. Anything else raises EConvertError "'<text>' is not a valid
// date".
double strToDate(const std::string& Texto);
