#pragma once
// The evaluation report: one page with the project's identification, the data entered,
// the results and the section chart, filled once when shown from the identification
// dialog and the data-entry window, and printed over one whole sheet. Once filled it
// keeps no reference to either window: its chart draws series of its own from the same
// lines, so the report outlives the project it was made from.
#include "app/nucleo/TTextosRelatorio.h"

#include <QDialog>
#include <QPicture>
#include <QPointer>

#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class TGrafico;

class TFRelatorioAvaliacao : public QDialog {
    Q_OBJECT
public:
    explicit TFRelatorioAvaliacao(QWidget* dono = nullptr);

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
    // Copies the texts of the identification dialog and the data-entry window that exist
    // now, and draws the data-entry window's chart lines on the report's own chart.
    void preencheCamposRelatorio();
    // "Imprimir": the page without its buttons, stretched over one sheet as lines and
    // text.
    void imprimirRelatorioAvaliacaoCilck();
    // "Fechar": closes this report; the program forgets it and the main menu's report
    // item goes off until the next evaluation.
    void fecharRelatorioAvaliacaoCilck();

    // The page as it stands, recorded as drawing over its own size; "Imprimir" records
    // it with the two buttons hidden.
    QPicture desenhoDaPagina();

    // The name of the printed document.
    static const QString documento;

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

    bool preenchido_ = false;
    bool fechando_ = false;
};

inline QPointer<TFRelatorioAvaliacao> FRelatorioAvaliacao;
