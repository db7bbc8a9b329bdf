#include "app/URelatorioAvaliacao.h"

#include "app/nucleo/TLinhaRelatorio.h"
#include "app/plataforma/TGrafico.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TControles.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TImpressora.h"
#include "plataforma/TLabeledEdit.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QShowEvent>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

constexpr int larguraCliente = 819;
constexpr int alturaCliente = 680;
constexpr QSize tamanhoPagina(798, 1120);
constexpr int margem = 40;  // left, top and right of the page; 60 below
constexpr int larguraConteudo = 718;
constexpr int alturaCabecalho = 81;
constexpr int alturaRegua = 3;
constexpr int alturaRotulos = 533;
constexpr int alturaGrafico = 403;

const QColor azulCeu(166, 202, 240);

// Every label of the page is written at one size.
constexpr int pixelsRotulos = 13;
// A text that does not fit its room takes at most this many lines.
constexpr int maximoLinhasValor = 2;

QFont fonteRelatorio(int pixels, bool negrito = false, bool sublinhado = false)
{
    QFont fonte = TFontePadrao::estreita(pixels);
    fonte.setBold(negrito);
    fonte.setUnderline(sublinhado);
    return fonte;
}

QLabel* rotulo(QWidget* pai, const char* nome, const QString& texto, int x, int y, const QFont& fonte)
{
    QLabel* r = TControles::rotulo(pai, nome, texto, x, y);
    r->setTextFormat(Qt::PlainText);
    r->setFont(fonte);
    r->adjustSize();
    return r;
}

struct TTitulo {
    int esquerda;
    int topo;
    const char* texto;
    bool sublinhado;  // a sub-heading; the others are headings
};

constexpr TTitulo titulos[] = {
    {0, 8, "IDENTIFICAÇÃO DO PROJETO", false},
    {0, 138, "DADOS DE ENTRADA", false},
    {5, 161, "Parametros da equação de chuvas intensas", true},
    {5, 235, "Canal do terraço", true},
    {5, 275, "Área agrícola", true},
    {300, 275, "Estrada (m)", true},
    {5, 315, "Solo", true},
    {0, 363, "RESULTADOS", false},
    {10, 386, "Lamina de Escoamento Superficial (mm)", true},
    {295, 386, "Área de Contribuição (m²) ", true},
    {499, 386, "Altura do terraço (m) ", true},
    {10, 443, "Capacidade de armazenamento do terraço (m³) ", true},
};

// A caption label and the value label beside it, on the same line.
struct TCampo {
    const char* legenda;  // none for the observation's second line
    int esquerdaLegenda;
    int topo;
    int esquerdaValor;
    QLabel* TFRelatorioAvaliacao::*rotulo;
    std::string TTextosRelatorio::*texto;
    const char* nome;
};

#define CAMPO(nome) &TFRelatorioAvaliacao::nome, &TTextosRelatorio::nome, #nome

const TCampo campos[] = {
    {"Identificação do terraço :", 5, 39, 181, CAMPO(LIdentificacaoTerraco)},
    {"Estado : ", 5, 56, 67, CAMPO(LEstado)},
    {"Município : ", 5, 73, 82, CAMPO(LMunicipio)},
    {"Proprietário : ", 5, 90, 101, CAMPO(LProprietario)},
    {"Responsável : ", 5, 107, 105, CAMPO(LResponsavel)},
    {"Data do levantamento :", 274, 39, 438, CAMPO(LDataDoLevantamento)},
    {"Localidade : ", 274, 56, 360, CAMPO(LLocalidade)},
    {"T : ", 10, 178, 35, CAMPO(LT)},
    {"K :", 10, 195, 35, CAMPO(Lk)},
    {"a : ", 10, 212, 35, CAMPO(La)},
    {"b : ", 100, 178, 125, CAMPO(Lb)},
    {"c : ", 100, 195, 125, CAMPO(Lc)},
    {"Latitude : ", 566, 178, 639, CAMPO(LPLatitude)},
    {"Longitude : ", 567, 195, 650, CAMPO(LPLongitude)},
    {"Localidade : ", 225, 212, 311, CAMPO(LPLocalidade)},
    {"Estado : ", 225, 178, 287, CAMPO(LPEstado)},
    {"Estação : ", 225, 195, 302, CAMPO(LPMunicipio)},
    {"Comprimento do terraço (m) : ", 10, 252, 214, CAMPO(LComprimentoTerraco)},
    {"Perfil da seção transversal : ", 274, 252, 466, CAMPO(LPerfilSecao)},
    {"Tipo de levantamento : ", 10, 292, 168, CAMPO(LTipoLevantamento)},
    {"Comprimento : ", 305, 292, 408, CAMPO(LComprimentoEstrada)},
    {"Largura/Semilargura :", 510, 292, 660, CAMPO(LLarguraEstrada)},
    {"Taxa de infiltração estável (mm/h) :", 10, 332, 250, CAMPO(LTieAgricola)},
    {"Área agrícola : ", 15, 403, 120, CAMPO(LRLESAgricola)},
    {"Estrada : ", 15, 420, 83, CAMPO(LRLESEstrada)},
    {"Área agrícola : ", 300, 403, 405, CAMPO(LRAcAgricola)},
    {"Estrada : ", 300, 420, 368, CAMPO(LRAcEstrada)},
    {"Ponto mais baixo da crista : ", 504, 403, 693, CAMPO(LRCrista)},
    {"Cota da extremidade : ", 504, 420, 658, CAMPO(LRBigode)},
    {"Volume efetivo (Ve) : ", 15, 460, 163, CAMPO(LRVe)},
    {"Volume necessário (Vn) : ", 15, 477, 187, CAMPO(LRVn)},
    {"Eficiência de Retenção (%): ", 15, 494, 205, CAMPO(LRVeVn)},
    {"Avaliação :", 324, 460, 402, CAMPO(LRAvaliacao)},
    {"Observação : ", 325, 477, 420, CAMPO(LRObservacao)},
    {nullptr, 0, 494, 395, CAMPO(LRObservaContinua)},
};

