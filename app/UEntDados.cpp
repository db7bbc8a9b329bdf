#include "app/UEntDados.h"

#include "app/TFiltroTextoProjeto.h"
#include "app/TImagensGuia.h"
#include "app/instalador/nucleo/TInstaladorArquivosComuns.h"
#include "app/nucleo/RegrasEntrada.h"
#include "app/nucleo/TAbaCanal.h"
#include "app/nucleo/TColunasEntrada.h"
#include "app/nucleo/TEscolhaImagemGuia.h"
#include "app/nucleo/TGeometriaEntrada.h"
#include "app/nucleo/TLinhasEntrada.h"
#include "app/nucleo/TTextosConsulta.h"
#include "app/plataforma/TGrafico.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TAjusteTexto.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TControles.h"
#include "plataforma/TFiltroInsercao.h"
#include "plataforma/TFiltroTeclas.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TIniciaProcesso.h"
#include "plataforma/TJanelaAtiva.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TRadioGroup.h"
#include "plataforma/TextoQt.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/ContextoAjuda.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "rainfall_equations/FoConsulta.h"
#include "rainfall_equations/Nimbra21Comp.h"
#include "rainfall_equations/nucleo/InstalacaoNimbra.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace {

constexpr int larguraCliente = 744;
constexpr int alturaCliente = 471;

// Help context of "Ajuda" by the section button clicked last.
constexpr std::array<std::uint32_t, 5> contextosAba{ContextoAjuda::precipitacao, ContextoAjuda::canal,
                                                   ContextoAjuda::areaDeContribuicao, ContextoAjuda::perfilDaCrista,
                                                   ContextoAjuda::solo};

#ifdef Q_OS_WIN
const QString programaTerraco = QStringLiteral("Quelvo.exe");
#else
const QString programaTerraco = QStringLiteral("Quelvo");
#endif

constexpr int pixelsJanela = 11;      // the window's font, Tahoma 8 points
constexpr int pixelsResultados = 13;  // the verdict's boxes, 10 points

QFont fonteJanela(int pixels = pixelsJanela)
{
    return TFontePadrao::estreita(pixels);
}

// Options whose texts must fit boxes drawn for a narrow font, whichever font the
// system gives.
QFont fonteEstreita()
{
    return fonteJanela(10);
}

// Each section's button stands at the same place of its panel.
constexpr QRect lugarBotaoAba(10, 10, 143, 25);

// The frame of the guide picture: a border of 3 pixels in the menu-text colour around the
// picture. Until the frame is fitted it may be larger than the picture; what lies beyond
// the border then shows the window's background.
class TMolduraImagem : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QRect imagem = childrenRect();
        if (imagem.isEmpty())
            return;
        QPainter pintor(this);
        pintor.fillRect(imagem.adjusted(-3, -3, 3, 3), palette().color(QPalette::WindowText));
    }
};

// The text area of an edit, inside its frame and the margins the edit keeps around its
// text and caret.
int larguraDoTexto(const QLineEdit* e)
{
    QStyleOptionFrame opcao;
    opcao.initFrom(e);
    opcao.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcao, e);
    const QRect area = e->style()->subElementRect(QStyle::SE_LineEditContents, &opcao, e);
    constexpr int margensDoTexto = 2 * 2 + 1;
    return area.width() - e->textMargins().left() - e->textMargins().right() - margensDoTexto;
}

// Results are written smaller when they do not fit their boxes, down to this size.
constexpr int menorFonte = 8;

// A value of the results page shows whole in its box, in the box's own font when it fits
// and smaller when it does not. One too long even then starts at its first digit and
// shows whole in the box's tip.
void mostraInteiro(QLabel* rotulo, const QString& texto, int pixels)
{
    rotulo->setFont(TAjusteTexto::menorQueCabe(rotulo->font(), pixels, menorFonte, texto, rotulo->width()));
    rotulo->setText(texto);
    rotulo->setToolTip(TAjusteTexto::cabe(rotulo->font(), texto, rotulo->width()) ? QString() : texto);
}

void mostraInteiro(QLineEdit* e, const QString& texto, int pixels)
{
    e->setFont(TAjusteTexto::menorQueCabe(e->font(), pixels, menorFonte, texto, larguraDoTexto(e)));
    e->setText(texto);
    e->setCursorPosition(0);
    e->setToolTip(TAjusteTexto::cabe(e->font(), texto, larguraDoTexto(e)) ? QString() : texto);
}

// Enabled road edits are white, disabled ones grey like a button.
void pintaEdicao(QLineEdit* e, bool habilitada)
{
    QPalette cores = e->palette();
    const QPalette padrao;
    const QColor fundo = padrao.color(habilitada ? QPalette::Base : QPalette::Button);
    cores.setColor(QPalette::All, QPalette::Base, fundo);
    cores.setColor(QPalette::Disabled, QPalette::Base, fundo);
    e->setPalette(cores);
    e->setEnabled(habilitada);
}

// Sets both options of a pair as the record says, even when it leaves both clear, and
// runs none of their switches.
void marcaPar(QRadioButton* a, bool marcadoA, QRadioButton* b, bool marcadoB)
{
    const QSignalBlocker blocoA(a);
    const QSignalBlocker blocoB(b);
    a->setAutoExclusive(false);
    b->setAutoExclusive(false);
    a->setChecked(marcadoA);
    b->setChecked(marcadoB);
    a->setAutoExclusive(true);
    b->setAutoExclusive(true);
}

using TextoQt::q;
using TextoQt::s;

std::optional<QString> q(const std::optional<std::string>& texto)
{
    return texto ? std::optional<QString>(q(*texto)) : std::nullopt;
}

QRect qRect(const TRetangulo& r)
{
    return QRect(r.x, r.y, r.largura, r.altura);
}

} // namespace

