#include "plataforma/TDialogoImpressora.h"

#include "plataforma/TAplicacao.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString situacao(const QPrinterInfo& impressora)
{
    if (impressora.isNull())
        return {};
    switch (impressora.state()) {
    case QPrinter::Idle:
        return QStringLiteral("Pronta");
    case QPrinter::Active:
        return QStringLiteral("Imprimindo");
    case QPrinter::Aborted:
        return QStringLiteral("Trabalho cancelado");
    case QPrinter::Error:
        return QStringLiteral("Com erro");
    }
    return {};
}

QLabel* detalhe(QFormLayout* formulario, const char* nome, const QString& rotulo)
{
    auto* valor = new QLabel;
    valor->setObjectName(QLatin1String(nome));
    valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    formulario->addRow(rotulo, valor);
    return valor;
}

} // namespace

TDialogoImpressora::TDialogoImpressora(const QStringList& impressoras, const QString& atual, QWidget* pai)
    : QDialog(pai)
{
    setObjectName(QStringLiteral("DialogoImpressora"));
    setWindowTitle(QStringLiteral("Configuração da impressora"));

    auto* grupo = new QGroupBox(QStringLiteral("Impressora"), this);
    auto* formulario = new QFormLayout(grupo);
    CBImpressora = new QComboBox(grupo);
    CBImpressora->setObjectName(QStringLiteral("CBImpressora"));
    CBImpressora->setMinimumWidth(260);
    CBImpressora->addItems(impressoras);
    CBImpressora->setPlaceholderText(QStringLiteral("Nenhuma impressora instalada"));
    CBImpressora->setEnabled(!impressoras.isEmpty());
    formulario->addRow(QStringLiteral("&Nome:"), CBImpressora);
    LblSituacao = detalhe(formulario, "LblSituacao", QStringLiteral("Situação:"));
    LblTipo = detalhe(formulario, "LblTipo", QStringLiteral("Tipo:"));
    LblLocal = detalhe(formulario, "LblLocal", QStringLiteral("Local:"));
    LblComentario = detalhe(formulario, "LblComentario", QStringLiteral("Comentário:"));

    botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botoes->button(QDialogButtonBox::Ok)->setEnabled(!impressoras.isEmpty());
    // Qt's own slots: no command of ours runs, so there is nothing to guard.
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(grupo);
    coluna->addWidget(botoes);

    TAplicacao::liga(CBImpressora, &QComboBox::currentIndexChanged, this, [this] { mostraDetalhes(); });
    const int indice = impressoras.indexOf(atual);
    CBImpressora->setCurrentIndex(impressoras.isEmpty() ? -1 : qMax(0, indice));
    mostraDetalhes();
}

QString TDialogoImpressora::escolhida() const
{
    return CBImpressora->currentText();
}

void TDialogoImpressora::mostraDetalhes()
{
    const QPrinterInfo impressora = QPrinterInfo::printerInfo(escolhida());
    LblSituacao->setText(situacao(impressora));
    LblTipo->setText(impressora.makeAndModel());
    LblLocal->setText(impressora.location());
    LblComentario->setText(impressora.description());
}
