#include "tests/app/janelas/AmbienteJanelas.h"

#include "plataforma/TRegistroClasses.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>

#include <optional>

namespace {

QAction* acao(const char* nome)
{
    return FPrincipal->findChild<QAction*>(QLatin1String(nome));
}

QToolButton* botao(const char* nome)
{
    return FPrincipal->findChild<QToolButton*>(QLatin1String(nome));
}

} // namespace

// ---- Start-up ---------------------------------------------------------------------------

TEST_F(JanelasTest, InicioComTudoNoLugarMostraSoAFiguraDeAbertura)
{
    iniciaPrincipal();
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(FPrincipal->isVisible());
    EXPECT_EQ(FInicial->parent(), FPrincipal.data());
    EXPECT_EQ(FPrincipal->arquivoAjuda, pastaAjuda.path() + "/AjudaMorlin.chm");
}

TEST_F(JanelasTest, InicioLimpaOEstadoDoProjeto)
{
    FPrincipal = new TFPrincipal;
    FPrincipal->projetoSalvo = true;
    FPrincipal->nomeArquivo = "/tmp/outro.txt";
    clicaAberturaQuandoAparecer();
    FPrincipal->show();
    ASSERT_TRUE(esperaAte([] { return FInicial && !FInicial->isVisible(); }));
    EXPECT_FALSE(FPrincipal->projetoSalvo);
    EXPECT_TRUE(FPrincipal->nomeArquivo.isEmpty());
}

TEST_F(JanelasTest, ArquivoDeAjudaAusenteEAvisadoEOProgramaSegue)
{
    QFile::remove(pastaAjuda.path() + "/AjudaMorlin.chm");
    iniciaPrincipal();
    const QString caminho = pastaAjuda.path() + "/AjudaMorlin.chm";
    EXPECT_EQ(mensagens, QStringList{"Arquivo de ajuda não encontrado\n" + caminho});
    EXPECT_TRUE(FPrincipal->isVisible());

    // Help still goes to the control, with the path of the missing file.
    TAjudaAplicacao::HelpContext(10031);
    ASSERT_EQ(chamadasAjuda.size(), 1u);
    EXPECT_EQ(chamadasAjuda[0].arquivo, caminho.toStdString());
}

TEST_F(JanelasTest, SemOControleDeAjudaOProgramaTermina)
{
    HHControlModule = nullptr;
    bool perguntou = false;
    TFPrincipal::substituiInicio(pastaAjuda.path() + "/", [&perguntou] {
        perguntou = true;
        return false;
    });
    FPrincipal = new TFPrincipal;
    FPrincipal->show();
    // The program's own event loop, which the start-up ends.
    QTimer seguranca;
    seguranca.callOnTimeout([] { QCoreApplication::exit(99); });
    seguranca.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 1);
    EXPECT_FALSE(FPrincipal->isVisible());
    EXPECT_TRUE(perguntou);
    EXPECT_EQ(mensagens, QStringList{"O arquivo de ajuda provalvemente não está instalado"});
    EXPECT_FALSE(FInicial);
}

// The start only makes sure the control is there; the first help request loads it.
TEST_F(JanelasTest, ControleDeAjudaCarregaNoPrimeiroPedido)
{
    HHControlModule = nullptr;
    HHProc = nullptr;
    TFPrincipal::substituiInicio(pastaAjuda.path() + "/", [] { return true; });
    iniciaPrincipal();
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_TRUE(FPrincipal->isVisible());
    EXPECT_EQ(HHControlModule, nullptr);

    FPrincipal->Contedo1->trigger();
    EXPECT_NE(HHControlModule, nullptr);
    EXPECT_NE(HHProc, nullptr);
    EXPECT_TRUE(mensagens.isEmpty());
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (janela->objectName() == QStringLiteral("FAjuda"))
            janela->hide();
    HHUnloadControl();
}

