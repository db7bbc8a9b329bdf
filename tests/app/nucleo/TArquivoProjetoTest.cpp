#include "plataforma/nucleo/Excecoes.h"
#include "app/nucleo/TGravadorProjeto.h"
#include "app/nucleo/TLeitorProjeto.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

const std::string pastaDados = MORLIN_DIR_TESTES "/app/nucleo/dados/";

std::string conteudoDe(const std::string& caminho)
{
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

void preencheLinha(TGradeTexto& grade, int linha, const std::vector<std::string>& celulas)
{
    for (std::size_t c = 0; c < celulas.size(); ++c)
        grade.setCells(static_cast<int>(c), linha, celulas[c]);
}

// A trapezoidal channel surveyed by irradiation, with a road draining into the terrace.
TDadosTerraco projetoTrapezoidal()
{
    TDadosTerraco d;
    d.identificacao = {"Terraço 3 - Gleba Norte", "Lavras",       "MG", "Fazenda Água Limpa",
                       "José Antônio Ferreira",   "12/03/2024", "Eng. Agr. Márcia Luíza"};
    d.LblEdtTr = "10";
    d.LblEdtK = "1140,937";
    d.LblEdtA = "0,184";
    d.LblEdtB = "12";
    d.LblEdtC = "0,754";
    d.meLatitude = "21°14'43\"";
    d.MELongitude = "44°59'59\"";
    d.LblEdtComprimentoTerraco = "120,5";
    preencheLinha(d.SGridCanalSecao, 1, {"1", "1,52", "0,80", "1,20", "1,60", "0,95", "2,40", "0,70"});
    preencheLinha(d.SGridCanalSecao, 2, {"2", "1,48", "0,75", "1,18", "1,55", "0,90", "2,35", "0,72"});
    preencheLinha(d.SGridCanalSecao, 3, {"3", "1,50"});  // filled only in its first columns
    d.SGridMira.setRowCount(5);
    preencheLinha(d.SGridMira, 1, {"1", "1,850", "1,500", "1,150", "0"});
    preencheLinha(d.SGridMira, 2, {"2", "2,100", "1,600", "1,100", "45,5"});
    preencheLinha(d.SGridMira, 3, {"3", "2,400", "", "1,000", "90"});
    d.RadioButtonNaoContribui = false;
    d.RadioButtonContribui = true;
    d.EdtAreaContibuicaoSemiELargura = "3,5";
    d.EdtAreaContibuicaoComprimento = "120";
    d.SGridCristaMeio.setRowCount(4);
    for (int r = 0; r < 4; ++r)
        d.SGridCristaMeio.setCells(1, r, "1,4" + std::to_string(r));
    d.SGridCristaInicio.setCells(1, 0, "1,45");
    d.SGridCristaFim.setCells(1, 0, "1,62");
    d.LblEdtSoloTIE = "12,5";
    return d;
}

// A triangular channel surveyed by tape, no road, the owner left empty.
TDadosTerraco projetoTriangular()
{
    TDadosTerraco d;
    d.identificacao = {"T-07", "Uberaba", "MG", "Córrego Fundo", "", "05/11/2023", "Ana Paula"};
    d.LblEdtTr = "5";
    d.LblEdtK = "2345,678";
    d.LblEdtA = "0,2";
    d.LblEdtB = "20";
    d.LblEdtC = "0,9";
    d.LblEdtComprimentoTerraco = "85";
    d.CBTipoSecao = secaoTriangular;
    d.SGridCanalSecao.setRowCount(4);
    preencheLinha(d.SGridCanalSecao, 1, {"1", "1,30", "0,60", "1,00", "", "", "1,90", "0,55"});
    preencheLinha(d.SGridCanalSecao, 2, {"2", "1,32", "0,62", "1,02", "", "", "1,95", "0,58"});
    preencheLinha(d.SGridCanalSecao, 3, {"3", "1,28", "0,58", "0,98", "", "", "1,88", "0,52"});
    d.RadioGTipoDeLevantamento = levantamentoTrena;
    d.SGridTrena.setRowCount(3);
    preencheLinha(d.SGridTrena, 0, {"35,0"});
    preencheLinha(d.SGridTrena, 1, {"33,5"});
    preencheLinha(d.SGridTrena, 2, {"36,2"});
    d.SGridCristaMeio.setRowCount(2);
    d.SGridCristaMeio.setCells(1, 0, "1,10");
    d.SGridCristaMeio.setCells(1, 1, "1,22");
    d.SGridCristaInicio.setCells(1, 0, "1,05");
    d.SGridCristaFim.setCells(1, 0, "1,30");
    d.LblEdtSoloTIE = "8";
    return d;
}

std::vector<std::string> linhas(const std::string& bytes)
{
    std::vector<std::string> resultado;
    std::size_t inicio = 0;
    for (std::size_t fim; (fim = bytes.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
        resultado.push_back(bytes.substr(inicio, fim - inicio));
    return resultado;
}

std::string junta(const std::vector<std::string>& linhas, const char* fimDeLinha = "\r\n")
{
    std::string bytes;
    for (const std::string& l : linhas)
        bytes += l + fimDeLinha;
    return bytes;
}

TLeituraProjeto releitura(const TDadosTerraco& d)
{
    return TLeitorProjeto::leTexto(TGravadorProjeto::texto(d));
}

void esperaErroDeInteiro(const std::string& bytes, const std::string& texto)
{
    try {
        TLeitorProjeto::leTexto(bytes);
        ADD_FAILURE() << "leu sem erro; esperava '" << texto << "'";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + texto + "' is not a valid integer value");
    }
}

} // namespace

TEST(ArquivoProjeto, TrapezoidalComEstradaIgualAoArquivoGuardado)
{
    const TDadosTerraco d = projetoTrapezoidal();
    const std::string guardado = conteudoDe(pastaDados + "trapezoidal_irradiacao.txt");
    ASSERT_FALSE(guardado.empty());
    EXPECT_EQ(TGravadorProjeto::texto(d), guardado);

    const TLeituraProjeto lida = TLeitorProjeto::le(pastaDados + "trapezoidal_irradiacao.txt");
    EXPECT_EQ(lida.dados, d);
    const std::vector<TEfeitoLeitura> efeitos = {TEfeitoTipoSecao{secaoTrapezoidal}, TEfeitoEstrada{true, true},
                                                 TEfeitoLevantamento{"mira", levantamentoIrradiacao, false}};
    EXPECT_EQ(lida.efeitos, efeitos);
}

TEST(ArquivoProjeto, TriangularPorTrenaIgualAoArquivoGuardado)
{
    const TDadosTerraco d = projetoTriangular();
    const std::string guardado = conteudoDe(pastaDados + "triangular_trena.txt");
    ASSERT_FALSE(guardado.empty());
    EXPECT_EQ(TGravadorProjeto::texto(d), guardado);

    const TLeituraProjeto lida = TLeitorProjeto::le(pastaDados + "triangular_trena.txt");
    EXPECT_EQ(lida.dados, d);
    const std::vector<TEfeitoLeitura> efeitos = {
        TEfeitoTipoSecao{secaoTriangular}, TEfeitoLarguraColunas{{1, 2, 3, 4, 5, 6, 7}, 56},
        TEfeitoLarguraColunas{{4, 5}, 0}, TEfeitoEstrada{false, false},
        TEfeitoLevantamento{"trena", levantamentoTrena, true}};
    EXPECT_EQ(lida.efeitos, efeitos);
}

TEST(ArquivoProjeto, LinhasDoArquivo)
{
    const std::vector<std::string> trap = linhas(TGravadorProjeto::texto(projetoTrapezoidal()));
    EXPECT_EQ(trap[2], "\"Observa\xE7\xE3o: Mantenha a mesma disposi\xE7\xE3o e a mesma nomenclatura das "
                       "informa\xE7\xF5" "es contidas");
    EXPECT_EQ(trap[10], "Fazenda \xC1gua Limpa");  // the locality a second time
    EXPECT_EQ(trap[21], "Tipo de secao:1");
    EXPECT_EQ(trap[22], "10");
    EXPECT_EQ(trap[23], " S\t   (C) \t(C- F1)\t  (F1) \t(C- F2)\t  (F2) \t(C- FT)\t  (FT) \t");
    EXPECT_EQ(trap[26], "3\t1,50\t");  // a row filled only in its first columns
    EXPECT_EQ(trap[27], "4\t");        // nothing but its section number
    EXPECT_EQ(trap[39], " V.\t FS\t FM\t FI\t\xC2ngulo\xBA\t");
    EXPECT_EQ(trap[42], "3\t2,400\t-\t1,000\t90\t");
    EXPECT_EQ(trap[43], "4\t-\t-\t-\t-\t");
    EXPECT_EQ(trap.back(), "responsavel:Eng. Agr. M\xE1rcia Lu\xEDza");

    const std::vector<std::string> tri = linhas(TGravadorProjeto::texto(projetoTriangular()));
    EXPECT_EQ(tri[8], "");  // the empty owner
    EXPECT_EQ(tri[23], " S\t   (C) \t(C- F1)\t  (F1) \t(C- FT)\t  (FT) \t");
    EXPECT_EQ(tri[24], "1\t1,30\t0,60\t1,00\t1,90\t0,55\t");
}

TEST(ArquivoProjeto, LocalidadeDaLinha11Vence)
{
    std::vector<std::string> l = linhas(TGravadorProjeto::texto(projetoTrapezoidal()));
    l[10] = "Sitio Boa Vista";
    EXPECT_EQ(TLeitorProjeto::leTexto(junta(l)).dados.identificacao.ELocalidade, "Sitio Boa Vista");
}

TEST(ArquivoProjeto, TriangularSoComCabecalhoNaoEscondeColunas)
{
    TDadosTerraco d = projetoTriangular();
    d.SGridCanalSecao.setRowCount(1);
    const TLeituraProjeto lida = releitura(d);
    EXPECT_EQ(lida.dados, d);
    ASSERT_GE(lida.efeitos.size(), 3u);
    EXPECT_EQ(lida.efeitos[1], TEfeitoLeitura(TEfeitoLarguraColunas{{1, 2, 3, 4, 5, 6, 7}, 56}));
    EXPECT_TRUE(std::holds_alternative<TEfeitoEstrada>(lida.efeitos[2]));
}

// Lines are cut at LF with or without CR (the last one also where its LF is missing), read
// whole, and the prefixes are never checked.
TEST(ArquivoProjeto, LinhasComOuSemCrECortesFixos)
{
    const TDadosTerraco d = projetoTrapezoidal();
    std::vector<std::string> l = linhas(TGravadorProjeto::texto(d));
    EXPECT_EQ(TLeitorProjeto::leTexto(junta(l, "\n")).dados, d);

    std::string semFimNaUltima = junta(l);
    semFimNaUltima.resize(semFimNaUltima.size() - 2);
    EXPECT_EQ(TLeitorProjeto::leTexto(semFimNaUltima).dados, d);
    std::string soCrNaUltima = junta(l);
    soCrNaUltima.pop_back();
    EXPECT_EQ(TLeitorProjeto::leTexto(soCrNaUltima).dados, d);

    l[4] = std::string(100000, 'x') + "\r";  // a CR not before the LF stays
    l[12] = "X=25";
    l[17] = "LATITUDE=21\xB0" "14'43\"";
    l[35] = "l";  // shorter than its prefix
    const TDadosTerraco lido = TLeitorProjeto::leTexto(junta(l)).dados;
    EXPECT_EQ(lido.identificacao.EIdentificacao, std::string(100000, 'x') + "\r");
    EXPECT_EQ(lido.LblEdtTr, "25");
    EXPECT_EQ(lido.meLatitude, "21°14'43\"");
    EXPECT_EQ(lido.EdtAreaContibuicaoSemiELargura, "");
    EXPECT_FALSE(lido.RadioButtonContribui);
}

// Whatever the machine the file was typed on, the numbers read with the comma; the texts
// that are not numbers keep their points.
TEST(ArquivoProjeto, PontoDecimalViraVirgula)
{
    TDadosTerraco d = projetoTrapezoidal();
    d.identificacao.EData = "12.03.2024";
    d.LblEdtK = "1140.937";
    d.meLatitude = "21.14.43.";
    d.LblEdtComprimentoTerraco = "120.5";
    d.SGridCanalSecao.setCells(1, 1, "1.52");
    d.SGridCanalSecao.setCells(0, 2, "2.");
    d.EdtAreaContibuicaoSemiELargura = "3.5";
    d.EdtAreaContibuicaoComprimento = "1.2.0";
    d.SGridMira.setCells(4, 2, "45.5");
    d.SGridCristaMeio.setCells(1, 0, "1.40");
    d.SGridCristaInicio.setCells(1, 0, "1.45");
    d.SGridCristaFim.setCells(1, 0, "1.62");
    d.LblEdtSoloTIE = "12.5";
    const std::string escrito = TGravadorProjeto::texto(d);
    EXPECT_NE(escrito.find("K:1140.937\r\n"), std::string::npos);  // the writer converts nothing

    const TDadosTerraco lido = TLeitorProjeto::leTexto(escrito).dados;
    EXPECT_EQ(lido.identificacao.EData, "12.03.2024");
    EXPECT_EQ(lido.identificacao.EResponsavel, "Eng. Agr. Márcia Luíza");
    EXPECT_EQ(lido.meLatitude, "21.14.43.");
    EXPECT_EQ(lido.LblEdtK, "1140,937");
    EXPECT_EQ(lido.LblEdtComprimentoTerraco, "120,5");
    EXPECT_EQ(lido.SGridCanalSecao.Cells(1, 1), "1,52");
    EXPECT_EQ(lido.SGridCanalSecao.Cells(0, 2), "2,");
    EXPECT_EQ(lido.EdtAreaContibuicaoSemiELargura, "3,5");
    EXPECT_EQ(lido.EdtAreaContibuicaoComprimento, "1,2,0");
    EXPECT_EQ(lido.SGridMira.Cells(4, 2), "45,5");
    EXPECT_EQ(lido.SGridCristaMeio.Cells(1, 0), "1,40");
    EXPECT_EQ(lido.SGridCristaInicio.Cells(1, 0), "1,45");
    EXPECT_EQ(lido.SGridCristaFim.Cells(1, 0), "1,62");
    EXPECT_EQ(lido.LblEdtSoloTIE, "12,5");

    TDadosTerraco trena = projetoTriangular();
    trena.SGridTrena.setCells(0, 1, "33.5");
    EXPECT_EQ(releitura(trena).dados.SGridTrena.Cells(0, 1), "33,5");
}

// An unknown keyword reads no survey block and goes on two lines later, out of step.
TEST(ArquivoProjeto, PalavraDeLevantamentoDesconhecida)
{
    std::vector<std::string> l = linhas(TGravadorProjeto::texto(projetoTrapezoidal()));
    l[37] = "mira ";
    esperaErroDeInteiro(junta(l), "1\t1,850\t1,500\t1,150\t0\t");
    l[37] = "Mira";
    esperaErroDeInteiro(junta(l), "1\t1,850\t1,500\t1,150\t0\t");

    // Out of step without failing: the count line and the first row line go in place of
    // "fim" and "perfil da crista", the next row is taken for the crest count.
    std::vector<std::string> t = linhas(TGravadorProjeto::texto(projetoTriangular()));
    t[31] = "TRENA";
    t[34] = "1";
    const TLeituraProjeto lida = TLeitorProjeto::leTexto(junta(t));
    EXPECT_EQ(lida.dados.RadioGTipoDeLevantamento, levantamentoIrradiacao);
    EXPECT_EQ(lida.dados.SGridTrena, TDadosTerraco().SGridTrena);
    EXPECT_EQ(lida.dados.SGridCristaMeio.RowCount(), 1);
    EXPECT_EQ(lida.dados.SGridCristaMeio.Cells(1, 0), "36,2");
    EXPECT_EQ(lida.dados.SGridCristaInicio.Cells(1, 0), "perfil da crista");
    EXPECT_EQ(lida.dados.LblEdtSoloTIE, "");  // "1,22" cut by the length of "TIE:"
    for (const TEfeitoLeitura& e : lida.efeitos)
        EXPECT_FALSE(std::holds_alternative<TEfeitoLevantamento>(e));
}

TEST(ArquivoProjeto, ContagensETipoDeSecaoInvalidos)
{
    const std::vector<std::string> original = linhas(TGravadorProjeto::texto(projetoTrapezoidal()));
    struct Caso {
        std::size_t linha;
        std::string texto;
        std::string mensagem;
    };
    for (const Caso& caso : {Caso{21, "Tipo de secao:x", "x"}, Caso{21, "Tipo de secao:2", "2"},
                             Caso{21, "Tipo de secao:-1", "-1"}, Caso{21, "Tipo de secao: 1 ", " 1 "},
                             Caso{22, "", ""}, Caso{22, "0", "0"}, Caso{22, "-5", "-5"},
                             Caso{22, "10001", "10001"}, Caso{22, "99999999999", "99999999999"},
                             Caso{38, "1,5", "1,5"}, Caso{46, "Quatro", "Quatro"}}) {
        std::vector<std::string> l = original;
        l[caso.linha] = caso.texto;
        SCOPED_TRACE(caso.texto);
        esperaErroDeInteiro(junta(l), caso.mensagem);
    }

    // The limit itself is taken.
    TDadosTerraco d = projetoTriangular();
    d.SGridTrena.setRowCount(10000);
    EXPECT_EQ(releitura(d).dados.SGridTrena.RowCount(), 10000);
}

TEST(ArquivoProjeto, ArquivoQueAcabaCedoFalhaNaContagemSeguinte)
{
    const std::string completo = TGravadorProjeto::texto(projetoTrapezoidal());
    esperaErroDeInteiro("", "");
    esperaErroDeInteiro(completo.substr(0, completo.find("\r\n10\r\n")), "");
    esperaErroDeInteiro(completo.substr(0, completo.find("perfil da crista")), "");
}

TEST(ArquivoProjeto, ArquivoQueNaoAbre)
{
    using Caso = std::pair<std::string, std::string>;
    for (const auto& [caminho, mensagem] : {Caso{pastaDados + "nao_existe.txt", "File not found"},
                                            Caso{pastaDados, "File access denied"},
                                            Caso{"/dev/zero", "File access denied"}}) {
        try {
            TLeitorProjeto::le(caminho);
            ADD_FAILURE() << caminho;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.Message(), mensagem);
        }
    }
}

