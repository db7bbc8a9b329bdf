#include "plataforma/TRadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& titulo, const QStringList& itens, QWidget* pai)
    : QGroupBox(titulo, pai)
{
    auto* disposicao = new QVBoxLayout(this);
    disposicao->setContentsMargins(8, 4, 4, 4);
    disposicao->setSpacing(0);
    for (const QString& texto : itens) {
        auto* opcao = new QRadioButton(texto, this);
        disposicao->addWidget(opcao);
        itens_.push_back(opcao);
        // Only passes the choice on: whoever handles Click connects it under the guard.
        connect(opcao, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                emit Click();
        });
    }
}

int TRadioGroup::ItemIndex() const
{
    for (std::size_t i = 0; i < itens_.size(); ++i)
        if (itens_[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

void TRadioGroup::setItemIndex(int indice)
{
    const QSignalBlocker bloqueio(this);
    for (std::size_t i = 0; i < itens_.size(); ++i) {
        itens_[i]->setAutoExclusive(false);
        itens_[i]->setChecked(static_cast<int>(i) == indice);
        itens_[i]->setAutoExclusive(true);
    }
}

QRadioButton* TRadioGroup::item(int indice) const
{
    if (indice < 0 || indice >= static_cast<int>(itens_.size()))
        return nullptr;
    return itens_[static_cast<std::size_t>(indice)];
}
