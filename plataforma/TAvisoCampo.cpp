#include "plataforma/TAvisoCampo.h"

#include "plataforma/TFontePadrao.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int margem = 4;       // from the window's edges
constexpr int afastamento = 2;  // between the field and the notice
constexpr int larguraMinima = 260;

} // namespace

TAvisoCampo::TAvisoCampo(QWidget* janela)
    : QLabel(janela)
    , relogio_(new QTimer(this))
{
    setObjectName(QStringLiteral("AvisoCampo"));
    setFont(TFontePadrao::fonte());
    setWordWrap(true);
    setMargin(3);
    setFrameShape(QFrame::Box);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    relogio_->setSingleShot(true);
    relogio_->setInterval(duracao);
    // Qt's own slot, here and for the field's edits: nothing of ours runs to guard.
    connect(relogio_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

TAvisoCampo* TAvisoCampo::daJanela(QWidget* janela)
{
    return janela->findChild<TAvisoCampo*>(QStringLiteral("AvisoCampo"), Qt::FindDirectChildrenOnly);
}

void TAvisoCampo::mostra(QWidget* campo, const QString& texto)
{
    QWidget* janela = campo->window();
    TAvisoCampo* aviso = daJanela(janela);
    if (aviso == nullptr)
        aviso = new TAvisoCampo(janela);
    aviso->setText(texto);
    aviso->acompanha(campo);
    aviso->posiciona();
    aviso->raise();
    aviso->show();
    aviso->relogio_->start();
}

void TAvisoCampo::acompanha(QWidget* campo)
{
    if (campo_ == campo)
        return;
    if (campo_)
        campo_->removeEventFilter(this);
    if (auto* antigo = qobject_cast<QLineEdit*>(campo_.data()))
        disconnect(antigo, nullptr, this, nullptr);
    campo_ = campo;
    campo->installEventFilter(this);
    if (auto* edicao = qobject_cast<QLineEdit*>(campo))
        connect(edicao, &QLineEdit::textChanged, this, &QWidget::hide);
}

// Under the field, or over it when the window ends below; within the window's width.
void TAvisoCampo::posiciona()
{
    QWidget* janela = parentWidget();
    const int largura = std::min(janela->width() - 2 * margem, std::max(campo_->width(), larguraMinima));
    const int altura = heightForWidth(largura);
    const QPoint canto = campo_->mapTo(janela, QPoint(0, 0));
    const int x = std::clamp(canto.x(), margem, std::max(margem, janela->width() - largura - margem));
    int y = canto.y() + campo_->height() + afastamento;
    if (y + altura > janela->height() - margem)
        y = std::max(margem, canto.y() - altura - afastamento);
    setGeometry(x, y, largura, altura);
}

bool TAvisoCampo::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == campo_ && (evento->type() == QEvent::FocusOut || evento->type() == QEvent::Hide))
        hide();
    return QLabel::eventFilter(objeto, evento);
}
