#include "rainfall_equations/FoConsulta.h"

#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TControles.h"
#include "plataforma/TFiltroTeclas.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TImagem.h"
#include "plataforma/TJanelaAtiva.h"
#include "plataforma/TListBox.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/TextoQt.h"
#include "plataforma/nucleo/ContextoAjuda.h"
#include "rainfall_equations/FoAutor.h"
#include "rainfall_equations/FoSobreNimbra.h"
#include "rainfall_equations/RelatorioNimbra.h"
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/CoresMapaBrasil.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/TMudancaEstado.h"
#include "rainfall_equations/nucleo/TPosicaoEixos.h"
#include "rainfall_equations/nucleo/TRestauracao.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <string_view>

namespace {

constexpr int larguraCliente = 742;
constexpr int alturaCliente = 544;
constexpr int ladoMapa = 450;
// Between a caption's right edge and the control it names.
constexpr int margemLegenda = 3;

// The help command of the menu's "Conteúdo": the help's contents.
constexpr std::uint16_t HELP_FINDER = 11;

const std::string chamadorAtivacao = "FormActivate";
const QString legendaAutor = QStringLiteral("Autor");
const QString mapaBrasil = QStringLiteral(":/imagens/MapaBrasil.bmp");

std::string& pastaDadosDefinida()
{
    static std::string pasta;
    return pasta;
}

// The hourglass over the whole program while a state comes on show.
class TCursorEspera {
public:
    TCursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursorEspera() { QApplication::restoreOverrideCursor(); }
    TCursorEspera(const TCursorEspera&) = delete;
    TCursorEspera& operator=(const TCursorEspera&) = delete;
};

// Chamador names the first showing while it runs the state change, whatever way that ends.
class TChamadorAtivacao {
public:
    TChamadorAtivacao() { Chamador = chamadorAtivacao; }
    ~TChamadorAtivacao() { Chamador.clear(); }
    TChamadorAtivacao(const TChamadorAtivacao&) = delete;
    TChamadorAtivacao& operator=(const TChamadorAtivacao&) = delete;
};

// A line of the crosshair: drawn, never in the way of the picture's mouse events.
QFrame* eixo(QWidget* pai, const char* nome, const QRect& area)
{
    auto* e = TControles::nomeia(new QFrame(pai), nome);
    e->setGeometry(area);
    TControles::pintaFundo(e, Qt::black);
    e->setCursor(Qt::CrossCursor);
    e->setEnabled(false);
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    e->hide();
    return e;
}

// A coordinate label beside the crosshair: bold on white.
QLabel* rotuloEixo(QWidget* pai, const char* nome, int x, int y)
{
    QLabel* r = TControles::rotuloNegrito(pai, nome, QStringLiteral("0000"), x, y);
    TControles::pintaFundo(r, Qt::white);
    r->hide();
    return r;
}

// The caption of one parameter in its white box.
QLabel* parametro(QWidget* pai, const char* nome, const QRect& area)
{
    auto* r = TControles::nomeia(new QLabel(pai), nome);
    r->setGeometry(area);
    r->setFrameStyle(QFrame::Box | QFrame::Plain);
    TControles::pintaFundo(r, Qt::white);
    r->setAlignment(Qt::AlignCenter);
    r->setWordWrap(true);
    return r;
}

void defineContexto(QWidget* controle, std::uint32_t contexto)
{
    controle->setProperty("HelpContext", contexto);
}

// A list of stations or localities: rows 13 pixels high, with its hint and help context.
TListBox* lista(QWidget* pai, const char* nome, const QRect& area, const QString& dica, std::uint32_t contexto)
{
    auto* l = TControles::nomeia(new TListBox(pai), nome);
    l->setGeometry(area);
    l->setItemHeight(13);
    l->setToolTip(dica);
    defineContexto(l, contexto);
    return l;
}

// A coordinate edit of the typed point, with its hint and help context.
TMaskEdit* edicaoCoordenada(QWidget* pai, const char* nome, const QRect& area, const QString& dica,
                            std::uint32_t contexto)
{
    auto* e = TControles::nomeia(new TMaskEdit(pai), nome);
    e->setGeometry(area);
    e->setToolTip(dica);
    defineContexto(e, contexto);
    return e;
}

// The label's text, moved to where it stands.
void mostraEm(QLabel* r, const TPosicao& p)
{
    r->move(p.Esquerda, p.Topo);
    r->adjustSize();
}

using TextoQt::q;

// The colour of a picture pixel; nothing outside the picture.
std::optional<TCor> corDoPixel(const TImagem* figura, int X, int Y)
{
    const std::optional<QRgb> pixel = figura->Pixels(X, Y);
    if (!pixel)
        return std::nullopt;
    return TCor{static_cast<std::uint8_t>(qRed(*pixel)), static_cast<std::uint8_t>(qGreen(*pixel)),
                static_cast<std::uint8_t>(qBlue(*pixel))};
}

} // namespace

// ---- Construction ---------------------------------------------------------------

