#pragma once
// An edit with its own label beside it (left) or over it (above). The label lives on
// the edit's parent and follows the edit when it moves, shows or hides.
#include <QLineEdit>

class QLabel;

class TLabeledEdit : public QLineEdit {
public:
    enum class TPosicaoRotulo { lpLeft, lpAbove };

    // The label is named after the edit with "Rotulo" appended.
    TLabeledEdit(const QString& nome, const QString& rotulo, TPosicaoRotulo posicao, QWidget* pai);

    QLabel* EditLabel() const { return rotulo_; }
    TPosicaoRotulo posicaoRotulo() const { return posicao_; }
    void setVisible(bool visivel) override;
    // Places the label again. Moves of a hidden edit reach it only when the edit
    // shows, so whoever places a hidden edit calls this too.
    void posicionaRotulo();

protected:
    void moveEvent(QMoveEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QLabel* rotulo_;
    TPosicaoRotulo posicao_;
};
