#include "app/UnitMorlin.h"

#include "app/TJanelasSobDemanda.h"
#include "app/TPaginasWeb.h"
#include "app/UIdentificacao.h"
#include "app/UInicial.h"
#include "app/hh.h"
#include "app/nucleo/TCaracteresNaoGravaveis.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/nucleo/TLeitorProjeto.h"
#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TDialogoArquivo.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TImagemPrograma.h"
#include "plataforma/TJanelaAtiva.h"
#include "plataforma/TMarcaArranque.h"
#include "plataforma/TNavegador.h"
#include "plataforma/TextoQt.h"
#include "plataforma/nucleo/ContextoAjuda.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using TextoQt::q;
using TextoQt::s;

namespace {

const QString mensagemSemControle = QStringLiteral("O arquivo de ajuda provalvemente não está instalado");
const QString filtroAbrir = QStringLiteral("Arquivo do texto|*.txt");
const QString filtroSalvar = QStringLiteral("Arquivo de texto|*.txt");

// The tool-bar pictures by index; index 4 has none. The project tool bar's come first, and
// only they have greyed versions.
const char* const figurasBarra[] = {"novo",  "abrir", "salvar",     "fechar",      "",         "impressora",
                                    "ajuda", "sair",  "web_sobre", "web_citacao", "web_ajuda"};
constexpr int figurasDoProjeto = 4;

QString pastaAjudaSubstituta;
std::function<bool()> presencaSubstituta;

QString pastaDaAjuda()
{
    if (!pastaAjudaSubstituta.isEmpty())
        return pastaAjudaSubstituta;
    return QFile::decodeName(QByteArray::fromStdString(pastaPrograma()));
}

bool controleAjudaPresente()
{
    return presencaSubstituta ? presencaSubstituta() : HHControlPresent();
}

// The locale's long time format names the time zone; a clock in the status bar does not.
QString formatoHoraLonga()
{
    const QString formato = QLocale::system().timeFormat(QLocale::LongFormat);
    QString semFuso;
    bool entreAspas = false;
    for (const QChar letra : formato) {
        if (letra == QLatin1Char('\''))
            entreAspas = !entreAspas;
        if (!entreAspas && letra == QLatin1Char('t'))
            continue;
        semFuso += letra;
    }
    return semFuso.trimmed();
}

std::string caminhoLocal(const QString& nome)
{
    return QFile::encodeName(nome).toStdString();
}

int tag(const QObject* objeto)
{
    return objeto->property("Tag").toInt();
}

} // namespace

