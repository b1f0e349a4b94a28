#include "dialog_baseline.h"

#include <windows.h>

#include <ceshell.h>
#include <commctrl.h>

namespace {

struct Request {
    const std::vector<std::string>* lines;
    int buttons;
    HBITMAP picture;
    BaselineSteps steps;
    BoundDemands demands;
    std::vector<HFONT> fonts; // made at initialisation, deleted at the end
};

constexpr int kTitleId = 300, kLabelId = 301; // labels painted by the dialog
constexpr int kLabelCount = 4;

// Colours and frame of each painted label: the title, two indicators (or
// the Win32 guest's two lines first).
struct LabelLook {
    COLORREF back, text;
    int border; // sunken rings
};

// An empty dialog template: the controls are made at initialisation. The
// font fields count only with DS_SETFONT.
struct EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass;
    WCHAR title[7];
    WORD pointSize;
    WCHAR face[12];
};

// A font kept until the dialog's windows are gone.
HFONT KeptFont(Request& request, const char* face, int height, int weight, int width = 0)
{
    LOGFONTA logFont = {};
    logFont.lfHeight = height;
    logFont.lfWidth = width;
    logFont.lfWeight = weight;
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    request.fonts.push_back(CreateFontIndirectA(&logFont));
    return request.fonts.back();
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

// A touch button as the library must paint it: its brushes made and its
// picture loaded at each paint, the face rounded or bevelled, the caption
// measured and then drawn word-wrapped in the button's own font.
void DrawBoundButton(const DRAWITEMSTRUCT& item, const BoundDemands& demands)
{
    const RECT& k = item.rcItem;
    const int saved = SaveDC(item.hDC);
    HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
    HBRUSH pressed = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    HBRUSH faceAgain = CreateSolidBrush(RGB(192, 192, 192));
    for (int i = 0; i < demands.bevel; ++i) {
        FillRect(item.hDC, &k, demands.roundedButtons ? faceAgain : face);
        if (demands.roundedButtons) {
            HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
            HGDIOBJ oldBrush = SelectObject(item.hDC, (item.itemState & ODS_SELECTED) ? pressed : face);
            HGDIOBJ oldPen = SelectObject(item.hDC, pen);
            RoundRect(item.hDC, k.left, k.top, k.right, k.bottom, 24, 24);
            SelectObject(item.hDC, oldBrush);
            SelectObject(item.hDC, oldPen);
            DeleteObject(pen);
        } else {
            RECT ring = {k.left + i, k.top + i, k.right - i, k.bottom - i};
            DrawEdge(item.hDC, &ring, BDR_RAISEDOUTER, BF_RECT);
        }
    }
    HDC memory = CreateCompatibleDC(item.hDC);
    HBITMAP picture = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759)); // a system picture, loaded as a resource
    HGDIOBJ old = SelectObject(memory, picture);
    BITMAP info = {};
    GetObjectW(picture, sizeof info, &info);
    BitBlt(item.hDC, (k.right - info.bmWidth) / 2, (k.bottom - info.bmHeight) / 2 - 8, info.bmWidth, info.bmHeight,
           memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(picture);
    char text[32];
    GetWindowTextA(item.hwndItem, text, sizeof text);
    SetBkMode(item.hDC, TRANSPARENT);
    SelectObject(item.hDC, reinterpret_cast<HFONT>(GetWindowLongPtrA(item.hwndItem, GWLP_USERDATA)));
    RECT measure = k;
    DrawTextA(item.hDC, text, -1, &measure, DT_CALCRECT | DT_WORDBREAK);
    RECT block = {k.left, k.bottom / 2 - (measure.bottom - measure.top) / 2 + 20, k.right, k.bottom};
    DrawTextA(item.hDC, text, -1, &block, DT_CENTER | DT_WORDBREAK);
    RestoreDC(item.hDC, saved);
    for (HBRUSH brush : {face, pressed, faceAgain})
        DeleteObject(brush);
}

// A label as the library paints it: its background, sunken rings, and its
// text on one line in its own font.
void DrawBoundLabel(const DRAWITEMSTRUCT& item, const LabelLook& look)
{
    const int saved = SaveDC(item.hDC);
    HBRUSH back = CreateSolidBrush(look.back);
    FillRect(item.hDC, &item.rcItem, back);
    DeleteObject(back);
    RECT text = item.rcItem;
    for (int i = 0; i < look.border; ++i) {
        DrawEdge(item.hDC, &text, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&text, -1, -1);
    }
    char caption[64];
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, look.text);
    SelectObject(item.hDC, reinterpret_cast<HFONT>(GetWindowLongPtrA(item.hwndItem, GWLP_USERDATA)));
    DrawTextA(item.hDC, caption, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    RestoreDC(item.hDC, saved);
}

