#include "app/nucleo/TLeitorProjeto.h"

#include "app/nucleo/FormatoProjeto.h"
#include "models/ConversaoNumerica.h"
#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/nucleo/TCodigoWindows1252.h"
#include "plataforma/nucleo/TLeituraArquivo.h"
#include "plataforma/nucleo/TLinhasTexto.h"

#include <algorithm>

namespace {

namespace f = formatoProjeto;

// The program works with the decimal comma whatever the machine's language, so a
// number typed on a machine with the point reads with the comma.
std::string comVirgula(std::string texto)
{
    std::replace(texto.begin(), texto.end(), '.', ',');
    return texto;
}

// The text before the next TAB, which the TAB leaves with; empty when no TAB is left.
std::string_view proximoCampo(std::string_view& resto)
{
    const std::size_t tab = resto.find('\t');
    if (tab == std::string_view::npos)
        return {};
    const std::string_view campo = resto.substr(0, tab);
    resto.remove_prefix(tab + 1);
    return campo;
}

// A text quoted in a message is cut to a readable length: a damaged file may hold a
// line of megabytes, which no message box can lay out.
std::string citacao(const std::string& texto)
{
    constexpr std::size_t maximo = 40;
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if ((static_cast<unsigned char>(texto[i]) & 0xC0) == 0x80)
            continue;
        if (++caracteres > maximo)
            return texto.substr(0, i) + "\u2026";
    }
    return texto;
}

EConvertError naoEInteiro(const std::string& texto)
{
    return EConvertError("'" + citacao(texto) + "' is not a valid integer value");
}

bool comecaCom(std::string_view bytes, std::string_view inicio)
{
    return bytes.substr(0, inicio.size()) == inicio;
}

// Text with a NUL in every other byte through its start is UTF-16 without its mark:
// the project file's texts are nearly all ASCII.
bool intercaladoComNulos(std::string_view bytes)
{
    const std::size_t pares = std::min<std::size_t>(bytes.size(), 1024) / 2;
    if (pares < 2)
        return false;
    std::size_t nulosPares = 0;
    std::size_t nulosImpares = 0;
    for (std::size_t k = 0; k < pares; ++k) {
        nulosPares += bytes[2 * k] == '\0';
        nulosImpares += bytes[2 * k + 1] == '\0';
    }
    const auto claro = [pares](std::size_t muitos, std::size_t poucos) {
        return muitos * 2 >= pares && poucos * 10 < pares;
    };
    return claro(nulosPares, nulosImpares) || claro(nulosImpares, nulosPares);
}

bool temForaDoAscii(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
}

} // namespace

TLeituraProjeto TLeitorProjeto::le(const std::string& nomeArquivo)
{
    return leTexto(TLeituraArquivo::le(nomeArquivo));
}

TLeituraProjeto TLeitorProjeto::leTexto(std::string_view bytes)
{
    if (comecaCom(bytes, "\xFF\xFE") || comecaCom(bytes, "\xFE\xFF") || intercaladoComNulos(bytes))
        throw EConvertError("O arquivo está gravado em UTF-16, que o programa não lê. Grave-o no editor "
                            "de texto em UTF-8 ou em ANSI (Windows-1252) e abra-o de novo.");
    constexpr std::string_view marcaUtf8 = "\xEF\xBB\xBF";
    // A file saved by a text editor of today is UTF-8; what the program writes, and any
    // file that is not well-formed UTF-8, is Windows-1252.
    const bool utf8 = temForaDoAscii(bytes) && TCodigoWindows1252::utf8Valido(bytes);
    if (utf8 && comecaCom(bytes, marcaUtf8))
        bytes.remove_prefix(marcaUtf8.size());
    TLeitorProjeto leitor(bytes, utf8);
    leitor.pula(4);
    leitor.leIdentificacao();
    leitor.lePrecipitacao();
    leitor.leCanal();
    leitor.leAreaDeContribuicao();
    leitor.leCrista();
    leitor.leSolo();
    return std::move(leitor.leitura_);
}

