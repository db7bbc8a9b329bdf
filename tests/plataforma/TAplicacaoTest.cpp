#include "tests/janelas_comum/DialogoModal.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TDialogoArquivo.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/janelas_comum/EsperaEventos.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// The messages the application shows are noted here instead of waiting for a person.
class AplicacaoTest : public ::testing::Test {
protected:
    QStringList mensagens;

    void SetUp() override
    {
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
    }

    void TearDown() override { TCaixaMensagem::substitui({}, {}); }
};

// An object whose event handler fails the way a command of ours can.
class TFalhaNoEvento : public QObject {
public:
    std::function<void()> falha;

    bool event(QEvent* evento) override
    {
        if (evento->type() == QEvent::User)
            falha();
        return QObject::event(evento);
    }
};

} // namespace

TEST_F(AplicacaoTest, ErroNaoTratadoDeUmComandoMostraSuaMensagem)
{
    struct Caso {
        std::function<void()> falha;
        QString mensagem;
    };
    const Caso casos[] = {
        {[] { throw EConvertError("'abc' não é um número válido"); }, "'abc' não é um número válido"},
        {[] { throw std::runtime_error("falhou"); }, "falhou"},
        {[] { throw 42; }, "Ocorreu um erro inesperado."},
    };
    for (const Caso& caso : casos) {
        mensagens.clear();
        QTimer disparo;
        bool continuou = false;
        TAplicacao::liga(&disparo, &QTimer::timeout, &disparo, [&] {
            disparo.stop();
            caso.falha();
            continuou = true;
        });
        disparo.start(0);
        EXPECT_TRUE(esperaAte([this] { return !mensagens.isEmpty(); }));
        EXPECT_EQ(mensagens, QStringList{caso.mensagem});
        EXPECT_FALSE(continuou);
    }
}

// A command takes the arguments of the signal that it names, and still runs under the
// guard; one queued runs from the event loop, once the code that sent the signal is done.
TEST_F(AplicacaoTest, ComandoLigadoRecebeOsArgumentosDoSinal)
{
    QObject emissor;
    QString recebido;
    TAplicacao::liga(&emissor, &QObject::objectNameChanged, &emissor, [&recebido](const QString& nome) {
        recebido = nome;
        throw std::runtime_error("falhou em " + nome.toStdString());
    });
    emissor.setObjectName(QStringLiteral("Lavras"));
    EXPECT_EQ(recebido, "Lavras");
    EXPECT_EQ(mensagens, QStringList{"falhou em Lavras"});

    QStringList ordem;
    TAplicacao::liga(&emissor, &QObject::objectNameChanged, &emissor, [&ordem] { ordem << "comando"; },
                     Qt::QueuedConnection);
    emissor.setObjectName(QStringLiteral("Bambuí"));
    ordem << "sinal";
    QCoreApplication::sendPostedEvents(&emissor, QEvent::MetaCall);
    EXPECT_EQ(ordem, (QStringList{"sinal", "comando"}));
    EXPECT_EQ(mensagens, (QStringList{"falhou em Lavras", "falhou em Bambuí"}));
}

TEST_F(AplicacaoTest, ErroQueEscapaDeUmEventoEParadoNaAplicacao)
{
    TFalhaNoEvento objeto;
    objeto.falha = [] { throw Exception("Erro no evento"); };
    QEvent evento(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_EQ(mensagens, QStringList{"Erro no evento"});

    // The program goes on: the next event is delivered as usual.
    objeto.falha = [] {};
    EXPECT_TRUE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_EQ(mensagens.size(), 1);
}

// Qt's own texts are Portuguese whatever the machine's language (the window tests run
// under the application object the program runs under): the buttons of the save prompt,
// the edits' menu, the file dialog.
TEST_F(AplicacaoTest, TextosDoProprioQtEmPortugues)
{
    TCaixaMensagem::substitui({}, {});
    QStringList botoes;
    TCaixaMensagem::TResposta resposta = TCaixaMensagem::TResposta::Sim;
    comDialogoModal([&] { resposta = TCaixaMensagem::pergunta("Deseja salvar o projeto?"); },
                    [&](QWidget* dialogo) {
                        auto* caixa = qobject_cast<QMessageBox*>(dialogo);
                        ASSERT_NE(caixa, nullptr);
                        for (const auto botao : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                            botoes << caixa->button(botao)->text();
                        caixa->button(QMessageBox::Cancel)->click();
                    });
    EXPECT_EQ(botoes, (QStringList{"&Sim", "&Não", "Cancelar"}));
    EXPECT_EQ(resposta, TCaixaMensagem::TResposta::Cancelar);

    QLineEdit edicao;
    const std::unique_ptr<QMenu> menu(edicao.createStandardContextMenu());
    QStringList itens;
    for (const QAction* item : menu->actions())
        if (!item->isSeparator())
            itens << item->text().section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(itens, (QStringList{"&Desfazer", "&Refazer", "Recor&tar", "&Copiar", "C&olar", "Excluir",
                                  "Selecionar tudo"}));

    QStringList textos;
    comDialogoModal([] { TDialogoArquivo::abre(nullptr, QDir::tempPath(), "Arquivo do texto|*.txt"); },
                    [&](QWidget* dialogo) {
                        for (const QAbstractButton* b : dialogo->findChildren<QPushButton*>())
                            textos << b->text();
                        for (const QLabel* l : dialogo->findChildren<QLabel*>())
                            textos << l->text();
                        auto* arquivo = qobject_cast<QFileDialog*>(dialogo);
                        ASSERT_NE(arquivo, nullptr);
                        textos << arquivo->iconProvider()->type(QFileInfo(QDir::tempPath()));
                        arquivo->reject();
                    });
    EXPECT_EQ(textos, (QStringList{"&Abrir", "Cancelar", "Procurar em:", "&Nome do arquivo:", "Arquivos do tipo:",
                                   "Pasta"}));
}

// The file dialogs write the sizes and dates of the files the program's way whatever the
// machine's language (the tests run under the machine's own, "C").
TEST_F(AplicacaoTest, DialogoDeArquivosMostraTamanhosEDatasEmPortugues)
{
    QTemporaryDir pasta;
    QFile arquivo(pasta.path() + "/projeto.txt");
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(QByteArray(1536, 'x'));
    ASSERT_TRUE(arquivo.flush());
    const QDateTime quando(QDate(2026, 12, 10), QTime(21, 31));
    ASSERT_TRUE(arquivo.setFileTime(quando, QFileDevice::FileModificationTime));
    arquivo.close();

    QStringList colunas;
    comDialogoModal([&] { TDialogoArquivo::abre(nullptr, pasta.path(), "Arquivo do texto|*.txt"); },
                    [&](QWidget* dialogo) {
                        auto* lista = dialogo->findChild<QTreeView*>(QStringLiteral("treeView"));
                        ASSERT_NE(lista, nullptr);
                        const QAbstractItemModel* modelo = lista->model();
                        EXPECT_TRUE(esperaAte([&] { return modelo->rowCount(lista->rootIndex()) == 1; }));
                        const QModelIndex linha = modelo->index(0, 0, lista->rootIndex());
                        EXPECT_EQ(linha.data().toString(), QStringLiteral("projeto.txt"));
                        for (const int coluna : {1, 3})
                            colunas << linha.siblingAtColumn(coluna).data().toString();
                        qobject_cast<QFileDialog*>(dialogo)->reject();
                    });
    const QLocale brasileiro(QLocale::Portuguese, QLocale::Brazil);
    EXPECT_EQ(colunas, (QStringList{brasileiro.formattedDataSize(1536), QStringLiteral("10/12/2026 21:31")}));
}
