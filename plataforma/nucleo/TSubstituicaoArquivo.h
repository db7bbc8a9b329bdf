#pragma once
// Writing a file so that it is always either its earlier self or the whole new text:
// the text goes to a temporary file in the same folder (TArquivoTemporario), reaches the
// disk, and only then takes the old file's place. What saves of the same file left there
// when they were killed is removed by the next one.
#include <string>
#include <string_view>

class TSubstituicaoArquivo {
public:
    // Creates `nomeArquivo` or replaces it, without asking; through a link (or a chain of
    // them), the file it names, and the link stays. A file the user may not write
    // (read-only), a folder or a device in its place is refused, and so is a link to a
    // file that does not exist or into a loop of links, with a message that says so. On
    // any failure the temporary file is removed, an earlier file stays byte for byte as
    // it was, and EInOutError (ErroEntradaSaida.h) reaches the caller.
    static void grava(const std::string& nomeArquivo, std::string_view conteudo);
};
