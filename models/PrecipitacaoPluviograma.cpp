#include "models/PrecipitacaoPluviograma.h"

#include "models/Aritmetica.h"
#include "models/ConversaoNumerica.h"
#include "models/DataHora.h"
#include "models/IniFile.h"
#include "models/SerieGrafico.h"
#include "plataforma/nucleo/ErroEntradaSaida.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TLinhasTexto.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

namespace fs = std::filesystem;

const char* const SecaoPluviograma = "PRECIPITACAO_PLUVIOGRAMA";
// Where older files keep the chart file's name, under the key "FileName".
const char* const SecaoEventos = "PRECEVENTOS";

bool existeArquivo(const std::string& nome)
{
    std::error_code erro;
    return fs::is_regular_file(nome, erro);
}

std::string conteudoDe(const std::string& nome)
{
    std::FILE* arquivo = std::fopen(nome.c_str(), "rb");
    if (arquivo == nullptr)
        lancaErroEntradaSaida(errno);
    std::string bytes;
    char bloco[65536];
    std::size_t lidos = 0;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0)
        bytes.append(bloco, lidos);
    const int erro = std::ferror(arquivo) ? errno : 0;
    std::fclose(arquivo);
    if (erro != 0)
        lancaErroEntradaSaida(erro);
    return bytes;
}

bool ehBranco(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view apara(std::string_view texto)
{
    while (!texto.empty() && ehBranco(texto.front()))
        texto.remove_prefix(1);
    while (!texto.empty() && ehBranco(texto.back()))
        texto.remove_suffix(1);
    return texto;
}

// The next word of the line, from `posicao` on; empty at the end of the line.
std::string_view proximaPalavra(std::string_view linha, std::size_t& posicao)
{
    while (posicao < linha.size() && ehBranco(linha[posicao]))
        ++posicao;
    const std::size_t inicio = posicao;
    while (posicao < linha.size() && !ehBranco(linha[posicao]))
        ++posicao;
    return linha.substr(inicio, posicao - inicio);
}

double numeroDoPonto(std::string_view palavra)
{
    const auto valor = realComPonto(palavra);
    if (!valor)
        throw EInOutError("Invalid numeric format");
    return *valor;
}

// The chart file's date line and its points, checked.
struct TPluviogramaLido {
    double data = 0.0;
    std::vector<TPontoPluviograma> pontos;
};

TPontoPluviograma pontoDaLinha(std::string_view linha)
{
    std::size_t posicao = 0;
    TPontoPluviograma ponto;
    ponto.Tempo = numeroDoPonto(proximaPalavra(linha, posicao));
    ponto.Intensidade = numeroDoPonto(proximaPalavra(linha, posicao));
    return ponto;
}

TPluviogramaLido lePluviograma(const std::string& texto, const std::string& nome)
{
    TPluviogramaLido lido;
    std::size_t inicio = 0;
    int numeroLinha = 0;
    while (inicio <= texto.size()) {
        const std::string_view linha = apara(TLinhasTexto::proxima(texto, inicio));
        if (++numeroLinha == 1) {
            lido.data = strToDate(std::string(linha));
            continue;
        }
        if (linha.empty())
            continue;
        const TPontoPluviograma ponto = pontoDaLinha(linha);
        const std::string onde = " (linha " + std::to_string(numeroLinha) + ").";
        if (ponto.Tempo < 0.0 || ponto.Intensidade < 0.0)
            throw Exception("Erro. O tempo e a intensidade do pluviograma " + nome
                            + " têm que ser maiores ou iguais a zero" + onde);
        if (!lido.pontos.empty() && !(ponto.Tempo > lido.pontos.back().Tempo))
            throw Exception("Erro. Os tempos do pluviograma " + nome + " têm que estar em ordem crescente" + onde);
        lido.pontos.push_back(ponto);
    }
    if (lido.pontos.empty())
        throw Exception("Erro. O pluviograma " + nome + " não tem pontos.");
    return lido;
}

// The depth of the interval from `a` to `b` counted up to the time `ate`, mm.
long double trapezio(const TPontoPluviograma& a, const TPontoPluviograma& b, double ate)
{
    const long double soma = static_cast<long double>(a.Intensidade) + b.Intensidade;
    return divide(multiplica(soma, static_cast<long double>(ate) - a.Tempo), 120.0L);
}

} // namespace

TPrecipitacaoPluviograma::TPrecipitacaoPluviograma() = default;

TPrecipitacaoPluviograma::TPrecipitacaoPluviograma(const std::string& Sufixo) : TPrecipitacao(Sufixo) {}

void TPrecipitacaoPluviograma::recalcula() {}

void TPrecipitacaoPluviograma::copia(const TPrecipitacao& Outra)
{
    TPrecipitacao::copia(Outra);
    const auto* pluviograma = dynamic_cast<const TPrecipitacaoPluviograma*>(&Outra);
    if (pluviograma == nullptr)
        throw EInvalidCast("Erro: a precipitação copiada não é do tipo pluviograma.");
    setNumPontos(pluviograma->NumPontos);
    ArquivoPluviograma = pluviograma->ArquivoPluviograma;
    Pontos = pluviograma->Pontos;
}

void TPrecipitacaoPluviograma::limpa()
{
    TPrecipitacao::limpa();
    Pontos.clear();
    NumPontos = 0;
}

bool TPrecipitacaoPluviograma::carregaDoArquivo(const std::string& NomeArquivo)
{
    TPrecipitacao::carregaDoArquivo(NomeArquivo);
    TIniFile ini(NomeArquivo);
    return carregaSecao(ini);
}