TEST(ArquivoProjeto, TextosForaDoCodigoDePaginaViramInterrogacao)
{
    TDadosTerraco d = projetoTriangular();
    d.identificacao.EProprietario = "Wałęsa 😀";
    EXPECT_EQ(releitura(d).dados.identificacao.EProprietario, "Wa??sa ?");
}

// The person responsible is kept after the infiltration rate; a file that ends there
// (as every older file does) leaves it empty.
TEST(ArquivoProjeto, ResponsavelGuardadoDepoisDaTIE)
{
    const std::string completo = TGravadorProjeto::texto(projetoTrapezoidal());
    EXPECT_EQ(TLeitorProjeto::leTexto(completo).dados.identificacao.EResponsavel, "Eng. Agr. Márcia Luíza");
    const std::string antigo = completo.substr(0, completo.find("responsavel:"));
    const TDadosTerraco lido = TLeitorProjeto::leTexto(antigo).dados;
    EXPECT_EQ(lido.identificacao.EResponsavel, "");
    EXPECT_EQ(lido.LblEdtSoloTIE, "12,5");
}

// An empty cell before a filled one is kept as "-" so that the later cells keep their
// columns; rows without such a gap carry no "-".
TEST(ArquivoProjeto, CelulaVaziaNoMeioDaLinhaDoCanal)
{
    TDadosTerraco trap = projetoTrapezoidal();
    preencheLinha(trap.SGridCanalSecao, 2, {"2", "1,40", "0,75", "1,10", "", "", "2,30", "0,68"});
    preencheLinha(trap.SGridCanalSecao, 3, {"", "1,50"});
    TDadosTerraco tri = projetoTriangular();
    preencheLinha(tri.SGridCanalSecao, 1, {"1", "1,30", "", "1,00", "", "", "", "0,55"});

    const std::vector<std::string> lt = linhas(TGravadorProjeto::texto(trap));
    EXPECT_EQ(lt[25], "2\t1,40\t0,75\t1,10\t-\t-\t2,30\t0,68\t");
    EXPECT_EQ(lt[26], "-\t1,50\t");
    EXPECT_EQ(lt[24], "1\t1,52\t0,80\t1,20\t1,60\t0,95\t2,40\t0,70\t");
    EXPECT_EQ(linhas(TGravadorProjeto::texto(tri))[24], "1\t1,30\t-\t1,00\t-\t0,55\t");
    EXPECT_EQ(releitura(trap).dados, trap);
    EXPECT_EQ(releitura(tri).dados, tri);
}

