#include "rainfall_equations/nucleo/FaixasCoeficientes.h"

bool coeficientesPlausiveis(const TEstacao& e)
{
    return e.K > 0 && e.K <= KMaximo && e.A >= 0 && e.A <= AMaximo && e.B >= 0 && e.B <= BMaximo && e.C > 0
           && e.C <= CMaximo;
}