LabelLook LookOfLabel(int index, const BoundDemands& demands)
{
    if (index == 0)
        return {GetSysColor(COLOR_BTNFACE), RGB(0, 0, 0), demands.guest || demands.win32 ? 1 : 0};
    if (demands.guestLinesInLabels && index <= 2)
        return {index == 1 ? RGB(255, 255, 0) : RGB(0, 255, 0), RGB(0, 0, 0), 2};
    return {RGB(255, 255, 255), index % 2 ? RGB(0, 0, 255) : RGB(0, 100, 0), 0};
}

HWND MakeLabel(HWND dialog, Request& request, int index, const char* text, int x, int y, int w, int h, int height)
{
    HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, x, y, w, h, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTitleId + index)), nullptr, nullptr);
    SetWindowLongPtrA(label, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(KeptFont(request, "Arial", height, FW_BOLD)));
    return label;
}

// The shell steps of a device build, from the showing to the one on top;
// the dialog's painting is held from its showing on.
void PlaceOnDevice(HWND dialog, const BoundDemands& demands, HWND commandBar, bool guest)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(dialog, HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW);
    SendMessageA(dialog, WM_SETREDRAW, FALSE, 0);
    if (demands.ceShell) {
        int rise = width < 480 || height < 640 ? 26 : 52;
        if (HWND bar = FindWindowW(L"HHTaskBar", nullptr)) {
            RECT r;
            GetWindowRect(bar, &r);
            rise = r.bottom - r.top;
        }
        SHINITDLGINFO info = {SHIDIM_FLAGS, dialog, SHIDIF_FULLSCREENNOMENUBAR};
        SHInitDialog(&info);
        CommandBar_Show(commandBar, FALSE);
        SetForegroundWindow(dialog);
        SHFullScreen(dialog, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | (guest ? SHFS_HIDESTARTICON : 0));
        RECT window;
        GetWindowRect(dialog, &window);
        MoveWindow(dialog, window.left, window.top - rise, window.right - window.left,
                   window.bottom - window.top + rise, TRUE);
    } else {
        SetForegroundWindow(dialog);
        if (demands.ce5Shell) {
            SHDoneButton(dialog, SHDB_HIDE);
            SHFullScreen(dialog, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
        }
    }
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void PlaceOverScreen(HWND dialog)
{
    SetWindowPos(dialog, HWND_TOPMOST, 20, 20, GetSystemMetrics(SM_CXSCREEN) - 40, GetSystemMetrics(SM_CYSCREEN) - 40,
                 SWP_SHOWWINDOW);
}

// The bound dialog's controls, built while its painting is held, then
// painted once.
void BuildBound(HWND dialog, Request& request)
{
    const BoundDemands& demands = request.demands;
    HWND commandBar = demands.ceShell ? CommandBar_Create(GetModuleHandleA(nullptr), dialog, 0) : nullptr;
    if (demands.win32) {
        PlaceOverScreen(dialog);
        SendMessageA(dialog, WM_SETREDRAW, FALSE, 0);
        SetWindowTextA(dialog, "Zenta Rilo V4.10");
    } else {
        PlaceOnDevice(dialog, demands, commandBar, demands.guest);
    }
    RECT client;
    GetClientRect(dialog, &client);
    const int width = client.right, height = client.bottom;
    const int titleHeight = demands.win32 ? 30 : demands.guest ? 25 : 18;
    MakeLabel(dialog, request, 0, "Room 0412", 0, 0, width, titleHeight, demands.win32 ? 24 : 18);
    int top = titleHeight + 2;
    const int buttonWidth = width / 8, listWidth = width - buttonWidth - 8;
    HWND list = nullptr;
    if (demands.guestLinesInLabels) {
        MakeLabel(dialog, request, 1, "Room  Name", 0, top, width, 30, 20);
        MakeLabel(dialog, request, 2, request.lines->front().c_str(), 0, top + 35, width, 30, 20);
        top += 70;
    } else {
        list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 4,
                               top, listWidth, demands.guest ? 65 : height - top - 4, dialog,
                               reinterpret_cast<HMENU>(100), nullptr, nullptr);
        SendMessageA(list, WM_SETFONT,
                     reinterpret_cast<WPARAM>(demands.win32 ? KeptFont(request, "Courier New", 25, FW_BOLD, 9)
                                                            : KeptFont(request, "Courier New", 18, FW_NORMAL)),
                     TRUE);
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
        if (demands.guest)
            SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, RGB(0, 255, 0));
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH | LVCF_TEXT;
        column.pszText = const_cast<char*>("Room  Name");
        column.cx = listWidth + 450;
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        if (demands.textInSecondColumn) {
            column.cx = 1;
            SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        }
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        for (size_t i = 0; i < request.lines->size(); ++i) {
            LVITEMA row = {};
            row.mask = LVIF_TEXT;
            row.iItem = static_cast<int>(i);
            row.pszText = const_cast<char*>((*request.lines)[i].c_str());
            if (demands.textInSecondColumn) {
                row.pszText = const_cast<char*>("");
                SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
                row.iSubItem = 1;
                row.pszText = const_cast<char*>((*request.lines)[i].c_str());
                SendMessageA(list, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&row));
            } else {
                SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
            }
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        top += demands.guest ? 70 : 0;
    }
    if (demands.guest) {
        HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 10, top, 16, 16, dialog,
                                    nullptr, nullptr, nullptr);
        SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, MAKEINTRESOURCEW(32516))), 0);
        MakeLabel(dialog, request, 3, "Guest has a Message", 30, top, 190, 20, 14);
        MakeLabel(dialog, request, demands.guestLinesInLabels ? 4 : 1, "Guest has a Locator", 30, top + 20, 190,
                  20, 14);
        top += 45;
    }
    const int buttonHeight = (height - top - 4) / request.buttons;
    for (int i = 0; i < request.buttons; ++i) {
        HWND button = CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                      width - buttonWidth - 2, top + i * buttonHeight, buttonWidth - 2,
                                      buttonHeight - 2, dialog,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(200 + i)), nullptr, nullptr);
        SetWindowLongPtrA(button, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(KeptFont(request, "Arial", demands.win32 ? 24 : 18, FW_BOLD)));
    }
    SendMessageA(dialog, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (demands.win32)
        PlaceOverScreen(dialog);
    if (list && !demands.guest) {
        SetFocus(list);
        SendMessageA(list, WM_KEYDOWN, VK_DOWN, 0); // selects the first row
    }
}

