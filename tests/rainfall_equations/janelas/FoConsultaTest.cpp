#include "tests/rainfall_equations/janelas/AmbienteConsulta.h"
#include "models/Utils.h"
#include "plataforma/TImagem.h"
#include "plataforma/TListBox.h"
#include "plataforma/TMaskEdit.h"
#include "rainfall_equations/FoSobreNimbra.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

namespace {

template <class T = QWidget>
T* controle(QWidget* janela, const char* nome)
{
    auto* c = janela->findChild<T*>(QLatin1String(nome));
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

QString legendaEstado(const char* nome)
{
    return QStringLiteral("Nimbra 2.1 - Estado: ") + QString::fromUtf8(nome) + QStringLiteral("     ");
}

QImage figuraDoEstado(const char* sigla)
{
    return QImage(QString::fromStdString(pastaDadosNimbra() + sigla + ".bmp"));
}

} // namespace

// ---- The window as built ---------------------------------------------------------

TEST_F(ConsultaTest, ControlesPeloNomeComLugarTextoEDica)
{
    TfrmFoConsulta& j = cria();
    EXPECT_EQ(j.windowTitle(), QStringLiteral("Nimbra 2.1"));
    EXPECT_EQ(j.objectName(), QStringLiteral("frmFoConsulta"));
    EXPECT_EQ(j.MainMenu1->parentWidget()->size().width(), 742);
    EXPECT_EQ(j.Panel3->parentWidget()->size(), QSize(742, 544));

    const struct {
        const char* nome;
        QRect lugar;
        QString texto;
    } botoes[] = {
        {"Autor", {43, 316, 192, 28}, QStringLiteral("Autor")},
        {"BtnRelat", {495, 402, 100, 28}, QStringLiteral("&Relatório")},
        {"BtnAjuda", {631, 402, 100, 28}, QStringLiteral("&Ajuda")},
        {"BtnCancel", {631, 446, 100, 28}, QStringLiteral("&Cancelar")},
        {"BtnOk", {631, 489, 100, 28}, QStringLiteral("&Fechar")},
        {"Calculalalo", {213, 21, 96, 28}, QStringLiteral("&Calcular")},
    };
    for (const auto& b : botoes) {
        auto* botao = controle<QPushButton>(&j, b.nome);
        EXPECT_EQ(botao->geometry(), b.lugar) << b.nome;
        EXPECT_EQ(botao->text(), b.texto) << b.nome;
    }
    EXPECT_TRUE(j.BtnOk->isDefault());

    const struct {
        const char* nome;
        QRect lugar;
    } lugares[] = {
        {"Panel3", {0, 0, 457, 456}},       {"Notebook1", {3, 3, 450, 450}},   {"BrasilBMP", {0, 0, 450, 450}},
        {"EstadoBMP", {0, 0, 450, 450}},    {"EixoX", {0, 224, 450, 1}},       {"EixoY", {224, 0, 1, 450}},
        {"Panel4", {463, 44, 278, 352}},    {"LBEstacao", {4, 22, 269, 130}},  {"LBLocalidade", {4, 179, 269, 130}},
        {"lAviso", {23, 210, 233, 68}},     {"GroupBox2", {4, 457, 331, 65}},  {"PrecLaAux", {24, 31, 69, 21}},
        {"PrecLoAux", {120, 31, 69, 21}},   {"Precipitacao", {342, 457, 267, 65}}, {"PrecK", {47, 15, 65, 22}},
        {"PrecA", {169, 15, 65, 22}},       {"PrecB", {47, 40, 65, 21}},       {"PrecC", {169, 39, 65, 22}},
    };
    for (const auto& l : lugares)
        EXPECT_EQ(controle(&j, l.nome)->geometry(), l.lugar) << l.nome;
    EXPECT_EQ(j.Estados->geometry().topLeft(), QPoint(514, 7));
    EXPECT_EQ(j.Estados->width(), 182);

    const struct {
        const char* nome;
        QPoint lugar;
        QString texto;
    } rotulos[] = {
        {"NomeCid", {30, 335}, QStringLiteral("NomeCid")},     {"LabelLatitude", {91, 352}, QStringLiteral("0000")},
        {"LabelLongitude", {91, 366}, QStringLiteral("0000")}, {"LatCid", {30, 351}, QStringLiteral("Latitude:")},
        {"LonCid", {30, 365}, QStringLiteral("Longitude:")},   {"LabelLat", {72, 44}, QStringLiteral("0000")},
        {"LabelLon", {72, 58}, QStringLiteral("0000")},        {"LLocalidades", {4, 162}, QStringLiteral("&Localidades :")},
        {"Label18", {24, 12}, QStringLiteral("Latit&ude :")},  {"Label17", {120, 12}, QStringLiteral("L&ongitude :")},
        {"Label1", {33, 20}, QStringLiteral("K:")},            {"Label2", {157, 20}, QStringLiteral("a:")},
        {"Label4", {34, 44}, QStringLiteral("b:")},            {"Label3", {157, 44}, QStringLiteral("c:")},
    };
    for (const auto& r : rotulos) {
        auto* rotulo = controle<QLabel>(&j, r.nome);
        EXPECT_EQ(rotulo->pos(), r.lugar) << r.nome;
        EXPECT_EQ(rotulo->text(), r.texto) << r.nome;
    }
    EXPECT_TRUE(j.NomeCid->font().bold());
    EXPECT_TRUE(j.LabelLat->font().bold());
    EXPECT_EQ(j.Label18->buddy(), j.PrecLaAux);
    EXPECT_EQ(j.Label17->buddy(), j.PrecLoAux);
    EXPECT_EQ(j.LLocalidades->buddy(), j.Estados);
    EXPECT_EQ(j.Precipitacao->title(), QStringLiteral(" Parâmetros da Equação IDF "));
    EXPECT_EQ(j.lAviso->font().pixelSize(), 13);
    EXPECT_TRUE(j.lAviso->text().startsWith(QStringLiteral("Dados obtidos por desagragação da chuva de um dia")));

    EXPECT_EQ(j.Estados->toolTip(), QStringLiteral("Estados"));
    EXPECT_EQ(j.LBEstacao->toolTip(), QStringLiteral("Estações"));
    EXPECT_EQ(j.LBLocalidade->toolTip(), QStringLiteral("Localidades"));
    EXPECT_EQ(j.GroupBox2->toolTip(), QStringLiteral("Localização"));
    EXPECT_EQ(j.PrecLaAux->toolTip(), QStringLiteral("Latitude"));
    EXPECT_EQ(j.PrecLoAux->toolTip(), QStringLiteral("Longitude"));
    EXPECT_EQ(j.Precipitacao->toolTip(),
              QStringLiteral("Parâmetros da equação intensidade-duração-freqüência da precipitação"));
    // Hints the window keeps to itself.
    EXPECT_TRUE(j.Calculalalo->toolTip().isEmpty());
    EXPECT_TRUE(j.Autor->toolTip().isEmpty());
}

TEST_F(ConsultaTest, EstadoAoSerCriada)
{
    TfrmFoConsulta& j = cria();
    ASSERT_EQ(j.Estados->count(), 27);
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(j.Estados->itemText(i).toStdString(), NomesEstados[static_cast<std::size_t>(i)]);
    EXPECT_FALSE(j.Estados->isEditable());
    EXPECT_EQ(j.Notebook1->count(), 2);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    EXPECT_TRUE(j.EstadoBMP->isHidden());
    EXPECT_EQ(j.BrasilBMP->figura().size(), QSize(450, 450));
    EXPECT_EQ(j.BrasilBMP->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(j.EstadoBMP->cursor().shape(), Qt::CrossCursor);
    for (QWidget* w : std::initializer_list<QWidget*>{j.EixoX, j.EixoY, j.LabelLat, j.LabelLon, j.NomeCid, j.LatCid,
                                                     j.LonCid, j.lAviso})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(j.EixoX->isEnabled());
    EXPECT_EQ(j.PrecLaAux->Text(), QString::fromStdString(CoordenadaVazia));
    EXPECT_EQ(j.PrecLoAux->Text(), QString::fromStdString(CoordenadaVazia));
    EXPECT_EQ(j.PrecLaAux->maxLength(), 9);
    EXPECT_FALSE(j.LBEstacao->isSortingEnabled());
    EXPECT_FALSE(j.LBLocalidade->isSortingEnabled());

    EXPECT_TRUE(j.PrimeiraAtivacao);
    EXPECT_FALSE(j.ShowAbout);
    EXPECT_TRUE(j.Autoria.empty());
    EXPECT_EQ(j.BD.Estacoes.size(), 27u);
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ConsultaTest, MenuEOrdemDeTabulacao)
{
    TfrmFoConsulta& j = cria();
    const QList<QAction*> principal = j.MainMenu1->actions();
    ASSERT_EQ(principal.size(), 3);
    EXPECT_EQ(principal[0], j.MapadoBrasil1);
    EXPECT_EQ(j.MapadoBrasil1->text(), QStringLiteral("&Mapa do Brasil"));
    EXPECT_EQ(principal[1], j.Relatrio1);
    EXPECT_EQ(j.Relatrio1->text(), QStringLiteral("&Relatório"));
    EXPECT_EQ(principal[2], j.Ajuda1->menuAction());
    EXPECT_EQ(j.Ajuda1->title(), QStringLiteral("&Ajuda"));
    const QList<QAction*> ajuda = j.Ajuda1->actions();
    ASSERT_EQ(ajuda.size(), 5);
    EXPECT_EQ(ajuda[0], j.Contedo1);
    EXPECT_EQ(j.Contedo1->text(), QStringLiteral("&Conteúdo"));
    EXPECT_TRUE(ajuda[1]->isSeparator());
    EXPECT_EQ(ajuda[1]->objectName(), QStringLiteral("N2"));
    EXPECT_EQ(ajuda[2], j.ObterAjudaSobre1);
    EXPECT_EQ(j.ObterAjudaSobre1->text(), QStringLiteral("Obter Ajuda Sobre ..."));
    EXPECT_TRUE(ajuda[3]->isSeparator());
    EXPECT_EQ(ajuda[3]->objectName(), QStringLiteral("N1"));
    EXPECT_EQ(ajuda[4], j.Sobre1);
    EXPECT_EQ(j.Sobre1->text(), QStringLiteral("&Sobre o Nimbra 2.1"));

    const QList<QWidget*> ordem{j.Estados,   j.LBEstacao,   j.LBLocalidade, j.Autor,     j.PrecLaAux, j.PrecLoAux,
                                j.Calculalalo, j.BtnRelat, j.BtnAjuda,     j.BtnCancel, j.BtnOk};
    for (qsizetype i = 0; i + 1 < ordem.size(); ++i) {
        QWidget* proximo = ordem[i]->nextInFocusChain();
        while (!(proximo->focusPolicy() & Qt::TabFocus))
            proximo = proximo->nextInFocusChain();
        EXPECT_EQ(proximo, ordem[i + 1]) << ordem[i]->objectName().toStdString();
    }
}

// ---- First showing and the state change ------------------------------------------

TEST_F(ConsultaTest, PrimeiraAtivacaoEmMinasGerais)
{
    cria({.IndEstado = 12, .IndEstacao = 0});
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    TBDPrecipitacao bd;
    bd.leEstacoes();
    bd.leLocalidades(12);

    EXPECT_EQ(j.windowTitle(), legendaEstado("Minas Gerais"));
    EXPECT_EQ(j.Estados->currentIndex(), 12);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    EXPECT_FALSE(j.EstadoBMP->isHidden());
    EXPECT_EQ(j.EstadoBMP->figura(), figuraDoEstado("MG"));
    EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(12));
    EXPECT_EQ(itens(j.LBEstacao), nomes(bd.Estacoes[12]));
    EXPECT_EQ(itens(j.LBLocalidade), nomes(bd.Localidades));
    EXPECT_FALSE(j.LBLocalidade->isHidden());
    EXPECT_FALSE(j.LLocalidades->isHidden());
    EXPECT_EQ(j.LBEstacao->ItemIndex(), 0);
    EXPECT_EQ(j.IndEstacao, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{j.PrecLaAux, j.PrecLoAux, j.Calculalalo, j.Autor})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    // The first station is on show with its own source.
    const TEstacao& primeira = bd.Estacoes[12][0];
    EXPECT_EQ(j.EstacaoAtual, primeira);
    EXPECT_EQ(j.Autor->text().toStdString(), primeira.Autor);
    EXPECT_EQ(j.PrecK->text().toStdString(), formataNumero(3, primeira.K));
    EXPECT_TRUE(Chamador.empty());
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ConsultaTest, GoiasNoMapaDoBrasilComAPrimeiraEstacao)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.IndEstacao = 5;
    escolheEstado(8);

