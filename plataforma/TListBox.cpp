#include "plataforma/TListBox.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

// Items as high as the list says; 0 leaves the style's own height.
class TAlturaItem : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int altura = 0;

    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        QSize tamanho = QStyledItemDelegate::sizeHint(opcao, indice);
        if (altura > 0)
            tamanho.setHeight(altura);
        return tamanho;
    }
};

} // namespace

TListBox::TListBox(QWidget* pai)
    : QListWidget(pai)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setItemDelegate(new TAlturaItem(this));
    // Only passes the click on: whoever handles Click connects it under the guard.
    connect(this, &QListWidget::itemClicked, this, &TListBox::Click);
}

int TListBox::ItemIndex() const
{
    const QList<QListWidgetItem*> selecionados = selectedItems();
    return selecionados.isEmpty() ? -1 : row(selecionados.first());
}

void TListBox::setItemIndex(int indice)
{
    if (indice >= 0 && indice < count()) {
        setCurrentRow(indice);
        return;
    }
    clearSelection();
    setCurrentRow(-1);
}

void TListBox::setItemHeight(int altura)
{
    static_cast<TAlturaItem*>(itemDelegate())->altura = altura;
    doItemsLayout();
}

void TListBox::keyPressEvent(QKeyEvent* evento)
{
    const int antes = ItemIndex();
    QListWidget::keyPressEvent(evento);
    if (ItemIndex() != antes && ItemIndex() >= 0)
        emit Click();
}
