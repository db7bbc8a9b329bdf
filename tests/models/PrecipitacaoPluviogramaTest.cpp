#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/NumeroDaCurva.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "models/PrecipitacaoPluviograma.h"
#include "models/SerieGrafico.h"
#include "plataforma/nucleo/Excecoes.h"
#include "tests/models/ConfiguracaoTemporaria.h"
#include "tests/models/PastaDeTeste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The chart of the example: (0, 0), (10, 60), (20, 30).
const char* const PluviogramaExemplo = "15/03/2004\r\n0 0\r\n10 60\r\n20 30\r\n";

struct TPontoSerie {
    bool nulo;
    double x;
    double y;
    std::string rotulo;
    TCor cor;

    bool operator==(const TPontoSerie&) const = default;
};

std::ostream& operator<<(std::ostream& saida, const TPontoSerie& p)
{
    return saida << (p.nulo ? "nulo " : "") << "(" << p.x << ", " << p.y << ", '" << p.rotulo << "', " << p.cor << ")";
}

class TSerieDeTeste : public TSerieGrafico {
public:
    std::vector<TPontoSerie> pontos;
    int remocoes = 0;
    void removePontos() override
    {
        pontos.clear();
        ++remocoes;
    }
    void adicionaPonto(double X, double Y, const std::string& Rotulo, TCor Cor) override
    {
        pontos.push_back({false, X, Y, Rotulo, Cor});
    }
    void adicionaPontoNulo(double X, double Y, const std::string& Rotulo) override
    {
        pontos.push_back({true, X, Y, Rotulo, CorAutomatica});
    }
};

class Pluviograma : public PastaDeTeste {
protected:
    void SetUp() override
    {
        PastaDeTeste::SetUp();
        exemplo_ = caminho("exemplo.txt");
        grava(exemplo_, PluviogramaExemplo);
        ini_ = caminho("eventos.ini");
    }

    // A chart file of the test's folder with the given text.
    std::string pluviograma(const std::string& nome, const std::string& texto)
    {
        const std::string arquivo = caminho(nome);
        grava(arquivo, texto);
        return arquivo;
    }

    static void esperaExemplo(const TPrecipitacaoPluviograma& p)
    {
        ASSERT_EQ(p.getNumPontos(), 3);
        EXPECT_EQ(p.Data, 38061.0);
        EXPECT_EQ(p.Duracao, 20.0);
        EXPECT_EQ(p.PrecipitacaoTotal, 12.5);
        EXPECT_EQ(p.getPonto(1).Tempo, 10.0);
        EXPECT_EQ(p.getPonto(1).Intensidade, 60.0);
    }

    // Reset: no points and the parameters unset.
    static void esperaSemPontos(const TPrecipitacaoPluviograma& p)
    {
        EXPECT_EQ(p.getNumPontos(), 0);
        EXPECT_EQ(p.Duracao, -1.0);
        EXPECT_EQ(p.PrecipitacaoTotal, -1.0);
        EXPECT_EQ(p.laminaEntre(0.0, 100.0), 0.0);
    }

    TConfiguracaoTemporaria brasileira_ {TConfiguracaoRegional::brasileira()};
    std::string exemplo_;
    std::string ini_;
    TPrecipitacaoPluviograma chuva_;
};

TEST_F(Pluviograma, LeOArquivoDoPluviograma)
{
    chuva_.carregaPluviograma(exemplo_);
    esperaExemplo(chuva_);
    EXPECT_EQ(chuva_.getPonto(0).Tempo, 0.0);
    EXPECT_EQ(chuva_.getPonto(2).Intensidade, 30.0);
    for (double valor : {chuva_.IntensidadePico, chuva_.TempoPico, chuva_.A, chuva_.B, chuva_.C, chuva_.D})
        EXPECT_EQ(valor, -1.0);
    EXPECT_EQ(chuva_.ArquivoPluviograma, "");
    EXPECT_FALSE(chuva_.EhPluviograma);
    EXPECT_EQ(chuva_.tempoFimEscoamento(10.0), 20.0);

    // Blanks, line ends of either kind, blank lines and text after the intensity do not count.
    TPrecipitacaoPluviograma outra;
    outra.carregaPluviograma(pluviograma("livre.txt", "  15/03/2004 \n\n 0\t0 inicio\n10   60 mm/h\r\n\n20 3e1\n\n"));
    esperaExemplo(outra);
}