    EXPECT_EQ(j.windowTitle(), legendaEstado("Goiás"));
    EXPECT_EQ(j.Estado.Indice(), 8);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_TRUE(j.EstadoBMP->isHidden());
    for (QWidget* w : std::initializer_list<QWidget*>{j.PrecLaAux, j.PrecLoAux, j.Calculalalo})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(j.EixoX->isHidden());
    EXPECT_TRUE(j.EixoY->isHidden());
    EXPECT_TRUE(j.LabelLat->text().isEmpty());
    EXPECT_TRUE(j.LBLocalidade->isHidden());
    EXPECT_TRUE(j.LLocalidades->isHidden());
    EXPECT_TRUE(j.BD.Localidades.empty());
    EXPECT_EQ(itens(j.LBEstacao), nomes(j.BD.Estacoes[8]));
    EXPECT_EQ(j.LBEstacao->ItemIndex(), 0);
    // The user's choice opens on the state's first station.
    EXPECT_EQ(j.IndEstacao, 0);
    EXPECT_TRUE(j.Autor->isEnabled());
    // The bounds of the last state with a picture stay in force.
    EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(12));
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ConsultaTest, AmapaDepoisDeMinasGeraisMantemOMapaDeMinas)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.IndEstacao = 5;
    escolheEstado(2);

    EXPECT_EQ(j.windowTitle(), legendaEstado("Amapá"));
    EXPECT_EQ(j.Estado.Indice(), 2);
    EXPECT_TRUE(j.Autor->text().isEmpty());
    EXPECT_FALSE(j.Autor->isEnabled());
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    EXPECT_FALSE(j.EstadoBMP->isHidden());
    EXPECT_EQ(j.EstadoBMP->figura(), figuraDoEstado("MG"));
    for (QWidget* w : std::initializer_list<QWidget*>{j.PrecLaAux, j.PrecLoAux, j.Calculalalo})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(12));
    EXPECT_TRUE(j.LBLocalidade->isHidden());
    // A state without rainfall data has no stations, so none is picked.
    EXPECT_EQ(j.LBEstacao->count(), 0);
    EXPECT_EQ(j.LBEstacao->ItemIndex(), -1);
    EXPECT_EQ(j.IndEstacao, 5);
    EXPECT_EQ(j.PrecLaAux->Text(), QString::fromStdString(CoordenadaZero));

    // The next state enables the source button again.
    escolheEstado(24);
    EXPECT_TRUE(j.Autor->isEnabled());
    EXPECT_EQ(j.EstadoBMP->figura(), figuraDoEstado("SP"));
    EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(24));
    EXPECT_TRUE(mensagens.isEmpty());
}

