#include "plataforma/TVisualizacaoRelatorio.h"

#include "plataforma/TAplicacao.h"
#include "plataforma/TImpressora.h"
#include "plataforma/TProjetoRelatorio.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

TVisualizacaoRelatorio::TVisualizacaoRelatorio(const TProjetoRelatorio& projeto, QWidget* pai)
    : QDialog(pai, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                       | Qt::WindowCloseButtonHint),
      projeto_(projeto)
{
    setObjectName(QStringLiteral("VisualizacaoRelatorio"));
    setWindowTitle(QStringLiteral("Visualização do relatório"));

    Ferramentas = new QToolBar(this);
    Imprimir = acao(QStringLiteral("&Imprimir..."), "Imprimir", QKeySequence::Print);
    ConfigurarPagina = acao(QStringLiteral("&Configurar página..."), "ConfigurarPagina");
    Ferramentas->addSeparator();
    Aumentar = acao(QStringLiteral("&Aumentar"), "Aumentar", QKeySequence::ZoomIn);
    Diminuir = acao(QStringLiteral("&Diminuir"), "Diminuir", QKeySequence::ZoomOut);
    TamanhoReal = acao(QStringLiteral("&Tamanho real"), "TamanhoReal");
    PaginaInteira = acao(QStringLiteral("Página i&nteira"), "PaginaInteira");
    Ferramentas->addSeparator();
    Fechar = acao(QStringLiteral("&Fechar"), "Fechar");

    Previa = new QPrintPreviewWidget(&TImpressora::impressora(), this);
    Previa->setObjectName(QStringLiteral("Previa"));

    auto* disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(0, 0, 0, 0);
    disposicao->setSpacing(0);
    disposicao->addWidget(Ferramentas);
    disposicao->addWidget(Previa);

    TAplicacao::liga(Previa, &QPrintPreviewWidget::paintRequested, this,
                     [this] { projeto_.desenhaPaginas(TImpressora::impressora()); });
    TAplicacao::liga(Imprimir, &QAction::triggered, this, [this] { imprimeClick(); });
    TAplicacao::liga(ConfigurarPagina, &QAction::triggered, this, [this] { configuraPaginaClick(); });
    // The zoom and "Fechar" only call Qt's own slots: nothing of ours runs to guard.
    connect(Aumentar, &QAction::triggered, Previa, [this] { Previa->zoomIn(); });
    connect(Diminuir, &QAction::triggered, Previa, [this] { Previa->zoomOut(); });
    connect(TamanhoReal, &QAction::triggered, Previa, [this] { Previa->setZoomFactor(1.0); });
    connect(PaginaInteira, &QAction::triggered, Previa, &QPrintPreviewWidget::fitInView);
    connect(Fechar, &QAction::triggered, this, &QDialog::accept);

    // The page at its real size, in a window as large as the screen.
    Previa->setZoomMode(QPrintPreviewWidget::CustomZoom);
    Previa->setZoomFactor(1.0);
    setWindowState(Qt::WindowMaximized);
}

QAction* TVisualizacaoRelatorio::acao(const QString& texto, const char* nome, const QKeySequence& atalho)
{
    QAction* nova = Ferramentas->addAction(texto);
    nova->setObjectName(QLatin1String(nome));
    nova->setShortcut(atalho);
    return nova;
}

void TVisualizacaoRelatorio::imprimeClick()
{
    if (!TImpressora::executaDialogo(this, QStringLiteral("Opções de saída")))
        return;
    projeto_.imprime(TImpressora::impressora());
    Previa->updatePreview();
}

void TVisualizacaoRelatorio::configuraPaginaClick()
{
    QPageSetupDialog dialogo(&TImpressora::impressora(), this);
    if (dialogo.exec() == QDialog::Accepted)
        Previa->updatePreview();
}
