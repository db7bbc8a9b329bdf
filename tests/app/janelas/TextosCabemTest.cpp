// Every control of the data-entry window stands whole inside its panel and shows its whole
// text, at the window's sizes and with the program's fonts.
#include "tests/app/nucleo/TerracoRealista.h"
#include "app/plataforma/TGrafico.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TLabeledEdit.h"
#include "tests/app/janelas/FixtureEntrada.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QValueAxis>

namespace {

QString nome(const QWidget* w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    QString texto;
    if (const auto* rotulo = qobject_cast<const QLabel*>(w))
        texto = rotulo->text();
    else if (const auto* botao = qobject_cast<const QAbstractButton*>(w))
        texto = botao->text();
    return QString::fromLatin1(w->metaObject()->className()) + " \"" + texto + "\"";
}

// The width a control's text takes, with the room its style keeps around it; 0 for a
// control that shows no text of its own.
int larguraDoTexto(const QWidget* w)
{
    const QFontMetrics medidas(w->font());
    if (const auto* rotulo = qobject_cast<const QLabel*>(w))
        return rotulo->pixmap().isNull() ? medidas.horizontalAdvance(rotulo->text()) : 0;
    if (qobject_cast<const QRadioButton*>(w))
        return w->sizeHint().width();
    if (const auto* botao = qobject_cast<const QAbstractButton*>(w))
        return medidas.horizontalAdvance(botao->text()) + 6;
    if (const auto* grupo = qobject_cast<const QGroupBox*>(w))
        return medidas.horizontalAdvance(grupo->title()) + 8;
    return 0;
}

// The text area inside an edit's frame and margins.
int larguraUtilDaEdicao(const QLineEdit* e)
{
    QStyleOptionFrame opcao;
    opcao.initFrom(e);
    opcao.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, e);
    const QRect area = e->style()->subElementRect(QStyle::SE_LineEditContents, &opcao, e);
    return area.width() - e->textMargins().left() - e->textMargins().right() - 2 * 2;
}

bool cabeNaEdicao(const QLineEdit* e)
{
    return QFontMetrics(e->font()).horizontalAdvance(e->text()) <= larguraUtilDaEdicao(e);
}

// What falls outside `painel`'s inner area, is covered by the picture panel, or does not
// show its whole text, among the controls on show inside it; empty when all is well.
std::string problemas(const QWidget* painel, const QWidget* cobertura = nullptr)
{
    QStringList lista;
    const QRect dentro = painel->contentsRect();
    for (const QWidget* w : painel->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(painel) || w->parentWidget()->inherits("QAbstractScrollArea")
            || w->parentWidget()->inherits("QHeaderView") || w->inherits("QScrollBar")
            || w->parentWidget()->inherits("QAbstractSpinBox") || w->parentWidget()->inherits("QComboBox"))
            continue;
        const QRect area(w->mapTo(painel, QPoint(0, 0)), w->size());
        if (!dentro.contains(area))
            lista << nome(w) + " sai do painel";
        const auto* grupo = qobject_cast<const QGroupBox*>(w->parentWidget());
        if (grupo && !grupo->contentsRect().contains(w->geometry()))
            lista << nome(w) + " cruza a moldura do grupo";
        if (larguraDoTexto(w) > w->width())
            lista << nome(w) + " corta o texto";
        if (const auto* e = qobject_cast<const QLineEdit*>(w); e && !cabeNaEdicao(e))
            lista << nome(w) + " corta o texto";
        const QRect naJanela(w->mapTo(w->window(), QPoint(0, 0)), w->size());
        if (!cobertura)
            continue;
        for (const QWidget* c : cobertura->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (c->isVisible() && QRect(c->mapTo(c->window(), QPoint(0, 0)), c->size()).intersects(naJanela))
                lista << nome(w) + " fica sob " + nome(c);
    }
    return lista.join(QStringLiteral("; ")).toStdString();
}

// Where a control draws: a label its text's glyphs, anything else its whole area.
QRect desenho(const QWidget* w)
{
    const auto* rotulo = qobject_cast<const QLabel*>(w);
    if (!rotulo)
        return w->geometry();
    const QFontMetrics medidas(rotulo->font());
    const int linhaBase = (rotulo->height() - medidas.height()) / 2 + medidas.ascent();
    return medidas.tightBoundingRect(rotulo->text()).translated(w->x(), w->y() + linhaBase);
}

// Pairs of controls of one panel that run into each other; frames that share a line of
// pixels do not count.
std::string sobreposicoes(const QWidget* painel)
{
    QStringList lista;
    const auto filhos = painel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < filhos.size(); ++i)
        for (qsizetype k = i + 1; k < filhos.size(); ++k) {
            if (!filhos[i]->isVisibleTo(painel) || !filhos[k]->isVisibleTo(painel))
                continue;
            const QRect comum = desenho(filhos[i]).intersected(desenho(filhos[k]));
            if (comum.width() > 1 && comum.height() > 1)
                lista << nome(filhos[i]) + " encosta em " + nome(filhos[k]);
        }
    return lista.join(QStringLiteral("; ")).toStdString();
}

QStringList textosDaCena(const TGrafico* grafico)
{
    QCoreApplication::processEvents();
    QStringList textos;
    for (const QGraphicsItem* item : grafico->scene()->items())
        if (const auto* texto = dynamic_cast<const QGraphicsTextItem*>(item); texto && texto->isVisible())
            textos << texto->toPlainText();
    return textos;
}

} // namespace

using TextosCabem = FixtureEntrada;

