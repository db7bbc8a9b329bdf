#pragma once
// The program's own web pages, installed in the folder "web" beside it and opened in the
// user's browser from the tool bar and the start-up picture.
#include <QUrl>

class TPaginasWeb {
public:
    enum TPagina {
        Sobre,    // what Morlin is and what it computes
        Citacao,  // how to cite Morlin in a report or a paper
        Ajuda     // where the help lives and how to reach it
    };

    static QUrl endereco(TPagina pagina);
};
