#pragma once
// A titled box of options of which exactly one is chosen, known by its index.
#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& titulo, const QStringList& itens, QWidget* pai = nullptr);

    // -1 when no option is chosen.
    int ItemIndex() const;
    // Chooses an option without telling anyone: Click is the user's alone.
    void setItemIndex(int indice);
    QRadioButton* item(int indice) const;

signals:
    // The user chose another option.
    void Click();

private:
    std::vector<QRadioButton*> itens_;
};
