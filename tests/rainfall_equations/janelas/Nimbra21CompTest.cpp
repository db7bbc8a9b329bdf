// The rainfall-equation component: its properties, its three data checks, the modal
// consultation it opens and what it hands back.
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TMaskEdit.h"
#include "rainfall_equations/FoSobreNimbra.h"
#include "rainfall_equations/Nimbra21Comp.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/InstalacaoNimbra.h"
#include "tests/rainfall_equations/janelas/AmbienteNimbra.h"
#include "tests/rainfall_equations/janelas/DadosConsultaTeste.h"

#include <QLabel>
#include <QPointer>
#include <QStackedWidget>

#include <cmath>
#include <filesystem>
#include <tuple>

namespace {

// Every property of the component and the parameters of its design storm.
auto estado(const TNimbra21& c)
{
    return std::tuple(c.HelpContext, c.Autoria(), c.Latitude, c.Longitude, c.IndLocalidade, c.IndEstacao, c.StrCidade,
                      c.IndEstado, c.StrEstado, c.ShowAbout, c.Secao, c.EquacaoIDF.K, c.EquacaoIDF.A, c.EquacaoIDF.B,
                      c.EquacaoIDF.C, c.EquacaoIDF.Tr);
}

bool consultaAberta()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmFoConsulta*>(w) != nullptr)
            return true;
    return false;
}

double tresCasas(double valor)
{
    return std::round(valor * 1000) / 1000;
}

} // namespace

class ComponenteTest : public ConsultaTest {
protected:
    // The message of what executa raised, or "(nenhum erro)" with its result.
    std::string erro;
    bool acaoRodou = false;

    // executa, with `acao` run on the consultation once it is up, its first showing over and
    // nothing modal over it; `acao` must close it. An error of executa is kept in `erro`.
    bool executa(TNimbra21& c, const std::function<void(TfrmFoConsulta&)>& acao = {})
    {
        erro = "(nenhum erro)";
        acaoRodou = false;
        QTimer vigia;
        vigia.setInterval(2);
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            TfrmFoConsulta* j = frmFoConsulta;
            // The about window's loop may still run the timer once it is closed.
            const bool aindaNaoAtivada = j != nullptr && j->windowTitle() == QStringLiteral("Nimbra 2.1");
            if (j == nullptr || aindaNaoAtivada || (j->ShowAbout && j->PrimeiraAtivacao)
                || QApplication::activeModalWidget() != j)
                return;
            vigia.stop();
            acaoRodou = true;
            if (acao)
                acao(*j);
        });
        QTimer prazo;
        prazo.setSingleShot(true);
        QObject::connect(&prazo, &QTimer::timeout, [] {
            if (frmFoConsulta)
                frmFoConsulta->done(-1);
        });
        vigia.start();
        prazo.start(5000);
        bool resultado = false;
        try {
            resultado = c.executa();
        } catch (const Exception& e) {
            erro = e.what();
        }
        EXPECT_TRUE(frmFoConsulta.isNull());
        EXPECT_FALSE(consultaAberta());
        return resultado;
    }

    // `c` on station `indice` of Minas Gerais, the consultation closed at once with OK.
    bool okNaEstacao(TNimbra21& c, std::int16_t indice)
    {
        c.IndEstado = 12;
        c.IndEstacao = indice;
        return executa(c, [](TfrmFoConsulta& j) { j.BtnOk->click(); });
    }
};

TEST_F(ComponenteTest, NovoComponente)
{
    QWidget dono;
    QPointer<TNimbra21> c = new TNimbra21(&dono);
    EXPECT_EQ(c->parent(), &dono);
    EXPECT_EQ(estado(*c), std::tuple(0, std::string(), std::string(), std::string(), std::int16_t{0}, std::int16_t{0},
                                     std::string(), std::int16_t{-1}, std::string(), false, std::string(), -1.0, -1.0,
                                     -1.0, -1.0, -1.0));
}

