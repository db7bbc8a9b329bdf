#pragma once
// Reads a project file into a new TDadosTerraco, with the steps the windows take besides
// the values (TLeituraProjeto.h).
//
// A file that is well-formed UTF-8 with characters beyond ASCII (a text editor's save,
// with or without its byte-order mark) is read as UTF-8; any other as Windows-1252, as the
// program writes it. Lines end at LF, with or without a CR before it, and are read
// whole; past the end of the file every line reads empty. Prefixed values are cut by the prefix's length,
// whatever stands there. A "-" field of a channel row is an empty cell; one of a sight
// row leaves the cell as a new window has it. Every "." in a number value (T, K, a, b, c, the lengths and
// widths, every grid field, the infiltration rate) becomes ",", the program's decimal
// separator; the identification, the coordinates, the section type and the counts are
// taken as they stand. Only the survey keyword steers the reading: an unknown one
// (compared exactly, blanks and case included) reads no survey block and goes on two
// lines later as if "fim" and "perfil da crista" had followed it, so the rest is out of
// step and usually fails at the crest count.
#include "app/nucleo/TLeituraProjeto.h"

#include <cstddef>
#include <string>
#include <string_view>

class TLeitorProjeto {
public:
    // The file `nomeArquivo` (TFPrincipal::AbrirArquivoTxt). Nothing comes back unless
    // the whole file was read. A file that cannot be opened or read raises EInOutError
    // ("File not found", "File access denied", "I/O error <n>"...); a section type, or a
    // row count, that is not a whole number, or is outside its range (0 or 1; 1 to
    // 10000 rows), raises EConvertError "'<text>' is not a valid integer value", the text
    // cut after 40 characters with "…". EConvertError also refuses, with a Portuguese
    // message, a UTF-16 file (its byte-order mark, or a NUL in every other byte) and a
    // crest block that does not end with "fim" right after the rows its count gives.
    static TLeituraProjeto le(const std::string& nomeArquivo);

    // The same from the file's bytes.
    static TLeituraProjeto leTexto(std::string_view bytes);

private:
    TLeitorProjeto(std::string_view bytes, bool utf8) : bytes_(bytes), utf8_(utf8) {}

    std::string_view linhaBruta();
    void pula(int linhas);
    std::string decodifica(std::string_view bytes) const;
    std::string campoNumerico(std::string_view campo) const;
    std::string texto();
    std::string valor(std::string_view prefixo);
    int inteiro(std::string_view prefixo, int minimo, int maximo);
    int contagem();

    void leIdentificacao();
    void lePrecipitacao();
    void leCanal();
    void leLinhaCanal(int linha, int tipoSecao);
    void leAreaDeContribuicao();
    void leLevantamento();
    void leMira();
    void leTrena();
    void leCrista();
    void leSolo();

    std::string_view bytes_;
    bool utf8_;
    std::size_t posicao_ = 0;
    TLeituraProjeto leitura_;
};
