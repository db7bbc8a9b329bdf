#pragma once
// A rainfall event taken from a recorded rain-gauge chart: points of time since the
// start of the event (minutes) and rainfall intensity (mm/h), read from a text file.
// The intensity of a point holds over the interval that ends at that point; depths
// add up the intervals by the trapezoid rule, the mean of the intensities at their two
// ends over their length.
#include "models/Precipitacao.h"

#include <cstdint>
#include <vector>

struct TPontoPluviograma {
    double Tempo = 0.0;        // minutes since the start of the event
    double Intensidade = 0.0;  // mm/h
};

class TPrecipitacaoPluviograma : public TPrecipitacao {
public:
    // The rain-gauge chart text file, kept in the settings file.
    std::string ArquivoPluviograma;

    TPrecipitacaoPluviograma();
    explicit TPrecipitacaoPluviograma(const std::string& Sufixo);

    // The event has no coefficients of its own to recompute.
    void recalcula() override;
    // Also the points and the chart file's name; `Outra` must be a pluviogram, or
    // EInvalidCast is raised after the parameters common to every event were copied.
    void copia(const TPrecipitacao& Outra) override;
    // Also drops the points; the chart file's name stays.
    void limpa() override;
    // The parameters common to every event, then the chart file's name, and the chart
    // itself when that file exists. False, with the event reset, when the file holds no
    // chart section.
    bool carregaDoArquivo(const std::string& NomeArquivo) override;
    // Each interval a horizontal step at the intensity of its end point.
    void desenhaGrafico(TSerieGrafico& Serie) const override;
    // The intensity of the point that ends the interval holding t; 0 before the first
    // point, after the last one and at negative times.
    double intensidade(double t) const override;
    // 0 up to the first point, the total depth from the last one on.
    double laminaAcumulada(double t) const override;
    // laminaAcumulada(t2) - laminaAcumulada(t1); 0 when t2 does not come after t1.
    double laminaEntre(double t1, double t2) const override;

    // Reads a chart file: its first line the date of the event in the short date format
    // (DataHora.h), every following non-blank line a point, the time and then the
    // intensity, with "." before the decimals whatever the locale; text after the second
    // number is ignored. The points must have times in strictly ascending order and no
    // negative time or intensity. A missing file raises Exception and changes nothing;
    // any other failure raises and leaves the event reset.
    void carregaPluviograma(const std::string& NomeArquivo);
    // The time of the first point, in file order, whose intensity reaches x; the last
    // point's time when none does. Raises Exception when there are no points.
    double tempoPrimeiraIntensidade(double x) const;
    // A copy of point i, 0 to getNumPontos() - 1; any other i raises Exception.
    TPontoPluviograma getPonto(std::int32_t i) const;
    std::int32_t getNumPontos() const { return NumPontos; }
    // Keeps the first points, adds zero points up to n. A negative n raises Exception.
    void setNumPontos(std::int32_t n);

protected:
    // The common section, then the chart file's name in the chart's own; a section of
    // the older layout is removed, so that it is not read in place of the one written.
    void gravaSecoes(TIniFile& Ini) const override;

private:
    std::vector<TPontoPluviograma> Pontos;
    // Always the number of points.
    std::int32_t NumPontos = 0;

    bool carregaSecao(TIniFile& Ini);
    // The chart's own section, version 2, in place of the older layout's.
    void gravaSecaoPluviograma(TIniFile& Ini) const;
    // Takes the chart file's name from the key and reads the chart when the file exists.
    bool leArquivoDaSecao(const TIniFile& Ini, const std::string& Secao, const std::string& Chave);
};
