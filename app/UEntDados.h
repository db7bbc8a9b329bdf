#pragma once
// The data-entry window: on its first page the terrace's values in an accordion of five
// sections beside a guide picture, on its second the results of an evaluation.
#include "app/nucleo/TAbaCanal.h"
#include "app/nucleo/TAvaliacaoTerraco.h"
#include "app/nucleo/TDadosTerraco.h"
#include "app/nucleo/TGradeEntrada.h"
#include "app/nucleo/TLeituraProjeto.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TGrafico;
class TLabeledEdit;
class TMaskEdit;
class TNimbra21;
class TRadioGroup;
class TStringGrid;

class TFEntdados : public QWidget {
    Q_OBJECT
public:
    // The window is meant to live in the main window's document area: build it, then
    // hand it to mostraNaArea, which takes it out of `dono` and shows it.
    explicit TFEntdados(QWidget* dono = nullptr);

    // A fixed frame with a title and no buttons: the user leaves the window through its
    // own buttons or the main window's commands.
    static Qt::WindowFlags flagsSubjanela();
    // Puts the window into `area` with those flags and shows it, which runs FormShow.
    static QMdiSubWindow* mostraNaArea(QMdiArea* area, TFEntdados* janela);

    // Every value exactly as the controls hold it; the identification is left as the
    // record's default, since another window holds it.
    TDadosTerraco lerDados() const;
    // Writes the values into the controls without running any switch: whoever fills the
    // window runs them afterwards, in the order it needs.
    void escreveDados(const TDadosTerraco& dados);

    // Applies a project file's reading to a freshly shown window: its steps in their
    // order, then the values with every change handler held back.
    void aplicaLeitura(const TLeituraProjeto& leitura);

    // The pages by name: "EntradaDeDados" and "CapacidadeDeArmazenamento".
    void mostraPagina(const QString& nome);
    QString paginaAtiva() const;

    // The guide picture now asked for (it may have failed to load).
    QString imagemAtual() const { return imagemAtual_; }
    void carregaImagem(const QString& nome);

    // Start-up steps, run when the window is first shown.
    void FormShow();

    // The accordion.
    void abaEntradaDadosClick(QObject* sender);
    void ajustaPainelAba(int tag, bool abre);
    void soltaBotaoAba();
    void ajustaPanelImage();

    // "Calcular": the evaluation of the values on show, its results on the results page.
    void BttCalculaClick();
    // Shows the results page as an evaluation left it, failed ones included, with the
    // crest elevations and the section chart.
    void mostraResultado(const TResultadoAvaliacao& resultado);

    // Buttons and the picture.
    void ajudaClick();
    void ajudaRelatorioClick();
    void voltarClick();
    void BttCancelaClick();
    void Image1MouseDown(Qt::MouseButton botao, int x, int y);

    // Switches of the section type, the step option, the survey method and the road.
    void TipoSecaoChange();
    void mudaSecaoTrapezoidalClick();
    void TipoLevantamentoClick();
    void AreaContribuicaoEstradaClick();
    void EdtAreaContibuicaoSemiELarguraEnter();
    void EdtAreaContibuicaoComprimentoEnter();
    void ImagemComprimentoClick();

    // Alignment of the two halves of the data page: the left one keeps to the left
    // edge, the right one to the right edge, whatever their widths.
    void defineLarguraPnEsquerda(int largura);
    void defineLarguraPnDireita(int largura);

    // Tag of the open section (0 until the window is shown) and of the section button
    // clicked last.
    int abaAberta = 0;
    int abaClicada = 0;

    // The crest elevations of the last evaluation, drawn into the crest grids' "Cota"
    // column: the starting end first, then the intermediate points, the far end last.
    std::vector<double> cotasCrista;
    int nPontosCrista = 0;

    // The lines the section chart shows: one per section, then "CBC" and "CE". The
    // evaluation report draws the same lines on a chart of its own.
    std::vector<TLinhaGrafico> seriesGrafico;

    // The place of the last rainfall-equation lookup, for the evaluation report only
    // (never in the project file); empty until a lookup succeeds.
    std::string estadoConsulta;      // the state's full name
    std::string estacaoConsulta;     // the station's name, "-" for an interpolated equation
    std::string localidadeConsulta;  // the locality's name for an interpolated one, else "-"