std::string_view TLeitorProjeto::linhaBruta()
{
    if (posicao_ >= bytes_.size())
        return {};
    return TLinhasTexto::proxima(bytes_, posicao_);
}

void TLeitorProjeto::pula(int linhas)
{
    for (int i = 0; i < linhas; ++i)
        linhaBruta();
}

std::string TLeitorProjeto::decodifica(std::string_view bytes) const
{
    return utf8_ ? std::string(bytes) : TCodigoWindows1252::paraUtf8(bytes);
}

std::string TLeitorProjeto::campoNumerico(std::string_view campo) const
{
    return comVirgula(decodifica(campo));
}

std::string TLeitorProjeto::texto()
{
    return decodifica(linhaBruta());
}

// The cut counts characters, whatever stands there: one byte each in Windows-1252, a
// lead byte and its continuation bytes in UTF-8.
std::string TLeitorProjeto::valor(std::string_view prefixo)
{
    std::string_view linha = linhaBruta();
    std::size_t i = 0;
    for (std::size_t cortados = 0; cortados < prefixo.size() && i < linha.size(); ++cortados) {
        ++i;
        while (utf8_ && i < linha.size() && (static_cast<unsigned char>(linha[i]) & 0xC0) == 0x80)
            ++i;
    }
    linha.remove_prefix(i);
    return decodifica(linha);
}

int TLeitorProjeto::inteiro(std::string_view prefixo, int minimo, int maximo)
{
    const std::string t = valor(prefixo);
    int numero = 0;
    try {
        numero = strToInt(t);
    } catch (const EConvertError&) {
        throw naoEInteiro(t);
    }
    if (numero < minimo || numero > maximo)
        throw naoEInteiro(t);
    return numero;
}

int TLeitorProjeto::contagem()
{
    return inteiro("", 1, f::maximoLinhas);
}

void TLeitorProjeto::leIdentificacao()
{
    TTextosIdentificacao& id = leitura_.dados.identificacao;
    id.EIdentificacao = texto();
    id.EMunicipio = texto();
    id.EEstado = texto();
    id.ELocalidade = texto();
    id.EProprietario = texto();
    id.EData = texto();
    id.ELocalidade = texto();
}

void TLeitorProjeto::lePrecipitacao()
{
    TDadosTerraco& d = leitura_.dados;
    pula(1);
    d.LblEdtTr = comVirgula(valor(f::prefixoT));
    d.LblEdtK = comVirgula(valor(f::prefixoK));
    d.LblEdtA = comVirgula(valor(f::prefixoA));
    d.LblEdtB = comVirgula(valor(f::prefixoB));
    d.LblEdtC = comVirgula(valor(f::prefixoC));
    d.meLatitude = valor(f::prefixoLatitude);
    d.MELongitude = valor(f::prefixoLongitude);
}

void TLeitorProjeto::leCanal()
{
    TDadosTerraco& d = leitura_.dados;
    pula(1);
    d.LblEdtComprimentoTerraco = comVirgula(valor(f::prefixoComprimentoTerraco));
    const int tipo = inteiro(f::prefixoTipoSecao, secaoTriangular, secaoTrapezoidal);
    d.CBTipoSecao = tipo;
    leitura_.efeitos.emplace_back(TEfeitoTipoSecao{tipo});
    d.SGridCanalSecao.setRowCount(contagem());
    if (tipo == secaoTriangular)
        leitura_.efeitos.emplace_back(TEfeitoLarguraColunas{{1, 2, 3, 4, 5, 6, 7}, 56});
    // The header row: the headers are a new window's, whatever the file holds.
    pula(1);
    for (int r = 1; r < d.SGridCanalSecao.RowCount(); ++r)
        leLinhaCanal(r, tipo);
    if (tipo == secaoTriangular && d.SGridCanalSecao.RowCount() > 1)
        leitura_.efeitos.emplace_back(TEfeitoLarguraColunas{{4, 5}, 0});
    pula(1);
}

