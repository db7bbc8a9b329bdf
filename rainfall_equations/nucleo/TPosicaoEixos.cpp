#include "rainfall_equations/nucleo/TPosicaoEixos.h"

namespace {

constexpr int ladoFigura = 450;

} // namespace

TPosicaoEixos posicaoEixos(int x, int y)
{
    TPosicaoEixos p;
    p.EixoYEsquerda = x;
    p.EixoXTopo = y;
    p.LabelLon.Esquerda = ladoFigura - x < 250 ? x - 62 : x + 5;
    p.LabelLon.Topo = y > 100 ? 15 : 420;
    p.LabelLat.Esquerda = x > 100 ? 10 : 385;
    p.LabelLat.Topo = y > 30 ? y - 20 : y + 10;
    return p;
}
