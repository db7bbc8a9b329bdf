#pragma once
// A rectangle of a window's controls, in pixels from its parent's top-left corner.
struct TRetangulo {
    int x = 0;
    int y = 0;
    int largura = 0;
    int altura = 0;

    // Whether pixel (px, py) lies inside: from (x, y) up to the pixels before x + largura
    // and y + altura.
    constexpr bool contem(int px, int py) const
    {
        return px >= x && px < x + largura && py >= y && py < y + altura;
    }

    bool operator==(const TRetangulo&) const = default;
};