INT_PTR CALLBACK BaselineProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        auto* request = reinterpret_cast<Request*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        if (request->steps == BaselineSteps::Bound) {
            BuildBound(dialog, *request);
            return request->demands.guest;
        }
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, width, height, SWP_SHOWWINDOW);
        SetForegroundWindow(dialog);
        const int top = 4;
        const int buttonWidth = width / 8, listWidth = width - buttonWidth - 8;
        HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                    4, top, listWidth, height - top - 4, dialog, reinterpret_cast<HMENU>(100),
                                    nullptr, nullptr);
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
        column.cx = listWidth - 24;
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
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (request->steps == BaselineSteps::Bare)
            DrawButton(item, request->picture);
        else if (item.CtlType == ODT_STATIC)
            DrawBoundLabel(item, LookOfLabel(static_cast<int>(item.CtlID) - kTitleId, request->demands));
        else
            DrawBoundButton(item, request->demands);
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

void RunBaselineDialog(const std::vector<std::string>& lines, int buttons, BaselineSteps steps,
                       const BoundDemands& demands)
{
    static const HBITMAP picture = SmallPicture();
    Request request{&lines, buttons, picture, steps, demands, {}};
    EmptyTemplate dialog = {};
    dialog.header.style = WS_POPUP;
    if (steps == BaselineSteps::Bound) {
        dialog.header.style |= DS_SETFONT;
        if (demands.ceShell)
            dialog.header.style |= WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        if (demands.win32)
            dialog.header.style |= WS_CAPTION | DS_MODALFRAME | DS_SETFOREGROUND;
        if (demands.ceShell || demands.win32)
            lstrcpyW(dialog.title, L"Dialog");
        dialog.pointSize = 8;
        lstrcpyW(dialog.face, L"Courier New");
    }
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, nullptr, BaselineProc,
                            reinterpret_cast<LPARAM>(&request));
    // The dialog's windows are gone: their fonts can go too.
    for (HFONT font : request.fonts)
        DeleteObject(font);
}
