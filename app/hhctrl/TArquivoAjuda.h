#pragma once
// One compiled help file opened for reading: its stored objects, its title and first
// topic, and the topic that each context number stands for.
#include <cstdint>
#include <optional>
#include <string>

struct chmFile;

class TArquivoAjuda {
public:
    // Opens the file; aberto() tells whether it could be read as a help file.
    explicit TArquivoAjuda(std::string caminho);
    ~TArquivoAjuda();
    TArquivoAjuda(const TArquivoAjuda&) = delete;
    TArquivoAjuda& operator=(const TArquivoAjuda&) = delete;

    bool aberto() const;
    const std::string& caminho() const;

    // The bytes of a stored object named by its absolute path inside the file
    // ("/topico.htm"); nothing when there is no such object.
    std::optional<std::string> le(const std::string& objeto) const;

    // The title and the first topic the file was compiled with; empty when absent.
    std::string titulo() const;
    std::string topicoInicial() const;

    // The stored topic of a context number, as "/topico.htm" or "/topico.htm#marca";
    // empty when the file has no topic for it.
    std::string topicoDoContexto(std::uint32_t contexto) const;

    // The name of the small table inside the file that gives the topic of the context
    // numbers the file's own table cannot hold: one "number=topic" line each.
    static const char* const nomeMapaContextos;

private:
    std::string topicoExistente(std::string guardado) const;
    std::string topicoDaTabela(std::uint32_t contexto) const;
    std::string topicoDoMapa(std::uint32_t contexto) const;
    std::string campoDoSistema(std::uint16_t codigo) const;

    std::string caminhoArquivo;
    chmFile* arquivo = nullptr;
};
