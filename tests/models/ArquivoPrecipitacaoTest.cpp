// Rainfall events kept in settings files: the sections of every event and of the
// design storm, their versions and the bringing of older files up to date.
#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/models/ConfiguracaoTemporaria.h"
#include "tests/models/PastaDeTeste.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr double Tolerancia = 5e-5;

// An event with only the recalculation of its own, counting the calls.
class TEventoContado : public TPrecipitacao {
public:
    TEventoContado() = default;
    void recalcula() override { ++recalculos; }
    int recalculos = 0;
};

void esperaReaisNaoDefinidos(const TPrecipitacao& e)
{
    for (double valor : {e.A, e.B, e.C, e.D, e.PrecipitacaoTotal, e.Duracao, e.IntensidadePico, e.TempoPico})
        EXPECT_EQ(valor, -1.0);
}

// K = 500, Tr = 10 years, a = 0.2, b = 10 min, c = 0.8, and every other field set.
void preenche(TPrecipitacaoExponencialNegativa& p)
{
    p.setK(500.0);
    p.setTr(10.0);
    p.setA(0.2);
    p.setB(10.0);
    p.setC(0.8);
    p.setDuracao(30.4);
    p.setPrecipitacaoTotal(26.5);
    p.IntensidadePico = 125.6;
    p.TempoPico = 0.25;
    p.Data = 38061.75;
}

// Every field the settings file keeps or the event derives from them.
void esperaMesmosCampos(const TPrecipitacaoExponencialNegativa& lida, const TPrecipitacaoExponencialNegativa& esperada)
{
    using TCampo = double TPrecipitacaoExponencialNegativa::*;
    const struct {
        const char* nome;
        TCampo campo;
    } campos[] = {
        {"Tr", &TPrecipitacaoExponencialNegativa::Tr}, {"K", &TPrecipitacaoExponencialNegativa::K},
        {"A", &TPrecipitacaoExponencialNegativa::A}, {"B", &TPrecipitacaoExponencialNegativa::B},
        {"C", &TPrecipitacaoExponencialNegativa::C}, {"D", &TPrecipitacaoExponencialNegativa::D},
        {"Duracao", &TPrecipitacaoExponencialNegativa::Duracao},
        {"PrecipitacaoTotal", &TPrecipitacaoExponencialNegativa::PrecipitacaoTotal},
        {"IntensidadePico", &TPrecipitacaoExponencialNegativa::IntensidadePico},
        {"TempoPico", &TPrecipitacaoExponencialNegativa::TempoPico},
        {"Data", &TPrecipitacaoExponencialNegativa::Data}, {"KTr", &TPrecipitacaoExponencialNegativa::KTr},
        {"CKTr", &TPrecipitacaoExponencialNegativa::CKTr}, {"CMaisUm", &TPrecipitacaoExponencialNegativa::CMaisUm},
    };
    for (const auto& c : campos)
        EXPECT_EQ(lida.*c.campo, esperada.*c.campo) << c.nome;
}

const char* const ArquivoSalvo = "[PRECIPITACAO_1]\r\n"
                                 "Versao=3\r\n"
                                 "Duracao=30.4\r\n"
                                 "PrecipitacaoTotal=26.5\r\n"
                                 "IntensidadePico=125.6\r\n"
                                 "TempoPico=0.25\r\n"
                                 "A=0.2\r\n"
                                 "B=10\r\n"
                                 "C=0.8\r\n"
                                 "D=-1\r\n"
                                 "Data=2004-03-15 18:00:00.000\r\n"
                                 "[PREC_EXPONENCIAL_NEGATIVA_1]\r\n"
                                 "Versao=3\r\n"
                                 "Tr=10\r\n"
                                 "K=500\r\n";

class ArquivoPrecipitacao : public PastaDeTeste {
protected:
    void SetUp() override
    {
        PastaDeTeste::SetUp();
        nome_ = caminho("eventos.ini");
    }

    std::string nome_;
    TConfiguracaoTemporaria brasileira_ {TConfiguracaoRegional::brasileira()};
};

