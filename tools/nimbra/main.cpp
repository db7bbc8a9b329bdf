// Makes the shared data folder of the rainfall-equation database from the public sources
// in data/nimbra: the stations file, the localities file and the seven state pictures, and
// the map of Brazil that the program keeps inside itself. Fails, naming the record, on
// anything the consultation could not show right: a name that does not fit, a station or
// seat of a state with a picture outside its bounds or off its state, a blue pixel beyond
// a picture's bounds, a station's coefficient no published equation has, a missing
// section.
#include "rainfall_equations/nucleo/ColacaoNomes.h"
#include "plataforma/nucleo/TSubstituicaoArquivo.h"
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/FaixasCoeficientes.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"
#include "tools/nimbra/DesenhoNimbra.h"
#include "tools/nimbra/FontesNimbra.h"
#include "tools/nimbra/GravadorNimbra.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace {

// The source's decimal degrees at the nearest whole second: they stand for a point given
// in degrees, minutes and seconds, and cutting would put 15.533333 at 15°31'59".
template <typename Registro>
void poeCoordenadas(TRegistroFonte<Registro>& r)
{
    if (r.longitude >= 0)
        throw EFonteNimbra(r.origem.toStdString() + ": longitude a leste de Greenwich");
    r.registro.Latitude = formataCoordenadaArredondada(-r.latitude);
    r.registro.Longitude = formataCoordenadaArredondada(-r.longitude);
}

// Each state's records in the order the consultation's lists show them; two records of a
// state with one name could not be told apart there.
template <typename Registro>
TSecoesNimbra<Registro> secoes(std::vector<TRegistroFonte<Registro>> registros)
{
    TSecoesNimbra<Registro> s;
    for (auto& r : registros)
        s[static_cast<std::size_t>(r.estado)].push_back(std::move(r));
    for (auto& secao : s) {
        std::stable_sort(secao.begin(), secao.end(),
                         [](const auto& a, const auto& b) { return precedeNome(a.registro.Nome, b.registro.Nome); });
        for (std::size_t i = 1; i < secao.size(); ++i)
            if (secao[i].registro.Nome == secao[i - 1].registro.Nome)
                throw EFonteNimbra(secao[i].origem.toStdString() + ": nome repetido no estado");
    }
    return s;
}

// Seats north of the Equator have no text in degrees south: they stay out. Every state
// must still have seats in the source.
std::vector<TLocalidadeFonte> sedesAoSul(std::vector<TLocalidadeFonte> sedes)
{
    std::array<bool, 27> temSede{};
    for (const TLocalidadeFonte& s : sedes)
        temSede[static_cast<std::size_t>(s.estado)] = true;
    for (int e = 0; e < NumeroEstados; ++e)
        if (!temSede[static_cast<std::size_t>(e)])
            throw EFonteNimbra("falta a seção de " + NomesEstados[static_cast<std::size_t>(e)] + " nas sedes municipais");
    const auto aoNorte = std::remove_if(sedes.begin(), sedes.end(), [](const TLocalidadeFonte& s) { return s.latitude > 0; });
    std::printf("%d sedes ao norte do Equador ficam de fora\n", static_cast<int>(sedes.end() - aoNorte));
    sedes.erase(aoNorte, sedes.end());
    for (TLocalidadeFonte& s : sedes)
        poeCoordenadas(s);
    return sedes;
}

std::vector<TEstacaoFonte> estacoesComCoordenadas(std::vector<TEstacaoFonte> estacoes)
{
    for (TEstacaoFonte& e : estacoes) {
        if (e.latitude > 0)
            throw EFonteNimbra(e.origem.toStdString() + ": latitude ao norte do Equador");
        // The program refuses such a stations file as damaged.
        if (!coeficientesPlausiveis(e.registro))
            throw EFonteNimbra(e.origem.toStdString() + ": K, a, b ou c fora das faixas de uma equação publicada");
        poeCoordenadas(e);
    }
    return estacoes;
}

// The pixel where the consultation puts the record, checked to lie inside the bounds as
// the consultation tests them.
template <typename Registro>
QPoint pixelNoMapa(const TRegistroFonte<Registro>& r, const TLimitesMapa& limites)
{
    const double lat = leCoordenada(r.registro.Latitude);
    const double lon = leCoordenada(r.registro.Longitude);
    if (!limites.contemLatitude(lat) || !limites.contemLongitude(lon))
        throw EFonteNimbra(r.origem.toStdString() + ": " + r.registro.Latitude + " " + r.registro.Longitude
                           + " fica fora dos limites do mapa do estado");
    return QPoint(pixelMaisProximo(*limites.colunaDaLongitude(lon)), pixelMaisProximo(*limites.linhaDaLatitude(lat)));
}

template <typename Registro>
void confereNoEstado(const std::vector<TRegistroFonte<Registro>>& registros, const TLimitesMapa& limites,
                     const QImage& figura)
{
    for (const auto& r : registros) {
        const QPoint p = pixelNoMapa(r, limites);
        if (!figura.valid(p) || figura.pixel(p) != qRgb(0, 0, 255))
            throw EFonteNimbra(r.origem.toStdString() + ": o pixel (" + std::to_string(p.x()) + ", "
                               + std::to_string(p.y()) + ") não é do estado");
    }
}

