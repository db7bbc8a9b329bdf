// The faults the window guards against: each test fails on a window without its guard.
#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "plataforma/TImagem.h"
#include "plataforma/TListBox.h"
#include "plataforma/TMaskEdit.h"

#include <QStackedWidget>

#include <cmath>

// Message boxes, the about and source windows and other programs take the focus and give
// it back: the restore must not run again over what the user did since.
TEST_F(ConsultaTest, ARestauracaoRodaSoNaPrimeiraVezQueAJanelaAparece)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.PrecLaAux->setText(QStringLiteral("21°00'00\""));
    j.LBEstacao->setItemIndex(4);
    escolheEstado(24);
    j.LBEstacao->setItemIndex(2);

    QEvent ativa(QEvent::WindowActivate);
    QApplication::sendEvent(&j, &ativa);
    j.hide();
    j.show();
    j.activateWindow();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    EXPECT_EQ(j.Estado.Indice(), 24);
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1 - Estado: São Paulo     "));
    EXPECT_EQ(j.LBEstacao->ItemIndex(), 2);
    j.PrecLaAux->setText(QStringLiteral("22°00'00\""));
    QApplication::sendEvent(&j, &ativa);
    QCoreApplication::processEvents();
    EXPECT_EQ(j.PrecLaAux->Text(), QStringLiteral("22°00'00\""));
}

