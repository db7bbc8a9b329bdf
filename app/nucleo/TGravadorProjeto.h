#pragma once
// Writes a terrace project into its project file: every value as its control's text
// with nothing converted, in the file's fixed order of lines, Windows-1252 bytes with
// CR LF after every line.
#include "app/nucleo/TDadosTerraco.h"

#include <string>

class TGravadorProjeto {
public:
    // Creates the file or replaces it without asking (TFPrincipal::GravarArquivoTxt with
    // nomeArquivo). The earlier file stays whole until the new text has reached the disk;
    // a failure raises EInOutError ("File access denied", "Disk full", "I/O error <n>"...)
    // and leaves it untouched (TSubstituicaoArquivo.h).
    static void grava(const std::string& nomeArquivo, const TDadosTerraco& dados);

    // The bytes of the file.
    static std::string texto(const TDadosTerraco& dados);
};
