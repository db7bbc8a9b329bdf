#pragma once
// The type faces of the generated pictures, at a size in pixels.
#include <QFont>

// The narrow face of the guide pictures and help figures, whose notes share small panels.
QFont fonte(int pixels, bool negrito = false);
// The wide face of the program's own pictures (start-up, notebook, icons, about) and, not
// smoothed, of the state codes on the rainfall-data maps.
QFont fonteLarga(int pixels, bool negrito = false);
