#include "app/nucleo/TLimitesTerraco.h"

#include "app/nucleo/ETerracoImpossivel.h"

#include <cmath>
#include <string>

namespace {

// A closed range of values and how a message states it.
struct TFaixa {
    double minimo;
    double maximo;
    const char* descricao;

    bool contem(double valor) const { return valor >= minimo && valor <= maximo; }
};

// A return period is the inverse of a yearly probability, so never below one year. The
// published equations of the rainfall-equation database have K from 274 to 14616, a from
// 0,086 to 0,31, b from 0,7 to 93 min and c from 0,53 to 1,35.
constexpr TFaixa tempoRetorno{1, 10000, "deve estar entre 1 e 10000 anos"};
constexpr TFaixa parametroK{10, 100000, "deve estar entre 10 e 100000"};
constexpr TFaixa parametroA{0, 1, "deve estar entre 0 e 1"};
constexpr TFaixa parametroB{0, 300, "deve estar entre 0 e 300 minutos"};
constexpr TFaixa parametroC{0.3, 3, "deve estar entre 0,3 e 3"};
// A road counts as a soil of 1 mm/h; the highest class of the curve-number table starts
// above 190 mm/h.
constexpr TFaixa infiltracao{0.1, 1000, "deve estar entre 0,1 e 1000 mm/h"};
// Staff readings are a few metres; no point of a field lies 100 m above or below the level.
constexpr TFaixa leitura{-100, 100, "deve estar entre -100 e 100 m"};
constexpr TFaixa comprimentoTerraco{1, 10000, "deve estar entre 1 e 10000 m"};
constexpr TFaixa distanciaSecao{0, 100, "deve estar entre 0 e 100 m"};
constexpr TFaixa angulo{-360, 360, "deve estar entre -360 e 360 graus"};
constexpr TFaixa espacamento{0, 1000, "deve estar entre 0 e 1000 m"};
constexpr TFaixa larguraEstrada{0, 100, "deve estar entre 0 e 100 m"};
constexpr TFaixa comprimentoEstrada{0, 10000, "deve estar entre 0 e 10000 m"};

constexpr const char* precipitacao = "Precipitação";
constexpr const char* canal = "Canal";
constexpr const char* areaContribuicao = "Área de Contribuição";
constexpr const char* perfilCrista = "Perfil da Crista";
constexpr const char* solo = "Solo";

[[noreturn]] void recusa(const char* secaoEntrada, const std::string& problema)
{
    throw ETerracoImpossivel(std::string("Em \"") + secaoEntrada + "\", " + problema + ".");
}

// `campo` names the field; it is only called for a value refused, so a check that passes
// builds no text.
template <class TNome>
double verifica(double valor, const TFaixa& faixa, const char* secaoEntrada, TNome campo)
{
    if (!faixa.contem(valor))
        recusa(secaoEntrada, std::string(campo()) + " " + faixa.descricao);
    return valor;
}

std::string naSecao(int secao)
{
    return "na seção " + std::to_string(secao) + ", ";
}

std::string naVisada(int visada)
{
    return "na visada " + std::to_string(visada) + ", ";
}

} // namespace

double TLimitesTerraco::verificaTempoRetorno(double T)
{
    if (!(T > 0))
        return T;
    return verifica(T, tempoRetorno, precipitacao, [] { return "o tempo de retorno T"; });
}

double TLimitesTerraco::verificaK(double K)
{
    if (!(K > 0))
        return K;
    return verifica(K, parametroK, precipitacao, [] { return "o parâmetro K"; });
}

double TLimitesTerraco::verificaA(double a)
{
    if (a < 0)
        return a;
    return verifica(a, parametroA, precipitacao, [] { return "o parâmetro a"; });
}

double TLimitesTerraco::verificaB(double b)
{
    if (b < 0)
        return b;
    return verifica(b, parametroB, precipitacao, [] { return "o parâmetro b"; });
}

double TLimitesTerraco::verificaC(double c)
{
    if (c < 0)
        return c;
    return verifica(c, parametroC, precipitacao, [] { return "o parâmetro c"; });
}

void TLimitesTerraco::verificaEquacaoSemB(double b, double c)
{
    if (b == 0 && c >= 1)
        recusa(precipitacao, "com o parâmetro b igual a 0, o parâmetro c deve ser menor que 1");
}

