#pragma once
// The full reference of an equation's source: authors, work and publication details.
// Each click of the consultation window's source button creates, fills, shows and frees
// it through mostraFonte.
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

class TfrmFoAutor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFoAutor(QWidget* dono = nullptr);

    // The source button's click: the reference of the source whose key is `chave`, shown
    // modally over `dono`; a text that is no key of the source table (an interpolation,
    // the button's own caption) gets the box that explains the interpolation instead.
    // frmFoAutor refers to the dialog only while the click lasts.
    static void mostraFonte(const QString& chave, QWidget* dono);

    QLabel* Autor;
    QLabel* Livro;
    QLabel* Pagina;
    QPushButton* OK;

private:
    QLabel* rotulo(const char* nome, const QRect& area, bool negrito);
};

inline QPointer<TfrmFoAutor> frmFoAutor;