bool TPrecipitacaoPluviograma::carregaSecao(TIniFile& Ini)
{
    const std::string antiga = SecaoEventos + Sufixo;
    const std::string secao = SecaoPluviograma + Sufixo;
    if (Ini.ReadString(antiga, "Versao", "") == "1") {
        // The name moves to the new section even when its chart could not be read.
        const bool lido = leArquivoDaSecao(Ini, antiga, "FileName");
        Ini.atualiza([&] { gravaSecaoPluviograma(Ini); });
        return lido;
    }
    if (Ini.ReadString(secao, "Versao", "") == "2")
        return leArquivoDaSecao(Ini, secao, "ArquivoPluviograma");
    return false;
}

bool TPrecipitacaoPluviograma::leArquivoDaSecao(const TIniFile& Ini, const std::string& Secao,
                                                const std::string& Chave)
{
    try {
        ArquivoPluviograma = Ini.ReadString(Secao, Chave, "");
        // A chart file that is gone is no error: its name stays for when it is back.
        if (existeArquivo(ArquivoPluviograma))
            carregaPluviograma(ArquivoPluviograma);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TPrecipitacaoPluviograma::gravaSecoes(TIniFile& Ini) const
{
    TPrecipitacao::gravaSecoes(Ini);
    gravaSecaoPluviograma(Ini);
}

void TPrecipitacaoPluviograma::gravaSecaoPluviograma(TIniFile& Ini) const
{
    const std::string secao = SecaoPluviograma + Sufixo;
    Ini.WriteString(secao, "Versao", "2");
    Ini.WriteString(secao, "ArquivoPluviograma", ArquivoPluviograma);
    Ini.EraseSection(SecaoEventos + Sufixo);
}

void TPrecipitacaoPluviograma::desenhaGrafico(TSerieGrafico& Serie) const
{
    Serie.removePontos();
    for (std::size_t k = 0; k + 1 < Pontos.size(); ++k) {
        const double inicio = Pontos[k].Tempo;
        const double fim = Pontos[k + 1].Tempo;
        const double altura = Pontos[k + 1].Intensidade;
        // The break before each step keeps the steps from being joined by slanted lines.
        Serie.adicionaPontoNulo(inicio, altura, formatFloat("0", inicio));
        Serie.adicionaPonto(inicio, altura, "", CorAutomatica);
        Serie.adicionaPonto(fim, altura, "", CorAutomatica);
    }
}

double TPrecipitacaoPluviograma::intensidade(double t) const
{
    if (!(t >= 0.0) || Pontos.empty())
        return 0.0;
    const TPontoPluviograma& ultimo = Pontos.back();
    if (t > ultimo.Tempo)
        return 0.0;
    if (t == ultimo.Tempo)
        return ultimo.Intensidade;
    if (t < Pontos.front().Tempo)
        return 0.0;
    // Bisection keeping T[inferior] <= t < T[superior]; it ends on an interval whatever
    // the times hold.
    std::size_t inferior = 0;
    std::size_t superior = Pontos.size() - 1;
    while (superior - inferior > 1) {
        const std::size_t meio = inferior + (superior - inferior) / 2;
        if (t < Pontos[meio].Tempo)
            superior = meio;
        else
            inferior = meio;
    }
    return Pontos[superior].Intensidade;
}

double TPrecipitacaoPluviograma::laminaAcumulada(double t) const
{
    if (Pontos.empty() || !(t > Pontos.front().Tempo))
        return 0.0;
    long double soma = 0.0L;
    std::size_t k = 1;
    for (; k < Pontos.size() && Pontos[k].Tempo <= t; ++k)
        soma += trapezio(Pontos[k - 1], Pontos[k], Pontos[k].Tempo);
    if (k < Pontos.size())
        soma += trapezio(Pontos[k - 1], Pontos[k], t);
    return armazena(soma);
}

double TPrecipitacaoPluviograma::laminaEntre(double t1, double t2) const
{
    if (!(t2 > t1))
        return 0.0;
    return armazena(static_cast<long double>(laminaAcumulada(t2)) - laminaAcumulada(t1));
}

void TPrecipitacaoPluviograma::carregaPluviograma(const std::string& NomeArquivo)
{
    const std::string nome = fs::path(NomeArquivo).filename().string();
    if (!existeArquivo(NomeArquivo))
        throw Exception("O arquivo " + nome + " não existe.");
    const std::string texto = TCodigoWindows1252::paraUtf8(conteudoDe(NomeArquivo));
    limpa();
    try {
        TPluviogramaLido lido = lePluviograma(texto, nome);
        Pontos = std::move(lido.pontos);
        NumPontos = static_cast<std::int32_t>(Pontos.size());
        Duracao = Pontos.back().Tempo;
        PrecipitacaoTotal = laminaAcumulada(Duracao);
        Data = lido.data;
    } catch (...) {
        limpa();
        throw;
    }
}

double TPrecipitacaoPluviograma::tempoPrimeiraIntensidade(double x) const
{
    if (Pontos.empty())
        throw Exception("Erro. O pluviograma não tem pontos.");
    for (const TPontoPluviograma& ponto : Pontos)
        if (ponto.Intensidade >= x)
            return ponto.Tempo;
    return Pontos.back().Tempo;
}

TPontoPluviograma TPrecipitacaoPluviograma::getPonto(std::int32_t i) const
{
    if (i < 0 || i > NumPontos - 1)
        throw Exception("Índice da lista inválido.");
    return Pontos[static_cast<std::size_t>(i)];
}

void TPrecipitacaoPluviograma::setNumPontos(std::int32_t n)
{
    if (n < 0)
        throw Exception("Erro. O número de pontos do pluviograma tem que ser maior ou igual a zero.");
    if (n == NumPontos)
        return;
    Pontos.resize(static_cast<std::size_t>(n));
    NumPontos = n;
}