// A blue pixel is a click on the state: it must have coordinates within the bounds.
void confereAzulNosLimites(const QImage& figura, const TLimitesMapa& limites, int estado)
{
    for (int y = 0; y < figura.height(); ++y)
        for (int x = 0; x < figura.width(); ++x)
            if (figura.pixel(x, y) == qRgb(0, 0, 255) && !pontoDoPixel(x, y, limites))
                throw EFonteNimbra("o pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") do mapa de "
                                   + NomesEstados[static_cast<std::size_t>(estado)]
                                   + " é azul e fica fora dos limites do mapa");
}

void grava(const QString& caminho, const std::string& bytes)
{
    TSubstituicaoArquivo::grava(caminho.toStdString(), bytes);
}

void gravaFigura(const QImage& figura, const QString& caminho)
{
    if (!figura.save(caminho, "BMP"))
        throw EFonteNimbra("não foi possível gravar " + caminho.toStdString());
}

void desenhaMapasEstados(const TSecoesNimbra<TEstacao>& estacoes, const TSecoesNimbra<TLocalidade>& localidades,
                         const std::array<QPainterPath, 27>& contornos, const QString& pasta)
{
    for (int estado = 0; estado < NumeroEstados; ++estado) {
        const auto limites = limitesMapaDoEstado(estado);
        if (!limites)
            continue;
        const auto& suasEstacoes = estacoes[static_cast<std::size_t>(estado)];
        const auto& suasLocalidades = localidades[static_cast<std::size_t>(estado)];
        if (suasEstacoes.empty() || suasLocalidades.empty())
            throw EFonteNimbra("falta a seção de " + NomesEstados[static_cast<std::size_t>(estado)]
                               + ": um estado com mapa precisa de estações e de localidades");
        std::vector<QPoint> pontos;
        for (const auto& e : suasEstacoes)
            pontos.push_back(pixelNoMapa(e, *limites));
        for (const auto& l : suasLocalidades)
            pontos.push_back(pixelNoMapa(l, *limites));
        const QImage figura = desenhaMapaEstado(estado, *limites, contornos, pontos);
        confereNoEstado(suasEstacoes, *limites, figura);
        confereNoEstado(suasLocalidades, *limites, figura);
        confereAzulNosLimites(figura, *limites, estado);
        gravaFigura(figura, pasta + "/" + QString::fromStdString(SiglasEstados[static_cast<std::size_t>(estado)]) + ".bmp");
    }
}

// What the program reads back is what was meant to be written.
void confereLeitura(const QString& pasta, const TSecoesNimbra<TEstacao>& estacoes,
                    const TSecoesNimbra<TLocalidade>& localidades)
{
    TBDPrecipitacao bd(pasta.toStdString() + "/");
    bd.leEstacoes();
    for (int estado = 0; estado < NumeroEstados; ++estado) {
        const auto s = static_cast<std::size_t>(estado);
        bd.leLocalidades(estado);
        bool igual = bd.Estacoes[s].size() == estacoes[s].size() && bd.Localidades.size() == localidades[s].size();
        for (std::size_t i = 0; igual && i < estacoes[s].size(); ++i)
            igual = bd.Estacoes[s][i] == estacoes[s][i].registro;
        for (std::size_t i = 0; igual && i < localidades[s].size(); ++i)
            igual = bd.Localidades[i] == localidades[s][i].registro;
        if (!igual)
            throw EFonteNimbra("a seção de " + NomesEstados[s] + " não se lê como foi gravada");
    }
}

void geraDados(const QString& fontes, const QString& pasta, const QString& mapaBrasil)
{
    const auto contornos = leContornosEstados(fontes + "/brazil_states_ne10m.geojson");
    const auto estacoes = secoes(estacoesComCoordenadas(
        leEstacoesFonte(fontes + "/estacoes_idf.csv", std::string(ChaveCompilacaoIDF))));
    const auto localidades = secoes(sedesAoSul(leLocalidadesFonte(fontes + "/municipios_br.csv")));

    QDir().mkpath(pasta);
    desenhaMapasEstados(estacoes, localidades, contornos, pasta);
    grava(pasta + "/" + ArquivoEstacoes, bytesEstacoes(estacoes));
    grava(pasta + "/" + ArquivoLocalidades, bytesLocalidades(localidades));
    confereLeitura(pasta, estacoes, localidades);

    QDir().mkpath(QFileInfo(mapaBrasil).path());
    gravaFigura(desenhaMapaBrasil(contornos), mapaBrasil);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication aplicacao(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "uso: gera_dados_nimbra <pasta das fontes> <pasta dos dados> <mapa do Brasil>\n");
        return 2;
    }
    try {
        geraDados(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gera_dados_nimbra: %s\n", e.what());
        return 1;
    }
    return 0;
}
