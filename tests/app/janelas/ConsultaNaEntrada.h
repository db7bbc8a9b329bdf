#pragma once
// The consultation that the data-entry window's "Consulta" opens, acted on as a user does
// once it is on the screen.
#include "app/UEntDados.h"
#include "rainfall_equations/FoConsulta.h"
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

// Runs `acao` on the next consultation once its first showing is over and nothing modal
// lies over it; `acao` must close it. A consultation still open after five seconds is
// cancelled, so no test hangs.
class TNaConsulta {
public:
    explicit TNaConsulta(std::function<void(TfrmFoConsulta&)> acao)
        : acao_(std::move(acao))
    {
        vigia_.setInterval(2);
        QObject::connect(&vigia_, &QTimer::timeout, [this] {
            TfrmFoConsulta* j = frmFoConsulta;
            if (j == nullptr || j->windowTitle() == QStringLiteral("Nimbra 2.1")
                || QApplication::activeModalWidget() != j)
                return;
            vigia_.stop();
            ++vezes;
            acao_(*j);
        });
        prazo_.setSingleShot(true);
        QObject::connect(&prazo_, &QTimer::timeout, [] {
            if (frmFoConsulta)
                frmFoConsulta->done(TfrmFoConsulta::mrCancel);
        });
        vigia_.start();
        prazo_.start(5000);
    }

    // How many times `acao` ran: 0 when no consultation came up.
    int vezes = 0;

private:
    std::function<void(TfrmFoConsulta&)> acao_;
    QTimer vigia_;
    QTimer prazo_;
};

// "Consulta" clicked on `janela`, with `acao` run on the consultation it opens; the number
// of consultations that came up.
inline int consultaPelaEntrada(TFEntdados& janela, const std::function<void(TfrmFoConsulta&)>& acao)
{
    TNaConsulta naConsulta(acao);
    QTest::mouseClick(janela.BttConsulta, Qt::LeftButton);
    return naConsulta.vezes;
}

// The user clicks the station named `nome` in the list on show.
inline void clicaEstacao(TfrmFoConsulta& j, const QString& nome)
{
    const QList<QListWidgetItem*> itens = j.LBEstacao->findItems(nome, Qt::MatchExactly);
    ASSERT_EQ(itens.size(), 1) << nome.toStdString();
    clicaItem(j.LBEstacao, j.LBEstacao->row(itens.front()));
}
