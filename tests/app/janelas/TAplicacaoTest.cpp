#include "AmbienteJanelas.h"

#include "Excecoes.h"
#include "TAplicacao.h"

#include <QEvent>
#include <stdexcept>

namespace {

// An object whose event handler fails the way a command of ours can.
class TFalhaNoEvento : public QObject {
public:
    std::function<void()> falha;

    bool event(QEvent* evento) override
    {
        if (evento->type() == QEvent::User)
            falha();
        return QObject::event(evento);
    }
};

} // namespace

TEST_F(JanelasTest, ErroNaoTratadoDeUmComandoMostraSuaMensagem)
{
    struct Caso {
        std::function<void()> falha;
        QString mensagem;
    };
    const Caso casos[] = {
        {[] { throw EConvertError("'abc' não é um número válido"); }, "'abc' não é um número válido"},
        {[] { throw std::runtime_error("falhou"); }, "falhou"},
        {[] { throw 42; }, "Ocorreu um erro inesperado."},
    };
    for (const Caso& caso : casos) {
        mensagens.clear();
        QTimer disparo;
        bool continuou = false;
        TAplicacao::liga(&disparo, &QTimer::timeout, &disparo, [&] {
            disparo.stop();
            caso.falha();
            continuou = true;
        });
        disparo.start(0);
        EXPECT_TRUE(esperaAte([this] { return !mensagens.isEmpty(); }));
        EXPECT_EQ(mensagens, QStringList{caso.mensagem});
        EXPECT_FALSE(continuou);
    }
}

TEST_F(JanelasTest, ErroQueEscapaDeUmEventoEParadoNaAplicacao)
{
    TFalhaNoEvento objeto;
    objeto.falha = [] { throw Exception("Erro no evento"); };
    QEvent evento(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_EQ(mensagens, QStringList{"Erro no evento"});

    // The program goes on: the next event is delivered as usual.
    objeto.falha = [] {};
    EXPECT_TRUE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_EQ(mensagens.size(), 1);
}
