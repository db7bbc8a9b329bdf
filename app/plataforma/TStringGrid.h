#pragma once
// A grid of texts addressed (column, row) from 0 with its fixed header rows and
// columns counted in, as the data-entry grids are described. The fixed row and
// column are the view's headers, so they stay in place while the cells scroll.
#include "app/nucleo/TGradeTexto.h"
#include "plataforma/TFiltroInsercao.h"
#include "plataforma/TFiltroTeclas.h"

#include <QTableWidget>

#include <vector>

class QMenu;
class QPainter;
class TCabecalhoGrade;
class TCantoGrade;

class TStringGrid : public QTableWidget {
    Q_OBJECT
public:
    enum TOpcao { goEditing = 0x1, goRowSelect = 0x2 };
    Q_DECLARE_FLAGS(TOpcoes, TOpcao)

    // At most one fixed row and one fixed column; every column starts 64 wide.
    TStringGrid(int colunas, int linhas, int linhasFixas, int colunasFixas, QWidget* pai = nullptr);

    // The text of a cell, fixed cells included; empty outside the grid.
    QString Cells(int coluna, int linha) const;
    // Writing outside the grid does nothing.
    void setCells(int coluna, int linha, const QString& texto);

    int ColCount() const;
    int RowCount() const;
    // Rows that go leave no text behind; the grid keeps one row at least, and the
    // fixed row becomes a normal one when the grid falls to a single row.
    void setRowCount(int linhas);

    int FixedRows() const { return linhasFixas_; }
    int FixedCols() const { return colunasFixas_; }
    void setFixedRows(int linhas);
    void setFixedCols(int colunas);

    // A width of 0 hides the column and keeps its texts.
    int ColWidths(int coluna) const;
    void setColWidths(int coluna, int largura);

    TOpcoes Options() const { return opcoes_; }
    void setOptions(TOpcoes opcoes);

    // The current cell; before any selection, the first cell after the fixed ones.
    int Row() const;
    int Col() const;
    void setRow(int linha);

    TGradeTexto grade() const;
    // Takes the record's row count and texts; a column the record lacks is emptied.
    void defineGrade(const TGradeTexto& grade);

    // The row operations of TGradeTexto, applied to the grid's texts.
    void desceLinhas(int primeira);
    void sobeLinhas(int primeira);
    void numeraLinhas(int inicio);

    // Every character typed into the grid or into a cell's editor goes to `manipulador`
    // first (TFiltroTeclas).
    void setOnKeyPress(TFiltroTeclas::TManipulador manipulador);
    // Every change the user makes to a cell's text in its editor, pasted or dropped text
    // included, goes to `juiz` (TFiltroInsercao).
    void setOnInsercao(TFiltroInsercao::TJuiz juiz);

    // The menu a right click on the grid opens; none by default.
    QMenu* PopupMenu() const { return menu_; }
    void setPopupMenu(QMenu* menu) { menu_ = menu; }

signals:
    // The current cell moved to (coluna, linha).
    void SelectCell(int coluna, int linha);
    // Only the left button moves the current cell; any button takes the focus.
    void MouseDown(Qt::MouseButton botao);
    // A cell that is not fixed has just been drawn; more may be drawn over it.
    void DrawCell(int coluna, int linha, const QRect& area, QPainter* canvas);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void updateGeometries() override;

private:
    void reconstroi(const TGradeTexto& textos, int linhasFixas, int colunasFixas);
    void criaItens(int deLinha);
    void aplicaLarguras();
    void aplicaCabecalhos();
    QTableWidgetItem* itemDaCelula(int coluna, int linha) const;
    void aplicaTextos(const TGradeTexto& textos);
    void instalaFiltros(QWidget* editor);

    friend class TDelegadoGrade;

    int colunas_;
    int linhasFixas_ = 0;
    int colunasFixas_ = 0;
    TOpcoes opcoes_ = goEditing;
    std::vector<int> larguras_;
    TCabecalhoGrade* cabecalhoLinhas_;
    TCabecalhoGrade* cabecalhoColunas_;
    TCantoGrade* canto_;
    TFiltroTeclas* filtroTeclas_ = nullptr;
    TFiltroInsercao::TJuiz juizInsercao_;
    QMenu* menu_ = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TStringGrid::TOpcoes)