TFEntdados::TFEntdados(QWidget* dono)
    : QWidget(dono)
{
    setObjectName(QStringLiteral("FEntdados"));
    setWindowTitle(QStringLiteral("Entrada de Dados"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(fonteJanela());
    setFixedSize(larguraCliente, alturaCliente);

    NotePaginas = TControles::nomeia(new QStackedWidget(this), "NotePaginas");
    NotePaginas->setGeometry(0, 0, larguraCliente, alturaCliente);
    criaPaginaEntrada();
    criaPaginaResultados();
    Nimbra211 = TControles::nomeia(new TNimbra21(this), "Nimbra211");
    ligaEventos();
}

Qt::WindowFlags TFEntdados::flagsSubjanela()
{
    return Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

QMdiSubWindow* TFEntdados::mostraNaArea(QMdiArea* area, TFEntdados* janela)
{
    QMdiSubWindow* subjanela = area->addSubWindow(janela, flagsSubjanela());
    subjanela->setAttribute(Qt::WA_DeleteOnClose);
    subjanela->setFixedSize(subjanela->sizeHint());
    // The frame goes with the window however the window is closed. Qt's own slot: no
    // command of ours runs, so there is nothing to guard.
    connect(janela, &QObject::destroyed, subjanela, &QWidget::close);
    subjanela->show();
    // The keyboard starts on the return period, the first edit of the open section.
    TJanelaAtiva::mostra(janela, janela->LblEdtTr);
    return subjanela;
}

// ---- Construction ---------------------------------------------------------------

void TFEntdados::criaPaginaEntrada()
{
    auto* pagina = TControles::nomeia(new QWidget, "EntradaDeDados");
    pagina->setProperty("HelpContext", ContextoAjuda::nenhum);
    NotePaginas->addWidget(pagina);
    PnEntradaDeDados =
        TControles::painel(pagina, "PnEntradaDeDados", QRect(0, 0, larguraCliente, alturaCliente));

    PnEsquerda = TControles::painel(PnEntradaDeDados, "PnEsquerda", QRect(0, 0, 417, alturaCliente));
    // alinhaAbas places the sections and the buttons' panel.
    PnPrecipitacao = TControles::painelEmRelevo(PnEsquerda, "PnPrecipitacao", QRect());
    PnCanal = TControles::painelEmRelevo(PnEsquerda, "PnCanal", QRect());
    PnAreaDeContribuicao = TControles::painelEmRelevo(PnEsquerda, "PnAreaDeContribuicao", QRect());
    PnPerfiDaCrista = TControles::painelEmRelevo(PnEsquerda, "PnPerfiDaCrista", QRect());
    PnSolo = TControles::painelEmRelevo(PnEsquerda, "PnSolo", QRect());
    for (int tag = 1; tag <= 4; ++tag)
        painelDaAba(tag)->resize(PnEsquerda->width(), TGeometriaEntrada::alturaAba(tag, false));

    PnCalculaAjudaCancela = TControles::painel(PnEsquerda, "PnCalculaAjudaCancela", QRect());
    QWidget* botoes = PnCalculaAjudaCancela;
    BttCalcula = TControles::botaoSemPadrao(botoes, "BttCalcula", QStringLiteral("Calcular"), QRect(10, 0, 75, 25));
    BttAjuda = TControles::botaoSemPadrao(botoes, "BttAjuda", QStringLiteral("Ajuda"), QRect(100, 0, 75, 25));
    BttCancela = TControles::botaoSemPadrao(botoes, "BttCancela", QStringLiteral("Cancelar"), QRect(190, 0, 75, 25));

    criaSecaoPrecipitacao();
    criaSecaoCanal();
    criaSecaoAreaDeContribuicao();
    criaSecaoPerfilDaCrista();
    criaSecaoSolo();
    alinhaAbas();

    PnDireita = TControles::painel(PnEntradaDeDados, "PnDireita", QRect());
    defineLarguraPnDireita(456);
    criaPainelImagem();
}

void TFEntdados::criaSecaoPrecipitacao()
{
    QFrame* p = PnPrecipitacao;
    sbPrecipitacao = TControles::botaoAba(p, "sbPrecipitacao", QStringLiteral("Precipitação"), lugarBotaoAba, 1);
    LblEdtTr = TControles::edicao(p, "LblEdtTr", QStringLiteral("T:"), QRect(46, 41, 55, 21));
    LblAnos = TControles::rotulo(p, "LblAnos", QStringLiteral("anos"), 107, 45);
    LblEdtK = TControles::edicao(p, "LblEdtK", QStringLiteral("K:"), QRect(46, 68, 70, 21));
    LblEdtA = TControles::edicao(p, "LblEdtA", QStringLiteral("a:"), QRect(160, 68, 70, 21));
    LblEdtB = TControles::edicao(p, "LblEdtB", QStringLiteral("b:"), QRect(46, 95, 70, 21));
    LblEdtC = TControles::edicao(p, "LblEdtC", QStringLiteral("c:"), QRect(160, 95, 70, 21));
    BttConsulta = TControles::botaoSemPadrao(p, "BttConsulta", QStringLiteral("Consulta"), QRect(171, 10, 75, 25));
    LblLatitude = TControles::rotulo(p, "LblLatitude", QStringLiteral("Latitude:"), 10, 128);
    meLatitude = TControles::nomeia(new TMaskEdit(p), "meLatitude");
    meLatitude->setGeometry(55, 125, 69, 21);
    meLatitude->setProperty("HelpContext", ContextoAjuda::coordenadas);
    LblLongitude = TControles::rotulo(p, "LblLongitude", QStringLiteral("Longitude:"), 140, 128);
    MELongitude = TControles::nomeia(new TMaskEdit(p), "MELongitude");
    MELongitude->setGeometry(197, 125, 69, 21);
    MELongitude->setProperty("HelpContext", ContextoAjuda::coordenadas);

    setTabOrder(LblEdtTr, LblEdtK);
    setTabOrder(LblEdtK, LblEdtB);
    setTabOrder(LblEdtB, LblEdtA);
    setTabOrder(LblEdtA, LblEdtC);
    setTabOrder(LblEdtC, BttConsulta);
    setTabOrder(BttConsulta, meLatitude);
    setTabOrder(meLatitude, MELongitude);
}

void TFEntdados::criaSecaoCanal()
{
    QFrame* p = PnCanal;
    sbCanal = TControles::botaoAba(p, "sbCanal", QStringLiteral("Canal"), lugarBotaoAba, 2);
    // Two pixels narrower than drawn, so its right edge keeps inside the panel's frame.
    LblEdtComprimentoTerraco = TControles::edicao(p, "LblEdtComprimentoTerraco",
                                                  QStringLiteral("Comprimento do Terraço (m):"), QRect(302, 14, 46, 21));
    LblEdtComprimentoTerraco->hide();
    LblPerfilDaSecaoTransversal = TControles::rotulo(p, "LblPerfilDaSecaoTransversal",
                                                     QStringLiteral("Perfil da seção transversal:"), 10, 55);
    CBTipoSecao = TControles::nomeia(new QComboBox(p), "CBTipoSecao");
    CBTipoSecao->addItems({QStringLiteral("triangular"), QStringLiteral("trapezoidal")});
    CBTipoSecao->setCurrentIndex(secaoTrapezoidal);
    CBTipoSecao->setGeometry(147, 51, 83, 21);
    SpeedButton1 = TControles::botaoRapido(p, "SpeedButton1", QStringLiteral("+"), QRect(276, 57, 23, 22));
    SpeedButton2 = TControles::botaoRapido(p, "SpeedButton2", QStringLiteral("-"), QRect(299, 57, 23, 22));
    SGridCanalSecao = TControles::cria<TStringGrid>(p, "SGridCanalSecao", QRect(10, 82, 328, 155), 8, 10, 1, 1);
}

void TFEntdados::criaSecaoAreaDeContribuicao()
{
    QFrame* p = PnAreaDeContribuicao;
    sbAreaDeContribuicao =
        TControles::botaoAba(p, "sbAreaDeContribuicao", QStringLiteral("Área de Contribuição"), lugarBotaoAba, 3);
    Label1 = TControles::rotulo(p, "Label1", QStringLiteral("Área agrícola"), 10, 41);
    SpeedButton3 = TControles::botaoRapido(p, "SpeedButton3", QStringLiteral("+"), QRect(355, 42, 23, 20));
    SpeedButton4 = TControles::botaoRapido(p, "SpeedButton4", QStringLiteral("-"), QRect(378, 42, 23, 20));
    SpeedButton3->hide();
    SpeedButton4->hide();
    RadioGTipoDeLevantamento = TControles::nomeia(new TRadioGroup(QStringLiteral("Tipo de Lecantamento"),
                                                      {QStringLiteral("utilizando nível ótico (irradiação)"),
                                                       QStringLiteral("utilizando trena (distância média)")},
                                                      p),
                                      "RadioGTipoDeLevantamento");
    RadioGTipoDeLevantamento->setGeometry(10, 58, 191, 87);
    RadioGTipoDeLevantamento->setFont(fonteEstreita());
    // Narrower margins than the group's own, so "utilizando trena (distância média)" shows whole.
    RadioGTipoDeLevantamento->layout()->setContentsMargins(4, 4, 2, 4);
    RadioGTipoDeLevantamento->setItemIndex(levantamentoIrradiacao);

    NoteAreaDeContribuicao = TControles::nomeia(new QStackedWidget(p), "NoteAreaDeContribuicao");
    // The survey notebook and the road group end two pixels above their drawn height, on
    // the panel's inner edge.
    NoteAreaDeContribuicao->setGeometry(207, 63, 210, 178);
    NoteAreaDeContribuicao->hide();
    auto* mira = TControles::nomeia(new QWidget, "mira");
    NoteAreaDeContribuicao->addWidget(mira);
    PnAreaContribucaoMira = TControles::painel(mira, "PnAreaContribucaoMira", QRect(0, 0, 210, 178));
    SGridMira = TControles::cria<TStringGrid>(PnAreaContribucaoMira, "SGridMira", QRect(0, 0, 210, 178), 5, 12, 1, 1);
    auto* trena = TControles::nomeia(new QWidget, "trena");
    trena->setProperty("HelpContext", ContextoAjuda::glossario);
    NoteAreaDeContribuicao->addWidget(trena);
    PnAreaContribucaoTrena = TControles::painel(trena, "PnAreaContribucaoTrena", QRect(0, 0, 210, 178));
    TControles::rotulo(PnAreaContribucaoTrena, "", QStringLiteral("Distância entre"), 15, 0);
    TControles::rotulo(PnAreaContribucaoTrena, "", QStringLiteral("terraços(m) :"), 33, 12);
    SGridTrena =
        TControles::cria<TStringGrid>(PnAreaContribucaoTrena, "SGridTrena", QRect(110, 3, 85, 164), 1, 10, 0, 0);

    criaEstrada();
}

void TFEntdados::criaEstrada()
{
    GroupBox1 = TControles::nomeia(new QGroupBox(QStringLiteral("Estrada"), PnAreaDeContribuicao), "GroupBox1");
    GroupBox1->setGeometry(10, 151, 191, 91);
    RadioButtonNaoContribui = TControles::opcao(GroupBox1, "RadioButtonNaoContribui", QStringLiteral("não contribui"),
                                                QRect(5, 16, 113, 17));
    RadioButtonNaoContribui->setChecked(true);
    RadioButtonContribui = TControles::opcao(GroupBox1, "RadioButtonContribui",
                                             QStringLiteral("Largura/Semilargura(m):"), QRect(5, 39, 140, 17));
    RadioButtonNaoContribui->setFont(fonteEstreita());
    RadioButtonContribui->setFont(fonteEstreita());
    EdtAreaContibuicaoSemiELargura = TControles::nomeia(new QLineEdit(GroupBox1), "EdtAreaContibuicaoSemiELargura");
    EdtAreaContibuicaoSemiELargura->setGeometry(145, 35, 40, 21);
    EdtAreaContibuicaoComprimento = TControles::nomeia(new QLineEdit(GroupBox1), "EdtAreaContibuicaoComprimento");
    EdtAreaContibuicaoComprimento->setGeometry(145, 62, 40, 21);
    // The label ends just before its edit, however wide the font draws it.
    Label4 = TControles::rotulo(GroupBox1, "Label4", QStringLiteral("Comprimento(m):"), 61, 65);
    Label4->move(std::min(61, EdtAreaContibuicaoComprimento->x() - 3 - Label4->width()), 65);
    pintaEdicao(EdtAreaContibuicaoSemiELargura, false);
    pintaEdicao(EdtAreaContibuicaoComprimento, false);
    // The controls were drawn for a title that sits on the frame's top line; where the
    // style puts the line under the title, they move down as much, to stay inside it.
    constexpr int topoDesenhado = 16;
    const int desce = std::max(0, GroupBox1->contentsRect().top() - topoDesenhado);
    for (QWidget* controle : GroupBox1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        controle->move(controle->x(), controle->y() + desce);
}

void TFEntdados::criaSecaoPerfilDaCrista()
{
    QFrame* p = PnPerfiDaCrista;
    sbPerfilDaCrista =
        TControles::botaoAba(p, "sbPerfilDaCrista", QStringLiteral("Perfil da Crista"), lugarBotaoAba, 4);
    TControles::rotulo(p, "", QStringLiteral("Leitura"), 108, 38);
    TControles::rotulo(p, "", QStringLiteral("Cota"), 178, 38);
    // The names of the crest's ends stand in a narrow strip beside their grids.
    TControles::rotulo(p, "", QStringLiteral("Extremidade"), 7, 61, fonteEstreita());
    TControles::rotulo(p, "", QStringLiteral("Início"), 28, 73, fonteEstreita());
    SGridCristaInicio = TControles::cria<TStringGrid>(p, "SGridCristaInicio", QRect(76, 57, 206, 28), 3, 1, 0, 1);
    SGridCristaInicio->setProperty("Tag", 1);
    TControles::rotulo(p, "", QStringLiteral("Pontos"), 37, 130);
    TControles::rotulo(p, "", QStringLiteral("da"), 47, 142);
    TControles::rotulo(p, "", QStringLiteral("crista"), 41, 154);
    SGridCristaMeio = TControles::cria<TStringGrid>(p, "SGridCristaMeio", QRect(76, 86, 168, 127), 3, 10, 0, 1);
    SGridCristaMeio->setProperty("Tag", 2);
    // The far end's grid and names stand two pixels higher than drawn, so the grid's
    // bottom keeps inside the panel.
    TControles::rotulo(p, "", QStringLiteral("Extremidade"), 7, 218, fonteEstreita());
    TControles::rotulo(p, "", QStringLiteral("Fim"), 27, 229, fonteEstreita());
    SGridCristaFim = TControles::cria<TStringGrid>(p, "SGridCristaFim", QRect(76, 214, 206, 28), 3, 1, 0, 1);
    SGridCristaFim->setProperty("Tag", 1);
    // Three pixels left of where they were drawn: the section is 270 wide.
    SpeedButton5 = TControles::botaoRapido(p, "SpeedButton5", QStringLiteral("+"), QRect(245, 86, 23, 22));
    SpeedButton6 = TControles::botaoRapido(p, "SpeedButton6", QStringLiteral("-"), QRect(245, 108, 23, 22));
}

void TFEntdados::criaSecaoSolo()
{
    sbSolo = TControles::botaoAba(PnSolo, "sbSolo", QStringLiteral("Solo"), lugarBotaoAba, 5);
    LblEdtSoloTIE = TControles::edicao(PnSolo, "LblEdtSoloTIE", QStringLiteral("Taxa de infiltração estável (mm/h):"),
                                       QRect(190, 44, 70, 21));
    LblEdtSoloTIE->hide();
}

void TFEntdados::criaPainelImagem()
{
    RButtonSecaoTrapComum =
        TControles::opcao(PnDireita, "RButtonSecaoTrapComum", QStringLiteral("comum"), QRect(61, 92, 57, 17));
    RButtonSecaoTrapComum->setChecked(true);
    RButtonSecaoTrapComum->hide();
    RButtonSecaoTrapComDegrau = TControles::opcao(PnDireita, "RButtonSecaoTrapComDegrau", QStringLiteral("com degrau"),
                                                  QRect(192, 92, 89, 17));
    RButtonSecaoTrapComDegrau->hide();
    PnBordaImage = TControles::nomeia(new TMolduraImagem(PnDireita), "PnBordaImage");
    PnBordaImage->setGeometry(11, 20, 436, 319);
    Image1 = TControles::nomeia(new QLabel(PnBordaImage), "Image1");
    Image1->move(3, 3);
    Image1->resize(0, 0);
}

void TFEntdados::criaPaginaResultados()
{
    auto* pagina = TControles::nomeia(new QWidget, "CapacidadeDeArmazenamento");
    pagina->setProperty("HelpContext", ContextoAjuda::glossario);
    NotePaginas->addWidget(pagina);
    PnResultados = TControles::painel(pagina, "PnResultados", QRect(0, 0, larguraCliente, alturaCliente));
    QFrame* p = PnResultados;
    using TPosicao = TLabeledEdit::TPosicaoRotulo;

    Label17 = TControles::rotulo(p, "Label17", QStringLiteral("Área agrícola"), 83, 5);
    Label18 = TControles::rotulo(p, "Label18", QStringLiteral(" Estrada"), 176, 5);
    Label12 = TControles::rotulo(p, "Label12", QStringLiteral("LES(mm):"), 20, 24);
    // Value labels get room for their numbers: they are rewritten by every evaluation.
    LblRLES = TControles::rotulo(p, "LblRLES", QStringLiteral("-"), 100, 24);
    LblRLES->resize(75, LblRLES->height());
    LblRLESestrada = TControles::rotulo(p, "LblRLESestrada", QStringLiteral("-"), 180, 24);
    LblRLESestrada->resize(50, LblRLESestrada->height());
    Label15 = TControles::rotulo(p, "Label15", QStringLiteral("Ac(m²):"), 28, 43);
    LblRAc = TControles::rotulo(p, "LblRAc", QStringLiteral("-"), 95, 43);
    LblRAc->resize(80, LblRAc->height());
    LblRAcEstrada = TControles::rotulo(p, "LblRAcEstrada", QStringLiteral("-"), 180, 43);
    LblRAcEstrada->resize(50, LblRAcEstrada->height());
    LblEdtRCotaCrista =
        TControles::resultado(p, "LblEdtRCotaCrista", QStringLiteral("Cota mais baixa da crista - CBC (m):"),
                              QRect(474, 43, 40, 21), TPosicao::lpLeft, fonteJanela(pixelsJanela));
    LblEdtRCotaBigode = TControles::resultado(p, "LblEdtRCotaBigode", QStringLiteral("Cota da extremidade - CE (m):"),
                                              QRect(700, 43, 40, 21), TPosicao::lpLeft, fonteJanela(pixelsJanela));
    Chart1 = TControles::nomeia(new TGrafico(p), "Chart1");
    Chart1->setGeometry(231, 66, 513, 377);

    SGridResultadosAr = TControles::cria<TStringGrid>(p, "SGridResultadosAr", QRect(60, 74, 132, 152), 2, 6, 1, 0);
    SGridRMedia = TControles::cria<TStringGrid>(p, "SGridRMedia", QRect(60, 232, 116, 28), 2, 1, 0, 1);
    for (TStringGrid* g : {SGridResultadosAr, SGridRMedia}) {
        g->setOptions({});
        g->setColWidths(0, 55);
        g->setColWidths(1, 55);
    }

    const QFont veredito = fonteJanela(pixelsResultados);
    LblEdtRVe = TControles::resultado(p, "LblEdtRVe", QStringLiteral("       Ve(m³)"), QRect(70, 301, 70, 24),
                                      TPosicao::lpAbove, veredito);
    LblEdtRVn = TControles::resultado(p, "LblEdtRVn", QStringLiteral("       Vn(m³)"), QRect(155, 301, 70, 24),
                                      TPosicao::lpAbove, veredito);
    LblEdtVeVn = TControles::resultado(p, "LblEdtVeVn", QStringLiteral("ER(%):"), QRect(70, 324, 155, 24),
                                       TPosicao::lpLeft, veredito);
    LblEdtAvaliacao = TControles::resultado(p, "LblEdtAvaliacao", QStringLiteral("Avaliação:"), QRect(70, 347, 155, 24),
                                            TPosicao::lpLeft, veredito);
    Label13 = TControles::rotulo(p, "Label13", QStringLiteral("Observação:"), 5, 382);
    MemObs = TControles::nomeia(new QPlainTextEdit(p), "MemObs");
    MemObs->setGeometry(70, 370, 155, 70);
    MemObs->setReadOnly(true);
    MemObs->setFont(fonteJanela(pixelsResultados));
    MemObs->setProperty("Tag", 0);
    // Below the verdict, over the room of the observation's caption and memo.
    LblMotivoSemAvaliacao = TControles::rotulo(p, "LblMotivoSemAvaliacao", QString(), 5, 372);
    LblMotivoSemAvaliacao->resize(220, 68);
    LblMotivoSemAvaliacao->setWordWrap(true);
    LblMotivoSemAvaliacao->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblMotivoSemAvaliacao->setFont(fonteJanela(pixelsResultados));
    QPalette grena = LblMotivoSemAvaliacao->palette();
    grena.setColor(QPalette::WindowText, QColor(128, 0, 0));
    LblMotivoSemAvaliacao->setPalette(grena);
    LblMotivoSemAvaliacao->hide();

    Button2 = TControles::botaoSemPadrao(p, "Button2", QStringLiteral("Gerar relatório"), QRect(498, 8, 80, 25));
    Button3 = TControles::botaoSemPadrao(p, "Button3", QStringLiteral("Ajuda"), QRect(579, 8, 80, 25));
    Button1 = TControles::botaoSemPadrao(p, "Button1", QStringLiteral("Voltar"), QRect(660, 8, 80, 25));
}

void TFEntdados::ligaEventos()
{
    for (int tag = 1; tag <= 5; ++tag) {
        QToolButton* b = botaoDaAba(tag);
        TAplicacao::liga(b, &QToolButton::clicked, this, [this, b] { abaEntradaDadosClick(b); });
    }
    TAplicacao::liga(BttCalcula, &QPushButton::clicked, this, [this] { BttCalculaClick(); });
    TAplicacao::liga(BttAjuda, &QPushButton::clicked, this, [this] { ajudaClick(); });
    TAplicacao::liga(BttCancela, &QPushButton::clicked, this, [this] { BttCancelaClick(); });
    TAplicacao::liga(Button1, &QPushButton::clicked, this, [this] { voltarClick(); });
    TAplicacao::liga(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    TAplicacao::liga(BttConsulta, &QPushButton::clicked, this, [this] { chamaNimbra(); });
    TAplicacao::liga(Button3, &QPushButton::clicked, this, [this] { ajudaRelatorioClick(); });
    TAplicacao::liga(CBTipoSecao, &QComboBox::activated, this, [this] { TipoSecaoChange(); });
    // The option switches run when a button becomes checked, not when a checked one is
    // clicked again.
    for (QRadioButton* o : {RButtonSecaoTrapComum, RButtonSecaoTrapComDegrau})
        TAplicacao::liga(o, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                mudaSecaoTrapezoidalClick();
        });
    TAplicacao::liga(RadioGTipoDeLevantamento, &TRadioGroup::Click, this, [this] { TipoLevantamentoClick(); });
    for (QRadioButton* o : {RadioButtonNaoContribui, RadioButtonContribui})
        TAplicacao::liga(o, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                AreaContribuicaoEstradaClick();
        });
    for (QObject* controle : std::initializer_list<QObject*>{Image1, LblEdtComprimentoTerraco,
                                                              EdtAreaContibuicaoSemiELargura,
                                                              EdtAreaContibuicaoComprimento})
        controle->installEventFilter(this);
    ligaRegrasDeEntrada();
}

bool TFEntdados::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonPress) {
        const auto* rato = static_cast<QMouseEvent*>(evento);
        if (objeto == Image1)
            Image1MouseDown(rato->button(), rato->position().toPoint().x(), rato->position().toPoint().y());
        else if (objeto == LblEdtComprimentoTerraco)
            ImagemComprimentoClick();
    } else if (evento->type() == QEvent::FocusIn) {
        if (objeto == EdtAreaContibuicaoSemiELargura)
            EdtAreaContibuicaoSemiELarguraEnter();
        else if (objeto == EdtAreaContibuicaoComprimento)
            EdtAreaContibuicaoComprimentoEnter();
    }
    return QWidget::eventFilter(objeto, evento);
}

// ---- Layout -----------------------------------------------------------------------

QFrame* TFEntdados::painelDaAba(int tag) const
{
    const std::array<QFrame*, 5> paineis{PnPrecipitacao, PnCanal, PnAreaDeContribuicao, PnPerfiDaCrista, PnSolo};
    return tag >= 1 && tag <= 5 ? paineis[static_cast<std::size_t>(tag - 1)] : nullptr;
}

QToolButton* TFEntdados::botaoDaAba(int tag) const
{
    const std::array<QToolButton*, 5> botoes{sbPrecipitacao, sbCanal, sbAreaDeContribuicao, sbPerfilDaCrista, sbSolo};
    return tag >= 1 && tag <= 5 ? botoes[static_cast<std::size_t>(tag - 1)] : nullptr;
}

// The first control of section `tag`, in the tab order, that takes typed text: an edit, a
// list or a grid, never one of its buttons or options.
QWidget* TFEntdados::primeiroCampo(int tag) const
{
    QWidget* painel = painelDaAba(tag);
    if (painel == nullptr)
        return nullptr;
    for (QWidget* w = painel->nextInFocusChain(); w != painel; w = w->nextInFocusChain()) {
        const bool recebeTexto = qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr
                                 || qobject_cast<QAbstractItemView*>(w) != nullptr;
        if (recebeTexto && painel->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(painel)
            && w->isEnabled())
            return w;
    }
    return nullptr;
}

void TFEntdados::alinhaAbas()
{
    std::array<int, 4> alturas{};
    for (int tag = 1; tag <= 4; ++tag)
        alturas[static_cast<std::size_t>(tag - 1)] = painelDaAba(tag)->height();
    const TGeometriaEntrada::TAbas abas =
        TGeometriaEntrada::alinhaAbas(PnEsquerda->width(), PnEsquerda->height(), alturas);
    for (int tag = 1; tag <= 5; ++tag)
        painelDaAba(tag)->setGeometry(qRect(abas.secoes[static_cast<std::size_t>(tag - 1)]));
    PnCalculaAjudaCancela->setGeometry(qRect(abas.botoes));
}

void TFEntdados::defineLarguraPnEsquerda(int largura)
{
    PnEsquerda->setGeometry(0, 0, largura, PnEntradaDeDados->height());
    alinhaAbas();
}

void TFEntdados::defineLarguraPnDireita(int largura)
{
    PnDireita->setGeometry(PnEntradaDeDados->width() - largura, 0, largura, PnEntradaDeDados->height());
    // The picture lies over whatever part of the left half it covers.
    PnDireita->raise();
}

void TFEntdados::mostraPagina(const QString& nome)
{
    if (auto* pagina = NotePaginas->findChild<QWidget*>(nome, Qt::FindDirectChildrenOnly))
        NotePaginas->setCurrentWidget(pagina);
}

QString TFEntdados::paginaAtiva() const
{
    return NotePaginas->currentWidget() ? NotePaginas->currentWidget()->objectName() : QString();
}

// ---- Showing ----------------------------------------------------------------------

void TFEntdados::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (!mostrada_) {
        mostrada_ = true;
        FormShow();
    }
}

