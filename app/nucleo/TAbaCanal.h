#pragma once
// What the accordion's opening or closing of the channel's section changes beyond its
// height and its controls. While the channel is open the right half is 20 pixels wider,
// for the trapezium's options above the picture. Opening runs the options' switch, for
// the picture of the one checked, and then the section type's; closing runs the type's
// too: so the options, the grid's columns and the picture follow the type, and a
// trapezium comes back as a plain one each time.
class TAbaCanal {
public:
    // The steps in the order the window takes them.
    struct TMudanca {
        bool mostraOpcoes = false;  // the type's switch hides them again for a triangle
        int variacaoDireita = 0;    // added to the right half's width
        bool refazOpcao = false;    // the trapezium options' switch
        bool refazTipoSecao = false;
        bool escondeOpcoes = false;

        bool operator==(const TMudanca&) const = default;
    };

    // Nothing for the other sections.
    static TMudanca mudanca(int aba, bool abre);
};
