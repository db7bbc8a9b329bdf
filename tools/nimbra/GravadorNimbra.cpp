#include "tools/nimbra/GravadorNimbra.h"

#include "plataforma/nucleo/TCodigoWindows1252.h"

#include <bit>
#include <cstdint>

namespace {

// What stands in the leading byte; the readers pass over it.
constexpr char ByteInicial = 0;

void textoCurto(std::string& saida, const std::string& texto, std::size_t capacidade, const char* campo,
                const QString& origem)
{
    const std::string bytes = TCodigoWindows1252::deUtf8(texto);
    if (TCodigoWindows1252::paraUtf8(bytes) != texto)
        throw EFonteNimbra(origem.toStdString() + ": " + campo + " tem caracteres fora do Windows-1252");
    if (bytes.size() > capacidade)
        throw EFonteNimbra(origem.toStdString() + ": " + campo + " tem " + std::to_string(bytes.size())
                           + " bytes e o campo só " + std::to_string(capacidade));
    saida += static_cast<char>(bytes.size());
    saida += bytes;
    saida.append(capacidade - bytes.size(), '\0');
}

void real(std::string& saida, double valor)
{
    const auto bits = std::bit_cast<std::uint64_t>(valor);
    for (int i = 0; i < 8; ++i)
        saida += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void registro(std::string& saida, const TEstacaoFonte& e)
{
    const TEstacao& r = e.registro;
    textoCurto(saida, r.Nome, TEstacao::CapacidadeNome, "o nome", e.origem);
    for (double v : {r.K, r.A, r.B, r.C})
        real(saida, v);
    textoCurto(saida, r.Autor, TEstacao::CapacidadeAutor, "a chave da fonte", e.origem);
    textoCurto(saida, r.Latitude, TEstacao::CapacidadeCoordenada, "a latitude", e.origem);
    textoCurto(saida, r.Longitude, TEstacao::CapacidadeCoordenada, "a longitude", e.origem);
}

void registro(std::string& saida, const TLocalidadeFonte& l)
{
    const TLocalidade& r = l.registro;
    textoCurto(saida, r.Nome, TLocalidade::CapacidadeNome, "o nome", l.origem);
    textoCurto(saida, r.Latitude, TLocalidade::CapacidadeCoordenada, "a latitude", l.origem);
    textoCurto(saida, r.Longitude, TLocalidade::CapacidadeCoordenada, "a longitude", l.origem);
}

template <typename Registro>
std::string bytes(const TSecoesNimbra<Registro>& secoes)
{
    std::string saida(1, ByteInicial);
    for (const auto& secao : secoes) {
        if (secao.size() > 65535)
            throw EFonteNimbra("uma seção com " + std::to_string(secao.size()) + " registros não cabe na contagem");
        saida += static_cast<char>(secao.size() & 0xFF);
        saida += static_cast<char>(secao.size() >> 8);
        for (const auto& r : secao)
            registro(saida, r);
    }
    return saida;
}

} // namespace

std::string bytesEstacoes(const TSecoesNimbra<TEstacao>& secoes)
{
    return bytes(secoes);
}

std::string bytesLocalidades(const TSecoesNimbra<TLocalidade>& secoes)
{
    return bytes(secoes);
}