void TFEntdados::FormShow()
{
    mostraPagina(QStringLiteral("EntradaDeDados"));
    abaClicada = 1;
    carregaImagem(q(TEscolhaImagemGuia::abertura(1, RadioGTipoDeLevantamento->ItemIndex())));
    sbPrecipitacao->setChecked(true);
    abaAberta = sbPrecipitacao->property("Tag").toInt();
    PnPrecipitacao->resize(PnPrecipitacao->width(), TGeometriaEntrada::alturaAba(1, true));
    alinhaAbas();
    preparaGrades();
}

void TFEntdados::preparaGrades()
{
    for (TGradeEntrada qual : gradesEntrada)
        if (const std::optional<TLargurasGrade> larguras = TColunasEntrada::inicio(qual)) {
            TStringGrid* g = gradeDeDados(qual);
            for (int c = 0; c < static_cast<int>(larguras->colunas.size()); ++c)
                g->setColWidths(c, larguras->colunas[static_cast<std::size_t>(c)]);
            g->resize(larguras->largura, g->height());
        }

    // Headers and row numbers as a new terrace has them, over whatever row counts the
    // grids have now.
    for (TGradeEntrada qual : gradesEntrada)
        gradeDeDados(qual)->defineGrade(TLinhasEntrada::numeraInicio(qual, gradeDeDados(qual)->grade()));
}