// Opening on a state whose picture is gone: the state before is that same state, so going
// back would fail again and again. It goes back once, then shows the state on the map of
// Brazil with its stations, and says so once.
TEST_F(ConsultaTest, FiguraAusenteNaAberturaMostraOEstadoNoMapaDoBrasil)
{
    arquivos::TPastaTeste pasta;
    copiaDados(pasta, {ArquivoEstacoes, ArquivoLocalidades});
    TfrmFoConsulta::definePastaDados(pasta.caminho());
    cria({.IndEstado = 12, .IndEstacao = 2});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;

    EXPECT_EQ(mensagens, QStringList{QStringLiteral(
                             "Erro. Não foi possível localizar o arquivo BMP do estado selecinado (Minas Gerais).")});
    EXPECT_EQ(j.Estado.Indice(), 12);
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1 - Estado: Minas Gerais     "));
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_TRUE(j.EstadoBMP->isHidden());
    EXPECT_FALSE(j.PrecLaAux->isEnabled());
    EXPECT_FALSE(j.Calculalalo->isEnabled());
    EXPECT_EQ(itens(j.LBEstacao), nomes(j.BD.Estacoes[12]));
    EXPECT_TRUE(j.LBLocalidade->isHidden());
    EXPECT_TRUE(Chamador.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ConsultaTest, FiguraAusenteTambemNoEstadoAnteriorMostraEsteNoMapaDoBrasil)
{
    arquivos::TPastaTeste pasta;
    copiaDados(pasta, {ArquivoEstacoes, ArquivoLocalidades, "MG.bmp"});
    TfrmFoConsulta::definePastaDados(pasta.caminho());
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    ASSERT_FALSE(j.EstadoBMP->isHidden());
    pasta.apaga("MG.bmp");
    j.IndEstacao = 5;

    escolheEstado(4);
    EXPECT_EQ(mensagens, QStringList{QStringLiteral(
                             "Erro. Não foi possível localizar o arquivo BMP do estado selecinado (Bahia).")});
    EXPECT_EQ(j.Estado.Indice(), 12);
    EXPECT_EQ(j.Estados->currentIndex(), 12);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_TRUE(j.EstadoBMP->isHidden());
    EXPECT_EQ(itens(j.LBEstacao), nomes(j.BD.Estacoes[12]));
    EXPECT_EQ(j.IndEstacao, 0);
}

// A station position kept from another state, or a locality beyond the list: nothing is
// selected and no pick reads a record that is not there.
TEST_F(ConsultaTest, PosicaoGuardadaAlemDaListaNaoSelecionaNemEscolhe)
{
    cria({.IndEstado = 12, .IndEstacao = 500, .IndLocalidade = 0});
    ASSERT_TRUE(mostra());
    EXPECT_EQ(janela->LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(janela->LBLocalidade->ItemIndex(), 0);
    EXPECT_EQ(janela->IndEstacao, 500);

    cria({.IndEstado = 12, .IndEstacao = -1, .IndLocalidade = 5000});
    ASSERT_TRUE(mostra());
    EXPECT_EQ(janela->LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(janela->LBLocalidade->ItemIndex(), -1);
    EXPECT_EQ(janela->IndLocalidade, 5000);

    // Goiás has three stations and no localities read.
    cria({.IndEstado = 8, .IndEstacao = 40, .IndLocalidade = 0});
    ASSERT_TRUE(mostra());
    EXPECT_EQ(janela->LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(janela->LBLocalidade->ItemIndex(), -1);
    EXPECT_EQ(janela->IndEstacao, 40);
    EXPECT_TRUE(mensagens.isEmpty());
}

// Before any state with a picture has been chosen in this run the bounds are all zero:
// converting would divide zero by zero.
TEST_F(ConsultaTest, SemLimitesAsConversoesNaoFazemNada)
{
    LimitesMapa = TLimitesMapa{};
    TfrmFoConsulta& j = cria({.IndEstado = 8, .Latitude = "16°40'00\"", .Longitude = "49°15'00\""});
    PontoX = 7;
    PontoY = 9;
    j.pontoDasCoordenadas();
    EXPECT_EQ(PontoX, 7);
    EXPECT_EQ(PontoY, 9);

    j.EstadoBMP->defineFigura(QImage(QString::fromStdString(pastaDadosNimbra() + "MG.bmp")));
    ASSERT_EQ(j.EstadoBMP->Pixels(226, 227), qRgb(0, 0, 255));
    j.PrecLaAux->setText(QStringLiteral("16°40'00\""));
    j.EstadoBMPMouseMove(226, 227);
    EXPECT_EQ(j.PrecLaAux->Text(), QStringLiteral("16°40'00\""));
    EXPECT_EQ(j.PrecLoAux->Text(), QString::fromStdString(CoordenadaVazia));
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::CrossCursor);

    // Nothing but zero lies inside zero bounds.
    j.setLatitudeDec(15.2);
    EXPECT_EQ(j.TxtLatitude, "16°40'00\"");
}

// The files hold each state's names in the order of the lists; the widget must not sort
// them again by a collation of its own, or a position would name another record.
TEST_F(ConsultaTest, ListasNaOrdemDoArquivo)
{
    arquivos::TPastaTeste pasta;
    arquivos::TSecoes estacoes;
    for (const char* nome : {"Zé Doca", "abaeté", "Águas Vermelhas", "Abaeté"})
        estacoes[12].registros.push_back(arquivos::estacao({.nome = nome}));
    arquivos::TSecoes localidades;
    for (const char* nome : {"Viçosa", "Araxá", "Éden"})
        localidades[12].registros.push_back(arquivos::localidade(nome, "20°00'00\"", "45°00'00\""));
    pasta.grava(ArquivoEstacoes, arquivos::arquivo(estacoes));
    pasta.grava(ArquivoLocalidades, arquivos::arquivo(localidades));
    copiaDados(pasta, {"MG.bmp"});
    TfrmFoConsulta::definePastaDados(pasta.caminho());

    cria();
    ASSERT_TRUE(mostra());
    EXPECT_EQ(itens(janela->LBEstacao),
              (QStringList{QStringLiteral("Zé Doca"), QStringLiteral("abaeté"), QStringLiteral("Águas Vermelhas"),
                           QStringLiteral("Abaeté")}));
    EXPECT_EQ(itens(janela->LBLocalidade),
              (QStringList{QStringLiteral("Viçosa"), QStringLiteral("Araxá"), QStringLiteral("Éden")}));
    EXPECT_TRUE(mensagens.isEmpty());
}

// A stations file that is cut, empty or missing when the window is created: the user is
// told once, and every state then opens with no stations.
TEST_F(ConsultaTest, ArquivoDeEstacoesIlegivelDeixaVinteESeteEstadosVazios)
{
    arquivos::TSecoes secoes;
    secoes[12].registros.push_back(arquivos::estacao({.nome = "Viçosa"}));
    const std::string inteiro = arquivos::arquivo(secoes);
    const struct {
        const char* nome;
        std::optional<std::string> bytes;
        const char* fim;
    } casos[] = {
        {"cortado", inteiro.substr(0, inteiro.size() - 40), " está incompleto ou danificado."},
        {"vazio", std::string(), " está incompleto ou danificado."},
        {"ausente", std::nullopt, " não existe."},
    };
    for (const auto& caso : casos) {
        mensagens.clear();
        arquivos::TPastaTeste pasta;
        if (caso.bytes)
            pasta.grava(ArquivoEstacoes, *caso.bytes);
        copiaDados(pasta, {ArquivoLocalidades, "MG.bmp"});
        TfrmFoConsulta::definePastaDados(pasta.caminho());

        cria();
        ASSERT_EQ(mensagens.size(), 1) << caso.nome;
        EXPECT_EQ(mensagens[0], QString::fromStdString("O arquivo " + pasta.caminho() + ArquivoEstacoes + caso.fim))
            << caso.nome;
        EXPECT_EQ(janela->BD.Estacoes.size(), 27u) << caso.nome;

        ASSERT_TRUE(mostra()) << caso.nome;
        EXPECT_EQ(janela->LBEstacao->count(), 0) << caso.nome;
        EXPECT_GT(janela->LBLocalidade->count(), 0) << caso.nome;
        escolheEstado(8);
        escolheEstado(24);
        EXPECT_EQ(mensagens.size(), 2) << caso.nome; // São Paulo's picture is not there
        EXPECT_EQ(janela->Estado.Indice(), 8) << caso.nome;
    }
}