TEST_F(Pluviograma, IntensidadeEmDegraus)
{
    chuva_.carregaPluviograma(exemplo_);
    const struct {
        double t;
        double intensidade;
    } casos[] = {
        {0.0, 60.0}, {5.0, 60.0}, {9.999, 60.0}, {10.0, 30.0}, {15.0, 30.0}, {20.0, 30.0}, {20.5, 0.0},
        {-1.0, 0.0}, {std::numeric_limits<double>::quiet_NaN(), 0.0},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(chuva_.intensidade(caso.t), caso.intensidade) << caso.t;
    EXPECT_EQ(chuva_.tempoPrimeiraIntensidade(50.0), 10.0);
    EXPECT_EQ(chuva_.tempoPrimeiraIntensidade(100.0), 20.0);
    EXPECT_EQ(chuva_.tempoPrimeiraIntensidade(0.0), 0.0);
}

TEST_F(Pluviograma, LaminaPelaRegraDosTrapezios)
{
    chuva_.carregaPluviograma(exemplo_);
    const struct {
        double t;
        double lamina;
    } casos[] = {
        {-3.0, 0.0}, {0.0, 0.0}, {5.0, 2.5}, {10.0, 5.0}, {15.0, 8.75}, {20.0, 12.5}, {25.0, 12.5},
    };
    for (const auto& caso : casos) {
        EXPECT_DOUBLE_EQ(chuva_.laminaAcumulada(caso.t), caso.lamina) << caso.t;
        EXPECT_DOUBLE_EQ(chuva_.laminaEntre(0.0, caso.t), caso.lamina) << caso.t;
    }
    EXPECT_EQ(chuva_.laminaEntre(0.0, 25.0), 12.5);
    EXPECT_DOUBLE_EQ(chuva_.laminaEntre(5.0, 15.0), 6.25);
}

// The depth between two instants used to drop the last interval at the last point's
// time (10 mm at t2 = 20 against about 17.5 mm just before it, for a total of 12.5 mm)
// and to turn negative past the last point.
TEST_F(Pluviograma, LaminaEntreContinuaENuncaNegativa)
{
    chuva_.carregaPluviograma(exemplo_);
    EXPECT_EQ(chuva_.laminaEntre(0.0, 20.0), chuva_.PrecipitacaoTotal);
    EXPECT_NEAR(chuva_.laminaEntre(0.0, 19.999), 12.5, 0.001);
    EXPECT_EQ(chuva_.laminaEntre(21.0, 30.0), 0.0);
    EXPECT_EQ(chuva_.laminaEntre(20.0, 30.0), 0.0);
    EXPECT_EQ(chuva_.laminaEntre(25.0, 20.0), 0.0);
    EXPECT_DOUBLE_EQ(chuva_.laminaEntre(0.0, 7.0) + chuva_.laminaEntre(7.0, 20.0), 12.5);
    // Never faster than the steepest interval, 0.75 mm a minute, at every instant and
    // across every point.
    double anterior = chuva_.laminaEntre(0.0, -1.0);
    for (int passo = -100; passo <= 2500; ++passo) {
        const double lamina = chuva_.laminaEntre(0.0, passo / 100.0);
        EXPECT_GE(lamina, anterior) << passo;
        EXPECT_LE(lamina - anterior, 0.0075 + 1e-12) << passo;
        anterior = lamina;
    }
}

TEST_F(Pluviograma, SemPontos)
{
    esperaSemPontos(chuva_);
    EXPECT_EQ(chuva_.intensidade(0.0), 0.0);
    EXPECT_EQ(chuva_.laminaAcumulada(10.0), 0.0);
    EXPECT_THROW(chuva_.tempoPrimeiraIntensidade(10.0), Exception);
    TSerieDeTeste serie;
    serie.pontos.push_back({});
    chuva_.desenhaGrafico(serie);
    EXPECT_TRUE(serie.pontos.empty());
    EXPECT_EQ(serie.remocoes, 1);
}

TEST_F(Pluviograma, PontoForaDaListaERecusado)
{
    chuva_.carregaPluviograma(exemplo_);
    EXPECT_EQ(chuva_.getPonto(0).Intensidade, 0.0);
    for (int indice : {3, -1, std::numeric_limits<int>::min()}) {
        try {
            chuva_.getPonto(indice);
            ADD_FAILURE() << indice;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Índice da lista inválido.");
        }
    }
    EXPECT_THROW(chuva_.setNumPontos(-1), Exception);
    chuva_.setNumPontos(5);
    EXPECT_EQ(chuva_.getNumPontos(), 5);
    EXPECT_EQ(chuva_.getPonto(4).Tempo, 0.0);
    EXPECT_EQ(chuva_.getPonto(2).Tempo, 20.0);
    chuva_.setNumPontos(1);
    EXPECT_THROW(chuva_.getPonto(1), Exception);
}

TEST_F(Pluviograma, Copia)
{
    chuva_.carregaPluviograma(exemplo_);
    chuva_.ArquivoPluviograma = exemplo_;
    TPrecipitacaoPluviograma copia("_c");
    copia.copia(chuva_);
    esperaExemplo(copia);
    EXPECT_EQ(copia.ArquivoPluviograma, exemplo_);
    EXPECT_EQ(copia.Sufixo, "_c");

    TPrecipitacaoExponencialNegativa tormenta;
    tormenta.setDuracao(45.0);
    tormenta.setA(0.2);
    tormenta.Data = 40000.0;
    EXPECT_THROW(copia.copia(tormenta), EInvalidCast);
    EXPECT_EQ(copia.Duracao, 45.0);
    EXPECT_EQ(copia.A, 0.2);
    EXPECT_EQ(copia.Data, 40000.0);
}

TEST_F(Pluviograma, HietogramaEmDegraus)
{
    chuva_.carregaPluviograma(pluviograma("meio.txt", "15/03/2004\n0 0\n2.5 60\n12.4 30\n"));
    TSerieDeTeste serie;
    chuva_.desenhaGrafico(serie);
    const std::vector<TPontoSerie> esperados = {
        {true, 0.0, 60.0, "0", CorAutomatica},   {false, 0.0, 60.0, "", CorAutomatica},
        {false, 2.5, 60.0, "", CorAutomatica},   {true, 2.5, 30.0, "3", CorAutomatica},
        {false, 2.5, 30.0, "", CorAutomatica},   {false, 12.4, 30.0, "", CorAutomatica},
    };
    EXPECT_EQ(serie.pontos, esperados);
    EXPECT_EQ(serie.remocoes, 1);
}

// Times out of order, a chart without points and values that cannot be rainfall are
// refused in Portuguese; every failure after the file was opened leaves the event reset.
TEST_F(Pluviograma, PluviogramaInvalidoERecusado)
{
    const struct {
        const char* texto;
        const char* mensagem;
    } casos[] = {
        {"15/03/2004\n0 0\n20 30\n10 60\n",
         "Erro. Os tempos do pluviograma ruim.txt têm que estar em ordem crescente (linha 4)."},
        {"15/03/2004\n0 0\n10 60\n10 30\n",
         "Erro. Os tempos do pluviograma ruim.txt têm que estar em ordem crescente (linha 4)."},
        {"15/03/2004\n", "Erro. O pluviograma ruim.txt não tem pontos."},
        {"15/03/2004\r\n\r\n  \r\n", "Erro. O pluviograma ruim.txt não tem pontos."},
        {"15/03/2004\n0 0\n10 -60\n",
         "Erro. O tempo e a intensidade do pluviograma ruim.txt têm que ser maiores ou iguais a zero (linha 3)."},
        {"15/03/2004\n-5 10\n",
         "Erro. O tempo e a intensidade do pluviograma ruim.txt têm que ser maiores ou iguais a zero (linha 2)."},
    };
    for (const auto& caso : casos) {
        chuva_.carregaPluviograma(exemplo_);
        chuva_.Data = 1.0;
        try {
            chuva_.carregaPluviograma(pluviograma("ruim.txt", caso.texto));
            ADD_FAILURE() << caso.texto;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), caso.mensagem);
        }
        esperaSemPontos(chuva_);
        EXPECT_EQ(chuva_.Data, 1.0);
    }
    for (const char* texto : {"15/03/2004\n0 0\n10 6O\n", "15/03/2004\n0 0\n10\n60\n", "15/03/2004\n0 0\n10,5 60\n",
                              "15/03/2004\n0 0\n10 inf\n", "15/03/2004\n0 0\n10 1e999\n"}) {
        chuva_.carregaPluviograma(exemplo_);
        try {
            chuva_.carregaPluviograma(pluviograma("ruim.txt", texto));
            ADD_FAILURE() << texto;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.Message(), "Invalid numeric format");
        }
        esperaSemPontos(chuva_);
    }
    for (const char* texto : {"", "15/13/2004\n0 0\n", "0 0\n10 60\n"}) {
        chuva_.carregaPluviograma(exemplo_);
        EXPECT_THROW(chuva_.carregaPluviograma(pluviograma("ruim.txt", texto)), EConvertError) << texto;
        esperaSemPontos(chuva_);
    }
}

