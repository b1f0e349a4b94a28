// The standard controls the dialogs are built from.
#pragma once

#include "wnd.h"

#include <commctrl.h>

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
};

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
};

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
};

class CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)

public:
    DWORD SetExtendedStyle(DWORD style)
    {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
    }
    int InsertColumn(int column, LPCWSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    int InsertItem(int item, LPCWSTR text);
    BOOL SetTextBkColor(COLORREF color) { return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, color)); }
    HWND GetHeaderCtrlHandle() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    int GetSelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int start, int flags) const
    {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
};
