#pragma once
// The coordinate edit: two digits, "°", two digits, "'", two digits and "\"". Each digit
// may be left out while typing; an empty position shows as "_" and reads as a blank, so a
// new edit reads "  °  '  \"" and its text is always the nine characters of the mask.
#include <QLineEdit>

class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget* pai = nullptr);

    // The text with its literals and a blank for every digit not typed.
    QString Text() const;

signals:
    // The user moved the focus elsewhere in the window (Tab, a click, a shortcut) after
    // typing in the edit: the moment to refuse a text typed in part. A message box, a menu
    // or another window taking the focus is no leaving.
    void Saida();

protected:
    void focusOutEvent(QFocusEvent* evento) override;
};
