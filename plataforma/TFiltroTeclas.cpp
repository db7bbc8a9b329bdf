#include "plataforma/TFiltroTeclas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace {

constexpr char16_t retrocesso = 8;

// A shortcut holds Ctrl or Meta down; Ctrl with Alt is how some systems report AltGr,
// which types characters.
bool ehAtalho(Qt::KeyboardModifiers modificadores)
{
    if (modificadores.testFlag(Qt::MetaModifier))
        return true;
    return modificadores.testFlag(Qt::ControlModifier) && !modificadores.testFlag(Qt::AltModifier);
}

// The character a key press types, or the null character when it types none.
QChar caractereDigitado(const QKeyEvent& tecla)
{
    if (ehAtalho(tecla.modifiers()))
        return QChar();
    if (tecla.key() == Qt::Key_Backspace)
        return QChar(retrocesso);
    const QString texto = tecla.text();
    if (texto.isEmpty() || !texto.at(0).isPrint())
        return QChar();
    return texto.at(0);
}

} // namespace

TFiltroTeclas::TFiltroTeclas(TManipulador manipulador, QObject* dono)
    : QObject(dono)
    , manipulador_(std::move(manipulador))
{
}

void TFiltroTeclas::instala(QWidget* alvo)
{
    alvo->installEventFilter(this);
}

bool TFiltroTeclas::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress || reenviando_)
        return QObject::eventFilter(objeto, evento);
    auto* tecla = static_cast<QKeyEvent*>(evento);
    const QChar digitado = caractereDigitado(*tecla);
    if (digitado.isNull())
        return QObject::eventFilter(objeto, evento);
    QChar resultado = digitado;
    manipulador_(objeto, resultado);
    tecla->accept();
    if (resultado.isNull())
        return true;
    // The judged key is delivered from here, so that a widget which hands it on (a grid
    // to the cell editor it opens) does not have it judged a second time.
    QKeyEvent trocada(QEvent::KeyPress, resultado.toUpper().unicode(), tecla->modifiers(), QString(resultado));
    QKeyEvent* entregue = resultado == digitado ? tecla : &trocada;
    reenviando_ = true;
    QCoreApplication::sendEvent(objeto, entregue);
    reenviando_ = false;
    tecla->setAccepted(entregue->isAccepted());
    return true;
}
