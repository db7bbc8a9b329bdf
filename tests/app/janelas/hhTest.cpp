#include "app/hh.h"

#include "plataforma/TRegistroClasses.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <QApplication>
#include <QImage>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

std::intptr_t sentinela(std::intptr_t, const char*, unsigned int, std::uintptr_t)
{
    return 1;
}

std::filesystem::path bibliotecaDe(THtmlHelpProc entrada)
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(entrada), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return std::filesystem::canonical(info.dli_fname);
}

QList<QWidget*> janelasAjuda()
{
    QList<QWidget*> janelas;
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (janela->objectName() == QStringLiteral("FAjuda"))
            janelas << janela;
    return janelas;
}

QTextBrowser* navegador()
{
    const auto janelas = janelasAjuda();
    return janelas.isEmpty() ? nullptr : janelas.first()->findChild<QTextBrowser*>(QStringLiteral("NavegadorAjuda"));
}

const std::string arquivoAjuda = pastaPrograma() + "AjudaMorlin.chm";
const QString topicoAusente = QStringLiteral("Tópico não encontrado");

// Every topic that the page on show leads to through its links, itself included, shown
// in `pagina` in turn and each once: `visita` sees the topic on show, then `trecho` each
// piece of its text with its format. The walk stops at a fatal failure. The number of
// topics shown.
qsizetype percorreTopicos(QTextBrowser* pagina, const std::function<void(const QUrl&)>& visita,
                          const std::function<void(const QUrl&, const QTextCharFormat&)>& trecho = {})
{
    QList<QUrl> aVisitar = {pagina->source()};
    QSet<QString> visitados;
    while (!aVisitar.isEmpty() && !::testing::Test::HasFatalFailure()) {
        const QUrl endereco = aVisitar.takeFirst().adjusted(QUrl::RemoveFragment);
        if (visitados.contains(endereco.toString()))
            continue;
        visitados.insert(endereco.toString());
        pagina->setSource(endereco);
        visita(endereco);
        for (QTextBlock bloco = pagina->document()->begin(); bloco.isValid(); bloco = bloco.next())
            for (auto parte = bloco.begin(); !parte.atEnd(); ++parte) {
                const QTextCharFormat formato = parte.fragment().charFormat();
                if (trecho)
                    trecho(endereco, formato);
                if (formato.isAnchor() && !formato.anchorHref().startsWith(QLatin1Char('#')))
                    aVisitar << endereco.resolved(QUrl(formato.anchorHref()));
            }
    }
    return visitados.size();
}

} // namespace

TEST(HHExpandRootVariable, TrocaSoAVariavelInicialEscritaEmQualquerCaixa)
{
    const std::string windows = HHWindowsFolder();
    const struct {
        std::string caminho;
        std::string esperado;
    } casos[] = {
        {"%SYSTEMROOT%\\System32\\hhctrl.ocx", windows + "\\System32\\hhctrl.ocx"},
        {"%SystemRoot%\\hhctrl.ocx", windows + "\\hhctrl.ocx"},
        {"%sYsTeMrOoT%", windows},
        {"%SYSTEMROOT", "%SYSTEMROOT"},
        {"%SYSTEMROO%\\hhctrl.ocx", "%SYSTEMROO%\\hhctrl.ocx"},
        {"%SYSTEMROOTX\\hhctrl.ocx", "%SYSTEMROOTX\\hhctrl.ocx"},
        {"%WINDIR%\\hhctrl.ocx", "%WINDIR%\\hhctrl.ocx"},
        {"C:\\%SystemRoot%\\hhctrl.ocx", "C:\\%SystemRoot%\\hhctrl.ocx"},
        {"", ""},
    };
    for (const auto& caso : casos) {
        std::string caminho = caso.caminho;
        HHExpandRootVariable(caminho);
        EXPECT_EQ(caminho, caso.esperado) << caso.caminho;
    }
}

class HHControle : public ::testing::Test {
protected:
    void SetUp() override { HHUnloadControl(); }
    void TearDown() override
    {
        HHUnloadControl();
        TRegistroClasses::substitui({});
    }
};

