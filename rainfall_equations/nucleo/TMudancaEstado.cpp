#include "rainfall_equations/nucleo/TMudancaEstado.h"

#include "rainfall_equations/nucleo/CoresMapaBrasil.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <algorithm>

namespace {

bool semDados(int indice)
{
    return std::any_of(CoresEstadosSemDados.begin(), CoresEstadosSemDados.end(),
                       [indice](const TCorEstado& linha) { return linha.Estado == indice; });
}

} // namespace

TMudancaEstado mudancaEstado(int indice, const std::string& pastaDados)
{
    verificaIndiceEstado(indice);
    const std::string& nome = NomesEstados[static_cast<std::size_t>(indice)];
    TMudancaEstado mudanca;
    mudanca.Legenda = LegendaConsulta + " - Estado: " + nome + "     ";
    mudanca.Limites = limitesMapaDoEstado(indice);
    if (mudanca.Limites) {
        mudanca.Mapa = TMapaEstado::Proprio;
        mudanca.Figura = pastaDados + SiglasEstados[static_cast<std::size_t>(indice)] + ".bmp";
        mudanca.MensagemSemFigura =
            "Erro. Não foi possível localizar o arquivo BMP do estado selecinado (" + nome + ").";
        mudanca.MensagemFiguraIlegivel = "Erro. Não foi possível ler o arquivo BMP do estado selecionado (" + nome
                                         + "): o arquivo está vazio, danificado ou não é uma figura BMP.";
    } else if (semDados(indice)) {
        mudanca.Mapa = TMapaEstado::Anterior;
    }
    return mudanca;
}
