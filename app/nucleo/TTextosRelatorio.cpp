#include "app/nucleo/TTextosRelatorio.h"

#include <array>

namespace {

// The items of the section-type list, by index.
constexpr std::array<const char*, 2> itensTipoSecao{"triangular", "trapezoidal"};

// The items of the survey-method group as the report words them, by index.
constexpr std::array<const char*, 2> itensLevantamento{"Utilizando nível ótico", "Utilizando trena"};

bool continuacaoUtf8(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

void TTextosRelatorio::copiaIdentificacao(const TTextosIdentificacao& id)
{
    LIdentificacaoTerraco = id.EIdentificacao;
    LEstado = id.EEstado;
    LMunicipio = id.EMunicipio;
    LProprietario = id.EProprietario;
    LResponsavel = id.EResponsavel;
    LDataDoLevantamento = id.EData;
    LLocalidade = id.ELocalidade;
}

void TTextosRelatorio::copiaEntrada(const TDadosTerraco& d, const TResultadoAvaliacao& r,
                                    const TLugarConsulta& consulta)
{
    LT = d.LblEdtTr + " anos";
    Lk = d.LblEdtK;
    La = d.LblEdtA;
    Lb = d.LblEdtB;
    Lc = d.LblEdtC;
    LPLatitude = d.meLatitude;
    LPLongitude = d.MELongitude;
    LPLocalidade = consulta.localidadeConsulta;
    LPEstado = consulta.estadoConsulta;
    LPMunicipio = estacaoRelatorio(consulta.estacaoConsulta);
    LComprimentoTerraco = d.LblEdtComprimentoTerraco;
    LPerfilSecao = perfilSecao(d.CBTipoSecao, d.RButtonSecaoTrapComum, d.RButtonSecaoTrapComDegrau);
    LTipoLevantamento = tipoLevantamento(d.RadioGTipoDeLevantamento, LTipoLevantamento);
    LComprimentoEstrada = d.EdtAreaContibuicaoComprimento;
    LLarguraEstrada = d.EdtAreaContibuicaoSemiELargura;
    LTieAgricola = d.LblEdtSoloTIE;

    LRLESAgricola = r.LblRLES;
    LRLESEstrada = r.LblRLESestrada;
    LRAcAgricola = r.LblRAc;
    LRAcEstrada = r.LblRAcEstrada;
    LRCrista = r.LblEdtRCotaCrista;
    LRBigode = r.LblEdtRCotaBigode;
    LRVe = r.LblEdtRVe;
    LRVn = r.LblEdtRVn;
    LRVeVn = r.LblEdtVeVn;
    LRAvaliacao = r.LblEdtAvaliacao;
    const TObservacaoRelatorio observacao = observacaoRelatorio(r.MemObs, r.MemObsTag);
    LRObservacao = observacao.LRObservacao;
    LRObservaContinua = observacao.LRObservaContinua;
    LRMotivoSemAvaliacao = r.LblMotivoSemAvaliacao;
}

std::string textoTipoSecao(int indice)
{
    if (indice < 0 || indice >= static_cast<int>(itensTipoSecao.size()))
        return {};
    return itensTipoSecao[static_cast<std::size_t>(indice)];
}

std::string perfilSecao(int indiceTipoSecao, bool trapezoidalComum, bool trapezoidalComDegrau)
{
    std::string texto = textoTipoSecao(indiceTipoSecao);
    if (indiceTipoSecao == secaoTrapezoidal) {
        if (trapezoidalComum)
            texto += " comum";
        else if (trapezoidalComDegrau)
            texto += " com degrau";
    }
    return texto;
}

std::string tipoLevantamento(int indice, const std::string& atual)
{
    if (indice < 0 || indice >= static_cast<int>(itensLevantamento.size()))
        return atual;
    return itensLevantamento[static_cast<std::size_t>(indice)];
}

std::string estacaoRelatorio(const std::string& estacao)
{
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < estacao.size(); ++i) {
        if (continuacaoUtf8(static_cast<unsigned char>(estacao[i])))
            continue;
        if (caracteres == maximoEstacao)
            return estacao.substr(0, i);
        ++caracteres;
    }
    return estacao;
}

TObservacaoRelatorio observacaoRelatorio(const std::string& memo, int tag)
{
    if (memo.empty())
        return {};
    if (tag != 0)
        return {memo, ""};
    return {" acima da cota da extremidade!", "Não atingiu a altura de segurança!"};
}