TEST_F(HHControle, SemCargaPeloNomeCarregaOControleAoLadoDoPrograma)
{
    const std::string aoLado = pastaPrograma() + "hhctrl.ocx";
    EXPECT_EQ(HHSystemFolder() + "/", pastaPrograma());
    EXPECT_EQ(HHLocateControlFile(), aoLado);

    HHLoadControl();

    ASSERT_NE(HHControlModule, nullptr);
    ASSERT_NE(HHProcA, nullptr);
    EXPECT_EQ(HHProc, HHProcA);
    EXPECT_EQ(bibliotecaDe(HHProc), std::filesystem::canonical(aoLado));
}

// A registered control is taken where the registration says, with its leading variable
// expanded; a registration of a missing file counts as none.
TEST_F(HHControle, CaminhoRegistradoDoControle)
{
    const std::string aoLado = HHSystemFolder() + "/hhctrl.ocx";
    const std::string ajuda = pastaPrograma() + "AjudaMorlin.chm";
    const struct {
        std::optional<std::string> registrado;
        std::string esperado;
    } casos[] = {
        {"%SYSTEMROOT%/hhctrl.ocx", HHWindowsFolder() + "/hhctrl.ocx"},
        {ajuda, ajuda},
        {pastaPrograma() + "nao_existe.ocx", aoLado},
        {"%SystemRoot%/nao_existe.ocx", aoLado},
        {"", aoLado},
        {std::nullopt, aoLado},
    };
    std::vector<std::string> chaves;
    for (const auto& caso : casos) {
        TRegistroClasses::substitui([&](const std::string& chave) {
            chaves.push_back(chave);
            return caso.registrado;
        });
        EXPECT_EQ(HHLocateControlFile(), caso.esperado) << caso.registrado.value_or("(sem chave)");
    }
    EXPECT_EQ(chaves, std::vector<std::string>(std::size(casos),
                                               "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32"));
}

// The start asks only whether the control is there: its file beside the program answers,
// with nothing loaded.
TEST_F(HHControle, ControleAoLadoDoProgramaEstaPresenteSemCarregar)
{
    EXPECT_TRUE(HHControlPresent());
    EXPECT_EQ(HHControlModule, nullptr);
}

TEST_F(HHControle, SegundaCargaNaoCarregaNadaEMantemAsEntradas)
{
    HHLoadControl();
    ASSERT_NE(HHControlModule, nullptr);
    void* const modulo = HHControlModule;
    const THtmlHelpProc a = HHProcA;
    const THtmlHelpProc w = HHProcW;
    const THtmlHelpProc chamada = HHProc;

    HHLoadControl();

    EXPECT_EQ(HHControlModule, modulo);
    EXPECT_EQ(HHProcA, a);
    EXPECT_EQ(HHProcW, w);
    EXPECT_EQ(HHProc, chamada);
}

TEST_F(HHControle, DescarregarLimpaTudoESemControleNaoFazNada)
{
    HHLoadControl();
    ASSERT_NE(HHControlModule, nullptr);
    HHUnloadControl();
    EXPECT_EQ(HHControlModule, nullptr);
    EXPECT_EQ(HHProcA, nullptr);
    EXPECT_EQ(HHProcW, nullptr);
    EXPECT_EQ(HHProc, nullptr);

    HHProcA = HHProcW = HHProc = &sentinela;
    HHUnloadControl();
    EXPECT_EQ(HHControlModule, nullptr);
    EXPECT_EQ(HHProcA, &sentinela);
    EXPECT_EQ(HHProcW, &sentinela);
    EXPECT_EQ(HHProc, &sentinela);
    HHProcA = HHProcW = HHProc = nullptr;
}

class AjudaMorlin : public ::testing::Test {
protected:
    void SetUp() override
    {
        HHLoadControl();
        ASSERT_NE(HHProc, nullptr);
    }

    static std::intptr_t pede(std::uint32_t contexto, const std::string& arquivo = arquivoAjuda)
    {
        return HHProc(0, arquivo.c_str(), HH_HELP_CONTEXT, contexto);
    }
};