TfrmFoConsulta::TfrmFoConsulta(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , BD(pastaDados())
{
    setObjectName(QStringLiteral("frmFoConsulta"));
    setWindowTitle(q(LegendaConsulta));
    setFont(TFontePadrao::fonte());
    setProperty("HelpContext", ContextoAjuda::nenhum);

    auto* disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(0, 0, 0, 0);
    disposicao->setSpacing(0);
    disposicao->setSizeConstraint(QLayout::SetFixedSize);
    criaMenu();
    disposicao->setMenuBar(MainMenu1);
    auto* area = new QWidget(this);
    area->setFixedSize(larguraCliente, alturaCliente);
    disposicao->addWidget(area);

    criaMapa(area);
    criaListas(area);
    criaBotoes(area);
    criaPonto(area);
    criaParametros(area);
    setTabOrder(Estados, LBEstacao);
    setTabOrder(LBEstacao, LBLocalidade);
    setTabOrder(LBLocalidade, Autor);
    setTabOrder(Autor, PrecLaAux);
    setTabOrder(PrecLaAux, PrecLoAux);
    setTabOrder(PrecLoAux, Calculalalo);
    setTabOrder(Calculalalo, BtnRelat);
    setTabOrder(BtnRelat, BtnAjuda);
    setTabOrder(BtnAjuda, BtnCancel);
    setTabOrder(BtnCancel, BtnOk);
    ligaEventos();

    adjustSize();
    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());

    // A stations file that cannot be read is reported, and the window opens all the same.
    TAplicacao::executa([this] { FormCreate(); });
}

void TfrmFoConsulta::criaMenu()
{
    MainMenu1 = TControles::nomeia(new QMenuBar(this), "MainMenu1");
    MapadoBrasil1 = TControles::nomeia(MainMenu1->addAction(QStringLiteral("&Mapa do Brasil")), "MapadoBrasil1");
    Relatrio1 = TControles::nomeia(MainMenu1->addAction(QStringLiteral("&Relatório")), "Relatrio1");
    Ajuda1 = TControles::nomeia(MainMenu1->addMenu(QStringLiteral("&Ajuda")), "Ajuda1");
    Contedo1 = TControles::nomeia(Ajuda1->addAction(QStringLiteral("&Conteúdo")), "Contedo1");
    N2 = TControles::nomeia(Ajuda1->addSeparator(), "N2");
    ObterAjudaSobre1 = TControles::nomeia(Ajuda1->addAction(QStringLiteral("Obter Ajuda Sobre ...")), "ObterAjudaSobre1");
    N1 = TControles::nomeia(Ajuda1->addSeparator(), "N1");
    Sobre1 = TControles::nomeia(Ajuda1->addAction(QStringLiteral("&Sobre o Nimbra 2.1")), "Sobre1");
}

void TfrmFoConsulta::criaMapa(QWidget* area)
{
    Panel3 = TControles::painelEmRelevo(area, "Panel3", QRect(0, 0, 457, 456));
    defineContexto(Panel3, ContextoAjuda::consultaMapa);
    Notebook1 = TControles::nomeia(new QStackedWidget(Panel3), "Notebook1");
    Notebook1->setGeometry(3, 3, ladoMapa, ladoMapa);

    auto* brasil = new QWidget;
    Notebook1->addWidget(brasil);
    Panel8 = TControles::painelBranco(brasil, "Panel8", QRect(0, 0, ladoMapa, ladoMapa));
    BrasilBMP = TControles::nomeia(new TImagem(Panel8), "BrasilBMP");
    BrasilBMP->setGeometry(0, 0, ladoMapa, ladoMapa);
    BrasilBMP->setCursor(Qt::PointingHandCursor);
    BrasilBMP->carregaArquivo(mapaBrasil);
    NomeCid = TControles::rotuloNegrito(Panel8, "NomeCid", QStringLiteral("NomeCid"), 30, 335);
    NomeCid->hide();
    LabelLatitude = TControles::rotuloNegrito(Panel8, "LabelLatitude", QStringLiteral("0000"), 91, 352);
    LabelLongitude = TControles::rotuloNegrito(Panel8, "LabelLongitude", QStringLiteral("0000"), 91, 366);
    LatCid = TControles::rotulo(Panel8, "LatCid", QStringLiteral("Latitude:"), 30, 351);
    LatCid->hide();
    LonCid = TControles::rotulo(Panel8, "LonCid", QStringLiteral("Longitude:"), 30, 365);
    LonCid->hide();

    auto* estados = new QWidget;
    Notebook1->addWidget(estados);
    Panel1 = TControles::painelBranco(estados, "Panel1", QRect(0, 0, ladoMapa, ladoMapa));
    EstadoBMP = TControles::nomeia(new TImagem(Panel1), "EstadoBMP");
    EstadoBMP->setGeometry(0, 0, ladoMapa, ladoMapa);
    EstadoBMP->setCursor(Qt::CrossCursor);
    EstadoBMP->hide();
    EixoX = eixo(Panel1, "EixoX", QRect(0, 224, ladoMapa, 1));
    EixoY = eixo(Panel1, "EixoY", QRect(224, 0, 1, ladoMapa));
    LabelLat = rotuloEixo(Panel1, "LabelLat", 72, 44);
    LabelLon = rotuloEixo(Panel1, "LabelLon", 72, 58);
    Notebook1->setCurrentIndex(paginaEstados);
}

