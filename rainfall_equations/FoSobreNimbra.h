#pragma once
// The about window of the rainfall-equation consultation: one picture, with the credit of
// the database's data, and no border. A click or any key closes it.
#include <QDialog>
#include <QPointer>

class QLabel;

class TfrmFoSobreNimbra : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFoSobreNimbra(QWidget* dono = nullptr);

    QLabel* imgSplash;

    void BitBtn1Click();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

inline QPointer<TfrmFoSobreNimbra> frmFoSobreNimbra;
