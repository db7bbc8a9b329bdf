#pragma once
// The evaluation report: one page with the project's identification, the data entered,
// the results and the section chart, printed over one whole sheet. It is filled once, when
// first shown, with the page its creator makes then, and keeps nothing of the windows the
// page came from: its chart draws series of its own from the same lines, so the report
// outlives the project it was made from.
#include "app/nucleo/TLinhaGrafico.h"
#include "app/nucleo/TTextosRelatorio.h"

#include <QDialog>
#include <QPicture>
#include <QPointer>

#include <functional>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class TGrafico;

// What the report's page shows: the text of every value and the lines of the section chart.
struct TPaginaRelatorio {
    TTextosRelatorio textos;
    std::vector<TLinhaGrafico> linhasGrafico;
};

class TFRelatorioAvaliacao : public QDialog {
    Q_OBJECT
public:
    // `montaPagina` makes the page when the report first shows; without it the page keeps
    // its blank values.
    explicit TFRelatorioAvaliacao(std::function<TPaginaRelatorio()> montaPagina = {}, QWidget* dono = nullptr);

    // The page and its parts, top to bottom.
    QScrollArea* ScrollBox1;
    QFrame* Panel1;
    QFrame* Panel2;
    QLabel* LTitulo;
    QPushButton* Button1; // "Imprimir"
    QPushButton* Button2; // "Fechar"
    QFrame* Splitter1;
    QFrame* Panel3;
    QFrame* Panel4;
    TGrafico* Chart1;

    // Value labels of Panel3.
    QLabel* LIdentificacaoTerraco;
    QLabel* LEstado;
    QLabel* LMunicipio;
    QLabel* LProprietario;
    QLabel* LResponsavel;
    QLabel* LDataDoLevantamento;
    QLabel* LLocalidade;
    QLabel* LT;
    QLabel* Lk;
    QLabel* La;
    QLabel* Lb;
    QLabel* Lc;
    QLabel* LPLatitude;
    QLabel* LPLongitude;
    QLabel* LPLocalidade;
    QLabel* LPEstado;
    QLabel* LPMunicipio;
    QLabel* LComprimentoTerraco;
    QLabel* LPerfilSecao;
    QLabel* LTipoLevantamento;
    QLabel* LComprimentoEstrada;
    QLabel* LLarguraEstrada;
    QLabel* LTieAgricola;
    QLabel* LRLESAgricola;
    QLabel* LRLESEstrada;
    QLabel* LRAcAgricola;
    QLabel* LRAcEstrada;
    QLabel* LRCrista;
    QLabel* LRBigode;
    QLabel* LRVe;
    QLabel* LRVn;
    QLabel* LRVeVn;
    QLabel* LRAvaliacao;
    QLabel* LRObservacao;
    QLabel* LRObservaContinua;
    // Why the results have no verdict, in the observation's room, which such results
    // leave empty; hidden, with the observation's caption shown, when there is a verdict.
    QLabel* LRMotivoSemAvaliacao;

    void FormShow();
    // Writes the page made now into the labels, and draws its lines on the report's own
    // chart.
    void preencheCamposRelatorio();
    // "Imprimir": the page without its buttons, stretched over one sheet as lines and
    // text.
    void imprimirRelatorioAvaliacaoCilck();
    // "Fechar": tells the owner, then closes this report, which then goes.
    void fecharRelatorioAvaliacaoCilck();

    // The page as it stands, recorded as drawing over its own size; "Imprimir" records
    // it with the two buttons hidden.
    QPicture desenhoDaPagina();

    // The name of the printed document.
    static const QString documento;

signals:
    // "Fechar", Esc or a close the window system asked for: the owner forgets the report,
    // and the main menu's report item goes off until the next evaluation.
    void fechado();

protected:
    void showEvent(QShowEvent* evento) override;
    // Esc, and a close asked by the window system, do what "Fechar" does.
    void reject() override;

private:
    void criaPagina();
    void criaRotulos();
    void mostraTextos(const TTextosRelatorio& textos);
    void mostraMotivoSemAvaliacao(const std::string& motivo);
    int dispoeLinha(int topo);
    static int ajustaValor(QLabel* valor, int largura);
    void desceAbaixoDasQuebras(const std::vector<std::pair<int, int>>& crescimentos);

    std::vector<QLabel*> legendas_;  // the caption of each value, none for the observation's second line

    std::function<TPaginaRelatorio()> montaPagina_;

    bool preenchido_ = false;
    bool fechando_ = false;
};

inline QPointer<TFRelatorioAvaliacao> FRelatorioAvaliacao;
