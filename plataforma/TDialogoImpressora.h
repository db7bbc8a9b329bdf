#pragma once
// The printer setup dialog: it chooses the printer the program prints on, and nothing
// else; printing starts from the windows that print.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLabel;

class TDialogoImpressora : public QDialog {
public:
    // `impressoras`: the printers to choose from; `atual`: the one chosen when the dialog
    // opens (the first when it is not among them). With no printer at all only
    // "Cancelar" is left.
    TDialogoImpressora(const QStringList& impressoras, const QString& atual, QWidget* pai = nullptr);

    QString escolhida() const;

    QComboBox* CBImpressora;
    QLabel* LblSituacao;
    QLabel* LblTipo;
    QLabel* LblLocal;
    QLabel* LblComentario;
    QDialogButtonBox* botoes;

private:
    void mostraDetalhes();
};
