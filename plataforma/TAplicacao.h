#pragma once
// The application object. An error that a command does not catch ends that command and
// its message is shown in a message box; the program and its windows stay open, and no
// error ever travels through Qt's own code, which is not built to pass it on.
// Qt's own texts (the buttons of message boxes, the file and printer dialogs, the edits'
// menus) are in Brazilian Portuguese whatever the machine's language.
#include <QApplication>
#include <QObject>

#include <concepts>
#include <functional>
#include <utility>

class TAplicacao : public QApplication {
public:
    TAplicacao(int& argc, char** argv);

    bool notify(QObject* receptor, QEvent* evento) override;

    // Runs a command of ours under the guard.
    static void executa(const std::function<void()>& comando) noexcept;

    // Connects a signal to a command of ours that runs under the guard, while `contexto`
    // lives. The command takes as many of the signal's arguments, from the first, as it
    // names.
    template <typename Emissor, typename Sinal, typename Comando>
    static QMetaObject::Connection liga(Emissor* emissor, Sinal sinal, QObject* contexto, Comando comando,
                                        Qt::ConnectionType tipo = Qt::AutoConnection)
    {
        return QObject::connect(
            emissor, sinal, contexto,
            [comando = std::move(comando)](const auto&... argumentos)
                requires std::invocable<const Comando&, decltype(argumentos)...>
            { executa([&] { comando(argumentos...); }); },
            tipo);
    }

private:
    void carregaTraducoes();
    static void mostraErroAtual() noexcept;
};