TFPrincipal::TFPrincipal(QWidget* pai)
    : QMainWindow(pai)
{
    setObjectName(QStringLiteral("FPrincipal"));
    setWindowTitle(QStringLiteral("Morlin"));
    setFont(TFontePadrao::fonte());

    MdiArea1 = new QMdiArea(this);
    MdiArea1->setObjectName(QStringLiteral("MdiArea1"));
    // A child window larger than the area stays reachable: the area scrolls to it.
    MdiArea1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea1);

    carregaFiguras();
    criaMenu();
    criaBarras();
    criaBarraStatus();
    aplicaEstado(TEstadoComandos());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    TAplicacao::liga(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();

    Action1 = new QAction(this);
    Action1->setObjectName(QStringLiteral("Action1"));
    Action1->setShortcut(QKeySequence(Qt::Key_F1));
    Action1->setShortcutContext(Qt::ApplicationShortcut);
    addAction(Action1);
    TAplicacao::liga(Action1, &QAction::triggered, this, [this] { Action1Execute(); });

    // Restored, the window comes back centred on the screen at its design size.
    resize(792, 822);
    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

void TFPrincipal::carregaFiguras()
{
    for (int indice = 0; indice < static_cast<int>(std::size(figurasBarra)); ++indice) {
        const char* const nome = figurasBarra[indice];
        const QString base = QStringLiteral("icones/") + QLatin1String(nome);
        const bool temFigura = *nome != '\0';
        ilAtivado.append(temFigura ? QPixmap(TImagemPrograma::caminho(base + ".png")) : QPixmap());
        ilDesativado.append(temFigura && indice < figurasDoProjeto
                                ? QPixmap(TImagemPrograma::caminho(base + "_desativado.png"))
                                : QPixmap());
    }
}

QAction* TFPrincipal::item(QMenu* menu, const char* nome, const QString& texto,
                           const std::function<void()>& comando)
{
    auto* acao = new QAction(texto, this);
    acao->setObjectName(QLatin1String(nome));
    menu->addAction(acao);
    if (comando)
        TAplicacao::liga(acao, &QAction::triggered, this, comando);
    return acao;
}

QAction* TFPrincipal::separador(QMenu* menu, const char* nome)
{
    QAction* acao = menu->addSeparator();
    acao->setObjectName(QLatin1String(nome));
    return acao;
}

void TFPrincipal::criaMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    Projeto1 = menuBar()->addMenu(QStringLiteral("&Projeto"));
    Projeto1->setObjectName(QStringLiteral("Projeto1"));
    Novo1 = item(Projeto1, "Novo1", QStringLiteral("&Novo"), [this] { NovoClick(); });
    Abrir1 = item(Projeto1, "Abrir1", QStringLiteral("&Abrir"), [this] { AbrirProjetoClick(); });
    Salvar1 = item(Projeto1, "Salvar1", QStringLiteral("&Salvar"), [this] { SalvarClick(); });
    SalvarComo1 = item(Projeto1, "SalvarComo1", QStringLiteral("Salvar &Como..."), [this] { SalvarComoClick(); });
    Fechar1 = item(Projeto1, "Fechar1", QStringLiteral("&Fechar"), [this] { FecharProjetoClick(); });
    N1 = separador(Projeto1, "N1");
    Sair2 = item(Projeto1, "Sair2", QStringLiteral("&Identificação"), [this] { chamarFIdentificacaoClick(); });
    N2 = separador(Projeto1, "N2");
    Sair1 = item(Projeto1, "Sair1", QStringLiteral("&Sair"), [this] { SairClick(); });

    Avaliao1 = menuBar()->addMenu(QStringLiteral("&Avaliação"));
    Avaliao1->setObjectName(QStringLiteral("Avaliao1"));
    EntradaDeDados1 = item(Avaliao1, "EntradaDeDados1", QStringLiteral("Entrada de Dados"),
                           [this] { EntradaDeDados1Click(); });
    Simulao1 = separador(Avaliao1, "Simulao1");
    CapacidadedeArmazenamento1 = item(Avaliao1, "CapacidadedeArmazenamento1",
                                      QStringLiteral("Capacidade de Armazenamento"),
                                      [this] { CapacidadedeArmazenamento1Click(); });

    Resultados1 = menuBar()->addMenu(QStringLiteral("&Imprimir"));
    Resultados1->setObjectName(QStringLiteral("Resultados1"));
    CadernetadeCampo1 = item(Resultados1, "CadernetadeCampo1", QStringLiteral("&Caderneta de &Campo"),
                             [this] { cadernetaDeCampoClick(); });
    N3 = separador(Resultados1, "N3");
    RelatriodeAvaliao1 = item(Resultados1, "RelatriodeAvaliao1", QStringLiteral("Relatório de Avaliação"),
                              [this] { RelatorioDeAvaliacaoClick(); });
    N6 = separador(Resultados1, "N6");
    Configuraes1 = item(Resultados1, "Configuraes1", QStringLiteral("Configurações"),
                        [this] { configuraImpressoraClick(); });

    Ajuda1 = menuBar()->addMenu(QStringLiteral("Ajuda"));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
    Contedo1 = item(Ajuda1, "Contedo1", QStringLiteral("Conteúdo"), [this] { AjudaClick(Contedo1); });
    Contedo1->setProperty("Tag", 1);
    N4 = separador(Ajuda1, "N4");
    Comousaraajuda1 = item(Ajuda1, "Comousaraajuda1", QStringLiteral("Como usar a ajuda..."),
                           [this] { AjudaClick(Comousaraajuda1); });
    Comousaraajuda1->setProperty("Tag", 2);
    N5 = separador(Ajuda1, "N5");
    SobreoKastrel1 = item(Ajuda1, "SobreoKastrel1", QStringLiteral("Sobre o Morlin"),
                          [this] { AjudaClick(SobreoKastrel1); });
    SobreoKastrel1->setProperty("Tag", 3);
}

