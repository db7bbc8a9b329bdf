#pragma once
// Texts that must show whole in a room drawn for them: the font is made smaller or
// narrower, step by step, until the text fits or the least allowed step is reached.
#include <QFont>
#include <QString>

class TAjusteTexto {
public:
    static bool cabe(const QFont& fonte, const QString& texto, int largura);
    // `fonte` at `pixels`, or the largest smaller size down to `menor` at which `texto`
    // takes at most `largura`.
    static QFont menorQueCabe(QFont fonte, int pixels, int menor, const QString& texto, int largura);
    // `fonte` at its full width, or the widest stretch down to `menorEstreitamento`
    // (percent) at which `texto` takes at most `largura`.
    static QFont estreitaQueCabe(QFont fonte, int menorEstreitamento, const QString& texto, int largura);
};
