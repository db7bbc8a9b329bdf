#pragma once
// Every guide picture the data-entry window reads, without the ".bmp".
#include <array>

inline constexpr std::array<const char*, 34> nomesImagensGuia{
    "Precipitacao", "Area_Figura_inicial", "Area_Espacamento_Medio", "Area_e_estrada",
    "Area_Irradiacao_FS", "Area_Irradiacao_FM", "Area_Irradiacao_FI", "Area_Irradiacao_Angulo",
    "Cotas_das_extremidades_do_terraco", "Cotas_da_crista", "SoloTIE", "Comprimento_do_terraco",
    "Triang", "Trapez", "Trapez_Degrau",
    "Triang_C", "Triang_C-F1", "Triang_F1", "Triang_C-FT", "Triang_FT",
    "Trapez_C", "Trapez_C-F1", "Trapez_F1", "Trapez_C-F2", "Trapez_F2", "Trapez_C-FT", "Trapez_FT",
    "Trapez_Degrau_C", "Trapez_Degrau_C-F1", "Trapez_Degrau_F1", "Trapez_Degrau_C-F2", "Trapez_Degrau_F2",
    "Trapez_Degrau_C-FT", "Trapez_Degrau_FT"};
