#pragma once
// What the consultation's window tests share: message boxes are recorded, the print
// dialog and the report's run are answered by the test, and a modal window is acted on
// as soon as it is up, so no test waits for a person.
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TImpressora.h"
#include "plataforma/TProjetoRelatorio.h"

#include <QApplication>
#include <QPrinter>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs `acao` once on the first modal window of type Janela that comes up while the
// object lives.
template <typename Janela>
class TRespostaModal {
public:
    explicit TRespostaModal(std::function<void(Janela&)> acao) : acao_(std::move(acao))
    {
        vigia_.callOnTimeout([this] {
            if (auto* janela = qobject_cast<Janela*>(QApplication::activeModalWidget()); janela && janela->isVisible()) {
                vigia_.stop();
                ++vezes;
                acao_(*janela);
            }
        });
        vigia_.start(5);
    }

    int vezes = 0;

private:
    std::function<void(Janela&)> acao_;
    QTimer vigia_;
};

class NimbraJanelasTest : public ::testing::Test {
protected:
    QStringList mensagens;

    void SetUp() override
    {
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
        TImpressora::substituiDialogo([](QPrinter&) { return false; });
    }

    void TearDown() override
    {
        TProjetoRelatorio::substituiExecucao({});
        TImpressora::substituiDialogo({});
        TCaixaMensagem::substitui({}, {});
    }
};
