#include "app/plataforma/TStringGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStyleOptionHeader>

#include <algorithm>
#include <utility>

namespace {

constexpr int alturaLinha = 24;
constexpr int larguraPadrao = 64;

// A fixed cell: the header's face, and the text as typed, leading blanks included,
// 2 pixels in from the left.
void pintaCelulaFixa(QPainter* pintor, const QWidget* dono, const QRect& area, const QString& texto)
{
    QStyleOptionHeader opcao;
    opcao.initFrom(dono);
    opcao.rect = area;
    opcao.position = QStyleOptionHeader::OnlyOneSection;
    dono->style()->drawControl(QStyle::CE_HeaderSection, &opcao, pintor, dono);
    pintor->setPen(dono->palette().color(QPalette::ButtonText));
    pintor->setFont(dono->font());
    pintor->drawText(area.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, texto);
}

} // namespace

// A header whose thickness is the fixed row's height or the fixed column's width,
// whatever the texts in it.
class TCabecalhoGrade : public QHeaderView {
public:
    explicit TCabecalhoGrade(Qt::Orientation orientacao, QWidget* pai)
        : QHeaderView(orientacao, pai)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(0);
        setDefaultSectionSize(orientacao == Qt::Vertical ? alturaLinha : larguraPadrao);
        setSectionResizeMode(QHeaderView::Fixed);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    void defineEspessura(int espessura)
    {
        espessura_ = espessura;
        updateGeometry();
    }

    QSize sizeHint() const override
    {
        QSize tamanho = QHeaderView::sizeHint();
        if (orientation() == Qt::Vertical)
            tamanho.setWidth(espessura_);
        else
            tamanho.setHeight(espessura_);
        return tamanho;
    }

protected:
    void paintSection(QPainter* pintor, const QRect& area, int secao) const override
    {
        pintor->save();
        pintor->setClipRect(area);
        pintaCelulaFixa(pintor, this, area, model()->headerData(secao, orientation()).toString());
        pintor->restore();
    }

private:
    int espessura_ = alturaLinha;
};

// The cell where the fixed row meets the fixed column, drawn as a header cell.
class TCantoGrade : public QWidget {
public:
    using QWidget::QWidget;

    QString texto;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter pintor(this);
        pintaCelulaFixa(&pintor, this, rect(), texto);
    }
};

// Draws the cells as usual and then lets the grid's DrawCell draw over them; hands the
// cell editors the grid's key handler and judge of changes.
class TDelegadoGrade : public QStyledItemDelegate {
public:
    explicit TDelegadoGrade(TStringGrid* grade)
        : QStyledItemDelegate(grade)
        , grade_(grade)
    {
    }

    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(pai, opcao, indice);
        if (editor)
            grade_->instalaFiltros(editor);
        return editor;
    }

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override
    {
        QStyledItemDelegate::paint(pintor, opcao, indice);
        pintor->save();
        emit grade_->DrawCell(indice.column() + grade_->colunasFixas_, indice.row() + grade_->linhasFixas_,
                              opcao.rect, pintor);
        pintor->restore();
    }

private:
    TStringGrid* grade_;
};

TStringGrid::TStringGrid(int colunas, int linhas, int linhasFixas, int colunasFixas, QWidget* pai)
    : QTableWidget(pai)
    , colunas_(std::max(colunas, 1))
    , larguras_(static_cast<std::size_t>(colunas_), larguraPadrao)
    , cabecalhoLinhas_(new TCabecalhoGrade(Qt::Vertical, this))
    , cabecalhoColunas_(new TCabecalhoGrade(Qt::Horizontal, this))
    , canto_(new TCantoGrade(this))
{
    setVerticalHeader(cabecalhoLinhas_);
    setHorizontalHeader(cabecalhoColunas_);
    setItemDelegate(new TDelegadoGrade(this));
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Only passes the move on: whoever handles SelectCell connects it under the guard.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int linha, int coluna) {
        if (linha >= 0 && coluna >= 0)
            emit SelectCell(coluna + colunasFixas_, linha + linhasFixas_);
    });
    reconstroi(TGradeTexto(colunas_, linhas), linhasFixas, colunasFixas);
    setOptions(goEditing);
}

int TStringGrid::ColCount() const
{
    return colunas_;
}

int TStringGrid::RowCount() const
{
    return rowCount() + linhasFixas_;
}

