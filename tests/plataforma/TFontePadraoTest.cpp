#include "plataforma/TFontePadrao.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

using TFace = TFontePadrao::TFace;

const struct {
    TFace face;
    const char* nome;
} faces[] = {{TFace::tahoma, "Tahoma"}, {TFace::verdana, "Verdana"}, {TFace::arial, "Arial"}};

// The faces a font falls back on after the one it names, in their order.
std::string alternativas(const QFont& fonte)
{
    return fonte.families().mid(1).join(QStringLiteral(", ")).toStdString();
}

} // namespace

// Each face is asked for by its name first and then gives way as Tahoma does, in its plain
// and its narrow form.
TEST(TFontePadrao, CadaFacePeloNomeEDepoisComoATahoma)
{
    for (const auto& [face, nome] : faces) {
        SCOPED_TRACE(nome);
        const QFont comum = TFontePadrao::fonte(13, face);
        const QFont estreita = TFontePadrao::estreita(12, face);
        EXPECT_EQ(comum.families().front(), QString::fromUtf8(nome));
        EXPECT_EQ(estreita.families().front(), QString::fromUtf8(nome));
        EXPECT_EQ(alternativas(comum), alternativas(TFontePadrao::fonte()));
        EXPECT_EQ(alternativas(estreita), alternativas(TFontePadrao::estreita()));
        EXPECT_EQ(comum.pixelSize(), 13);
        EXPECT_EQ(estreita.pixelSize(), 12);
    }
    EXPECT_EQ(TFontePadrao::fonte().pixelSize(), 11);
    EXPECT_EQ(TFontePadrao::estreita().families().front(), QStringLiteral("Tahoma"));
}

// On a machine that has none of the named faces, each one comes out as the same font as
// Tahoma's, plain and narrow.
TEST(TFontePadrao, FaceQueFaltaCedeAMesmaFonteQueATahoma)
{
    for (const auto& f : faces)
        if (QFontDatabase::hasFamily(QString::fromUtf8(f.nome)))
            GTEST_SKIP() << f.nome << " instalada";
    const QFontInfo tahoma(TFontePadrao::fonte());
    const QFontInfo tahomaEstreita(TFontePadrao::estreita());
    for (const auto& [face, nome] : faces) {
        SCOPED_TRACE(nome);
        const QFontInfo comum(TFontePadrao::fonte(11, face));
        const QFontInfo estreita(TFontePadrao::estreita(11, face));
        EXPECT_EQ(comum.family(), tahoma.family());
        EXPECT_EQ(comum.styleName(), tahoma.styleName());
        EXPECT_EQ(estreita.family(), tahomaEstreita.family());
        EXPECT_EQ(estreita.styleName(), tahomaEstreita.styleName());
    }
}
