#pragma once
// The temporary file of one whole-file replacement (TSubstituicaoArquivo). It lies in the
// folder of the file it replaces, hidden and named after that file, and stays locked
// while its save runs. A save killed or cut off by a crash leaves it behind unlocked,
// which is how the next save of the same file tells it from the temporary file of a save
// still running, and removes it.
#include <string>

class TArquivoTemporario {
public:
    // Removes what interrupted saves of `nome` left in `pasta`, then creates the new
    // temporary file, empty and locked. A failure raises EInOutError.
    TArquivoTemporario(const std::string& pasta, const std::string& nome);
    // A temporary file that did not take its file's place is removed.
    ~TArquivoTemporario();

    TArquivoTemporario(const TArquivoTemporario&) = delete;
    TArquivoTemporario& operator=(const TArquivoTemporario&) = delete;

    int descritor() const { return descritor_; }

    // Renames the written file into `caminho`; only then is the lock let go, so that
    // no other save takes it for a leftover before it has its place. A failure raises
    // EInOutError.
    void tomaOLugar(const std::string& caminho);

    // The start of the names of `nome`'s temporary files in `pasta`; six random letters
    // and digits follow it. Within the length the folder allows, and different for two
    // names cut to the same length.
    static std::string prefixo(const std::string& pasta, const std::string& nome);

private:
    std::string caminho_;
    int descritor_ = -1;
};
