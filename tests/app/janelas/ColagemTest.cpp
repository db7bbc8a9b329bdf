// Text that reaches an edit by any road but the keys (the clipboard, the edit's menu, the
// selection pasted by the middle button, a drop, an input method) meets the rules of
// typing: a change the rules refuse leaves the edit as it was.
#include "tests/app/nucleo/TerracoRealista.h"
#include "app/UIdentificacao.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TAvisoCampo.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "tests/app/janelas/FixtureEntrada.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTimerEvent>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

class Colagem : public FixtureEntrada {
protected:
    void SetUp() override
    {
        FixtureEntrada::SetUp();
        defineConfiguracaoRegional(TConfiguracaoRegional::brasileira());
    }

    void TearDown() override
    {
        defineConfiguracaoRegional(anterior);
        FixtureEntrada::TearDown();
    }

    const TConfiguracaoRegional anterior = configuracaoRegional();

    // The window with every numeric edit on show and enabled.
    TFEntdados& mostraComEdicoes()
    {
        TFEntdados& j = mostra();
        j.sbAreaDeContribuicao->click();
        j.RadioButtonContribui->click();
        return j;
    }
};

using TColar = std::function<void(QLineEdit*, const QString&)>;

// The ways a text is put into an edit without typing it, each as the user does it.
const std::vector<std::pair<const char*, TColar>>& caminhos()
{
    static const std::vector<std::pair<const char*, TColar>> lista{
        {"Ctrl+V",
         [](QLineEdit* e, const QString& texto) {
             QGuiApplication::clipboard()->setText(texto);
             QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
         }},
        {"menu da edição",
         [](QLineEdit* e, const QString& texto) {
             QGuiApplication::clipboard()->setText(texto);
             std::unique_ptr<QMenu> menu(e->createStandardContextMenu());
             // The item that shows the paste shortcut, whatever language its caption is in.
             const QString atalho = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
             QAction* colar = nullptr;
             for (QAction* item : menu->actions())
                 if (item->text().endsWith(u'\t' + atalho))
                     colar = item;
             ASSERT_NE(colar, nullptr);
             colar->trigger();
         }},
        {"botão do meio",
         // The selection the middle button pastes goes in by the edit's own insertion.
         [](QLineEdit* e, const QString& texto) {
             if (QGuiApplication::clipboard()->supportsSelection()) {
                 QGuiApplication::clipboard()->setText(texto, QClipboard::Selection);
                 QTest::mouseClick(e, Qt::MiddleButton);
             } else {
                 e->insert(texto);
             }
         }},
        {"arrastar e soltar",
         [](QLineEdit* e, const QString& texto) {
             QMimeData dados;
             dados.setText(texto);
             const QPointF ponto(e->width() - 4, e->height() / 2);
             QDragEnterEvent entrada(ponto.toPoint(), Qt::CopyAction, &dados, Qt::LeftButton, {});
             QApplication::sendEvent(e, &entrada);
             QDropEvent soltura(ponto, Qt::CopyAction, &dados, Qt::LeftButton, {});
             QApplication::sendEvent(e, &soltura);
         }},
        {"método de entrada",
         [](QLineEdit* e, const QString& texto) {
             QInputMethodEvent evento(QString(), {});
             evento.setCommitString(texto);
             QApplication::sendEvent(e, &evento);
         }},
    };
    return lista;
}