TEST_F(ConsultaTest, BahiaSemFiguraVoltaAoEstadoAnterior)
{
    arquivos::TPastaTeste pasta;
    copiaDados(pasta, {ArquivoEstacoes, ArquivoLocalidades, "MG.bmp", "SP.bmp"});
    TfrmFoConsulta::definePastaDados(pasta.caminho());
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.IndEstacao = 5;
    escolheEstado(4);

    EXPECT_EQ(mensagens,
              QStringList{QStringLiteral("Erro. Não foi possível localizar o arquivo BMP do estado selecinado (Bahia).")});
    EXPECT_EQ(j.Estado.Indice(), 12);
    EXPECT_EQ(j.Estados->currentIndex(), 12);
    EXPECT_EQ(j.windowTitle(), legendaEstado("Minas Gerais"));
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaEstados);
    EXPECT_FALSE(j.EstadoBMP->isHidden());
    EXPECT_EQ(j.EstadoBMP->figura(), figuraDoEstado("MG"));
    EXPECT_EQ(LimitesMapa, *limitesMapaDoEstado(12));
    EXPECT_EQ(itens(j.LBEstacao), nomes(j.BD.Estacoes[12]));
    EXPECT_FALSE(j.LBLocalidade->isHidden());
    // Back on the state before, its first station is picked again.
    EXPECT_EQ(j.IndEstacao, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // From a state on the map of Brazil the way back leads there again.
    escolheEstado(8);
    escolheEstado(4);
    EXPECT_EQ(mensagens.size(), 2);
    EXPECT_EQ(j.Estado.Indice(), 8);
    EXPECT_EQ(j.Notebook1->currentIndex(), TfrmFoConsulta::paginaBrasil);
    EXPECT_FALSE(j.PrecLaAux->isEnabled());
    EXPECT_TRUE(j.EstadoBMP->isHidden());
}

