#include "rainfall_equations/nucleo/TArquivoDados.h"

#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TLeituraArquivo.h"
#include "rainfall_equations/nucleo/FaixasCoeficientes.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <bit>
#include <cmath>
#include <filesystem>

TArquivoDados TArquivoDados::carrega(const std::string& nomeArquivo)
{
    std::error_code erro;
    const std::filesystem::file_status estado = std::filesystem::status(nomeArquivo, erro);
    if (!std::filesystem::exists(estado) || std::filesystem::is_directory(estado))
        throw EArquivoNaoExiste("O arquivo " + nomeArquivo + " não existe.");
    return TArquivoDados(nomeArquivo, TLeituraArquivo::le(nomeArquivo));
}

TArquivoDados::TArquivoDados(std::string nomeArquivo, std::string bytes)
    : NomeArquivo(std::move(nomeArquivo)), Bytes(std::move(bytes))
{
}

void TArquivoDados::danificado() const
{
    throw Exception("O arquivo " + NomeArquivo + " está incompleto ou danificado.");
}

const char* TArquivoDados::avanca(std::size_t n)
{
    if (n > Bytes.size() - Posicao)
        danificado();
    const char* inicio = Bytes.data() + Posicao;
    Posicao += n;
    return inicio;
}

void TArquivoDados::pulaByte()
{
    avanca(1);
}

std::size_t TArquivoDados::leContagem(std::size_t tamanhoRegistro)
{
    const auto* b = reinterpret_cast<const unsigned char*>(avanca(2));
    const std::size_t n = b[0] | (static_cast<std::size_t>(b[1]) << 8);
    if (n > (Bytes.size() - Posicao) / tamanhoRegistro)
        danificado();
    return n;
}

void TArquivoDados::pulaRegistros(std::size_t quantos, std::size_t tamanhoRegistro)
{
    avanca(quantos * tamanhoRegistro);
}

double TArquivoDados::leReal()
{
    const auto* b = reinterpret_cast<const unsigned char*>(avanca(8));
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | b[i];
    const double valor = std::bit_cast<double>(bits);
    // An infinity or a NaN would travel into the equation shown to the user.
    if (!std::isfinite(valor))
        danificado();
    return valor;
}

std::string TArquivoDados::leTextoCurto(std::size_t capacidade)
{
    const char* campo = avanca(capacidade + 1);
    const std::size_t tamanho = std::min<std::size_t>(static_cast<unsigned char>(campo[0]), capacidade);
    return TCodigoWindows1252::paraUtf8(std::string_view(campo + 1, tamanho));
}

TEstacao TArquivoDados::leEstacao()
{
    TEstacao e;
    e.Nome = leTextoCurto(TEstacao::CapacidadeNome);
    e.K = leReal();
    e.A = leReal();
    e.B = leReal();
    e.C = leReal();
    e.Autor = leTextoCurto(TEstacao::CapacidadeAutor);
    e.Latitude = leTextoCurto(TEstacao::CapacidadeCoordenada);
    e.Longitude = leTextoCurto(TEstacao::CapacidadeCoordenada);
    // A coefficient no published equation has would spoil every equation combined from it.
    if (!coeficientesPlausiveis(e))
        danificado();
    return e;
}

TLocalidade TArquivoDados::leLocalidade()
{
    TLocalidade l;
    l.Nome = leTextoCurto(TLocalidade::CapacidadeNome);
    l.Latitude = leTextoCurto(TLocalidade::CapacidadeCoordenada);
    l.Longitude = leTextoCurto(TLocalidade::CapacidadeCoordenada);
    return l;
}
