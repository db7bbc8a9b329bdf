#include "app/nucleo/TTextosConsulta.h"

#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/CaminhoExibido.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/UnBD.h"

TTextosConsulta textosConsulta(const TEquacaoConsultada& equacao)
{
    TTextosConsulta textos;
    textos.LblEdtK = floatToStr(equacao.K);
    textos.LblEdtA = floatToStr(equacao.A);
    textos.LblEdtB = floatToStr(equacao.B);
    textos.LblEdtC = floatToStr(equacao.C);
    textos.MELongitude = equacao.Longitude;
    textos.meLatitude = equacao.Latitude;
    textos.lugar.estadoConsulta = equacao.StrEstado;
    if (equacao.Autoria == ChaveInterpolacao) {
        textos.lugar.localidadeConsulta = equacao.StrCidade;
        textos.lugar.estacaoConsulta = "-";
    } else {
        textos.lugar.localidadeConsulta = "-";
        textos.lugar.estacaoConsulta = equacao.StrCidade;
    }
    return textos;
}

std::string mensagemInstaladorNaoIniciado(const std::string& instalador, const std::string& pastaDados)
{
    return "Não foi possível iniciar o instalador " + caminhoExibido(instalador)
           + ". Os arquivos do banco de dados de chuvas intensas (" + ArquivoEstacoes + ", " + ArquivoLocalidades
           + " e os mapas dos estados) devem ficar na pasta " + caminhoExibido(pastaDados) + ".";
}