// ---- Damaged and foreign files --------------------------------------------------------------

namespace {

std::string mensagemDaLeitura(const std::string& bytes)
{
    try {
        TLeitorProjeto::leTexto(bytes);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return "leu sem erro";
}

} // namespace

// A damaged line of any length is quoted by its first 40 characters, never whole, and
// never cut inside a character.
TEST(ArquivoProjeto, TextoCitadoNaMensagemECortado)
{
    std::vector<std::string> l = linhas(TGravadorProjeto::texto(projetoTrapezoidal()));
    l[22] = std::string(1000000, '9');
    EXPECT_EQ(mensagemDaLeitura(junta(l)), "'" + std::string(40, '9') + "…' is not a valid integer value");

    l[22] = std::string(40, '9');
    esperaErroDeInteiro(junta(l), std::string(40, '9'));

    // "ç" is two bytes in the program's strings: the cut counts characters.
    l = linhas(TGravadorProjeto::texto(projetoTrapezoidal()));
    std::string cedilhas;
    for (int i = 0; i < 60; ++i)
        cedilhas += "\xE7";
    l[21] = "Tipo de secao:" + cedilhas;
    std::string esperado;
    for (int i = 0; i < 40; ++i)
        esperado += "ç";
    EXPECT_EQ(mensagemDaLeitura(junta(l)), "'" + esperado + "…' is not a valid integer value");
}

// A file a text editor saved as UTF-8, with its mark and CR LF or without it and with LF
// only, reads the same texts as the program's own Windows-1252 file. A prefix with a
// character beyond ASCII ("terraço") is cut by its characters, not its bytes.
TEST(ArquivoProjeto, ArquivoEmUtf8LidoComoUtf8)
{
    EXPECT_EQ(TLeitorProjeto::le(pastaDados + "utf8_com_marca.txt").dados, projetoTrapezoidal());
    EXPECT_EQ(TLeitorProjeto::le(pastaDados + "utf8_sem_marca_lf.txt").dados, projetoTriangular());

    // Bytes that are not well-formed UTF-8 keep the program's code page, mark or not.
    const std::string ansi = "\xEF\xBB\xBF" + TGravadorProjeto::texto(projetoTrapezoidal());
    EXPECT_EQ(TLeitorProjeto::leTexto(ansi).dados, projetoTrapezoidal());
}

TEST(ArquivoProjeto, ArquivoEmUtf16Recusado)
{
    const std::string recusa = "O arquivo está gravado em UTF-16, que o programa não lê. Grave-o no editor de "
                               "texto em UTF-8 ou em ANSI (Windows-1252) e abra-o de novo.";
    for (const char* arquivo : {"utf16le.txt", "utf16be_sem_marca.txt"}) {
        SCOPED_TRACE(arquivo);
        EXPECT_EQ(mensagemDaLeitura(conteudoDe(pastaDados + arquivo)), recusa);
    }
    EXPECT_EQ(mensagemDaLeitura("\xFF\xFE"), recusa);
    // A stray NUL in a Windows-1252 file is no reason to refuse it.
    std::string comNulo = TGravadorProjeto::texto(projetoTriangular());
    comNulo.replace(comNulo.find("Uberaba"), 1, std::string(1, '\0'));
    EXPECT_EQ(TLeitorProjeto::leTexto(comNulo).dados.identificacao.EMunicipio, std::string("\0beraba", 7));
}

// The crest block must end with "fim" where its count says, like the blocks before it
// that the next count checks.
TEST(ArquivoProjeto, ContagemDaCristaQueNaoConfereRecusada)
{
    EXPECT_EQ(mensagemDaLeitura(conteudoDe(pastaDados + "crista_contagem_errada.txt")),
              "A contagem do perfil da crista (10000) não confere com as leituras que a seguem no arquivo.");

    const std::vector<std::string> original = linhas(TGravadorProjeto::texto(projetoTriangular()));
    ASSERT_EQ(original[38], "2");
    for (const char* contagem : {"1", "3"}) {
        std::vector<std::string> l = original;
        l[38] = contagem;
        EXPECT_EQ(mensagemDaLeitura(junta(l)), "A contagem do perfil da crista (" + std::string(contagem)
                                                   + ") não confere com as leituras que a seguem no arquivo.");
    }
}
