#include "app/hhctrl/TFAjuda.h"

#include "app/hhctrl/TNavegadorAjuda.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QStyle>
#include <QToolBar>

#include <filesystem>
#include <memory>

namespace {

const QString tituloPadrao = QStringLiteral("Ajuda");

QString texto(const std::string& caminho)
{
    return QString::fromStdString(caminho);
}

} // namespace

TFAjuda::TFAjuda(QWidget* pai)
    : QMainWindow(pai)
    , navegador(new TNavegadorAjuda(this))
{
    setObjectName(QStringLiteral("FAjuda"));
    // The help window belongs to the program that asked for it: left open, it must not
    // keep the program running once the program's own main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tituloPadrao);
    setCentralWidget(navegador);
    resize(860, 640);

    QToolBar* barra = addToolBar(QStringLiteral("Navegação"));
    barra->setObjectName(QStringLiteral("BarraAjuda"));
    barra->setMovable(false);
    barra->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* voltar = barra->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Voltar"),
                                       navegador, &QTextBrowser::backward);
    QAction* avancar = barra->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Avançar"),
                                        navegador, &QTextBrowser::forward);
    acaoInicio = barra->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Início"),
                                  this, &TFAjuda::mostraInicio);
    voltar->setEnabled(false);
    avancar->setEnabled(false);
    acaoInicio->setEnabled(false);
    // The help control is a library of its own, without the program's application object
    // and its guard; these only follow the browser.
    connect(navegador, &QTextBrowser::backwardAvailable, voltar, &QAction::setEnabled);
    connect(navegador, &QTextBrowser::forwardAvailable, avancar, &QAction::setEnabled);
    connect(navegador, &QTextBrowser::sourceChanged, this, &TFAjuda::atualizaTitulo);
}

bool TFAjuda::mostraContexto(const std::string& caminhoArquivo, std::uint32_t contexto)
{
    if (!abreArquivo(caminhoArquivo))
        return false;
    const std::string topico = navegador->arquivo()->topicoDoContexto(contexto);
    if (topico.empty()) {
        navegador->mostraMensagem(QStringLiteral("Tópico não encontrado"),
                                  QStringLiteral("O arquivo de ajuda %1 não tem o tópico de número %2.")
                                      .arg(texto(caminhoArquivo))
                                      .arg(contexto));
        atualizaTitulo();
        return false;
    }
    navegador->mostraTopico(topico);
    atualizaTitulo();
    return true;
}

void TFAjuda::mostraNaFrente(QWidget* janelaModal)
{
    if (parentWidget() != janelaModal)
        passaPara(janelaModal);
    show();
    raise();
    activateWindow();
}

// A new parent takes the window off the screen; one on show comes back where it was, one
// never shown is placed by the window system. Held by a modal window it is a dialog of
// that window, which the window manager keeps with it; standing alone it is a window like
// any other.
void TFAjuda::passaPara(QWidget* dono)
{
    if (QWidget* anterior = parentWidget())
        anterior->removeEventFilter(this);
    const bool visivel = isVisible();
    const QRect lugar = geometry();
    setParent(dono, (windowFlags() & ~Qt::WindowType_Mask) | (dono != nullptr ? Qt::Dialog : Qt::Window));
    if (visivel)
        setGeometry(lugar);
    if (dono != nullptr)
        dono->installEventFilter(this);
}

// The modal window that held the help window has closed (a minimized one only hides from
// the window system, and keeps it): the help window goes to the modal window still open
// under it, or stands alone, and stays on show without taking the focus from the window
// the user returns to. Standing alone it goes behind that window, so it does not cover
// what the user was typing there. Were it left with the closed window, it would go when
// that is freed.
void TFAjuda::deixaJanelaFechada()
{
    const bool visivel = isVisible();
    QWidget* proxima = QApplication::activeModalWidget();
    passaPara(proxima == parentWidget() ? nullptr : proxima);
    if (!visivel)
        return;
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (parentWidget() == nullptr)
        lower();
}

bool TFAjuda::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == parentWidget() && evento->type() == QEvent::Hide && !evento->spontaneous())
        deixaJanelaFechada();
    // A window manager raises a modal window over its own dialogs when the user clicks it:
    // the help goes back above the window that asked for it.
    else if (objeto == parentWidget() && evento->type() == QEvent::WindowActivate && isVisible())
        raise();
    return QMainWindow::eventFilter(objeto, evento);
}

// The file stays open between requests; a file that was missing or unreadable is tried
// again at every request, so help works as soon as the file is in place.
bool TFAjuda::abreArquivo(const std::string& caminhoArquivo)
{
    const TArquivoAjuda* atual = navegador->arquivo();
    if (atual != nullptr && atual->aberto() && atual->caminho() == caminhoArquivo)
        return true;
    std::error_code erro;
    if (caminhoArquivo.empty() || !std::filesystem::is_regular_file(caminhoArquivo, erro)) {
        navegador->defineArquivo(nullptr);
        navegador->mostraMensagem(QStringLiteral("Arquivo de ajuda não encontrado"),
                                  QStringLiteral("O arquivo %1 não existe.").arg(texto(caminhoArquivo)));
    } else {
        navegador->defineArquivo(std::make_unique<TArquivoAjuda>(caminhoArquivo));
        if (!navegador->arquivo()->aberto())
            navegador->mostraMensagem(QStringLiteral("Arquivo de ajuda ilegível"),
                                      QStringLiteral("O arquivo %1 não pôde ser lido como arquivo de ajuda.")
                                          .arg(texto(caminhoArquivo)));
    }
    const bool aberto = navegador->arquivo() != nullptr && navegador->arquivo()->aberto();
    acaoInicio->setEnabled(aberto && !navegador->arquivo()->topicoInicial().empty());
    if (!aberto)
        atualizaTitulo();
    return aberto;
}

void TFAjuda::mostraInicio()
{
    const TArquivoAjuda* atual = navegador->arquivo();
    if (atual != nullptr && !atual->topicoInicial().empty())
        navegador->mostraTopico(atual->topicoInicial());
}

void TFAjuda::atualizaTitulo()
{
    const TArquivoAjuda* atual = navegador->arquivo();
    const QString titulo = atual != nullptr && !atual->titulo().empty()
                               ? QString::fromLatin1(atual->titulo())
                               : tituloPadrao;
    const QString topico = navegador->documentTitle();
    setWindowTitle(topico.isEmpty() ? titulo : titulo + QStringLiteral(" - ") + topico);
}
