#include "app/nucleo/TColunasEntrada.h"

#include "app/nucleo/TDadosTerraco.h"

std::optional<TLargurasGrade> TColunasEntrada::inicio(TGradeEntrada grade)
{
    switch (grade) {
    case TGradeEntrada::canal:
        return TLargurasGrade{{20, 40, 40, 40, 40, 40, 40, 40}, 328};
    case TGradeEntrada::mira:
        return TLargurasGrade{{20, 41, 41, 41, 41}, 209};
    case TGradeEntrada::cristaInicio:
    case TGradeEntrada::cristaFim:
        return TLargurasGrade{{20, 60, 60}, 146};
    case TGradeEntrada::cristaMeio:
        return TLargurasGrade{{20, 60, 60}, 163};
    case TGradeEntrada::trena:
        break;
    }
    return std::nullopt;
}

std::optional<TVistaTipoSecao> TColunasEntrada::tipoSecao(int tipoSecao)
{
    switch (tipoSecao) {
    case secaoTriangular:
        return TVistaTipoSecao{{56, 56, 56, 0, 0, 56, 56}, false};
    case secaoTrapezoidal:
        return TVistaTipoSecao{{40, 40, 40, 40, 40, 40, 40}, true};
    default:
        return std::nullopt;
    }
}
