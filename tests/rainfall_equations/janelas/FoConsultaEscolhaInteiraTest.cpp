// A pick, a state change and a typed coordinate either come whole or leave no equation on
// show: nothing of an earlier pick may be handed back under a new place or point.
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TImagem.h"
#include "plataforma/TListBox.h"
#include "plataforma/TMaskEdit.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/TMudancaEstado.h"
#include "tests/rainfall_equations/janelas/DadosConsultaTeste.h"

#include <QLabel>
#include <QStackedWidget>

#include <filesystem>

namespace {

QString q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

// Minas Gerais with a good station on the state, one whose latitude is no number and one
// beyond the picture's bounds.
const arquivos::TEstacaoTeste delta{.nome = "Delta", .latitude = "2x°00'00\"", .longitude = "45°00'00\""};
const arquivos::TEstacaoTeste epsilon{.nome = "Épsilon", .latitude = "10°00'00\"", .longitude = "45°00'00\""};

void gravaComDanificadas(const arquivos::TPastaTeste& pasta)
{
    arquivos::TSecoes estacoes;
    for (const auto& e : {dados_teste::alfa, delta, epsilon})
        estacoes[12].registros.push_back(arquivos::estacao(e));
    pasta.grava(ArquivoEstacoes, arquivos::arquivo(estacoes));
    pasta.grava(ArquivoLocalidades, arquivos::arquivo({}));
    ASSERT_TRUE(dados_teste::figuraMinas().save(q(pasta.caminho() + "MG.bmp"), "BMP"));
}

// A bitmap header that announces 100000 × 100000 pixels of 24 bits, and no pixels.
std::string cabecalhoAbsurdo()
{
    const auto palavra = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
        return s;
    };
    return "BM" + palavra(54, 4) + palavra(0, 4) + palavra(54, 4) + palavra(40, 4) + palavra(100000, 4)
           + palavra(100000, 4) + palavra(1, 2) + palavra(24, 2) + palavra(0, 4) + palavra(0, 4) + palavra(0, 4)
           + palavra(0, 4) + palavra(0, 4) + palavra(0, 4);
}

} // namespace

class EscolhaInteiraTest : public ConsultaTest {
protected:
    TLegendasEquacao legendas() const { return janela->legendasMostradas(); }

    // No equation, no source and nothing selected in the lists on show; the place and
    // point of the pick before kept.
    void confereNadaDaEscolha(const std::string& cidade, const std::string& latitude) const
    {
        const TfrmFoConsulta& j = *janela;
        EXPECT_EQ(legendas(), TLegendasEquacao{});
        EXPECT_EQ(j.Autor->text(), QStringLiteral("Autor"));
        EXPECT_EQ(j.LBEstacao->ItemIndex(), -1);
        EXPECT_EQ(j.LBLocalidade->ItemIndex(), -1);
        EXPECT_TRUE(j.EixoX->isHidden());
        EXPECT_TRUE(j.EixoY->isHidden());
        EXPECT_EQ(j.StrCidade, cidade);
        EXPECT_EQ(j.TxtLatitude, latitude);
    }
};

TEST_F(EscolhaInteiraTest, EstacaoDanificadaOuForaDosLimitesNaoDeixaEquacaoNemFonte)
{
    arquivos::TPastaTeste pasta;
    gravaComDanificadas(pasta);
    TfrmFoConsulta::definePastaDados(pasta.caminho());
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    ASSERT_TRUE(haEquacao(legendas()));
    const TEstacao alfa = j.EstacaoAtual;

    clicaItem(j.LBEstacao, 1);
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("A estação Delta tem coordenadas danificadas no banco de dados. "
                                                    "Latitude 2x°00'00\" não é uma coordenada válida.")});
    confereNadaDaEscolha("Alfa", dados_teste::alfa.latitude);
    EXPECT_EQ(j.IndEstacao, 0);
    EXPECT_EQ(j.EstacaoAtual, alfa);

    mensagens.clear();
    clicaItem(j.LBEstacao, 0);
    ASSERT_TRUE(haEquacao(legendas()));
    clicaItem(j.LBEstacao, 2);
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("Latitude 10°00'00\" não definida.")});
    confereNadaDaEscolha("Alfa", dados_teste::alfa.latitude);
}

