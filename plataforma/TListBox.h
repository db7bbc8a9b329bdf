#pragma once
// A list of names in the order they are added: the widget never sorts them, so a
// position is always the index its owner gave it. One item at most is selected.
#include <QListWidget>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* pai = nullptr);

    // The selected position, -1 when none.
    int ItemIndex() const;
    // Selects `indice`; a position outside the list selects nothing. Click is the
    // user's alone, so this sends none.
    void setItemIndex(int indice);
    // Every item of the list is this many pixels high.
    void setItemHeight(int altura);

signals:
    // The user chose an item, with the mouse or the keys.
    void Click();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};