    // "Gerar relatório": asks the owner for a new evaluation report of this window's
    // project, shown modally over it.
    void Button2Click();
    // The results page as its controls show it, for the report.
    TResultadoAvaliacao resultadoNaTela() const;

    // "Consulta": K, a, b, c, the latitude and the longitude from the rainfall-equation
    // database, and the place for the report. Every lookup opens on Minas Gerais; Cancel
    // changes nothing. Shared data found missing is said so and its installer started;
    // any other error leaves with its own message, the section as it was.
    void chamaNimbra();
    // Copies the choice `consulta` holds into the rainfall edits and the report's place:
    // every text is made before any is written, so a value that cannot be written leaves
    // them all as they were. The return period is the user's and stays.
    void copiaConsulta(const TNimbra21& consulta);
    // The rainfall-equation component of the lookup; its properties stay from one lookup
    // to the next.
    TNimbra21* Nimbra211;

    // Input rules and row commands
    // Key filter of the numeric edits: digits, one decimal separator ("," or "." typed
    // becomes the one in force), at most five decimals; a swallowed key becomes null.
    void apenasDouble(QObject* sender, QChar& key);
    // Key filter of the data grids: digits and separators, with no limit.
    void SGridKeyPress(QChar& key);
    // Only the readings of the crest grids can be edited, never their elevations.
    void SgridCristaSelectCell(QObject* sender, int coluna);
    void SGridCristaDrawCell(QObject* sender, int coluna, int linha, const QRect& area, QPainter* canvas);
    // What the "Cota" column of a crest grid shows in row `linha`.
    QString textoCota(const TStringGrid* grade, int linha) const;
    void SGridCristaInicioClick(QObject* sender);
    void SgridCanalSelectCell(int coluna);
    void SgridAreaContribuicaoSelectCell(int coluna);
    // A right press highlights the open section's row for the popup commands; any other
    // press goes back to editing cells.
    void SgridMiraMouseDown(Qt::MouseButton botao);

    // The "+" and "-" buttons and the popup items act on the grid of the open section.
    void adicionaLinhaClick();
    void removeLinhaClick();
    void InserirLinhaAntesSgridMira();
    void InserirLinhaDepoisSGridMira();
    void Excluirlinha2Click();
    void InserirLinhaAntesStringGrid(TStringGrid* grade);
    void InserirLinhaDepoisStringGrid(TStringGrid* grade);
    void RemoverLinhaStringGrid(TStringGrid* grade);
    // The grid whose length the row commands change: none with sections 1 and 5 open.
    TStringGrid* gradeDaAbaAberta() const;

    QMenu* PopupMenuGridMira;
    QAction* Excluirlinha1;
    QAction* Inserirlinhadepois1;
    QAction* Excluirlinha2;

private:
    void criaMenuGrades();
    void ligaRegrasDeEntrada();
    TStringGrid* gradeDeDados(TGradeEntrada qual) const;
    void insereLinha(TStringGrid* grade, int linha);
    // The kind of one of this window's data grids.
    std::optional<TGradeEntrada> qualGrade(const TStringGrid* grade) const;
    std::optional<TGradeEntrada> gradeAberta() const;

public:
    // Pages
    QStackedWidget* NotePaginas;
    QFrame* PnEntradaDeDados;
    QFrame* PnEsquerda;
    QFrame* PnDireita;
    QFrame* PnCalculaAjudaCancela;
    QPushButton* BttCalcula;
    QPushButton* BttAjuda;
    QPushButton* BttCancela;

    // Precipitação
    QFrame* PnPrecipitacao;
    QToolButton* sbPrecipitacao;
    TLabeledEdit* LblEdtTr;
    QLabel* LblAnos;
    TLabeledEdit* LblEdtK;
    TLabeledEdit* LblEdtA;
    TLabeledEdit* LblEdtB;
    TLabeledEdit* LblEdtC;
    QPushButton* BttConsulta;
    QLabel* LblLatitude;
    TMaskEdit* meLatitude;
    QLabel* LblLongitude;
    TMaskEdit* MELongitude;

