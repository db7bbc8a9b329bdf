#include "rainfall_equations/nucleo/FaixasCoeficientes.h"

bool coeficientesPlausiveis(const TEstacao& e)
{
    return e.K >= KMinimo && e.K <= KMaximo && e.A >= 0 && e.A <= AMaximo && e.B >= 0 && e.B <= BMaximo
           && e.C >= CMinimo && e.C <= CMaximo;
}
