#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/TLayoutRelatorio.h"
#include "plataforma/TProjetoRelatorio.h"

#include <QApplication>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Two pages; for each it notes the sheet it was given, where the sheet's far corner
// lands on the device and the status window on the screen meanwhile.
class TLayoutDuasPaginas : public TLayoutRelatorio {
public:
    struct TPagina {
        int numero;
        QRectF papel;
        QPointF cantoNoDispositivo;
        QString andamento;
        QString tituloAndamento;
    };
    mutable std::vector<TPagina> paginasDesenhadas;

    QString titulo() const override { return QStringLiteral("Relatório de teste"); }
    int paginas(const TProjetoRelatorio&) const override { return 2; }

    void desenha(QPainter& pintor, const QRectF& papel, int pagina, const TProjetoRelatorio& projeto) const override
    {
        TPagina vista{pagina, papel, pintor.transform().map(papel.bottomRight()), {}, {}};
        for (QWidget* janela : QApplication::topLevelWidgets())
            if (auto* andamento = qobject_cast<QProgressDialog*>(janela); andamento && andamento->isVisible()) {
                vista.andamento = andamento->labelText();
                vista.tituloAndamento = andamento->windowTitle();
            }
        paginasDesenhadas.push_back(vista);
        pintor.drawText(QPointF(72, 72), projeto.parametro(QStringLiteral("Texto")));
    }
};

} // namespace

TEST(TProjetoRelatorio, ParametrosGuardamAOrdemEmQueChegaram)
{
    const TLayoutDuasPaginas layout;
    TProjetoRelatorio projeto(layout);
    projeto.setParametro(QStringLiteral("b"), QStringLiteral("1"));
    projeto.setParametro(QStringLiteral("a"), QStringLiteral("2"));
    projeto.setParametro(QStringLiteral("b"), QStringLiteral("3"));
    const std::vector<std::pair<QString, QString>> esperados{{"b", "3"}, {"a", "2"}};
    EXPECT_EQ(projeto.parametros(), esperados);
    EXPECT_EQ(projeto.parametro(QStringLiteral("a")), QStringLiteral("2"));
    EXPECT_EQ(projeto.parametro(QStringLiteral("A")), QString());
    EXPECT_EQ(projeto.parametro(QStringLiteral("c")), QString());
}

TEST(TProjetoRelatorio, ImprimeCadaPaginaNoArquivoComOAndamentoEmPortugues)
{
    QTemporaryDir pasta;
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(pasta.filePath(QStringLiteral("teste.pdf")));
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    const TLayoutDuasPaginas layout;
    TProjetoRelatorio projeto(layout);
    projeto.setParametro(QStringLiteral("Texto"), QStringLiteral("Página de teste"));

    projeto.imprime(impressora);

    ASSERT_EQ(layout.paginasDesenhadas.size(), 2u);
    // The sheet in points, whatever the margins; its far corner where the device has it.
    const QRectF papel = impressora.paperRect(QPrinter::DevicePixel);
    const QPointF canto = papel.bottomRight() - impressora.pageRect(QPrinter::DevicePixel).topLeft();
    for (const auto& pagina : layout.paginasDesenhadas) {
        SCOPED_TRACE(pagina.numero);
        EXPECT_NEAR(pagina.papel.width(), 595.3, 0.5);
        EXPECT_NEAR(pagina.papel.height(), 841.9, 0.5);
        EXPECT_EQ(pagina.papel.topLeft(), QPointF(0, 0));
        EXPECT_NEAR(pagina.cantoNoDispositivo.x(), canto.x(), 1);
        EXPECT_NEAR(pagina.cantoNoDispositivo.y(), canto.y(), 1);
        EXPECT_EQ(pagina.tituloAndamento, QStringLiteral("Andamento do relatório"));
        EXPECT_EQ(pagina.andamento, QStringLiteral("Gerando a página %1").arg(pagina.numero));
    }
    EXPECT_EQ(impressora.docName(), QStringLiteral("Relatório de teste"));
    QFile arquivo(impressora.outputFileName());
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(arquivo.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2);
}

TEST(TProjetoRelatorio, ImpressoraQueNaoComecaLevantaErroSemDesenhar)
{
    QPrinter impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(QStringLiteral("/pasta/que/nao/existe/teste.pdf"));
    const TLayoutDuasPaginas layout;
    const TProjetoRelatorio projeto(layout);
    try {
        projeto.imprime(impressora);
        FAIL() << "sem erro";
    } catch (const EInOutError& erro) {
        EXPECT_STREQ(erro.what(), "Não foi possível iniciar a impressão.");
    }
    EXPECT_TRUE(layout.paginasDesenhadas.empty());
}
