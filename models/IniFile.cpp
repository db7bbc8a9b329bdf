#include "models/IniFile.h"

#include "models/ConversaoNumerica.h"
#include "models/DataHora.h"
#include "plataforma/nucleo/ErroEntradaSaida.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TLinhasTexto.h"
#include "plataforma/nucleo/TSubstituicaoArquivo.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using TLinhas = std::vector<std::string>;

std::string_view apara(std::string_view texto)
{
    const std::size_t inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string_view::npos)
        return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

// The bytes of the file; false with the system's error number when it cannot be read.
bool leBytes(const std::string& nome, std::string& bytes, int& erro)
{
    const int arquivo = ::open(nome.c_str(), O_RDONLY | O_CLOEXEC);
    if (arquivo < 0) {
        erro = errno;
        return false;
    }
    char bloco[65536];
    for (;;) {
        const ssize_t lidos = ::read(arquivo, bloco, sizeof bloco);
        if (lidos < 0 && errno == EINTR)
            continue;
        if (lidos <= 0) {
            erro = lidos < 0 ? errno : 0;
            ::close(arquivo);
            return lidos == 0;
        }
        bytes.append(bloco, static_cast<std::size_t>(lidos));
    }
}

TLinhas linhasDe(const std::string& bytes)
{
    const std::string texto = TCodigoWindows1252::paraUtf8(bytes);
    TLinhas linhas;
    std::size_t inicio = 0;
    while (inicio < texto.size())
        linhas.emplace_back(TLinhasTexto::proxima(texto, inicio));
    return linhas;
}

// For reading: a file that is missing or cannot be read holds nothing.
TLinhas linhasParaLer(const std::string& nome)
{
    std::string bytes;
    int erro = 0;
    return leBytes(nome, bytes, erro) ? linhasDe(bytes) : TLinhas();
}

// For writing: only a missing file holds nothing; one that is there but cannot be read
// would lose its contents, so the write fails.
TLinhas linhasParaGravar(const std::string& nome)
{
    std::string bytes;
    int erro = 0;
    if (leBytes(nome, bytes, erro))
        return linhasDe(bytes);
    if (erro != ENOENT)
        lancaErroEntradaSaida(erro);
    return {};
}

void grava(const std::string& nome, const TLinhas& linhas)
{
    std::string texto;
    for (const std::string& linha : linhas) {
        texto += linha;
        texto += "\r\n";
    }
    TSubstituicaoArquivo::grava(nome, TCodigoWindows1252::deUtf8(texto));
}

// Letter case as Windows-1252 knows it: ASCII, the accented Latin letters and the four
// pairs the code page adds.
unsigned char minuscula(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E)
        return static_cast<unsigned char>(c + 0x10);
    if (c == 0x9F)
        return 0xFF;
    return c;
}

bool mesmoNome(std::string_view a, std::string_view b)
{
    const std::string x = TCodigoWindows1252::deUtf8(apara(a));
    const std::string y = TCodigoWindows1252::deUtf8(apara(b));
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (minuscula(static_cast<unsigned char>(x[i])) != minuscula(static_cast<unsigned char>(y[i])))
            return false;
    return true;
}

std::optional<std::string_view> nomeDaSecao(std::string_view linha)
{
    linha = apara(linha);
    const std::size_t fecha = linha.find(']');
    if (linha.empty() || linha.front() != '[' || fecha == std::string_view::npos)
        return std::nullopt;
    return linha.substr(1, fecha - 1);
}

struct TChaveValor {
    std::string_view chave;
    std::string_view valor;
};

std::optional<TChaveValor> chaveDaLinha(std::string_view linha)
{
    const std::size_t igual = linha.find('=');
    if (igual == std::string_view::npos || nomeDaSecao(linha))
        return std::nullopt;
    const std::string_view chave = apara(linha.substr(0, igual));
    if (chave.empty() || chave.front() == ';')
        return std::nullopt;
    return TChaveValor {chave, apara(linha.substr(igual + 1))};
}

// A section's lines: its header and the lines up to the next header.
struct TFaixa {
    std::size_t cabecalho;
    std::size_t fim;
};

std::optional<TFaixa> achaSecao(const TLinhas& linhas, std::string_view secao, std::size_t desde = 0)
{
    for (std::size_t i = desde; i < linhas.size(); ++i) {
        const auto nome = nomeDaSecao(linhas[i]);
        if (!nome || !mesmoNome(*nome, secao))
            continue;
        std::size_t fim = i + 1;
        while (fim < linhas.size() && !nomeDaSecao(linhas[fim]))
            ++fim;
        return TFaixa {i, fim};
    }
    return std::nullopt;
}

