#pragma once
// The type face of the program's windows: Tahoma at 11 pixels, or the nearest sans serif
// face this machine has.
#include <QFont>

class TFontePadrao {
public:
    static QFont fonte();
};
