#pragma once
// The type faces of the program's windows: Tahoma at 11 pixels for every window, Verdana
// for the data-entry window's section buttons and Arial for the section chart. A face this
// machine lacks gives way to the nearest sans serif it has, the same way for each: the
// narrow form is for texts that must fit boxes drawn for the named face's width, whichever
// font the system gives.
#include <QFont>

class TFontePadrao {
public:
    enum class TFace { tahoma, verdana, arial };

    static QFont fonte(int pixels = 11, TFace face = TFace::tahoma);
    static QFont estreita(int pixels = 11, TFace face = TFace::tahoma);
    // The accordion's section buttons: Verdana bold at 12 pixels, in its narrow form.
    static QFont aba();
};