    // Canal
    QFrame* PnCanal;
    QToolButton* sbCanal;
    TLabeledEdit* LblEdtComprimentoTerraco;
    QLabel* LblPerfilDaSecaoTransversal;
    QComboBox* CBTipoSecao;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    TStringGrid* SGridCanalSecao;

    // Área de Contribuição
    QFrame* PnAreaDeContribuicao;
    QToolButton* sbAreaDeContribuicao;
    QLabel* Label1;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    TRadioGroup* RadioGTipoDeLevantamento;
    QStackedWidget* NoteAreaDeContribuicao;
    QFrame* PnAreaContribucaoMira;
    TStringGrid* SGridMira;
    QFrame* PnAreaContribucaoTrena;
    TStringGrid* SGridTrena;
    QGroupBox* GroupBox1;
    QRadioButton* RadioButtonNaoContribui;
    QRadioButton* RadioButtonContribui;
    QLineEdit* EdtAreaContibuicaoSemiELargura;
    QLineEdit* EdtAreaContibuicaoComprimento;
    QLabel* Label4;

    // Perfil da Crista
    QFrame* PnPerfiDaCrista;
    QToolButton* sbPerfilDaCrista;
    TStringGrid* SGridCristaInicio;
    TStringGrid* SGridCristaMeio;
    TStringGrid* SGridCristaFim;
    QToolButton* SpeedButton5;
    QToolButton* SpeedButton6;

    // Solo
    QFrame* PnSolo;
    QToolButton* sbSolo;
    TLabeledEdit* LblEdtSoloTIE;

    // Guide picture
    QRadioButton* RButtonSecaoTrapComum;
    QRadioButton* RButtonSecaoTrapComDegrau;
    QFrame* PnBordaImage;
    QLabel* Image1;

    // Results
    QFrame* PnResultados;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label12;
    QLabel* LblRLES;
    QLabel* LblRLESestrada;
    QLabel* Label15;
    QLabel* LblRAc;
    QLabel* LblRAcEstrada;
    TLabeledEdit* LblEdtRCotaCrista;
    TLabeledEdit* LblEdtRCotaBigode;
    TGrafico* Chart1;
    TStringGrid* SGridResultadosAr;
    TStringGrid* SGridRMedia;
    TLabeledEdit* LblEdtRVe;
    TLabeledEdit* LblEdtRVn;
    TLabeledEdit* LblEdtVeVn;
    TLabeledEdit* LblEdtAvaliacao;
    QLabel* Label13;
    // Its "Tag" property tells how the crest stands over the terrace end.
    QPlainTextEdit* MemObs;
    // Why a completed evaluation has no verdict, shown instead of the observation, which
    // such a page leaves empty.
    QLabel* LblMotivoSemAvaliacao;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button1;

signals:
    // "Cancelar": the main window closes the project, this window included.
    void pedidoFecharProjeto();
    // An evaluation ran to its verdict.
    void avaliacaoConcluida();
    // "Gerar relatório".
    void pedidoRelatorio();

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void criaPaginaEntrada();
    void criaSecaoPrecipitacao();
    void criaSecaoCanal();
    void criaSecaoAreaDeContribuicao();
    void criaEstrada();
    void criaSecaoPerfilDaCrista();
    void criaSecaoSolo();
    void criaPainelImagem();
    void criaPaginaResultados();
    void ligaEventos();
    void alinhaAbas();
    void ajustaCanal(const TAbaCanal::TMudanca& mudanca);
    void preparaGrades();
    void iniciaProgramaTerraco();
    void iniciaInstalador();
    // Shows `nome` when section `tag` is open; an empty name keeps the picture on show.
    void carregaImagemDaAba(int tag, const std::string& nome);
    void aplicaEfeito(const TEfeitoTipoSecao& efeito);
    void aplicaEfeito(const TEfeitoLarguraColunas& efeito);
    void aplicaEfeito(const TEfeitoEstrada& efeito);
    void aplicaEfeito(const TEfeitoLevantamento& efeito);
    QFrame* painelDaAba(int tag) const;
    QToolButton* botaoDaAba(int tag) const;
    QWidget* primeiroCampo(int tag) const;

    QString imagemAtual_;
    bool mostrada_ = false;
    // The evaluation of this window's terrace, kept from one run to the next.
    TAvaliacaoTerraco avaliacao_;
};

inline QPointer<TFEntdados> FEntdados;
