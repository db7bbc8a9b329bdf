#include "app/hhctrl/TArquivoAjuda.h"

#include <chm_lib.h>

#include <algorithm>
#include <sstream>
#include <utility>

const char* const TArquivoAjuda::nomeMapaContextos = "/contextos.map";

namespace {

// A damaged file could claim an object of any size; nothing real in a help file comes near.
constexpr LONGUINT64 maiorObjeto = 64u * 1024u * 1024u;

std::uint32_t palavra32(const std::string& dados, std::size_t posicao)
{
    std::uint32_t valor = 0;
    for (std::size_t i = 0; i < 4; ++i)
        valor |= static_cast<std::uint32_t>(static_cast<unsigned char>(dados[posicao + i])) << (8 * i);
    return valor;
}

std::uint16_t palavra16(const std::string& dados, std::size_t posicao)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(dados[posicao])
                                      | static_cast<unsigned char>(dados[posicao + 1]) << 8);
}

std::string ateONulo(const std::string& dados, std::size_t inicio, std::size_t fim)
{
    const std::size_t nulo = dados.find('\0', inicio);
    return dados.substr(inicio, std::min(nulo, fim) - inicio);
}

std::string aparado(const std::string& texto)
{
    const auto inicio = texto.find_first_not_of(" \t\r\n");
    if (inicio == std::string::npos)
        return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t\r\n") - inicio + 1);
}

} // namespace

TArquivoAjuda::TArquivoAjuda(std::string caminho)
    : caminhoArquivo(std::move(caminho))
    , arquivo(chm_open(caminhoArquivo.c_str()))
{
}

TArquivoAjuda::~TArquivoAjuda()
{
    if (arquivo != nullptr)
        chm_close(arquivo);
}

bool TArquivoAjuda::aberto() const
{
    return arquivo != nullptr;
}

const std::string& TArquivoAjuda::caminho() const
{
    return caminhoArquivo;
}

std::optional<std::string> TArquivoAjuda::le(const std::string& objeto) const
{
    chmUnitInfo info{};
    if (arquivo == nullptr || objeto.size() > CHM_MAX_PATHLEN
        || chm_resolve_object(arquivo, objeto.c_str(), &info) != CHM_RESOLVE_SUCCESS
        || info.length > maiorObjeto)
        return std::nullopt;
    std::string dados(static_cast<std::size_t>(info.length), '\0');
    const LONGINT64 lidos = chm_retrieve_object(arquivo, &info, reinterpret_cast<unsigned char*>(dados.data()),
                                                0, static_cast<LONGINT64>(info.length));
    if (lidos < 0)
        return std::nullopt;
    dados.resize(static_cast<std::size_t>(lidos));
    return dados;
}

std::string TArquivoAjuda::titulo() const
{
    return campoDoSistema(3);
}

std::string TArquivoAjuda::topicoInicial() const
{
    const std::string topico = campoDoSistema(2);
    return topico.empty() ? std::string() : topicoExistente(topico);
}

std::string TArquivoAjuda::topicoDoContexto(std::uint32_t contexto) const
{
    const std::string daTabela = topicoDaTabela(contexto);
    return daTabela.empty() ? topicoDoMapa(contexto) : daTabela;
}

// A topic's path as the compiler stored it may carry the folder the file was built in,
// or be relative, or use backslashes: leading folders are dropped one at a time until
// a stored object answers to what is left.
std::string TArquivoAjuda::topicoExistente(std::string guardado) const
{
    std::replace(guardado.begin(), guardado.end(), '\\', '/');
    std::string marca;
    if (const auto cerquilha = guardado.find('#'); cerquilha != std::string::npos) {
        marca = guardado.substr(cerquilha);
        guardado.erase(cerquilha);
    }
    if (guardado.empty())
        return {};
    if (guardado.front() != '/')
        guardado.insert(guardado.begin(), '/');
    for (;;) {
        chmUnitInfo info{};
        if (guardado.size() <= CHM_MAX_PATHLEN && guardado.back() != '/'
            && chm_resolve_object(arquivo, guardado.c_str(), &info) == CHM_RESOLVE_SUCCESS)
            return guardado + marca;
        const auto barra = guardado.find('/', 1);
        if (barra == std::string::npos)
            return {};
        guardado.erase(0, barra);
    }
}

// The file's own table: a byte count, then pairs of context number and the place of the
// topic's path among the stored strings.
std::string TArquivoAjuda::topicoDaTabela(std::uint32_t contexto) const
{
    const auto tabela = le("/#IVB");
    const auto textos = le("/#STRINGS");
    if (!tabela || !textos || tabela->size() < 4)
        return {};
    const std::size_t fim = std::min<std::size_t>(tabela->size(), 4 + std::size_t{palavra32(*tabela, 0)});
    for (std::size_t par = 4; par + 8 <= fim; par += 8) {
        const std::uint32_t posicao = palavra32(*tabela, par + 4);
        if (palavra32(*tabela, par) == contexto && posicao < textos->size())
            if (auto topico = topicoExistente(ateONulo(*textos, posicao, textos->size())); !topico.empty())
                return topico;
    }
    return {};
}

// The compiler keeps one context number per topic file; the numbers that share a topic,
// or point to a place inside one, are listed in a small table of our own.
std::string TArquivoAjuda::topicoDoMapa(std::uint32_t contexto) const
{
    const auto mapa = le(nomeMapaContextos);
    if (!mapa)
        return {};
    std::istringstream linhas(*mapa);
    std::string linha;
    const std::string numero = std::to_string(contexto);
    while (std::getline(linhas, linha)) {
        const auto igual = linha.find('=');
        if (igual != std::string::npos && aparado(linha.substr(0, igual)) == numero)
            return topicoExistente(aparado(linha.substr(igual + 1)));
    }
    return {};
}

// The file's system record: a version word, then fields of code, length and data.
std::string TArquivoAjuda::campoDoSistema(std::uint16_t codigo) const
{
    const auto sistema = le("/#SYSTEM");
    if (!sistema)
        return {};
    for (std::size_t campo = 4; campo + 4 <= sistema->size();) {
        const std::size_t inicio = campo + 4;
        const std::size_t fim = std::min(sistema->size(), inicio + palavra16(*sistema, campo + 2));
        if (palavra16(*sistema, campo) == codigo)
            return ateONulo(*sistema, inicio, fim);
        campo = fim;
    }
    return {};
}