TEST_F(ArquivoPrecipitacao, SalvaELeDeVoltaCadaCampoERecalcula)
{
    TPrecipitacaoExponencialNegativa salva("_1");
    preenche(salva);
    ASSERT_TRUE(salva.salvaNoArquivo(nome_));
    EXPECT_EQ(conteudoDe(nome_), ArquivoSalvo);

    TPrecipitacaoExponencialNegativa lida("_1");
    ASSERT_TRUE(lida.carregaDoArquivo(nome_));
    esperaMesmosCampos(lida, salva);
    EXPECT_NEAR(lida.KTr, 792.4466, Tolerancia);
    EXPECT_NEAR(lida.CKTr, 633.9573, Tolerancia);
    EXPECT_DOUBLE_EQ(lida.CMaisUm, 1.8);
    // Reading is not writing: the file stays as it was saved.
    EXPECT_EQ(conteudoDe(nome_), ArquivoSalvo);
}

TEST_F(ArquivoPrecipitacao, DuasChuvasNoMesmoArquivo)
{
    TPrecipitacaoExponencialNegativa um("1");
    TPrecipitacaoExponencialNegativa dois("2");
    preenche(um);
    preenche(dois);
    dois.setK(1200.0);
    dois.setDuracao(60.0);
    ASSERT_TRUE(um.salvaNoArquivo(nome_));
    ASSERT_TRUE(dois.salvaNoArquivo(nome_));
    // Saving the first again changes its own sections only.
    um.setTr(25.0);
    ASSERT_TRUE(um.salvaNoArquivo(nome_));
    const std::string texto = conteudoDe(nome_);
    EXPECT_LT(texto.find("[PRECIPITACAO1]"), texto.find("[PREC_EXPONENCIAL_NEGATIVA1]"));
    EXPECT_LT(texto.find("[PREC_EXPONENCIAL_NEGATIVA1]"), texto.find("[PRECIPITACAO2]"));
    EXPECT_LT(texto.find("[PRECIPITACAO2]"), texto.find("[PREC_EXPONENCIAL_NEGATIVA2]"));

    TPrecipitacaoExponencialNegativa lidaUm("1");
    TPrecipitacaoExponencialNegativa lidaDois("2");
    ASSERT_TRUE(lidaUm.carregaDoArquivo(nome_));
    ASSERT_TRUE(lidaDois.carregaDoArquivo(nome_));
    EXPECT_EQ(lidaUm.Tr, 25.0);
    EXPECT_EQ(lidaUm.K, 500.0);
    EXPECT_EQ(lidaUm.Duracao, 30.4);
    EXPECT_EQ(lidaDois.Tr, 10.0);
    EXPECT_EQ(lidaDois.K, 1200.0);
    EXPECT_EQ(lidaDois.Duracao, 60.0);
}