#undef CAMPO

// Where the line on a missing verdict starts: the observation's caption, which it replaces.
constexpr QPoint lugarMotivo(325, 477);

// The tops of the page's lines of captions and values, top to bottom.
std::vector<int> toposDasLinhas()
{
    std::vector<int> topos;
    for (const TCampo& c : campos)
        topos.push_back(c.topo);
    std::sort(topos.begin(), topos.end());
    topos.erase(std::unique(topos.begin(), topos.end()), topos.end());
    return topos;
}

int esquerdaDoCampo(const TCampo& c)
{
    return c.legenda ? c.esquerdaLegenda : c.esquerdaValor;
}

// The captions and values on the line at `topo`, from left to right.
std::vector<std::size_t> camposDaLinha(int topo)
{
    std::vector<std::size_t> linha;
    for (std::size_t i = 0; i < std::size(campos); ++i)
        if (campos[i].topo == topo)
            linha.push_back(i);
    std::sort(linha.begin(), linha.end(),
              [](std::size_t a, std::size_t b) { return esquerdaDoCampo(campos[a]) < esquerdaDoCampo(campos[b]); });
    return linha;
}

// The width a value's glyphs take: a trailing blank draws nothing.
int larguraDoTexto(const QLabel* rotulo)
{
    static const QRegularExpression brancosNoFim(QStringLiteral("\\s+$"));
    return QFontMetrics(rotulo->font()).horizontalAdvance(QString(rotulo->text()).remove(brancosNoFim)) + 1;
}

// Hides widgets for as long as it lives, errors included.
class TEscondidos {
public:
    explicit TEscondidos(std::initializer_list<QWidget*> widgets)
        : widgets_(widgets)
    {
        for (QWidget* w : widgets_)
            w->hide();
    }
    ~TEscondidos()
    {
        for (QWidget* w : widgets_)
            w->show();
    }
    TEscondidos(const TEscondidos&) = delete;
    TEscondidos& operator=(const TEscondidos&) = delete;

private:
    std::vector<QWidget*> widgets_;
};

} // namespace