void TfrmFoConsulta::criaListas(QWidget* area)
{
    Estados = TControles::nomeia(new QComboBox(area), "Estados");
    Estados->setGeometry(514, 7, 182, Estados->sizeHint().height());
    for (const std::string& nome : NomesEstados)
        Estados->addItem(q(nome));
    Estados->setToolTip(QStringLiteral("Estados"));
    defineContexto(Estados, ContextoAjuda::consulta);
    QLabel* legendaEstados = TControles::rotulo(area, "", QStringLiteral("&Estados :"), 466, 11);
    legendaEstados->setBuddy(Estados);
    // With its buddy the caption no longer shows the "&": it is narrower. It ends just left of
    // the list whatever the face: a wider face moves its left edge, never its right one.
    legendaEstados->adjustSize();
    legendaEstados->move(qMin(466, Estados->x() - margemLegenda - legendaEstados->width()), 11);

    Panel4 = TControles::painelEmRelevo(area, "Panel4", QRect(463, 44, 278, 352));
    TControles::rotulo(Panel4, "", QStringLiteral("Es&tações :"), 4, 6)->setBuddy(Estados);
    LBEstacao = lista(Panel4, "LBEstacao", QRect(4, 22, 269, 130), QStringLiteral("Estações"),
                      ContextoAjuda::consultaEstacoes);

    LLocalidades = TControles::rotulo(Panel4, "LLocalidades", QStringLiteral("&Localidades :"), 4, 162);
    LLocalidades->setBuddy(Estados);
    // The notice lies in the locality list's place, seen when a state has no localities.
    lAviso = TControles::nomeia(new QLabel(Panel4), "lAviso");
    lAviso->setGeometry(23, 210, 233, 68);
    lAviso->setWordWrap(true);
    lAviso->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Narrowed, so that the whole notice fits its fixed box whichever face the system gives.
    QFont fonteAviso = lAviso->font();
    fonteAviso.setPixelSize(13);
    fonteAviso.setStretch(QFont::SemiCondensed);
    lAviso->setFont(fonteAviso);
    lAviso->setText(QStringLiteral("Dados obtidos por desagragação da chuva de um dia em chuvas de menor duração, "
                                   "segundo metodologia proposta pelo DAEE-CETESB."));
    lAviso->hide();
    LBLocalidade = lista(Panel4, "LBLocalidade", QRect(4, 179, 269, 130), QStringLiteral("Localidades"),
                         ContextoAjuda::consultaMapa);

    Autor = TControles::botao(Panel4, "Autor", legendaAutor, QRect(43, 316, 192, 28));
    Autor->setCursor(Qt::PointingHandCursor);
}

void TfrmFoConsulta::criaBotoes(QWidget* area)
{
    BtnRelat = TControles::botao(area, "BtnRelat", QStringLiteral("&Relatório"), QRect(495, 402, 100, 28));
    defineContexto(BtnRelat, ContextoAjuda::consultaRelatorio);
    BtnAjuda = TControles::botao(area, "BtnAjuda", QStringLiteral("&Ajuda"), QRect(631, 402, 100, 28));
    defineContexto(BtnAjuda, ContextoAjuda::consulta);
    // Alt+R and Alt+A belong to the menu items of the same letters: the two buttons keep
    // their underlined letters, and are reached with Tab and pressed with Space.
    BtnRelat->setShortcut(QKeySequence());
    BtnAjuda->setShortcut(QKeySequence());
    BtnCancel = TControles::botao(area, "BtnCancel", QStringLiteral("&Cancelar"), QRect(631, 446, 100, 28));
    BtnOk = TControles::botao(area, "BtnOk", QStringLiteral("&Fechar"), QRect(631, 489, 100, 28));
    BtnOk->setDefault(true);
}

void TfrmFoConsulta::criaPonto(QWidget* area)
{
    GroupBox2 = TControles::nomeia(new QGroupBox(area), "GroupBox2");
    GroupBox2->setGeometry(4, 457, 331, 65);
    GroupBox2->setToolTip(QStringLiteral("Localização"));
    defineContexto(GroupBox2, ContextoAjuda::consultaLocalizacao);

    PrecLaAux = edicaoCoordenada(GroupBox2, "PrecLaAux", QRect(24, 31, 69, 21), QStringLiteral("Latitude"),
                                 ContextoAjuda::consultaMapa);
    Label18 = TControles::rotulo(GroupBox2, "Label18", QStringLiteral("Latit&ude :"), 24, 12);
    Label18->setBuddy(PrecLaAux);

    PrecLoAux = edicaoCoordenada(GroupBox2, "PrecLoAux", QRect(120, 31, 69, 21), QStringLiteral("Longitude"),
                                 ContextoAjuda::consultaMapa);
    Label17 = TControles::rotulo(GroupBox2, "Label17", QStringLiteral("L&ongitude :"), 120, 12);
    Label17->setBuddy(PrecLoAux);

    Calculalalo = TControles::botao(GroupBox2, "Calculalalo", QStringLiteral("&Calcular"), QRect(213, 21, 96, 28));
}