// A longitude typed outside the state after a station: neither the station's equation
// under the typed latitude nor its source stays, and "&Fechar" has nothing to hand back.
TEST_F(EscolhaInteiraTest, PontoDigitadoForaDoEstadoNaoDeixaAEquacaoDaEstacao)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    bool abertaDepoisDoOk = false;
    std::string latitudeDaEstacao;
    const int resultado = executaModal([&] {
        TfrmFoConsulta& j = *janela;
        latitudeDaEstacao = j.TxtLatitude;
        ASSERT_TRUE(haEquacao(legendas()));
        j.PrecLaAux->setText(QStringLiteral("20°00'00\""));
        j.PrecLoAux->setText(QStringLiteral("39°00'00\""));
        j.Calculalalo->click();
        confereNadaDaEscolha(j.BD.Estacoes[12][0].Nome, latitudeDaEstacao);
        j.BtnOk->click();
        abertaDepoisDoOk = j.isVisible();
        j.BtnCancel->click();
    });
    EXPECT_EQ(resultado, TfrmFoConsulta::mrCancel);
    EXPECT_TRUE(abertaDepoisDoOk);
    EXPECT_EQ(mensagens, (QStringList{QStringLiteral("Longitude 39°00'00\" não definida."), q(MensagemSemEquacao)}));
}

// After a locality, a typed point the bounds refuse: the locality does not stay selected
// while "&Fechar" asks for a choice.
TEST_F(EscolhaInteiraTest, PontoDigitadoRecusadoDepoisDeUmaLocalidadeNaoDeixaSelecao)
{
    const dados_teste::TEmUso dados;
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    clicaItem(j.LBLocalidade, 0);
    ASSERT_EQ(j.LBLocalidade->ItemIndex(), 0);
    ASSERT_TRUE(haEquacao(legendas()));

    j.PrecLaAux->setText(QStringLiteral("20°00'00\""));
    j.PrecLoAux->setText(QStringLiteral("39°00'00\""));
    j.Calculalalo->click();
    EXPECT_EQ(mensagens, QStringList{QStringLiteral("Longitude 39°00'00\" não definida.")});
    confereNadaDaEscolha("Lugar Azul", dados_teste::lugarAzul.latitude);
    EXPECT_EQ(j.IndLocalidade, 0);
}

// The localities of São Paulo cannot be read when the user chooses it: the window stays on
// Minas Gerais as it was, title, lists, pick and picture together, so a click on the list
// picks the station of Minas Gerais it names.
TEST_F(EscolhaInteiraTest, LocalidadesIlegiveisNaMudancaDeixamAJanelaComoEstava)
{
    const struct {
        const char* caso;
        std::function<void(const arquivos::TPastaTeste&)> estraga;
        std::string fim;
    } casos[] = {
        {"danificado",
         [](const arquivos::TPastaTeste& pasta) {
             const std::string inteiro = leArquivo(pastaDadosNimbra() + ArquivoLocalidades);
             pasta.grava(ArquivoLocalidades, inteiro.substr(0, inteiro.size() / 2));
         },
         " está incompleto ou danificado."},
        {"ausente", [](const arquivos::TPastaTeste& pasta) { pasta.apaga(ArquivoLocalidades); }, " não existe."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        mensagens.clear();
        arquivos::TPastaTeste pasta;
        copiaDados(pasta, {ArquivoEstacoes, ArquivoLocalidades, "MG.bmp", "SP.bmp"});
        TfrmFoConsulta::definePastaDados(pasta.caminho());
        cria({.IndEstado = 12, .IndEstacao = 0});
        ASSERT_TRUE(mostra());
        TfrmFoConsulta& j = *janela;
        clicaItem(j.LBEstacao, 3);
        const QString titulo = j.windowTitle();
        const QStringList estacoes = itens(j.LBEstacao);
        const QStringList localidades = itens(j.LBLocalidade);
        const TLegendasEquacao mostradas = legendas();
        const QImage minas = j.EstadoBMP->figura();
        caso.estraga(pasta);

        escolheEstado(24);
        EXPECT_EQ(mensagens, QStringList{q("O arquivo " + pasta.caminho() + ArquivoLocalidades + caso.fim)});
        EXPECT_EQ(j.Estado.Indice(), 12);
        EXPECT_EQ(j.Estados->currentIndex(), 12);
        EXPECT_EQ(j.windowTitle(), titulo);
        EXPECT_EQ(itens(j.LBEstacao), estacoes);
        EXPECT_EQ(itens(j.LBLocalidade), localidades);
        EXPECT_EQ(nomes(j.BD.Localidades), localidades);
        EXPECT_EQ(j.LBEstacao->ItemIndex(), 3);
        EXPECT_EQ(j.IndEstacao, 3);
        EXPECT_EQ(j.EstacaoAtual, j.BD.Estacoes[12][3]);
        EXPECT_EQ(legendas(), mostradas);
        EXPECT_EQ(j.EstadoBMP->figura(), minas);
        EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(12));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);

        clicaItem(j.LBEstacao, 0);
        EXPECT_EQ(j.EstacaoAtual, j.BD.Estacoes[12][0]);
        EXPECT_EQ(q(j.StrCidade), j.LBEstacao->item(0)->text());
    }
}

