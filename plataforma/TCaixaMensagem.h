#pragma once
// Plain message boxes and the Yes/No/Cancel question. Tests put a responder in place
// of the boxes, so no test waits for a person.
#include <QString>

#include <functional>

class QWidget;

class TCaixaMensagem {
public:
    enum class TResposta { Sim, Nao, Cancelar };

    // Shows a message with an OK button.
    static void mostra(const QString& texto, QWidget* pai = nullptr);
    // Information box with its own caption, the information icon and one OK button.
    // Under a test's `registro` it goes there like any message.
    static void informa(const QString& texto, const QString& titulo, QWidget* pai = nullptr);
    // Information box with Yes, No and Cancel.
    static TResposta pergunta(const QString& texto, QWidget* pai = nullptr);
    // Question box with Yes and No, No the default: true on Yes.
    static bool confirma(const QString& texto, QWidget* pai = nullptr);

    // For tests: every message goes to `registro` and every question is answered by
    // `resposta` instead of a box (a confirmation holds when it answers Sim). Empty
    // functions bring the boxes back.
    static void substitui(std::function<void(const QString&)> registro,
                          std::function<TResposta(const QString&)> resposta);
};