// ---- Closing -------------------------------------------------------------------------

TEST_F(ConsultaTest, FecharGuardaAsPosicoesEAFonte)
{
    cria({.IndEstado = 12, .IndEstacao = 3, .IndLocalidade = 7});
    const int resultado = executaModal([this] { janela->BtnOk->click(); });
    TfrmFoConsulta& j = *janela;
    EXPECT_EQ(resultado, TfrmFoConsulta::mrOk);
    EXPECT_EQ(j.IndEstacao, 3);
    // The station brought back cleared the locality list's selection.
    EXPECT_EQ(j.IndLocalidade, -1);
    EXPECT_EQ(j.Autoria, j.BD.Estacoes[12][3].Autor);

    // While the source button reads "Autor" no source is handed back.
    cria({.IndEstado = 12, .IndEstacao = 3});
    EXPECT_EQ(executaModal([this] {
                  janela->Autor->setText(QStringLiteral("Autor"));
                  janela->BtnOk->click();
              }),
              TfrmFoConsulta::mrOk);
    EXPECT_EQ(janela->Autoria, "");

    // A point picked on the map leaves both lists without a selection; the source button
    // reads the source key.
    cria({.IndEstado = 12});
    const int comPonto = executaModal([this] {
        janela->LBEstacao->setItemIndex(-1);
        janela->LBLocalidade->setItemIndex(-1);
        janela->Autor->setText(QStringLiteral("Interpolação"));
        QTest::keyClick(janela.get(), Qt::Key_Return);
    });
    EXPECT_EQ(comPonto, TfrmFoConsulta::mrOk);
    EXPECT_EQ(janela->IndEstacao, -1);
    EXPECT_EQ(janela->IndLocalidade, -1);
    EXPECT_EQ(janela->Autoria, "Interpolação");
}