TFRelatorioAvaliacao::TFRelatorioAvaliacao(std::function<TPaginaRelatorio()> montaPagina, QWidget* dono)
    : QDialog(dono, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , montaPagina_(std::move(montaPagina))
{
    setObjectName(QStringLiteral("FRelatorioAvaliacao"));
    setWindowTitle(QStringLiteral("FRelatorioAvaliacao"));
    // A closed report is never shown again: nothing keeps it.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(larguraCliente, alturaCliente);
    TControles::pintaFundo(this, Qt::white);
    criaPagina();
    criaRotulos();
    TAplicacao::liga(Button1, &QPushButton::clicked, this, [this] { imprimirRelatorioAvaliacaoCilck(); });
    TAplicacao::liga(Button2, &QPushButton::clicked, this, [this] { fecharRelatorioAvaliacaoCilck(); });
}

void TFRelatorioAvaliacao::criaPagina()
{
    ScrollBox1 = TControles::nomeia(new QScrollArea(this), "ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    // The window is as wide as the page and a vertical bar: it scrolls only down.
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Panel1 = TControles::nomeia(new QFrame, "Panel1");
    Panel1->setFixedSize(tamanhoPagina);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(palette());
    ScrollBox1->setWidget(Panel1);
    ScrollBox1->setGeometry(0, 0, larguraCliente, alturaCliente);

    int topo = margem;
    Panel2 = TControles::painel(Panel1, "Panel2", QRect(margem, topo, larguraConteudo, alturaCabecalho));
    LTitulo = rotulo(Panel2, "LTitulo", QStringLiteral("AVALIAÇÃO DA CAPACIDADE DE ARMAZENAMENTO DO TERRAÇO"), 50, 52,
                     fonteRelatorio(19, true));
    QPalette corTitulo = LTitulo->palette();
    corTitulo.setColor(QPalette::WindowText, azulCeu);
    LTitulo->setPalette(corTitulo);
    Button1 = TControles::botaoSemPadrao(Panel2, "Button1", QStringLiteral("Imprimir"), QRect(343, 0, 75, 25));
    Button2 = TControles::botaoSemPadrao(Panel2, "Button2", QStringLiteral("Fechar"), QRect(424, 0, 75, 25));
    topo += alturaCabecalho;

    Splitter1 = TControles::painel(Panel1, "Splitter1", QRect(margem, topo, larguraConteudo, alturaRegua));
    TControles::pintaFundo(Splitter1, Qt::black);
    topo += alturaRegua;

    Panel3 = TControles::painel(Panel1, "Panel3", QRect(margem, topo, larguraConteudo, alturaRotulos));
    topo += alturaRotulos;
    Panel4 = TControles::painel(Panel1, "Panel4", QRect(margem, topo, larguraConteudo, alturaGrafico));
    Chart1 = TControles::nomeia(new TGrafico(Panel4), "Chart1");
    Chart1->setGeometry(0, 0, larguraConteudo, alturaGrafico);
    Chart1->setFrameShape(QFrame::NoFrame);
}

void TFRelatorioAvaliacao::criaRotulos()
{
    for (const TTitulo& t : titulos)
        rotulo(Panel3, "", QString::fromUtf8(t.texto), t.esquerda, t.topo,
               fonteRelatorio(pixelsRotulos, true, t.sublinhado));
    for (const TCampo& c : campos) {
        legendas_.push_back(c.legenda ? rotulo(Panel3, "", QString::fromUtf8(c.legenda), c.esquerdaLegenda, c.topo,
                                               fonteRelatorio(pixelsRotulos, true))
                                      : nullptr);
        this->*c.rotulo = rotulo(Panel3, c.nome, QStringLiteral("-"), c.esquerdaValor, c.topo, fonteRelatorio(pixelsRotulos));
    }
    LRMotivoSemAvaliacao = rotulo(Panel3, "LRMotivoSemAvaliacao", QString(), lugarMotivo.x(), lugarMotivo.y(),
                                  fonteRelatorio(pixelsRotulos));
    LRMotivoSemAvaliacao->setWordWrap(true);
    LRMotivoSemAvaliacao->hide();
}

void TFRelatorioAvaliacao::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!preenchido_) {
        preenchido_ = true;
        TAplicacao::executa([this] { FormShow(); });
    }
}

void TFRelatorioAvaliacao::FormShow()
{
    preencheCamposRelatorio();
}

void TFRelatorioAvaliacao::preencheCamposRelatorio()
{
    const TPaginaRelatorio pagina = montaPagina_ ? montaPagina_() : TPaginaRelatorio();
    Chart1->mostraLinhas(pagina.linhasGrafico);
    mostraTextos(pagina.textos);
}

void TFRelatorioAvaliacao::mostraTextos(const TTextosRelatorio& textos)
{
    for (const TCampo& c : campos)
        (this->*c.rotulo)->setText(QString::fromStdString(textos.*c.texto));
    mostraMotivoSemAvaliacao(textos.LRMotivoSemAvaliacao);
    std::vector<std::pair<int, int>> crescimentos;
    for (int topo : toposDasLinhas())
        crescimentos.emplace_back(topo, dispoeLinha(topo));
    desceAbaixoDasQuebras(crescimentos);
}

// The line wraps within the rest of the page's width, below the verdict's caption, and
// takes the place of the observation, caption and both lines, which it leaves empty.
void TFRelatorioAvaliacao::mostraMotivoSemAvaliacao(const std::string& motivo)
{
    const int largura = larguraConteudo - lugarMotivo.x();
    LRMotivoSemAvaliacao->setText(QString::fromStdString(motivo));
    const int altura = LRMotivoSemAvaliacao->heightForWidth(largura);
    LRMotivoSemAvaliacao->setGeometry(QRect(lugarMotivo, QSize(largura, altura)));
    LRMotivoSemAvaliacao->setVisible(!motivo.empty());
    for (std::size_t i = 0; i < std::size(campos); ++i)
        if (campos[i].rotulo == &TFRelatorioAvaliacao::LRObservacao)
            legendas_[i]->setVisible(motivo.empty());
    LRObservacao->setVisible(motivo.empty());
    LRObservaContinua->setVisible(motivo.empty());
}

