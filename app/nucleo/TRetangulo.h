#pragma once
// A rectangle of a window's controls, in pixels from its parent's top-left corner.
struct TRetangulo {
    int x = 0;
    int y = 0;
    int largura = 0;
    int altura = 0;

    bool operator==(const TRetangulo&) const = default;
};