std::optional<std::size_t> achaChave(const TLinhas& linhas, const TFaixa& faixa, std::string_view chave)
{
    for (std::size_t i = faixa.cabecalho + 1; i < faixa.fim; ++i) {
        const auto par = chaveDaLinha(linhas[i]);
        if (par && mesmoNome(par->chave, chave))
            return i;
    }
    return std::nullopt;
}

// A new key goes after the section's last key, before the blank lines that part it
// from the next section.
std::size_t posicaoNovaChave(const TLinhas& linhas, const TFaixa& faixa)
{
    std::size_t posicao = faixa.cabecalho + 1;
    for (std::size_t i = faixa.cabecalho + 1; i < faixa.fim; ++i)
        if (chaveDaLinha(linhas[i]))
            posicao = i + 1;
    return posicao;
}

bool cabeEmWindows1252(const std::string& texto)
{
    return texto.find_first_of("\r\n") == std::string::npos
        && TCodigoWindows1252::paraUtf8(TCodigoWindows1252::deUtf8(texto)) == texto;
}

void exigeNomeDeSecao(const std::string& secao)
{
    const std::string_view nome = apara(secao);
    if (nome.empty() || nome.find(']') != std::string_view::npos || !cabeEmWindows1252(secao))
        throw Exception("Erro. \"" + secao + "\" não serve de nome de seção do arquivo de configurações.");
}

void exigeNomeDeChave(const std::string& chave)
{
    const std::string_view nome = apara(chave);
    if (nome.empty() || nome.front() == '[' || nome.front() == ';' || nome.find('=') != std::string_view::npos
        || !cabeEmWindows1252(chave))
        throw Exception("Erro. \"" + chave + "\" não serve de nome de chave do arquivo de configurações.");
}

void exigeValor(const std::string& valor)
{
    if (!cabeEmWindows1252(valor))
        throw Exception("Erro. O texto \"" + valor + "\" não cabe no arquivo de configurações.");
}

std::string textoDoReal(double valor)
{
    if (!std::isfinite(valor))
        throw EInvalidOp("Operação de ponto flutuante inválida.");
    char texto[32];
    const auto [fim, erro] = std::to_chars(texto, texto + sizeof texto, valor);
    if (erro != std::errc())
        throw EInvalidOp("Operação de ponto flutuante inválida.");
    return std::string(texto, fim);
}

bool ehDigito(char c)
{
    return c >= '0' && c <= '9';
}

std::string textoDaDataHora(double valor)
{
    const TDataHora d = decodificaDataHora(valor);
    char texto[40];
    std::snprintf(texto, sizeof texto, "%04d-%02d-%02d %02d:%02d:%02d.%03d", d.Ano, d.Mes, d.Dia, d.Hora,
                  d.Minuto, d.Segundo, d.Milissegundo);
    return texto;
}

// The digits of texto[inicio, inicio + n), or -1 when any is not a digit.
int numeroEm(std::string_view texto, std::size_t inicio, std::size_t n)
{
    int valor = 0;
    for (std::size_t i = inicio; i < inicio + n; ++i) {
        if (!ehDigito(texto[i]))
            return -1;
        valor = valor * 10 + (texto[i] - '0');
    }
    return valor;
}

