// "Consulta" of the data-entry window: the rainfall equation and its place from the
// consultation, the copies into the rainfall section, and what happens when the shared
// data or the consultation fails.
#include "tests/app/janelas/ConsultaNaEntrada.h"
#include "models/ConversaoNumerica.h"
#include "models/Utils.h"
#include "plataforma/TLabeledEdit.h"
#include "plataforma/TMaskEdit.h"
#include "plataforma/nucleo/TPastaPrograma.h"
#include "rainfall_equations/Nimbra21Comp.h"
#include "rainfall_equations/nucleo/InstalacaoNimbra.h"
#include "tests/app/janelas/FixtureEntrada.h"
#include "tests/rainfall_equations/janelas/DadosConsultaTeste.h"

#include <QComboBox>
#include <QPushButton>

#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Everything of the rainfall section and of the report's place that a lookup may write.
struct TSecaoChuva {
    QString T, K, A, B, C, latitude, longitude;
    std::string estado, estacao, localidade;

    bool operator==(const TSecaoChuva&) const = default;
};

void PrintTo(const TSecaoChuva& s, std::ostream* saida)
{
    *saida << "{T " << s.T.toStdString() << ", K " << s.K.toStdString() << ", a " << s.A.toStdString() << ", b "
           << s.B.toStdString() << ", c " << s.C.toStdString() << ", " << s.latitude.toStdString() << " "
           << s.longitude.toStdString() << ", estado \"" << s.estado << "\", estação \"" << s.estacao
           << "\", localidade \"" << s.localidade << "\"}";
}

TSecaoChuva secaoChuva(const TFEntdados& j)
{
    return {j.LblEdtTr->text(),  j.LblEdtK->text(),      j.LblEdtA->text(),      j.LblEdtB->text(),
            j.LblEdtC->text(),   j.meLatitude->Text(),   j.MELongitude->Text(),  j.estadoConsulta,
            j.estacaoConsulta,   j.localidadeConsulta};
}

// What the user typed, and the place of an earlier lookup.
void preencheChuva(TFEntdados& j)
{
    j.LblEdtTr->setText("25");
    j.LblEdtK->setText("500");
    j.LblEdtA->setText("0,2");
    j.LblEdtB->setText("10");
    j.LblEdtC->setText("0,8");
    j.meLatitude->setText(QString::fromUtf8("20°00'00\""));
    j.MELongitude->setText(QString::fromUtf8("45°00'00\""));
    j.estadoConsulta = "São Paulo";
    j.estacaoConsulta = "Campinas";
    j.localidadeConsulta = "-";
}

