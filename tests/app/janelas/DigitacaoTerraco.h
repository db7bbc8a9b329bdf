#pragma once
// Typing a whole terrace into a data-entry window as a user does, key by key and
// section by section, and its identification into the identification dialog.
#include "app/UEntDados.h"
#include "app/UIdentificacao.h"
#include "app/plataforma/TStringGrid.h"
#include "plataforma/TLabeledEdit.h"
#include "tests/app/nucleo/TerracoRealista.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <array>
#include <string>

// The first key opens the cell's editor, the rest goes to the editor, Enter keeps the text.
inline void digitaNaCelula(TStringGrid* grade, int coluna, int linha, const QString& texto)
{
    grade->setCurrentCell(linha - grade->FixedRows(), coluna - grade->FixedCols());
    QTest::keyClick(grade, texto.at(0).toLatin1());
    auto* editor = grade->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << grade->objectName().toStdString();
    QTest::keyClicks(editor, texto.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text over from the event loop.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(grade->Cells(coluna, linha), texto) << grade->objectName().toStdString();
}

// Every value cell of `textos` that holds a text, typed into the same cell of `grade`.
inline void digitaGrade(TStringGrid* grade, const TGradeTexto& textos)
{
    for (int r = grade->FixedRows(); r < textos.RowCount(); ++r)
        for (int c = grade->FixedCols(); c < textos.ColCount(); ++c)
            if (!textos.Cells(c, r).empty())
                digitaNaCelula(grade, c, r, QString::fromStdString(textos.Cells(c, r)));
}

// Letters beyond ASCII arrive as the text of a key with no key code of its own.
inline void digita(QLineEdit* edicao, const std::string& texto)
{
    for (const QChar letra : QString::fromStdString(texto)) {
        if (letra.unicode() < 128)
            QTest::keyClick(edicao, letra.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edicao, Qt::Key_unknown, QString(letra), Qt::NoModifier);
    }
}

// The realistic terrace typed through the controls of `j`, its sections opened in turn.
inline void digitaTerraco(TFEntdados* j)
{
    const TDadosTerraco d = terracoRealista();
    digita(j->LblEdtTr, d.LblEdtTr);
    digita(j->LblEdtK, d.LblEdtK);
    digita(j->LblEdtA, d.LblEdtA);
    digita(j->LblEdtB, d.LblEdtB);
    digita(j->LblEdtC, d.LblEdtC);
    QTest::mouseClick(j->sbCanal, Qt::LeftButton);
    digita(j->LblEdtComprimentoTerraco, d.LblEdtComprimentoTerraco);
    digitaGrade(j->SGridCanalSecao, d.SGridCanalSecao);
    QTest::mouseClick(j->sbAreaDeContribuicao, Qt::LeftButton);
    digitaGrade(j->SGridMira, d.SGridMira);
    QTest::mouseClick(j->RadioButtonContribui, Qt::LeftButton, {}, QPoint(5, 8));
    digita(j->EdtAreaContibuicaoSemiELargura, d.EdtAreaContibuicaoSemiELargura);
    digita(j->EdtAreaContibuicaoComprimento, d.EdtAreaContibuicaoComprimento);
    QTest::mouseClick(j->sbPerfilDaCrista, Qt::LeftButton);
    digitaGrade(j->SGridCristaInicio, d.SGridCristaInicio);
    digitaGrade(j->SGridCristaMeio, d.SGridCristaMeio);
    digitaGrade(j->SGridCristaFim, d.SGridCristaFim);
    QTest::mouseClick(j->sbSolo, Qt::LeftButton);
    digita(j->LblEdtSoloTIE, d.LblEdtSoloTIE);
}

// The identification's seven edits, in the order of the texts of TTextosIdentificacao.
inline std::array<QLineEdit*, 7> camposIdentificacao(const TFIdentificacao* d)
{
    return {d->EIdentificacao, d->EMunicipio,    d->EEstado,     d->ELocalidade,
            d->EProprietario,  d->EData,         d->EResponsavel};
}

// The seven texts typed into the identification dialog `d`, each into its edit.
inline void digitaIdentificacao(const TFIdentificacao* d, const TTextosIdentificacao& t)
{
    const std::array<const std::string*, 7> textos = {&t.EIdentificacao, &t.EMunicipio,    &t.EEstado,
                                                      &t.ELocalidade,    &t.EProprietario, &t.EData,
                                                      &t.EResponsavel};
    const std::array<QLineEdit*, 7> campos = camposIdentificacao(d);
    for (std::size_t i = 0; i < campos.size(); ++i)
        digita(campos[i], *textos[i]);
}