// The folder, the stations file, the localities file, and only then the state index.
TEST_F(ComponenteTest, TresConferenciasDosDadosAntesDoIndiceDoEstado)
{
    arquivos::TPastaTeste pasta;
    const std::string dados = pasta.caminho() + "Nimbra/";
    TfrmFoConsulta::definePastaDados(dados);
    TNimbra21 c;
    const auto antes = estado(c);

    EXPECT_FALSE(executa(c));
    EXPECT_EQ(erro, MensagemSemPastaDados);
    std::filesystem::create_directory(dados);
    EXPECT_FALSE(executa(c));
    EXPECT_EQ(erro, MensagemSemEstacoes);
    pasta.grava(std::string("Nimbra/") + ArquivoEstacoes, leArquivo(pastaDadosNimbra() + ArquivoEstacoes));
    EXPECT_FALSE(executa(c));
    EXPECT_EQ(erro, MensagemSemLocalidades);
    pasta.grava(std::string("Nimbra/") + ArquivoLocalidades, leArquivo(pastaDadosNimbra() + ArquivoLocalidades));
    EXPECT_FALSE(executa(c));
    EXPECT_EQ(erro, "É necessário entrar com um índice para o estado");
    EXPECT_FALSE(acaoRodou);
    EXPECT_EQ(estado(c), antes);
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ComponenteTest, IndiceDoEstadoAlemDeVinteESeisEZeroEmAcre)
{
    TNimbra21 c;
    c.IndEstado = 27;
    const auto antes = estado(c);
    EXPECT_FALSE(executa(c));
    EXPECT_EQ(erro, " Não existe estado com índice igual a 27");
    EXPECT_FALSE(acaoRodou);
    EXPECT_EQ(estado(c), antes);

    c.IndEstado = 0;
    EXPECT_FALSE(executa(c, [](TfrmFoConsulta& j) {
        EXPECT_EQ(j.Estado.Indice(), 0);
        EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1 - Estado: Acre     "));
        EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
        j.BtnCancel->click();
    }));
    EXPECT_TRUE(acaoRodou);
    EXPECT_EQ(erro, "(nenhum erro)");
}

// An empty text or the blank mask text hands in no point; a whole one is taken before the
// window shows, and brings the point back when no list position does.
TEST_F(ComponenteTest, CoordenadasDeEntrada)
{
    TNimbra21 c;
    c.IndEstado = 12;
    c.IndEstacao = -1;
    c.IndLocalidade = -1;
    for (const std::string& nenhuma : {std::string(), CoordenadaVazia}) {
        c.Latitude = nenhuma;
        c.Longitude = nenhuma;
        EXPECT_FALSE(executa(c, [](TfrmFoConsulta& j) {
            EXPECT_TRUE(j.TxtLatitude.empty());
            EXPECT_TRUE(j.TxtLongitude.empty());
            EXPECT_TRUE(j.PrecK->text().isEmpty());
            j.BtnCancel->click();
        }));
        EXPECT_EQ(erro, "(nenhum erro)");
    }

    c.Latitude = "19°55'17\"";
    c.Longitude = "43°56'31\"";
    TBDPrecipitacao bd;
    bd.leEstacoes();
    TEstacao equacao;
    bd.interpola(c.Latitude, c.Longitude, equacao);
    EXPECT_TRUE(executa(c, [](TfrmFoConsulta& j) {
        EXPECT_EQ(j.PrecLaAux->Text(), QStringLiteral("19°55'17\""));
        EXPECT_FALSE(j.EixoX->isHidden());
        j.BtnOk->click();
    }));
    EXPECT_EQ(c.Latitude, "19°55'17\"");
    EXPECT_EQ(c.Longitude, "43°56'31\"");
    EXPECT_EQ(c.StrCidade, "Não definida");
    EXPECT_EQ(c.Autoria(), "Interpolação");
    EXPECT_EQ(c.IndEstacao, -1);
    EXPECT_EQ(c.IndLocalidade, -1);
    EXPECT_DOUBLE_EQ(c.EquacaoIDF.K, tresCasas(equacao.K));

    // A text that does not convert: the window is released unshown.
    c.Latitude = "2x°00'00\"";
    const auto antes = estado(c);
    EXPECT_FALSE(executa(c));
    EXPECT_EQ(erro, "Latitude 2x°00'00\" não é uma coordenada válida.");
    EXPECT_FALSE(acaoRodou);
    EXPECT_EQ(estado(c), antes);
}

