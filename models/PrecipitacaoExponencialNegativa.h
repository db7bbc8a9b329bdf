#pragma once
// The design storm: the rainfall of an intensity-duration-frequency equation whose
// average intensity over t minutes, for a return period of Tr years, is
// K·Tr^a / (t + b)^c mm/h. Its cumulative depth is that average times t / 60 and its
// intensity the rate of that depth, greatest at the start of the rainfall. With b = 0
// (K·Tr^a / t^c) the intensity is unbounded at the start, and the depth finite for c < 1.
#include "models/Precipitacao.h"

class TPrecipitacaoExponencialNegativa : public TPrecipitacao {
public:
    // The published equations, and the interpolation's fit, cover rainfalls of 5 minutes
    // to 24 hours: the storm ends at this minute at the latest, even where its intensity
    // is still above the infiltration rate.
    static constexpr double DuracaoMaxima = 1440.0;

    // K·Tr^a, or -1.0 while K, Tr or a is unset.
    double KTr = -1.0;
    double CKTr = 0.0;
    double CMaisUm = 0.0;
    // Return period, years.
    double Tr = -1.0;
    double K = -1.0;

    TPrecipitacaoExponencialNegativa();
    explicit TPrecipitacaoExponencialNegativa(const std::string& Sufixo);

    void recalcula() override;
    double derivadaIntensidade(double t) const override;
    // Also takes K and Tr; `Outra` must be a design storm, or EInvalidCast is raised
    // after the parameters common to every event were copied.
    void copia(const TPrecipitacao& Outra) override;
    // Also unsets Tr, K and KTr; CKTr and CMaisUm keep their values until the next setter.
    void limpa() override;
    // The parameters common to every event, then, once they were read whole, Tr and K
    // from the storm's own section, which older files are brought up to date in.
    bool carregaDoArquivo(const std::string& NomeArquivo) override;
    // One point per minute: the duration rounded, or 60 minutes while it is unset.
    void desenhaGrafico(TSerieGrafico& Serie) const override;
    double intensidade(double t) const override;
    double laminaAcumulada(double t) const override;
    double laminaEntre(double t1, double t2) const override;

    // Each refuses a value that is not greater than zero, changing nothing.
    void setTr(double Valor);
    void setK(double Valor);

protected:
    // The common section, then Tr and K in the storm's own.
    void gravaSecoes(TIniFile& Ini) const override;

private:
    bool carregaSecao(TIniFile& Ini);
    // Moves Tr, K, a, b and c from the oldest section into the storm's own, version 2.
    void migraSecaoVersao1(TIniFile& Ini) const;
    // Tr, K, a, b and c, as they stand in the file.
    bool leSecaoVersao2(const TIniFile& Ini, const std::string& Secao);
    // Tr and K through their setters, both or neither, as the common section's reader.
    bool leSecaoVersao3(const TIniFile& Ini, const std::string& Secao);
};
