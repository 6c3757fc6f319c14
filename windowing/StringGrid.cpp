#include "windowing/StringGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>

#include "windowing/Guarded.h"

namespace {

const TEnumInfo& OptionNames() {
  static const TEnumInfo names{{"goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
                                "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving",
                                "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor", "goThumbTracking"}};
  return names;
}

}  // namespace

// Runs the grid's DrawCell for a cell rectangle of a Qt painter.
class TGridCellPainter {
 public:
  static void Paint(TStringGrid& grid, QPainter& painter, const QRect& r, int col, int row, TGridDrawState state) {
    if (r.isEmpty()) return;
    QImage image(r.size(), QImage::Format_RGB32);
    image.fill(ColorToQColor(grid.Color()));
    TCanvas canvas(image);
    canvas.SetOrigin(Point(-r.x(), -r.y()));
    canvas.Font.Assign(grid.Font());
    Guarded([&] { grid.PaintCell(canvas, col, row, FromQRect(r), state); });
    painter.drawImage(r.topLeft(), image);
  }
};

namespace {

class TCellDelegate : public QStyledItemDelegate {
 public:
  TCellDelegate(TStringGrid& grid, QObject* parent) : QStyledItemDelegate(parent), FGrid(grid) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    TGridDrawState state = 0;
    if (option.state & QStyle::State_Selected) state |= gdSelected;
    if (index.row() == FGrid.Table().currentRow() && index.column() == FGrid.Table().currentColumn()) state |= gdFocused;
    TGridCellPainter::Paint(FGrid, *painter, option.rect, index.column() + FGrid.FixedCols(),
                            index.row() + FGrid.FixedRows(), state);
  }

 private:
  TStringGrid& FGrid;
};

// The table; a key that moves the current cell reports the move, which the
// grid passes on as a click, as the platform's grid does.
class TGridTable : public QTableWidget {
 public:
  std::function<void()> OnKeyMove;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    if (currentIndex() != before && OnKeyMove) OnKeyMove();
  }
};

// The fixed row or column: the table's header, painted as fixed cells.
class TFixedHeader : public QHeaderView {
 public:
  TFixedHeader(Qt::Orientation orientation, TStringGrid& grid) : QHeaderView(orientation), FGrid(grid) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
    const bool horizontal = orientation() == Qt::Horizontal;
    const int col = horizontal ? logicalIndex + FGrid.FixedCols() : 0;
    const int row = horizontal ? 0 : logicalIndex + FGrid.FixedRows();
    TGridCellPainter::Paint(FGrid, *painter, rect, col, row, gdFixed);
  }

 private:
  TStringGrid& FGrid;
};

}  // namespace

TStringGrid::TStringGrid(TComponent* owner) : TNativeControl(owner, new TGridTable), FTable(static_cast<QTableWidget*>(&Inner())) {
  FTable->setFrameShape(QFrame::NoFrame);
  FTable->setItemDelegate(new TCellDelegate(*this, FTable));
  FTable->setHorizontalHeader(new TFixedHeader(Qt::Horizontal, *this));
  FTable->setVerticalHeader(new TFixedHeader(Qt::Vertical, *this));
  FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FTable->setSelectionMode(QAbstractItemView::SingleSelection);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
  QObject::connect(FTable, &QTableWidget::currentCellChanged, FTable, [this](int row, int col, int oldRow, int oldCol) {
    if (FSelecting || !OnSelectCell || row < 0) return;
    bool canSelect = true;
    Guarded([&] { OnSelectCell(this, col + FFixedCols, row + FFixedRows, canSelect); });
    if (canSelect) return;
    FSelecting = true;
    FTable->setCurrentCell(oldRow, oldCol);
    FSelecting = false;
  });
  const auto click = [this] {
    if (OnClick) Guarded([this] { OnClick(this); });
  };
  QObject::connect(FTable, &QTableWidget::cellClicked, FTable, click);
  static_cast<TGridTable*>(FTable)->OnKeyMove = click;
  FTable->horizontalHeader()->setDefaultSectionSize(FDefaultColWidth);
  FTable->verticalHeader()->setDefaultSectionSize(FDefaultRowHeight);
  Rebuild();
}

