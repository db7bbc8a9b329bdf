#pragma once
// What the window tests share: every dialog, message box, browser, printer and help call
// is answered or recorded here, so no test waits for a person or reaches the system.
#include "app/TJanelasSobDemanda.h"
#include "app/UCadernetaDeCampo.h"
#include "app/UEntDados.h"
#include "app/UIdentificacao.h"
#include "app/UInicial.h"
#include "app/UnitMorlin.h"
#include "app/hh.h"
#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TDialogoArquivo.h"
#include "plataforma/TImpressora.h"
#include "plataforma/TImpressoraPadrao.h"
#include "plataforma/TNavegador.h"
#include "tests/janelas_comum/DialogoModal.h"
#include "tests/janelas_comum/EsperaEventos.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

struct TChamadaAjuda {
    std::string arquivo;
    unsigned int comando;
    std::uintptr_t dados;
};

inline std::vector<TChamadaAjuda> chamadasAjuda;

inline std::intptr_t htmlHelpFalso(std::intptr_t, const char* arquivo, unsigned int comando, std::uintptr_t dados)
{
    chamadasAjuda.push_back({arquivo, comando, dados});
    return 0;
}

// Stands for a loaded help control: never called, never freed.
inline int controleFalso;

class JanelasTest : public ::testing::Test {
protected:
    QStringList mensagens;
    std::vector<QUrl> enderecos;
    std::vector<QString> impressorasPadrao;
    bool respostaNavegador = true;
    std::function<bool(QPrinter&)> respostaDialogo = [](QPrinter&) { return false; };
    QTemporaryDir pastaAjuda;
    QTimer vigiaAbertura;

    void SetUp() override
    {
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
        TNavegador::substitui([this](const QUrl& endereco) {
            enderecos.push_back(endereco);
            return respostaNavegador;
        });
        TImpressora::substituiDialogo([this](QPrinter& impressora) { return respostaDialogo(impressora); });
        TImpressoraPadrao::substitui([this](const QString& nome) { impressorasPadrao.push_back(nome); });
        HHControlModule = &controleFalso;
        HHProc = htmlHelpFalso;
        chamadasAjuda.clear();
        criaArquivoAjuda();
        TFPrincipal::substituiInicio(pastaAjuda.path() + "/", [] { return true; });
        TJanelasSobDemanda::substitui(janelasSobDemanda());
        vigiaAbertura.callOnTimeout([this] {
            if (FInicial && FInicial->isVisible()) {
                vigiaAbertura.stop();
                QTest::mouseClick(FInicial->Image1, Qt::LeftButton);
            }
        });
    }

    void TearDown() override
    {
        vigiaAbertura.stop();
        delete FPrincipal;
        esperaAte([] { return !FInicial && !FIdentificacao && !FEntdados && !FCadernetaDeCampo; }, 1000);
        TFPrincipal::substituiInicio({}, {});
        TJanelasSobDemanda::substitui(nullptr);
        TAjudaAplicacao::defineManipulador({});
        HHControlModule = nullptr;
        HHProc = nullptr;
        TImpressoraPadrao::substitui({});
        TImpressora::substituiDialogo({});
        TNavegador::substitui({});
        TCaixaMensagem::substitui({}, {});
    }

    void criaArquivoAjuda()
    {
        QFile arquivo(pastaAjuda.path() + "/AjudaMorlin.chm");
        arquivo.open(QIODevice::WriteOnly);
    }

    // Closes the start-up picture with a click as soon as it is on the screen.
    void clicaAberturaQuandoAparecer()
    {
        vigiaAbertura.start(5);
    }

    // The program's start: the main window shown, its start-up steps run, the start-up
    // picture clicked away.
    void iniciaPrincipal()
    {
        FPrincipal = new TFPrincipal;
        clicaAberturaQuandoAparecer();
        FPrincipal->show();
        ASSERT_TRUE(esperaAte([] { return FInicial && !FInicial->isVisible(); }));
    }

    // The program's start with the main window active, the keyboard in it.
    void iniciaPrincipalAtiva()
    {
        iniciaPrincipal();
        FPrincipal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FPrincipal));
    }

    std::vector<std::uintptr_t> contextosPedidos() const
    {
        std::vector<std::uintptr_t> contextos;
        for (const TChamadaAjuda& chamada : chamadasAjuda) {
            EXPECT_EQ(chamada.comando, 15u);
            contextos.push_back(chamada.dados);
        }
        return contextos;
    }
};

// Every file dialog answered from a queue of names (no name once it is empty) and its
// kind recorded. The main window, which a test's SetUp starts once its own answers are
// in, asks nothing more on its way out.
class PrincipalComArquivos : public JanelasTest {
protected:
    std::deque<QString> arquivosEscolhidos;
    std::vector<TDialogoArquivo::TTipo> dialogos;

    void SetUp() override
    {
        JanelasTest::SetUp();
        TDialogoArquivo::substitui([this](TDialogoArquivo::TTipo tipo) {
            dialogos.push_back(tipo);
            if (arquivosEscolhidos.empty())
                return QString();
            const QString nome = arquivosEscolhidos.front();
            arquivosEscolhidos.pop_front();
            return nome;
        });
    }

    void TearDown() override
    {
        if (FPrincipal)
            FPrincipal->SalvarComo1->setEnabled(false);
        TDialogoArquivo::substitui({});
        JanelasTest::TearDown();
    }
};
