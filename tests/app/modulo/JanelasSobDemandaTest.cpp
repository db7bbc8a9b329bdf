// The windows on demand as the program has them: in a test program built as the program is,
// the module beside it, loaded by the first command that opens one of them, its code bound
// to the program's own.
#include "app/TJanelasSobDemanda.h"
#include "app/UIdentificacao.h"
#include "app/UnitMorlin.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "tests/janelas_comum/DialogoModal.h"
#include "tests/janelas_comum/EsperaEventos.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const std::string moduloAoLado = pastaPrograma() + "janelasSobDemanda.so";

bool carregada(const std::string& biblioteca)
{
    void* const modulo = dlopen(biblioteca.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (modulo != nullptr)
        dlclose(modulo);
    return modulo != nullptr;
}

const std::string soDoModulo[] = {moduloAoLado, "libQt6Charts.so.6",
                                  "libQt6PrintSupport.so.6", "libQt6OpenGL.so.6", "libQt6OpenGLWidgets.so.6"};

QWidget* janelaVisivel(const QString& nome)
{
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (janela->objectName() == nome && janela->isVisible())
            return janela;
    return nullptr;
}

} // namespace

TEST(JanelasSobDemanda, PrimeiroComandoQueAbreUmaCarregaOModuloESuasBibliotecas)
{
    QStringList mensagens;
    TCaixaMensagem::substitui([&mensagens](const QString& texto) { mensagens << texto; },
                              [](const QString&) { return TCaixaMensagem::TResposta::Nao; });
    FPrincipal = new TFPrincipal;
    EXPECT_EQ(TJanelasSobDemanda::carregadas(), nullptr);
    for (const std::string& biblioteca : soDoModulo)
        EXPECT_FALSE(carregada(biblioteca)) << biblioteca;

    FPrincipal->NovoClick();
    ASSERT_TRUE(FIdentificacao);
    FIdentificacao->OK->click();
    ASSERT_NE(TJanelasSobDemanda::carregadas(), nullptr);
    for (const std::string& biblioteca : soDoModulo)
        EXPECT_TRUE(carregada(biblioteca)) << biblioteca;
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();

    // Every window of the module opens from the main window's commands, and goes with the
    // project.
    const auto molduras = FPrincipal->areaMdi()->subWindowList();
    ASSERT_EQ(molduras.size(), 1);
    EXPECT_EQ(molduras[0]->widget()->objectName(), "FEntdados");
    EXPECT_TRUE(FPrincipal->temEntradaDeDados());
    FPrincipal->RelatorioDeAvaliacaoClick();
    EXPECT_NE(janelaVisivel("FRelatorioAvaliacao"), nullptr);
    FPrincipal->cadernetaDeCampoClick();
    EXPECT_NE(janelaVisivel("FCadernetaDeCampo"), nullptr);
    QString dialogo;
    comDialogoModal([] { FPrincipal->configuraImpressoraClick(); },
                    [&dialogo](QWidget* aberto) {
                        dialogo = aberto->objectName();
                        aberto->close();
                    });
    EXPECT_EQ(dialogo, "DialogoImpressora");

    FPrincipal->FecharProjetoClick();
    EXPECT_FALSE(FPrincipal->temEntradaDeDados());
    EXPECT_TRUE(esperaAte([] {
        return FPrincipal->areaMdi()->subWindowList().isEmpty() && !janelaVisivel("FRelatorioAvaliacao") &&
               !janelaVisivel("FCadernetaDeCampo");
    }));
    EXPECT_TRUE(mensagens.isEmpty()) << mensagens.join('\n').toStdString();
    delete FPrincipal;
    TCaixaMensagem::substitui({}, {});
}

// Without the module beside the program, the command that needs it says which file is
// missing, and the program goes on with the project as it was: the identification dialog
// stays open with what was typed. This test program runs that in a copy of itself in a
// folder of its own.
TEST(JanelasSobDemanda, SemOModuloOComandoDizQualArquivoFalta)
{
    if (std::filesystem::exists(moduloAoLado)) {
        QTemporaryDir pasta;
        ASSERT_TRUE(pasta.isValid());
        const QString copia = pasta.filePath(QStringLiteral("testes_modulo"));
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copia));
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.remove(QStringLiteral("GTEST_TOTAL_SHARDS"));
        ambiente.remove(QStringLiteral("GTEST_SHARD_INDEX"));
        processo.setProcessEnvironment(ambiente);
        processo.start(copia, {QStringLiteral("--gtest_filter=JanelasSobDemanda.SemOModuloOComandoDizQualArquivoFalta")});
        ASSERT_TRUE(processo.waitForFinished(60000));
        const QString saida = QString::fromLocal8Bit(processo.readAllStandardOutput());
        EXPECT_EQ(processo.exitCode(), 0) << saida.toStdString();
        EXPECT_TRUE(saida.contains(QStringLiteral("[  PASSED  ] 1 test"))) << saida.toStdString();
        return;
    }
    QStringList mensagens;
    TCaixaMensagem::substitui([&mensagens](const QString& texto) { mensagens << texto; },
                              [](const QString&) { return TCaixaMensagem::TResposta::Nao; });
    FPrincipal = new TFPrincipal;
    FPrincipal->NovoClick();
    ASSERT_TRUE(FIdentificacao);
    FIdentificacao->EProprietario->setText(QStringLiteral("Maria"));
    FIdentificacao->OK->click();
    EXPECT_EQ(mensagens, QStringList{"O arquivo " + QString::fromStdString(moduloAoLado) + " não existe."});
    EXPECT_EQ(TJanelasSobDemanda::carregadas(), nullptr);
    EXPECT_FALSE(FPrincipal->temEntradaDeDados());
    EXPECT_TRUE(FIdentificacao->isVisible());
    EXPECT_EQ(FIdentificacao->EProprietario->text(), "Maria");
    delete FPrincipal;
    TCaixaMensagem::substitui({}, {});
}