const TClassInfo& TStringGrid::StaticClassInfo() {
  static const auto info = DefineClass<TStringGrid>("TStringGrid", TNativeControl::StaticClassInfo(), [](TPublisher<TStringGrid>& p) {
    p.Integer("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount)
        .Integer("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth)
        .Integer("DefaultRowHeight", &TStringGrid::DefaultRowHeight, &TStringGrid::SetDefaultRowHeight)
        .Color("FixedColor", &TStringGrid::FixedColor, &TStringGrid::SetFixedColor)
        .Integer("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols)
        .Integer("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows)
        .Set("Options", OptionNames(), &TStringGrid::Options, &TStringGrid::SetOptions)
        .Integer("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount)
        .Event("OnDrawCell", &TStringGrid::OnDrawCell)
        .Event("OnSelectCell", &TStringGrid::OnSelectCell);
  });
  return *info;
}

void TStringGrid::Rebuild() {
  FCells.resize(static_cast<size_t>(FRowCount));
  for (auto& row : FCells) row.resize(static_cast<size_t>(FColCount));
  FTable->setRowCount(std::max(0, FRowCount - FFixedRows));
  FTable->setColumnCount(std::max(0, FColCount - FFixedCols));
  FTable->horizontalHeader()->setVisible(FFixedRows > 0);
  FTable->verticalHeader()->setVisible(FFixedCols > 0);
  FTable->horizontalHeader()->setFixedHeight(FDefaultRowHeight);
  FTable->verticalHeader()->setFixedWidth(FDefaultColWidth);
  FTable->setShowGrid((FOptions & (goVertLine | goHorzLine)) != 0);
  FTable->setSelectionBehavior(FOptions & goRowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  const auto resize = FOptions & goColSizing ? QHeaderView::Interactive : QHeaderView::Fixed;
  FTable->horizontalHeader()->setSectionResizeMode(resize);
  FTable->verticalHeader()->setSectionResizeMode(FOptions & goRowSizing ? QHeaderView::Interactive : QHeaderView::Fixed);
  // As on the platform, a grid with cells always has a current cell, shown
  // selected (its whole row with goRowSelect), so the row Row reports is
  // the row the grid shows selected before any click.
  if (FTable->rowCount() > 0 && FTable->columnCount() > 0) {
    const QModelIndex current =
        FTable->currentIndex().isValid() ? FTable->currentIndex() : FTable->model()->index(0, 0);
    const auto rows = FOptions & goRowSelect ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
    FSelecting = true;
    FTable->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect | rows);
    FSelecting = false;
  }
  FTable->viewport()->update();
}

void TStringGrid::SetColCount(int count) {
  if (count < 1 || count == FColCount) return;
  FColCount = count;
  FFixedCols = std::min(FFixedCols, count - 1);
  Rebuild();
}

void TStringGrid::SetRowCount(int count) {
  if (count < 1 || count == FRowCount) return;
  FRowCount = count;
  FFixedRows = std::min(FFixedRows, count - 1);
  Rebuild();
}

void TStringGrid::SetFixedRows(int rows) {
  rows = std::clamp(rows, 0, std::min(1, FRowCount - 1));
  if (rows == FFixedRows) return;
  FFixedRows = rows;
  Rebuild();
}

void TStringGrid::SetFixedCols(int cols) {
  cols = std::clamp(cols, 0, std::min(1, FColCount - 1));
  if (cols == FFixedCols) return;
  FFixedCols = cols;
  Rebuild();
}

std::string TStringGrid::Cells(int col, int row) const {
  if (row < 0 || row >= FRowCount || col < 0 || col >= FColCount) return {};
  return FCells[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  if (row < 0 || row >= FRowCount || col < 0 || col >= FColCount) return;
  FCells[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
  FTable->viewport()->update();
  FTable->horizontalHeader()->viewport()->update();
  FTable->verticalHeader()->viewport()->update();
}

// Qt gives every row or column the default size it is set to, so it is
// set only when it changes: rows and columns that come and go leave the
// sizes given to the others as they were.
void TStringGrid::SetDefaultRowHeight(int height) {
  if (height < 1 || height == FDefaultRowHeight) return;
  FDefaultRowHeight = height;
  FTable->verticalHeader()->setDefaultSectionSize(height);
  Rebuild();
}

void TStringGrid::SetDefaultColWidth(int width) {
  if (width < 1 || width == FDefaultColWidth) return;
  FDefaultColWidth = width;
  FTable->horizontalHeader()->setDefaultSectionSize(width);
  Rebuild();
}

int TStringGrid::ColWidths(int col) const {
  if (col < FFixedCols) return FDefaultColWidth;
  return FTable->columnWidth(BodyCol(col));
}

void TStringGrid::SetColWidths(int col, int width) {
  if (col >= FFixedCols) FTable->setColumnWidth(BodyCol(col), width);
}

int TStringGrid::Row() const { return std::max(0, FTable->currentRow()) + FFixedRows; }

void TStringGrid::SetRow(int row) {
  if (row >= FFixedRows && row < FRowCount) FTable->setCurrentCell(BodyRow(row), std::max(0, FTable->currentColumn()));
}

int TStringGrid::Col() const { return std::max(0, FTable->currentColumn()) + FFixedCols; }

void TStringGrid::SetOptions(TGridOptions options) {
  if (FOptions == options) return;
  FOptions = options;
  Rebuild();
}

void TStringGrid::SetFixedColor(TColor color) {
  if (FFixedColor == color) return;
  FFixedColor = color;
  Rebuild();
}

void TStringGrid::PaintCell(TCanvas& canvas, int col, int row, const TRect& r, TGridDrawState state) {
  const bool highlighted = (state & gdSelected) && (!(state & gdFocused) || (FOptions & goDrawFocusSelected));
  canvas.Brush.Color = state & gdFixed ? FFixedColor : highlighted ? clHighlight : Color();
  canvas.FillRect(r);
  if (highlighted) canvas.Font.SetColor(clHighlightText);
  DrawCell(canvas, col, row, r, state);
  if (state & gdFocused) canvas.DrawFocusRect(r);
}

void TStringGrid::DrawCell(TCanvas& canvas, int col, int row, const TRect& r, TGridDrawState state) {
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.TextRect(r, r.Left + 2, r.Top + 2, Cells(col, row));
  canvas.Brush.Style = TBrushStyle::bsSolid;
  if (OnDrawCell) OnDrawCell(this, canvas, col, row, r, state);
}
