#include "app/nucleo/TEscolhaImagemGuia.h"

#include "app/nucleo/TDadosTerraco.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<const char*, 5> imagensAbertura{"Precipitacao.bmp", "", "Area_Figura_inicial.bmp",
                                                     "Cotas_das_extremidades_do_terraco.bmp", "SoloTIE.bmp"};

constexpr std::array<const char*, 4> imagensMira{"Area_Irradiacao_FS.bmp", "Area_Irradiacao_FM.bmp",
                                                 "Area_Irradiacao_FI.bmp", "Area_Irradiacao_Angulo.bmp"};

constexpr std::array<const char*, 7> pontosCanal{"C", "C-F1", "F1", "C-F2", "F2", "C-FT", "FT"};

} // namespace

std::string TEscolhaImagemGuia::abertura(int aba, int levantamento)
{
    if (aba < 1 || aba > static_cast<int>(imagensAbertura.size()))
        return {};
    if (aba == 3)
        return TEscolhaImagemGuia::levantamento(levantamento == levantamentoTrena ? levantamentoTrena
                                                                                   : levantamentoIrradiacao);
    return imagensAbertura[static_cast<std::size_t>(aba - 1)];
}

std::string TEscolhaImagemGuia::tipoSecao(int tipoSecao)
{
    if (tipoSecao == secaoTriangular)
        return "Triang.bmp";
    return tipoSecao == secaoTrapezoidal ? "Trapez.bmp" : "";
}

std::string TEscolhaImagemGuia::trapezio(bool comDegrau, bool comum)
{
    const std::string familia = familiaCanal("trapezoidal", comDegrau, comum);
    return familia.empty() ? familia : familia + ".bmp";
}

std::string TEscolhaImagemGuia::familiaCanal(const std::string& tipoSecao, bool comDegrau, bool comum)
{
    if (tipoSecao == "triangular")
        return "Triang";
    if (tipoSecao != "trapezoidal")
        return {};
    if (comDegrau)
        return "Trapez_Degrau";
    return comum ? "Trapez" : "";
}

std::string TEscolhaImagemGuia::colunaCanal(const std::string& familia, int coluna)
{
    if (familia.empty() || coluna < 1 || coluna > static_cast<int>(pontosCanal.size()))
        return {};
    if (familia == "Triang" && (coluna == 4 || coluna == 5))
        return {};
    return familia + '_' + pontosCanal[static_cast<std::size_t>(coluna - 1)] + ".bmp";
}

std::string TEscolhaImagemGuia::levantamento(int metodo)
{
    if (metodo == levantamentoIrradiacao)
        return "Area_Figura_inicial.bmp";
    if (metodo == levantamentoTrena)
        return "Area_Espacamento_Medio.bmp";
    return {};
}

std::string TEscolhaImagemGuia::estrada(bool contribui, int levantamento)
{
    if (contribui)
        return "Area_e_estrada.bmp";
    return levantamento == levantamentoIrradiacao ? "Area_Figura_inicial.bmp" : "Area_Espacamento_Medio.bmp";
}

std::string TEscolhaImagemGuia::colunaMira(int coluna)
{
    if (coluna < 1 || coluna > static_cast<int>(imagensMira.size()))
        return {};
    return imagensMira[static_cast<std::size_t>(coluna - 1)];
}

std::string TEscolhaImagemGuia::gradeCrista(int tag)
{
    if (tag == 1)
        return "Cotas_das_extremidades_do_terraco.bmp";
    return tag == 2 ? "Cotas_da_crista.bmp" : "";
}
