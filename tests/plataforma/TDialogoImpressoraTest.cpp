#include "plataforma/TDialogoImpressora.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(DialogoImpressora, EscolheUmaDasImpressoras)
{
    TDialogoImpressora dialogo({"Laser da sala", "Jato de tinta"}, "Jato de tinta");
    EXPECT_EQ(dialogo.escolhida(), "Jato de tinta");
    dialogo.CBImpressora->setCurrentIndex(0);
    EXPECT_EQ(dialogo.escolhida(), "Laser da sala");
    EXPECT_TRUE(dialogo.botoes->button(QDialogButtonBox::Ok)->isEnabled());

    // A current printer that is gone gives way to the first one.
    const TDialogoImpressora semAAtual({"Laser da sala"}, "Removida");
    EXPECT_EQ(semAAtual.escolhida(), "Laser da sala");
}

TEST(DialogoImpressora, SemImpressoraSoCancelar)
{
    const TDialogoImpressora dialogo({}, QString());
    EXPECT_EQ(dialogo.escolhida(), "");
    EXPECT_FALSE(dialogo.CBImpressora->isEnabled());
    EXPECT_EQ(dialogo.CBImpressora->placeholderText(), "Nenhuma impressora instalada");
    EXPECT_FALSE(dialogo.botoes->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_TRUE(dialogo.botoes->button(QDialogButtonBox::Cancel)->isEnabled());
}