TEST_F(ConsultaTest, CancelarEscECaixaDeFecharDaoCancel)
{
    const std::function<void()> modos[] = {
        [this] { janela->BtnCancel->click(); },
        [this] { QTest::keyClick(janela.get(), Qt::Key_Escape); },
        [this] { janela->close(); },
    };
    for (const auto& modo : modos) {
        cria({.IndEstado = 12, .IndEstacao = 3});
        EXPECT_EQ(executaModal(modo), TfrmFoConsulta::mrCancel);
        EXPECT_EQ(janela->IndEstacao, 3);
        EXPECT_TRUE(janela->Autoria.empty());
    }
    EXPECT_TRUE(mensagens.isEmpty());
}

// ---- About and help ----------------------------------------------------------------

TEST_F(ConsultaTest, SobreUmaVezNaPrimeiraAtivacaoEPeloMenuAQualquerHora)
{
    int vistas = 0;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&vistas] {
        if (frmFoSobreNimbra && frmFoSobreNimbra->isVisible()) {
            ++vistas;
            QTest::mouseClick(frmFoSobreNimbra->imgSplash, Qt::LeftButton);
        }
    });
    vigia.start(5);

    cria({.IndEstado = 12, .ShowAbout = true});
    const int resultado = executaModal([this, &vistas] {
        EXPECT_EQ(vistas, 1);
        EXPECT_FALSE(janela->PrimeiraAtivacao);
        // Focus going away and coming back shows nothing again.
        QEvent ativa(QEvent::WindowActivate);
        QApplication::sendEvent(janela.get(), &ativa);
        QCoreApplication::processEvents();
        EXPECT_EQ(vistas, 1);
        janela->Sobre1->trigger();
        EXPECT_EQ(vistas, 2);
        janela->BtnOk->click();
    }, [this] { return !janela->PrimeiraAtivacao; });
    EXPECT_EQ(resultado, TfrmFoConsulta::mrOk);
    EXPECT_EQ(vistas, 2);
    EXPECT_TRUE(frmFoSobreNimbra.isNull());

    // Without the flag the first showing shows no about window.
    cria({.IndEstado = 12});
    EXPECT_EQ(executaModal([this] { janela->BtnOk->click(); }), TfrmFoConsulta::mrOk);
    EXPECT_EQ(vistas, 2);
    EXPECT_TRUE(janela->PrimeiraAtivacao);
}