TEST_F(ComponenteTest, CancelarEscECaixaDeFecharNaoMudamNada)
{
    TNimbra21 c;
    ASSERT_TRUE(okNaEstacao(c, 2));
    ASSERT_FALSE(c.Autoria().empty());
    c.EquacaoIDF.setTr(25);
    const auto antes = estado(c);
    const std::function<void(TfrmFoConsulta&)> modos[] = {
        [](TfrmFoConsulta& j) { j.BtnCancel->click(); },
        [](TfrmFoConsulta& j) { QTest::keyClick(&j, Qt::Key_Escape); },
        [](TfrmFoConsulta& j) { j.close(); },
    };
    for (const auto& modo : modos) {
        EXPECT_FALSE(executa(c, [&modo, this](TfrmFoConsulta& j) {
            escolheEstadoEm(j, 24);
            clicaItem(j.LBEstacao, 3);
            modo(j);
        }));
        EXPECT_TRUE(acaoRodou);
        EXPECT_EQ(estado(c), antes);
    }
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ComponenteTest, KDevolvidoComTresCasas)
{
    const dados_teste::TEmUso dados;
    TNimbra21 c;
    c.EquacaoIDF.setTr(10);
    EXPECT_TRUE(okNaEstacao(c, 0));
    EXPECT_EQ(c.EquacaoIDF.K, 1234.568);
    EXPECT_EQ(c.EquacaoIDF.A, 0.15);
    EXPECT_EQ(c.EquacaoIDF.B, 10.0);
    EXPECT_EQ(c.EquacaoIDF.C, 0.8);
    EXPECT_EQ(c.EquacaoIDF.Tr, 10);
    EXPECT_EQ(c.Autoria(), "ANEEL (2001)");
    EXPECT_EQ(c.StrCidade, "Alfa");
    EXPECT_EQ(c.IndEstacao, 0);
}

// All four parameters are read and checked before any property changes: a window closed
// with no equation on show changes nothing, the state the user chose included.
TEST_F(ComponenteTest, ParametroRecusadoNaoMudaNada)
{
    const dados_teste::TEmUso dados;
    TNimbra21 c;
    ASSERT_TRUE(okNaEstacao(c, 0));
    const auto antes = estado(c);

    EXPECT_FALSE(executa(c, [this](TfrmFoConsulta& j) {
        escolheEstadoEm(j, 2);
        j.done(TfrmFoConsulta::mrOk);
    }));
    EXPECT_EQ(erro, "'' is not a valid floating point value");
    EXPECT_EQ(estado(c), antes);

    // "&Fechar" itself refuses to close with no equation on show: a point typed off the state.
    bool abertaDepoisDoOk = false;
    EXPECT_FALSE(executa(c, [&](TfrmFoConsulta& j) {
        escolheEstadoEm(j, 8);
        escolheEstadoEm(j, 12);
        j.PrecLaAux->setText(QString::fromStdString(dados_teste::lugarBranco.latitude));
        j.PrecLoAux->setText(QString::fromStdString(dados_teste::lugarBranco.longitude));
        j.Calculalalo->click();
        ASSERT_EQ(j.PrecK->text(), QString());
        j.BtnOk->click();
        abertaDepoisDoOk = j.isVisible();
        j.BtnCancel->click();
    }));
    EXPECT_TRUE(abertaDepoisDoOk);
    EXPECT_EQ(erro, "(nenhum erro)");
    EXPECT_EQ(mensagens, QStringList{QString::fromStdString(MensagemSemEquacao)});
    EXPECT_EQ(estado(c), antes);
}

