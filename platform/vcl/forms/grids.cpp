#include "grids.h"

#include <algorithm>

#include "layout_value.h"

namespace {

TGridOptions ReadOptions(const TLayoutValue& value)
{
    static const TLayoutConstant names[] = {
        {"goFixedVertLine", goFixedVertLine}, {"goFixedHorzLine", goFixedHorzLine}, {"goVertLine", goVertLine},
        {"goHorzLine", goHorzLine}, {"goRowSelect", goRowSelect}, {"goRangeSelect", goRangeSelect},
        {"goDrawFocusSelected", goDrawFocusSelected}, {"goColSizing", goColSizing}, {"goEditing", goEditing}};
    if (value.kind != TLayoutValue::Set)
        value.Fail("set expected");
    TGridOptions options = 0;
    for (const std::string& member : value.items) {
        const auto* known = std::find_if(std::begin(names), std::end(names),
                                         [&](const TLayoutConstant& c) { return SameText(member, c.name); });
        if (known == std::end(names))
            value.Fail("unknown grid option " + member);
        options |= known->value;
    }
    return options;
}

}  // namespace

TStringGrid::TStringGrid(TComponent* Owner) : TWinControl(Owner)
{
    tabStop_ = true;
    SetColor(clWindow);
    SetBounds(0, 0, 320, 120);
    SetColCount(5);
    SetRowCount(5);
}

void TStringGrid::CreateParams(TCreateParams& p)
{
    p.className = RiloWindowClass();
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        p.style |= WS_VSCROLL;
    p.exStyle |= WS_EX_CLIENTEDGE;
}

void TStringGrid::SetColCount(int v)
{
    colCount_ = std::max(v, 1);
    colWidths_.resize(static_cast<size_t>(colCount_), defaultColWidth_);
    for (auto& r : cells_)
        r.resize(static_cast<size_t>(colCount_));
    if (col_ >= colCount_)
        col_ = std::max(colCount_ - 1, fixedCols_);
    Invalidate();
}

void TStringGrid::SetRowCount(int v)
{
    rowCount_ = std::max(v, fixedRows_ + 1);
    cells_.resize(static_cast<size_t>(rowCount_), std::vector<std::string>(static_cast<size_t>(colCount_)));
    if (row_ >= rowCount_)
        row_ = rowCount_ - 1;
    if (topRow_ >= rowCount_)
        topRow_ = fixedRows_;
    UpdateScroll();
    Invalidate();
}

void TStringGrid::SetColWidths(int col, int width)
{
    colWidths_.at(static_cast<size_t>(col)) = width;
    Invalidate();
}

void TStringGrid::SetDefaultColWidth(int v)
{
    defaultColWidth_ = v;
    std::fill(colWidths_.begin(), colWidths_.end(), v);
    Invalidate();
}

std::string TStringGrid::Cells(int col, int row) const
{
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return std::string();
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int col, int row, const std::string& text)
{
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    Invalidate();
}

void TStringGrid::SetRow(int v)
{
    if (v < fixedRows_ || v >= rowCount_)
        throw std::out_of_range("Grid index out of range");
    row_ = v;
    ScrollInView();
    Invalidate();
}

void TStringGrid::SetCol(int v)
{
    if (v < fixedCols_ || v >= colCount_)
        throw std::out_of_range("Grid index out of range");
    col_ = v;
    Invalidate();
}

int TStringGrid::ColumnAt(int x) const
{
    int right = 0;
    for (int c = 0; c < colCount_; ++c) {
        right += colWidths_[static_cast<size_t>(c)] + 1;
        if (x < right)
            return c;
    }
    return -1;
}

int TStringGrid::VisibleDataRows() const
{
    RECT r;
    if (!const_cast<TStringGrid*>(this)->HandleAllocated() ||
        !GetClientRect(const_cast<TStringGrid*>(this)->Handle(), &r))
        return rowCount_;
    return std::max(1, static_cast<int>((r.bottom - fixedRows_ * (rowHeight_ + 1)) / (rowHeight_ + 1)));
}

void TStringGrid::ScrollInView()
{
    int visible = VisibleDataRows();
    if (row_ < topRow_)
        topRow_ = row_;
    else if (row_ >= topRow_ + visible)
        topRow_ = row_ - visible + 1;
    UpdateScroll();
}

