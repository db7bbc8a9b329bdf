// The installer as the lookup starts it: the program itself, run in a copy of the
// program's layout, with no display and its message read on the standard output.
#include "app/instalador/nucleo/TInstaladorArquivosComuns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString Copia = QStringLiteral(MORLIN_COPIA_NIMBRA);

QByteArray conteudoDe(const QString& caminho)
{
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

QStringList arquivosEsperados()
{
    QStringList nomes;
    for (const std::string& nome : arquivosComunsNimbra())
        nomes << QString::fromStdString(nome);
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

QStringList arquivosEm(const QString& pasta)
{
    return QDir(pasta).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

class SetupArquivosComuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(raiz_.isValid());
        ASSERT_TRUE(QDir(raiz_.path()).mkpath(QStringLiteral("bin/dados/Nimbra")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MORLIN_INSTALADOR), programa_));
    }

    void poeCopia()
    {
        for (const QString& nome : arquivosEm(Copia))
            ASSERT_TRUE(QFile::copy(Copia + "/" + nome, raiz_.filePath("bin/dados/Nimbra/" + nome)));
    }

    // Runs the program and gives its exit code; its message lands in `mensagem_`.
    int executa()
    {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("MORLIN_MENSAGEM_NA_SAIDA"), QStringLiteral("1"));
        processo.setProcessEnvironment(ambiente);
        processo.start(programa_, {});
        EXPECT_TRUE(processo.waitForFinished(60000)) << processo.errorString().toStdString();
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit);
        mensagem_ = QString::fromUtf8(processo.readAllStandardOutput());
        return processo.exitCode();
    }

    QTemporaryDir raiz_;
    QString programa_ = raiz_.filePath(QStringLiteral("bin/") + NomeInstaladorArquivosComuns);
    QString pasta_ = raiz_.filePath(QStringLiteral("Arquivos Comuns/Nimbra"));
    QString mensagem_;
};

} // namespace

// The build ships the copy the installer expects, under the name the lookup starts.
TEST_F(SetupArquivosComuns, OProgramaEACopiaEstaoJuntoDoPrograma)
{
    EXPECT_EQ(QFileInfo(QStringLiteral(MORLIN_INSTALADOR)).fileName(), QString(NomeInstaladorArquivosComuns));
    EXPECT_EQ(arquivosEm(Copia), arquivosEsperados());
}

TEST_F(SetupArquivosComuns, PoeAPastaDeVoltaESaiComZero)
{
    poeCopia();

    EXPECT_EQ(executa(), 0) << mensagem_.toStdString();

    EXPECT_EQ(arquivosEm(pasta_), arquivosEsperados());
    for (const QString& nome : arquivosEm(pasta_))
        EXPECT_EQ(conteudoDe(pasta_ + "/" + nome), conteudoDe(Copia + "/" + nome)) << nome.toStdString();
    EXPECT_TRUE(mensagem_.startsWith(QStringLiteral("Os arquivos comuns do banco de dados de chuvas intensas foram "
                                                    "instalados.")))
        << mensagem_.toStdString();
    EXPECT_TRUE(mensagem_.endsWith(QStringLiteral("\nPara: ") + QFileInfo(pasta_).canonicalFilePath()))
        << mensagem_.toStdString();
}

TEST_F(SetupArquivosComuns, SemACopiaDizOndeProcurouESaiComUm)
{
    EXPECT_EQ(executa(), 1) << mensagem_.toStdString();

    EXPECT_TRUE(mensagem_.contains(QStringLiteral("a cópia que acompanha o programa está incompleta")))
        << mensagem_.toStdString();
    EXPECT_TRUE(mensagem_.contains(QFileInfo(raiz_.filePath(QStringLiteral("bin/dados/Nimbra"))).canonicalFilePath()));
    EXPECT_FALSE(QFileInfo::exists(raiz_.filePath(QStringLiteral("Arquivos Comuns"))));
}
