#pragma once
// The consultation of the rainfall-equation database: a state chosen in the list or on the
// map of Brazil, then a station, a locality or a point on the state's picture, with the
// equation's K, a, b and c and the key of its source. Shown modally; its outcome is mrOk
// ("&Fechar" or Enter) or mrCancel ("&Cancelar", Esc or the close box).
//
// Whoever opens it sets the state (Estado), the list positions to restore (IndEstacao,
// IndLocalidade), the point (setLatitude, setLongitude) and ShowAbout, then shows it. Its
// first showing brings that choice back; on mrOk the choice is read from the same fields,
// from Autoria and from the captions of PrecK, PrecA, PrecB and PrecC.
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/TBDPrecipitacao.h"
#include "rainfall_equations/nucleo/TEscolhaConsulta.h"
#include "rainfall_equations/nucleo/TEstacao.h"
#include "rainfall_equations/nucleo/TEstado.h"
#include "rainfall_equations/nucleo/TLimitesMapa.h"
#include "rainfall_equations/nucleo/TLocalidade.h"
#include "rainfall_equations/nucleo/TMudancaEstado.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class TImagem;
class TListBox;
class TMaskEdit;

class TfrmFoConsulta : public QDialog {
    Q_OBJECT
public:
    static constexpr int mrOk = 1;
    static constexpr int mrCancel = 2;

    // The pages of Notebook1.
    static constexpr int paginaBrasil = 0;
    static constexpr int paginaEstados = 1;

    explicit TfrmFoConsulta(QWidget* dono = nullptr);

    QMenuBar* MainMenu1;
    QAction* MapadoBrasil1;
    QAction* Relatrio1;
    QMenu* Ajuda1;
    QAction* Contedo1;
    QAction* N2;
    QAction* ObterAjudaSobre1;
    QAction* N1;
    QAction* Sobre1;

    // The map area: the map of Brazil (page 0) or the state's picture (page 1).
    QFrame* Panel3;
    QStackedWidget* Notebook1;
    QFrame* Panel8;
    TImagem* BrasilBMP;
    QLabel* NomeCid;
    QLabel* LabelLatitude;
    QLabel* LabelLongitude;
    QLabel* LatCid;
    QLabel* LonCid;
    QFrame* Panel1;
    TImagem* EstadoBMP;
    QFrame* EixoX;
    QFrame* EixoY;
    QLabel* LabelLat;
    QLabel* LabelLon;

    // The state and the lists.
    QComboBox* Estados;
    QFrame* Panel4;
    TListBox* LBEstacao;
    QLabel* LLocalidades;
    TListBox* LBLocalidade;
    QLabel* lAviso;
    QPushButton* Autor;
    QPushButton* BtnRelat;
    QPushButton* BtnAjuda;
    QPushButton* BtnCancel;
    QPushButton* BtnOk;

    // The point and the parameters.
    QGroupBox* GroupBox2;
    QLabel* Label18;
    TMaskEdit* PrecLaAux;
    QLabel* Label17;
    TMaskEdit* PrecLoAux;
    QPushButton* Calculalalo;
    QGroupBox* Precipitacao;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* PrecK;
    QLabel* PrecA;
    QLabel* PrecB;
    QLabel* PrecC;

    // True until an activation has shown the about window.
    bool PrimeiraAtivacao = true;
    // The current point: its texts (nine characters, degrees south and west) and degrees.
    std::string TxtLatitude;
    std::string TxtLongitude;
    // The station or locality picked, "Não definida" for a point.
    std::string StrCidade;
    double LatitudeDec = 0.0;
    double LongitudeDec = 0.0;
    TBDPrecipitacao BD;
    TEstado Estado;
    // The station on show, or the equation of the last locality.
    TEstacao EstacaoAtual;
    // List positions the first showing selects again; -1 for none.
    std::int16_t IndEstacao = 0;
    std::int16_t IndLocalidade = 0;
    // Show the about window when the consultation is first shown.
    bool ShowAbout = false;
    // The source key accepted with "&Fechar"; empty when the source button read "Autor".
    std::string Autoria;

    // Brings back the choice the fields hold: the state, the station or locality at the
    // kept position, or the point. Runs once, when the window is first shown.
    void FormActivate();
    // The state selected in Estados comes on show with its map, lists and, unless the
    // first showing runs it, its first station. Everything the state shows is read before
    // the window changes. A state picture that is not there, or that cannot be read,
    // takes the window back to the state before, once; when that picture fails too, the
    // state before is shown on the map of Brazil. Localities that cannot be read leave the
    // window as it was, with the state before selected in Estados. Either way the user is
    // told once; a first showing that fails shows its state on the map of Brazil.
    void EstadosClick();
    void preencheListas();
    void limpaTela();
    // Keeps the list positions and the source key and closes with mrOk; with no equation
    // on show the user is told so and the window stays open.
    void BtnOkClick();
    void BtnCancelClick();
    void BtnAjudaClick();
    void Contedo1Click();
    void ObterAjudaSobre1Click();
    void Sobre1Click();

    // The point from coordinate texts. While the state picture is on show a value outside
    // its bounds raises "Latitude <text> não definida." ("Longitude ...") and is not kept.
    void setLatitude(const std::string& texto);
    void setLongitude(const std::string& texto);
    // The point from degrees, kept with its truncated text only inside the bounds.
    void setLatitudeDec(double v);
    void setLongitudeDec(double v);
    // PontoX and PontoY from LongitudeDec and LatitudeDec; with no bounds yet, nothing.
    void pontoDasCoordenadas();
    // The crosshair and its labels at the rounded PontoX, PontoY, or at picture pixel (X, Y).
    void posicionaEixos();
    void posicionaEixosEm(int X, int Y);
    // The place block of the map of Brazil.
    void mostraCidade();
    // The coordinates under the mouse in the edits, and the cursor that tells whether the
    // mouse is over the state: the cross over it, the arrow off it.
    void EstadoBMPMouseMove(int X, int Y);
    // Any key typed in either coordinate edit hides the crosshair and the place labels.
    void PrecLaAuxKeyPress(QChar& Key);
    // The user left the coordinate edit `campo` ("Latitude", "Longitude") after typing in
    // it: a text typed in part is refused with a message naming the field, and the edit
    // takes the focus back.
    void coordenadaDeixada(TMaskEdit* edicao, const std::string& campo);

