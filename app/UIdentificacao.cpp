#include "app/UIdentificacao.h"

#include "app/TFiltroTextoProjeto.h"
#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TAplicacao.h"
#include "plataforma/TControles.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/nucleo/ContextoAjuda.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int esquerdaCampo = 184;
constexpr int larguraCampo = 193;
constexpr int margemRotulo = 4; // between a label's right edge and its edit

} // namespace

TFIdentificacao::TFIdentificacao(QWidget* dono)
    : QWidget(dono, Qt::Tool)
{
    setObjectName(QStringLiteral("FIdentificacao"));
    setWindowTitle(QStringLiteral("Identificação do Terraço"));
    setFont(TFontePadrao::fonte());
    setFixedSize(424, 301);

    EIdentificacao = campo("EIdentificacao", QStringLiteral("Identificação do Terraço"), 29, 60);
    EMunicipio = campo("EMunicipio", QStringLiteral("Município"), 56, 135);
    EEstado = campo("EEstado", QStringLiteral("Estado"), 83, 145);
    ELocalidade = campo("ELocalidade", QStringLiteral("Localidade"), 110, 128);
    EProprietario = campo("EProprietario", QStringLiteral("Proprietário"), 137, 122);
    EData = campo("EData", QStringLiteral("Data (dd/mm/aaaa)"), 164, 84);
    EResponsavel = campo("EResponsavel", QStringLiteral("Responsável"), 191, 117);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(16, 233, 393, 2);

    OK = botao("OK", QStringLiteral("Ok"), 122);
    Cancelar = botao("Cancelar", QStringLiteral("Cancelar"), 214);
    BitBtn1 = botao("BitBtn1", QStringLiteral("Ajuda"), 303);
    OK->setDefault(true);
    TAplicacao::liga(OK, &QPushButton::clicked, this, [this] { OKClick(); });
    TAplicacao::liga(Cancelar, &QPushButton::clicked, this, [this] { CancelarClick(); });
    TAplicacao::liga(BitBtn1, &QPushButton::clicked, this, [this] { ajudaClick(); });

    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

// The labels' right edges line up just left of the edits; a face wider than the design
// one moves a label's left edge, never its right one.
QLineEdit* TFIdentificacao::campo(const char* nome, const QString& rotulo, int topo, int esquerdaRotulo)
{
    auto* edicao = new QLineEdit(this);
    edicao->setObjectName(QLatin1String(nome));
    edicao->setGeometry(esquerdaCampo, topo, larguraCampo, 21);
    // The texts go into the project file: only characters it can hold get in.
    TFiltroTextoProjeto::instala(edicao);

    auto* legenda = new QLabel(rotulo, this);
    legenda->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int direita = esquerdaCampo - margemRotulo;
    const int esquerda = qMin(esquerdaRotulo, direita - legenda->sizeHint().width());
    legenda->setGeometry(esquerda, topo, direita - esquerda, 21);
    legenda->setBuddy(edicao);
    return edicao;
}

QPushButton* TFIdentificacao::botao(const char* nome, const QString& texto, int esquerda)
{
    return TControles::botaoSemPadrao(this, nome, texto, QRect(esquerda, 259, 75, 25));
}

TTextosIdentificacao TFIdentificacao::textos() const
{
    return {EIdentificacao->text().toStdString(), EMunicipio->text().toStdString(),
            EEstado->text().toStdString(),        ELocalidade->text().toStdString(),
            EProprietario->text().toStdString(),  EData->text().toStdString(),
            EResponsavel->text().toStdString()};
}

void TFIdentificacao::defineTextos(const TTextosIdentificacao& t)
{
    EIdentificacao->setText(QString::fromStdString(t.EIdentificacao));
    EMunicipio->setText(QString::fromStdString(t.EMunicipio));
    EEstado->setText(QString::fromStdString(t.EEstado));
    ELocalidade->setText(QString::fromStdString(t.ELocalidade));
    EProprietario->setText(QString::fromStdString(t.EProprietario));
    EData->setText(QString::fromStdString(t.EData));
    EResponsavel->setText(QString::fromStdString(t.EResponsavel));
}

// Each time the dialog comes on show its edits show the start of their texts, not the end
// where typing or reading a project left the cursor.
void TFIdentificacao::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (evento->spontaneous())
        return;
    for (QLineEdit* edicao : {EIdentificacao, EMunicipio, EEstado, ELocalidade, EProprietario, EData, EResponsavel})
        edicao->setCursorPosition(0);
}

// As in every dialog: Enter presses the button that has the keyboard, or else "Ok", the
// default one; Esc presses "Cancelar". The edits leave both keys to the dialog.
void TFIdentificacao::keyPressEvent(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* botaoComTeclado = qobject_cast<QPushButton*>(focusWidget()))
            botaoComTeclado->click();
        else
            OK->click();
        break;
    case Qt::Key_Escape:
        Cancelar->click();
        break;
    default:
        QWidget::keyPressEvent(evento);
    }
}

void TFIdentificacao::OKClick()
{
    emit confirmada();
}

void TFIdentificacao::CancelarClick()
{
    close();
    emit cancelada();
}

void TFIdentificacao::ajudaClick()
{
    TAjudaAplicacao::HelpContext(ContextoAjuda::identificacao);
}
