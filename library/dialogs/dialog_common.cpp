#include "dialog_common.h"

#include "font_choice.h"

#include <cwchar>

void DialogEdges(const CWnd& dialog, int& R, int& B)
{
    CRect window;
    dialog.GetWindowRect(window);
    R = window.right;
    B = window.bottom;
}

void CreateListFont(CFont& font, const CString& face, int height)
{
    LOGFONTW logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = FW_NORMAL;
    // The face field holds 31 characters: a longer name is cut there.
    wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    font.CreateFontIndirect(&logFont);
}

void CreateListFont(CFont& font, const ListFontLook& look)
{
    if (look.face)
        CreateListFont(font, Wide(look.face), look.height);
    else
        CreateListFont(font, HasRegistryFontName() ? GetRegistryFontName() : GetFaceNameForLocale(), look.height);
}

void HoldPainting(CWnd& dialog) { dialog.SendMessage(WM_SETREDRAW, FALSE); }

void PaintWhole(CWnd& dialog)
{
    dialog.SendMessage(WM_SETREDRAW, TRUE);
    ::RedrawWindow(dialog.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Place(CWnd& control, const LayoutRect& rect, BOOL repaint)
{
    control.MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void SetUpListColumn(CListCtrl& list, CMyHeaderCtrl& header, const CString& heading, int extra)
{
    CRect client;
    list.GetClientRect(client);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, heading, LVCFMT_LEFT, client.Width() + extra, -1);
    header.SubclassWindow(list.GetHeaderCtrlHandle());
}

void InsertRows(CListCtrl& list, const CStringArray& rows)
{
    // The list is already on the screen: without this, every row would
    // repaint it (thousands of rows would take minutes).
    list.SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < rows.GetSize(); ++i) {
        CString row;
        row.Format(L"%s", static_cast<const wchar_t*>(rows[i]));
        list.InsertItem(i, row);
    }
    list.SendMessage(WM_SETREDRAW, TRUE);
}

void SelectLastWhenNoneIs(CListCtrl& list, LRESULT* result)
{
    if (list.GetSelectedCount() == 0)
        list.SendMessage(WM_KEYDOWN, VK_END, 0);
    *result = 0;
}

void PressKeys(CListCtrl& list, UINT key, int count)
{
    for (int i = 0; i < count; ++i)
        list.SendMessage(WM_KEYDOWN, key, 0);
    list.SetFocus();
}

#if !defined(RILO_FLAVOUR_WIN32) // the Win32 dialogs dress their buttons their own way
void DressButton(CMyButton& button, const ButtonLook& look)
{
    button.SetWindowText(L"");
    button.SetText(look.caption ? Wide(look.caption) : L"");
    button.SetBitmapID(look.bitmap);
    button.SetBitmapHAlign(1);
    button.SetBitmapVAlign(look.bitmapVAlign);
    button.SetBackColor(RGB(192, 192, 192));
    if (look.caption) {
        button.SetTextHAlign(1);
        button.SetTextVAlign(1);
        button.SetFont(L"Arial", look.fontHeight, 1, 0, 0);
    }
    if (look.setColor)
        button.SetTextColor(look.captionColor);
    if (look.bitmapYOffset)
        button.SetBitmapYOffset(look.bitmapYOffset);
    if (look.textYOffset)
        button.SetTextYOffset(look.textYOffset);
#if !defined(RILO_FLAVOUR_CE)
    button.SetRounded(1); // the CE 3.0 button is always bevelled
#endif
    button.Invalidate(TRUE);
}
#endif
