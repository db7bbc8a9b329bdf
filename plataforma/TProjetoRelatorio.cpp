#include "plataforma/TProjetoRelatorio.h"

#include "plataforma/TLayoutRelatorio.h"
#include "plataforma/TVisualizacaoRelatorio.h"
#include "plataforma/nucleo/Excecoes.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>

namespace {

std::function<void(TProjetoRelatorio&)>& execucao()
{
    static std::function<void(TProjetoRelatorio&)> substituta;
    return substituta;
}

// The layout's coordinates: points from the sheet's top-left corner, whatever margins
// the printer keeps.
QRectF preparaPontos(QPainter& pintor, QPrinter& impressora)
{
    const QRectF papel = impressora.paperRect(QPrinter::DevicePixel);
    const QRectF pagina = impressora.pageRect(QPrinter::DevicePixel);
    pintor.translate(papel.topLeft() - pagina.topLeft());
    const qreal escala = impressora.resolution() / 72.0;
    pintor.scale(escala, escala);
    return {0, 0, papel.width() / escala, papel.height() / escala};
}

QString textoAndamento(const QPrinter& impressora, int pagina)
{
    const QString modelo = impressora.outputFormat() == QPrinter::PdfFormat ? QStringLiteral("Gerando a página %p")
                                                                             : QStringLiteral("Imprimindo a página %p");
    return QString(modelo).replace(QStringLiteral("%p"), QString::number(pagina));
}

} // namespace

TProjetoRelatorio::TProjetoRelatorio(const TLayoutRelatorio& layout) : layout_(layout)
{
}

void TProjetoRelatorio::setParametro(const QString& nome, const QString& valor)
{
    const auto atual = std::find_if(parametros_.begin(), parametros_.end(),
                                    [&nome](const auto& parametro) { return parametro.first == nome; });
    if (atual != parametros_.end())
        atual->second = valor;
    else
        parametros_.emplace_back(nome, valor);
}

QString TProjetoRelatorio::parametro(const QString& nome) const
{
    const auto atual = std::find_if(parametros_.begin(), parametros_.end(),
                                    [&nome](const auto& parametro) { return parametro.first == nome; });
    return atual == parametros_.end() ? QString() : atual->second;
}

void TProjetoRelatorio::executa(QWidget* pai)
{
    if (execucao()) {
        execucao()(*this);
        return;
    }
    TVisualizacaoRelatorio visualizacao(*this, pai);
    visualizacao.exec();
}

void TProjetoRelatorio::imprime(QPrinter& impressora) const
{
    impressora.setDocName(layout_.titulo());
    QProgressDialog andamento;
    andamento.setWindowTitle(QStringLiteral("Andamento do relatório"));
    andamento.setCancelButton(nullptr);
    andamento.setRange(0, layout_.paginas(*this));
    andamento.setMinimumDuration(0);
    desenhaPaginas(impressora, [&](int pagina) {
        andamento.setLabelText(textoAndamento(impressora, pagina));
        andamento.setValue(pagina - 1);
        andamento.show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}

void TProjetoRelatorio::desenhaPaginas(QPrinter& impressora) const
{
    desenhaPaginas(impressora, [](int) {});
}

void TProjetoRelatorio::desenhaPaginas(QPrinter& impressora, const std::function<void(int)>& antesDaPagina) const
{
    QPainter pintor;
    if (!pintor.begin(&impressora))
        throw EInOutError("Não foi possível iniciar a impressão.");
    const int total = layout_.paginas(*this);
    for (int pagina = 1; pagina <= total; ++pagina) {
        if (pagina > 1)
            impressora.newPage();
        antesDaPagina(pagina);
        pintor.save();
        const QRectF papel = preparaPontos(pintor, impressora);
        layout_.desenha(pintor, papel, pagina, *this);
        pintor.restore();
    }
    pintor.end();
}

void TProjetoRelatorio::substituiExecucao(std::function<void(TProjetoRelatorio&)> nova)
{
    execucao() = std::move(nova);
}