QToolBar* TFPrincipal::barra(const char* nome)
{
    auto* nova = new QToolBar(this);
    nova->setObjectName(QLatin1String(nome));
    nova->setIconSize(QSize(18, 18));
    nova->setMovable(true);
    addToolBar(Qt::TopToolBarArea, nova);
    return nova;
}

QToolButton* TFPrincipal::botao(QToolBar* barra, const char* nome, const QString& dica, int figura,
                                const std::function<void()>& comando, bool comFiguraDesativada)
{
    auto* novo = new QToolButton(barra);
    novo->setObjectName(QLatin1String(nome));
    novo->setToolTip(dica);
    novo->setAutoRaise(true);
    novo->setFixedSize(25, 24);
    novo->setIconSize(QSize(18, 18));
    novo->setProperty("ImageIndex", figura);
    QIcon icone(ilAtivado.at(figura));
    if (comFiguraDesativada)
        icone.addPixmap(ilDesativado.at(figura), QIcon::Disabled);
    novo->setIcon(icone);
    if (comando)
        TAplicacao::liga(novo, &QToolButton::clicked, this, comando);
    barra->addWidget(novo);
    return novo;
}

void TFPrincipal::criaBarras()
{
    tlbProjeto = barra("tlbProjeto");
    tbNovo = botao(tlbProjeto, "tbNovo", QStringLiteral("Novo"), 0, [this] { NovoClick(); }, true);
    tbAbrir = botao(tlbProjeto, "tbAbrir", QStringLiteral("Abrir"), 1, [this] { AbrirProjetoClick(); }, true);
    tbSalvar = botao(tlbProjeto, "tbSalvar", QStringLiteral("Salvar"), 2, [this] { SalvarClick(); }, true);
    tbFechar = botao(tlbProjeto, "tbFechar", QStringLiteral("Fechar"), 3, [this] { FecharProjetoClick(); }, true);

    tlbConfig = barra("tlbConfig");
    tbConfigImpress = botao(tlbConfig, "tbConfigImpress", QStringLiteral("Configuração da impressora"), 5,
                            [this] { configuraImpressoraClick(); });
    QWidget* espaco = new QWidget(tlbConfig);
    espaco->setObjectName(QStringLiteral("ToolButton16"));
    espaco->setFixedWidth(8);
    tlbConfig->addWidget(espaco);
    tbAjuda = botao(tlbConfig, "tbAjuda", QStringLiteral("Ajuda"), 6, [this] { AjudaClick(tbAjuda); });

    tlbSair = barra("tlbSair");
    tbSair = botao(tlbSair, "tbSair", QStringLiteral("Sair"), 7, [this] { SairClick(); });

    tlbWeb = barra("tlbWeb");
    tbVexo = botao(tlbWeb, "tbVexo", QStringLiteral("site da vexo"), 9, [this] { Vexoweb(tbVexo); });
    tbVexo->setProperty("Tag", 2);
    tbKwel = botao(tlbWeb, "tbKwel", QStringLiteral("site do Kwel"), 8, [this] { Vexoweb(tbKwel); });
    tbKwel->setProperty("Tag", 1);
    tbQor = botao(tlbWeb, "tbQor", QStringLiteral("site do Qor"), 10, [this] { Vexoweb(tbQor); });
    tbQor->setProperty("Tag", 3);
}

