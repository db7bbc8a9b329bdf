#pragma once
// The main window: the frame of the whole program, with its menu, tool bars, status bar
// and the area that holds the data-entry window. It owns the project's windows: it creates
// them, hears their events and hands them what they show of each other. It keeps the
// project state and routes every help request to the help control.
#include "app/nucleo/TDadosTerraco.h"
#include "app/nucleo/TEstadoComandos.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class TFEntdados;
class TFIdentificacao;
struct TLigacoesProjeto;

class TFPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFPrincipal(QWidget* pai = nullptr);

    // Project state.
    QString nomeArquivo;        // the project file; empty while none was chosen
    bool projetoSalvo = false;  // last read from or written to its file
    bool projetoAberto = false; // read from a file
    QString arquivoAjuda;       // the help file, full path

    // The multi-document area, and the data-entry window shown inside it as a child;
    // the frame closes with the window.
    QMdiArea* areaMdi() const { return MdiArea1; }
    QMdiSubWindow* mostraJanelaFilha(TFEntdados* janela);

    // Main menu.
    QMenu* Projeto1;
    QAction* Novo1;
    QAction* Abrir1;
    QAction* Salvar1;
    QAction* SalvarComo1;
    QAction* Fechar1;
    QAction* N1;
    QAction* Sair2;
    QAction* N2;
    QAction* Sair1;
    QMenu* Avaliao1;
    QAction* EntradaDeDados1;
    QAction* Simulao1;
    QAction* CapacidadedeArmazenamento1;
    QMenu* Resultados1;
    QAction* CadernetadeCampo1;
    QAction* N3;
    QAction* RelatriodeAvaliao1;
    QAction* N6;
    QAction* Configuraes1;
    QMenu* Ajuda1;
    QAction* Contedo1;
    QAction* N4;
    QAction* Comousaraajuda1;
    QAction* N5;
    QAction* SobreoKastrel1;

    // Tool bars.
    QToolBar* tlbProjeto;
    QToolButton* tbNovo;
    QToolButton* tbAbrir;
    QToolButton* tbSalvar;
    QToolButton* tbFechar;
    QToolBar* tlbConfig;
    QToolButton* tbConfigImpress;
    QToolButton* tbAjuda;
    QToolBar* tlbSair;
    QToolButton* tbSair;
    QToolBar* tlbWeb;
    QToolButton* tbVexo;
    QToolButton* tbKwel;
    QToolButton* tbQor;

    // The tool-bar pictures by index: enabled, and greyed for the project tool bar.
    QList<QPixmap> ilAtivado;
    QList<QPixmap> ilDesativado;

    QTimer* Timer1;
    QAction* Action1; // F1
    QLabel* painelStatus(int indice) const;

    // Handlers.
    void FormShow();
    void FormResize();
    void Timer1Timer();
    void Action1Execute();
    void AjudaClick(QObject* Sender);
    void configuraImpressoraClick();
    void Vexoweb(QObject* Sender);
    void SairClick();
    bool chamarAjudaHtml(std::uint16_t comando, std::uint32_t dados, bool& chamarAjuda);

    // Project commands.
    void NovoClick();
    void AbrirProjetoClick();
    void SalvarClick();
    void SalvarComoClick();
    void FecharProjetoClick();
    void chamarFIdentificacaoClick();
    void EntradaDeDados1Click();
    void CapacidadedeArmazenamento1Click();
    void cadernetaDeCampoClick();
    void RelatorioDeAvaliacaoClick();

    // The project file. Writing takes the identification dialog and the data-entry
    // window as they stand (an identification left empty when there is no dialog); when
    // they hold characters the file cannot keep, it asks first, and writes nothing on
    // "Não" (false). Reading takes the whole file first: only a file read to its end
    // replaces the project's windows with new ones holding it, and becomes the project's
    // file; characters it holds that a save could not keep are named at once.
    bool GravarArquivoTxt();
    void AbrirArquivoTxt(const QString& nome);

    // What the project commands offer after `evento`, on the items and in the flags.
    void aplicaEvento(TEstadoComandos::TEvento evento);

    // A new data-entry window for the project in hand, inside the main window, with
    // the commands that a project with its data entry offers.
    void iniciaEntradaDeDados();
    // Whether the project in hand has its data-entry window.
    bool temEntradaDeDados() const;
    // Unsaved work: whether the project differs from what it was when it was created
    // (a blank one), read or last written.
    bool projetoAlterado() const;

    // For tests: the folder in which the start-up looks for the help file (ending in "/")
    // and what tells it whether the help control is installed. Empty values bring back the
    // program's folder and the help binding.
    static void substituiInicio(const QString& pasta, std::function<bool()> controlePresente);

    // Shown, the window opens maximized.
    void setVisible(bool visivel) override;

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void criaMenu();
    void criaBarras();
    void criaBarraStatus();
    QAction* item(QMenu* menu, const char* nome, const QString& texto,
                  const std::function<void()>& comando = {});
    QAction* separador(QMenu* menu, const char* nome);
    QToolBar* barra(const char* nome);
    QToolButton* botao(QToolBar* barra, const char* nome, const QString& dica, int figura,
                       const std::function<void()>& comando, bool comFiguraDesativada = false);
    void carregaFiguras();
    void mostraFInicial();
    void mudaPaginaEntrada(int pagina);
    void encerraPrograma();
    bool precisaSalvar() const;
    bool perguntaSalvar(bool gravaNoArquivo);
    bool salvaComo();
    QString escolheArquivoParaSalvar();
    bool gravaProjeto(const QString& nome);
    TDadosTerraco dadosDoProjeto() const;
    void descartaJanelasDoProjeto();
    void criaIdentificacao();
    void identificacaoConfirmada(TFIdentificacao* dialogo);
    void identificacaoCancelada();
    TLigacoesProjeto ligacoesProjeto();
    TEstadoComandos estadoComandos() const;
    void aplicaEstado(const TEstadoComandos& estado);

    QMdiArea* MdiArea1;
    QLabel* paineis[2];
    bool jaMostrada = false;
    // The project as it was created, read or last written.
    TDadosTerraco dadosGravados_;
};

inline QPointer<TFPrincipal> FPrincipal;
