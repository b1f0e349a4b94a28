#include "dialog_baseline.h"

#include <windows.h>

#include <commctrl.h>

namespace {

struct Request {
    const std::vector<std::string>* lines;
    int buttons;
    HBITMAP picture;
    BaselineSteps steps;
    HFONT titleFont, listFont;
};

// An empty dialog template: the controls are made at initialisation. The
// font fields count only with DS_SETFONT.
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
    WORD pointSize;
    WCHAR face[12];
};

HFONT Font(const char* face, int height, int weight)
{
    LOGFONTA logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&logFont);
}

HBITMAP SmallPicture()
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT r = {0, 0, 32, 32};
    HBRUSH face = CreateSolidBrush(RGB(0, 128, 0));
    FillRect(dc, &r, face);
    DeleteObject(face);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void DrawButton(const DRAWITEMSTRUCT& item, HBITMAP picture)
{
    HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
    FillRect(item.hDC, &item.rcItem, face);
    DeleteObject(face);
    DrawEdge(item.hDC, const_cast<RECT*>(&item.rcItem), (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT);
    HDC dc = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(dc, picture);
    BitBlt(item.hDC, item.rcItem.left + 4, item.rcItem.top + 4, 32, 32, dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    char text[32];
    GetWindowTextA(item.hwndItem, text, sizeof text);
    RECT textRect = item.rcItem;
    textRect.top += 40;
    SetBkMode(item.hDC, TRANSPARENT);
    DrawTextA(item.hDC, text, -1, &textRect, DT_CENTER | DT_WORDBREAK);
}

INT_PTR CALLBACK BaselineProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* request = reinterpret_cast<Request*>(lParam);
        const bool bound = request->steps == BaselineSteps::Bound;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        if (bound) {
            SetWindowPos(dialog, HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW);
            SetForegroundWindow(dialog);
            SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        } else {
            SetWindowPos(dialog, HWND_TOPMOST, 0, 0, width, height, SWP_SHOWWINDOW);
            SetForegroundWindow(dialog);
        }
        const int top = bound ? 20 : 4;
        if (bound) {
            request->titleFont = Font("Arial", 16, FW_BOLD);
            request->listFont = Font("Courier New", 18, FW_NORMAL);
            HWND title = CreateWindowExA(0, "STATIC", "Room 0412", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, width, 18,
                                         dialog, nullptr, nullptr, nullptr);
            SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(request->titleFont), TRUE);
        }
        const int buttonWidth = width / 8, listWidth = width - buttonWidth - 8;
        HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                    4, top, listWidth, height - top - 4, dialog, reinterpret_cast<HMENU>(100),
                                    nullptr, nullptr);
        if (bound)
            SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(request->listFont), TRUE);
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        const int buttonHeight = (height - top - 4) / request->buttons;
        for (int i = 0; i < request->buttons; ++i) {
            char caption[16];
            wsprintfA(caption, "Button %d", i + 1);
            CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, width - buttonWidth - 2,
                            top + i * buttonHeight, buttonWidth - 2, buttonHeight - 2, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(200 + i)), nullptr, nullptr);
        }
        // Rows go in with the whole dialog's painting held: under Wine a list
        // view on a visible window does several times the work per row even
        // with its own painting off. Giving the count first gains nothing here.
        SendMessageA(dialog, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = bound ? listWidth + 450 : listWidth - 24;
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        for (size_t i = 0; i < request->lines->size(); ++i) {
            LVITEMA row = {};
            row.mask = LVIF_TEXT;
            row.iItem = static_cast<int>(i);
            row.pszText = const_cast<char*>((*request->lines)[i].c_str());
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        SendMessageA(dialog, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        SetFocus(list);
        SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0);  // selects the first row
        return FALSE;
    }
    case WM_DRAWITEM: {
        auto* request = reinterpret_cast<Request*>(GetWindowLongPtrA(dialog, DWLP_USER));
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), request->picture);
        return TRUE;
    }
    case WM_CLOSE:
        EndDialog(dialog, 2);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void RunBaselineDialog(const std::vector<std::string>& lines, int buttons, BaselineSteps steps)
{
    static const HBITMAP picture = SmallPicture();
    Request request{&lines, buttons, picture, steps, nullptr, nullptr};
    EmptyTemplate dialog = {};
    dialog.header.style = WS_POPUP;
    if (steps == BaselineSteps::Bound) {
        dialog.header.style |= DS_SETFONT;
        dialog.pointSize = 8;
        lstrcpyW(dialog.face, L"Courier New");
    }
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, nullptr, BaselineProc,
                            reinterpret_cast<LPARAM>(&request));
    // The dialog's windows are gone: their fonts can go too.
    for (HFONT font : {request.titleFont, request.listFont})
        if (font)
            DeleteObject(font);
}
