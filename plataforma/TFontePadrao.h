#pragma once
// The type face of the program's windows: Tahoma at 11 pixels, or the nearest sans serif
// face this machine has. The narrow face is for texts that must fit boxes drawn for
// Tahoma's width, whichever font the system gives.
#include <QFont>

class TFontePadrao {
public:
    static QFont fonte(int pixels = 11);
    static QFont estreita(int pixels = 11);
};