TEST_F(ComponenteTest, LimpaGuardaAAutoriaEReabreNaPrimeiraEstacao)
{
    TNimbra21 c;
    ASSERT_TRUE(okNaEstacao(c, 4));
    c.HelpContext = 5;
    c.ShowAbout = true;
    c.Secao = "Terraço 1";
    c.EquacaoIDF.setTr(10);
    const std::string autoria = c.Autoria();
    c.limpa();
    EXPECT_EQ(estado(c), std::tuple(0, autoria, std::string(), std::string(), std::int16_t{0}, std::int16_t{0},
                                    std::string(), std::int16_t{-1}, std::string(), false, std::string(), -1.0, -1.0,
                                    -1.0, -1.0, -1.0));

    c.IndEstado = 12;
    TBDPrecipitacao bd;
    bd.leEstacoes();
    EXPECT_TRUE(executa(c, [&bd](TfrmFoConsulta& j) {
        EXPECT_EQ(j.LBEstacao->ItemIndex(), 0);
        EXPECT_EQ(j.EstacaoAtual, bd.Estacoes[12][0]);
        j.BtnOk->click();
    }));
    EXPECT_EQ(c.StrCidade, bd.Estacoes[12][0].Nome);
}

// The window is the owner's child while it is open, carries the component's help context
// and shows the about window when asked; the owner frees the component.
TEST_F(ComponenteTest, JanelaDoDonoComAjudaESobre)
{
    auto dono = std::make_unique<QWidget>();
    QPointer<TNimbra21> c = new TNimbra21(dono.get());
    c->IndEstado = 12;
    c->HelpContext = 77;
    c->ShowAbout = true;
    TRespostaModal<TfrmFoSobreNimbra> sobre([](TfrmFoSobreNimbra& janela) { janela.BitBtn1Click(); });
    EXPECT_TRUE(executa(*c, [&dono](TfrmFoConsulta& j) {
        EXPECT_EQ(j.parentWidget(), dono.get());
        EXPECT_EQ(frmFoConsulta, &j);
        EXPECT_EQ(j.property("HelpContext").toInt(), 77);
        EXPECT_TRUE(j.ShowAbout);
        EXPECT_FALSE(j.PrimeiraAtivacao);
        j.BtnOk->click();
    }));
    EXPECT_EQ(sobre.vezes, 1);
    dono.reset();
    EXPECT_TRUE(c.isNull());
}

// The component opened on Minas Gerais, a station picked by the user, OK: the design
// storm holds that station's K, a, b and c to three decimals, and the place is handed back.
TEST_F(ComponenteTest, DeMinasGeraisAteAChuvaDeProjeto)
{
    QWidget dono;
    auto* c = new TNimbra21(&dono);
    c->IndEstado = 12;
    c->EquacaoIDF.setTr(10);
    TBDPrecipitacao bd;
    bd.leEstacoes();
    const TEstacao& estacao = bd.Estacoes[12][6];
    EXPECT_TRUE(executa(*c, [](TfrmFoConsulta& j) {
        clicaItem(j.LBEstacao, 6);
        j.BtnOk->click();
    }));
    EXPECT_EQ(c->EquacaoIDF.K, tresCasas(estacao.K));
    EXPECT_EQ(c->EquacaoIDF.A, tresCasas(estacao.A));
    EXPECT_EQ(c->EquacaoIDF.B, tresCasas(estacao.B));
    EXPECT_EQ(c->EquacaoIDF.C, tresCasas(estacao.C));
    EXPECT_EQ(c->EquacaoIDF.Tr, 10);
    EXPECT_GT(c->EquacaoIDF.intensidade(10), 0);
    EXPECT_EQ(c->IndEstado, 12);
    EXPECT_EQ(c->StrEstado, "Minas Gerais");
    EXPECT_EQ(c->IndEstacao, 6);
    EXPECT_EQ(c->IndLocalidade, -1);
    EXPECT_EQ(c->StrCidade, estacao.Nome);
    EXPECT_EQ(c->Latitude, estacao.Latitude);
    EXPECT_EQ(c->Longitude, estacao.Longitude);
    EXPECT_EQ(c->Autoria(), "GOMES JR. (2026)");
    EXPECT_TRUE(mensagens.isEmpty());
}
