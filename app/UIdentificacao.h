#pragma once
// The identification dialog: the seven texts that name the project. Its "Ok" and
// "Cancelar" are told to its owner, which decides what they do to the project.
#include "app/nucleo/TDadosTerraco.h"

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TFIdentificacao : public QWidget {
    Q_OBJECT
public:
    explicit TFIdentificacao(QWidget* dono = nullptr);

    QLineEdit* EIdentificacao;
    QLineEdit* EMunicipio;
    QLineEdit* EEstado;
    QLineEdit* ELocalidade;
    QLineEdit* EProprietario;
    QLineEdit* EData;
    QLineEdit* EResponsavel;
    QFrame* Bevel1;
    QPushButton* OK;
    QPushButton* Cancelar;
    QPushButton* BitBtn1;

    // The seven texts as typed, and writing them back (UTF-8).
    TTextosIdentificacao textos() const;
    void defineTextos(const TTextosIdentificacao& textos);

    void OKClick();
    void CancelarClick();
    void ajudaClick();

signals:
    // "Ok": the owner closes the dialog once it has done what the "Ok" asks, so a step
    // that fails leaves the dialog open with what was typed.
    void confirmada();
    // "Cancelar", once the dialog has closed.
    void cancelada();

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QLineEdit* campo(const char* nome, const QString& rotulo, int topo, int esquerdaRotulo);
    QPushButton* botao(const char* nome, const QString& texto, int esquerda);
};

inline QPointer<TFIdentificacao> FIdentificacao;
