#include "app/nucleo/TDadosTerraco.h"

#include "app/nucleo/TLinhasEntrada.h"

#include <string>
#include <utility>

namespace {

constexpr const char* colunasCanal[8] = {"número", "C", "C-F1", "F1", "C-F2", "F2", "C-FT", "FT"};
constexpr const char* colunasMira[5] = {"número", "FS", "FM", "FI", "ângulo"};
constexpr const char* colunasCrista[3] = {"número", "leitura", "cota"};

// One walk for reading and for changing: `Dados` is const or not, and `f` takes the text
// as the walk hands it over.
template <class Dados, class Membro, class F>
void texto(Dados& dados, Membro campo, const TLugarTexto& lugar, F& f)
{
    f(lugar, dados.*campo);
}

template <class F>
void celula(const TGradeTexto& grade, int c, int r, const TLugarTexto& lugar, F& f)
{
    f(lugar, grade.Cells(c, r));
}

template <class F>
void celula(TGradeTexto& grade, int c, int r, const TLugarTexto& lugar, F& f)
{
    std::string valor = grade.Cells(c, r);
    f(lugar, valor);
    grade.setCells(c, r, std::move(valor));
}

// Rows numbered from `primeiroNumero`; a header row (row 0 of a grid whose rows start at
// 1) is named "cabeçalho".
template <class Grade, class F>
void grade(Grade& g, const char* secao, const char* linhas, const char* const* colunas, int primeiroNumero, F& f)
{
    for (int r = 0; r < g.RowCount(); ++r) {
        const int numero = r + primeiroNumero;
        for (int c = 0; c < g.ColCount(); ++c)
            celula(g, c, r, {secao, numero == 0 ? "cabeçalho" : linhas, numero, colunas ? colunas[c] : nullptr}, f);
    }
}

template <class Id, class F>
void identificacao(Id& id, F& f)
{
    constexpr const char* secao = "Identificação";
    f(TLugarTexto{secao, "Identificação do Terraço"}, id.EIdentificacao);
    f(TLugarTexto{secao, "Município"}, id.EMunicipio);
    f(TLugarTexto{secao, "Estado"}, id.EEstado);
    f(TLugarTexto{secao, "Localidade"}, id.ELocalidade);
    f(TLugarTexto{secao, "Proprietário"}, id.EProprietario);
    f(TLugarTexto{secao, "Data"}, id.EData);
    f(TLugarTexto{secao, "Responsável"}, id.EResponsavel);
}

template <class Dados, class F>
void todos(Dados& d, F&& f)
{
    identificacao(d.identificacao, f);
    constexpr const char* precipitacao = "Precipitação";
    texto(d, &TDadosTerraco::LblEdtTr, {precipitacao, "T"}, f);
    texto(d, &TDadosTerraco::LblEdtK, {precipitacao, "K"}, f);
    texto(d, &TDadosTerraco::LblEdtA, {precipitacao, "a"}, f);
    texto(d, &TDadosTerraco::LblEdtB, {precipitacao, "b"}, f);
    texto(d, &TDadosTerraco::LblEdtC, {precipitacao, "c"}, f);
    texto(d, &TDadosTerraco::meLatitude, {precipitacao, "latitude"}, f);
    texto(d, &TDadosTerraco::MELongitude, {precipitacao, "longitude"}, f);
    constexpr const char* canal = "Canal";
    texto(d, &TDadosTerraco::LblEdtComprimentoTerraco, {canal, "comprimento do terraço"}, f);
    grade(d.SGridCanalSecao, canal, "seção", colunasCanal, 0, f);
    constexpr const char* area = "Área de Contribuição";
    grade(d.SGridMira, area, "visada", colunasMira, 0, f);
    grade(d.SGridTrena, area, "trena, espaçamento", nullptr, 1, f);
    texto(d, &TDadosTerraco::EdtAreaContibuicaoSemiELargura, {area, "largura/semilargura da estrada"}, f);
    texto(d, &TDadosTerraco::EdtAreaContibuicaoComprimento, {area, "comprimento da estrada"}, f);
    constexpr const char* crista = "Perfil da Crista";
    grade(d.SGridCristaInicio, crista, "início", colunasCrista, -1, f);
    grade(d.SGridCristaMeio, crista, "ponto", colunasCrista, 1, f);
    grade(d.SGridCristaFim, crista, "fim", colunasCrista, -1, f);
    texto(d, &TDadosTerraco::LblEdtSoloTIE, {"Solo", "TIE"}, f);
}

} // namespace

TDadosTerraco::TDadosTerraco()
{
    SGridCanalSecao = TLinhasEntrada::numeraInicio(TGradeEntrada::canal, SGridCanalSecao);
    SGridMira = TLinhasEntrada::numeraInicio(TGradeEntrada::mira, SGridMira);
    SGridCristaInicio = TLinhasEntrada::numeraInicio(TGradeEntrada::cristaInicio, SGridCristaInicio);
    SGridCristaMeio = TLinhasEntrada::numeraInicio(TGradeEntrada::cristaMeio, SGridCristaMeio);
    SGridCristaFim = TLinhasEntrada::numeraInicio(TGradeEntrada::cristaFim, SGridCristaFim);
}

std::string nomeDoLugar(const TLugarTexto& lugar)
{
    std::string nome = std::string(lugar.secao) + ", " + lugar.campo;
    if (lugar.numero > 0)
        nome += " " + std::to_string(lugar.numero);
    if (lugar.coluna != nullptr)
        nome += std::string(", ") + lugar.coluna;
    return nome;
}

void percorreTextos(const TDadosTerraco& dados, const std::function<void(const TLugarTexto&, const std::string&)>& visita)
{
    todos(dados, [&](const TLugarTexto& lugar, const std::string& valor) { visita(lugar, valor); });
}

void percorreTextos(TDadosTerraco& dados, const std::function<void(std::string&)>& muda)
{
    todos(dados, [&](const TLugarTexto&, std::string& valor) { muda(valor); });
}
