#include "app/hhctrl/TNavegadorAjuda.h"

#include <QTextDocument>

#include <utility>

namespace {

const QString esquema = QStringLiteral("chm");

QUrl endereco(const std::string& topico)
{
    return QUrl(esquema + QLatin1Char(':') + QString::fromStdString(topico));
}

QByteArray bytes(const std::string& dados)
{
    return QByteArray(dados.data(), static_cast<qsizetype>(dados.size()));
}

QString paginaDeMensagem(const QString& titulo, const QString& texto)
{
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2>%1</h2><p>%2</p></body></html>")
        .arg(titulo.toHtmlEscaped(), texto.toHtmlEscaped());
}

} // namespace

TNavegadorAjuda::TNavegadorAjuda(QWidget* pai)
    : QTextBrowser(pai)
{
    setObjectName(QStringLiteral("NavegadorAjuda"));
    document()->setDocumentMargin(12);
}

// Emptying the page makes the next topic load afresh even when it has the same name
// as the one shown from the earlier file.
void TNavegadorAjuda::defineArquivo(std::unique_ptr<TArquivoAjuda> novo)
{
    arquivoAtual = std::move(novo);
    clearHistory();
    clear();
}

const TArquivoAjuda* TNavegadorAjuda::arquivo() const
{
    return arquivoAtual.get();
}

void TNavegadorAjuda::mostraTopico(const std::string& topico)
{
    setSource(endereco(topico));
}

void TNavegadorAjuda::mostraMensagem(const QString& titulo, const QString& texto)
{
    clearHistory();
    setHtml(paginaDeMensagem(titulo, texto));
}

// Pages, pictures and style sheets of the topics come from inside the help file.
QVariant TNavegadorAjuda::loadResource(int tipo, const QUrl& nome)
{
    if (nome.scheme() != esquema)
        return QTextBrowser::loadResource(tipo, nome);
    const std::string objeto = nome.path().toStdString();
    const auto dados = arquivoAtual ? arquivoAtual->le(objeto) : std::nullopt;
    if (tipo == QTextDocument::HtmlResource && !dados)
        return paginaDeMensagem(QStringLiteral("Tópico não encontrado"),
                                QStringLiteral("O tópico %1 não existe neste arquivo de ajuda.").arg(nome.path()));
    if (!dados)
        return {};
    if (tipo == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(bytes(*dados));
    return bytes(*dados);
}