// At the first showing there is no state on show to keep: the state comes on the map of
// Brazil with its stations, and the user is told once.
TEST_F(EscolhaInteiraTest, LocalidadesIlegiveisNaAberturaMostramOEstadoNoMapaDoBrasil)
{
    arquivos::TPastaTeste pasta;
    copiaDados(pasta, {ArquivoEstacoes, "MG.bmp"});
    pasta.grava(ArquivoLocalidades, "danificado");
    TfrmFoConsulta::definePastaDados(pasta.caminho());
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;

    EXPECT_EQ(mensagens,
              QStringList{q("O arquivo " + pasta.caminho() + ArquivoLocalidades + " está incompleto ou danificado.")});
    EXPECT_EQ(j.Estado.Indice(), 12);
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1 - Estado: Minas Gerais     "));
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_TRUE(j.EstadoBMP->isHidden());
    EXPECT_EQ(itens(j.LBEstacao), nomes(j.BD.Estacoes[12]));
    EXPECT_TRUE(j.BD.Localidades.empty());
    EXPECT_TRUE(j.LBLocalidade->isHidden());
    EXPECT_TRUE(Chamador.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Empty, not a bitmap, a header no memory could hold, a folder: the picture of Bahia is
// there but cannot be shown, so the window goes back to Minas Gerais whole, its title,
// stations and picture together.
TEST_F(EscolhaInteiraTest, FiguraDoEstadoIlegivelVoltaAoEstadoAnteriorInteiro)
{
    const std::optional<std::string> figuras[] = {std::string(), std::string("não sou uma figura"),
                                                  cabecalhoAbsurdo(), std::nullopt};
    for (const std::optional<std::string>& bytes : figuras) {
        mensagens.clear();
        arquivos::TPastaTeste pasta;
        copiaDados(pasta, {ArquivoEstacoes, ArquivoLocalidades, "MG.bmp"});
        if (bytes)
            pasta.grava("BA.bmp", *bytes);
        else
            std::filesystem::create_directory(pasta.caminho() + "BA.bmp");
        TfrmFoConsulta::definePastaDados(pasta.caminho());
        cria();
        ASSERT_TRUE(mostra());
        TfrmFoConsulta& j = *janela;
        const QImage minas = j.EstadoBMP->figura();

        escolheEstado(4);
        EXPECT_EQ(mensagens, QStringList{q(mudancaEstado(4, pasta.caminho()).MensagemFiguraIlegivel)});
        EXPECT_EQ(j.Estado.Indice(), 12);
        EXPECT_EQ(j.Estados->currentIndex(), 12);
        EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1 - Estado: Minas Gerais     "));
        EXPECT_EQ(itens(j.LBEstacao), nomes(j.BD.Estacoes[12]));
        EXPECT_EQ(j.EstadoBMP->figura(), minas);
        EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(12));
        clicaItem(j.LBEstacao, 3);
        EXPECT_EQ(j.EstacaoAtual, j.BD.Estacoes[12][3]);
    }
}

// A coordinate typed in part is refused when the user leaves its edit, by its name and in
// Portuguese, and the edit keeps the focus; a whole one, or leaving for "&Cancelar", passes.
TEST_F(EscolhaInteiraTest, CoordenadaIncompletaRecusadaAoSairDaEdicao)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));

    const auto digita = [](TMaskEdit* edicao, const char* texto) {
        edicao->setFocus(Qt::OtherFocusReason);
        edicao->selectAll();
        QTest::keyClicks(edicao, QString::fromLatin1(texto));
    };
    const auto sai = [](Qt::Key tecla) {
        QTest::keyClick(QApplication::focusWidget(), tecla);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    };
    digita(j.PrecLoAux, "4");
    sai(Qt::Key_Backtab);
    EXPECT_EQ(mensagens, QStringList{QStringLiteral(
                             "Longitude incompleta: digite os dois algarismos dos graus, dos minutos e dos segundos.")});
    EXPECT_EQ(QApplication::focusWidget(), j.PrecLoAux);

    mensagens.clear();
    digita(j.PrecLaAux, "201530");
    sai(Qt::Key_Tab);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(j.PrecLaAux->Text(), QStringLiteral("20°15'30\""));
    EXPECT_NE(QApplication::focusWidget(), j.PrecLaAux);

    digita(j.PrecLaAux, "2");
    QTest::mouseClick(j.BtnCancel, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(mensagens.isEmpty());
}