void TStringGrid::UpdateScroll()
{
    if (!HandleAllocated() || (scrollBars_ != ssVertical && scrollBars_ != ssBoth))
        return;
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    si.nMin = fixedRows_;
    si.nMax = rowCount_ - 1;
    si.nPage = static_cast<UINT>(VisibleDataRows());
    si.nPos = topRow_;
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

RECT TStringGrid::CellRect(int col, int row) const
{
    RECT r = {0, 0, 0, 0};
    if (row >= fixedRows_ && row < topRow_)
        return r;
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += colWidths_[static_cast<size_t>(c)] + 1;
    int y = row < fixedRows_ ? row * (rowHeight_ + 1) : (fixedRows_ + row - topRow_) * (rowHeight_ + 1);
    r = {x, y, x + colWidths_[static_cast<size_t>(col)], y + rowHeight_};
    return r;
}

void TStringGrid::Paint(HDC dc, const RECT& client)
{
    HBRUSH fixed = CreateSolidBrush(ColorToRGB(fixedColor_));
    HBRUSH selected = CreateSolidBrush(ColorToRGB(clHighlight));
    HPEN line = CreatePen(PS_SOLID, 1, ColorToRGB(clGray));
    HGDIOBJ oldPen = SelectObject(dc, line);
    SetBkMode(dc, TRANSPARENT);
    for (int row = 0; row < rowCount_; ++row) {
        if (row >= fixedRows_ && row < topRow_)
            continue;
        for (int col = 0; col < colCount_; ++col) {
            RECT r = CellRect(col, row);
            if (r.top > client.bottom)
                break;
            bool isFixed = row < fixedRows_ || col < fixedCols_;
            bool isSelected = !isFixed && row == row_ && ((options_ & goRowSelect) || col == col_);
            FillRect(dc, &r, isFixed ? fixed : isSelected ? selected : Brush());
            if (isFixed) {
                RECT e = r;
                DrawEdge(dc, &e, BDR_RAISEDINNER, BF_RECT);
            }
            // Grid lines right and below each cell, where the options ask for them.
            if (options_ & (isFixed ? goFixedVertLine : goVertLine)) {
                MoveToEx(dc, r.right, r.top, nullptr);
                LineTo(dc, r.right, r.bottom + 1);
            }
            if (options_ & (isFixed ? goFixedHorzLine : goHorzLine)) {
                MoveToEx(dc, r.left, r.bottom, nullptr);
                LineTo(dc, r.right + 1, r.bottom);
            }
            SetTextColor(dc, ColorToRGB(isSelected ? clHighlightText : font_.Color()));
            RECT t = r;
            InflateRect(&t, -2, 0);
            const std::string& text = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
            DrawTextA(dc, text.c_str(), -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    SelectObject(dc, oldPen);
    DeleteObject(line);
    DeleteObject(selected);
    DeleteObject(fixed);
}

LRESULT TStringGrid::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN: {
        SetFocus();
        int r = static_cast<short>(HIWORD(lp)) / (rowHeight_ + 1);
        if (r >= fixedRows_) {
            r = topRow_ + r - fixedRows_;
            if (r < rowCount_) {
                // A click on the fixed column still chooses the row.
                int c = ColumnAt(static_cast<short>(LOWORD(lp)));
                if (c >= fixedCols_)
                    col_ = c;
                SetRow(r);
                Click();
            }
        }
        return 0;
    }
    case WM_KEYDOWN: {
        int r = row_;
        switch (wp) {
        case VK_UP: r = row_ - 1; break;
        case VK_DOWN: r = row_ + 1; break;
        case VK_PRIOR: r = row_ - VisibleDataRows(); break;
        case VK_NEXT: r = row_ + VisibleDataRows(); break;
        case VK_HOME: r = fixedRows_; break;
        case VK_END: r = rowCount_ - 1; break;
        case VK_LEFT:
        case VK_RIGHT:
            // Across the cells of the row; a selected row has no current cell to move.
            if (!(options_ & goRowSelect) && colCount_ > fixedCols_)
                SetCol(std::clamp(col_ + (wp == VK_LEFT ? -1 : 1), fixedCols_, colCount_ - 1));
            return 0;
        default: return TWinControl::WndProc(msg, wp, lp);
        }
        SetRow(std::clamp(r, fixedRows_, rowCount_ - 1));
        return 0;
    }
    case WM_VSCROLL: {
        int top = topRow_;
        switch (LOWORD(wp)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= VisibleDataRows(); break;
        case SB_PAGEDOWN: top += VisibleDataRows(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: top = HIWORD(wp); break;
        default: break;
        }
        topRow_ = std::clamp(top, fixedRows_, std::max(fixedRows_, rowCount_ - VisibleDataRows()));
        UpdateScroll();
        Invalidate();
        return 0;
    }
    case WM_SIZE:
        UpdateScroll();
        break;
    default:
        break;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

void TStringGrid::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "ColCount")) SetColCount(value.AsInteger());
    else if (SameText(name, "RowCount")) SetRowCount(value.AsInteger());
    else if (SameText(name, "FixedCols")) {
        if (value.AsInteger() != 1) value.Fail("the grid has one fixed column");
    } else if (SameText(name, "FixedRows")) {
        if (value.AsInteger() != 1) value.Fail("the grid has one fixed row");
    } else if (SameText(name, "FixedColor")) SetFixedColor(value.AsColor());
    else if (SameText(name, "DefaultRowHeight")) SetDefaultRowHeight(value.AsInteger());
    else if (SameText(name, "DefaultColWidth")) SetDefaultColWidth(value.AsInteger());
    else if (SameText(name, "GridLineWidth")) {
        if (value.AsInteger() != 1) value.Fail("grid lines are one pixel wide");
    } else if (SameText(name, "Options")) {
        SetOptions(ReadOptions(value));
    } else if (SameText(name, "ScrollBars")) {
        // Only the vertical bar is offered; a grid without it shows no bar at all.
        scrollBars_ = static_cast<TScrollStyle>(value.AsInteger());
        RecreateWnd();
    }
    else TWinControl::SetProperty(name, value);
}