void TFPrincipal::criaBarraStatus()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    // The clock keeps the last 80 pixels; a size grip there would cut it.
    statusBar()->setSizeGripEnabled(false);
    for (int i = 0; i < 2; ++i) {
        paineis[i] = new QLabel(statusBar());
        paineis[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        paineis[i]->setMinimumWidth(50);
    }
    paineis[0]->setFixedWidth(50);
    statusBar()->addWidget(paineis[0]);
    statusBar()->addWidget(paineis[1], 1);
}

QLabel* TFPrincipal::painelStatus(int indice) const
{
    return paineis[indice];
}

// The area's own placement puts a window wider than the area flush with its right edge,
// its left side out of reach; the window opens at the top left, as designed, and the
// area scrolls to the rest.
QMdiSubWindow* TFPrincipal::mostraJanelaFilha(TFEntdados* janela)
{
    QMdiSubWindow* moldura = TJanelasSobDemanda::carrega().mostraNaArea(MdiArea1, janela);
    moldura->move(0, 0);
    return moldura;
}

// A window state asked for makes the native window at once; asked for here, that is the
// window the showing makes anyway, never one the constructor makes before it.
void TFPrincipal::setVisible(bool visivel)
{
    if (visivel && !testAttribute(Qt::WA_WState_Created))
        setWindowState(windowState() | Qt::WindowMaximized);
    QMainWindow::setVisible(visivel);
}

void TFPrincipal::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    if (evento->spontaneous() || jaMostrada)
        return;
    jaMostrada = true;
    // The start-up steps run once the window is on the screen, from the event loop,
    // so that the start-up picture can be shown modally over it.
    QMetaObject::invokeMethod(
        this, [this] { TAplicacao::executa([this] { FormShow(); }); }, Qt::QueuedConnection);
}

// Leaving the program with unsaved work asks to save it first; a "Cancelar", or a save
// that is cancelled or fails, keeps the program open.
void TFPrincipal::closeEvent(QCloseEvent* evento)
{
    bool sai = false;
    TAplicacao::executa([this, &sai] { sai = !precisaSalvar() || perguntaSalvar(projetoSalvo); });
    if (sai)
        evento->accept();
    else
        evento->ignore();
}

void TFPrincipal::resizeEvent(QResizeEvent* evento)
{
    QMainWindow::resizeEvent(evento);
    FormResize();
}

void TFPrincipal::FormShow()
{
    aplicaEvento(TEstadoComandos::TEvento::exibicaoInicial);
    nomeArquivo.clear();
    TAjudaAplicacao::defineManipulador(
        [janela = QPointer<TFPrincipal>(this)](std::uint16_t comando, std::uint32_t dados, bool& chamarAjuda) {
            return janela ? janela->chamarAjudaHtml(comando, dados, chamarAjuda) : true;
        });
    arquivoAjuda = QFileInfo(pastaDaAjuda() + QStringLiteral("AjudaMorlin.chm")).absoluteFilePath();
    if (!QFileInfo::exists(arquivoAjuda))
        TCaixaMensagem::mostra(QStringLiteral("Arquivo de ajuda não encontrado\n") + arquivoAjuda, this);
    // The control itself is loaded by the first help request.
    if (!controleAjudaPresente()) {
        TCaixaMensagem::mostra(mensagemSemControle, this);
        encerraPrograma();
        return;
    }
    TMarcaArranque::agenda();
    mostraFInicial();
}

void TFPrincipal::encerraPrograma()
{
    close();
    QCoreApplication::exit(1);
}

void TFPrincipal::mostraFInicial()
{
    if (FInicial) {
        FInicial->close();
        FInicial->deleteLater();
    }
    FInicial = new TFInicial(this);
    FInicial->exec();
}

void TFPrincipal::FormResize()
{
    paineis[0]->setFixedWidth(qMax(0, width() - 80));
}

