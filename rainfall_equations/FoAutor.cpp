#include "FoAutor.h"

#include "TFontePadrao.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

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

    OK = new QPushButton(QStringLiteral("&Ok"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(223, 104, 100, 28);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);

    if (screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}

QLabel* TfrmFoAutor::rotulo(const char* nome, const QRect& area, bool negrito)
{
    auto* novo = new QLabel(this);
    novo->setObjectName(QLatin1String(nome));
    QFont fonte = font();
    fonte.setBold(negrito);
    novo->setFont(fonte);
    novo->setGeometry(area);
    novo->setWordWrap(true);
    novo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return novo;
}