TEST_F(AjudaMorlin, CadaContextoDoProgramaMostraOSeuTopico)
{
    const struct {
        std::uint32_t contexto;
        QString titulo;
        QString marca;
    } topicos[] = {
        {10031, QStringLiteral("Conteúdo da ajuda do Morlin"), {}},
        {10043, QStringLiteral("Como usar a ajuda"), {}},
        {10018, QStringLiteral("Precipitação: a chuva de projeto"), {}},
        {10017, QStringLiteral("Canal: comprimento e seções transversais"), {}},
        {10014, QStringLiteral("Área de contribuição e estrada"), {}},
        {10016, QStringLiteral("Perfil da crista do camalhão"), {}},
        {10019, QStringLiteral("Solo: taxa de infiltração estável"), {}},
        {10015, QStringLiteral("Resultados: capacidade de armazenamento do terraço"), {}},
        {10025, QStringLiteral("Identificação do terraço"), {}},
        {10007, QStringLiteral("Caderneta de campo"), {}},
        {7, QStringLiteral("Consulta à equação de chuvas intensas"), {}},
        {32, QStringLiteral("Latitude e longitude do local"), {}},
        {1, QStringLiteral("Glossário de termos e grandezas"), {}},
        {2, QStringLiteral("Localização do ponto"), {}},
        {4, QStringLiteral("Mapa, localidades e coordenadas"), {}},
        {6, QStringLiteral("Lista de estações pluviográficas"), {}},
        {9, QStringLiteral("Relatório da equação de chuvas"), {}},
        {0, QStringLiteral("Consulta à equação de chuvas intensas"), {}},
    };
    for (const auto& topico : topicos) {
        EXPECT_NE(pede(topico.contexto), 0) << topico.contexto;
        QTextBrowser* pagina = navegador();
        ASSERT_NE(pagina, nullptr);
        EXPECT_TRUE(pagina->window()->isVisible());
        EXPECT_EQ(pagina->documentTitle(), topico.titulo) << topico.contexto;
        EXPECT_EQ(pagina->source().fragment(), topico.marca) << topico.contexto;
        EXPECT_TRUE(pagina->toPlainText().contains(topico.titulo)) << topico.contexto;
        EXPECT_TRUE(pagina->window()->windowTitle().endsWith(topico.titulo)) << topico.contexto;
    }
    EXPECT_EQ(janelasAjuda().size(), 1);
}

// Every topic that the contents lead to opens, and every picture in it can be read.
TEST_F(AjudaMorlin, LigacoesEFigurasDosTopicosExistem)
{
    ASSERT_NE(pede(10031), 0);
    QTextBrowser* pagina = navegador();
    ASSERT_NE(pagina, nullptr);
    int figuras = 0;
    const qsizetype visitados = percorreTopicos(
        pagina,
        [pagina](const QUrl& endereco) {
            ASSERT_NE(pagina->documentTitle(), topicoAusente) << endereco.toString().toStdString();
        },
        [pagina, &figuras](const QUrl& endereco, const QTextCharFormat& formato) {
            if (!formato.isImageFormat())
                return;
            const QUrl figura = endereco.resolved(QUrl(formato.toImageFormat().name()));
            const QVariant dados = pagina->loadResource(QTextDocument::ImageResource, figura);
            EXPECT_FALSE(QImage::fromData(dados.toByteArray()).isNull()) << figura.toString().toStdString();
            ++figuras;
        });
    if (HasFatalFailure())
        return;
    EXPECT_GE(visitados, 17);
    EXPECT_GE(figuras, 5);
}