void TFPrincipal::Timer1Timer()
{
    paineis[1]->setText(QLocale::system().toString(QTime::currentTime(), formatoHoraLonga()));
}

void TFPrincipal::Action1Execute()
{
    const std::uint32_t contexto = TAjudaAplicacao::contextoDoControle(QApplication::focusWidget());
    TAjudaAplicacao::HelpContext(contexto != ContextoAjuda::nenhum ? contexto : ContextoAjuda::conteudo);
}

void TFPrincipal::AjudaClick(QObject* Sender)
{
    if (qobject_cast<QToolButton*>(Sender) != nullptr) {
        TAjudaAplicacao::HelpContext(ContextoAjuda::conteudo);
        return;
    }
    if (qobject_cast<QAction*>(Sender) == nullptr)
        return;
    switch (tag(Sender)) {
    case 1:
        TAjudaAplicacao::HelpContext(ContextoAjuda::conteudo);
        break;
    case 2:
        TAjudaAplicacao::HelpContext(ContextoAjuda::comoUsarAjuda);
        break;
    case 3:
        mostraFInicial();
        break;
    default:
        break;
    }
}

void TFPrincipal::configuraImpressoraClick()
{
    TJanelasSobDemanda::carrega().configuraImpressora(this);
}

void TFPrincipal::Vexoweb(QObject* Sender)
{
    if (qobject_cast<QToolButton*>(Sender) == nullptr)
        return;
    switch (tag(Sender)) {
    case 1:
        TNavegador::abre(TPaginasWeb::endereco(TPaginasWeb::Sobre));
        break;
    case 2:
        TNavegador::abre(TPaginasWeb::endereco(TPaginasWeb::Citacao));
        break;
    case 3:
        TNavegador::abre(TPaginasWeb::endereco(TPaginasWeb::Ajuda));
        break;
    default:
        break;
    }
}

void TFPrincipal::SairClick()
{
    close();
}

// A request for the help's contents (the consultation's "Conteúdo") shows the contents
// topic, the one the main menu's "Conteúdo" shows. The first request loads the control; one
// that was there at the start but does not load is said so, and the program goes on.
bool TFPrincipal::chamarAjudaHtml(std::uint16_t comando, std::uint32_t dados, bool& chamarAjuda)
{
    if (comando != HELP_CONTEXT && comando != HELP_CONTEXTPOPUP && comando != HELP_FINDER)
        return true;
    const std::uint32_t contexto = comando == HELP_FINDER ? ContextoAjuda::conteudo : dados;
    HHLoadControl();
    chamarAjuda = false;
    if (HHProc == nullptr) {
        TCaixaMensagem::mostra(mensagemSemControle, this);
        return true;
    }
    HHProc(0, QFile::encodeName(arquivoAjuda).constData(), HH_HELP_CONTEXT, contexto);
    return true;
}

// ---- Project commands ---------------------------------------------------------------

// The project's state is what the items and flags show, which the other windows read: an
// event switches its own and leaves the rest as they stand.
TEstadoComandos TFPrincipal::estadoComandos() const
{
    TEstadoComandos e;
    e.salvarComo = SalvarComo1->isEnabled();
    e.salvarNoMenu = Salvar1->isEnabled();
    e.salvarNaBarra = tbSalvar->isEnabled();
    e.fecharNoMenu = Fechar1->isEnabled();
    e.fecharNaBarra = tbFechar->isEnabled();
    e.entradaDeDados = EntradaDeDados1->isEnabled();
    e.capacidadeDeArmazenamento = CapacidadedeArmazenamento1->isEnabled();
    e.relatorioDeAvaliacao = RelatriodeAvaliao1->isEnabled();
    e.projetoSalvo = projetoSalvo;
    e.projetoAberto = projetoAberto;
    return e;
}

