// A string grid painted by itself: fixed row 0 and column 0 in their own
// colour, the current cell (or with goRowSelect the current row) shown
// selected, no editing in place.
#pragma once

#include "controls.h"
#include "stdctrls.h"

// Lines between fixed cells and between the others, and whole-row selection;
// the rest are read from layouts and have no effect here.
enum TGridOption {
    goFixedVertLine = 1, goFixedHorzLine = 2, goVertLine = 4, goHorzLine = 8, goRowSelect = 16,
    goRangeSelect = 32, goDrawFocusSelected = 64, goColSizing = 128, goEditing = 256
};
using TGridOptions = int;  // goRowSelect | goVertLine ...

class TStringGrid : public TWinControl {
public:
    explicit TStringGrid(TComponent* Owner);
    int ColCount() const { return colCount_; }
    void SetColCount(int v);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int v);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor v) { fixedColor_ = v; Invalidate(); }
    int ColWidths(int col) const { return colWidths_.at(static_cast<size_t>(col)); }
    void SetColWidths(int col, int width);
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int v) { rowHeight_ = v; UpdateScroll(); Invalidate(); }
    void SetDefaultColWidth(int v);
    // The layout's Options: the default draws every line and selects cells.
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions v) { options_ = v; Invalidate(); }
    // The current cell: a click or the arrow keys move it; with goRowSelect
    // the whole row shows selected, else only the cell.
    int Row() const { return row_; }
    void SetRow(int v);
    int Col() const { return col_; }
    void SetCol(int v);
    int TopRow() const { return topRow_; }
    // A cell outside the grid reads as empty text; writing one is ignored.
    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, const std::string& text);
    // The cell rectangle in client coordinates (empty when scrolled away).
    RECT CellRect(int col, int row) const;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void Paint(HDC dc, const RECT& client) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void UpdateScroll();
    int VisibleDataRows() const;
    void ScrollInView();
    // The column at x in client coordinates, or -1 past the last one.
    int ColumnAt(int x) const;
    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int rowHeight_ = 24, defaultColWidth_ = 64;
    std::vector<int> colWidths_;
    std::vector<std::vector<std::string>> cells_;  // [row][col]
    int row_ = 1, col_ = 1, topRow_ = 1;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine;
    TColor fixedColor_ = clBtnFace;
    TScrollStyle scrollBars_ = ssBoth;
};
