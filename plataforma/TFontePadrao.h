#pragma once
// The type face of the program's windows: Tahoma at 11 pixels, or the nearest sans serif
// face this machine has. The narrow face is for texts that must fit boxes drawn for
// Tahoma's width, whichever font the system gives; the accordion's face is for the
// buttons of its sections.
#include <QFont>

class TFontePadrao {
public:
    static QFont fonte(int pixels = 11);
    static QFont estreita(int pixels = 11);
    // Verdana bold at 12 pixels, or the nearest narrow sans serif.
    static QFont aba();
};