QTableWidgetItem* TStringGrid::itemDaCelula(int coluna, int linha) const
{
    if (coluna < 0 || coluna >= colunas_ || linha < 0 || linha >= RowCount())
        return nullptr;
    if (linha < linhasFixas_)
        return coluna < colunasFixas_ ? nullptr : horizontalHeaderItem(coluna - colunasFixas_);
    if (coluna < colunasFixas_)
        return verticalHeaderItem(linha - linhasFixas_);
    return item(linha - linhasFixas_, coluna - colunasFixas_);
}

QString TStringGrid::Cells(int coluna, int linha) const
{
    if (linha == 0 && coluna == 0 && linhasFixas_ > 0 && colunasFixas_ > 0)
        return canto_->texto;
    const QTableWidgetItem* celula = itemDaCelula(coluna, linha);
    return celula ? celula->text() : QString();
}

void TStringGrid::setCells(int coluna, int linha, const QString& texto)
{
    if (linha == 0 && coluna == 0 && linhasFixas_ > 0 && colunasFixas_ > 0) {
        canto_->texto = texto;
        canto_->update();
        return;
    }
    if (QTableWidgetItem* celula = itemDaCelula(coluna, linha))
        celula->setText(texto);
}

void TStringGrid::criaItens(int deLinha)
{
    for (int linha = deLinha; linha < rowCount(); ++linha) {
        if (colunasFixas_ > 0)
            setVerticalHeaderItem(linha, new QTableWidgetItem);
        for (int coluna = 0; coluna < columnCount(); ++coluna) {
            auto* celula = new QTableWidgetItem;
            celula->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            setItem(linha, coluna, celula);
        }
    }
}

void TStringGrid::reconstroi(const TGradeTexto& textos, int linhasFixas, int colunasFixas)
{
    const int linhas = std::max(textos.RowCount(), 1);
    linhasFixas_ = std::clamp(linhasFixas, 0, std::min(1, linhas - 1));
    colunasFixas_ = std::clamp(colunasFixas, 0, std::min(1, colunas_ - 1));
    clear();
    canto_->texto.clear();
    QTableWidget::setColumnCount(colunas_ - colunasFixas_);
    QTableWidget::setRowCount(linhas - linhasFixas_);
    if (linhasFixas_ > 0)
        for (int coluna = 0; coluna < columnCount(); ++coluna)
            setHorizontalHeaderItem(coluna, new QTableWidgetItem);
    criaItens(0);
    for (int linha = 0; linha < linhas; ++linha)
        for (int coluna = 0; coluna < colunas_; ++coluna)
            setCells(coluna, linha, QString::fromStdString(textos.Cells(coluna, linha)));
    aplicaCabecalhos();
    aplicaLarguras();
}

void TStringGrid::setRowCount(int linhas)
{
    linhas = std::max(linhas, 1);
    if (linhas <= linhasFixas_)
        setFixedRows(linhas - 1);
    const int antes = rowCount();
    QTableWidget::setRowCount(linhas - linhasFixas_);
    criaItens(antes);
}

void TStringGrid::setFixedRows(int linhas)
{
    if (linhas != linhasFixas_)
        reconstroi(grade(), linhas, colunasFixas_);
}

void TStringGrid::setFixedCols(int colunas)
{
    if (colunas != colunasFixas_)
        reconstroi(grade(), linhasFixas_, colunas);
}

int TStringGrid::ColWidths(int coluna) const
{
    if (coluna < 0 || coluna >= colunas_)
        return 0;
    return larguras_[static_cast<std::size_t>(coluna)];
}

void TStringGrid::setColWidths(int coluna, int largura)
{
    if (coluna < 0 || coluna >= colunas_)
        return;
    larguras_[static_cast<std::size_t>(coluna)] = std::max(largura, 0);
    aplicaLarguras();
}

void TStringGrid::aplicaCabecalhos()
{
    cabecalhoColunas_->setVisible(linhasFixas_ > 0);
    canto_->setVisible(linhasFixas_ > 0 && colunasFixas_ > 0);
}

void TStringGrid::aplicaLarguras()
{
    if (colunasFixas_ > 0) {
        cabecalhoLinhas_->defineEspessura(larguras_[0]);
        cabecalhoLinhas_->setVisible(larguras_[0] > 0);
    } else {
        cabecalhoLinhas_->setVisible(false);
    }
    for (int coluna = colunasFixas_; coluna < colunas_; ++coluna) {
        const int largura = larguras_[static_cast<std::size_t>(coluna)];
        setColumnHidden(coluna - colunasFixas_, largura == 0);
        if (largura > 0)
            setColumnWidth(coluna - colunasFixas_, largura);
    }
    updateGeometries();
}