    // The picks. Each shows the equation's K, a, b and c with 3 decimals, the key of its
    // source on the Autor button and, where the point falls on the state, the crosshair.
    // A pick is worked out whole first (TEscolhaConsulta): one that fails tells the user
    // why and leaves no equation, no source and nothing selected in the lists on show,
    // and nothing else of the window changes. The first showing runs them to bring a
    // choice back, and a chosen state runs the station pick. With nothing selected in the
    // list, a list pick does nothing.
    //
    // A station: its own equation and source key. On the map of Brazil (a state without a
    // picture) its name and coordinates go to the place block, and the notice on Goiás
    // data shows for the stations of Goiás that cite that source.
    void LBEstacaoClick();
    // A locality: the equation interpolated at its coordinates, "Interpolação".
    void LBLocalidadeClick();
    // A click on the state picture, any button, at picture pixel (X, Y): with the cross
    // cursor (the mouse was last over the state) the point "Não definida" at the pixel's
    // coordinates, truncated to whole seconds, interpolated. A pixel beyond the bounds
    // picks no point and empties the parameters; off the state only the crosshair goes.
    void EstadoBMPMouseUp(int X, int Y);
    // "&Calcular": the point typed in the edits, interpolated exactly as typed, with the
    // crosshair on its pixel; off the state the parameters are emptied. A coordinate
    // typed in part or outside the bounds is refused with a message naming it.
    void CalculalaloClick();

    // The map of Brazil: the hand over a state that can be chosen, the arrow elsewhere; a
    // click chooses the state of that colour, or the one chosen already again.
    void BrasilBMPMouseMove(int X, int Y);
    void BrasilBMPMouseUp(int X, int Y);
    // Back to the map of Brazil; from a state with a picture, Acre is chosen.
    void MapadoBrasil1Click();

    // The full reference of the source on the Autor button.
    void AutorClick();
    // The report of the equation on show, with the picture of the state map.
    void BtnRelatClick();

    // The captions of PrecK, PrecA, PrecB and PrecC as shown.
    TLegendasEquacao legendasMostradas() const;

    // Esc and the close box give mrCancel.
    void reject() override;

    // The shared data folder the window reads (pastaDadosNimbra()). For tests: another
    // folder, ending in "/"; an empty text brings the program's own back.
    static std::string pastaDados();
    static void definePastaDados(const std::string& pasta);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormCreate();
    void criaMenu();
    void criaMapa(QWidget* area);
    void criaListas(QWidget* area);
    void criaBotoes(QWidget* area);
    void criaPonto(QWidget* area);
    void criaParametros(QWidget* area);
    void ligaEventos();
    // Everything a change of state shows, read before the window changes.
    struct TEstadoLido {
        int Indice = 0;
        TMudancaEstado Mudanca;
        // Mudanca's map, or the map of Brazil for a state with a picture shown without it.
        TMapaEstado Mapa = TMapaEstado::Brasil;
        QImage Figura;
        std::vector<TLocalidade> Localidades;
    };
    // Why a state cannot come on show: what the user is told, and whether the window goes
    // back to the state before (its picture failed) or stays as it was (its localities).
    struct TFalhaEstado {
        std::string Mensagem;
        bool VoltaAoAnterior = false;
    };
    // The state change for `indice`, shown whole, or, with the window as it was, why it
    // cannot be. `comFigura` false shows a state with a picture on the map of Brazil,
    // which reads neither its picture nor its localities.
    std::optional<TFalhaEstado> mudaEstado(int indice, bool comFigura);
    std::variant<TEstadoLido, TFalhaEstado> leEstado(int indice, bool comFigura) const;
    void aplicaEstado(TEstadoLido lido);
    void habilitaPonto(bool habilitado);
    void mostraParametros(const TEstacao& equacao);
    void limpaParametros();
    // The picks over what the window holds now.
    TEscolhaConsulta escolhas() const;
    // Shows a pick whole and gives it; a failed one shows no equation, tells the user and
    // gives nothing. The pick given lives inside `resultado`, which the caller keeps while
    // it reads it.
    const TEscolha* mostraEscolha(const TResultadoEscolha& resultado);
    void mostraSemEquacao();
    void mostraNoMapaDoBrasil();
    // The point in the two edits, with the crosshair on `cruz` or hidden.
    void mostraNoMapaDoEstado(const std::optional<TPixel>& cruz);
    void limpaRotulosEixos();
    void escondeEixos();
    void escondeCidade();
    void mostraAviso();
    const std::vector<TEstacao>& estacoesDoEstado() const;
    void mostraSobre();

    bool ativacaoPendente_ = true;
};

// The open consultation window; null when none.
inline QPointer<TfrmFoConsulta> frmFoConsulta;

// The state of the consultation that outlives its windows: set once, never reset.
// The picture pixel of the current point.
inline double PontoX = 0.0;
inline double PontoY = 0.0;
// The bounds of the state picture chosen last; all zero until one is chosen.
inline TLimitesMapa LimitesMapa;
// "FormActivate" while the first showing runs the state change; empty otherwise.
inline std::string Chamador;
