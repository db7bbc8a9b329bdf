#pragma once
// What the window tests of every folder share: waiting for the event loop.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>

#include <functional>

// Processes events until `condicao` holds or the time runs out.
inline bool esperaAte(const std::function<bool()>& condicao, int milissegundos = 3000)
{
    QDeadlineTimer prazo(milissegundos);
    while (!condicao()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}