// The fields fill the columns from the left; once the TABs run out every further cell
// is set empty, so a row whose last cells were empty reads back with them empty.
void TLeitorProjeto::leLinhaCanal(int linha, int tipoSecao)
{
    std::string_view resto = linhaBruta();
    for (int c = 0; c < leitura_.dados.SGridCanalSecao.ColCount(); ++c) {
        if (tipoSecao != secaoTrapezoidal && (c == 4 || c == 5))
            continue;
        const std::string_view campo = proximoCampo(resto);
        leitura_.dados.SGridCanalSecao.setCells(c, linha, campo == f::celulaVazia ? std::string()
                                                                                   : campoNumerico(campo));
    }
}

void TLeitorProjeto::leAreaDeContribuicao()
{
    TDadosTerraco& d = leitura_.dados;
    pula(1);
    const std::string largura = valor(f::prefixoLarguraEstrada);
    const bool contribui = !largura.empty();
    // Until here the record holds a new window's choice.
    leitura_.efeitos.emplace_back(TEfeitoEstrada{contribui, contribui != d.RadioButtonContribui});
    d.RadioButtonContribui = contribui;
    d.RadioButtonNaoContribui = !contribui;
    d.EdtAreaContibuicaoSemiELargura = comVirgula(largura);
    d.EdtAreaContibuicaoComprimento = comVirgula(valor(f::prefixoComprimentoEstrada));
    leLevantamento();
}

void TLeitorProjeto::leLevantamento()
{
    int& metodo = leitura_.dados.RadioGTipoDeLevantamento;  // a new window's until set here
    const std::string_view palavra = linhaBruta();
    if (palavra == f::mira) {
        leitura_.efeitos.emplace_back(
            TEfeitoLevantamento{std::string(f::mira), levantamentoIrradiacao, metodo != levantamentoIrradiacao});
        metodo = levantamentoIrradiacao;
        leMira();
    } else if (palavra == f::trena) {
        leitura_.efeitos.emplace_back(
            TEfeitoLevantamento{std::string(f::trena), levantamentoTrena, metodo != levantamentoTrena});
        metodo = levantamentoTrena;
        leTrena();
    }
    pula(2);
}

// A "-" field leaves its cell as a new window has it; any other field, an empty one
// included, is the cell's text.
void TLeitorProjeto::leMira()
{
    TGradeTexto& grade = leitura_.dados.SGridMira;
    grade.setRowCount(contagem());
    pula(1);
    for (int r = 1; r < grade.RowCount(); ++r) {
        std::string_view resto = linhaBruta();
        for (int c = 0; c < grade.ColCount(); ++c) {
            const std::string_view campo = proximoCampo(resto);
            if (campo != f::celulaVazia)
                grade.setCells(c, r, campoNumerico(campo));
        }
    }
}

void TLeitorProjeto::leTrena()
{
    TGradeTexto& grade = leitura_.dados.SGridTrena;
    grade.setRowCount(contagem());
    for (int r = 0; r < grade.RowCount(); ++r)
        grade.setCells(0, r, comVirgula(texto()));
}

// The block must end where its count says: past the crest come no more counts that
// would catch a count that is wrong, as the counts after the other blocks do.
void TLeitorProjeto::leCrista()
{
    TDadosTerraco& d = leitura_.dados;
    const int pontos = contagem();
    d.SGridCristaMeio.setRowCount(pontos);
    for (int r = 0; r < pontos; ++r)
        d.SGridCristaMeio.setCells(1, r, comVirgula(texto()));
    if (linhaBruta() != f::fim)
        throw EConvertError("A contagem do perfil da crista (" + std::to_string(pontos)
                            + ") não confere com as leituras que a seguem no arquivo.");
    d.SGridCristaInicio.setCells(1, 0, comVirgula(texto()));
    d.SGridCristaFim.setCells(1, 0, comVirgula(texto()));
}

void TLeitorProjeto::leSolo()
{
    TDadosTerraco& d = leitura_.dados;
    pula(1);
    d.LblEdtSoloTIE = comVirgula(valor(f::prefixoTIE));
    d.identificacao.EResponsavel = valor(f::prefixoResponsavel);
}