QString texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class ConsultaNaEntrada : public FixtureEntrada {
protected:
    void SetUp() override
    {
        FixtureEntrada::SetUp();
        TfrmFoConsulta::definePastaDados({});
        // Messages and program starts in the one order they happened.
        TCaixaMensagem::substitui(
            [this](const QString& t) {
                mensagens << t;
                eventos << t;
            },
            [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
        TIniciaProcesso::substitui([this](const QString& programa) {
            iniciados << programa;
            eventos << "inicia " + programa;
            return resultadoInicio;
        });
    }

    void TearDown() override
    {
        TfrmFoConsulta::definePastaDados({});
        FixtureEntrada::TearDown();
    }

    TFEntdados& mostraPreenchida()
    {
        TFEntdados& j = mostra();
        preencheChuva(j);
        return j;
    }

    static QString instalador()
    {
        return QString::fromStdString(pastaPrograma()) + "setupArquivosComuns.exe";
    }

    QStringList eventos;
};

// ---- Cancel --------------------------------------------------------------------------

TEST_F(ConsultaNaEntrada, CancelarNaoMudaNadaNemAvisa)
{
    TFEntdados& j = mostraPreenchida();
    const TSecaoChuva antes = secaoChuva(j);
    const std::function<void(TfrmFoConsulta&)> modos[] = {
        [](TfrmFoConsulta& c) { c.BtnCancel->click(); },
        [](TfrmFoConsulta& c) { QTest::keyClick(&c, Qt::Key_Escape); },
        [](TfrmFoConsulta& c) { c.close(); },
    };
    for (const auto& modo : modos) {
        EXPECT_EQ(consultaPelaEntrada(j, [&modo, &j](TfrmFoConsulta& c) {
                      EXPECT_EQ(c.Estado.Indice(), 12);
                      EXPECT_EQ(c.parent(), &j);
                      clicaEstacao(c, "Lavras");
                      modo(c);
                  }),
                  1);
        EXPECT_EQ(secaoChuva(j), antes);
    }
    EXPECT_TRUE(eventos.isEmpty()) << eventos.join('\n').toStdString();
}

// ---- OK ------------------------------------------------------------------------------

// A rain-gauge station of the database the build makes: its own equation, written in the
// general format; the return period stays as typed.
TEST_F(ConsultaNaEntrada, OkNumaEstacaoDeMinasGerais)
{
    TFEntdados& j = mostraPreenchida();
    EXPECT_EQ(consultaPelaEntrada(j, [](TfrmFoConsulta& c) {
                  EXPECT_EQ(c.windowTitle(), texto("Nimbra 2.1 - Estado: Minas Gerais     "));
                  clicaEstacao(c, "Lavras");
                  c.BtnOk->click();
              }),
              1);
    EXPECT_EQ(secaoChuva(j), (TSecaoChuva{"25", "10224,81", "0,187", "56,281", "1,149", texto("21°14'00\""),
                                          texto("45°00'00\""), "Minas Gerais", "Lavras", "-"}));
    EXPECT_TRUE(eventos.isEmpty()) << eventos.join('\n').toStdString();
}

// An interpolated equation names the locality, or "Não definida" for a point of the map,
// and no station. The edits get the parameters the consultation showed.
TEST_F(ConsultaNaEntrada, OkNumaLocalidadeOuNumPontoDoMapa)
{
    const dados_teste::TEmUso dados;
    const struct {
        const char* caso;
        std::function<void(TfrmFoConsulta&)> escolhe;
        const char* localidade;
    } casos[] = {
        {"localidade", [](TfrmFoConsulta& c) { clicaItem(c.LBLocalidade, 0); }, "Lugar Azul"},
        {"ponto",
         [](TfrmFoConsulta& c) {
             moveMouse(c.EstadoBMP, 250, 260);
             soltaMouse(c.EstadoBMP, 250, 260);
         },
         "Não definida"},
    };
    for (const auto& caso : casos) {
        TFEntdados& j = mostraPreenchida();
        TLegendasEquacao mostradas;
        std::string latitude;
        std::string longitude;
        EXPECT_EQ(consultaPelaEntrada(j, [&](TfrmFoConsulta& c) {
                      caso.escolhe(c);
                      mostradas = c.legendasMostradas();
                      latitude = c.TxtLatitude;
                      longitude = c.TxtLongitude;
                      EXPECT_EQ(c.Autor->text(), texto("Interpolação"));
                      c.BtnOk->click();
                  }),
                  1)
            << caso.caso;
        ASSERT_FALSE(mostradas.K.empty()) << caso.caso;
        const auto doCampo = [](const QString& campo) { return strToFloat(campo.toStdString()); };
        EXPECT_DOUBLE_EQ(doCampo(j.LblEdtK->text()), textoParaReal(mostradas.K)) << caso.caso;
        EXPECT_DOUBLE_EQ(doCampo(j.LblEdtA->text()), textoParaReal(mostradas.A)) << caso.caso;
        EXPECT_DOUBLE_EQ(doCampo(j.LblEdtB->text()), textoParaReal(mostradas.B)) << caso.caso;
        EXPECT_DOUBLE_EQ(doCampo(j.LblEdtC->text()), textoParaReal(mostradas.C)) << caso.caso;
        EXPECT_FALSE(j.LblEdtK->text().contains('.')) << caso.caso;
        EXPECT_EQ(j.meLatitude->Text().toStdString(), latitude) << caso.caso;
        EXPECT_EQ(j.MELongitude->Text().toStdString(), longitude) << caso.caso;
        EXPECT_EQ(j.LblEdtTr->text(), "25") << caso.caso;
        EXPECT_EQ(j.estadoConsulta, "Minas Gerais") << caso.caso;
        EXPECT_EQ(j.localidadeConsulta, caso.localidade) << caso.caso;
        EXPECT_EQ(j.estacaoConsulta, "-") << caso.caso;
    }
    EXPECT_TRUE(eventos.isEmpty()) << eventos.join('\n').toStdString();
}

// A station of the small database: K 1234.5678 is shown and handed back with three
// decimals, and the parameters lose their trailing zeros.
TEST_F(ConsultaNaEntrada, OkNumaEstacaoComParametrosDeTresCasas)
{
    const dados_teste::TEmUso dados;
    TFEntdados& j = mostraPreenchida();
    EXPECT_EQ(consultaPelaEntrada(j, [](TfrmFoConsulta& c) {
                  clicaEstacao(c, "Alfa");
                  c.BtnOk->click();
              }),
              1);
    const dados_teste::TCoordenadas alfa = dados_teste::doPixel(200, 200);
    EXPECT_EQ(secaoChuva(j), (TSecaoChuva{"25", "1234,568", "0,15", "10", "0,8", QString::fromStdString(alfa.latitude),
                                          QString::fromStdString(alfa.longitude), "Minas Gerais", "Alfa", "-"}));
}

// Each lookup opens on Minas Gerais, whatever state the one before chose.
TEST_F(ConsultaNaEntrada, SegundaConsultaAbreDeNovoEmMinasGerais)
{
    TFEntdados& j = mostraPreenchida();
    QString escolhida;
    EXPECT_EQ(consultaPelaEntrada(j, [&escolhida](TfrmFoConsulta& c) {
                  c.Estados->setCurrentIndex(24);
                  emit c.Estados->activated(24);
                  clicaItem(c.LBEstacao, 3);
                  escolhida = c.LBEstacao->item(3)->text();
                  c.BtnOk->click();
              }),
              1);
    EXPECT_EQ(j.Nimbra211->IndEstado, 24);
    EXPECT_EQ(j.estadoConsulta, NomesEstados[24]);
    EXPECT_EQ(QString::fromStdString(j.estacaoConsulta), escolhida);
    const TSecaoChuva depoisDaPrimeira = secaoChuva(j);

    EXPECT_EQ(consultaPelaEntrada(j, [](TfrmFoConsulta& c) {
                  EXPECT_EQ(c.Estado.Indice(), 12);
                  EXPECT_EQ(c.Estados->currentIndex(), 12);
                  EXPECT_EQ(c.windowTitle(), texto("Nimbra 2.1 - Estado: Minas Gerais     "));
                  c.BtnCancel->click();
              }),
              1);
    EXPECT_EQ(secaoChuva(j), depoisDaPrimeira);
    EXPECT_TRUE(eventos.isEmpty()) << eventos.join('\n').toStdString();
}

// ---- Failures ------------------------------------------------------------------------

// The folder, or one of its two files, missing: the message, then the installer beside the
// program; no consultation opens and the section stays. A file where the folder belongs is
// a missing folder, which the installer puts in its place.
TEST_F(ConsultaNaEntrada, DadosAusentesPedemOInstalador)
{
    const struct {
        const char* caso;
        std::vector<std::string> arquivos;
    } casos[] = {
        {"sem a pasta", {}},
        {"um arquivo no lugar da pasta", {"Nimbra"}},
        {"sem as estações", {"Nimbra/"}},
        {"sem as localidades", {"Nimbra/", std::string("Nimbra/") + ArquivoEstacoes}},
    };
    for (const auto& caso : casos) {
        arquivos::TPastaTeste pasta;
        for (const std::string& nome : caso.arquivos) {
            if (nome.back() == '/')
                std::filesystem::create_directories(pasta.caminho() + nome);
            else
                pasta.grava(nome, "");
        }
        TfrmFoConsulta::definePastaDados(pasta.caminho() + "Nimbra/");
        eventos.clear();
        TFEntdados& j = mostraPreenchida();
        const TSecaoChuva antes = secaoChuva(j);
        EXPECT_EQ(consultaPelaEntrada(j, [](TfrmFoConsulta& c) { c.BtnOk->click(); }), 0) << caso.caso;
        EXPECT_EQ(eventos, (QStringList{"Instale os arquivos a seguir!", "inicia " + instalador()})) << caso.caso;
        EXPECT_EQ(secaoChuva(j), antes) << caso.caso;
    }
}

// A file that is there but damaged is mended by the installer as a missing one is. A
// station whose equation "Calcular" would refuse is damaged data too: the consultation
// never shows it.
TEST_F(ConsultaNaEntrada, DadosDanificadosPedemOInstalador)
{
    const std::string estacoes = leArquivo(pastaDadosNimbra() + ArquivoEstacoes);
    const std::string localidades = leArquivo(pastaDadosNimbra() + ArquivoLocalidades);
    arquivos::TSecoes comKRecusado;
    comKRecusado[12].registros.push_back(arquivos::estacao({.nome = "Gama", .K = 0.0001}));
    const struct {
        const char* caso;
        std::string estacoes;
        std::string localidades;
    } casos[] = {
        {"estações cortadas", estacoes.substr(0, estacoes.size() / 2), localidades},
        {"localidades cortadas", estacoes, localidades.substr(0, localidades.size() / 2)},
        // It would show as K 0,000.
        {"K de 0,0001", arquivos::arquivo(comKRecusado), localidades},
    };
    for (const auto& caso : casos) {
        arquivos::TPastaTeste pasta;
        pasta.grava(ArquivoEstacoes, caso.estacoes);
        pasta.grava(ArquivoLocalidades, caso.localidades);
        TfrmFoConsulta::definePastaDados(pasta.caminho());
        eventos.clear();
        TFEntdados& j = mostraPreenchida();
        const TSecaoChuva antes = secaoChuva(j);
        EXPECT_EQ(consultaPelaEntrada(j, [](TfrmFoConsulta& c) { c.BtnOk->click(); }), 0) << caso.caso;
        EXPECT_EQ(eventos, (QStringList{"Instale os arquivos a seguir!", "inicia " + instalador()})) << caso.caso;
        EXPECT_EQ(secaoChuva(j), antes) << caso.caso;
    }
}

// Any other failure is not one of missing data: its own message, and no installer.
TEST_F(ConsultaNaEntrada, OutroErroMostraSuaMensagemSemInstalador)
{
    arquivos::TPastaTeste pequena;
    dados_teste::grava(pequena);
    TfrmFoConsulta::definePastaDados(pequena.caminho());
    const struct {
        const char* caso;
        const char* latitude;
        std::function<void(TfrmFoConsulta&)> acao;
        int consultas;
        QString mensagem;
    } casos[] = {
        // A point typed off the state, which has no equation: the consultation refuses to
        // close on it.
        {"sem equação", "",
         [](TfrmFoConsulta& c) {
             c.PrecLaAux->setText(QString::fromStdString(dados_teste::lugarBranco.latitude));
             c.PrecLoAux->setText(QString::fromStdString(dados_teste::lugarBranco.longitude));
             c.Calculalalo->click();
             c.BtnOk->click();
             c.BtnCancel->click();
         },
         1, QString::fromStdString(MensagemSemEquacao)},
        // A point kept from an earlier lookup that does not convert: no window opens.
        {"latitude guardada", "2x°00'00\"", [](TfrmFoConsulta& c) { c.BtnCancel->click(); }, 0,
         texto("Latitude 2x°00'00\" não é uma coordenada válida.")},
    };
    for (const auto& caso : casos) {
        eventos.clear();
        TFEntdados& j = mostraPreenchida();
        j.Nimbra211->Latitude = caso.latitude;
        const TSecaoChuva antes = secaoChuva(j);
        EXPECT_EQ(consultaPelaEntrada(j, caso.acao), caso.consultas) << caso.caso;
        EXPECT_EQ(eventos, QStringList{caso.mensagem}) << caso.caso;
        EXPECT_EQ(secaoChuva(j), antes) << caso.caso;
        EXPECT_TRUE(iniciados.isEmpty()) << caso.caso;
    }
}

// An installer that is not there or does not start is said so, with the folder where the
// data belongs as the user finds it.
TEST_F(ConsultaNaEntrada, InstaladorQueNaoIniciaEDito)
{
    arquivos::TPastaTeste pasta;
    TfrmFoConsulta::definePastaDados(pasta.caminho() + "Nimbra/");
    const QString pastaDados = QString::fromStdString((std::filesystem::canonical(pasta.caminho()) / "Nimbra").string());
    ASSERT_FALSE(pastaDados.contains(".."));
    for (const auto resultado : {TIniciaProcesso::TResultado::inexistente, TIniciaProcesso::TResultado::falhou}) {
        resultadoInicio = resultado;
        eventos.clear();
        TFEntdados& j = mostraPreenchida();
        const TSecaoChuva antes = secaoChuva(j);
        consultaPelaEntrada(j, [](TfrmFoConsulta& c) { c.BtnCancel->click(); });
        EXPECT_EQ(eventos, (QStringList{"Instale os arquivos a seguir!", "inicia " + instalador(),
                                        texto("Não foi possível iniciar o instalador ") + instalador()
                                            + texto(". Os arquivos do banco de dados de chuvas intensas "
                                                    "(Estados_Nim21.bin, Localidades_Nim21.bin e os mapas dos "
                                                    "estados) devem ficar na pasta ")
                                            + pastaDados + "."}));
        EXPECT_EQ(secaoChuva(j), antes);
    }
}

// The copy of a confirmed lookup makes every text before it writes one: a parameter that
// cannot be written (here c, the last) leaves the whole section as it was.
TEST_F(ConsultaNaEntrada, CopiaSoDepoisDeObterTodosOsValores)
{
    TFEntdados& j = mostraPreenchida();
    const TSecaoChuva antes = secaoChuva(j);
    TNimbra21 consulta;
    consulta.EquacaoIDF.setK(1234.568);
    consulta.EquacaoIDF.setA(0.15);
    consulta.EquacaoIDF.setB(10);
    consulta.EquacaoIDF.C = std::numeric_limits<double>::quiet_NaN();
    consulta.Latitude = "19°55'17\"";
    consulta.Longitude = "43°56'31\"";
    consulta.StrEstado = "Minas Gerais";
    consulta.StrCidade = "Belo Horizonte";
    EXPECT_THROW(j.copiaConsulta(consulta), EInvalidOp);
    EXPECT_EQ(secaoChuva(j), antes);

    consulta.EquacaoIDF.setC(0.8);
    j.copiaConsulta(consulta);
    EXPECT_EQ(secaoChuva(j), (TSecaoChuva{"25", "1234,568", "0,15", "10", "0,8", texto("19°55'17\""),
                                          texto("43°56'31\""), "Minas Gerais", "Belo Horizonte", "-"}));
}

// The component is the window's own, and starts as a fresh one.
TEST_F(ConsultaNaEntrada, ComponenteDaJanela)
{
    TFEntdados& j = mostra();
    ASSERT_NE(j.Nimbra211, nullptr);
    EXPECT_EQ(j.Nimbra211->parent(), &j);
    EXPECT_EQ(j.Nimbra211->objectName(), "Nimbra211");
    EXPECT_EQ(j.Nimbra211->HelpContext, 0);
    EXPECT_EQ(j.Nimbra211->IndEstacao, 0);
    EXPECT_EQ(j.Nimbra211->IndLocalidade, 0);
    EXPECT_FALSE(j.Nimbra211->ShowAbout);
    EXPECT_EQ(j.BttConsulta->text(), "Consulta");
}
