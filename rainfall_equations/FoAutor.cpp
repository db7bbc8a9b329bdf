#include "rainfall_equations/FoAutor.h"

#include "plataforma/TAjusteTexto.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TControles.h"
#include "plataforma/TFontePadrao.h"
#include "plataforma/TextoQt.h"
#include "rainfall_equations/nucleo/FontesDados.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <memory>
#include <string>
#include <string_view>

namespace {

using TextoQt::q;

// The authors take one line as wide as the dialog lets it run; a list longer than that
// (the program's font is wider on some systems than on others) is set narrower until it
// fits whole rather than being cut.
void cabeNaLinha(QLabel& rotulo, int largura)
{
    rotulo.setFont(TAjusteTexto::estreitaQueCabe(rotulo.font(), 80, rotulo.text(), largura));
}

void limpaRotulos(const QWidget& janela)
{
    for (QLabel* rotulo : janela.findChildren<QLabel*>())
        rotulo->clear();
}

} // namespace

TfrmFoAutor::TfrmFoAutor(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmFoAutor"));
    setWindowTitle(QStringLiteral("Autor"));
    setFixedSize(547, 144);
    QFont negrito = TFontePadrao::fonte();
    negrito.setBold(true);
    setFont(negrito);

    // The authors' line is one line as wide as the dialog lets it run.
    Autor = rotulo("Autor", QRect(10, 6, 527, 17), false);
    Autor->setWordWrap(false);
    Livro = rotulo("Livro", QRect(10, 25, 519, 39), true);
    Pagina = rotulo("Pagina", QRect(10, 62, 527, 35), false);

    OK = TControles::botao(this, "OK", QStringLiteral("&Ok"), QRect(223, 104, 100, 28));
    OK->setDefault(true);
    // Qt's own slot: no command of ours runs, so there is nothing to guard.
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

QLabel* TfrmFoAutor::rotulo(const char* nome, const QRect& area, bool negrito)
{
    auto* novo = TControles::nomeia(new QLabel(this), nome);
    QFont fonte = font();
    fonte.setBold(negrito);
    novo->setFont(fonte);
    novo->setGeometry(area);
    novo->setWordWrap(true);
    novo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return novo;
}

void TfrmFoAutor::mostraFonte(const QString& chave, QWidget* dono)
{
    // Freed on every way out, an error in the modal loop included; frmFoAutor, a guarded
    // pointer, turns null with it.
    const auto janela = std::make_unique<TfrmFoAutor>(dono);
    frmFoAutor = janela.get();
    janela->Autor->clear();
    janela->Livro->clear();
    janela->Pagina->clear();
    if (const TFonteEquacao* fonte = procuraFonte(chave.toStdString())) {
        janela->Autor->setText(q(fonte->Autores));
        cabeNaLinha(*janela->Autor, janela->width() - 2 * janela->Autor->x());
        janela->Livro->setText(q(fonte->Obra));
        janela->Pagina->setText(q(fonte->Detalhes));
    } else {
        TCaixaMensagem::informa(q(TextoInterpolacao), QStringLiteral("Informação"), dono);
    }
    if (!janela->Autor->text().isEmpty())
        janela->exec();
    limpaRotulos(*janela);
}