// A file of the oldest layout, one "NIMBRA" section per suffix, is brought up to date a
// section at a time, and each event keeps its own values all the way.
TEST_F(ArquivoPrecipitacao, DuasChuvasMigradasDaVersao1)
{
    grava(nome_, "[NIMBRA1]\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\nTr=10\r\nK=500\r\nA=0.2\r\nB=10\r\nC=0.8\r\n"
                 "[NIMBRA2]\r\nDuracao=60\r\nPrecipitacaoTotal=80\r\nTr=25\r\nK=1200\r\nA=0.15\r\nB=12\r\nC=0.85\r\n");
    TPrecipitacaoExponencialNegativa um("1");
    TPrecipitacaoExponencialNegativa dois("2");
    ASSERT_TRUE(um.carregaDoArquivo(nome_));
    ASSERT_TRUE(dois.carregaDoArquivo(nome_));
    EXPECT_EQ(conteudoDe(nome_), "[NIMBRA1]\r\n[NIMBRA2]\r\n"
                                 "[PRECIPITACAO1]\r\nVersao=2\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\n"
                                 "[PREC_EXPONENCIAL_NEGATIVA1]\r\nVersao=2\r\nTr=10\r\nK=500\r\nA=0.2\r\nB=10\r\nC=0.8\r\n"
                                 "[PRECIPITACAO2]\r\nVersao=2\r\nDuracao=60\r\nPrecipitacaoTotal=80\r\n"
                                 "[PREC_EXPONENCIAL_NEGATIVA2]\r\nVersao=2\r\nTr=25\r\nK=1200\r\nA=0.15\r\nB=12\r\n"
                                 "C=0.85\r\n");
    // Version 2 takes the common section to version 3; the storm's own section stays.
    for (int leitura = 0; leitura < 2; ++leitura) {
        TPrecipitacaoExponencialNegativa lidaUm("1");
        TPrecipitacaoExponencialNegativa lidaDois("2");
        ASSERT_TRUE(lidaUm.carregaDoArquivo(nome_));
        ASSERT_TRUE(lidaDois.carregaDoArquivo(nome_));
        for (const auto* par : {&lidaUm, &um}) {
            EXPECT_EQ(par->Duracao, 30.0);
            EXPECT_EQ(par->PrecipitacaoTotal, 50.0);
            EXPECT_EQ(par->Tr, 10.0);
            EXPECT_EQ(par->C, 0.8);
            EXPECT_NEAR(par->KTr, 792.4466, Tolerancia);
        }
        for (const auto* par : {&lidaDois, &dois}) {
            EXPECT_EQ(par->Duracao, 60.0);
            EXPECT_EQ(par->K, 1200.0);
            EXPECT_EQ(par->A, 0.15);
            EXPECT_EQ(par->B, 12.0);
        }
    }
    const std::string texto = conteudoDe(nome_);
    EXPECT_NE(texto.find("[PRECIPITACAO1]\r\nVersao=3\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\n"), std::string::npos);
    EXPECT_NE(texto.find("[PREC_EXPONENCIAL_NEGATIVA2]\r\nVersao=2\r\n"), std::string::npos);
}

TEST_F(ArquivoPrecipitacao, ArquivoSemSecoesLeVersao1EGravaVersao2)
{
    TPrecipitacaoExponencialNegativa chuva;
    preenche(chuva);
    EXPECT_TRUE(chuva.carregaDoArquivo(nome_));
    for (double valor : {chuva.Duracao, chuva.PrecipitacaoTotal, chuva.Tr, chuva.K, chuva.A, chuva.B, chuva.C})
        EXPECT_EQ(valor, 0.0);
    EXPECT_EQ(chuva.KTr, -1.0);
    EXPECT_EQ(chuva.CMaisUm, 1.0);
    EXPECT_EQ(conteudoDe(nome_), "[PRECIPITACAO]\r\nVersao=2\r\nDuracao=0\r\nPrecipitacaoTotal=0\r\n"
                                 "[PREC_EXPONENCIAL_NEGATIVA]\r\nVersao=2\r\nTr=0\r\nK=0\r\nA=0\r\nB=0\r\nC=0\r\n");
}

TEST_F(ArquivoPrecipitacao, VersaoDesconhecidaDeixaOEventoSemParametros)
{
    for (const char* versao : {"4", "nimbra", "03", "3.0"}) {
        const std::string texto = std::string("[PRECIPITACAO]\r\nVersao=") + versao
                                + "\r\nDuracao=30\r\nA=0.2\r\n[NIMBRA]\r\nDuracao=30\r\n";
        grava(nome_, texto);
        TEventoContado evento;
        evento.setA(3.0);
        const int recalculos = evento.recalculos;
        EXPECT_FALSE(evento.carregaDoArquivo(nome_)) << versao;
        esperaReaisNaoDefinidos(evento);
        EXPECT_EQ(evento.recalculos, recalculos + 1);
        EXPECT_EQ(conteudoDe(nome_), texto);
    }
    grava(nome_, "[PRECIPITACAO]\r\nVersao=4\r\nC=0.8\r\n[PREC_EXPONENCIAL_NEGATIVA]\r\nVersao=4\r\nTr=10\r\n");
    TPrecipitacaoExponencialNegativa chuva;
    preenche(chuva);
    EXPECT_FALSE(chuva.carregaDoArquivo(nome_));
    esperaReaisNaoDefinidos(chuva);
    EXPECT_EQ(chuva.Tr, -1.0);
    EXPECT_EQ(chuva.K, -1.0);
    EXPECT_EQ(chuva.KTr, -1.0);
    // Recalculated all the same: c + 1 of the unset c.
    EXPECT_EQ(chuva.CMaisUm, 0.0);
}

