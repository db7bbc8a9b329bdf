#pragma once
// The application's help request: every window asks for help by context number here,
// and the handler the main window installs decides where the request goes.
#include <cstdint>
#include <functional>

class QWidget;

class TAjudaAplicacao {
public:
    // Command, data, and the flag that says whether the platform's own help should run.
    using TManipulador = std::function<bool(std::uint16_t comando, std::uint32_t dados, bool& chamarAjuda)>;

    static void defineManipulador(TManipulador manipulador);
    // Help on a context (command 1).
    static void HelpContext(std::uint32_t contexto);
    // Any help command with its data.
    static void HelpCommand(std::uint16_t comando, std::uint32_t dados);

    // The help context a control stands for (its "HelpContext" property), or that of the
    // nearest control around it that has one; 0 when none has, or with no control.
    static std::uint32_t contextoDoControle(const QWidget* controle);
};
