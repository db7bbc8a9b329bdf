#include "plataforma/TAjusteTexto.h"

#include <QFontMetrics>

bool TAjusteTexto::cabe(const QFont& fonte, const QString& texto, int largura)
{
    return QFontMetrics(fonte).horizontalAdvance(texto) <= largura;
}

QFont TAjusteTexto::menorQueCabe(QFont fonte, int pixels, int menor, const QString& texto, int largura)
{
    for (; pixels > menor; --pixels) {
        fonte.setPixelSize(pixels);
        if (cabe(fonte, texto, largura))
            return fonte;
    }
    fonte.setPixelSize(menor);
    return fonte;
}

QFont TAjusteTexto::estreitaQueCabe(QFont fonte, int menorEstreitamento, const QString& texto, int largura)
{
    for (int estreitamento = 100; estreitamento > menorEstreitamento; --estreitamento) {
        fonte.setStretch(estreitamento);
        if (cabe(fonte, texto, largura))
            return fonte;
    }
    fonte.setStretch(menorEstreitamento);
    return fonte;
}
