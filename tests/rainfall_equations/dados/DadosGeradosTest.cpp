// The database as the build makes it, read the way the program reads it.
#include "rainfall_equations/nucleo/ColacaoNomes.h"
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/CoresMapaBrasil.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"
#include "tools/nimbra/MapaBrasil.h"

#include <QColor>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

std::uintmax_t tamanho(const char* arquivo)
{
    return std::filesystem::file_size(pastaDadosNimbra() + arquivo);
}

TCor cor(const QImage& figura, int x, int y)
{
    const QRgb c = figura.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)), static_cast<std::uint8_t>(qBlue(c))};
}

// The little-endian 16- or 32-bit value at `posicao` of a BMP header.
unsigned campo(const QByteArray& bytes, int posicao, int largura)
{
    unsigned v = 0;
    for (int i = largura - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[posicao + i]);
    return v;
}

QImage figuraDoEstado(int estado)
{
    return QImage(QString::fromStdString(pastaDadosNimbra() + SiglasEstados[static_cast<std::size_t>(estado)] + ".bmp"));
}

class DadosGerados : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        bd = new TBDPrecipitacao;
        bd->leEstacoes();
    }
    static void TearDownTestSuite() { delete bd; }

    static TBDPrecipitacao* bd;
};

TBDPrecipitacao* DadosGerados::bd = nullptr;

template <typename Registro>
void confereNoMapa(const std::vector<Registro>& registros, int estado)
{
    const TLimitesMapa limites = *limitesMapaDoEstado(estado);
    const QImage figura = figuraDoEstado(estado);
    for (const Registro& r : registros) {
        const double lat = leCoordenada(r.Latitude);
        const double lon = leCoordenada(r.Longitude);
        EXPECT_TRUE(limites.contemLatitude(lat) && limites.contemLongitude(lon)) << r.Nome;
        const int x = pixelMaisProximo(*limites.colunaDaLongitude(lon));
        const int y = pixelMaisProximo(*limites.linhaDaLatitude(lat));
        EXPECT_TRUE(figura.valid(x, y) && figura.pixel(x, y) == qRgb(0, 0, 255)) << r.Nome << " em " << x << ", " << y;
    }
}

template <typename Registro>
void confereOrdem(const std::vector<Registro>& registros, int estado)
{
    for (std::size_t i = 1; i < registros.size(); ++i)
        EXPECT_LT(comparaNomes(registros[i - 1].Nome, registros[i].Nome), 0)
            << SiglasEstados[static_cast<std::size_t>(estado)] << ": " << registros[i].Nome;
}

} // namespace

TEST_F(DadosGerados, EstacoesEmVinteESeteSecoesComAChaveDaFonte)
{
    ASSERT_EQ(bd->Estacoes.size(), 27u);
    // The rows of the station table per state.
    const std::map<std::string, std::size_t> porEstado{
        {"MG", 176}, {"SP", 101}, {"RJ", 52}, {"PR", 34}, {"RS", 22}, {"BA", 20}, {"ES", 16}, {"MT", 15},
        {"PE", 15},  {"SC", 9},   {"TO", 8},  {"CE", 5},  {"PA", 5},  {"PI", 4},  {"AM", 3},  {"GO", 3},
        {"MA", 3},   {"MS", 3},   {"AL", 2},  {"PB", 2},  {"RO", 2},  {"RN", 1}};
    std::size_t total = 0;
    for (int estado = 0; estado < NumeroEstados; ++estado) {
        const auto& secao = bd->Estacoes[static_cast<std::size_t>(estado)];
        const std::string& sigla = SiglasEstados[static_cast<std::size_t>(estado)];
        EXPECT_EQ(secao.size(), porEstado.contains(sigla) ? porEstado.at(sigla) : 0u) << sigla;
        confereOrdem(secao, estado);
        for (const TEstacao& e : secao)
            EXPECT_NE(std::find(ChavesFontes.begin(), ChavesFontes.end(), e.Autor), ChavesFontes.end()) << e.Nome;
        total += secao.size();
    }
    EXPECT_EQ(total, 501u);
    // Nothing after the 27th section.
    EXPECT_EQ(tamanho(ArquivoEstacoes), 1 + 27 * 2 + total * TEstacao::Tamanho);
}

TEST_F(DadosGerados, LocalidadesEmVinteESeteSecoes)
{
    TBDPrecipitacao localidades;
    std::size_t total = 0;
    for (int estado = 0; estado < NumeroEstados; ++estado) {
        localidades.leLocalidades(estado);
        confereOrdem(localidades.Localidades, estado);
        total += localidades.Localidades.size();
        if (estado == 12) {
            EXPECT_EQ(localidades.Localidades.size(), 853u);
        }
    }
    // Every municipal seat of Brazil but the 27 north of the Equator.
    EXPECT_EQ(total, 5570u - 27u);
    EXPECT_EQ(tamanho(ArquivoLocalidades), 1 + 27 * 2 + total * TLocalidade::Tamanho);
}

TEST_F(DadosGerados, EstacoesELocalidadesDosSeteMapasCaemNoEstado)
{
    TBDPrecipitacao localidades;
    for (int estado : {4, 7, 12, 15, 18, 24, 26}) {
        SCOPED_TRACE(SiglasEstados[static_cast<std::size_t>(estado)]);
        const QImage figura = figuraDoEstado(estado);
        ASSERT_EQ(figura.size(), QSize(450, 450));
        confereNoMapa(bd->Estacoes[static_cast<std::size_t>(estado)], estado);
        localidades.leLocalidades(estado);
        ASSERT_FALSE(localidades.Localidades.empty());
        confereNoMapa(localidades.Localidades, estado);
    }
}