TEST_F(ConsultaTest, PedidosDeAjuda)
{
    cria();
    ASSERT_TRUE(mostra());
    TfrmFoConsulta& j = *janela;
    j.BtnAjuda->click();
    j.Contedo1->trigger();
    j.ObterAjudaSobre1->trigger();
    EXPECT_EQ(ajuda, (std::vector<TPedidoAjuda>{{1, 7}, {11, 0}, {1, 7}}));

    // F1 asks for the context of the control in use, or of the nearest one around it.
    ajuda.clear();
    j.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&j));
    for (QWidget* foco : std::initializer_list<QWidget*>{j.Estados, j.LBEstacao, j.LBLocalidade, j.PrecLaAux, j.PrecLoAux,
                                                         j.Calculalalo, j.BtnRelat, j.BtnAjuda, j.BtnOk}) {
        foco->setFocus();
        ASSERT_TRUE(esperaAte([foco] { return QApplication::focusWidget() == foco; }));
        QTest::keyClick(foco, Qt::Key_F1);
    }
    EXPECT_EQ(ajuda, (std::vector<TPedidoAjuda>{{1, 7}, {1, 6}, {1, 4}, {1, 4}, {1, 4}, {1, 2}, {1, 9}, {1, 7}, {1, 0}}));
    EXPECT_EQ(j.Panel3->property("HelpContext").toInt(), 4);
    EXPECT_EQ(j.Precipitacao->property("HelpContext").toInt(), 1);
    EXPECT_EQ(j.GroupBox2->property("HelpContext").toInt(), 2);
}
