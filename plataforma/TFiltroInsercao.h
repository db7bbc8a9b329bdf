#pragma once
// The judge of every change the user makes to an edit's text, however the text comes in:
// typed, pasted with the keyboard, the edit's own menu or the middle button, dropped, or
// sent by an input method. The judge sees the text before and after the change and
// answers the text to keep (the same, or with characters exchanged or composed) or
// nothing, and then the edit stays as it was. Text the program writes into the edit is
// never judged.
#include <QString>
#include <QValidator>

#include <functional>
#include <optional>

class QLineEdit;

class TFiltroInsercao : public QValidator {
public:
    using TJuiz = std::function<std::optional<QString>(const QString& antes, const QString& depois)>;

    // The filter lives as long as the edit.
    static void instala(QLineEdit* edicao, TJuiz juiz);

    State validate(QString& texto, int& posicao) const override;

private:
    TFiltroInsercao(QLineEdit* edicao, TJuiz juiz);

    QLineEdit* edicao_;
    TJuiz juiz_;
    // The edit's text as it stood before the change now being judged.
    QString anterior_;
};
