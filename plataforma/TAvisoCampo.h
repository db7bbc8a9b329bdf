#pragma once
// A short notice beside a field, in the colours of a tooltip: why the field did not take
// what was typed or pasted into it. It is drawn inside the field's window, so it moves and
// hides with the window, and it goes when its time is up, at the field's next change or
// when the field loses the keyboard. One window shows one notice at a time.
#include <QLabel>
#include <QPointer>

class QTimer;

class TAvisoCampo : public QLabel {
public:
    // How long a notice stays, in milliseconds.
    static constexpr int duracao = 6000;

    static void mostra(QWidget* campo, const QString& texto);

    // The notice of `janela` (the field's window), or nullptr before its first notice.
    static TAvisoCampo* daJanela(QWidget* janela);

    // The timer that takes the notice away.
    QTimer* relogio() const { return relogio_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    explicit TAvisoCampo(QWidget* janela);
    void acompanha(QWidget* campo);
    void posiciona();

    QPointer<QWidget> campo_;
    QTimer* relogio_;
};