void TfrmFoConsulta::criaParametros(QWidget* area)
{
    Precipitacao = TControles::nomeia(new QGroupBox(QStringLiteral(" Parâmetros da Equação IDF "), area), "Precipitacao");
    Precipitacao->setGeometry(342, 457, 267, 65);
    Precipitacao->setToolTip(
        QStringLiteral("Parâmetros da equação intensidade-duração-freqüência da precipitação"));
    defineContexto(Precipitacao, ContextoAjuda::glossario);
    Label1 = TControles::rotulo(Precipitacao, "Label1", QStringLiteral("K:"), 33, 20);
    Label2 = TControles::rotulo(Precipitacao, "Label2", QStringLiteral("a:"), 157, 20);
    Label4 = TControles::rotulo(Precipitacao, "Label4", QStringLiteral("b:"), 34, 44);
    Label3 = TControles::rotulo(Precipitacao, "Label3", QStringLiteral("c:"), 157, 44);
    PrecK = parametro(Precipitacao, "PrecK", QRect(47, 15, 65, 22));
    PrecA = parametro(Precipitacao, "PrecA", QRect(169, 15, 65, 22));
    PrecB = parametro(Precipitacao, "PrecB", QRect(47, 40, 65, 21));
    PrecC = parametro(Precipitacao, "PrecC", QRect(169, 39, 65, 22));
}

void TfrmFoConsulta::ligaEventos()
{
    TAplicacao::liga(Estados, &QComboBox::activated, this, [this] { EstadosClick(); });
    TAplicacao::liga(LBEstacao, &TListBox::Click, this, [this] { LBEstacaoClick(); });
    TAplicacao::liga(LBLocalidade, &TListBox::Click, this, [this] { LBLocalidadeClick(); });
    TAplicacao::liga(Calculalalo, &QPushButton::clicked, this, [this] { CalculalaloClick(); });
    TAplicacao::liga(EstadoBMP, &TImagem::MouseMove, this,
                     [this](Qt::KeyboardModifiers, int X, int Y) { EstadoBMPMouseMove(X, Y); });
    TAplicacao::liga(EstadoBMP, &TImagem::MouseUp, this,
                     [this](Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) { EstadoBMPMouseUp(X, Y); });
    TAplicacao::liga(BrasilBMP, &TImagem::MouseMove, this,
                     [this](Qt::KeyboardModifiers, int X, int Y) { BrasilBMPMouseMove(X, Y); });
    TAplicacao::liga(BrasilBMP, &TImagem::MouseUp, this,
                     [this](Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) { BrasilBMPMouseUp(X, Y); });
    TAplicacao::liga(MapadoBrasil1, &QAction::triggered, this, [this] { MapadoBrasil1Click(); });
    TAplicacao::liga(Autor, &QPushButton::clicked, this, [this] { AutorClick(); });
    TAplicacao::liga(BtnRelat, &QPushButton::clicked, this, [this] { BtnRelatClick(); });
    TAplicacao::liga(Relatrio1, &QAction::triggered, this, [this] { BtnRelatClick(); });
    auto* teclas = new TFiltroTeclas([this](QObject*, QChar& tecla) { PrecLaAuxKeyPress(tecla); }, this);
    teclas->instala(PrecLaAux);
    teclas->instala(PrecLoAux);
    // After the focus has moved: the message box must not open inside the focus change.
    TAplicacao::liga(PrecLaAux, &TMaskEdit::Saida, this, [this] { coordenadaDeixada(PrecLaAux, "Latitude"); },
                     Qt::QueuedConnection);
    TAplicacao::liga(PrecLoAux, &TMaskEdit::Saida, this, [this] { coordenadaDeixada(PrecLoAux, "Longitude"); },
                     Qt::QueuedConnection);

    TAplicacao::liga(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    TAplicacao::liga(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    TAplicacao::liga(BtnAjuda, &QPushButton::clicked, this, [this] { BtnAjudaClick(); });
    TAplicacao::liga(Contedo1, &QAction::triggered, this, [this] { Contedo1Click(); });
    TAplicacao::liga(ObterAjudaSobre1, &QAction::triggered, this, [this] { ObterAjudaSobre1Click(); });
    TAplicacao::liga(Sobre1, &QAction::triggered, this, [this] { Sobre1Click(); });

    // F1 opens the help of the control in use, or the window's own.
    auto* f1 = new QAction(this);
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    f1->setShortcutContext(Qt::WindowShortcut);
    addAction(f1);
    TAplicacao::liga(f1, &QAction::triggered, this, [this] {
        TAjudaAplicacao::HelpContext(TAjudaAplicacao::contextoDoControle(focusWidget() ? focusWidget() : this));
    });
}

std::string TfrmFoConsulta::pastaDados()
{
    return pastaDadosDefinida().empty() ? pastaDadosNimbra() : pastaDadosDefinida();
}

void TfrmFoConsulta::definePastaDados(const std::string& pasta)
{
    pastaDadosDefinida() = pasta;
}

// ---- Creation and activation ----------------------------------------------------

void TfrmFoConsulta::FormCreate()
{
    PrimeiraAtivacao = true;
    ShowAbout = false;
    setWindowIcon(QApplication::windowIcon());
    Estados->setCurrentIndex(0);
    // Every state keeps its place in the table even when the file cannot be read: the
    // window then opens with no stations at all.
    BD.Estacoes.assign(NumeroEstados, {});
    BD.leEstacoes();
    Autoria.clear();
}

// The first showing only: a message box, the about window, the source window or another
// program taking the focus and giving it back never run the restore again over what the
// user has picked since. Once on the screen the window takes the keyboard, on the state list.
void TfrmFoConsulta::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!ativacaoPendente_)
        return;
    ativacaoPendente_ = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
            TJanelaAtiva::mostra(this);
            TAplicacao::executa([this] { FormActivate(); });
        },
        Qt::QueuedConnection);
}