// A control there at the start that then does not load (here a file that is no library)
// is said so at the request, and the program goes on.
TEST_F(JanelasTest, ControleQueNaoCarregaNoPedidoEAvisadoEOProgramaSegue)
{
    HHControlModule = nullptr;
    HHProc = nullptr;
    const std::string naoBiblioteca = (pastaAjuda.path() + "/AjudaMorlin.chm").toStdString();
    TRegistroClasses::substitui([naoBiblioteca](const std::string&) { return naoBiblioteca; });
    TFPrincipal::substituiInicio(pastaAjuda.path() + "/", [] { return true; });
    iniciaPrincipal();

    FPrincipal->Contedo1->trigger();
    TRegistroClasses::substitui({});
    EXPECT_EQ(HHControlModule, nullptr);
    EXPECT_EQ(mensagens, QStringList{"O arquivo de ajuda provalvemente não está instalado"});
    EXPECT_TRUE(FPrincipal->isVisible());
}

// Its native window is made once, by the showing: one made by the constructor costs the
// start-up its own round of the window system.
TEST_F(JanelasTest, JanelaPrincipalMaximizadaComTituloMorlin)
{
    FPrincipal = new TFPrincipal;
    EXPECT_FALSE(FPrincipal->testAttribute(Qt::WA_WState_Created));
    EXPECT_EQ(FPrincipal->windowHandle(), nullptr);
    clicaAberturaQuandoAparecer();
    FPrincipal->show();
    ASSERT_TRUE(esperaAte([] { return FInicial && !FInicial->isVisible(); }));
    EXPECT_EQ(FPrincipal->windowTitle(), "Morlin");
    EXPECT_TRUE(FPrincipal->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(FPrincipal->centralWidget(), FPrincipal->areaMdi());
}

// ---- Menu and tool bars -----------------------------------------------------------------

TEST_F(JanelasTest, MenuComLegendasEEstadoInicial)
{
    iniciaPrincipal();
    struct Item {
        const char* nome;
        const char* legenda;
        bool habilitado;
    };
    const Item itens[] = {
        {"Novo1", "&Novo", true},
        {"Abrir1", "&Abrir", true},
        {"Salvar1", "&Salvar", false},
        {"SalvarComo1", "Salvar &Como...", false},
        {"Fechar1", "&Fechar", false},
        {"Sair2", "&Identificação", true},
        {"Sair1", "&Sair", true},
        {"EntradaDeDados1", "Entrada de Dados", false},
        {"CapacidadedeArmazenamento1", "Capacidade de Armazenamento", false},
        {"CadernetadeCampo1", "&Caderneta de &Campo", true},
        {"RelatriodeAvaliao1", "Relatório de Avaliação", false},
        {"Configuraes1", "Configurações", true},
        {"Contedo1", "Conteúdo", true},
        {"Comousaraajuda1", "Como usar a ajuda...", true},
        {"SobreoKastrel1", "Sobre o Morlin", true},
    };
    for (const Item& item : itens) {
        QAction* a = acao(item.nome);
        ASSERT_NE(a, nullptr) << item.nome;
        EXPECT_EQ(a->text(), QString::fromUtf8(item.legenda)) << item.nome;
        EXPECT_EQ(a->isEnabled(), item.habilitado) << item.nome;
        EXPECT_TRUE(a->shortcut().isEmpty()) << item.nome;
    }

    QStringList menus;
    for (QAction* menu : FPrincipal->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Projeto", "&Avaliação", "&Imprimir", "Ajuda"}));

    QStringList projeto;
    for (QAction* a : FPrincipal->Projeto1->actions())
        projeto << a->objectName();
    EXPECT_EQ(projeto, (QStringList{"Novo1", "Abrir1", "Salvar1", "SalvarComo1", "Fechar1", "N1", "Sair2", "N2",
                                    "Sair1"}));
    EXPECT_EQ(FPrincipal->Contedo1->property("Tag").toInt(), 1);
    EXPECT_EQ(FPrincipal->Comousaraajuda1->property("Tag").toInt(), 2);
    EXPECT_EQ(FPrincipal->SobreoKastrel1->property("Tag").toInt(), 3);
}

TEST_F(JanelasTest, BarrasDeFerramentasComDicasFigurasEEstadoInicial)
{
    iniciaPrincipal();
    struct Botao {
        const char* barra;
        const char* nome;
        const char* dica;
        int figura;
        bool habilitado;
        int tag;
    };
    const Botao botoes[] = {
        {"tlbProjeto", "tbNovo", "Novo", 0, true, 0},
        {"tlbProjeto", "tbAbrir", "Abrir", 1, true, 0},
        {"tlbProjeto", "tbSalvar", "Salvar", 2, false, 0},
        {"tlbProjeto", "tbFechar", "Fechar", 3, false, 0},
        {"tlbConfig", "tbConfigImpress", "Configuração da impressora", 5, true, 0},
        {"tlbConfig", "tbAjuda", "Ajuda", 6, true, 0},
        {"tlbSair", "tbSair", "Sair", 7, true, 0},
        {"tlbWeb", "tbVexo", "site da vexo", 9, true, 2},
        {"tlbWeb", "tbKwel", "site do Kwel", 8, true, 1},
        {"tlbWeb", "tbQor", "site do Qor", 10, true, 3},
    };
    for (const Botao& b : botoes) {
        QToolButton* tb = botao(b.nome);
        ASSERT_NE(tb, nullptr) << b.nome;
        EXPECT_EQ(tb->parent()->objectName(), b.barra) << b.nome;
        EXPECT_EQ(tb->toolTip(), QString::fromUtf8(b.dica)) << b.nome;
        EXPECT_EQ(tb->isEnabled(), b.habilitado) << b.nome;
        EXPECT_EQ(tb->size(), QSize(25, 24)) << b.nome;
        EXPECT_EQ(tb->property("Tag").toInt(), b.tag) << b.nome;
        const QImage esperada = FPrincipal->ilAtivado.at(b.figura).toImage();
        EXPECT_FALSE(esperada.isNull()) << b.nome;
        EXPECT_EQ(tb->icon().pixmap(18, QIcon::Normal).toImage(), esperada) << b.nome;
    }
    // Disabled project buttons show their greyed pictures.
    for (const char* nome : {"tbNovo", "tbAbrir", "tbSalvar", "tbFechar"}) {
        const int figura = botao(nome)->property("ImageIndex").toInt();
        EXPECT_EQ(botao(nome)->icon().pixmap(18, QIcon::Disabled).toImage(),
                  FPrincipal->ilDesativado.at(figura).toImage())
            << nome;
        EXPECT_NE(FPrincipal->ilDesativado.at(figura).toImage(), FPrincipal->ilAtivado.at(figura).toImage());
    }
}

// ---- Status bar -------------------------------------------------------------------------

TEST_F(JanelasTest, RelogioNoPainelDaDireitaACadaSegundo)
{
    iniciaPrincipal();
    EXPECT_EQ(FPrincipal->Timer1->interval(), 1000);
    EXPECT_TRUE(FPrincipal->Timer1->isActive());
    ASSERT_TRUE(esperaAte([] { return !FPrincipal->painelStatus(1)->text().isEmpty(); }, 2500));
    EXPECT_TRUE(FPrincipal->painelStatus(0)->text().isEmpty());
    // The long time format of the locale, seconds included, without the time zone.
    const QString hora = FPrincipal->painelStatus(1)->text();
    EXPECT_TRUE(QRegularExpression("^\\d{1,2}:\\d\\d:\\d\\d$").match(hora).hasMatch()) << hora.toStdString();
}

TEST_F(JanelasTest, PainelDaEsquerdaAcompanhaALarguraDaJanela)
{
    iniciaPrincipal();
    FPrincipal->showNormal();
    FPrincipal->resize(700, 500);
    ASSERT_TRUE(esperaAte([] { return FPrincipal->width() == 700; }));
    EXPECT_EQ(FPrincipal->painelStatus(0)->width(), 620);
}

// ---- Help -------------------------------------------------------------------------------

// Help on a context reaches the control with its number, and a request for the contents
// (command 11) with the contents' number; every other command does nothing.
TEST_F(JanelasTest, SoAjudaDeContextoEDoConteudoChegaAoControle)
{
    iniciaPrincipal();
    struct Caso {
        std::uint16_t comando;
        std::optional<std::uintptr_t> contexto;
    };
    const Caso casos[] = {{1, 4321}, {8, 4321}, {11, 10031}, {0, {}}, {2, {}}, {15, {}}, {261, {}}};
    for (const Caso& caso : casos) {
        chamadasAjuda.clear();
        bool chamarAjuda = true;
        EXPECT_TRUE(FPrincipal->chamarAjudaHtml(caso.comando, 4321, chamarAjuda));
        EXPECT_EQ(chamarAjuda, !caso.contexto) << caso.comando;
        ASSERT_EQ(chamadasAjuda.size(), caso.contexto ? 1u : 0u) << caso.comando;
        if (caso.contexto) {
            EXPECT_EQ(chamadasAjuda[0].arquivo, FPrincipal->arquivoAjuda.toStdString());
            EXPECT_EQ(chamadasAjuda[0].comando, 15u);
            EXPECT_EQ(chamadasAjuda[0].dados, *caso.contexto);
        }
    }
}

TEST_F(JanelasTest, PedidosDeAjudaDaAplicacaoPassamPelaJanelaPrincipal)
{
    iniciaPrincipal();
    TAjudaAplicacao::HelpContext(10025);
    TAjudaAplicacao::HelpCommand(8, 32);
    TAjudaAplicacao::HelpCommand(11, 0);
    TAjudaAplicacao::HelpCommand(261, 0);
    EXPECT_EQ(contextosPedidos(), (std::vector<std::uintptr_t>{10025, 32, 10031}));
}

TEST_F(JanelasTest, SemEntradaDoControleOPedidoNaoFazNada)
{
    iniciaPrincipal();
    HHProc = nullptr;
    bool chamarAjuda = true;
    EXPECT_TRUE(FPrincipal->chamarAjudaHtml(1, 10031, chamarAjuda));
    EXPECT_FALSE(chamarAjuda);
}

TEST_F(JanelasTest, ComandosDeAjudaPelaTag)
{
    iniciaPrincipal();
    FPrincipal->Contedo1->trigger();
    FPrincipal->Comousaraajuda1->trigger();
    FPrincipal->tbAjuda->click();
    EXPECT_EQ(contextosPedidos(), (std::vector<std::uintptr_t>{10031, 10043, 10031}));

    // Neither a menu item of another Tag nor a sender of another kind opens anything.
    chamadasAjuda.clear();
    QAction semTag;
    FPrincipal->AjudaClick(&semTag);
    QObject outro;
    outro.setProperty("Tag", 1);
    FPrincipal->AjudaClick(&outro);
    EXPECT_TRUE(chamadasAjuda.empty());
}

TEST_F(JanelasTest, SobreOMorlinMostraUmaNovaFiguraDeAbertura)
{
    iniciaPrincipal();
    QPointer<TFInicial> primeira = FInicial;
    clicaAberturaQuandoAparecer();
    FPrincipal->SobreoKastrel1->trigger();
    ASSERT_TRUE(FInicial);
    EXPECT_NE(FInicial.data(), primeira.data());
    EXPECT_FALSE(FInicial->isVisible());
    EXPECT_TRUE(esperaAte([&primeira] { return primeira.isNull(); }));
    EXPECT_TRUE(chamadasAjuda.empty());
}

class F1Test : public JanelasTest {
protected:
    void SetUp() override
    {
        JanelasTest::SetUp();
        iniciaPrincipalAtiva();
    }

    void aperteF1(QWidget* foco)
    {
        foco->setFocus();
        ASSERT_TRUE(esperaAte([foco] { return QApplication::focusWidget() == foco; }));
        QTest::keyClick(foco, Qt::Key_F1);
    }
};

TEST_F(F1Test, F1AbreOConteudoDaAjuda)
{
    EXPECT_EQ(FPrincipal->Action1->shortcut(), QKeySequence(Qt::Key_F1));
    aperteF1(FPrincipal->areaMdi());
    EXPECT_EQ(contextosPedidos(), std::vector<std::uintptr_t>{10031});
}

TEST_F(F1Test, F1NumControleComContextoProprioAbreOContextoDele)
{
    auto* janela = new QWidget;
    auto* latitude = new QLineEdit(janela);
    latitude->setProperty("HelpContext", 32);
    auto* pagina = new QWidget(janela);
    pagina->setProperty("HelpContext", 1);
    pagina->move(0, 40);
    auto* naPagina = new QLineEdit(pagina);
    auto* semContexto = new QLineEdit(janela);
    semContexto->move(0, 80);
    FPrincipal->areaMdi()->addSubWindow(janela)->show();

    aperteF1(latitude);
    aperteF1(naPagina);
    aperteF1(semContexto);
    EXPECT_EQ(contextosPedidos(), (std::vector<std::uintptr_t>{32, 1, 10031}));
}

// ---- Printer setup and web pages --------------------------------------------------------

TEST_F(JanelasTest, ImpressoraConfirmadaViraAPadrao)
{
    iniciaPrincipal();
    int dialogos = 0;
    respostaDialogo = [&dialogos](QPrinter&) {
        ++dialogos;
        return true;
    };
    FPrincipal->tbConfigImpress->click();
    FPrincipal->Configuraes1->trigger();
    EXPECT_EQ(dialogos, 2);
    EXPECT_EQ(impressorasPadrao, (std::vector<QString>(2, TImpressora::impressora().printerName())));
}

TEST_F(JanelasTest, ConfiguracaoCanceladaNaoMudaAImpressoraPadrao)
{
    iniciaPrincipal();
    int dialogos = 0;
    respostaDialogo = [&dialogos](QPrinter&) {
        ++dialogos;
        return false;
    };
    FPrincipal->tbConfigImpress->click();
    EXPECT_EQ(dialogos, 1);
    EXPECT_TRUE(impressorasPadrao.empty());
    EXPECT_TRUE(mensagens.isEmpty());
}

// The printer setup is no print dialog: it only chooses the printer, in Portuguese, and
// its "Cancelar" leaves the printer and the default as they were.
TEST_F(JanelasTest, ConfiguracaoDaImpressoraSoEscolheAImpressora)
{
    iniciaPrincipal();
    TImpressora::substituiDialogo({});
    const QString antes = TImpressora::impressora().printerName();
    QString titulo;
    QStringList botoes;
    comDialogoModal([] { FPrincipal->tbConfigImpress->click(); },
                    [&](QWidget* dialogo) {
                        titulo = dialogo->windowTitle();
                        EXPECT_EQ(qobject_cast<QPrintDialog*>(dialogo), nullptr);
                        for (const QPushButton* botao : dialogo->findChildren<QPushButton*>())
                            botoes << botao->text();
                        auto* caixa = dialogo->findChild<QDialogButtonBox*>();
                        ASSERT_NE(caixa, nullptr);
                        caixa->button(QDialogButtonBox::Cancel)->click();
                    });
    EXPECT_EQ(titulo, "Configuração da impressora");
    EXPECT_EQ(botoes, (QStringList{"OK", "Cancelar"}));
    EXPECT_TRUE(impressorasPadrao.empty());
    EXPECT_EQ(TImpressora::impressora().printerName(), antes);
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(JanelasTest, BotoesDaWebAbremAsPaginasDoProgramaPelaTag)
{
    iniciaPrincipal();
    FPrincipal->tbKwel->click();
    FPrincipal->tbVexo->click();
    FPrincipal->tbQor->click();
    QObject outro;
    outro.setProperty("Tag", 1);
    FPrincipal->Vexoweb(&outro);
    QToolButton semTag;
    FPrincipal->Vexoweb(&semTag);

    ASSERT_EQ(enderecos.size(), 3u);
    const QString pasta = QDir::currentPath() + "/web/";
    EXPECT_EQ(enderecos[0], QUrl::fromLocalFile(pasta + "morlin.html"));
    EXPECT_EQ(enderecos[1], QUrl::fromLocalFile(pasta + "citacao.html"));
    EXPECT_EQ(enderecos[2], QUrl::fromLocalFile(pasta + "ajuda.html"));
}

TEST_F(JanelasTest, FalhaAoAbrirPaginaDaBarraNaoEAvisada)
{
    iniciaPrincipal();
    respostaNavegador = false;
    FPrincipal->tbQor->click();
    EXPECT_EQ(enderecos.size(), 1u);
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST(PaginasWeb, InstaladasAoLadoDoProgramaSemEnderecosDeFora)
{
    const QDir pasta(QDir::currentPath() + "/web");
    for (const char* nome : {"morlin.html", "citacao.html", "ajuda.html"}) {
        QFile pagina(pasta.filePath(nome));
        ASSERT_TRUE(pagina.open(QIODevice::ReadOnly)) << nome;
        const QString texto = QString::fromUtf8(pagina.readAll());
        EXPECT_TRUE(texto.contains("lang=\"pt-BR\"")) << nome;
        EXPECT_FALSE(texto.contains("://")) << nome;
        EXPECT_FALSE(texto.contains("www.")) << nome;
    }
}

// ---- Project commands -------------------------------------------------------------------

TEST_F(JanelasTest, NovoAbreAIdentificacaoSemPerguntar)
{
    iniciaPrincipal();
    FPrincipal->projetoSalvo = true;
    FPrincipal->projetoAberto = true;
    FPrincipal->nomeArquivo = "/tmp/anterior.txt";
    FPrincipal->CapacidadedeArmazenamento1->setEnabled(true);
    FPrincipal->RelatriodeAvaliao1->setEnabled(true);
    FPrincipal->Salvar1->setEnabled(true);
    FPrincipal->tbSalvar->setEnabled(true);

    FPrincipal->tbNovo->click();
    ASSERT_TRUE(FIdentificacao);
    EXPECT_TRUE(FIdentificacao->isVisible());
    EXPECT_FALSE(FIdentificacao->isModal());
    EXPECT_EQ(FIdentificacao->parent(), FPrincipal.data());
    EXPECT_FALSE(FPrincipal->projetoSalvo);
    EXPECT_FALSE(FPrincipal->projetoAberto);
    EXPECT_FALSE(FPrincipal->CapacidadedeArmazenamento1->isEnabled());
    EXPECT_FALSE(FPrincipal->RelatriodeAvaliao1->isEnabled());
    // The new project cannot be saved over the file of the one before.
    EXPECT_TRUE(FPrincipal->nomeArquivo.isEmpty());
    EXPECT_FALSE(FPrincipal->Salvar1->isEnabled());
    EXPECT_FALSE(FPrincipal->tbSalvar->isEnabled());
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(JanelasTest, NovoDeNovoTrocaODialogoDeIdentificacao)
{
    iniciaPrincipal();
    FPrincipal->Novo1->trigger();
    QPointer<TFIdentificacao> primeiro = FIdentificacao;
    primeiro->EMunicipio->setText("Lavras");
    FPrincipal->Novo1->trigger();
    EXPECT_NE(FIdentificacao.data(), primeiro.data());
    EXPECT_TRUE(FIdentificacao->EMunicipio->text().isEmpty());
    EXPECT_TRUE(esperaAte([&primeiro] { return primeiro.isNull(); }));
}

TEST_F(JanelasTest, IdentificacaoDoMenuMostraADeAgoraOuCriaUma)
{
    iniciaPrincipal();
    FPrincipal->Sair2->trigger();
    ASSERT_TRUE(FIdentificacao);
    EXPECT_TRUE(FIdentificacao->isVisible());
    QPointer<TFIdentificacao> criada = FIdentificacao;
    criada->EEstado->setText("MG");
    criada->close();
    FPrincipal->Sair2->trigger();
    EXPECT_EQ(FIdentificacao.data(), criada.data());
    EXPECT_TRUE(FIdentificacao->isVisible());
    EXPECT_EQ(FIdentificacao->EEstado->text(), "MG");
}

TEST_F(JanelasTest, PaginasDaEntradaDeDadosPeloMenu)
{
    iniciaPrincipal();
    FPrincipal->EntradaDeDados1Click(); // no data-entry window: nothing to do
    FEntdados = new TFEntdados(nullptr);
    QStackedWidget* paginas = FEntdados->NotePaginas;
    FPrincipal->mostraJanelaFilha(FEntdados);

    FPrincipal->CapacidadedeArmazenamento1Click();
    EXPECT_EQ(paginas->currentIndex(), 1);
    FPrincipal->EntradaDeDados1Click();
    EXPECT_EQ(paginas->currentIndex(), 0);
}

TEST_F(JanelasTest, JanelaFilhaFechadaLevaAMolduraJunto)
{
    iniciaPrincipal();
    auto* janela = new TFEntdados(nullptr);
    QPointer<QMdiSubWindow> moldura = FPrincipal->mostraJanelaFilha(janela);
    EXPECT_EQ(FPrincipal->areaMdi()->subWindowList().size(), 1);
    EXPECT_TRUE(janela->isVisible());
    janela->close();
    EXPECT_TRUE(esperaAte([&moldura] { return moldura.isNull(); }));
    EXPECT_TRUE(FPrincipal->areaMdi()->subWindowList().isEmpty());
}

// A main window smaller than the data-entry window scrolls the area that holds it, so
// that every control can be reached.
TEST_F(JanelasTest, AreaDasJanelasFilhasRolaAteOsBotoes)
{
    iniciaPrincipal();
    FPrincipal->setWindowState(Qt::WindowNoState);
    FPrincipal->resize(500, 400);
    auto* janela = new TFEntdados(nullptr);
    FPrincipal->mostraJanelaFilha(janela);
    QMdiArea* area = FPrincipal->areaMdi();
    QScrollBar* vertical = area->verticalScrollBar();
    QScrollBar* horizontal = area->horizontalScrollBar();
    ASSERT_TRUE(esperaAte([&] { return vertical->isVisible() && horizontal->isVisible(); }));
    const auto aVista = [area](const QWidget* controle) {
        const QRect retangulo(controle->mapTo(area->viewport(), QPoint(0, 0)), controle->size());
        return area->viewport()->rect().contains(retangulo);
    };
    EXPECT_EQ(janela->parentWidget()->pos(), QPoint(0, 0));  // not out of reach on the left
    EXPECT_FALSE(aVista(janela->BttCancela));

    vertical->setValue(vertical->maximum());
    for (const QWidget* botao : {janela->BttCalcula, janela->BttAjuda, janela->BttCancela})
        EXPECT_TRUE(aVista(botao)) << botao->objectName().toStdString();
    const QWidget* moldura = janela->parentWidget();
    EXPECT_GT(moldura->geometry().right(), area->viewport()->rect().right());
    horizontal->setValue(horizontal->maximum());
    EXPECT_EQ(moldura->geometry().right(), area->viewport()->rect().right());
}

TEST_F(JanelasTest, DuasCadernetasDeCampoPeloMenu)
{
    iniciaPrincipal();
    FPrincipal->CadernetadeCampo1->trigger();
    QPointer<TFCadernetaDeCampo> primeira = FCadernetaDeCampo;
    FPrincipal->CadernetadeCampo1->trigger();
    ASSERT_TRUE(primeira);
    EXPECT_NE(FCadernetaDeCampo.data(), primeira.data());
    EXPECT_TRUE(primeira->isVisible());
    EXPECT_TRUE(FCadernetaDeCampo->isVisible());
    EXPECT_EQ(FCadernetaDeCampo->parent(), FPrincipal.data());
    EXPECT_TRUE(FCadernetaDeCampo->isWindow());
}