// ---- The accordion --------------------------------------------------------------

void TFEntdados::abaEntradaDadosClick(QObject* sender)
{
    auto* botaoClicado = qobject_cast<QToolButton*>(sender);
    if (!botaoClicado)
        return;
    abaClicada = botaoClicado->property("Tag").toInt();
    if (abaClicada == abaAberta) {
        botaoClicado->setChecked(true);
        return;
    }
    ajustaPainelAba(abaAberta, false);
    soltaBotaoAba();
    botaoClicado->setChecked(true);
    abaAberta = abaClicada;
    ajustaPainelAba(abaAberta, true);
    // A section button never takes the keyboard, and the field that had it may have just
    // gone with the closed section: the keyboard goes to the opened one, ready for typing.
    if (QWidget* campo = primeiroCampo(abaAberta))
        campo->setFocus(Qt::OtherFocusReason);
}

void TFEntdados::ajustaPainelAba(int tag, bool abre)
{
    if (QFrame* p = painelDaAba(tag)) {
        if (tag <= 4)
            p->resize(p->width(), TGeometriaEntrada::alturaAba(tag, abre));
        for (QWidget* controle : p->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (controle != botaoDaAba(tag))
                controle->setVisible(abre);
        alinhaAbas();
        if (abre) {
            defineLarguraPnEsquerda(TGeometriaEntrada::larguraEsquerda(tag));
            if (const std::string imagem = TEscolhaImagemGuia::abertura(tag, RadioGTipoDeLevantamento->ItemIndex());
                !imagem.empty())
                carregaImagem(q(imagem));
        }
        ajustaCanal(TAbaCanal::mudanca(tag, abre));
    }
    ajustaPanelImage();
}

void TFEntdados::ajustaCanal(const TAbaCanal::TMudanca& mudanca)
{
    if (mudanca.mostraOpcoes) {
        RButtonSecaoTrapComDegrau->show();
        RButtonSecaoTrapComum->show();
    }
    if (mudanca.variacaoDireita != 0)
        defineLarguraPnDireita(PnDireita->width() + mudanca.variacaoDireita);
    if (mudanca.refazOpcao)
        mudaSecaoTrapezoidalClick();
    if (mudanca.refazTipoSecao)
        TipoSecaoChange();
    if (mudanca.escondeOpcoes) {
        RButtonSecaoTrapComDegrau->hide();
        RButtonSecaoTrapComum->hide();
    }
}

void TFEntdados::soltaBotaoAba()
{
    if (QToolButton* b = botaoDaAba(abaAberta))
        b->setChecked(false);
}

// ---- The guide picture ----------------------------------------------------------

void TFEntdados::carregaImagem(const QString& nome)
{
    imagemAtual_ = nome;
    const QPixmap imagem = TImagensGuia::carrega(nome, this);
    Image1->setPixmap(imagem);
    Image1->resize(imagem.size());
}

// A control's picture shows only while its section is open: switches that the program
// runs for a closed section (reading a project, filling a grid) leave the picture of the
// section on show.
void TFEntdados::carregaImagemDaAba(int tag, const std::string& nome)
{
    if (abaAberta == tag && !nome.empty())
        carregaImagem(q(nome));
}

void TFEntdados::ajustaPanelImage()
{
    const QRect moldura = PnBordaImage->geometry();
    const TGeometriaEntrada::TImagem imagem = TGeometriaEntrada::ajustaImagem(
        Image1->width(), Image1->height(), {moldura.x(), moldura.y(), moldura.width(), moldura.height()},
        PnDireita->width());
    if (imagem.larguraDireita != PnDireita->width())
        defineLarguraPnDireita(imagem.larguraDireita);
    PnBordaImage->setGeometry(qRect(imagem.moldura));
}

void TFEntdados::Image1MouseDown(Qt::MouseButton, int x, int y)
{
    if (sbPrecipitacao->isChecked() && TGeometriaEntrada::atalhoProgramaTerraco.contem(x, y))
        iniciaProgramaTerraco();
}

void TFEntdados::iniciaProgramaTerraco()
{
    const QString programa = QString::fromStdString(pastaPrograma()) + programaTerraco;
    switch (TIniciaProcesso::inicia(programa)) {
    case TIniciaProcesso::TResultado::iniciado:
        break;
    case TIniciaProcesso::TResultado::inexistente:
        TCaixaMensagem::mostra(QStringLiteral("O arquivo ") + programa + QStringLiteral(" não existe."), this);
        break;
    case TIniciaProcesso::TResultado::falhou:
        TCaixaMensagem::mostra(QStringLiteral("Não foi possível iniciar o programa ") + programa + QStringLiteral("."),
                               this);
        break;
    }
}

// ---- The evaluation --------------------------------------------------------------

void TFEntdados::BttCalculaClick()
{
    setWindowTitle(QStringLiteral("Capacidade de armazenamento do terraço"));
    const bool concluida = avaliacao_.executa(lerDados());
    mostraResultado(avaliacao_.resultado());
    if (!concluida) {
        TCaixaMensagem::mostra(q(avaliacao_.mensagem()), this);
        return;
    }
    mostraPagina(QStringLiteral("CapacidadeDeArmazenamento"));
    emit avaliacaoConcluida();
}

void TFEntdados::mostraResultado(const TResultadoAvaliacao& r)
{
    for (const auto& [rotulo, texto] : {std::pair{LblRLES, &r.LblRLES}, std::pair{LblRLESestrada, &r.LblRLESestrada},
                                        std::pair{LblRAc, &r.LblRAc}, std::pair{LblRAcEstrada, &r.LblRAcEstrada}})
        mostraInteiro(rotulo, q(*texto), pixelsJanela);
    mostraInteiro(LblEdtRCotaCrista, q(r.LblEdtRCotaCrista), pixelsJanela);
    mostraInteiro(LblEdtRCotaBigode, q(r.LblEdtRCotaBigode), pixelsJanela);
    SGridResultadosAr->defineGrade(r.SGridResultadosAr);
    SGridRMedia->defineGrade(r.SGridRMedia);
    mostraInteiro(LblEdtRVe, q(r.LblEdtRVe), pixelsResultados);
    mostraInteiro(LblEdtRVn, q(r.LblEdtRVn), pixelsResultados);
    mostraInteiro(LblEdtVeVn, q(r.LblEdtVeVn), pixelsResultados);
    mostraInteiro(LblEdtAvaliacao, q(r.LblEdtAvaliacao), pixelsResultados);
    MemObs->setPlainText(q(r.MemObs));
    MemObs->setProperty("Tag", r.MemObsTag);
    const bool semAvaliacao = !r.LblMotivoSemAvaliacao.empty();
    LblMotivoSemAvaliacao->setText(q(r.LblMotivoSemAvaliacao));
    LblMotivoSemAvaliacao->setVisible(semAvaliacao);
    Label13->setVisible(!semAvaliacao);
    MemObs->setVisible(!semAvaliacao);
    cotasCrista = r.cotasCrista;
    nPontosCrista = r.nPontosCrista;
    for (TStringGrid* g : {SGridCristaInicio, SGridCristaMeio, SGridCristaFim})
        g->viewport()->update();
    seriesGrafico = r.seriesGrafico;
    Chart1->mostraLinhas(seriesGrafico);
}

// ---- Buttons --------------------------------------------------------------------

void TFEntdados::ajudaClick()
{
    if (abaClicada >= 1 && abaClicada <= 5)
        TAjudaAplicacao::HelpContext(contextosAba[static_cast<std::size_t>(abaClicada - 1)]);
}

void TFEntdados::ajudaRelatorioClick()
{
    TAjudaAplicacao::HelpContext(ContextoAjuda::resultados);
}

void TFEntdados::voltarClick()
{
    setWindowTitle(QStringLiteral("Entrada de Dados"));
    mostraPagina(QStringLiteral("EntradaDeDados"));
}

void TFEntdados::BttCancelaClick()
{
    emit pedidoFecharProjeto();
}

void TFEntdados::Button2Click()
{
    emit pedidoRelatorio();
}

TResultadoAvaliacao TFEntdados::resultadoNaTela() const
{
    TResultadoAvaliacao r;
    r.LblRLES = s(LblRLES->text());
    r.LblRLESestrada = s(LblRLESestrada->text());
    r.LblRAc = s(LblRAc->text());
    r.LblRAcEstrada = s(LblRAcEstrada->text());
    r.LblEdtRCotaCrista = s(LblEdtRCotaCrista->text());
    r.LblEdtRCotaBigode = s(LblEdtRCotaBigode->text());
    r.LblEdtRVe = s(LblEdtRVe->text());
    r.LblEdtRVn = s(LblEdtRVn->text());
    r.LblEdtVeVn = s(LblEdtVeVn->text());
    r.LblEdtAvaliacao = s(LblEdtAvaliacao->text());
    r.MemObs = s(MemObs->toPlainText());
    r.MemObsTag = MemObs->property("Tag").toInt();
    r.LblMotivoSemAvaliacao = s(LblMotivoSemAvaliacao->text());
    return r;
}

// ---- The rainfall-equation lookup ----------------------------------------------

void TFEntdados::chamaNimbra()
{
    Nimbra211->IndEstado = EstadoConsulta;
    try {
        if (Nimbra211->executa())
            copiaConsulta(*Nimbra211);
    } catch (const EDadosNaoInstalados&) {
        TCaixaMensagem::mostra(q(MensagemInstaleArquivos), this);
        iniciaInstalador();
    }
}

void TFEntdados::copiaConsulta(const TNimbra21& consulta)
{
    const TTextosConsulta textos = textosConsulta({.K = consulta.EquacaoIDF.K,
                                                   .A = consulta.EquacaoIDF.A,
                                                   .B = consulta.EquacaoIDF.B,
                                                   .C = consulta.EquacaoIDF.C,
                                                   .Latitude = consulta.Latitude,
                                                   .Longitude = consulta.Longitude,
                                                   .StrEstado = consulta.StrEstado,
                                                   .StrCidade = consulta.StrCidade,
                                                   .Autoria = consulta.Autoria()});
    LblEdtK->setText(q(textos.LblEdtK));
    LblEdtA->setText(q(textos.LblEdtA));
    LblEdtB->setText(q(textos.LblEdtB));
    LblEdtC->setText(q(textos.LblEdtC));
    MELongitude->setText(q(textos.MELongitude));
    estadoConsulta = textos.lugar.estadoConsulta;
    localidadeConsulta = textos.lugar.localidadeConsulta;
    estacaoConsulta = textos.lugar.estacaoConsulta;
    meLatitude->setText(q(textos.meLatitude));
}

// The installer runs on its own; the program does not wait for it. One that cannot start
// is said so, with the folder where the data belongs, for the user to put it there.
void TFEntdados::iniciaInstalador()
{
    const std::string instalador = pastaPrograma() + NomeInstaladorArquivosComuns;
    if (TIniciaProcesso::inicia(q(instalador)) != TIniciaProcesso::TResultado::iniciado)
        TCaixaMensagem::mostra(q(mensagemInstaladorNaoIniciado(instalador, TfrmFoConsulta::pastaDados())), this);
}

// ---- Switches -------------------------------------------------------------------

void TFEntdados::TipoSecaoChange()
{
    const std::optional<TVistaTipoSecao> vista = TColunasEntrada::tipoSecao(CBTipoSecao->currentIndex());
    if (vista) {
        RButtonSecaoTrapComDegrau->setVisible(vista->opcoesTrapezio);
        RButtonSecaoTrapComum->setVisible(vista->opcoesTrapezio);
        for (int c = 1; c <= static_cast<int>(vista->larguras.size()); ++c)
            SGridCanalSecao->setColWidths(c, vista->larguras[static_cast<std::size_t>(c - 1)]);
    }
    carregaImagemDaAba(2, TEscolhaImagemGuia::tipoSecao(CBTipoSecao->currentIndex()));
    if (vista && vista->opcoesTrapezio)
        RButtonSecaoTrapComum->setChecked(true);
    ajustaPanelImage();
}

void TFEntdados::mudaSecaoTrapezoidalClick()
{
    carregaImagemDaAba(2, TEscolhaImagemGuia::trapezio(RButtonSecaoTrapComDegrau->isChecked(),
                                                       RButtonSecaoTrapComum->isChecked()));
}

void TFEntdados::TipoLevantamentoClick()
{
    const int metodo = RadioGTipoDeLevantamento->ItemIndex();
    if (metodo >= 0 && metodo < NoteAreaDeContribuicao->count())
        NoteAreaDeContribuicao->setCurrentIndex(metodo);
    carregaImagemDaAba(3, TEscolhaImagemGuia::levantamento(metodo));
}

void TFEntdados::AreaContribuicaoEstradaClick()
{
    const bool contribui = RadioButtonContribui->isChecked();
    pintaEdicao(EdtAreaContibuicaoSemiELargura, contribui);
    pintaEdicao(EdtAreaContibuicaoComprimento, contribui);
    if (!contribui) {
        EdtAreaContibuicaoSemiELargura->clear();
        EdtAreaContibuicaoComprimento->clear();
    }
    carregaImagemDaAba(3, TEscolhaImagemGuia::estrada(contribui, RadioGTipoDeLevantamento->ItemIndex()));
    ajustaPanelImage();
}

void TFEntdados::EdtAreaContibuicaoSemiELarguraEnter()
{
    carregaImagemDaAba(3, TEscolhaImagemGuia::estrada(true, RadioGTipoDeLevantamento->ItemIndex()));
}

void TFEntdados::EdtAreaContibuicaoComprimentoEnter()
{
    carregaImagemDaAba(3, TEscolhaImagemGuia::estrada(true, RadioGTipoDeLevantamento->ItemIndex()));
}

void TFEntdados::ImagemComprimentoClick()
{
    carregaImagemDaAba(2, "Comprimento_do_terraco.bmp");
    ajustaPanelImage();
}

// ---- Input rules ------------------------------------------------------------------

namespace {

constexpr int colunaLeituraCrista = 1;
constexpr int colunaCotaCrista = 2;

} // namespace

void TFEntdados::ligaRegrasDeEntrada()
{
    criaMenuGrades();
    auto* filtroEdicoes = new TFiltroTeclas([this](QObject* remetente, QChar& tecla) { apenasDouble(remetente, tecla); },
                                            this);
    // Typed keys meet the key filters; every change, pasted and dropped text included, then
    // meets the same rules over the whole text.
    for (QLineEdit* e : std::initializer_list<QLineEdit*>{LblEdtK, LblEdtA, LblEdtB, LblEdtC, LblEdtComprimentoTerraco,
                                                          EdtAreaContibuicaoSemiELargura, EdtAreaContibuicaoComprimento,
                                                          LblEdtSoloTIE}) {
        filtroEdicoes->instala(e);
        TFiltroInsercao::instala(e, [](const QString& antes, const QString& depois) {
            return q(alteracaoDecimal(s(antes), s(depois), configuracaoRegional().DecimalSeparator));
        });
    }
    TFiltroTextoProjeto::instala(LblEdtTr);
    for (TStringGrid* g : {SGridCanalSecao, SGridMira, SGridTrena, SGridCristaInicio, SGridCristaMeio, SGridCristaFim}) {
        g->setOnKeyPress([this](QObject*, QChar& tecla) { SGridKeyPress(tecla); });
        g->setOnInsercao([](const QString& antes, const QString& depois) {
            return q(alteracaoGrade(s(antes), s(depois), configuracaoRegional().DecimalSeparator));
        });
    }
    for (TStringGrid* g : {SGridCristaInicio, SGridCristaMeio, SGridCristaFim}) {
        TAplicacao::liga(g, &TStringGrid::SelectCell, this,
                         [this, g](int coluna) { SgridCristaSelectCell(g, coluna); });
        // Not under the guard: it runs inside the grid's painting, where a message box must
        // not open, and it only draws.
        connect(g, &TStringGrid::DrawCell, this, [this, g](int coluna, int linha, const QRect& area, QPainter* canvas) {
            SGridCristaDrawCell(g, coluna, linha, area, canvas);
        });
        TAplicacao::liga(g, &QAbstractItemView::clicked, this, [this, g] { SGridCristaInicioClick(g); });
    }
    TAplicacao::liga(SGridCanalSecao, &TStringGrid::SelectCell, this,
                     [this](int coluna) { SgridCanalSelectCell(coluna); });
    TAplicacao::liga(SGridMira, &TStringGrid::SelectCell, this,
                     [this](int coluna) { SgridAreaContribuicaoSelectCell(coluna); });
    for (TStringGrid* g : {SGridCanalSecao, SGridMira, SGridTrena, SGridCristaMeio}) {
        TAplicacao::liga(g, &TStringGrid::MouseDown, this,
                         [this](Qt::MouseButton botao) { SgridMiraMouseDown(botao); });
        g->setPopupMenu(PopupMenuGridMira);
    }
    for (QToolButton* b : {SpeedButton1, SpeedButton3, SpeedButton5})
        TAplicacao::liga(b, &QToolButton::clicked, this, [this] { adicionaLinhaClick(); });
    for (QToolButton* b : {SpeedButton2, SpeedButton4, SpeedButton6})
        TAplicacao::liga(b, &QToolButton::clicked, this, [this] { removeLinhaClick(); });
}

void TFEntdados::apenasDouble(QObject* sender, QChar& key)
{
    const auto* edicao = qobject_cast<const QLineEdit*>(sender);
    if (!edicao) {
        key = QChar();
        return;
    }
    const char32_t tecla = teclaDecimal(s(edicao->text()), key.unicode(), configuracaoRegional().DecimalSeparator);
    key = QChar(static_cast<char16_t>(tecla));
}

void TFEntdados::SGridKeyPress(QChar& key)
{
    key = QChar(static_cast<char16_t>(teclaGrade(key.unicode(), configuracaoRegional().DecimalSeparator)));
}

void TFEntdados::SgridCristaSelectCell(QObject* sender, int coluna)
{
    auto* grade = qobject_cast<TStringGrid*>(sender);
    if (!grade)
        return;
    if (coluna == colunaCotaCrista)
        grade->setOptions(grade->Options() & ~TStringGrid::goEditing);
    else if (coluna == colunaLeituraCrista)
        grade->setOptions(grade->Options() | TStringGrid::goEditing);
}

QString TFEntdados::textoCota(const TStringGrid* grade, int linha) const
{
    const TGradeCrista qual = grade == SGridCristaInicio ? TGradeCrista::inicio
                              : grade == SGridCristaFim  ? TGradeCrista::fim
                                                         : TGradeCrista::meio;
    return q(textoCotaCrista(qual, linha, cotasCrista, nPontosCrista));
}

// The elevations are not cell texts: they are drawn over the cell, on grey, each time the
// grid paints, so the column always shows the last evaluation.
void TFEntdados::SGridCristaDrawCell(QObject* sender, int coluna, int linha, const QRect& area, QPainter* canvas)
{
    const auto* grade = qobject_cast<const TStringGrid*>(sender);
    if (!grade || coluna != colunaCotaCrista)
        return;
    canvas->fillRect(area, grade->palette().color(QPalette::Button));
    canvas->setPen(grade->palette().color(QPalette::ButtonText));
    canvas->setFont(grade->font());
    canvas->drawText(area.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     textoCota(grade, linha));
}

void TFEntdados::SGridCristaInicioClick(QObject* sender)
{
    const int tag = sender ? sender->property("Tag").toInt() : 0;
    carregaImagemDaAba(4, TEscolhaImagemGuia::gradeCrista(tag));
}

void TFEntdados::SgridCanalSelectCell(int coluna)
{
    const std::string familia = TEscolhaImagemGuia::familiaCanal(
        s(CBTipoSecao->currentText()), RButtonSecaoTrapComDegrau->isChecked(), RButtonSecaoTrapComum->isChecked());
    carregaImagemDaAba(2, TEscolhaImagemGuia::colunaCanal(familia, coluna));
    ajustaPanelImage();
}

void TFEntdados::SgridAreaContribuicaoSelectCell(int coluna)
{
    carregaImagemDaAba(3, TEscolhaImagemGuia::colunaMira(coluna));
    ajustaPanelImage();
}

void TFEntdados::SgridMiraMouseDown(Qt::MouseButton botao)
{
    TStringGrid* grade = gradeDaAbaAberta();
    if (!grade)
        return;
    if (botao == Qt::RightButton)
        grade->setOptions(grade->Options() | TStringGrid::goRowSelect);
    else
        grade->setOptions(grade->Options() & ~TStringGrid::goRowSelect);
}

// ---- Row commands -----------------------------------------------------------------

void TFEntdados::criaMenuGrades()
{
    PopupMenuGridMira = TControles::nomeia(new QMenu(this), "PopupMenuGridMira");
    Excluirlinha1 = TControles::nomeia(PopupMenuGridMira->addAction(QStringLiteral("Inserir linha antes")), "Excluirlinha1");
    Inserirlinhadepois1 =
        TControles::nomeia(PopupMenuGridMira->addAction(QStringLiteral("Inserir linha depois")), "Inserirlinhadepois1");
    Excluirlinha2 = TControles::nomeia(PopupMenuGridMira->addAction(QStringLiteral("Excluir linha")), "Excluirlinha2");
    TAplicacao::liga(Excluirlinha1, &QAction::triggered, this, [this] { InserirLinhaAntesSgridMira(); });
    TAplicacao::liga(Inserirlinhadepois1, &QAction::triggered, this, [this] { InserirLinhaDepoisSGridMira(); });
    TAplicacao::liga(Excluirlinha2, &QAction::triggered, this, [this] { Excluirlinha2Click(); });
}

TStringGrid* TFEntdados::gradeDeDados(TGradeEntrada qual) const
{
    switch (qual) {
    case TGradeEntrada::canal:
        return SGridCanalSecao;
    case TGradeEntrada::mira:
        return SGridMira;
    case TGradeEntrada::trena:
        return SGridTrena;
    case TGradeEntrada::cristaInicio:
        return SGridCristaInicio;
    case TGradeEntrada::cristaMeio:
        return SGridCristaMeio;
    case TGradeEntrada::cristaFim:
        return SGridCristaFim;
    }
    return nullptr;
}

std::optional<TGradeEntrada> TFEntdados::qualGrade(const TStringGrid* grade) const
{
    for (TGradeEntrada qual : gradesEntrada)
        if (gradeDeDados(qual) == grade)
            return qual;
    return std::nullopt;
}

std::optional<TGradeEntrada> TFEntdados::gradeAberta() const
{
    return TLinhasEntrada::gradeDaAba(abaAberta, s(NoteAreaDeContribuicao->currentWidget()->objectName()));
}

TStringGrid* TFEntdados::gradeDaAbaAberta() const
{
    const std::optional<TGradeEntrada> qual = gradeAberta();
    return qual ? gradeDeDados(*qual) : nullptr;
}

// Rows that go take their texts with them and rows that come arrive empty, so "-" and
// then "+" never bring old values back.
void TFEntdados::adicionaLinhaClick()
{
    if (const std::optional<TGradeEntrada> qual = gradeAberta()) {
        TStringGrid* grade = gradeDeDados(*qual);
        grade->defineGrade(TLinhasEntrada::acrescentaLinha(*qual, grade->grade()));
    }
}

void TFEntdados::removeLinhaClick()
{
    if (TStringGrid* grade = gradeDaAbaAberta())
        grade->setRowCount(grade->RowCount() - 1);
}

void TFEntdados::InserirLinhaAntesSgridMira()
{
    if (TStringGrid* grade = gradeDaAbaAberta())
        InserirLinhaAntesStringGrid(grade);
}

void TFEntdados::InserirLinhaDepoisSGridMira()
{
    if (TStringGrid* grade = gradeDaAbaAberta())
        InserirLinhaDepoisStringGrid(grade);
}

void TFEntdados::Excluirlinha2Click()
{
    if (TStringGrid* grade = gradeDaAbaAberta())
        RemoverLinhaStringGrid(grade);
}

void TFEntdados::InserirLinhaAntesStringGrid(TStringGrid* grade)
{
    insereLinha(grade, grade->Row());
}

void TFEntdados::InserirLinhaDepoisStringGrid(TStringGrid* grade)
{
    insereLinha(grade, grade->Row() + 1);
}

void TFEntdados::insereLinha(TStringGrid* grade, int linha)
{
    if (const std::optional<TGradeEntrada> qual = qualGrade(grade))
        grade->defineGrade(TLinhasEntrada::insereLinha(*qual, grade->grade(), linha));
}

void TFEntdados::RemoverLinhaStringGrid(TStringGrid* grade)
{
    if (const std::optional<TGradeEntrada> qual = qualGrade(grade))
        grade->defineGrade(TLinhasEntrada::excluiLinha(*qual, grade->grade(), grade->Row()));
}

// ---- The terrace's values -------------------------------------------------------

void TFEntdados::aplicaLeitura(const TLeituraProjeto& leitura)
{
    for (const TEfeitoLeitura& efeito : leitura.efeitos)
        std::visit([this](const auto& passo) { aplicaEfeito(passo); }, efeito);
    escreveDados(leitura.dados);
}

void TFEntdados::aplicaEfeito(const TEfeitoTipoSecao& efeito)
{
    CBTipoSecao->setCurrentIndex(efeito.indice);
}

void TFEntdados::aplicaEfeito(const TEfeitoLarguraColunas& efeito)
{
    for (int coluna : efeito.colunas)
        SGridCanalSecao->setColWidths(coluna, efeito.largura);
}

void TFEntdados::aplicaEfeito(const TEfeitoEstrada& efeito)
{
    marcaPar(RadioButtonContribui, efeito.contribui, RadioButtonNaoContribui, !efeito.contribui);
    if (efeito.executaManipulador)
        AreaContribuicaoEstradaClick();
}

void TFEntdados::aplicaEfeito(const TEfeitoLevantamento& efeito)
{
    if (auto* pagina = NoteAreaDeContribuicao->findChild<QWidget*>(q(efeito.pagina), Qt::FindDirectChildrenOnly))
        NoteAreaDeContribuicao->setCurrentWidget(pagina);
    RadioGTipoDeLevantamento->setItemIndex(efeito.indice);
    if (efeito.executaManipulador)
        TipoLevantamentoClick();
}


TDadosTerraco TFEntdados::lerDados() const
{
    TDadosTerraco d;
    d.LblEdtTr = s(LblEdtTr->text());
    d.LblEdtK = s(LblEdtK->text());
    d.LblEdtA = s(LblEdtA->text());
    d.LblEdtB = s(LblEdtB->text());
    d.LblEdtC = s(LblEdtC->text());
    d.meLatitude = s(meLatitude->Text());
    d.MELongitude = s(MELongitude->Text());
    d.CBTipoSecao = CBTipoSecao->currentIndex();
    d.RButtonSecaoTrapComum = RButtonSecaoTrapComum->isChecked();
    d.RButtonSecaoTrapComDegrau = RButtonSecaoTrapComDegrau->isChecked();
    d.LblEdtComprimentoTerraco = s(LblEdtComprimentoTerraco->text());
    d.SGridCanalSecao = SGridCanalSecao->grade();
    d.RadioGTipoDeLevantamento = RadioGTipoDeLevantamento->ItemIndex();
    d.SGridMira = SGridMira->grade();
    d.SGridTrena = SGridTrena->grade();
    d.RadioButtonNaoContribui = RadioButtonNaoContribui->isChecked();
    d.RadioButtonContribui = RadioButtonContribui->isChecked();
    d.EdtAreaContibuicaoSemiELargura = s(EdtAreaContibuicaoSemiELargura->text());
    d.EdtAreaContibuicaoComprimento = s(EdtAreaContibuicaoComprimento->text());
    d.SGridCristaInicio = SGridCristaInicio->grade();
    d.SGridCristaMeio = SGridCristaMeio->grade();
    d.SGridCristaFim = SGridCristaFim->grade();
    d.LblEdtSoloTIE = s(LblEdtSoloTIE->text());
    return d;
}

void TFEntdados::escreveDados(const TDadosTerraco& d)
{
    LblEdtTr->setText(q(d.LblEdtTr));
    LblEdtK->setText(q(d.LblEdtK));
    LblEdtA->setText(q(d.LblEdtA));
    LblEdtB->setText(q(d.LblEdtB));
    LblEdtC->setText(q(d.LblEdtC));
    meLatitude->setText(q(d.meLatitude));
    MELongitude->setText(q(d.MELongitude));
    CBTipoSecao->setCurrentIndex(d.CBTipoSecao);
    marcaPar(RButtonSecaoTrapComum, d.RButtonSecaoTrapComum, RButtonSecaoTrapComDegrau, d.RButtonSecaoTrapComDegrau);
    LblEdtComprimentoTerraco->setText(q(d.LblEdtComprimentoTerraco));
    SGridCanalSecao->defineGrade(d.SGridCanalSecao);
    RadioGTipoDeLevantamento->setItemIndex(d.RadioGTipoDeLevantamento);
    SGridMira->defineGrade(d.SGridMira);
    SGridTrena->defineGrade(d.SGridTrena);
    marcaPar(RadioButtonNaoContribui, d.RadioButtonNaoContribui, RadioButtonContribui, d.RadioButtonContribui);
    EdtAreaContibuicaoSemiELargura->setText(q(d.EdtAreaContibuicaoSemiELargura));
    EdtAreaContibuicaoComprimento->setText(q(d.EdtAreaContibuicaoComprimento));
    SGridCristaInicio->defineGrade(d.SGridCristaInicio);
    SGridCristaMeio->defineGrade(d.SGridCristaMeio);
    SGridCristaFim->defineGrade(d.SGridCristaFim);
    LblEdtSoloTIE->setText(q(d.LblEdtSoloTIE));
}
