#pragma once
// What the consultation tests share: every message and help request is recorded, and the
// window is opened the way the rainfall-equation component opens it.
#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TImagem.h"
#include "plataforma/TListBox.h"
#include "rainfall_equations/FoConsulta.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"
#include "rainfall_equations/nucleo/UnBD.h"
#include "tests/janelas_comum/EsperaEventos.h"
#include "tests/rainfall_equations/nucleo/ArquivosDeTeste.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// What the component hands the window before it shows it.
struct TPedidoConsulta {
    int IndEstado = 12;
    int IndEstacao = 0;
    int IndLocalidade = 0;
    bool ShowAbout = false;
    std::string Latitude{};
    std::string Longitude{};
};

struct TPedidoAjuda {
    std::uint16_t comando;
    std::uint32_t dados;

    bool operator==(const TPedidoAjuda&) const = default;
};

inline std::string leArquivo(const std::string& caminho)
{
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

// Copies files of the program's data folder into `pasta`.
inline void copiaDados(const arquivos::TPastaTeste& pasta, const std::vector<std::string>& nomes)
{
    for (const std::string& nome : nomes)
        pasta.grava(nome, leArquivo(pastaDadosNimbra() + nome));
}

// Failures show texts as text.
inline void PrintTo(const QString& texto, std::ostream* saida)
{
    *saida << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const TLegendasEquacao& legendas, std::ostream* saida)
{
    *saida << "{K \"" << legendas.K << "\", a \"" << legendas.A << "\", b \"" << legendas.B << "\", c \""
           << legendas.C << "\"}";
}

// The mouse moved to, or released over, picture pixel (x, y).
inline void moveMouse(TImagem* figura, int x, int y)
{
    QMouseEvent movimento(QEvent::MouseMove, QPointF(x, y), figura->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(figura, &movimento);
}

inline void soltaMouse(TImagem* figura, int x, int y, Qt::MouseButton botao = Qt::LeftButton)
{
    QMouseEvent soltura(QEvent::MouseButtonRelease, QPointF(x, y), figura->mapToGlobal(QPointF(x, y)), botao,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(figura, &soltura);
}

// The user clicks item `posicao` of a list on show.
inline void clicaItem(QListWidget* lista, int posicao)
{
    QListWidgetItem* item = lista->item(posicao);
    ASSERT_NE(item, nullptr) << posicao;
    lista->scrollToItem(item);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
}

inline bool azul(const TImagem* figura, int x, int y)
{
    return figura->Pixels(x, y) == qRgb(0, 0, 255);
}

class ConsultaTest : public ::testing::Test {
protected:
    QStringList mensagens;
    std::vector<TPedidoAjuda> ajuda;
    std::unique_ptr<TfrmFoConsulta> janela;

    void SetUp() override
    {
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
        TAjudaAplicacao::defineManipulador([this](std::uint16_t comando, std::uint32_t dados, bool&) {
            ajuda.push_back({comando, dados});
            return true;
        });
        TfrmFoConsulta::definePastaDados({});
    }

    void TearDown() override
    {
        janela.reset();
        TfrmFoConsulta::definePastaDados({});
        TAjudaAplicacao::defineManipulador({});
        TCaixaMensagem::substitui({}, {});
    }

    // The window created and handed the request, not yet shown.
    TfrmFoConsulta& cria(const TPedidoConsulta& pedido = {})
    {
        janela = std::make_unique<TfrmFoConsulta>();
        frmFoConsulta = janela.get();
        janela->Estado.setIndice(static_cast<std::int16_t>(pedido.IndEstado));
        janela->IndEstacao = static_cast<std::int16_t>(pedido.IndEstacao);
        janela->IndLocalidade = static_cast<std::int16_t>(pedido.IndLocalidade);
        janela->ShowAbout = pedido.ShowAbout;
        if (!pedido.Latitude.empty() && pedido.Latitude != CoordenadaVazia)
            janela->setLatitude(pedido.Latitude);
        if (!pedido.Longitude.empty() && pedido.Longitude != CoordenadaVazia)
            janela->setLongitude(pedido.Longitude);
        return *janela;
    }

    // Once shown, the caption names the state its first showing brought back.
    bool ativada() const { return janela->windowTitle() != QStringLiteral("Nimbra 2.1"); }

    // Shown without a modal loop, for what does not depend on one; true once the first
    // showing has run.
    bool mostra()
    {
        janela->show();
        return esperaAte([this] { return ativada(); });
    }

    // Shown modally: `acao` runs inside the modal loop once the first showing is over (and
    // `pronta` holds) and must close the window; -1 when it has not after five seconds.
    int executaModal(const std::function<void()>& acao, const std::function<bool()>& pronta = {})
    {
        QTimer espera;
        espera.setInterval(1);
        QObject::connect(&espera, &QTimer::timeout, [&] {
            if (ativada() && (!pronta || pronta())) {
                espera.stop();
                acao();
            }
        });
        QTimer prazo;
        prazo.setSingleShot(true);
        QObject::connect(&prazo, &QTimer::timeout, [this] { janela->done(-1); });
        espera.start();
        prazo.start(5000);
        return janela->exec();
    }

    // The user picks a state in the list.
    void escolheEstado(int indice) { escolheEstadoEm(*janela, indice); }
    static void escolheEstadoEm(TfrmFoConsulta& j, int indice)
    {
        j.Estados->setCurrentIndex(indice);
        emit j.Estados->activated(indice);
    }

    QStringList itens(const QListWidget* lista) const
    {
        QStringList textos;
        for (int i = 0; i < lista->count(); ++i)
            textos << lista->item(i)->text();
        return textos;
    }

    static QStringList nomes(const std::vector<TEstacao>& estacoes)
    {
        QStringList textos;
        for (const TEstacao& e : estacoes)
            textos << QString::fromStdString(e.Nome);
        return textos;
    }

    static QStringList nomes(const std::vector<TLocalidade>& localidades)
    {
        QStringList textos;
        for (const TLocalidade& l : localidades)
            textos << QString::fromStdString(l.Nome);
        return textos;
    }
};
