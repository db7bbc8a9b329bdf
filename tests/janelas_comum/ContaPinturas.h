#pragma once
// Counts the paints a widget receives, and waits for them to stop: what a user waits for
// after a click is the last paint, not the first.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <chrono>
#include <thread>

class TContaPinturas : public QObject {
public:
    using Relogio = std::chrono::steady_clock;

    explicit TContaPinturas(QObject* alvo) { alvo->installEventFilter(this); }

    int quantas() const { return quantas_; }

    // Handles events until no paint has come for `calmaria`, and gives the moment the
    // last paint was over, or `desde` when none came. A paint later than the quiet spell
    // belongs to something else.
    Relogio::time_point esperaCalmaria(Relogio::time_point desde,
                                       std::chrono::milliseconds calmaria = std::chrono::milliseconds(100)) const
    {
        Relogio::time_point ultima = desde;
        for (int vistas = quantas_; Relogio::now() - ultima < calmaria;) {
            QCoreApplication::processEvents();
            if (quantas_ != vistas) {
                vistas = quantas_;
                ultima = Relogio::now();
            } else {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        return ultima;
    }

protected:
    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint)
            ++quantas_;
        return false;
    }

private:
    int quantas_ = 0;
};
