#include "tests/rainfall_equations/janelas/AmbienteNimbra.h"
#include "rainfall_equations/FoAutor.h"
#include "rainfall_equations/nucleo/FontesDados.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

QString q(std::string_view texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

// What a click showed: the dialog's three texts while it was up, or no dialog at all.
struct TMostrado {
    bool dialogo = false;
    QString autor;
    QString livro;
    QString pagina;
    bool eraFrmFoAutor = false;
    QWidget* dono = nullptr;
    // The reference is seen whole: the authors on their one line, the work and the
    // details within their labels.
    bool cabe = false;
};

int alturaEscrita(const QLabel& rotulo)
{
    return rotulo.fontMetrics().boundingRect(QRect(0, 0, rotulo.width(), 1000), Qt::TextWordWrap, rotulo.text()).height();
}

bool referenciaCabe(const TfrmFoAutor& janela)
{
    return janela.Autor->fontMetrics().horizontalAdvance(janela.Autor->text()) <= janela.width() - 2 * janela.Autor->x()
        && alturaEscrita(*janela.Livro) <= janela.Pagina->y() - janela.Livro->y()
        && alturaEscrita(*janela.Pagina) <= janela.OK->y() - janela.Pagina->y();
}

class FonteDaEquacao : public NimbraJanelasTest {
protected:
    QWidget consulta;

    TMostrado clica(const QString& chave)
    {
        TMostrado mostrado;
        TRespostaModal<TfrmFoAutor> resposta([&mostrado](TfrmFoAutor& janela) {
            mostrado = {true,
                        janela.Autor->text(),
                        janela.Livro->text(),
                        janela.Pagina->text(),
                        frmFoAutor == &janela,
                        janela.parentWidget(),
                        referenciaCabe(janela)};
            janela.OK->click();
        });
        TfrmFoAutor::mostraFonte(chave, &consulta);
        EXPECT_TRUE(frmFoAutor.isNull());
        return mostrado;
    }
};

} // namespace

TEST(TfrmFoAutor, TresLinhasDaReferenciaEOkQueFecha)
{
    TfrmFoAutor janela;
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Autor"));
    EXPECT_EQ(janela.size(), QSize(547, 144));
    EXPECT_TRUE(janela.font().bold());
    EXPECT_FALSE(janela.Autor->font().bold());
    EXPECT_TRUE(janela.Livro->font().bold());
    EXPECT_FALSE(janela.Pagina->font().bold());
    EXPECT_EQ(janela.Livro->geometry(), QRect(10, 25, 519, 39));
    EXPECT_EQ(janela.Pagina->geometry(), QRect(10, 62, 527, 35));
    EXPECT_TRUE(janela.Livro->wordWrap());
    EXPECT_EQ(janela.OK->text(), QStringLiteral("&Ok"));
    EXPECT_TRUE(janela.OK->isDefault());

    janela.show();
    janela.OK->click();
    EXPECT_EQ(janela.result(), QDialog::Accepted);
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(FonteDaEquacao, Aneel2001AbreODialogoComSuaLinha)
{
    const TMostrado mostrado = clica(QStringLiteral("ANEEL (2001)"));
    ASSERT_TRUE(mostrado.dialogo);
    EXPECT_EQ(mostrado.autor, QStringLiteral("AGÊNCIA NACIONAL DE ENERGIA ELÉTRICA (ANEEL)"));
    EXPECT_EQ(mostrado.livro, q(FontesEquacoes[3].Obra));
    EXPECT_EQ(mostrado.pagina, q(FontesEquacoes[3].Detalhes));
    EXPECT_TRUE(mostrado.eraFrmFoAutor);
    EXPECT_EQ(mostrado.dono, &consulta);
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(FonteDaEquacao, CadaChaveDaTabelaAbreODialogoComSuaLinha)
{
    for (const TFonteEquacao& fonte : FontesEquacoes) {
        SCOPED_TRACE(std::string(fonte.Chave));
        const TMostrado mostrado = clica(q(fonte.Chave));
        ASSERT_TRUE(mostrado.dialogo);
        EXPECT_EQ(mostrado.autor, q(fonte.Autores));
        EXPECT_EQ(mostrado.livro, q(fonte.Obra));
        EXPECT_EQ(mostrado.pagina, q(fonte.Detalhes));
        EXPECT_TRUE(mostrado.cabe);
    }
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(FonteDaEquacao, OQueNaoEhChaveAbreACaixaDaInterpolacao)
{
    for (const QString& caso : {QStringLiteral("Interpolação"), QStringLiteral("Autor"), QStringLiteral("aneel (2001)"),
                                QStringLiteral("ANEEL (2001) "), QStringLiteral("Gomes Jr. (2026)"), QString()}) {
        SCOPED_TRACE(caso.toStdString());
        mensagens.clear();
        const TMostrado mostrado = clica(caso);
        EXPECT_FALSE(mostrado.dialogo);
        EXPECT_EQ(mensagens, QStringList{q(TextoInterpolacao)});
    }
}

TEST_F(FonteDaEquacao, OutroCliqueConstroiUmDialogoNovo)
{
    QPointer<TfrmFoAutor> primeiro;
    {
        TRespostaModal<TfrmFoAutor> resposta([&primeiro](TfrmFoAutor& janela) {
            primeiro = &janela;
            janela.OK->click();
        });
        TfrmFoAutor::mostraFonte(q(ChaveCompilacaoIDF), &consulta);
    }
    EXPECT_TRUE(primeiro.isNull());
    EXPECT_TRUE(frmFoAutor.isNull());
    EXPECT_TRUE(consulta.findChildren<TfrmFoAutor*>().isEmpty());

    const TMostrado segundo = clica(q(ChaveFonteGoias));
    ASSERT_TRUE(segundo.dialogo);
    EXPECT_EQ(segundo.livro, QStringLiteral("Pesquisa Agropecuária Tropical"));
    EXPECT_TRUE(consulta.findChildren<TfrmFoAutor*>().isEmpty());
}

// The box itself, not its stand-in: its caption, icon and one button.
TEST_F(FonteDaEquacao, ACaixaDaInterpolacaoTemLegendaIconeEUmBotao)
{
    TCaixaMensagem::substitui({}, {});
    QString titulo;
    QString texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botoes;
    TRespostaModal<QMessageBox> resposta([&](QMessageBox& caixa) {
        titulo = caixa.windowTitle();
        texto = caixa.text();
        icone = caixa.icon();
        botoes = caixa.standardButtons();
        caixa.accept();
    });
    TfrmFoAutor::mostraFonte(QStringLiteral("Interpolação"), &consulta);
    EXPECT_EQ(resposta.vezes, 1);
    EXPECT_EQ(titulo, QStringLiteral("Informação"));
    EXPECT_EQ(texto, q(TextoInterpolacao));
    EXPECT_EQ(icone, QMessageBox::Information);
    EXPECT_EQ(botoes, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(frmFoAutor.isNull());
}