TEST_F(TextosCabem, CadaSecaoAbertaCabeNoSeuPainel)
{
    TFEntdados& j = mostra();
    j.escreveDados(terracoRealista());
    for (QToolButton* botao : {j.sbPrecipitacao, j.sbCanal, j.sbAreaDeContribuicao, j.sbPerfilDaCrista, j.sbSolo}) {
        SCOPED_TRACE(botao->text().toStdString());
        botao->click();
        const int tag = botao->property("Tag").toInt();
        QWidget* painel = std::array<QWidget*, 5>{j.PnPrecipitacao, j.PnCanal, j.PnAreaDeContribuicao,
                                                  j.PnPerfiDaCrista, j.PnSolo}[tag - 1];
        EXPECT_EQ(problemas(painel, j.PnDireita), "");
        EXPECT_EQ(sobreposicoes(painel), "");
        EXPECT_EQ(sobreposicoes(j.GroupBox1), "");
    }
    EXPECT_EQ(problemas(j.PnCalculaAjudaCancela, j.PnDireita), "");
}

TEST_F(TextosCabem, ResultadosGrandesAparecemInteiros)
{
    TFEntdados& j = mostra();
    TResultadoAvaliacao r;
    r.LblRLES = "123456,78 ";
    r.LblRLESestrada = "98765,43 ";
    r.LblRAc = "1234567,89 ";
    r.LblRAcEstrada = "7654321,00 ";
    r.LblEdtRCotaCrista = "1234,56 ";
    r.LblEdtRCotaBigode = "9876,54 ";
    r.LblEdtRVe = "12345678,90 ";
    r.LblEdtRVn = "98765432,10 ";
    r.LblEdtVeVn = "12345,67 ";
    r.LblEdtAvaliacao = "Terraço INADEQUADO!";
    j.mostraResultado(r);
    j.mostraPagina(QStringLiteral("CapacidadeDeArmazenamento"));
    for (const QLineEdit* e : std::initializer_list<const QLineEdit*>{
             j.LblEdtRVe, j.LblEdtRVn, j.LblEdtVeVn, j.LblEdtAvaliacao, j.LblEdtRCotaCrista, j.LblEdtRCotaBigode}) {
        EXPECT_TRUE(cabeNaEdicao(e)) << e->objectName().toStdString() << " " << e->text().toStdString();
        EXPECT_GE(e->font().pixelSize(), 7) << e->objectName().toStdString();
    }
    EXPECT_EQ(problemas(j.PnResultados), "");
    EXPECT_EQ(sobreposicoes(j.PnResultados), "");
}

TEST_F(TextosCabem, LegendaDeNoveSecoesMostraCadaTituloInteiro)
{
    TFEntdados& j = mostra();
    std::vector<TLinhaGrafico> linhas;
    for (int i = 1; i <= 9; ++i)
        linhas.push_back({"Seção " + std::to_string(i), clBlack, TEstiloLinha::psDash, {{0, 1.0}, {2.4, 0.3}}});
    linhas.push_back({"CBC", clBlue, TEstiloLinha::psSolid, {{0, 0.7}, {2.4, 0.7}}});
    linhas.push_back({"CE", clRed, TEstiloLinha::psSolid, {{0, 0.5}, {2.4, 0.5}}});
    TResultadoAvaliacao r;
    r.seriesGrafico = linhas;
    j.mostraResultado(r);
    j.mostraPagina(QStringLiteral("CapacidadeDeArmazenamento"));
    QCoreApplication::processEvents();

    const auto itens = j.Chart1->itensLegenda();
    ASSERT_EQ(itens.size(), linhas.size());
    const QFontMetricsF medidas(j.Chart1->font());
    QRectF eixoX;
    for (const QGraphicsItem* item : j.Chart1->scene()->items())
        if (const auto* t = dynamic_cast<const QGraphicsTextItem*>(item); t && t->toPlainText() == "Distância(m)")
            eixoX = t->sceneBoundingRect();
    ASSERT_FALSE(eixoX.isNull());
    for (std::size_t i = 0; i < itens.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(itens[i].titulo, QString::fromStdString(linhas[i].titulo));
        EXPECT_TRUE(QRectF(j.Chart1->rect()).contains(itens[i].area));
        EXPECT_GE(itens[i].area.top(), eixoX.bottom());
        for (std::size_t k = i + 1; k < itens.size(); ++k)
            EXPECT_FALSE(itens[i].area.intersects(itens[k].area)) << k;
    }
}

TEST_F(TextosCabem, EixoVazioNaoMostraZeroNegativo)
{
    TFEntdados& j = mostra();
    TResultadoAvaliacao r;
    r.seriesGrafico = {{"CBC", clBlue, TEstiloLinha::psSolid, {{0, 0}, {0, 0}}},
                       {"CE", clRed, TEstiloLinha::psSolid, {{0, 0}, {0, 0}}}};
    j.mostraResultado(r);
    j.mostraPagina(QStringLiteral("CapacidadeDeArmazenamento"));
    const QStringList textos = textosDaCena(j.Chart1);
    EXPECT_TRUE(textos.contains(QStringLiteral("0,00")));
    for (const QString& t : textos)
        EXPECT_FALSE(t.startsWith(QStringLiteral("-0,00"))) << t.toStdString();
    for (QValueAxis* eixo : {j.Chart1->eixoDistancia(), j.Chart1->eixoCotas()})
        EXPECT_TRUE(TGrafico::rotulosDoEixo(eixo).contains(QStringLiteral("0,00")));
}
