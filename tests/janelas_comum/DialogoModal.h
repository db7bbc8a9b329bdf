#pragma once
// What the window tests of every folder share: a modal dialog looked at while it is open.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `abre`, which shows a modal dialog and waits for it, while `examina` is handed the
// dialog once it is on the screen; `examina` must close it.
inline void comDialogoModal(const std::function<void()>& abre, const std::function<void(QWidget*)>& examina)
{
    QTimer vigia;
    vigia.callOnTimeout([&] {
        if (QWidget* dialogo = QApplication::activeModalWidget()) {
            vigia.stop();
            examina(dialogo);
        }
    });
    vigia.start(5);
    abre();
    vigia.stop();
}
