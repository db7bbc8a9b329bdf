#pragma once
// Which guide picture the data-entry window shows for a section, the option in force and
// the grid cell in use. Each answer is a picture's file name; an empty one means that the
// picture on show stays.
#include <string>

class TEscolhaImagemGuia {
public:
    // The picture a section (tag 1 to 5) shows as it opens: the survey area's follows the
    // method in force, and the channel has none of its own.
    static std::string abertura(int aba, int levantamento);

    // The channel's cross-section as its type changes, a trapezium always as a plain one.
    static std::string tipoSecao(int tipoSecao);
    // The trapezium's options: with its step or plain; none while neither is checked.
    static std::string trapezio(bool comDegrau, bool comum);

    // The family of the channel's column pictures ("Trapez_Degrau", "Trapez", "Triang")
    // from the section's type as the combo box shows it and the trapezium's options.
    static std::string familiaCanal(const std::string& tipoSecao, bool comDegrau, bool comum);
    // A channel column's picture in one family; none where the family has none, as a
    // triangle has no F2.
    static std::string colunaCanal(const std::string& familia, int coluna);

    // The survey method's picture, and the one the road's switch leaves.
    static std::string levantamento(int metodo);
    static std::string estrada(bool contribui, int levantamento);
    // A sight grid column's picture (columns 1 to 4).
    static std::string colunaMira(int coluna);

    // A crest grid's picture by its tag: 1 for the ends, 2 for the intermediate points.
    static std::string gradeCrista(int tag);
};