// A line whose values fit, moving along it, stays one line. Otherwise its texts of several
// words wrap, each narrowed only as far as the line needs, and the line gives back how
// many pixels it grew.
int TFRelatorioAvaliacao::dispoeLinha(int topo)
{
    const std::vector<std::size_t> indices = camposDaLinha(topo);
    std::vector<TLinhaRelatorio::TPar> pares;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const TCampo& c = campos[indices[k]];
        const int esquerda = esquerdaDoCampo(c);
        const int proxima = k + 1 < indices.size() ? campos[indices[k + 1]].esquerdaLegenda : larguraConteudo;
        QLabel* valor = this->*c.rotulo;
        pares.push_back({esquerda, c.esquerdaValor - esquerda, larguraDoTexto(valor),
                         proxima - TLinhaRelatorio::espacoAposValor - c.esquerdaValor,
                         valor->text().trimmed().contains(' ')});
    }
    const std::vector<int> x = TLinhaRelatorio::dispoe(pares, larguraConteudo);
    int alturaExtra = 0;
    for (std::size_t k = 0; k < indices.size(); ++k) {
        const TCampo& c = campos[indices[k]];
        if (QLabel* legenda = legendas_[indices[k]])
            legenda->move(x[k], c.topo);
        QLabel* valor = this->*c.rotulo;
        valor->move(x[k] + pares[k].recuoValor, c.topo);
        alturaExtra = std::max(alturaExtra, ajustaValor(valor, pares[k].larguraValor));
    }
    return alturaExtra;
}

// A value whose glyphs fit `largura` stands on one line; a longer one wraps within it, up
// to maximoLinhasValor lines, the last closed by "…" when the text goes on. Gives how much
// taller than one line the value is.
int TFRelatorioAvaliacao::ajustaValor(QLabel* valor, int largura)
{
    valor->setWordWrap(false);
    const int umaLinha = valor->sizeHint().height();
    if (larguraDoTexto(valor) <= largura) {
        valor->resize(larguraDoTexto(valor), umaLinha);
        return 0;
    }
    const QFontMetrics medidas(valor->font());
    const QString inteiro = valor->text();
    valor->setWordWrap(true);
    valor->setText(QString(maximoLinhasValor - 1, '\n'));
    const int alturaMaxima = valor->heightForWidth(largura);
    valor->setText(inteiro);
    for (int parte = largura * maximoLinhasValor; parte > 0 && valor->heightForWidth(largura) > alturaMaxima;
         parte -= medidas.averageCharWidth())
        valor->setText(medidas.elidedText(inteiro, Qt::ElideRight, parte));
    valor->resize(largura, valor->heightForWidth(largura));
    return valor->height() - umaLinha;
}

// Each label lower on the page than a line that grew moves down by what that line grew;
// the chart keeps the rest of the page.
void TFRelatorioAvaliacao::desceAbaixoDasQuebras(const std::vector<std::pair<int, int>>& crescimentos)
{
    const auto descida = [&crescimentos](int topo) {
        int total = 0;
        for (const auto& [linha, crescimento] : crescimentos)
            if (linha < topo)
                total += crescimento;
        return total;
    };
    for (QLabel* r : Panel3->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        r->move(r->x(), r->y() + descida(r->y()));
    const int crescimento = descida(alturaRotulos);
    Panel3->resize(larguraConteudo, alturaRotulos + crescimento);
    Panel4->setGeometry(Panel4->x(), Panel3->geometry().bottom() + 1, larguraConteudo, alturaGrafico - crescimento);
    Chart1->resize(Panel4->size());
}

const QString TFRelatorioAvaliacao::documento = QStringLiteral("Relatório de avaliação do terraço");

// Recorded, the page's widgets keep their text and lines; rendered on the printer itself
// they would come out as one picture of pixels.
QPicture TFRelatorioAvaliacao::desenhoDaPagina()
{
    // The chart lays itself out from the event loop: whatever it still owes is done first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QPicture desenho;
    desenho.setBoundingRect(QRect(QPoint(0, 0), Panel1->size()));
    Panel1->render(&desenho);
    return desenho;
}

// The page is recorded before the print dialog shows, so it prints as it stood when
// "Imprimir" was pressed. A cancelled dialog prints nothing and says nothing.
void TFRelatorioAvaliacao::imprimirRelatorioAvaliacaoCilck()
{
    const TEscondidos botoes{Button1, Button2};
    const QPicture desenho = desenhoDaPagina();
    if (TImpressora::executaDialogo(this))
        TImpressora::imprimeEsticada(desenho, Panel1->size(), documento);
}

void TFRelatorioAvaliacao::fecharRelatorioAvaliacaoCilck()
{
    emit fechado();
    fechando_ = true;
    QDialog::reject();
}

void TFRelatorioAvaliacao::reject()
{
    if (fechando_)
        QDialog::reject();
    else
        fecharRelatorioAvaliacaoCilck();
}
