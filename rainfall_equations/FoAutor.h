#pragma once
// The full reference of an equation's source: authors, work and publication details.
// The consultation window creates, fills, shows and frees it on each click of its
// source button.
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

class TfrmFoAutor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFoAutor(QWidget* dono = nullptr);

    QLabel* Autor;
    QLabel* Livro;
    QLabel* Pagina;
    QPushButton* OK;

private:
    QLabel* rotulo(const char* nome, const QRect& area, bool negrito);
};

inline QPointer<TfrmFoAutor> frmFoAutor;