// The duration is refused by its setter: what was read before stays, the total depth
// after it is never read, and the file keeps the values the reader could not take.
TEST_F(ArquivoPrecipitacao, DuracaoNegativaNaVersao1ou2)
{
    const std::string versoes[] = {
        "[NIMBRA]\r\nDuracao=-5\r\nPrecipitacaoTotal=30\r\n",
        "[PRECIPITACAO]\r\nVersao=2\r\nDuracao=-5\r\nPrecipitacaoTotal=30\r\n",
    };
    for (const std::string& texto : versoes) {
        grava(nome_, texto);
        TEventoContado evento;
        EXPECT_FALSE(evento.carregaDoArquivo(nome_));
        EXPECT_EQ(evento.Duracao, -1.0);
        EXPECT_EQ(evento.PrecipitacaoTotal, -1.0);
        EXPECT_EQ(conteudoDe(nome_), texto);
    }
    const std::string totalNegativo = "[NIMBRA]\r\nDuracao=5\r\nPrecipitacaoTotal=-30\r\n";
    grava(nome_, totalNegativo);
    TEventoContado evento;
    EXPECT_FALSE(evento.carregaDoArquivo(nome_));
    EXPECT_EQ(evento.Duracao, 5.0);
    EXPECT_EQ(evento.PrecipitacaoTotal, -1.0);
    EXPECT_EQ(conteudoDe(nome_), totalNegativo);
}

// ArquivoSalvo with the line of `chave` written as `chave=valor`, or left out when
// `valor` is null.
std::string arquivoSalvoCom(const std::string& chave, const char* valor)
{
    std::string texto = ArquivoSalvo;
    const std::size_t inicio = texto.find("\r\n" + chave + "=") + 2;
    const std::size_t fim = texto.find("\r\n", inicio) + 2;
    texto.replace(inicio, fim - inicio, valor != nullptr ? chave + "=" + valor + "\r\n" : "");
    return texto;
}

void esperaChuvaNaoDefinida(const TPrecipitacaoExponencialNegativa& chuva, const std::string& caso)
{
    for (double valor : {chuva.A, chuva.B, chuva.C, chuva.D, chuva.PrecipitacaoTotal, chuva.Duracao,
                         chuva.IntensidadePico, chuva.TempoPico, chuva.Tr, chuva.K, chuva.KTr})
        EXPECT_EQ(valor, -1.0) << caso;
    EXPECT_EQ(chuva.Data, 0.0) << caso;
}

// The common section of version 3 is read whole or refused: a key that is missing or
// not a number, or a value its setter refuses, makes the reading false, and the event
// keeps the unset values the reading started from. The storm's own section is then
// not read, and the file stays as it was.
TEST_F(ArquivoPrecipitacao, Versao3ComumLidaInteiraOuRecusada)
{
    const struct { const char* chave; const char* valor; } casos[] = {
        {"Duracao", "-5"},    {"PrecipitacaoTotal", "-1.51"}, {"A", "-2"},      {"B", "-0.001"},
        {"C", "-0.8"},        {"Duracao", nullptr},           {"A", nullptr},   {"IntensidadePico", nullptr},
        {"TempoPico", nullptr}, {"D", nullptr},               {"Data", nullptr}, {"B", "abc"},
        {"C", ""},            {"Data", "ontem"},
    };
    for (const auto& caso : casos) {
        const std::string nome = std::string(caso.chave) + "=" + (caso.valor != nullptr ? caso.valor : "(falta)");
        const std::string texto = arquivoSalvoCom(caso.chave, caso.valor);
        grava(nome_, texto);
        TPrecipitacaoExponencialNegativa chuva("_1");
        EXPECT_FALSE(chuva.carregaDoArquivo(nome_)) << nome;
        esperaChuvaNaoDefinida(chuva, nome);
        EXPECT_EQ(conteudoDe(nome_), texto) << nome;
    }
    // A section holding only a negative depth, beside a storm's section that is whole.
    grava(nome_, "[PRECIPITACAO]\r\nVersao=3\r\nDuracao=20\r\nPrecipitacaoTotal=-1.51\r\n"
                 "[PREC_EXPONENCIAL_NEGATIVA]\r\nVersao=3\r\nTr=10\r\nK=500\r\n");
    TPrecipitacaoExponencialNegativa chuva;
    EXPECT_FALSE(chuva.carregaDoArquivo(nome_));
    esperaChuvaNaoDefinida(chuva, "duas secoes");
    TEventoContado evento;
    EXPECT_FALSE(evento.carregaDoArquivo(nome_));
    esperaReaisNaoDefinidos(evento);
}