// "YYYY-MM-DD", optionally followed by " HH:MM:SS" and then by ".zzz".
std::optional<double> dataHoraDoTexto(std::string_view texto)
{
    const std::size_t n = texto.size();
    if ((n != 10 && n != 19 && n != 23) || texto[4] != '-' || texto[7] != '-')
        return std::nullopt;
    TDataHora d;
    d.Ano = numeroEm(texto, 0, 4);
    d.Mes = numeroEm(texto, 5, 2);
    d.Dia = numeroEm(texto, 8, 2);
    if (n >= 19) {
        if (texto[10] != ' ' || texto[13] != ':' || texto[16] != ':')
            return std::nullopt;
        d.Hora = numeroEm(texto, 11, 2);
        d.Minuto = numeroEm(texto, 14, 2);
        d.Segundo = numeroEm(texto, 17, 2);
    }
    if (n == 23) {
        if (texto[19] != '.')
            return std::nullopt;
        d.Milissegundo = numeroEm(texto, 20, 3);
    }
    try {
        return codificaDataHora(d);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

TIniFile::TIniFile(std::string NomeArquivo) : NomeArquivo_(std::move(NomeArquivo)) {}

TIniFile::TLinhas TIniFile::linhas() const
{
    return Lote_ ? *Lote_ : linhasParaLer(NomeArquivo_);
}

void TIniFile::altera(const std::function<bool(TLinhas&)>& Mudanca)
{
    if (Lote_) {
        if (Mudanca(*Lote_))
            LoteAlterado_ = true;
        return;
    }
    TLinhas doArquivo = linhasParaGravar(NomeArquivo_);
    if (Mudanca(doArquivo))
        grava(NomeArquivo_, doArquivo);
}

void TIniFile::atualiza(const std::function<void()>& Alteracoes)
{
    if (Lote_) {
        const TLinhas antes = *Lote_;
        const bool alteradoAntes = LoteAlterado_;
        try {
            Alteracoes();
        } catch (...) {
            Lote_ = antes;
            LoteAlterado_ = alteradoAntes;
            throw;
        }
        return;
    }
    Lote_ = linhasParaGravar(NomeArquivo_);
    LoteAlterado_ = false;
    try {
        Alteracoes();
    } catch (...) {
        Lote_.reset();
        throw;
    }
    const TLinhas novas = std::move(*Lote_);
    const bool alterado = LoteAlterado_;
    Lote_.reset();
    if (alterado)
        grava(NomeArquivo_, novas);
}

std::string TIniFile::ReadString(const std::string& Secao, const std::string& Chave,
                                 const std::string& Padrao) const
{
    const TLinhas lidas = linhas();
    const auto faixa = achaSecao(lidas, Secao);
    if (!faixa)
        return Padrao;
    const auto indice = achaChave(lidas, *faixa, Chave);
    if (!indice)
        return Padrao;
    return std::string(chaveDaLinha(lidas[*indice])->valor);
}

double TIniFile::ReadFloat(const std::string& Secao, const std::string& Chave, double Padrao) const
{
    return realComPonto(ReadString(Secao, Chave, "")).value_or(Padrao);
}

double TIniFile::ReadDateTime(const std::string& Secao, const std::string& Chave, double Padrao) const
{
    return dataHoraDoTexto(ReadString(Secao, Chave, "")).value_or(Padrao);
}

void TIniFile::WriteString(const std::string& Secao, const std::string& Chave, const std::string& Valor)
{
    exigeNomeDeSecao(Secao);
    exigeNomeDeChave(Chave);
    exigeValor(Valor);
    std::string linha(apara(Chave));
    linha += '=';
    linha += Valor;
    altera([&](TLinhas& linhas) {
        const auto faixa = achaSecao(linhas, Secao);
        if (!faixa) {
            linhas.push_back("[" + std::string(apara(Secao)) + "]");
            linhas.push_back(std::move(linha));
        } else if (const auto indice = achaChave(linhas, *faixa, Chave)) {
            // The key keeps the spelling the file gives it.
            linhas[*indice] = std::string(chaveDaLinha(linhas[*indice])->chave) + "=" + Valor;
        } else {
            linhas.insert(linhas.begin() + static_cast<std::ptrdiff_t>(posicaoNovaChave(linhas, *faixa)),
                          std::move(linha));
        }
        return true;
    });
}

void TIniFile::WriteFloat(const std::string& Secao, const std::string& Chave, double Valor)
{
    WriteString(Secao, Chave, textoDoReal(Valor));
}

void TIniFile::WriteDateTime(const std::string& Secao, const std::string& Chave, double Valor)
{
    WriteString(Secao, Chave, textoDaDataHora(Valor));
}

void TIniFile::DeleteKey(const std::string& Secao, const std::string& Chave)
{
    altera([&](TLinhas& linhas) {
        const auto faixa = achaSecao(linhas, Secao);
        if (!faixa)
            return false;
        const auto indice = achaChave(linhas, *faixa, Chave);
        if (!indice)
            return false;
        linhas.erase(linhas.begin() + static_cast<std::ptrdiff_t>(*indice));
        return true;
    });
}

void TIniFile::EraseSection(const std::string& Secao)
{
    altera([&](TLinhas& linhas) {
        bool apagou = false;
        // Every section of that name goes, so that none is left to be read in its place.
        for (auto faixa = achaSecao(linhas, Secao); faixa; faixa = achaSecao(linhas, Secao, faixa->cabecalho)) {
            linhas.erase(linhas.begin() + static_cast<std::ptrdiff_t>(faixa->cabecalho),
                         linhas.begin() + static_cast<std::ptrdiff_t>(faixa->fim));
            apagou = true;
        }
        return apagou;
    });
}