TEST_F(Pluviograma, ArquivoQueNaoExisteNaoMudaNada)
{
    chuva_.carregaPluviograma(exemplo_);
    fs::create_directory(pasta_ / "pasta.txt");
    for (const std::string& nome : {caminho("nao_existe.txt"), caminho("pasta.txt")}) {
        try {
            chuva_.carregaPluviograma(nome);
            ADD_FAILURE() << nome;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "O arquivo " + fs::path(nome).filename().string() + " não existe.");
        }
        esperaExemplo(chuva_);
    }
}

TEST_F(Pluviograma, InicioDoEscoamentoPelaPrimeiraIntensidade)
{
    chuva_.carregaPluviograma(exemplo_);
    chuva_.EhPluviograma = true;
    EXPECT_EQ(TNumeroDaCurva(50.0).tempoInicioEscoamento(chuva_), 10.0);
    EXPECT_EQ(TNumeroDaCurva(10.0).tempoInicioEscoamento(chuva_), 10.0);
    EXPECT_EQ(TNumeroDaCurva(0.0).tempoInicioEscoamento(chuva_), 0.0);
}

TEST_F(Pluviograma, SalvaELeONomeDoArquivo)
{
    chuva_.carregaPluviograma(exemplo_);
    chuva_.ArquivoPluviograma = exemplo_;
    ASSERT_TRUE(chuva_.salvaNoArquivo(ini_));
    const std::string texto = conteudoDe(ini_);
    EXPECT_NE(texto.find("[PRECIPITACAO]\r\nVersao=3\r\nDuracao=20\r\nPrecipitacaoTotal=12.5\r\n"), std::string::npos);
    EXPECT_NE(texto.find("Data=2004-03-15 00:00:00.000\r\n[PRECIPITACAO_PLUVIOGRAMA]\r\nVersao=2\r\n"
                         "ArquivoPluviograma=" + exemplo_ + "\r\n"),
              std::string::npos);

    TPrecipitacaoPluviograma lida;
    ASSERT_TRUE(lida.carregaDoArquivo(ini_));
    esperaExemplo(lida);
    EXPECT_EQ(lida.ArquivoPluviograma, exemplo_);

    // The name is saved even when there is none.
    TPrecipitacaoPluviograma semNome("_2");
    ASSERT_TRUE(semNome.salvaNoArquivo(ini_));
    EXPECT_NE(conteudoDe(ini_).find("[PRECIPITACAO_PLUVIOGRAMA_2]\r\nVersao=2\r\nArquivoPluviograma=\r\n"),
              std::string::npos);
    EXPECT_FALSE(chuva_.salvaNoArquivo(caminho("nao_existe/eventos.ini")));
}

