#pragma once
// Writing a file so that it is always either its earlier self or the whole new text:
// the text goes to a temporary file in the same folder, reaches the disk, and only
// then takes the old file's place.
#include <string>
#include <string_view>

class TSubstituicaoArquivo {
public:
    // Creates `nomeArquivo` or replaces it, without asking; through a link, the file it
    // names. A file the user may not write (read-only), a folder or a device in its
    // place is refused. On any failure the temporary file is removed, an earlier file
    // stays byte for byte as it was, and EInOutError (ErroEntradaSaida.h) reaches the
    // caller.
    static void grava(const std::string& nomeArquivo, std::string_view conteudo);
};
