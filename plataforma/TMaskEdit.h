#pragma once
// The coordinate edit: two digits, "°", two digits, "'", two digits and "\"". Each digit
// may be left out; an empty position shows as "_" and reads as a blank, so a new edit
// reads "  °  '  \"" and its text is always the nine characters of the mask.
#include <QLineEdit>

class TMaskEdit : public QLineEdit {
public:
    explicit TMaskEdit(QWidget* pai = nullptr);

    // The text with its literals and a blank for every digit not typed.
    QString Text() const;
};
