#pragma once
// The one help window of the help control, as the window tests find and use it.
#include <QApplication>
#include <QMainWindow>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolBar>
#include <QToolButton>

#include <optional>
#include <utility>

inline QMainWindow* janelaAjuda()
{
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (janela->objectName() == QStringLiteral("FAjuda"))
            return qobject_cast<QMainWindow*>(janela);
    return nullptr;
}

inline QTextBrowser* pagina(QMainWindow* ajuda)
{
    return ajuda->findChild<QTextBrowser*>(QStringLiteral("NavegadorAjuda"));
}

// The first link to another topic on the page, and where it shows in the page's viewport.
inline std::optional<std::pair<QString, QPoint>> primeiraLigacao(QTextBrowser* navegador)
{
    for (QTextBlock bloco = navegador->document()->begin(); bloco.isValid(); bloco = bloco.next())
        for (auto trecho = bloco.begin(); !trecho.atEnd(); ++trecho) {
            const QTextFragment parte = trecho.fragment();
            const QString destino = parte.charFormat().anchorHref();
            if (!parte.charFormat().isAnchor() || destino.isEmpty() || destino.startsWith(QLatin1Char('#')))
                continue;
            QTextCursor cursor(navegador->document());
            cursor.setPosition(parte.position() + parte.length() / 2);
            navegador->setTextCursor(cursor);
            navegador->ensureCursorVisible();
            return std::pair{destino, navegador->cursorRect(cursor).center()};
        }
    return std::nullopt;
}

inline QToolButton* botaoInicio(QMainWindow* ajuda)
{
    auto* barra = ajuda->findChild<QToolBar*>(QStringLiteral("BarraAjuda"));
    for (QAction* acao : barra->actions())
        if (acao->text() == QStringLiteral("Início"))
            return qobject_cast<QToolButton*>(barra->widgetForAction(acao));
    return nullptr;
}

inline const QString topicoConsulta = QStringLiteral("Consulta à equação de chuvas intensas");
inline const QString topicoConteudo = QStringLiteral("Conteúdo da ajuda do Morlin");
