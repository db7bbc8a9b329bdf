#include "app/nucleo/TAvaliacaoTerraco.h"

#include "app/nucleo/ETerracoImpossivel.h"
#include "app/nucleo/TLimitesTerraco.h"
#include "models/Aritmetica.h"
#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "plataforma/nucleo/Excecoes.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iterator>
#include <numbers>

const std::string TAvaliacaoTerraco::mensagemCamposEmBranco =
    "Exitem campos necessários em brancos, por favor revise os campos de \"Precipitação\", "
    "\"Canal\", \"Área de Contribuição\", \"Perfil da Crista\" e \"Solo\".";

namespace {

// Columns of the sight grid and of the section grid.
enum : int { colunaFS = 1, colunaFM = 2, colunaFI = 3, colunaAngulo = 4 };
enum : int {
    colunaC = 1, colunaCF1 = 2, colunaF1 = 3, colunaCF2 = 4, colunaF2 = 5, colunaCFT = 6, colunaFT = 7
};

constexpr long double pi = std::numbers::pi_v<long double>;
// The safety height of the crest over the terrace end, m.
constexpr long double alturaSeguranca = 0.15L;
// The infiltration rate of a road surface, mm/h.
constexpr double infiltracaoEstrada = 1.0;

const char* const nomesMira[5] = {"", "FS", "FM", "FI", ""};
const char* const nomesSecao[8] = {"", "C", "F1", "F1", "F2", "F2", "FT", "FT"};

// The pairs of hairs a stadia distance is read from, the middle and lower hairs first,
// each with its factor: 100 times the whole interval, 200 times a half one.
struct TParFios {
    int acima;
    int abaixo;
    int fator;
};
constexpr TParFios paresFios[] = {
    {colunaFM, colunaFI, 200}, {colunaFS, colunaFI, 100}, {colunaFS, colunaFM, 200}};

// The first twenty sections take every pairing of the four dash styles with five
// colours; the next twenty the same pairings with five other colours. No two lines of a
// terrace of up to forty sections look alike.
const TEstiloLinha estilosSecao[4] = {TEstiloLinha::psDash, TEstiloLinha::psDot,
                                      TEstiloLinha::psDashDot, TEstiloLinha::psDashDotDot};
const TCor coresSecao[2][5] = {{clBlack, clTeal, clMaroon, clGreen, clGray},
                               {corLaranja, corMagenta, corOliva, corRoxo, corAzulCeu}};
constexpr int secoesPorCores = 20;

bool preenchida(const TGradeTexto& grade, int coluna, int linha)
{
    return !grade.Cells(coluna, linha).empty();
}

double leituraMira(const TGradeTexto& mira, int coluna, int linha)
{
    const double leitura = strToFloat(mira.Cells(coluna, linha));
    return TLimitesTerraco::verificaLeituraVisada(linha, nomesMira[coluna], leitura);
}

double anguloMira(const TGradeTexto& mira, int linha)
{
    return TLimitesTerraco::verificaAnguloVisada(linha, strToFloat(mira.Cells(colunaAngulo, linha)));
}

double distanciaEstadimetrica(const TGradeTexto& mira, const TParFios& par, int linha)
{
    const long double acima = leituraMira(mira, par.acima, linha);
    const long double abaixo = leituraMira(mira, par.abaixo, linha);
    return TLimitesTerraco::verificaDistanciaVisada(linha, armazena(par.fator * (acima - abaixo)),
                                                    nomesMira[par.acima], nomesMira[par.abaixo]);
}

// A staff reading of the section grid, or a distance from C: the columns alternate.
double valorSecao(const TGradeTexto& canal, int coluna, int linha)
{
    const double v = strToFloat(canal.Cells(coluna, linha));
    return coluna % 2 == 1 ? TLimitesTerraco::verificaLeituraSecao(linha, nomesSecao[coluna], v)
                           : TLimitesTerraco::verificaDistanciaSecao(linha, nomesSecao[coluna], v);
}

int celulasPreenchidas(const TGradeTexto& grade, int coluna, int primeiraLinha)
{
    int n = 0;
    for (int r = primeiraLinha; r < grade.RowCount(); ++r)
        if (preenchida(grade, coluna, r))
            ++n;
    return n;
}

long double quadrado(long double x)
{
    return x * x;
}

// Water-holding area of a section up to the level h. Both banks take their slope from
// the height of C over the channel floor; FT only draws the section.
long double areaTrapezoidal(const TSecaoCanal& s, long double h)
{
    const long double C = s.cotaC, F1 = s.cotaF1, F2 = s.cotaF2;
    const long double w1 = s.larguraCF1, w2 = s.larguraF1F2, w3 = s.larguraF2FT;
    const long double F = F1 > F2 ? F1 : F2;
    if (F1 <= h && h < F2)
        return quadrado(h - F1) * (divide(w1, 2 * (C - F1)) + divide(w2, 2 * (F2 - F1)));
    if (h < F1 && F2 <= h)
        return divide(quadrado(h - F2) * w2, 2 * (F1 - F2))
             + divide(quadrado(h - F2) * w3, 2 * (C - F2));
    if (h >= F)
        return divide(quadrado(h - F1) * w1, 2 * (C - F1)) + w2 * ((h - F1) + (h - F2)) / 2
             + divide(quadrado(h - F2) * w3, 2 * (C - F2));
    return 0;
}

long double areaTriangular(const TSecaoCanal& s, long double h)
{
    const long double C = s.cotaC, F1 = s.cotaF1;
    if (!(h > F1))
        return 0;
    return divide(quadrado(h - F1) * s.larguraCF1, 2 * (C - F1))
         + divide(quadrado(h - F1) * s.larguraF2FT, 2 * (C - F1));
}

// A two-decimal text of the results page in hundredths, exactly: a binary double cannot
// hold most two-decimal numbers, so a quotient of two of them may fall either side of a
// half.
long long centesimos(const std::string& texto)
{
    const std::string numero = texto.substr(0, texto.find_last_not_of(' ') + 1);
    const auto digitos = [&numero](std::size_t de, std::size_t ate) {
        return de < ate && std::all_of(numero.begin() + static_cast<std::ptrdiff_t>(de),
                                       numero.begin() + static_cast<std::ptrdiff_t>(ate),
                                       [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::size_t separador = numero.size() < 3 ? 0 : numero.size() - 3;
    if (separador == 0 || numero[separador] != configuracaoRegional().DecimalSeparator || !digitos(0, separador)
        || !digitos(separador + 1, numero.size()))
        throw EConvertError("'" + texto + "' is not a valid floating point value");
    // Up to 12 integer digits, a volume times 10000 stays within 64 bits.
    if (separador > 12)
        throw EOverflow("Estouro de ponto flutuante.");
    return std::stoll(numero.substr(0, separador)) * 100 + std::stoll(numero.substr(separador + 1));
}

// Ve / Vn × 100 from the two texts, in hundredths, an exact half away from zero.
long long eficienciaEmCentesimos(long long ve, long long vn)
{
    const long long dividendo = ve * 10000;
    const long long quociente = dividendo / vn;
    return 2 * (dividendo % vn) >= vn ? quociente + 1 : quociente;
}

TLinhaGrafico linhaDeReferencia(const std::string& titulo, TCor cor, double cota, double xmax)
{
    TLinhaGrafico serie;
    serie.titulo = titulo;
    serie.cor = cor;
    serie.pontos = {{0, cota}, {xmax, cota}};
    return serie;
}

} // namespace

bool TAvaliacaoTerraco::executa(const TDadosTerraco& dados, const TResultadoAvaliacao& paginaAntes)
{
    resultado_ = paginaAntes;
    return executa(dados);
}

bool TAvaliacaoTerraco::executa(const TDadosTerraco& dados)
{
    try {
        Rotina(dados);
        sucesso_ = true;
        mensagem_.clear();
    } catch (const ETerracoImpossivel& erro) {
        sucesso_ = false;
        mensagem_ = erro.what();
        apagaVeredito();
    } catch (const std::exception&) {
        sucesso_ = false;
        mensagem_ = mensagemCamposEmBranco;
    }
    resultado_.cotasCrista = estado_.cotasCrista;
    resultado_.nPontosCrista = estado_.nPontosCrista;
    return sucesso_;
}

void TAvaliacaoTerraco::Rotina(const TDadosTerraco& dados)
{
    defineConfiguracaoRegional(TConfiguracaoRegional::brasileira());
    calculaLES(dados);
    areaDeContribuicaoDados(dados);
    // The step gives the area the sights enclose, nothing included; a survey without any
    // sight is no survey and keeps its Ac of 0.
    if (dados.RadioGTipoDeLevantamento == levantamentoIrradiacao && estado_.nVisadas > 0)
        TLimitesTerraco::verificaAreaIrradiacao(estado_.areaAgricola);
    PerfilDaCristaSecaoTransversal(dados);
    calculaCotas();
    preencheCapacidadeArmazenamento(dados);
    preencheResultados(dados);
}

// Each text is read just before its setter, so the first blank or refused field ends
// the run there.
void TAvaliacaoTerraco::calculaLES(const TDadosTerraco& dados)
{
    estado_.equacaoChuva = std::make_unique<TPrecipitacaoExponencialNegativa>();
    TPrecipitacaoExponencialNegativa& chuva = *estado_.equacaoChuva;
    chuva.setTr(TLimitesTerraco::verificaTempoRetorno(strToFloat(dados.LblEdtTr)));
    chuva.setK(TLimitesTerraco::verificaK(strToFloat(dados.LblEdtK)));
    chuva.setA(TLimitesTerraco::verificaA(strToFloat(dados.LblEdtA)));
    chuva.setB(TLimitesTerraco::verificaB(strToFloat(dados.LblEdtB)));
    chuva.setC(TLimitesTerraco::verificaC(strToFloat(dados.LblEdtC)));
    TLimitesTerraco::verificaEquacaoSemB(chuva.B, chuva.C);

    estado_.modeloEscoamento = std::make_unique<TNumeroDaCurva>();
    TNumeroDaCurva& modelo = *estado_.modeloEscoamento;
    modelo.setTIE(TLimitesTerraco::verificaInfiltracao(strToFloat(dados.LblEdtSoloTIE)));
    estado_.lesAgricola =
        TLimitesTerraco::verificaResultado("LES(mm) da área agrícola", modelo.laminaEscoamento(chuva));
    if (dados.RadioButtonContribui) {
        modelo.setTIE(infiltracaoEstrada);
        estado_.lesEstrada =
            TLimitesTerraco::verificaResultado("LES(mm) da estrada", modelo.laminaEscoamento(chuva));
    } else {
        estado_.lesEstrada = 0;
    }
}

void TAvaliacaoTerraco::areaDeContribuicaoDados(const TDadosTerraco& dados)
{
    TEstadoAvaliacao& e = estado_;
    e.areaAgricola = 0;
    if (dados.RadioGTipoDeLevantamento == levantamentoIrradiacao) {
        areaPorIrradiacao(dados.SGridMira);
        if (e.nVisadas > 0) {
            for (int k = 0; k <= e.nVisadas; ++k)
                e.areaAgricola = armazena(static_cast<long double>(e.areaAgricola)
                                          + e.visadas[static_cast<std::size_t>(k)].areaTriangulo);
            e.areaAgricola = std::fabs(e.areaAgricola);
        }
    } else if (dados.RadioGTipoDeLevantamento == levantamentoTrena) {
        const long double comprimento =
            TLimitesTerraco::verificaComprimentoTerraco(strToFloat(dados.LblEdtComprimentoTerraco));
        e.areaAgricola = armazena(comprimento * espacamentoMedio(dados.SGridTrena));
    }
    TLimitesTerraco::verificaResultado("Ac(m²) da área agrícola", e.areaAgricola);
}

// The sights are read from the consecutive rows 1 to n + 1, wherever the n angles were
// typed.
void TAvaliacaoTerraco::areaPorIrradiacao(const TGradeTexto& mira)
{
    estado_.nVisadas = celulasPreenchidas(mira, colunaAngulo, 1);
    if (estado_.nVisadas == 0)
        return;
    estado_.visadas.resize(static_cast<std::size_t>(estado_.nVisadas) + 1);
    calculaDistanciasMira(mira);
    calculaAngulosMira(mira);
    calculaAreasTriangulos();
}

// Stadia distances from the first pair of hairs typed. A sight needs two readings; only
// the closing row, which is no sight, falls back on the first sight's distance.
void TAvaliacaoTerraco::calculaDistanciasMira(const TGradeTexto& mira)
{
    const int n = estado_.nVisadas;
    for (int k = 0; k <= n; ++k) {
        const int r = k + 1;
        TVisada& visada = estado_.visadas[static_cast<std::size_t>(k)];
        const auto par = std::find_if(std::begin(paresFios), std::end(paresFios), [&](const TParFios& p) {
            return preenchida(mira, p.acima, r) && preenchida(mira, p.abaixo, r);
        });
        if (par != std::end(paresFios))
            visada.distancia = distanciaEstadimetrica(mira, *par, r);
        else if (k < n)
            throw EConvertError("A visada " + std::to_string(r) + " tem menos de duas leituras.");
        else
            visada.distancia = estado_.visadas[0].distancia;
    }
}

// The last sight closes the polygon back to the first one, whatever its angle.
void TAvaliacaoTerraco::calculaAngulosMira(const TGradeTexto& mira)
{
    const int n = estado_.nVisadas;
    std::vector<TVisada>& v = estado_.visadas;
    v[0].angulo = preenchida(mira, colunaAngulo, 1) ? anguloMira(mira, 1) : estado_.semValor;
    for (int k = 1; k <= n; ++k) {
        const long double anterior = anguloMira(mira, k);
        const long double graus = preenchida(mira, colunaAngulo, k + 1)
                                      ? anguloMira(mira, k + 1) - anterior
                                      : 360 - anterior + anguloMira(mira, 1);
        v[static_cast<std::size_t>(k)].angulo = armazena(graus * pi / 180);
    }
}

void TAvaliacaoTerraco::calculaAreasTriangulos()
{
    const double semValor = estado_.semValor;
    std::vector<TVisada>& v = estado_.visadas;
    v[0].areaTriangulo = 0;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(estado_.nVisadas); ++k) {
        const double d0 = v[k - 1].distancia, d1 = v[k].distancia;
        v[k].areaTriangulo = d0 == semValor && d1 == semValor
                                 ? 0
                                 : armazena(seno(v[k].angulo) * d0 * d1 / 2);
    }
}

// The mean of the first m cells, m the number of cells typed wherever they are.
double TAvaliacaoTerraco::espacamentoMedio(const TGradeTexto& trena) const
{
    const int m = celulasPreenchidas(trena, 0, 0);
    if (m == 0)
        return 0;
    double soma = 0;
    for (int r = 0; r < m; ++r) {
        const double espacamento = TLimitesTerraco::verificaEspacamento(r + 1, strToFloat(trena.Cells(0, r)));
        soma = armazena(soma + static_cast<long double>(espacamento));
    }
    return armazena(divide(soma, m));
}

void TAvaliacaoTerraco::PerfilDaCristaSecaoTransversal(const TDadosTerraco& dados)
{
    leCotasCrista(dados);
    leSecoesCanal(dados);
    converteCotasCrista();
    converteSecoesCanal(dados.CBTipoSecao);
}

void TAvaliacaoTerraco::tomaNoDatum(double leitura)
{
    if (estado_.maiorLeitura < leitura)
        estado_.maiorLeitura = leitura;
}

// Start, the first n - 2 rows of the middle grid (n - 2 its typed cells), far end.
void TAvaliacaoTerraco::leCotasCrista(const TDadosTerraco& dados)
{
    TEstadoAvaliacao& e = estado_;
    e.maiorLeitura = 0;
    e.nPontosCrista = 0;
    if (!preenchida(dados.SGridCristaInicio, 1, 0))
        return;
    const int n = 2 + celulasPreenchidas(dados.SGridCristaMeio, 1, 0);
    e.nPontosCrista = n;
    e.cotasCrista.resize(static_cast<std::size_t>(n));
    const auto leitura = [n](int ponto, const TGradeTexto& grade, int linha) {
        return TLimitesTerraco::verificaLeituraCrista(ponto, n, strToFloat(grade.Cells(1, linha)));
    };
    e.cotasCrista[0] = leitura(0, dados.SGridCristaInicio, 0);
    tomaNoDatum(e.cotasCrista[0]);
    e.cotasCrista[static_cast<std::size_t>(n) - 1] = leitura(n - 1, dados.SGridCristaFim, 0);
    tomaNoDatum(e.cotasCrista[static_cast<std::size_t>(n) - 1]);
    for (int i = 1; i <= n - 2; ++i) {
        e.cotasCrista[static_cast<std::size_t>(i)] = leitura(i, dados.SGridCristaMeio, i - 1);
        tomaNoDatum(e.cotasCrista[static_cast<std::size_t>(i)]);
    }
}

// The first nSecoes rows, nSecoes the number of C readings typed. A triangular section
// has no F2: its columns are neither read nor checked. The distances from C must follow
// the points along the section.
void TAvaliacaoTerraco::leSecoesCanal(const TDadosTerraco& dados)
{
    const TGradeTexto& canal = dados.SGridCanalSecao;
    TEstadoAvaliacao& e = estado_;
    e.nSecoes = celulasPreenchidas(canal, colunaC, 1);
    e.secoes.resize(static_cast<std::size_t>(e.nSecoes));
    const bool trapezoidal = dados.CBTipoSecao == secaoTrapezoidal;
    for (int i = 0; i < e.nSecoes; ++i) {
        const int r = i + 1;
        TSecaoCanal& s = e.secoes[static_cast<std::size_t>(i)];
        s.cotaC = valorSecao(canal, colunaC, r);
        tomaNoDatum(s.cotaC);
        s.larguraCF1 = valorSecao(canal, colunaCF1, r);
        s.cotaF1 = valorSecao(canal, colunaF1, r);
        tomaNoDatum(s.cotaF1);
        if (trapezoidal) {
            s.larguraF1F2 = valorSecao(canal, colunaCF2, r);
            s.cotaF2 = valorSecao(canal, colunaF2, r);
            tomaNoDatum(s.cotaF2);
        }
        s.larguraF2FT = valorSecao(canal, colunaCFT, r);
        s.cotaFT = valorSecao(canal, colunaFT, r);
        tomaNoDatum(s.cotaFT);
        TLimitesTerraco::verificaOrdemSecao(r, s.larguraCF1, s.larguraF1F2, s.larguraF2FT, trapezoidal);
    }
}

// Staff readings grow downwards: an elevation is the datum less the reading.
void TAvaliacaoTerraco::converteCotasCrista()
{
    TEstadoAvaliacao& e = estado_;
    for (int i = 0; i < e.nPontosCrista; ++i) {
        double& cota = e.cotasCrista[static_cast<std::size_t>(i)];
        cota = armazena(static_cast<long double>(e.maiorLeitura) - cota);
    }
}

// The distances were typed from C; the areas need the width of each stretch.
void TAvaliacaoTerraco::converteSecoesCanal(int tipoSecao)
{
    const long double datum = estado_.maiorLeitura;
    for (TSecaoCanal& s : estado_.secoes) {
        s.cotaC = armazena(datum - s.cotaC);
        s.cotaF1 = armazena(datum - s.cotaF1);
        s.cotaF2 = armazena(datum - s.cotaF2);
        s.cotaFT = armazena(datum - s.cotaFT);
        const double inicioUltimoTrecho = tipoSecao == secaoTrapezoidal ? s.larguraF1F2 : s.larguraCF1;
        s.larguraF2FT = armazena(static_cast<long double>(s.larguraF2FT) - inicioUltimoTrecho);
        s.larguraF1F2 = armazena(static_cast<long double>(s.larguraF1F2) - s.larguraCF1);
    }
}

// CBC is the lowest intermediate point (the far end when there is none); CE the lower
// of the two ends.
void TAvaliacaoTerraco::calculaCotas()
{
    TEstadoAvaliacao& e = estado_;
    const int n = e.nPontosCrista;
    if (n == 0)
        throw Exception("O perfil da crista não tem leituras.");
    const std::vector<double>& cotas = e.cotasCrista;
    e.cotaBaixaCrista = cotas[1];
    for (std::size_t i = 2; i + 2 <= static_cast<std::size_t>(n); ++i)
        if (e.cotaBaixaCrista > cotas[i])
            e.cotaBaixaCrista = cotas[i];
    resultado_.LblEdtRCotaCrista = formatDuasCasas(e.cotaBaixaCrista);
    const double inicio = cotas[0], fim = cotas[static_cast<std::size_t>(n) - 1];
    e.cotaExtremidade = inicio > fim ? fim : inicio;
    resultado_.LblEdtRCotaBigode = formatDuasCasas(e.cotaExtremidade);
}

// Water rises to the lower of CBC (above it the ridge spills) and CE (above it the
// water runs out at the end).
void TAvaliacaoTerraco::preencheCapacidadeArmazenamento(const TDadosTerraco& dados)
{
    TEstadoAvaliacao& e = estado_;
    const long double h = e.cotaBaixaCrista > e.cotaExtremidade ? e.cotaExtremidade : e.cotaBaixaCrista;
    e.somaAr = 0;
    TGradeTexto& grade = resultado_.SGridResultadosAr;
    grade.setRowCount(dados.SGridCanalSecao.RowCount());
    for (int r = 1; r < grade.RowCount(); ++r) {
        grade.setCells(0, r, std::to_string(r));
        grade.setCells(1, r, "");
    }
    if (dados.CBTipoSecao != secaoTriangular && dados.CBTipoSecao != secaoTrapezoidal)
        return;
    const bool trapezoidal = dados.CBTipoSecao == secaoTrapezoidal;
    for (int i = 0; i < e.nSecoes; ++i) {
        const TSecaoCanal& s = e.secoes[static_cast<std::size_t>(i)];
        const double ar = TLimitesTerraco::verificaAreaSecao(
            i + 1, armazena(trapezoidal ? areaTrapezoidal(s, h) : areaTriangular(s, h)), trapezoidal);
        grade.setCells(0, i + 1, std::to_string(i + 1));
        grade.setCells(1, i + 1, formatDuasCasas(ar));
        e.somaAr = armazena(static_cast<long double>(e.somaAr) + ar);
    }
}

void TAvaliacaoTerraco::preencheResultados(const TDadosTerraco& dados)
{
    grafico(dados);
    apagaVeredito();
    TResultadoAvaliacao& p = resultado_;
    p.LblRLES = formatDuasCasas(estado_.lesAgricola);
    p.LblRAc = formatDuasCasas(estado_.areaAgricola);
    preencheEstrada(dados);
    p.SGridResultadosAr.setCells(0, 0, "Seções");
    p.SGridResultadosAr.setCells(1, 0, "Ar(m²)");
    p.SGridRMedia.setCells(0, 0, "Média*");
    // The mean divides by one more than the number of sections; Ve does not.
    p.SGridRMedia.setCells(1, 0, formatDuasCasas(divide(estado_.somaAr, estado_.nSecoes + 1)));
    preencheVolumes(dados);
    if (p.LblEdtVeVn.empty()) {
        p.LblMotivoSemAvaliacao = motivoSemAvaliacao();
        return;
    }
    preencheObservacao();
    p.LblEdtAvaliacao = strToFloat(p.LblEdtVeVn) >= 100 ? "Terraço ADEQUADO!" : "Terraço INADEQUADO!";
}

void TAvaliacaoTerraco::apagaVeredito()
{
    TResultadoAvaliacao& p = resultado_;
    p.LblEdtRVe.clear();
    p.LblEdtRVn.clear();
    p.LblEdtVeVn.clear();
    p.LblEdtAvaliacao.clear();
    p.MemObs.clear();
    p.LblMotivoSemAvaliacao.clear();
}

void TAvaliacaoTerraco::preencheEstrada(const TDadosTerraco& dados)
{
    TResultadoAvaliacao& p = resultado_;
    if (!dados.RadioButtonContribui) {
        estado_.areaEstrada = 0;
        p.LblRLESestrada = semEstrada;
        p.LblRAcEstrada = semEstrada;
        return;
    }
    p.LblRLESestrada = formatDuasCasas(estado_.lesEstrada);
    const long double largura =
        TLimitesTerraco::verificaLarguraEstrada(strToFloat(dados.EdtAreaContibuicaoSemiELargura));
    const double comprimento =
        TLimitesTerraco::verificaComprimentoEstrada(strToFloat(dados.EdtAreaContibuicaoComprimento));
    estado_.areaEstrada = armazena(TLimitesTerraco::verificaResultado("Ac(m²) da estrada", largura * comprimento));
    p.LblRAcEstrada = formatDuasCasas(estado_.areaEstrada);
}

// Depths are in mm, hence the division by 1000. The efficiency is worked out from the
// two volumes as shown, in decimal, so that it agrees with what the user reads to the
// last digit.
void TAvaliacaoTerraco::preencheVolumes(const TDadosTerraco& dados)
{
    const TEstadoAvaliacao& e = estado_;
    TResultadoAvaliacao& p = resultado_;
    if (e.somaAr > 0) {
        const long double comprimento =
            TLimitesTerraco::verificaComprimentoTerraco(strToFloat(dados.LblEdtComprimentoTerraco));
        const long double ve = comprimento * divide(e.somaAr, e.nSecoes);
        p.LblEdtRVe = formatDuasCasas(TLimitesTerraco::verificaResultado("Ve(m³)", ve));
    }
    const long double agricola = static_cast<long double>(e.areaAgricola) * e.lesAgricola / 1000;
    const long double estrada = static_cast<long double>(e.areaEstrada) * e.lesEstrada / 1000;
    const auto mostraVn = [&p](long double vn) {
        p.LblEdtRVn = formatDuasCasas(TLimitesTerraco::verificaResultado("Vn(m³)", vn));
    };
    if (e.areaEstrada > 0 && e.areaAgricola > 0)
        mostraVn(agricola + estrada);
    else if (e.areaEstrada > 0)
        mostraVn(estrada);
    else if (e.areaAgricola > 0)
        mostraVn(agricola);
    if (p.LblEdtRVn.empty() || p.LblEdtRVe.empty())
        return;
    const long long vn = centesimos(p.LblEdtRVn);
    if (vn <= 0)
        return;
    // Formatting to two decimals gives these hundredths back exactly.
    const long long er = eficienciaEmCentesimos(centesimos(p.LblEdtRVe), vn);
    p.LblEdtVeVn = formatDuasCasas(static_cast<long double>(er) / 100);
}

// The first thing missing of what the efficiency compares: something draining into the
// terrace, a channel, water in it, runoff.
std::string TAvaliacaoTerraco::motivoSemAvaliacao() const
{
    const TEstadoAvaliacao& e = estado_;
    if (resultado_.LblEdtRVn.empty())
        return "Sem avaliação: não há área agrícola nem estrada que escoe para o terraço.";
    if (e.nSecoes == 0)
        return "Sem avaliação: o canal não tem seções levantadas.";
    if (resultado_.LblEdtRVe.empty())
        return "Sem avaliação: o canal não armazena água, pois nenhuma seção tem área abaixo da CBC e da CE.";
    const bool semEscoamento =
        (e.areaAgricola <= 0 || e.lesAgricola == 0) && (e.areaEstrada <= 0 || e.lesEstrada == 0);
    if (semEscoamento)
        return "Sem avaliação: não há escoamento, pois toda a chuva de projeto se infiltra.";
    return "Sem avaliação: o volume de escoamento é pequeno demais para aparecer (Vn 0,00 m³).";
}

void TAvaliacaoTerraco::preencheObservacao()
{
    TResultadoAvaliacao& p = resultado_;
    const long double d = static_cast<long double>(estado_.cotaBaixaCrista) - estado_.cotaExtremidade;
    p.MemObs = "Crista " + formatDuasCasas(std::fabs(d) * 100) + " cm";
    if (d > 0 && d < alturaSeguranca) {
        p.MemObs += " acima da cota da extremidade! Não atingiu a altura de segurança!";
        p.MemObsTag = 0;
    } else if (d <= 0) {
        p.MemObs += " abaixo da extremidade!";
        p.MemObsTag = 2;
    } else {
        p.MemObs += " acima da cota da extremidade!";
        p.MemObsTag = 1;
    }
}

// Every section as a broken line from C over F1 (and F2) to FT, then the crest's lowest
// elevation and the terrace end's as level lines across the widest section. Each typed
// distance is read once: a long terrace has thousands of them.
void TAvaliacaoTerraco::grafico(const TDadosTerraco& dados)
{
    const TEstadoAvaliacao& e = estado_;
    const TGradeTexto& canal = dados.SGridCanalSecao;
    std::vector<TLinhaGrafico>& series = resultado_.seriesGrafico;
    series.assign(static_cast<std::size_t>(e.nSecoes) + 2, TLinhaGrafico{});
    double xmax = 0;
    for (int i = 0; i < e.nSecoes; ++i) {
        const int r = i + 1;
        const TSecaoCanal& s = e.secoes[static_cast<std::size_t>(i)];
        TLinhaGrafico& serie = series[static_cast<std::size_t>(i)];
        serie.titulo = "Seção " + std::to_string(i + 1);
        serie.estilo = estilosSecao[i % 4];
        serie.cor = coresSecao[(i / secoesPorCores) % 2][i % 5];
        const double cf1 = strToFloat(canal.Cells(colunaCF1, r));
        const TPontoGrafico f1{cf1, s.cotaF1};
        const TPontoGrafico f2 =
            dados.CBTipoSecao == secaoTrapezoidal ? TPontoGrafico{strToFloat(canal.Cells(colunaCF2, r)), s.cotaF2} : f1;
        const double cft = strToFloat(canal.Cells(colunaCFT, r));
        serie.pontos = {{0, s.cotaC}, f1, f2, {cft, s.cotaFT}};
        if (cft > xmax)
            xmax = cft;
    }
    series[static_cast<std::size_t>(e.nSecoes)] = linhaDeReferencia("CBC", clBlue, e.cotaBaixaCrista, xmax);
    series[static_cast<std::size_t>(e.nSecoes) + 1] = linhaDeReferencia("CE", clRed, e.cotaExtremidade, xmax);
}
