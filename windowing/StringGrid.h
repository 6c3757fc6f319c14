// A grid of text cells over QTableWidget. Its first row and column can be
// fixed (shown as the table's headers, so they stay when the rest
// scrolls). Every cell is filled by the grid (fixed cells in FixedColor,
// highlighted ones in the highlight colour, others in Color), then painted
// by DrawCell with a canvas: the default writes the text, then OnDrawCell
// may paint over it; the focused cell gets its dotted frame last. Row and Col
// count the fixed ones, as the platform's grid does. OnClick follows a click
// on a cell and a key that moves the current cell.
#pragma once

#include <string>
#include <vector>

#include "windowing/NativeControl.h"

class QTableWidget;

enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
using TGridDrawState = unsigned;

enum TGridOption : unsigned {
  goFixedVertLine = 1u << 0,
  goFixedHorzLine = 1u << 1,
  goVertLine = 1u << 2,
  goHorzLine = 1u << 3,
  goRangeSelect = 1u << 4,
  goDrawFocusSelected = 1u << 5,
  goRowSizing = 1u << 6,
  goColSizing = 1u << 7,
  goRowMoving = 1u << 8,
  goColMoving = 1u << 9,
  goEditing = 1u << 10,
  goTabs = 1u << 11,
  goRowSelect = 1u << 12,
  goAlwaysShowEditor = 1u << 13,
  goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;

using TDrawCellEvent =
    std::function<void(TComponent* Sender, TCanvas& Canvas, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TComponent* Sender, int ACol, int ARow, bool& CanSelect)>;

class TStringGrid : public TNativeControl {
 public:
  explicit TStringGrid(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  QTableWidget& Table() const { return *FTable; }
  int ColCount() const { return FColCount; }
  void SetColCount(int count);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int count);
  // 0 or 1.
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int rows);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int cols);
  // Empty outside the grid.
  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int height);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int width);
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int Row() const;
  void SetRow(int row);
  int Col() const;
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions options);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor color);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;

  // Fills one cell, runs DrawCell and frames the focused cell.
  void PaintCell(TCanvas& canvas, int col, int row, const TRect& r, TGridDrawState state);
  // Paints one filled cell; the state says fixed, selected or focused.
  virtual void DrawCell(TCanvas& canvas, int col, int row, const TRect& r, TGridDrawState state);

 private:
  friend class TGridCellPainter;
  void Rebuild();
  int BodyRow(int row) const { return row - FFixedRows; }
  int BodyCol(int col) const { return col - FFixedCols; }

  QTableWidget* FTable;
  int FColCount = 5;
  int FRowCount = 5;
  int FFixedRows = 1;
  int FFixedCols = 1;
  int FDefaultRowHeight = 24;
  int FDefaultColWidth = 64;
  TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  TColor FFixedColor = clBtnFace;
  std::vector<std::vector<std::string>> FCells;  // [row][col]
  bool FSelecting = false;
};