// Types `texto` key by key, whatever its characters (the test keyboard knows only ASCII).
void digita(QWidget* alvo, const QString& texto)
{
    for (QChar c : texto) {
        QKeyEvent pressiona(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(alvo, &pressiona);
        QKeyEvent solta(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(alvo, &solta);
    }
}

// Puts the caret at the end of the text, as a click after it does.
void noFim(QLineEdit* e)
{
    e->setFocus();
    e->deselect();
    e->end(false);
}

} // namespace

TEST_F(Colagem, EdicoesNumericasSoAceitamOQueSePodiaDigitar)
{
    TFEntdados& j = mostraComEdicoes();
    for (const auto& [caminho, colar] : caminhos()) {
        SCOPED_TRACE(caminho);
        for (QLineEdit* e : std::initializer_list<QLineEdit*>{
                 j.LblEdtK, j.LblEdtA, j.LblEdtB, j.LblEdtC, j.LblEdtComprimentoTerraco,
                 j.EdtAreaContibuicaoSemiELargura, j.EdtAreaContibuicaoComprimento, j.LblEdtSoloTIE}) {
            SCOPED_TRACE(e->objectName().toStdString());
            e->clear();
            noFim(e);
            colar(e, QStringLiteral("-120"));
            EXPECT_EQ(e->text(), QString());
            colar(e, QStringLiteral("12.5"));
            EXPECT_EQ(e->text(), QStringLiteral("12,5"));
            noFim(e);
            for (const char* recusado : {",5", "x", "12345", " 1", "1e3"}) {
                colar(e, QString::fromLatin1(recusado));
                EXPECT_EQ(e->text(), QStringLiteral("12,5")) << recusado;
            }
            colar(e, QStringLiteral("25"));
            EXPECT_EQ(e->text(), QStringLiteral("12,525"));
        }
    }
}

TEST_F(Colagem, ComprimentoNegativoColadoNaoChegaAoCalculo)
{
    TFEntdados& j = mostra();
    j.escreveDados(terracoRealista());
    j.BttCalculaClick();
    const QString armazenado = j.LblEdtRVe->text();
    ASSERT_FALSE(armazenado.isEmpty());

    j.sbCanal->click();
    j.LblEdtComprimentoTerraco->setFocus();
    j.LblEdtComprimentoTerraco->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("-120"));
    QTest::keyClick(j.LblEdtComprimentoTerraco, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j.LblEdtComprimentoTerraco->text(), QStringLiteral("250"));
    j.BttCalculaClick();
    EXPECT_EQ(j.LblEdtRVe->text(), armazenado);
    EXPECT_FALSE(j.LblEdtRVe->text().startsWith(u'-'));
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(Colagem, CelulasDasGradesSoAceitamOQueSePodiaDigitar)
{
    TFEntdados& j = mostra();
    j.sbCanal->click();
    TStringGrid* g = j.SGridCanalSecao;
    g->setCells(2, 1, QStringLiteral("0,8"));
    g->setCurrentCell(0, 1);
    g->edit(g->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(g->indexWidget(g->currentIndex()));
    ASSERT_NE(editor, nullptr);
    for (const auto& [caminho, colar] : caminhos()) {
        SCOPED_TRACE(caminho);
        editor->setText(QStringLiteral("0,8"));
        noFim(editor);
        colar(editor, QStringLiteral("-5"));
        EXPECT_EQ(editor->text(), QStringLiteral("0,8"));
        colar(editor, QStringLiteral("5.5"));
        EXPECT_EQ(editor->text(), QStringLiteral("0,85,5"));  // the grids take any number of separators
    }
    editor->setText(QStringLiteral("0,8"));
    noFim(editor);
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(g->Cells(2, 1), QStringLiteral("0,85"));

    // The editors of every data grid are judged alike.
    for (TStringGrid* grade : {j.SGridMira, j.SGridTrena, j.SGridCristaInicio, j.SGridCristaMeio, j.SGridCristaFim}) {
        SCOPED_TRACE(grade->objectName().toStdString());
        grade->setCurrentCell(0, 0);
        grade->edit(grade->currentIndex());
        auto* e = qobject_cast<QLineEdit*>(grade->indexWidget(grade->currentIndex()));
        ASSERT_NE(e, nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("-1"));
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(e->text(), QString());
    }
}

TEST_F(Colagem, TextoQueOProgramaEscreveNaoEJulgado)
{
    TFEntdados& j = mostraComEdicoes();
    TDadosTerraco d = terracoRealista();
    d.LblEdtK = "1.5e2";  // as a hand-edited file may hold it
    d.SGridCanalSecao.setCells(1, 1, "-0,5");
    j.escreveDados(d);
    EXPECT_EQ(j.LblEdtK->text(), QStringLiteral("1.5e2"));
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 1), QStringLiteral("-0,5"));

    // Such a text does not open the door to the user's pastes.
    noFim(j.LblEdtK);
    QGuiApplication::clipboard()->setText(QStringLiteral("-1"));
    QTest::keyClick(j.LblEdtK, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(j.LblEdtK->text(), QStringLiteral("1.5e2"));
    QTest::keyClick(j.LblEdtK, Qt::Key_Backspace);
    EXPECT_EQ(j.LblEdtK->text(), QStringLiteral("1.5e"));

    // A cell editor opens on the cell's text as it stands.
    j.sbCanal->click();
    j.SGridCanalSecao->setCurrentCell(0, 0);
    j.SGridCanalSecao->edit(j.SGridCanalSecao->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(j.SGridCanalSecao->indexWidget(j.SGridCanalSecao->currentIndex()));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("-0,5"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(j.SGridCanalSecao->Cells(1, 1), QStringLiteral("-0,5"));
}

// ---- Characters the project file cannot hold ------------------------------------------

TEST_F(Colagem, IdentificacaoSoAceitaOQueOArquivoGuarda)
{
    TFIdentificacao dialogo;
    dialogo.show();
    for (QLineEdit* e : {dialogo.EIdentificacao, dialogo.EMunicipio, dialogo.EEstado, dialogo.ELocalidade,
                         dialogo.EProprietario, dialogo.EData, dialogo.EResponsavel}) {
        SCOPED_TRACE(e->objectName().toStdString());
        digita(e, QStringLiteral("Łódź → São João"));
        EXPECT_EQ(e->text(), QStringLiteral("ód  São João"));
        for (const auto& [caminho, colar] : caminhos()) {
            SCOPED_TRACE(caminho);
            noFim(e);
            colar(e, QStringLiteral(" 2° ½ €"));
            colar(e, QStringLiteral(" – Łask"));
            colar(e, QStringLiteral("\n"));
            EXPECT_EQ(e->text(), QStringLiteral("ód  São João 2° ½ €")) << e->text().toStdString();
            e->setText(QStringLiteral("ód  São João"));
        }
    }
    const TTextosIdentificacao textos = dialogo.textos();
    EXPECT_EQ(TCodigoWindows1252::paraUtf8(TCodigoWindows1252::deUtf8(textos.EIdentificacao)), textos.EIdentificacao);
}

// A refused key or paste is not dropped without a word: a notice beside the edit names
// the characters and why; the next change of the edit, the end of its time or leaving the
// edit takes it away.
TEST_F(Colagem, RecusaDizPorQueAoLadoDoCampo)
{
    TFIdentificacao dialogo;
    dialogo.show();
    const auto aviso = [&]() -> QString {
        TAvisoCampo* a = TAvisoCampo::daJanela(&dialogo);
        return a != nullptr && a->isVisible() ? a->text() : QString();
    };
    const QString umCaractere =
        QStringLiteral("\"Ł\" não foi aceito: o arquivo do projeto (Windows-1252) não guarda esse caractere.");
    const QString colagem =
        QStringLiteral("O texto não foi aceito: o arquivo do projeto (Windows-1252) não guarda \"ź\", \"→\" nem \"Ł\".");
    for (QLineEdit* e : {dialogo.EIdentificacao, dialogo.EMunicipio, dialogo.EResponsavel}) {
        SCOPED_TRACE(e->objectName().toStdString());
        noFim(e);
        digita(e, QStringLiteral("Ł"));
        EXPECT_EQ(aviso(), umCaractere);
        EXPECT_EQ(e->text(), QString());
        digita(e, QStringLiteral("L"));
        EXPECT_EQ(aviso(), QString());
        for (const auto& [caminho, colar] : caminhos()) {
            SCOPED_TRACE(caminho);
            noFim(e);
            colar(e, QStringLiteral("ódź → Łask"));
            EXPECT_EQ(aviso(), colagem);
            EXPECT_EQ(e->text(), QStringLiteral("L"));
            ASSERT_NE(TAvisoCampo::daJanela(&dialogo), nullptr);
            QTimer* relogio = TAvisoCampo::daJanela(&dialogo)->relogio();
            EXPECT_EQ(relogio->interval(), TAvisoCampo::duracao);
            QTimerEvent fim(relogio->timerId());
            QCoreApplication::sendEvent(relogio, &fim);
            EXPECT_EQ(aviso(), QString());
        }
        digita(e, QStringLiteral("\u200B"));
        EXPECT_NE(aviso(), QString());
        QFocusEvent saida(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &saida);
        EXPECT_EQ(aviso(), QString());
        e->clear();
    }
    // The notice stands under its edit, inside the dialog.
    digita(dialogo.EIdentificacao, QStringLiteral("→"));
    ASSERT_NE(TAvisoCampo::daJanela(&dialogo), nullptr);
    const QRect lugar = TAvisoCampo::daJanela(&dialogo)->geometry();
    EXPECT_TRUE(dialogo.rect().contains(lugar));
    EXPECT_GT(lugar.top(), dialogo.EIdentificacao->geometry().bottom());
}

// An accent typed or pasted as a separate mark joins its letter (and is so no character
// the file lacks); the caret stays after what came in.
TEST_F(Colagem, AcentoSeparadoJuntaSeALetra)
{
    TFIdentificacao dialogo;
    dialogo.show();
    TFEntdados& j = mostra();
    for (QLineEdit* e : std::initializer_list<QLineEdit*>{dialogo.EProprietario, j.LblEdtTr}) {
        SCOPED_TRACE(e->objectName().toStdString());
        noFim(e);
        digita(e, QStringLiteral("Jose\u0301"));
        EXPECT_EQ(e->text(), QStringLiteral("José"));
        EXPECT_EQ(e->text().size(), 4);
        e->setText(QStringLiteral("Jose Silva"));
        e->setFocus();
        e->setCursorPosition(4);
        digita(e, QStringLiteral("\u0301"));
        EXPECT_EQ(e->text(), QStringLiteral("José Silva"));
        EXPECT_EQ(e->cursorPosition(), 4);
        for (const auto& [caminho, colar] : caminhos()) {
            SCOPED_TRACE(caminho);
            e->clear();
            noFim(e);
            colar(e, QStringLiteral("Anto\u0302nio Jose\u0301"));
            EXPECT_EQ(e->text(), QStringLiteral("Antônio José"));
        }
        e->clear();
    }
    // Only a mark with no letter of the code page to join is refused.
    noFim(j.LblEdtTr);
    digita(j.LblEdtTr, QStringLiteral("x\u0301"));
    EXPECT_EQ(j.LblEdtTr->text(), QStringLiteral("x"));
    ASSERT_NE(TAvisoCampo::daJanela(j.LblEdtTr->window()), nullptr);
    EXPECT_TRUE(TAvisoCampo::daJanela(j.LblEdtTr->window())->isVisible());
}

TEST_F(Colagem, PeriodoDeRetornoSoAceitaOQueOArquivoGuarda)
{
    TFEntdados& j = mostra();
    digita(j.LblEdtTr, QStringLiteral("10→ anos"));
    EXPECT_EQ(j.LblEdtTr->text(), QStringLiteral("10 anos"));  // no key filter, but only what the file holds
    for (const auto& [caminho, colar] : caminhos()) {
        SCOPED_TRACE(caminho);
        j.LblEdtTr->setText(QStringLiteral("25"));
        noFim(j.LblEdtTr);
        colar(j.LblEdtTr, QStringLiteral("−1"));  // a minus sign of its own, U+2212
        EXPECT_EQ(j.LblEdtTr->text(), QStringLiteral("25"));
        colar(j.LblEdtTr, QStringLiteral(",5"));
        EXPECT_EQ(j.LblEdtTr->text(), QStringLiteral("25,5"));
    }
}
