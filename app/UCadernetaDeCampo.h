#pragma once
// The field notebook: a page to take into the field for the survey of one terrace,
// shown in a scrolling area and printed over one whole sheet.
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

class TFCadernetaDeCampo : public QWidget {
    Q_OBJECT
public:
    explicit TFCadernetaDeCampo(QWidget* dono = nullptr);

    QWidget* Panel1;
    QPushButton* Button1; // "Ajuda"
    QPushButton* Button2; // "Imprimir"
    QScrollArea* ScrollBox1;
    QLabel* Image1;

    void FormShow();
    void ajudaclick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void mostraFigura(const QPixmap& figura);
};

inline QPointer<TFCadernetaDeCampo> FCadernetaDeCampo;