void TFPrincipal::aplicaEstado(const TEstadoComandos& e)
{
    SalvarComo1->setEnabled(e.salvarComo);
    Salvar1->setEnabled(e.salvarNoMenu);
    tbSalvar->setEnabled(e.salvarNaBarra);
    Fechar1->setEnabled(e.fecharNoMenu);
    tbFechar->setEnabled(e.fecharNaBarra);
    EntradaDeDados1->setEnabled(e.entradaDeDados);
    CapacidadedeArmazenamento1->setEnabled(e.capacidadeDeArmazenamento);
    RelatriodeAvaliao1->setEnabled(e.relatorioDeAvaliacao);
    projetoSalvo = e.projetoSalvo;
    projetoAberto = e.projetoAberto;
}

void TFPrincipal::aplicaEvento(TEstadoComandos::TEvento evento)
{
    aplicaEstado(estadoComandos().apos(evento));
}

bool TFPrincipal::temEntradaDeDados() const
{
    const TJanelasSobDemanda* janelas = TJanelasSobDemanda::carregadas();
    return janelas != nullptr && janelas->haEntradaDeDados();
}

bool TFPrincipal::projetoAlterado() const
{
    return temEntradaDeDados() && dadosDoProjeto() != dadosGravados_;
}

// Only unsaved work is asked for: a project left as it was created, read or last
// written loses nothing.
bool TFPrincipal::precisaSalvar() const
{
    return SalvarComo1->isEnabled() && projetoAlterado();
}

// The save prompt: whether the command that asked may go on. Yes writes the project's
// file when `gravaNoArquivo` and it has one, otherwise runs Save As; a Save As cancelled,
// or a write declined because the file would lose characters, counts as the prompt's own
// "Cancelar", and a failed write ends the command with its error, so the work is never
// dropped unsaved.
bool TFPrincipal::perguntaSalvar(bool gravaNoArquivo)
{
    switch (TCaixaMensagem::pergunta(QStringLiteral("Deseja salvar o projeto?"), this)) {
    case TCaixaMensagem::TResposta::Cancelar:
        return false;
    case TCaixaMensagem::TResposta::Nao:
        return true;
    case TCaixaMensagem::TResposta::Sim:
        break;
    }
    if (gravaNoArquivo && !nomeArquivo.isEmpty())
        return GravarArquivoTxt();
    return salvaComo();
}

// The windows of the project in hand go with it: its dialog left on the screen, or its
// data entry, would otherwise be taken for the next project's.
void TFPrincipal::descartaJanelasDoProjeto()
{
    if (FIdentificacao) {
        FIdentificacao->close();
        FIdentificacao->deleteLater();
        FIdentificacao = nullptr;
    }
    if (TJanelasSobDemanda* janelas = TJanelasSobDemanda::carregadas())
        janelas->fechaEntradaDeDados();
    aplicaEvento(TEstadoComandos::TEvento::janelasDescartadas);
}

// The windows on demand read the project's identification from its dialog, when there is
// one, and tell their events of the project here.
TLigacoesProjeto TFPrincipal::ligacoesProjeto()
{
    TLigacoesProjeto ligacoes;
    ligacoes.contexto = this;
    ligacoes.identificacao = []() -> std::optional<TTextosIdentificacao> {
        if (!FIdentificacao)
            return std::nullopt;
        return FIdentificacao->textos();
    };
    ligacoes.aoPedirFechar = [this] { FecharProjetoClick(); };
    ligacoes.aoConcluirAvaliacao = [this] { aplicaEvento(TEstadoComandos::TEvento::avaliacaoConcluida); };
    ligacoes.aoFecharRelatorio = [this] { aplicaEvento(TEstadoComandos::TEvento::relatorioFechado); };
    return ligacoes;
}

void TFPrincipal::iniciaEntradaDeDados()
{
    TFEntdados* entrada = TJanelasSobDemanda::carrega().criaEntradaDeDados(ligacoesProjeto());
    mostraJanelaFilha(entrada);
    aplicaEvento(TEstadoComandos::TEvento::entradaIniciada);
}