void TStringGrid::setOptions(TOpcoes opcoes)
{
    opcoes_ = opcoes;
    const bool linhaInteira = opcoes.testFlag(goRowSelect);
    setSelectionBehavior(linhaInteira ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    if (linhaInteira || !opcoes.testFlag(goEditing)) {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    } else {
        setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                        | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    }
    if (linhaInteira && currentRow() >= 0)
        selectRow(currentRow());
}

int TStringGrid::Row() const
{
    return currentRow() >= 0 ? currentRow() + linhasFixas_ : linhasFixas_;
}

int TStringGrid::Col() const
{
    return currentColumn() >= 0 ? currentColumn() + colunasFixas_ : colunasFixas_;
}

void TStringGrid::setRow(int linha)
{
    if (linha < linhasFixas_ || linha >= RowCount())
        return;
    setCurrentCell(linha - linhasFixas_, std::max(currentColumn(), 0));
}

TGradeTexto TStringGrid::grade() const
{
    TGradeTexto textos(colunas_, RowCount());
    for (int linha = 0; linha < RowCount(); ++linha)
        for (int coluna = 0; coluna < colunas_; ++coluna)
            textos.setCells(coluna, linha, Cells(coluna, linha).toStdString());
    return textos;
}

void TStringGrid::defineGrade(const TGradeTexto& textos)
{
    setRowCount(textos.RowCount());
    for (int linha = 0; linha < RowCount(); ++linha)
        for (int coluna = 0; coluna < colunas_; ++coluna)
            setCells(coluna, linha, QString::fromStdString(textos.Cells(coluna, linha)));
}

// The texts change in the record, and the grid takes back every cell that moved.
void TStringGrid::aplicaTextos(const TGradeTexto& textos)
{
    for (int linha = 0; linha < RowCount(); ++linha)
        for (int coluna = 0; coluna < colunas_; ++coluna)
            if (textos.Cells(coluna, linha) != Cells(coluna, linha).toStdString())
                setCells(coluna, linha, QString::fromStdString(textos.Cells(coluna, linha)));
}

void TStringGrid::desceLinhas(int primeira)
{
    TGradeTexto textos = grade();
    textos.desceLinhas(primeira);
    aplicaTextos(textos);
}

void TStringGrid::sobeLinhas(int primeira)
{
    TGradeTexto textos = grade();
    textos.sobeLinhas(primeira);
    aplicaTextos(textos);
}

void TStringGrid::numeraLinhas(int inicio)
{
    TGradeTexto textos = grade();
    textos.numeraLinhas(inicio);
    aplicaTextos(textos);
}

void TStringGrid::setOnKeyPress(TFiltroTeclas::TManipulador manipulador)
{
    delete filtroTeclas_;
    filtroTeclas_ = new TFiltroTeclas(std::move(manipulador), this);
    filtroTeclas_->instala(this);
    if (QWidget* editor = indexWidget(currentIndex()))
        filtroTeclas_->instala(editor);
}

void TStringGrid::setOnInsercao(TFiltroInsercao::TJuiz juiz)
{
    juizInsercao_ = std::move(juiz);
    if (auto* editor = qobject_cast<QLineEdit*>(indexWidget(currentIndex())))
        TFiltroInsercao::instala(editor, juizInsercao_);
}

void TStringGrid::instalaFiltros(QWidget* editor)
{
    if (filtroTeclas_)
        filtroTeclas_->instala(editor);
    auto* edicao = qobject_cast<QLineEdit*>(editor);
    if (edicao && juizInsercao_)
        TFiltroInsercao::instala(edicao, juizInsercao_);
}

void TStringGrid::mousePressEvent(QMouseEvent* evento)
{
    emit MouseDown(evento->button());
    if (evento->button() == Qt::LeftButton)
        QTableWidget::mousePressEvent(evento);
    else
        setFocus(Qt::MouseFocusReason);
}

void TStringGrid::contextMenuEvent(QContextMenuEvent* evento)
{
    if (menu_)
        menu_->popup(evento->globalPos());
}

void TStringGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    canto_->setGeometry(frameWidth(), frameWidth(), cabecalhoLinhas_->width(), cabecalhoColunas_->height());
    canto_->raise();
}