// A click on a blue pixel is a click on the state: every one of them has coordinates
// within the bounds.
TEST_F(DadosGerados, AzulDosSeteMapasSoDentroDosLimites)
{
    for (int estado : {4, 7, 12, 15, 18, 24, 26}) {
        const TLimitesMapa limites = *limitesMapaDoEstado(estado);
        const QImage figura = figuraDoEstado(estado);
        int foraDosLimites = 0;
        for (int y = 0; y < figura.height(); ++y)
            for (int x = 0; x < figura.width(); ++x)
                if (figura.pixel(x, y) == qRgb(0, 0, 255) && !pontoDoPixel(x, y, limites))
                    ++foraDosLimites;
        EXPECT_EQ(foraDosLimites, 0) << SiglasEstados[static_cast<std::size_t>(estado)];
    }
}

// The sources give decimal degrees; each text is their nearest whole second (Formosa, GO:
// -15.533333, -47.333333).
TEST_F(DadosGerados, CoordenadasNoSegundoMaisProximoDaFonte)
{
    const auto& goias = bd->Estacoes[8];
    const auto formosa = std::find_if(goias.begin(), goias.end(), [](const TEstacao& e) { return e.Nome == "Formosa"; });
    ASSERT_NE(formosa, goias.end());
    EXPECT_EQ(formosa->Latitude, "15°32'00\"");
    EXPECT_EQ(formosa->Longitude, "47°20'00\"");
}

TEST_F(DadosGerados, FigurasDosEstadosSaoBitmapsDe24BitsSemCompressao)
{
    for (int estado : {4, 7, 12, 15, 18, 24, 26}) {
        QFile arquivo(QString::fromStdString(pastaDadosNimbra() + SiglasEstados[static_cast<std::size_t>(estado)] + ".bmp"));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        const QByteArray bytes = arquivo.read(54);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(campo(bytes, 18, 4), 450u);
        EXPECT_EQ(campo(bytes, 22, 4), 450u);
        EXPECT_EQ(campo(bytes, 28, 2), 24u);
        EXPECT_EQ(campo(bytes, 30, 4), 0u);
    }
}

TEST_F(DadosGerados, MapaDoBrasilDaACorDeCadaEstado)
{
    const QImage mapa(QStringLiteral(MORLIN_MAPA_BRASIL));
    ASSERT_EQ(mapa.size(), QSize(450, 450));
    EXPECT_EQ(mapa.format(), QImage::Format_Indexed8);

    // A point well inside each state (longitude, latitude; south and west negative).
    const std::map<std::string, std::pair<double, double>> interior{
        {"AC", {-72.0, -8.7}},   {"AL", {-37.7, -9.3}},   {"AP", {-52.0, 0.4}},    {"AM", {-62.0, -5.0}},
        {"BA", {-44.0, -12.0}},  {"CE", {-39.3, -6.3}},   {"DF", {-47.8, -15.8}},  {"ES", {-41.3, -20.7}},
        {"GO", {-49.0, -14.5}},  {"MA", {-46.0, -7.5}},   {"MT", {-57.5, -11.0}},  {"MS", {-54.8, -22.2}},
        {"MG", {-46.0, -19.5}},  {"PA", {-55.0, -7.0}},   {"PB", {-36.0, -7.2}},   {"PR", {-50.5, -25.0}},
        {"PE", {-36.2, -8.3}},   {"PI", {-42.0, -6.0}},   {"RJ", {-42.6, -22.5}},  {"RN", {-37.4, -5.6}},
        {"RS", {-52.0, -28.3}},  {"RO", {-61.95, -10.88}}, {"RR", {-61.4, 0.5}},   {"SC", {-51.5, -27.1}},
        {"SP", {-50.5, -22.0}},  {"SE", {-37.6, -11.0}},  {"TO", {-48.5, -8.5}}};
    std::map<int, TCor> semDados;
    for (const TCorEstado& l : CoresEstadosSemDados)
        semDados[l.Estado] = l.Cor;
    for (int estado = 0; estado < NumeroEstados; ++estado) {
        const std::string& sigla = SiglasEstados[static_cast<std::size_t>(estado)];
        const auto [lon, lat] = interior.at(sigla);
        const int x = pixelMaisProximo(*LimitesMapaBrasil.colunaDaLongitude(-lon));
        const int y = pixelMaisProximo(*LimitesMapaBrasil.linhaDaLatitude(-lat));
        const TCor c = cor(mapa, x, y);
        if (semDados.contains(estado)) {
            EXPECT_EQ(c, semDados.at(estado)) << sigla;
            EXPECT_FALSE(estadoDaCor(c)) << sigla;
        } else {
            EXPECT_EQ(estadoDaCor(c), estado) << sigla;
        }
    }
}

TEST_F(DadosGerados, MapaDoBrasilSoTemAsCoresDaTabelaBrancoEPreto)
{
    const QImage mapa(QStringLiteral(MORLIN_MAPA_BRASIL));
    for (int y = 0; y < mapa.height(); ++y)
        for (int x = 0; x < mapa.width(); ++x) {
            const TCor c = cor(mapa, x, y);
            ASSERT_TRUE(estadoDaCor(c) || corSemEstado(c)) << x << ", " << y;
        }
    // The lower-left corner, where the window writes the place it shows, is blank.
    for (int y = 330; y < 385; ++y)
        for (int x = 25; x < 200; ++x)
            ASSERT_EQ(mapa.pixel(x, y), qRgb(255, 255, 255)) << x << ", " << y;
}
