#pragma once
// Text files of this program's world end their lines with CR LF or with LF alone.
#include <cstddef>
#include <string_view>

class TLinhasTexto {
public:
    // The line of `texto` that starts at `inicio`, without its line end; `inicio` moves
    // one past the line's LF, or one past the text's end on a last line without one.
    static std::string_view proxima(std::string_view texto, std::size_t& inicio);
};
