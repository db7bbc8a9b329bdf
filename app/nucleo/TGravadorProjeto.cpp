#include "app/nucleo/TGravadorProjeto.h"

#include "app/nucleo/FormatoProjeto.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TSubstituicaoArquivo.h"

#include <string_view>
#include <vector>

namespace {

namespace f = formatoProjeto;

void acrescenta(std::string& l, std::string_view linha)
{
    l += linha;
    l += "\r\n";
}

void acrescenta(std::string& l, std::string_view prefixo, std::string_view valor)
{
    l += prefixo;
    acrescenta(l, valor);
}

// A field of a channel row is the cell's text and a TAB; a row ends after its last
// filled cell. An empty cell before a filled one is written "-" so that the cells after
// it keep their columns; a row without such a gap has no "-" at all.
std::string linhaCanal(const TGradeTexto& grade, int linha, bool triangular)
{
    std::vector<int> colunas;
    for (int c = 0; c < grade.ColCount(); ++c)
        if (!(triangular && (c == 4 || c == 5)))
            colunas.push_back(c);
    std::size_t preenchidas = 0;
    for (std::size_t i = 0; i < colunas.size(); ++i)
        if (!grade.Cells(colunas[i], linha).empty())
            preenchidas = i + 1;
    std::string texto;
    for (std::size_t i = 0; i < preenchidas; ++i) {
        const std::string& celula = grade.Cells(colunas[i], linha);
        texto += celula.empty() ? f::celulaVazia : std::string_view(celula);
        texto += '\t';
    }
    return texto;
}

// Every field of a sight row stands, "-" for an empty cell.
std::string linhaMira(const TGradeTexto& grade, int linha)
{
    std::string texto;
    for (int c = 0; c < grade.ColCount(); ++c) {
        const std::string& celula = grade.Cells(c, linha);
        texto += celula.empty() ? f::celulaVazia : std::string_view(celula);
        texto += '\t';
    }
    return texto;
}

void escreveIdentificacao(std::string& l, const TTextosIdentificacao& id)
{
    acrescenta(l, id.EIdentificacao);
    acrescenta(l, id.EMunicipio);
    acrescenta(l, id.EEstado);
    acrescenta(l, id.ELocalidade);
    acrescenta(l, id.EProprietario);
    acrescenta(l, id.EData);
    // The locality again: older files hold it here, and older readers expect it.
    acrescenta(l, id.ELocalidade);
}

void escrevePrecipitacao(std::string& l, const TDadosTerraco& d)
{
    acrescenta(l, f::precipitacao);
    acrescenta(l, f::prefixoT, d.LblEdtTr);
    acrescenta(l, f::prefixoK, d.LblEdtK);
    acrescenta(l, f::prefixoA, d.LblEdtA);
    acrescenta(l, f::prefixoB, d.LblEdtB);
    acrescenta(l, f::prefixoC, d.LblEdtC);
    acrescenta(l, f::prefixoLatitude, d.meLatitude);
    acrescenta(l, f::prefixoLongitude, d.MELongitude);
}

void escreveCanal(std::string& l, const TDadosTerraco& d)
{
    acrescenta(l, f::canal);
    acrescenta(l, f::prefixoComprimentoTerraco, d.LblEdtComprimentoTerraco);
    acrescenta(l, f::prefixoTipoSecao, std::to_string(d.CBTipoSecao));
    const TGradeTexto& grade = d.SGridCanalSecao;
    acrescenta(l, std::to_string(grade.RowCount()));
    for (int r = 0; r < grade.RowCount(); ++r)
        acrescenta(l, linhaCanal(grade, r, d.CBTipoSecao == secaoTriangular));
    acrescenta(l, f::fim);
}

void escreveAreaDeContribuicao(std::string& l, const TDadosTerraco& d)
{
    acrescenta(l, f::areaDeContribuicao);
    acrescenta(l, f::prefixoLarguraEstrada, d.EdtAreaContibuicaoSemiELargura);
    acrescenta(l, f::prefixoComprimentoEstrada, d.EdtAreaContibuicaoComprimento);
    if (d.RadioGTipoDeLevantamento == levantamentoIrradiacao) {
        acrescenta(l, f::mira);
        acrescenta(l, std::to_string(d.SGridMira.RowCount()));
        for (int r = 0; r < d.SGridMira.RowCount(); ++r)
            acrescenta(l, linhaMira(d.SGridMira, r));
    } else {
        acrescenta(l, f::trena);
        acrescenta(l, std::to_string(d.SGridTrena.RowCount()));
        for (int r = 0; r < d.SGridTrena.RowCount(); ++r)
            acrescenta(l, d.SGridTrena.Cells(0, r));
    }
    acrescenta(l, f::fim);
}

void escreveCrista(std::string& l, const TDadosTerraco& d)
{
    acrescenta(l, f::perfilDaCrista);
    acrescenta(l, std::to_string(d.SGridCristaMeio.RowCount()));
    for (int r = 0; r < d.SGridCristaMeio.RowCount(); ++r)
        acrescenta(l, d.SGridCristaMeio.Cells(1, r));
    acrescenta(l, f::fim);
    acrescenta(l, d.SGridCristaInicio.Cells(1, 0));
    acrescenta(l, d.SGridCristaFim.Cells(1, 0));
}

} // namespace

std::string TGravadorProjeto::texto(const TDadosTerraco& dados)
{
    std::string l;
    acrescenta(l, f::titulo);
    acrescenta(l, "");
    acrescenta(l, f::aviso1);
    acrescenta(l, f::aviso2);
    escreveIdentificacao(l, dados.identificacao);
    escrevePrecipitacao(l, dados);
    escreveCanal(l, dados);
    escreveAreaDeContribuicao(l, dados);
    escreveCrista(l, dados);
    acrescenta(l, f::solo);
    acrescenta(l, f::prefixoTIE, dados.LblEdtSoloTIE);
    acrescenta(l, f::prefixoResponsavel, dados.identificacao.EResponsavel);
    return TCodigoWindows1252::deUtf8(l);
}

void TGravadorProjeto::grava(const std::string& nomeArquivo, const TDadosTerraco& dados)
{
    TSubstituicaoArquivo::grava(nomeArquivo, texto(dados));
}