void TfrmFoConsulta::FormActivate()
{
    Estados->setCurrentIndex(Estado.Indice());
    {
        const TChamadorAtivacao ativacao;
        EstadosClick();
    }
    const TRestauracao r = restauracao(IndEstacao, IndLocalidade, estacoesDoEstado().size(),
                                       BD.Localidades.size(), !TxtLatitude.empty() && !TxtLongitude.empty());
    LBEstacao->setItemIndex(r.PosicaoEstacao);
    LBLocalidade->setItemIndex(r.PosicaoLocalidade);
    switch (r.Escolha) {
    case TEscolhaRestaurada::Estacao:
        LBEstacaoClick();
        break;
    case TEscolhaRestaurada::Localidade:
        LBLocalidadeClick();
        break;
    case TEscolhaRestaurada::Ponto:
        PrecLaAux->setText(q(TxtLatitude));
        PrecLoAux->setText(q(TxtLongitude));
        CalculalaloClick();
        break;
    case TEscolhaRestaurada::Nenhuma:
        break;
    }
    if (PrimeiraAtivacao && ShowAbout) {
        mostraSobre();
        PrimeiraAtivacao = false;
    }
}

// ---- The state change -----------------------------------------------------------

void TfrmFoConsulta::EstadosClick()
{
    const int anterior = Estado.Indice();
    const std::optional<TFalhaEstado> falha = mudaEstado(Estados->currentIndex(), true);
    if (!falha)
        return;
    Estados->setCurrentIndex(anterior);
    // The first showing has no state on show to keep.
    if (falha->VoltaAoAnterior || Chamador == chamadorAtivacao)
        if (mudaEstado(anterior, true))
            mudaEstado(anterior, false);
    throw Exception(falha->Mensagem);
}

std::optional<TfrmFoConsulta::TFalhaEstado> TfrmFoConsulta::mudaEstado(int indice, bool comFigura)
{
    {
        const TCursorEspera espera;
        std::variant<TEstadoLido, TFalhaEstado> lido = leEstado(indice, comFigura);
        if (auto* falha = std::get_if<TFalhaEstado>(&lido))
            return std::move(*falha);
        aplicaEstado(std::get<TEstadoLido>(std::move(lido)));
    }
    // A state the user chooses opens on its first station.
    if (Chamador != chamadorAtivacao && !estacoesDoEstado().empty())
        LBEstacaoClick();
    return std::nullopt;
}

// A title of one state over the lists of another would pair a name of one with a station
// of the other: nothing is shown until all of it has been read.
std::variant<TfrmFoConsulta::TEstadoLido, TfrmFoConsulta::TFalhaEstado> TfrmFoConsulta::leEstado(int indice,
                                                                                                 bool comFigura) const
{
    TEstadoLido lido;
    lido.Indice = indice;
    lido.Mudanca = mudancaEstado(indice, pastaDados());
    lido.Mapa = lido.Mudanca.Mapa == TMapaEstado::Proprio && !comFigura ? TMapaEstado::Brasil : lido.Mudanca.Mapa;
    if (lido.Mapa != TMapaEstado::Proprio)
        return lido;
    const QString figura = q(lido.Mudanca.Figura);
    if (!QFileInfo::exists(figura))
        return TFalhaEstado{lido.Mudanca.MensagemSemFigura, true};
    // A picture that is there but cannot be read is as good as none: the state would be
    // shown over the picture and the bounds of another.
    if (!lido.Figura.load(figura))
        return TFalhaEstado{lido.Mudanca.MensagemFiguraIlegivel, true};
    try {
        lido.Localidades = BD.localidadesDoEstado(indice);
    } catch (const Exception& e) {
        return TFalhaEstado{e.Message(), false};
    }
    return lido;
}

void TfrmFoConsulta::aplicaEstado(TEstadoLido lido)
{
    limpaTela();
    if (lido.Mudanca.Limites)
        LimitesMapa = *lido.Mudanca.Limites;
    Estado.setIndice(static_cast<std::int16_t>(lido.Indice));
    BD.Localidades = std::move(lido.Localidades);
    setWindowTitle(q(lido.Mudanca.Legenda));
    Autor->setEnabled(true);
    switch (lido.Mapa) {
    case TMapaEstado::Proprio:
        Notebook1->setCurrentIndex(paginaEstados);
        habilitaPonto(true);
        EstadoBMP->defineFigura(lido.Figura);
        EstadoBMP->show();
        break;
    case TMapaEstado::Anterior:
        Autor->setText(QString());
        Autor->setEnabled(false);
        break;
    case TMapaEstado::Brasil:
        Notebook1->setCurrentIndex(paginaBrasil);
        habilitaPonto(false);
        EixoX->hide();
        EixoY->hide();
        LabelLat->clear();
        LabelLon->clear();
        EstadoBMP->hide();
        break;
    }
    preencheListas();
    mostraAviso();
}

