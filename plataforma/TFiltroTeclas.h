#pragma once
// A key-press handler in front of one or more widgets: every character typed into them
// goes first to the handler, which lets it pass, changes it into another character, or
// swallows it by setting it to the null character. Only typed characters are judged
// (printable text and backspace, handed over as the character 8); editing keys such as
// the arrows, Delete, Tab, Home and End and shortcuts such as Ctrl+C and Ctrl+V pass
// untouched. Text that comes in by other roads (pasted, dropped) is judged by the
// insertion filter (TFiltroInsercao).
#include <QObject>

#include <functional>

class QWidget;

class TFiltroTeclas : public QObject {
public:
    using TManipulador = std::function<void(QObject* remetente, QChar& tecla)>;

    TFiltroTeclas(TManipulador manipulador, QObject* dono);

    void instala(QWidget* alvo);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    TManipulador manipulador_;
    bool reenviando_ = false;
};