// The topics tell what the program does now: leaving and closing ask for unsaved work,
// Save As asks before replacing a file, "Ok" of the identification keeps the data entry,
// "Consulta" opens the consultation and fills the rainfall section, and missing shared
// data brings the installer.
TEST_F(AjudaMorlin, TopicosDizemOQueOProgramaFazHoje)
{
    const struct {
        std::uint32_t contexto;
        QString trecho;
    } presentes[] = {
        {10031, QStringLiteral("com alterações que ainda não foram salvas, o programa pergunta Deseja salvar o projeto?")},
        {10025, QStringLiteral("os dados já digitados na Entrada de Dados ficam como estão")},
        {10015, QStringLiteral("Gerar relatório: abre o relatório de avaliação do cálculo mostrado")},
        {10018, QStringLiteral("o botão Consulta abre a consulta à equação de chuvas intensas, sempre no "
                               "estado de Minas Gerais")},
        {10018, QStringLiteral("T não faz parte da consulta: continua como você o digitou")},
        {10018, QStringLiteral("mostra a mensagem Instale os arquivos a seguir! e, quando ela é fechada, abre o "
                               "instalador setupArquivosComuns.exe")},
        {7, QStringLiteral("O botão Consulta da seção Precipitação abre esta janela, sempre no estado de Minas "
                           "Gerais")},
        {7, QStringLiteral("Clique em Fechar (ou tecle Enter) para ficar com a equação mostrada")},
        {7, QStringLiteral("Instale os arquivos a seguir!: faltam os arquivos do banco de dados de chuvas "
                           "intensas")},
        {9, QStringLiteral("que o botão Consulta da seção Precipitação abre")},
        {9, QStringLiteral("a fonte da equação, com a referência completa")},
    };
    for (const auto& topico : presentes) {
        ASSERT_NE(pede(topico.contexto), 0);
        EXPECT_TRUE(navegador()->toPlainText().simplified().contains(topico.trecho)) << topico.contexto;
    }

    // No topic reached from the contents says otherwise.
    ASSERT_NE(pede(10031), 0);
    QTextBrowser* pagina = navegador();
    const qsizetype visitados = percorreTopicos(pagina, [pagina](const QUrl& endereco) {
        const QString texto = pagina->toPlainText().simplified();
        for (const char* antigo : {"sem perguntar", "Não pergunta", "não pergunta nada", "sem aviso",
                                   "sempre pergunta", "ainda não funciona", "ainda não abre",
                                   "não estiver disponível"})
            EXPECT_FALSE(texto.contains(QString::fromUtf8(antigo))) << endereco.toString().toStdString() << ": " << antigo;
    });
    EXPECT_GE(visitados, 21);
}

TEST_F(AjudaMorlin, NumeroDesconhecidoMostraAMensagemEOTopicoVoltaDepois)
{
    ASSERT_NE(pede(10018), 0);
    EXPECT_EQ(pede(4242), 0);
    ASSERT_NE(navegador(), nullptr);
    EXPECT_EQ(navegador()->documentTitle(), topicoAusente);
    EXPECT_TRUE(navegador()->toPlainText().contains(QStringLiteral("não tem o tópico de número 4242")));

    EXPECT_NE(pede(10018), 0);
    EXPECT_EQ(navegador()->documentTitle(), QStringLiteral("Precipitação: a chuva de projeto"));
}

TEST_F(AjudaMorlin, ArquivoAusenteOuIlegivelMostraAMensagem)
{
    const std::string ausente = pastaPrograma() + "NaoExiste.chm";
    EXPECT_EQ(pede(10031, ausente), 0);
    ASSERT_NE(navegador(), nullptr);
    EXPECT_EQ(navegador()->documentTitle(), QStringLiteral("Arquivo de ajuda não encontrado"));
    EXPECT_TRUE(navegador()->toPlainText().contains(QString::fromStdString("O arquivo " + ausente + " não existe.")));

    EXPECT_EQ(pede(10031, pastaPrograma() + "hhctrl.ocx"), 0);
    EXPECT_EQ(navegador()->documentTitle(), QStringLiteral("Arquivo de ajuda ilegível"));

    EXPECT_EQ(HHProc(0, nullptr, HH_HELP_CONTEXT, 10031), 0);
    EXPECT_EQ(navegador()->documentTitle(), QStringLiteral("Arquivo de ajuda não encontrado"));

    EXPECT_NE(pede(10031), 0);
    EXPECT_EQ(navegador()->documentTitle(), QStringLiteral("Conteúdo da ajuda do Morlin"));
}

TEST_F(AjudaMorlin, OutrosComandosNaoFazemNada)
{
    const bool haviaJanela = !janelasAjuda().isEmpty();
    for (const unsigned int comando : {0u, 1u, 2u, 8u, 11u, 16u})
        EXPECT_EQ(HHProc(0, arquivoAjuda.c_str(), comando, 10031), 0) << comando;
    EXPECT_EQ(!janelasAjuda().isEmpty(), haviaJanela);
}

// Left open, the help window goes with the program when its main window closes.
TEST_F(AjudaMorlin, JanelaDeAjudaAbertaNaoSeguraOPrograma)
{
    QWidget principal;
    principal.show();
    ASSERT_NE(pede(10031), 0);
    ASSERT_TRUE(navegador() != nullptr && navegador()->window()->isVisible());
    QTimer::singleShot(0, &principal, [&principal] { principal.close(); });
    QTimer seguranca;
    seguranca.callOnTimeout([] { QCoreApplication::exit(99); });
    seguranca.start(3000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}