void TfrmFoConsulta::habilitaPonto(bool habilitado)
{
    PrecLoAux->setEnabled(habilitado);
    PrecLaAux->setEnabled(habilitado);
    Calculalalo->setEnabled(habilitado);
}

const std::vector<TEstacao>& TfrmFoConsulta::estacoesDoEstado() const
{
    return BD.Estacoes.at(static_cast<std::size_t>(Estado.Indice()));
}

// The lists show the records in file order, which is the order of their names: a
// position is the record's index.
void TfrmFoConsulta::preencheListas()
{
    if (BD.Localidades.empty()) {
        LBLocalidade->hide();
        LLocalidades->hide();
    } else {
        LBLocalidade->show();
        LLocalidades->show();
        LBLocalidade->clear();
        for (const TLocalidade& localidade : BD.Localidades)
            LBLocalidade->addItem(q(localidade.Nome));
        LBLocalidade->setItemIndex(0);
    }
    LBEstacao->clear();
    for (const TEstacao& estacao : estacoesDoEstado())
        LBEstacao->addItem(q(estacao.Nome));
    LBEstacao->setItemIndex(0);
}

void TfrmFoConsulta::limpaTela()
{
    EixoX->hide();
    EixoY->hide();
    for (QLabel* r : {LabelLat, LabelLon}) {
        r->clear();
        r->hide();
    }
    for (QLabel* r : {PrecK, PrecA, PrecB, PrecC})
        r->clear();
    PrecLaAux->setText(q(CoordenadaZero));
    PrecLoAux->setText(q(CoordenadaZero));
    for (QLabel* r : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude})
        r->hide();
}

// ---- Closing and help -----------------------------------------------------------

void TfrmFoConsulta::BtnOkClick()
{
    // Closing now would hand back no equation at all: the user picks one or cancels.
    if (!haEquacao(legendasMostradas())) {
        TCaixaMensagem::mostra(q(MensagemSemEquacao), this);
        return;
    }
    IndEstacao = static_cast<std::int16_t>(LBEstacao->ItemIndex());
    IndLocalidade = static_cast<std::int16_t>(LBLocalidade->ItemIndex());
    Autoria = Autor->text() == legendaAutor ? std::string() : Autor->text().toStdString();
    done(mrOk);
}

void TfrmFoConsulta::BtnCancelClick()
{
    done(mrCancel);
}

void TfrmFoConsulta::reject()
{
    done(mrCancel);
}

void TfrmFoConsulta::BtnAjudaClick()
{
    TAjudaAplicacao::HelpContext(ContextoAjuda::consulta);
}

void TfrmFoConsulta::Contedo1Click()
{
    TAjudaAplicacao::HelpCommand(HELP_FINDER, 0);
}

// Help about the window in use: the consultation's own topic.
void TfrmFoConsulta::ObterAjudaSobre1Click()
{
    TAjudaAplicacao::HelpContext(ContextoAjuda::consulta);
}

void TfrmFoConsulta::Sobre1Click()
{
    mostraSobre();
}

void TfrmFoConsulta::mostraSobre()
{
    auto* sobre = new TfrmFoSobreNimbra(this);
    frmFoSobreNimbra = sobre;
    sobre->exec();
    delete sobre;
}

// ---- Coordinates and the state picture ------------------------------------------

void TfrmFoConsulta::setLatitude(const std::string& texto)
{
    LatitudeDec = latitudeAceita(texto, LimitesMapa, !EstadoBMP->isHidden());
    TxtLatitude = texto;
}

void TfrmFoConsulta::setLongitude(const std::string& texto)
{
    LongitudeDec = longitudeAceita(texto, LimitesMapa, !EstadoBMP->isHidden());
    TxtLongitude = texto;
}

void TfrmFoConsulta::setLatitudeDec(double v)
{
    if (!LimitesMapa.contemLatitude(v))
        return;
    LatitudeDec = v;
    TxtLatitude = formataCoordenada(v);
}

void TfrmFoConsulta::setLongitudeDec(double v)
{
    if (!LimitesMapa.contemLongitude(v))
        return;
    LongitudeDec = v;
    TxtLongitude = formataCoordenada(v);
}

void TfrmFoConsulta::pontoDasCoordenadas()
{
    const std::optional<double> x = LimitesMapa.colunaDaLongitude(LongitudeDec);
    const std::optional<double> y = LimitesMapa.linhaDaLatitude(LatitudeDec);
    if (!x || !y)
        return;
    PontoX = *x;
    PontoY = *y;
}

void TfrmFoConsulta::posicionaEixos()
{
    posicionaEixosEm(pixelMaisProximo(PontoX), pixelMaisProximo(PontoY));
}

void TfrmFoConsulta::posicionaEixosEm(int X, int Y)
{
    const TPosicaoEixos p = posicaoEixos(X, Y);
    EixoY->move(p.EixoYEsquerda, EixoY->y());
    EixoX->move(EixoX->x(), p.EixoXTopo);
    mostraEm(LabelLon, p.LabelLon);
    mostraEm(LabelLat, p.LabelLat);
    EixoY->show();
    EixoX->show();
    LabelLon->show();
    LabelLat->show();
}