double TLimitesTerraco::verificaInfiltracao(double TIE)
{
    return verifica(TIE, infiltracao, solo, [] { return "a taxa de infiltração estável TIE"; });
}

double TLimitesTerraco::verificaComprimentoTerraco(double L)
{
    return verifica(L, comprimentoTerraco, canal, [] { return "o comprimento do terraço"; });
}

double TLimitesTerraco::verificaLeituraSecao(int secao, const char* ponto, double valor)
{
    return verifica(valor, leitura, canal, [&] { return naSecao(secao) + "a leitura em " + ponto; });
}

double TLimitesTerraco::verificaDistanciaSecao(int secao, const char* ponto, double distancia)
{
    return verifica(distancia, distanciaSecao, canal, [&] { return naSecao(secao) + "a distância C-" + ponto; });
}

void TLimitesTerraco::verificaOrdemSecao(int secao, double ateF1, double ateF2, double ateFT, bool trapezoidal)
{
    if (trapezoidal && ateF1 > ateF2)
        recusa(canal, naSecao(secao) + "a distância C-F1 é maior que C-F2");
    if (trapezoidal && ateF2 > ateFT)
        recusa(canal, naSecao(secao) + "a distância C-F2 é maior que C-FT");
    if (!trapezoidal && ateF1 > ateFT)
        recusa(canal, naSecao(secao) + "a distância C-F1 é maior que C-FT");
}

double TLimitesTerraco::verificaAreaSecao(int secao, double area, bool trapezoidal)
{
    if (!(area >= 0))
        recusa(canal, naSecao(secao) + "a área de armazenamento sai negativa: o ponto C deve ficar acima de "
                          + (trapezoidal ? "F1 e de F2" : "F1"));
    return area;
}

double TLimitesTerraco::verificaLeituraVisada(int visada, const char* fio, double valor)
{
    return verifica(valor, leitura, areaContribuicao, [&] { return naVisada(visada) + "a leitura " + fio; });
}

double TLimitesTerraco::verificaAnguloVisada(int visada, double valor)
{
    return verifica(valor, angulo, areaContribuicao, [&] { return naVisada(visada) + "o ângulo"; });
}

double TLimitesTerraco::verificaDistanciaVisada(int visada, double distancia, const char* fioAcima,
                                                const char* fioAbaixo)
{
    if (!(distancia >= 0))
        recusa(areaContribuicao, naVisada(visada) + "a leitura " + fioAbaixo + " é maior que " + fioAcima
                                     + " e a distância sai negativa");
    return distancia;
}

double TLimitesTerraco::verificaAreaIrradiacao(double area)
{
    // Below half a hundredth the page shows 0,00.
    constexpr double menorAreaVisivel = 0.005;
    if (!(area >= menorAreaVisivel))
        recusa(areaContribuicao,
               "as visadas do levantamento com nível ótico (irradiação) não cercam área nenhuma: Ac sai 0,00 m²");
    return area;
}

double TLimitesTerraco::verificaEspacamento(int linha, double valor)
{
    return verifica(valor, espacamento, areaContribuicao,
                    [&] { return "na linha " + std::to_string(linha) + " da trena, o espaçamento"; });
}

double TLimitesTerraco::verificaLarguraEstrada(double largura)
{
    return verifica(largura, larguraEstrada, areaContribuicao, [] { return "a largura/semilargura da estrada"; });
}

double TLimitesTerraco::verificaComprimentoEstrada(double comprimento)
{
    return verifica(comprimento, comprimentoEstrada, areaContribuicao, [] { return "o comprimento da estrada"; });
}

double TLimitesTerraco::verificaLeituraCrista(int ponto, int nPontos, double valor)
{
    return verifica(valor, leitura, perfilCrista, [&] {
        if (ponto == 0)
            return std::string("a leitura do início da crista");
        if (ponto == nPontos - 1)
            return std::string("a leitura do fim da crista");
        return "a leitura do ponto " + std::to_string(ponto) + " do meio da crista";
    });
}

long double TLimitesTerraco::verificaResultado(const char* grandeza, long double valor)
{
    if (!(std::isfinite(valor) && valor >= 0))
        throw ETerracoImpossivel(std::string("O resultado ") + grandeza
                                 + " sai negativo ou sem valor finito; revise os dados do terraço.");
    return valor;
}