// The storm's own section of version 3 is read whole or refused in the same way: its Tr
// and K stay unset, the common parameters as read. The -1 of a Tr or K never set reads
// back as it was written.
TEST_F(ArquivoPrecipitacao, Versao3DaChuvaLidaInteiraOuRecusada)
{
    const struct { const char* chave; const char* valor; } casos[] = {
        {"Tr", "-10"}, {"Tr", "0"}, {"K", "0"}, {"K", "-500"}, {"Tr", nullptr}, {"K", nullptr}, {"K", "x"},
    };
    for (const auto& caso : casos) {
        const std::string nome = std::string(caso.chave) + "=" + (caso.valor != nullptr ? caso.valor : "(falta)");
        grava(nome_, arquivoSalvoCom(caso.chave, caso.valor));
        TPrecipitacaoExponencialNegativa chuva("_1");
        EXPECT_FALSE(chuva.carregaDoArquivo(nome_)) << nome;
        EXPECT_EQ(chuva.Tr, -1.0) << nome;
        EXPECT_EQ(chuva.K, -1.0) << nome;
        EXPECT_EQ(chuva.KTr, -1.0) << nome;
        EXPECT_EQ(chuva.A, 0.2) << nome;
        EXPECT_EQ(chuva.Duracao, 30.4) << nome;
    }
    grava(nome_, arquivoSalvoCom("K", "-1"));
    TPrecipitacaoExponencialNegativa semK("_1");
    EXPECT_TRUE(semK.carregaDoArquivo(nome_));
    EXPECT_EQ(semK.K, -1.0);
    EXPECT_EQ(semK.Tr, 10.0);
}

// Unset parameters stay unset and the date stays the date, over a file that already
// held other values in sections of other versions.
TEST_F(ArquivoPrecipitacao, LidaDeVoltaEOQueFoiGravado)
{
    const std::string anteriores[] = {
        "",
        ArquivoSalvo,
        "[NIMBRA_1]\r\nDuracao=30\r\nTr=10\r\nK=500\r\nA=0.2\r\nB=10\r\nC=0.8\r\n",
        "[PRECIPITACAO_1]\r\nVersao=2\r\nDuracao=30\r\n"
        "[PREC_EXPONENCIAL_NEGATIVA_1]\r\nVersao=2\r\nTr=10\r\nK=500\r\nA=0.2\r\nB=10\r\nC=0.8\r\n",
    };
    for (const std::string& anterior : anteriores) {
        grava(nome_, anterior);
        TPrecipitacaoExponencialNegativa salva("_1");
        salva.setK(1200.0);
        salva.setTr(25.0);
        salva.Data = 38061.75;
        ASSERT_TRUE(salva.salvaNoArquivo(nome_));
        TPrecipitacaoExponencialNegativa lida("_1");
        ASSERT_TRUE(lida.carregaDoArquivo(nome_));
        esperaMesmosCampos(lida, salva);
        EXPECT_EQ(lida.A, -1.0);
    }
}