void TFPrincipal::criaIdentificacao()
{
    auto* dialogo = new TFIdentificacao(this);
    TAplicacao::liga(dialogo, &TFIdentificacao::confirmada, this, [this, dialogo] { identificacaoConfirmada(dialogo); });
    TAplicacao::liga(dialogo, &TFIdentificacao::cancelada, this, [this] { identificacaoCancelada(); });
    FIdentificacao = dialogo;
}

// A project gets its data entry from the first "Ok"; a later one only edits the texts,
// so the values typed into the data entry are never thrown away.
void TFPrincipal::identificacaoConfirmada(TFIdentificacao* dialogo)
{
    if (!temEntradaDeDados())
        iniciaEntradaDeDados();
    dialogo->close();
}

void TFPrincipal::identificacaoCancelada()
{
    if (!temEntradaDeDados())
        aplicaEvento(TEstadoComandos::TEvento::identificacaoCancelada);
}

void TFPrincipal::NovoClick()
{
    if (precisaSalvar() && !perguntaSalvar(tbSalvar->isEnabled()))
        return;
    descartaJanelasDoProjeto();
    dadosGravados_ = TDadosTerraco();
    criaIdentificacao();
    TJanelaAtiva::mostra(FIdentificacao);
    aplicaEvento(TEstadoComandos::TEvento::novo);
    // A new project has no file yet: nothing may save it over the file of the one before.
    nomeArquivo.clear();
}

void TFPrincipal::AbrirProjetoClick()
{
    if (precisaSalvar() && !perguntaSalvar(tbSalvar->isEnabled()))
        return;
    const QString nome =
        TDialogoArquivo::abre(this, QFile::decodeName(QByteArray::fromStdString(pastaPrograma())), filtroAbrir);
    if (nome.isEmpty())
        return;
    AbrirArquivoTxt(nome);
    aplicaEvento(TEstadoComandos::TEvento::aberto);
}

void TFPrincipal::SalvarClick()
{
    if (!temEntradaDeDados()) {
        TCaixaMensagem::mostra(QStringLiteral("operação inválida"), this);
        return;
    }
    if (nomeArquivo.isEmpty()) {
        SalvarComoClick();
        return;
    }
    if (GravarArquivoTxt())
        aplicaEvento(TEstadoComandos::TEvento::salvo);
}

void TFPrincipal::SalvarComoClick()
{
    salvaComo();
}

// The chosen name with ".txt" added, or empty when the user cancels. The name of a file
// that exists is taken only once the user agrees to replace it; otherwise the dialog
// comes back on that name for another.
QString TFPrincipal::escolheArquivoParaSalvar()
{
    QString recusado;
    for (;;) {
        QString nome = TDialogoArquivo::salva(this, filtroSalvar, recusado);
        if (nome.isEmpty())
            return {};
        if (!nome.endsWith(QStringLiteral(".txt")))
            nome += QStringLiteral(".txt");
        if (!QFileInfo::exists(nome))
            return nome;
        const QString pergunta = QStringLiteral("O arquivo %1 já existe.\nDeseja substituí-lo?");
        if (TCaixaMensagem::confirma(pergunta.arg(QFileInfo(nome).fileName()), this))
            return nome;
        recusado = nome;
    }
}

// Whether the project was written. It takes the new name only once its file is
// written: after a failure, Save still writes where it wrote before.
bool TFPrincipal::salvaComo()
{
    if (!temEntradaDeDados()) {
        TCaixaMensagem::mostra(QStringLiteral("operação inválida"), this);
        return false;
    }
    const QString nome = escolheArquivoParaSalvar();
    if (nome.isEmpty())
        return false;
    if (!gravaProjeto(nome))
        return false;
    nomeArquivo = nome;
    aplicaEvento(TEstadoComandos::TEvento::salvoComo);
    return true;
}

