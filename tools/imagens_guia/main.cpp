// Draws the guide pictures of the data-entry window into the folder given first, one
// bitmap for each name given after it.
#include "tools/imagens_guia/ImagensGuia.h"
#include "tools/desenho/TDesenho.h"

#include <QGuiApplication>
#include <QSize>

#include <cstdio>
#include <functional>
#include <map>

namespace {

struct TImagem {
    QSize tamanho;
    std::function<void(TDesenho&)> desenha;
};

// Sizes follow the right-hand panel: wide pictures for the sections that leave it wide,
// narrower ones for those whose controls need the room, and the channel pictures short
// enough to leave the step options above them in view.
const QSize largo(430, 313);
const QSize estreito(300, 330);
const QSize baixo(320, 196);

std::map<QString, TImagem> catalogo()
{
    std::map<QString, TImagem> imagens{
        {"Precipitacao", {largo, desenhaPrecipitacao}},
        {"SoloTIE", {largo, desenhaSolo}},
        {"Cotas_das_extremidades_do_terraco", {largo, desenhaCristaExtremidades}},
        {"Cotas_da_crista", {largo, desenhaCristaPontos}},
        {"Comprimento_do_terraco", {baixo, desenhaComprimento}},
        {"Area_Figura_inicial", {estreito, desenhaAreaIrradiacao}},
        {"Area_Espacamento_Medio", {estreito, desenhaAreaTrena}},
        {"Area_e_estrada", {estreito, desenhaAreaEstrada}},
        {"Area_Irradiacao_Angulo", {estreito, desenhaAngulo}},
    };
    for (const char* fio : {"FS", "FM", "FI"})
        imagens[QStringLiteral("Area_Irradiacao_") + fio] = {estreito, [fio](TDesenho& d) { desenhaFio(d, fio); }};
    const std::pair<const char*, TFormaSecao> formas[] = {{"Triang", TFormaSecao::triangular},
                                                          {"Trapez", TFormaSecao::trapezoidal},
                                                          {"Trapez_Degrau", TFormaSecao::degrau}};
    for (const auto& [prefixo, forma] : formas) {
        QStringList colunas{"", "C", "C-F1", "F1", "C-FT", "FT"};
        if (forma != TFormaSecao::triangular)
            colunas << "C-F2" << "F2";
        for (const QString& coluna : colunas) {
            const QString nome = coluna.isEmpty() ? QString(prefixo) : QString(prefixo) + "_" + coluna;
            imagens[nome] = {baixo, [forma, coluna](TDesenho& d) { desenhaSecao(d, forma, coluna); }};
        }
    }
    return imagens;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s pasta nome...\n", argv[0]);
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]) + "/";
    const auto imagens = catalogo();
    for (int i = 2; i < argc; ++i) {
        const auto achada = imagens.find(QString::fromLocal8Bit(argv[i]));
        if (achada == imagens.end()) {
            std::fprintf(stderr, "imagem desconhecida: %s\n", argv[i]);
            return 1;
        }
        TDesenho desenho(achada->second.tamanho.width(), achada->second.tamanho.height());
        achada->second.desenha(desenho);
        if (!desenho.grava(pasta + achada->first + ".bmp")) {
            std::fprintf(stderr, "não foi possível gravar %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