// Bringing a section up to date writes what was read: every later reading gives the
// event of the first one, its unset values and its date (none in these files: that of a
// new event) included.
TEST_F(ArquivoPrecipitacao, MigracaoGuardaOQueFoiLido)
{
    const std::string arquivos[] = {
        "[PRECIPITACAO]\r\nVersao=2\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\n"
        "[PREC_EXPONENCIAL_NEGATIVA]\r\nVersao=3\r\nTr=10\r\nK=500\r\n",
        "[PRECIPITACAO]\r\nVersao=2\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\n"
        "[PREC_EXPONENCIAL_NEGATIVA]\r\nVersao=2\r\nTr=10\r\nK=500\r\nA=0.2\r\nB=10\r\nC=0.8\r\n",
        "[NIMBRA]\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\nTr=10\r\nK=500\r\n",
    };
    for (const std::string& arquivo : arquivos) {
        grava(nome_, arquivo);
        TPrecipitacaoExponencialNegativa primeira;
        ASSERT_TRUE(primeira.carregaDoArquivo(nome_));
        for (int leitura = 0; leitura < 3; ++leitura) {
            TPrecipitacaoExponencialNegativa lida;
            ASSERT_TRUE(lida.carregaDoArquivo(nome_));
            esperaMesmosCampos(lida, primeira);
        }
        EXPECT_EQ(primeira.IntensidadePico, -1.0);
        EXPECT_EQ(primeira.Duracao, 30.0);
    }
}

// The file cannot hold the date: nothing of the event is written.
TEST_F(ArquivoPrecipitacao, ValorQueOArquivoNaoGuardaNaoGravaNada)
{
    grava(nome_, ArquivoSalvo);
    TPrecipitacaoExponencialNegativa chuva("_1");
    preenche(chuva);
    chuva.setTr(25.0);
    chuva.Data = 1e9;
    EXPECT_FALSE(chuva.salvaNoArquivo(nome_));
    EXPECT_EQ(conteudoDe(nome_), ArquivoSalvo);
}

// The disk fills up once the event has grown past the earlier file: up to there a
// new Tr would fit, the longer K no longer does.
TEST_F(ArquivoPrecipitacao, GravacaoQueFalhaDeixaOArquivoAnterior)
{
    grava(nome_, ArquivoSalvo);
    TPrecipitacaoExponencialNegativa chuva("_1");
    preenche(chuva);
    chuva.setTr(25.0);
    chuva.setK(1200.0);
    for (const rlim_t tamanho : {rlim_t {16}, static_cast<rlim_t>(std::char_traits<char>::length(ArquivoSalvo))}) {
        {
            TLimiteTamanhoArquivo limite(tamanho);
            EXPECT_FALSE(chuva.salvaNoArquivo(nome_)) << tamanho;
        }
        EXPECT_EQ(conteudoDe(nome_), ArquivoSalvo) << tamanho;
        EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 1);
    }

    fs::create_directory(pasta_ / "pasta.ini");
    EXPECT_FALSE(chuva.salvaNoArquivo(caminho("pasta.ini")));
    EXPECT_TRUE(fs::is_empty(pasta_ / "pasta.ini"));
    EXPECT_FALSE(chuva.salvaNoArquivo(caminho("nao_existe/eventos.ini")));
    EXPECT_FALSE(fs::exists(pasta_ / "nao_existe"));
}

// Bringing a file up to date writes it: a write that fails reaches the caller, and the
// file stays as it was.
TEST_F(ArquivoPrecipitacao, MigracaoQueFalhaLevantaErro)
{
    const std::string versao1 = "[NIMBRA]\r\nDuracao=30\r\nPrecipitacaoTotal=50\r\nTr=10\r\nK=500\r\n";
    grava(nome_, versao1);
    TPrecipitacaoExponencialNegativa chuva;
    {
        TLimiteTamanhoArquivo limite(16);
        EXPECT_THROW(chuva.carregaDoArquivo(nome_), EInOutError);
    }
    EXPECT_EQ(conteudoDe(nome_), versao1);
    EXPECT_EQ(chuva.Duracao, 30.0);

    EXPECT_THROW(chuva.carregaDoArquivo(caminho("nao_existe/eventos.ini")), EInOutError);
    EXPECT_FALSE(fs::exists(pasta_ / "nao_existe"));
}

} // namespace