// A section of the older layout left in the file would be read in place of the one
// saved, and its chart with it.
TEST_F(Pluviograma, SalvaSobreASecaoAntigaELeOQueSalvou)
{
    const std::string antigo = pluviograma("antigo.txt", "01/02/2003\r\n0 0\r\n5 10\r\n");
    grava(ini_, "[PRECIPITACAO_a]\r\nVersao=2\r\nDuracao=5\r\n"
                "[PRECEVENTOS_a]\r\nVersao=1\r\nFileName=" + antigo + "\r\n");
    TPrecipitacaoPluviograma salva("_a");
    salva.carregaPluviograma(exemplo_);
    salva.ArquivoPluviograma = exemplo_;
    ASSERT_TRUE(salva.salvaNoArquivo(ini_));
    EXPECT_EQ(conteudoDe(ini_).find("PRECEVENTOS"), std::string::npos);

    TPrecipitacaoPluviograma lida("_a");
    ASSERT_TRUE(lida.carregaDoArquivo(ini_));
    esperaExemplo(lida);
    EXPECT_EQ(lida.ArquivoPluviograma, exemplo_);
    for (double valor : {lida.A, lida.B, lida.C, lida.D, lida.IntensidadePico, lida.TempoPico})
        EXPECT_EQ(valor, -1.0);
}

