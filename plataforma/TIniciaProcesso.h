#pragma once
// Starting another program, detached from this one. Tests put a recorder in place of
// the start, so no test runs a program.
#include <QString>

#include <functional>

class TIniciaProcesso {
public:
    enum class TResultado { iniciado, inexistente, falhou };

    static TResultado inicia(const QString& programa);

    // For tests: every start goes to `inicio` instead; an empty function brings the
    // real start back.
    static void substitui(std::function<TResultado(const QString&)> inicio);
};
