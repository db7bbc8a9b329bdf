#pragma once
// The start-up picture: shown modally when the program starts and from "Sobre o Morlin";
// it closes on a click or after five seconds. Two zones of the picture open web pages.
#include <QDialog>
#include <QPointer>

class QLabel;
class QTimer;

class TFInicial : public QDialog {
    Q_OBJECT
public:
    explicit TFInicial(QWidget* dono = nullptr);

    QLabel* Image1;
    QWidget* Imgsitevexo; // Tag 1: how to cite Morlin
    QWidget* Imgsitekwel; // Tag 2: what Morlin is
    QTimer* Timer1;

    void FormShow();
    void Image1Click();
    void ImgsitekwelMouseMove();
    void ImgsitevexoMouseUp(QObject* Sender);
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* zona(const char* nome, int tag, const QRect& area);
};

inline QPointer<TFInicial> FInicial;
