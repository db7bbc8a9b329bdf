#pragma once
// The texts of one string grid of a terrace, addressed (column, row) from 0 like the
// grid on screen: header rows and columns included.
#include <string>
#include <vector>

class TGradeTexto {
public:
    TGradeTexto(int colunas, int linhas);

    int ColCount() const { return colunas_; }
    int RowCount() const { return static_cast<int>(celulas_.size()); }

    // Changing the row count keeps the texts of the rows that stay; rows that go leave
    // no text behind, so a row added later is always empty. A grid keeps one row at least.
    void setRowCount(int linhas);

    // The text of a cell; empty outside the grid.
    const std::string& Cells(int coluna, int linha) const;
    // Writing outside the grid does nothing, as on screen.
    void setCells(int coluna, int linha, std::string texto);

    // Rows from `primeira` to the last but one move down one place, over the last row,
    // and row `primeira` is left empty; a row outside the grid moves nothing.
    void desceLinhas(int primeira);
    // Rows after `primeira` move up one place, over row `primeira`; the last row keeps
    // its texts.
    void sobeLinhas(int primeira);
    // Column 0 of each row r from `inicio` on gets the number r + `inicio`.
    void numeraLinhas(int inicio);

    bool operator==(const TGradeTexto&) const = default;

private:
    int colunas_;
    std::vector<std::vector<std::string>> celulas_;
};