TEST_F(Pluviograma, SemASecaoDoPluviogramaLeFalso)
{
    chuva_.carregaPluviograma(exemplo_);
    EXPECT_FALSE(chuva_.carregaDoArquivo(ini_));
    EXPECT_EQ(chuva_.getNumPontos(), 0);
    grava(ini_, "[PRECIPITACAO_PLUVIOGRAMA]\r\nVersao=3\r\nArquivoPluviograma=" + exemplo_ + "\r\n");
    EXPECT_FALSE(chuva_.carregaDoArquivo(ini_));
    EXPECT_EQ(chuva_.getNumPontos(), 0);
}

// A chart file that is gone is no error: the name stays, without points.
TEST_F(Pluviograma, PluviogramaAusenteGuardaONome)
{
    const std::string ausente = caminho("ausente.txt");
    grava(ini_, "[PRECIPITACAO_PLUVIOGRAMA]\r\nVersao=2\r\nArquivoPluviograma=" + ausente + "\r\n");
    chuva_.carregaPluviograma(exemplo_);
    EXPECT_TRUE(chuva_.carregaDoArquivo(ini_));
    EXPECT_EQ(chuva_.ArquivoPluviograma, ausente);
    EXPECT_EQ(chuva_.getNumPontos(), 0);

    // A chart that cannot be read answers false and keeps its name too.
    const std::string ruim = pluviograma("ruim.txt", "15/03/2004\n20 30\n10 60\n");
    grava(ini_, "[PRECIPITACAO_PLUVIOGRAMA]\r\nVersao=2\r\nArquivoPluviograma=" + ruim + "\r\n");
    EXPECT_FALSE(chuva_.carregaDoArquivo(ini_));
    EXPECT_EQ(chuva_.ArquivoPluviograma, ruim);
    EXPECT_EQ(chuva_.getNumPontos(), 0);
}

TEST_F(Pluviograma, SecaoAntigaPassaParaANova)
{
    const std::string ruim = pluviograma("ruim.txt", "15/03/2004\n");
    grava(ini_, "[PRECIPITACAO_a]\r\nVersao=3\r\nDuracao=1\r\n"
                "[PRECEVENTOS_a]\r\nVersao=1\r\nFileName=" + exemplo_ + "\r\nOutra=x\r\n"
                "[PRECEVENTOS_b]\r\nVersao=1\r\nFileName=" + ruim + "\r\n");
    TPrecipitacaoPluviograma a("_a");
    EXPECT_TRUE(a.carregaDoArquivo(ini_));
    esperaExemplo(a);
    EXPECT_EQ(a.ArquivoPluviograma, exemplo_);
    // Even when its chart cannot be read, the name moves.
    TPrecipitacaoPluviograma b("_b");
    EXPECT_FALSE(b.carregaDoArquivo(ini_));
    EXPECT_EQ(b.getNumPontos(), 0);
    const std::string texto = conteudoDe(ini_);
    EXPECT_EQ(texto.find("PRECEVENTOS"), std::string::npos);
    EXPECT_NE(texto.find("[PRECIPITACAO_PLUVIOGRAMA_a]\r\nVersao=2\r\nArquivoPluviograma=" + exemplo_ + "\r\n"),
              std::string::npos);
    EXPECT_NE(texto.find("[PRECIPITACAO_PLUVIOGRAMA_b]\r\nVersao=2\r\nArquivoPluviograma=" + ruim + "\r\n"),
              std::string::npos);

    TPrecipitacaoPluviograma deNovo("_a");
    EXPECT_TRUE(deNovo.carregaDoArquivo(ini_));
    esperaExemplo(deNovo);
}

} // namespace
