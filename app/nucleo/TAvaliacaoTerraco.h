#pragma once
// The evaluation behind "Calcular": from the texts of one terrace to the results page.
// A data-entry window keeps one object for its whole life; each run recomputes the
// chain from the texts it is given, writing into the state and into the results page.
// A run that fails stops at the failing step and undoes nothing, but a terrace that
// cannot exist (TLimitesTerraco) also leaves no verdict on the page.
#include "app/nucleo/TDadosTerraco.h"
#include "app/nucleo/TEstadoAvaliacao.h"
#include "app/nucleo/TResultadoAvaliacao.h"

#include <string>

class TAvaliacaoTerraco {
public:
    // The one message the user sees after a failed run, whatever the error was.
    static const std::string mensagemCamposEmBranco;

    // Runs the whole evaluation; returns whether it completed. It starts from the
    // results page as the previous run of this object left it (the page as designed
    // before the first run), or from `paginaAntes`, the page as the window shows it.
    bool executa(const TDadosTerraco& dados);
    bool executa(const TDadosTerraco& dados, const TResultadoAvaliacao& paginaAntes);

    bool sucesso() const { return sucesso_; }
    // After a failed run: what is wrong with a terrace that cannot exist, or else
    // mensagemCamposEmBranco. Empty after a run that completed.
    const std::string& mensagem() const { return mensagem_; }
    const TResultadoAvaliacao& resultado() const { return resultado_; }

    TEstadoAvaliacao& estado() { return estado_; }
    const TEstadoAvaliacao& estado() const { return estado_; }

    // The steps of a run, in their order. Each raises on a text it cannot read or an
    // arithmetic failure; Rotina first sets the Brazilian format settings for good.
    void Rotina(const TDadosTerraco& dados);
    void calculaLES(const TDadosTerraco& dados);
    void areaDeContribuicaoDados(const TDadosTerraco& dados);
    void PerfilDaCristaSecaoTransversal(const TDadosTerraco& dados);
    void calculaCotas();
    void preencheCapacidadeArmazenamento(const TDadosTerraco& dados);
    void preencheResultados(const TDadosTerraco& dados);
    void grafico(const TDadosTerraco& dados);

private:
    void areaPorIrradiacao(const TGradeTexto& mira);
    void calculaDistanciasMira(const TGradeTexto& mira);
    void calculaAngulosMira(const TGradeTexto& mira);
    void calculaAreasTriangulos();
    double espacamentoMedio(const TGradeTexto& trena) const;

    void leCotasCrista(const TDadosTerraco& dados);
    void leSecoesCanal(const TDadosTerraco& dados);
    void converteCotasCrista();
    void converteSecoesCanal(int tipoSecao);
    void tomaNoDatum(double leitura);

    // Empties Ve, Vn, ER, the verdict, the observation and why there is no verdict.
    void apagaVeredito();
    void preencheEstrada(const TDadosTerraco& dados);
    void preencheVolumes(const TDadosTerraco& dados);
    void preencheObservacao();
    std::string motivoSemAvaliacao() const;

    TEstadoAvaliacao estado_;
    TResultadoAvaliacao resultado_;
    bool sucesso_ = false;
    std::string mensagem_;
};
