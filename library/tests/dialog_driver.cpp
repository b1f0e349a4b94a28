#include "dialog_driver.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace {
DialogDriver* g_driver = nullptr;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found)
{
    wchar_t name[32];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 32) && wcscmp(name, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND CurrentDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogDriver::DialogDriver(std::vector<Step> steps) : m_steps(std::move(steps))
{
    g_driver = this;
    m_timer = SetTimer(nullptr, 0, 15, &DialogDriver::OnTick);
}

DialogDriver::~DialogDriver()
{
    KillTimer(nullptr, m_timer);
    g_driver = nullptr;
}

void CALLBACK DialogDriver::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_driver)
        g_driver->Tick();
}

void DialogDriver::Tick()
{
    HWND dialog = CurrentDialog();
    if (!dialog) {
        // A dialog that never comes (or a step that left one open with no
        // step to close it) must not hang the test: give up after a while.
        if (++m_idleTicks > 400)
            PostQuitMessage(1);
        return;
    }
    m_idleTicks = 0;
    if (m_dialogs.empty() || m_dialogs.back() != dialog)
        m_dialogs.push_back(dialog);
    if (m_next < static_cast<int>(m_steps.size())) {
        Step step = m_steps[static_cast<size_t>(m_next++)];
        step(dialog);
    } else {
        // Out of steps with a dialog still up: end it so the test can fail.
        EndDialog(dialog, -12345);
    }
}

RECT ControlRect(HWND dialog, int id)
{
    RECT r = {};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring WindowTextOf(HWND window)
{
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

bool IsShown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

void Click(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void Tap(HWND dialog, POINT point)
{
    ClientToScreen(dialog, &point);
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT input[3] = {};
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = point.x * 65535 / w;
        i.mi.dy = point.y * 65535 / h;
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, input, sizeof(INPUT));
    // Let the input reach the windows before the step returns.
    MSG msg;
    for (int i = 0; i < 50; ++i)
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
}

void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

COLORREF PixelOf(HWND window, int x, int y)
{
    PaintNow(GetAncestor(window, GA_ROOT));
    HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

bool ShowsBitmapAt(HWND window, HMODULE module, int id, int x, int y)
{
    HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
    if (!bitmap)
        return false;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PaintNow(GetAncestor(window, GA_ROOT));
    HDC dc = GetDC(window);
    bool same = true;
    for (int row = 0; row < info.bmHeight && same; ++row)
        for (int column = 0; column < info.bmWidth && same; ++column)
            same = GetPixel(dc, x + column, y + row) == GetPixel(memory, column, row);
    ReleaseDC(window, dc);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return same;
}

SIZE BitmapSize(HMODULE module, int id)
{
    SIZE size = {0, 0};
    if (HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id))) {
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        size = {info.bmWidth, info.bmHeight};
        DeleteObject(bitmap);
    }
    return size;
}

int ItemCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

int SelectedItem(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::wstring ItemText(HWND list, int item)
{
    wchar_t text[512] = L"";
    LVITEMW lvi = {};
    lvi.iSubItem = 0;
    lvi.pszText = text;
    lvi.cchTextMax = 512;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
    return text;
}

void SaveScreenshot(HWND window, const std::string& name)
{
    PaintNow(window);
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    // From the window's own surface: a window partly above the screen (the
    // CE 3.0 dialogs rise over the task bar) copies whole.
    HDC screen = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GdiFlush();

    const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(h);
    CreateDirectoryA("screenshots", nullptr);
    const std::string path = "screenshots\\" + name + ".bmp";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, f);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
        std::fwrite(bits, stride, static_cast<size_t>(h), f);
        std::fclose(f);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
}
