#pragma once
// A small database of our own for the cases the generated one lacks: keys other than the
// compilation's, a key with trailing blanks, the source of Goiás, a K with more than three
// decimals, a station and a locality on a pixel that is not the state's inside the bounds,
// and a state picture with blue beyond its bounds.
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"

#include <QImage>
#include <QRect>

#include <string>

namespace dados_teste {

// The picture of Minas Gerais in the folder: white, with a square of the state in the
// middle and a small blue corner beyond the bounds (west of column 16, north of row 64).
inline const QRect areaEstado{100, 100, 250, 250};
inline const QRect cantoForaDosLimites{0, 0, 10, 10};

struct TCoordenadas {
    std::string latitude;
    std::string longitude;
};

// The texts of picture pixel (x, y) of Minas Gerais, truncated as the window writes them;
// they fall back on the same pixel.
inline TCoordenadas doPixel(int x, int y)
{
    const TLimitesMapa mg = *limitesMapaDoEstado(12);
    return {formataCoordenada(*mg.latitudeDaLinha(y)), formataCoordenada(*mg.longitudeDaColuna(x))};
}

inline arquivos::TEstacaoTeste estacao(const std::string& nome, const std::string& autor, TCoordenadas c, double K,
                                       double A, double B, double C)
{
    return {.nome = nome, .K = K, .A = A, .B = B, .C = C, .autor = autor, .latitude = c.latitude,
            .longitude = c.longitude};
}

// Minas Gerais: station 0 on the state with a key ending in blanks and K 1234.5678; station 1
// off the state but inside the bounds. Locality 0 on the state, locality 1 off it. Goiás:
// station 0 from the compilation, station 1, named with trailing blanks, from the source of
// Goiás with trailing blanks.
inline const arquivos::TEstacaoTeste alfa =
    estacao("Alfa", "ANEEL (2001)   ", doPixel(200, 200), 1234.5678, 0.15, 10, 0.8);
inline const arquivos::TEstacaoTeste beta =
    estacao("Beta", "FREITAS et al. (2001)", doPixel(30, 80), 900, 0.2, 12, 0.75);
inline const arquivos::TEstacaoTeste anapolis =
    estacao("Anápolis", "GOMES JR. (2026)", {"16°19'36\"", "48°57'10\""}, 1500, 0.16, 14, 0.82);
inline const arquivos::TEstacaoTeste goiania =
    estacao("Goiânia   ", "OLIVEIRA et al. (2005)  ", {"16°40'43\"", "49°15'14\""}, 1400, 0.17, 15, 0.85);
inline const TCoordenadas lugarAzul = doPixel(250, 150);
inline const TCoordenadas lugarBranco = doPixel(40, 380);

inline QImage figuraMinas()
{
    QImage figura(450, 450, QImage::Format_RGB32);
    figura.fill(Qt::white);
    for (const QRect& area : {areaEstado, cantoForaDosLimites})
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                figura.setPixel(x, y, qRgb(0, 0, 255));
    return figura;
}

// The database above in `pasta`, with that picture of Minas Gerais.
inline void grava(const arquivos::TPastaTeste& pasta)
{
    arquivos::TSecoes estacoes;
    for (const auto& e : {alfa, beta})
        estacoes[12].registros.push_back(arquivos::estacao(e));
    for (const auto& e : {anapolis, goiania})
        estacoes[8].registros.push_back(arquivos::estacao(e));
    arquivos::TSecoes localidades;
    localidades[12].registros.push_back(arquivos::localidade("Lugar Azul", lugarAzul.latitude, lugarAzul.longitude));
    localidades[12].registros.push_back(
        arquivos::localidade("Lugar Branco", lugarBranco.latitude, lugarBranco.longitude));
    pasta.grava(ArquivoEstacoes, arquivos::arquivo(estacoes));
    pasta.grava(ArquivoLocalidades, arquivos::arquivo(localidades));
    ASSERT_TRUE(figuraMinas().save(QString::fromStdString(pasta.caminho() + "MG.bmp"), "BMP"));
}

// The database above in a folder of its own, the one the consultation reads while this lives.
struct TEmUso {
    arquivos::TPastaTeste pasta;

    TEmUso()
    {
        grava(pasta);
        TfrmFoConsulta::definePastaDados(pasta.caminho());
    }
    ~TEmUso() { TfrmFoConsulta::definePastaDados({}); }
    TEmUso(const TEmUso&) = delete;
    TEmUso& operator=(const TEmUso&) = delete;

    std::string caminho() const { return pasta.caminho(); }
};

} // namespace dados_teste