void TFPrincipal::FecharProjetoClick()
{
    if (precisaSalvar() && !perguntaSalvar(projetoSalvo))
        return;
    descartaJanelasDoProjeto();
    if (TJanelasSobDemanda* janelas = TJanelasSobDemanda::carregadas())
        janelas->fechaRelatorioECaderneta();
    aplicaEvento(TEstadoComandos::TEvento::fechado);
}

TDadosTerraco TFPrincipal::dadosDoProjeto() const
{
    TDadosTerraco dados = TJanelasSobDemanda::carrega().dadosDaEntrada();
    if (FIdentificacao)
        dados.identificacao = FIdentificacao->textos();
    return dados;
}

bool TFPrincipal::GravarArquivoTxt()
{
    return gravaProjeto(nomeArquivo);
}

// A character the file cannot keep is never replaced by "?" unasked. Written so, the
// project is what the file gives back, not what the windows still show: closing asks.
bool TFPrincipal::gravaProjeto(const QString& nome)
{
    const TDadosTerraco dados = dadosDoProjeto();
    const std::vector<TCampoNaoGravavel> perdidos = TCaracteresNaoGravaveis::doProjeto(dados);
    if (!perdidos.empty() && !TCaixaMensagem::confirma(q(TCaracteresNaoGravaveis::perguntaGravacao(perdidos)), this))
        return false;
    TGravadorProjeto::grava(caminhoLocal(nome), dados);
    dadosGravados_ = TCaracteresNaoGravaveis::comoGravado(dados);
    return true;
}

// A file a text editor saved may hold accents as separate marks, which are composed, and
// characters the project file cannot keep, which are named at once.
void TFPrincipal::AbrirArquivoTxt(const QString& nome)
{
    TLeituraProjeto leitura = TLeitorProjeto::le(caminhoLocal(nome));
    percorreTextos(leitura.dados, [](std::string& texto) { texto = TextoQt::composto(texto); });
    // Windows that cannot be loaded leave the project in hand as it is.
    TJanelasSobDemanda& janelas = TJanelasSobDemanda::carrega();
    descartaJanelasDoProjeto();
    criaIdentificacao();
    FIdentificacao->defineTextos(leitura.dados.identificacao);
    iniciaEntradaDeDados();
    janelas.aplicaLeitura(leitura);
    nomeArquivo = nome;
    dadosGravados_ = dadosDoProjeto();
    const std::vector<TCampoNaoGravavel> perdidos = TCaracteresNaoGravaveis::doProjeto(dadosGravados_);
    if (!perdidos.empty())
        TCaixaMensagem::informa(q(TCaracteresNaoGravaveis::avisoAbertura(s(QFileInfo(nome).fileName()), perdidos)),
                                QStringLiteral("Caracteres que o arquivo não guarda"), this);
}

void TFPrincipal::chamarFIdentificacaoClick()
{
    if (!FIdentificacao)
        criaIdentificacao();
    TJanelaAtiva::mostra(FIdentificacao);
}

void TFPrincipal::mudaPaginaEntrada(int pagina)
{
    if (temEntradaDeDados())
        TJanelasSobDemanda::carrega().mostraPaginaDaEntrada(pagina);
}

void TFPrincipal::EntradaDeDados1Click()
{
    mudaPaginaEntrada(0);
}

void TFPrincipal::CapacidadedeArmazenamento1Click()
{
    mudaPaginaEntrada(1);
}

void TFPrincipal::cadernetaDeCampoClick()
{
    TJanelasSobDemanda::carrega().abreCadernetaDeCampo(this);
}

void TFPrincipal::RelatorioDeAvaliacaoClick()
{
    TJanelasSobDemanda::carrega().abreRelatorioAvaliacao(this, ligacoesProjeto());
}

void TFPrincipal::substituiInicio(const QString& pasta, std::function<bool()> controlePresente)
{
    pastaAjudaSubstituta = pasta;
    presencaSubstituta = std::move(controlePresente);
}