void TfrmFoConsulta::mostraCidade()
{
    for (QLabel* r : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude}) {
        r->adjustSize();
        r->show();
    }
    EixoY->hide();
    EixoX->hide();
    LabelLon->show();
    LabelLat->show();
    mostraEm(LabelLat, LabelLatCidade);
    mostraEm(LabelLon, LabelLonCidade);
}

void TfrmFoConsulta::EstadoBMPMouseMove(int X, int Y)
{
    const bool sobreEstado = pertenceAoEstado(corDoPixel(EstadoBMP, X, Y));
    EstadoBMP->setCursor(sobreEstado ? Qt::CrossCursor : Qt::ArrowCursor);
    if (const std::optional<TTextosPonto> textos = textosDoPixel(sobreEstado, X, Y, LimitesMapa)) {
        PrecLaAux->setText(q(textos->Latitude));
        PrecLoAux->setText(q(textos->Longitude));
    }
}

void TfrmFoConsulta::coordenadaDeixada(TMaskEdit* edicao, const std::string& campo)
{
    // "&Calcular" refuses the text itself, and "&Cancelar" needs no whole coordinate; a
    // pick since the edit was left has put a whole one there.
    if (focusWidget() == Calculalalo || focusWidget() == BtnCancel || !edicao->isModified())
        return;
    const std::optional<std::string> incompleta = coordenadaIncompleta(campo, edicao->Text().toStdString());
    if (!incompleta)
        return;
    edicao->setFocus(Qt::OtherFocusReason);
    TCaixaMensagem::mostra(q(*incompleta), this);
}

void TfrmFoConsulta::PrecLaAuxKeyPress(QChar&)
{
    for (QWidget* w : std::initializer_list<QWidget*>{NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude, EixoX,
                                                     EixoY, LabelLon, LabelLat})
        w->hide();
}

// ---- The picks ------------------------------------------------------------------

TLegendasEquacao TfrmFoConsulta::legendasMostradas() const
{
    return {PrecK->text().toStdString(), PrecA->text().toStdString(), PrecB->text().toStdString(),
            PrecC->text().toStdString()};
}

void TfrmFoConsulta::mostraParametros(const TEstacao& equacao)
{
    const TLegendasEquacao legendas = legendasEquacao(equacao);
    PrecK->setText(q(legendas.K));
    PrecA->setText(q(legendas.A));
    PrecB->setText(q(legendas.B));
    PrecC->setText(q(legendas.C));
}

void TfrmFoConsulta::limpaRotulosEixos()
{
    // Shown or not, an empty label takes no room on the picture.
    for (QLabel* r : {LabelLat, LabelLon}) {
        r->clear();
        r->adjustSize();
    }
}

void TfrmFoConsulta::escondeEixos()
{
    for (QWidget* w : std::initializer_list<QWidget*>{EixoX, EixoY, LabelLat, LabelLon})
        w->hide();
}

void TfrmFoConsulta::escondeCidade()
{
    for (QLabel* r : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude})
        r->hide();
}

void TfrmFoConsulta::mostraAviso()
{
    lAviso->setVisible(mostraAvisoGoias(Estados->currentIndex(), Autor->text().toStdString()));
}

TEscolhaConsulta TfrmFoConsulta::escolhas() const
{
    const auto interpola = [this](const std::string& latitude, const std::string& longitude) {
        TEstacao equacao;
        BD.interpola(latitude, longitude, equacao);
        return equacao;
    };
    return {interpola, LimitesMapa, !EstadoBMP->isHidden(),
            [this](int X, int Y) { return pertenceAoEstado(corDoPixel(EstadoBMP, X, Y)); }};
}

const TEscolha* TfrmFoConsulta::mostraEscolha(const TResultadoEscolha& resultado)
{
    const auto* escolha = std::get_if<TEscolha>(&resultado);
    if (escolha == nullptr) {
        mostraSemEquacao();
        TCaixaMensagem::mostra(q(std::get<TFalhaEscolha>(resultado).Mensagem), this);
        return nullptr;
    }
    StrCidade = escolha->Cidade;
    TxtLatitude = escolha->Ponto.TxtLatitude;
    TxtLongitude = escolha->Ponto.TxtLongitude;
    LatitudeDec = escolha->Ponto.LatitudeDec;
    LongitudeDec = escolha->Ponto.LongitudeDec;
    PontoX = escolha->PontoX.value_or(PontoX);
    PontoY = escolha->PontoY.value_or(PontoY);
    if (escolha->Equacao)
        mostraParametros(*escolha->Equacao);
    else
        limpaParametros();
    Autor->setText(q(escolha->Fonte));
    if (escolha->NoMapaDoBrasil)
        mostraNoMapaDoBrasil();
    else
        mostraNoMapaDoEstado(escolha->Cruz);
    return escolha;
}

void TfrmFoConsulta::mostraSemEquacao()
{
    // A selected item would stand for an equation that is not on show.
    LBEstacao->setItemIndex(-1);
    LBLocalidade->setItemIndex(-1);
    limpaParametros();
    Autor->setText(legendaAutor);
    escondeEixos();
    limpaRotulosEixos();
    escondeCidade();
    mostraAviso();
}

