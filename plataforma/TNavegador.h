#pragma once
// Opens an address in the user's web browser.
#include <QUrl>

#include <functional>

class TNavegador {
public:
    // True when the browser took the address.
    static bool abre(const QUrl& endereco);

    // For tests: every address goes to `resposta`, which says whether it opened.
    // An empty function brings the browser back.
    static void substitui(std::function<bool(const QUrl&)> resposta);
};
