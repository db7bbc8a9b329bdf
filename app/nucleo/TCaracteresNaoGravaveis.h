#pragma once
// The characters of a project that its file cannot keep. The project file is Windows-1252,
// one byte per character, and stays so; a file a text editor saved as UTF-8 still opens and
// brings whatever it holds ("Łódź", "✓", an emoji), and the writer can only put "?" in
// their place. These are the lists and the messages that tell the user so before anything
// is written: at opening, at saving, and when a typed or pasted text is refused.
//
// Texts come in composed (Unicode NFC): the windows compose what is typed, pasted or read
// from a file, so "José" written with a separate combining accent is "José" here, and kept.
#include "app/nucleo/TDadosTerraco.h"

#include <string>
#include <string_view>
#include <vector>

// A field whose text holds characters the file cannot keep.
struct TCampoNaoGravavel {
    std::string campo;         // as nomeDoLugar names it
    std::u32string caracteres; // each once, in the order they first stand

    bool operator==(const TCampoNaoGravavel&) const = default;
};

class TCaracteresNaoGravaveis {
public:
    // The characters of `texto` (UTF-8) that Windows-1252 lacks, each once, in order.
    static std::u32string doTexto(std::string_view texto);

    // Every field of the project with such characters, in the order of the windows.
    static std::vector<TCampoNaoGravavel> doProjeto(const TDadosTerraco& dados);

    // How a message shows one character: "Ł" in quotes; a combining mark on a dotted
    // circle; an invisible one by its code ("o caractere invisível U+200D"); a line break,
    // a tab or another control character by name.
    static std::string descreve(char32_t c);

    // The warning after opening `nomeArquivo` (the name as shown), when `campos` is not
    // empty: which field holds which characters, and what a save would do with them.
    static std::string avisoAbertura(const std::string& nomeArquivo, const std::vector<TCampoNaoGravavel>& campos);

    // The question before a save writes "?" in their place; "Não" writes nothing.
    static std::string perguntaGravacao(const std::vector<TCampoNaoGravavel>& campos);

    // Why a typed or pasted text was refused: the characters of `recusados`. `umCaractere`
    // when the text was that one character.
    static std::string motivoRecusa(const std::u32string& recusados, bool umCaractere);

    // The project as its file gives it back: every such character a "?".
    static TDadosTerraco comoGravado(const TDadosTerraco& dados);
};
