#include "plataforma/TDialogoArquivo.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

#include <utility>

namespace {

std::function<QString(TDialogoArquivo::TTipo)>& resposta()
{
    static std::function<QString(TDialogoArquivo::TTipo)> atual;
    return atual;
}

// "Arquivo de texto|*.txt" in the form the dialogs take: "Arquivo de texto (*.txt)".
QString filtroQt(const QString& filtro)
{
    const qsizetype barra = filtro.indexOf(QLatin1Char('|'));
    if (barra < 0)
        return filtro;
    return filtro.left(barra) + QStringLiteral(" (") + filtro.mid(barra + 1) + QLatin1Char(')');
}

// Qt's catalog of Brazilian texts has no names for folders and drives, which the
// dialogs' "Tipo" column shows.
class TIconesArquivo : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return QStringLiteral("Unidade");
        if (info.isDir())
            return QStringLiteral("Pasta");
        return QFileIconProvider::type(info);
    }
};

TIconesArquivo& iconesArquivo()
{
    static TIconesArquivo icones;
    return icones;
}

constexpr int colunaTamanho = 1;
constexpr int colunaData = 3;

// The model of the files writes their sizes and dates in the machine's language, which may
// not be the program's: the two columns are written again in the program's.
class TColunasBrasileiras : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& indice, int papel) const override
    {
        const auto* arquivos = qobject_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex origem = mapToSource(indice);
        if (papel != Qt::DisplayRole || arquivos == nullptr || !origem.isValid())
            return QIdentityProxyModel::data(indice, papel);
        if (indice.column() == colunaTamanho && !arquivos->isDir(origem))
            return QLocale().formattedDataSize(arquivos->size(origem));
        if (indice.column() == colunaData)
            return QLocale().toString(arquivos->lastModified(origem), QLocale::ShortFormat);
        return QIdentityProxyModel::data(indice, papel);
    }
};

// Qt's own dialog on every desktop, so that it shows the program's texts, names of types
// and dates.
void preparaDialogo(QFileDialog& dialogo)
{
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setIconProvider(&iconesArquivo());
    dialogo.setProxyModel(new TColunasBrasileiras(&dialogo));
    // The list of files shows each date and the column's title whole.
    if (auto* lista = dialogo.findChild<QTreeView*>(QStringLiteral("treeView")))
        lista->header()->setSectionResizeMode(colunaData, QHeaderView::ResizeToContents);
}

} // namespace

QString TDialogoArquivo::abre(QWidget* pai, const QString& pastaInicial, const QString& filtro)
{
    if (resposta())
        return resposta()(TTipo::abrir);
    QFileDialog dialogo(pai, QString(), pastaInicial, filtroQt(filtro));
    preparaDialogo(dialogo);
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::AnyFile);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

QString TDialogoArquivo::salva(QWidget* pai, const QString& filtro, const QString& sugestao)
{
    if (resposta())
        return resposta()(TTipo::salvar);
    QFileDialog dialogo(pai, QString(), QString(), filtroQt(filtro));
    preparaDialogo(dialogo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (!sugestao.isEmpty())
        dialogo.selectFile(sugestao);
    return dialogo.exec() == QDialog::Accepted ? dialogo.selectedFiles().value(0) : QString();
}

void TDialogoArquivo::substitui(std::function<QString(TTipo)> novaResposta)
{
    resposta() = std::move(novaResposta);
}
