#include "plataforma/TFiltroInsercao.h"

#include "plataforma/TAplicacao.h"

#include <QLineEdit>

#include <algorithm>
#include <utility>

TFiltroInsercao::TFiltroInsercao(QLineEdit* edicao, TJuiz juiz)
    : QValidator(edicao)
    , edicao_(edicao)
    , juiz_(std::move(juiz))
    , anterior_(edicao->text())
{
    TAplicacao::liga(edicao, &QLineEdit::textChanged, this, [this](const QString& texto) { anterior_ = texto; });
}

void TFiltroInsercao::instala(QLineEdit* edicao, TJuiz juiz)
{
    edicao->setValidator(new TFiltroInsercao(edicao, std::move(juiz)));
}

// The edit asks after every change, before it shows it; a refused change of the user's is
// taken back by the edit itself. Writing the text (setText) clears the edit's modified
// mark before it asks, which is how the program's own texts pass unjudged. A judge changes
// only what came in, which stands before the caret, so the caret keeps its place counted
// from the end of the text.
QValidator::State TFiltroInsercao::validate(QString& texto, int& posicao) const
{
    if (texto == anterior_ || !edicao_->isModified())
        return Acceptable;
    const std::optional<QString> aceito = juiz_(anterior_, texto);
    if (!aceito)
        return Invalid;
    const qsizetype aposCursor = texto.size() - posicao;
    texto = *aceito;
    posicao = static_cast<int>(std::clamp<qsizetype>(texto.size() - aposCursor, 0, texto.size()));
    return Acceptable;
}
