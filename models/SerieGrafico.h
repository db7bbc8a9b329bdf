#pragma once
// The little the models need of a chart series: they fill a hyetograph into it without
// knowing which chart library draws it.
#include <cstdint>
#include <string>

// A colour as 0xRRGGBB.
using TCor = std::uint32_t;

// Not a colour: asks the series to draw the point in its own colour.
inline constexpr TCor CorAutomatica = 0xFF000000u;

class TSerieGrafico {
public:
    virtual ~TSerieGrafico() = default;

    virtual void removePontos() = 0;
    virtual void adicionaPonto(double X, double Y, const std::string& Rotulo, TCor Cor) = 0;
    // A point that is not drawn: the line breaks there, and its label still marks the axis.
    virtual void adicionaPontoNulo(double X, double Y, const std::string& Rotulo) = 0;
};
