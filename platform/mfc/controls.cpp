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