void TfrmFoConsulta::limpaParametros()
{
    for (QLabel* r : {PrecK, PrecA, PrecB, PrecC})
        r->clear();
}

void TfrmFoConsulta::mostraNoMapaDoBrasil()
{
    NomeCid->setText(q(semBrancosFinais(StrCidade)));
    LabelLatitude->setText(q(TxtLatitude));
    LabelLongitude->setText(q(TxtLongitude));
    mostraCidade();
}

void TfrmFoConsulta::mostraNoMapaDoEstado(const std::optional<TPixel>& cruz)
{
    escondeCidade();
    PrecLaAux->setText(q(TxtLatitude));
    PrecLoAux->setText(q(TxtLongitude));
    if (!cruz) {
        escondeEixos();
        limpaRotulosEixos();
        return;
    }
    LabelLat->setText(q(TxtLatitude));
    LabelLon->setText(q(TxtLongitude));
    posicionaEixosEm(cruz->X, cruz->Y);
}

void TfrmFoConsulta::LBEstacaoClick()
{
    const int posicao = LBEstacao->ItemIndex();
    if (posicao < 0 || static_cast<std::size_t>(posicao) >= estacoesDoEstado().size())
        return;
    const TEstacao estacao = estacoesDoEstado()[static_cast<std::size_t>(posicao)];
    if (mostraEscolha(escolhas().estacao(estacao)) == nullptr)
        return;
    IndEstacao = static_cast<std::int16_t>(posicao);
    LBLocalidade->setItemIndex(-1);
    EstacaoAtual = estacao;
    mostraAviso();
}

void TfrmFoConsulta::LBLocalidadeClick()
{
    const int posicao = LBLocalidade->ItemIndex();
    if (posicao < 0 || static_cast<std::size_t>(posicao) >= BD.Localidades.size())
        return;
    const TResultadoEscolha resultado = escolhas().localidade(BD.Localidades[static_cast<std::size_t>(posicao)]);
    const TEscolha* escolha = mostraEscolha(resultado);
    if (escolha == nullptr)
        return;
    IndLocalidade = static_cast<std::int16_t>(posicao);
    LBEstacao->setItemIndex(-1);
    EstacaoAtual = *escolha->Equacao;
}

void TfrmFoConsulta::EstadoBMPMouseUp(int X, int Y)
{
    if (EstadoBMP->cursor().shape() != Qt::CrossCursor) {
        escondeEixos();
        return;
    }
    const TPontoConsulta atual{TxtLatitude, TxtLongitude, LatitudeDec, LongitudeDec};
    if (mostraEscolha(escolhas().clique({X, Y}, atual)) == nullptr)
        return;
    LBEstacao->setItemIndex(-1);
    LBLocalidade->setItemIndex(-1);
}

void TfrmFoConsulta::CalculalaloClick()
{
    const TResultadoEscolha resultado =
        escolhas().pontoDigitado(PrecLaAux->Text().toStdString(), PrecLoAux->Text().toStdString());
    const TEscolha* escolha = mostraEscolha(resultado);
    if (escolha == nullptr)
        return;
    LBEstacao->setItemIndex(-1);
    LBLocalidade->setItemIndex(-1);
    // The point is on the state: a click without moving the mouse picks there again.
    if (escolha->Cruz)
        EstadoBMP->setCursor(Qt::CrossCursor);
}

// ---- The map of Brazil ----------------------------------------------------------

void TfrmFoConsulta::BrasilBMPMouseMove(int X, int Y)
{
    const std::optional<TCor> cor = corDoPixel(BrasilBMP, X, Y);
    BrasilBMP->setCursor(cor && corSemEstado(*cor) ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TfrmFoConsulta::BrasilBMPMouseUp(int X, int Y)
{
    if (const std::optional<TCor> cor = corDoPixel(BrasilBMP, X, Y))
        if (const std::optional<int> estado = estadoDaCor(*cor))
            Estados->setCurrentIndex(*estado);
    EstadosClick();
}

void TfrmFoConsulta::MapadoBrasil1Click()
{
    if (limitesMapaDoEstado(Estados->currentIndex())) {
        Estados->setCurrentIndex(0);
        EstadosClick();
    }
    Notebook1->setCurrentIndex(paginaBrasil);
}

// ---- Source and report ----------------------------------------------------------

void TfrmFoConsulta::AutorClick()
{
    TfrmFoAutor::mostraFonte(Autor->text(), this);
}

void TfrmFoConsulta::BtnRelatClick()
{
    const TValoresRelatorio valores{q(StrCidade), q(Estado.getNome()), q(TxtLatitude),
                                    q(TxtLongitude), PrecK->text(), PrecA->text(), PrecB->text(),
                                    PrecC->text(), Autor->text()};
    // Only the state's own map: the picture kept from another state, or none, is not it.
    std::optional<TElementosFigura> elementos;
    if (limitesMapaDoEstado(Estado.Indice()) && !EstadoBMP->isHidden())
        elementos = TElementosFigura{EstadoBMP->figura(), LabelLat->text(), LabelLat->pos(), LabelLon->text(),
                                     LabelLon->pos(),     EixoX->y(),      EixoX->width(),  EixoY->x(),
                                     EixoY->height()};
    imprimeRelatorioNimbra(valores, elementos, this);
}
