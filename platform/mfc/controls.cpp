#include "controls.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

int CListCtrl::InsertColumn(int column, LPCWSTR heading, int format, int width, int subItem)
{
    LVCOLUMNW lvc = {};
    lvc.mask = LVCF_FMT | LVCF_TEXT;
    lvc.fmt = format;
    lvc.pszText = const_cast<LPWSTR>(heading);
    if (width != -1) {
        lvc.mask |= LVCF_WIDTH;
        lvc.cx = width;
    }
    if (subItem != -1) {
        lvc.mask |= LVCF_SUBITEM;
        lvc.iSubItem = subItem;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvc)));
}

int CListCtrl::InsertItem(int item, LPCWSTR text)
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = item;
    lvi.pszText = const_cast<LPWSTR>(text);
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi)));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_DRAWITEM) {
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCWSTR text)
{
    LVITEMW lvi = {};
    lvi.iSubItem = subItem;
    lvi.pszText = const_cast<LPWSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi)));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    // Grows the buffer until the text fits with room to spare.
    for (int size = 256;; size *= 2) {
        std::wstring buffer(static_cast<size_t>(size), L'\0');
        LVITEMW lvi = {};
        lvi.iSubItem = subItem;
        lvi.pszText = &buffer[0];
        lvi.cchTextMax = size;
        const int n = static_cast<int>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi)));
        if (n < size - 1)
            return CString(buffer.c_str(), n);
    }
}
