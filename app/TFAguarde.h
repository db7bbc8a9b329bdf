#pragma once
#include <QLabel>

// Shown by the program until its main window is in place.
class TFAguarde : public QLabel {
public:
    explicit TFAguarde(QWidget* pai = nullptr);
};
