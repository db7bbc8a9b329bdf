#include "plataforma/nucleo/TCodigoWindows1252.h"

#include <gtest/gtest.h>

#include <string>

TEST(TCodigoWindows1252, CaracteresDosDoisLados)
{
    struct Caso {
        const char* utf8;
        const char* bytes;
    };
    for (const Caso& caso : {Caso{"Terraço", "Terra\xE7o"}, Caso{"Ânguloº", "\xC2ngulo\xBA"},
                             Caso{"São João", "S\xE3o Jo\xE3o"}, Caso{"€ – “x” ™", "\x80 \x96 \x93x\x94 \x99"},
                             Caso{"Œ ž Ÿ ƒ", "\x8C \x9E \x9F \x83"}, Caso{"\u00A0ÿ", "\xA0\xFF"},
                             Caso{"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
                             Caso{"a\tb\r", "a\tb\r"}}) {
        EXPECT_EQ(TCodigoWindows1252::deUtf8(caso.utf8), caso.bytes) << caso.utf8;
        EXPECT_EQ(TCodigoWindows1252::paraUtf8(caso.bytes), caso.utf8) << caso.utf8;
    }
}

TEST(TCodigoWindows1252, TodoByteVoltaIgual)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string texto = TCodigoWindows1252::paraUtf8(bytes);
    EXPECT_EQ(TCodigoWindows1252::deUtf8(texto), bytes);
}

TEST(TCodigoWindows1252, OQueNaoCabeViraInterrogacao)
{
    struct Caso {
        std::string utf8;
        std::string bytes;
    };
    for (const Caso& caso : {Caso{"Łódź", "?\xF3" "d?"}, Caso{"日本", "??"}, Caso{"a😀b", "a?b"},
                             Caso{"\u0080", "?"},                // a control character 0x80 is not
                             Caso{"x\xFFy", "x?y"},              // not UTF-8 at all
                             Caso{"fim\xC3", "fim?"},            // a cut sequence
                             Caso{"\xC3(", "?("},                // a lead byte without its follower
                             Caso{"\xC0\x80", "??"},             // an overlong form
                             Caso{"\xED\xA0\x80", "???"},        // a surrogate
                             Caso{"\xF4\x90\x80\x80", "????"}}) { // beyond U+10FFFF
        EXPECT_EQ(TCodigoWindows1252::deUtf8(caso.utf8), caso.bytes) << caso.utf8;
    }
}

TEST(TCodigoWindows1252, Utf8BemFormado)
{
    for (const std::string bom : {"", "Terraço", "21°14'43\"", "\xEF\xBB\xBFx", "a😀b", "\xF4\x8F\xBF\xBF"})
        EXPECT_TRUE(TCodigoWindows1252::utf8Valido(bom)) << bom;
    for (const std::string mau : {"Terra\xE7o", "fim\xC3", "\xC3(", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                  "\x80"})
        EXPECT_FALSE(TCodigoWindows1252::utf8Valido(mau)) << mau;
}

TEST(TCodigoWindows1252, SabeQuaisCaracteresCabem)
{
    for (char32_t c : {U'a', U'?', U'ç', U'Ã', U'º', U'°', U'€', U'“', U'™', U'Ÿ', U'\u00A0', U'ÿ'})
        EXPECT_TRUE(TCodigoWindows1252::representa(c)) << static_cast<unsigned>(c);
    for (char32_t c : {U'Ł', U'ő', U'→', U'日', U'😀', U'\u0100', U'\u2212'})
        EXPECT_FALSE(TCodigoWindows1252::representa(c)) << static_cast<unsigned>(c);
}
