#include "gui_helpers.h"

#include <cstdlib>
#include <cstdio>
#include <vector>

namespace {
std::function<void(HWND)> g_onActivate;

struct Search {
    const char* cls;
    const std::string* text;
    HWND found;
};

BOOL CALLBACK Match(HWND w, LPARAM lp)
{
    auto* search = reinterpret_cast<Search*>(lp);
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, search->cls) == 0 && WindowText(w) == *search->text) {
        search->found = w;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

RECT ChildRect(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string WindowText(HWND hwnd)
{
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

HWND FindChild(HWND parent, const char* className, const std::string& text)
{
    Search s{className, &text, nullptr};
    EnumChildWindows(parent, &Match, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

COLORREF ClientPixel(HWND hwnd, int x, int y)
{
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

std::string SaveScreenshot(HWND hwnd, const std::string& name)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    RECT r;
    GetWindowRect(hwnd, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const char* dir = getenv("RILO_BUILD_DIR");
    std::string folder = std::string(dir ? dir : ".") + "/screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string path = folder + "/" + name + ".bmp";
    int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + stride * h), 0, 0,
                           static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
    if (FILE* f = fopen(path.c_str(), "wb")) {
        fwrite(&fh, sizeof fh, 1, f);
        fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        fwrite(bits, static_cast<size_t>(stride) * h, 1, f);
        fclose(f);
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return path;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ActivationHook::ActivationHook(std::function<void(HWND)> onActivate)
{
    g_onActivate = std::move(onActivate);
    hook_ = SetWindowsHookExA(WH_CBT, &ActivationHook::Proc, nullptr, GetCurrentThreadId());
}

ActivationHook::~ActivationHook()
{
    UnhookWindowsHookEx(hook_);
    g_onActivate = nullptr;
}

LRESULT CALLBACK ActivationHook::Proc(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_ACTIVATE && g_onActivate)
        g_onActivate(reinterpret_cast<HWND>(wp));
    return CallNextHookEx(nullptr, code, wp, lp);
}
