#pragma once
// Text between the project file's bytes (Windows-1252, one byte per character) and the
// program's UTF-8 strings.
#include <string>
#include <string_view>

class TCodigoWindows1252 {
public:
    // Every byte gives one character. The five bytes the code page leaves undefined
    // (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the control characters of the same number,
    // so any file reads, and writes back unchanged.
    static std::string paraUtf8(std::string_view bytes);

    // Whether `bytes` is well-formed UTF-8 throughout (no cut, overlong or surrogate
    // sequence, nothing beyond U+10FFFF).
    static bool utf8Valido(std::string_view bytes);

    // One byte per character. A character the code page cannot hold, and every byte
    // of a malformed UTF-8 sequence, becomes "?".
    static std::string deUtf8(std::string_view texto);

    // Whether the code page holds the character, so that it goes into a file and comes
    // back as itself.
    static bool representa(char32_t c);
};
