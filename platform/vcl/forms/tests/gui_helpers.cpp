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

namespace {

struct OtherProgram {
    HANDLE leave = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
};

DWORD WINAPI RunOtherProgram(LPVOID parameter)
{
    auto* program = static_cast<OtherProgram*>(parameter);
    HWND w = CreateWindowExA(0, "STATIC", "other program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    SetForegroundWindow(w);
    InterlockedExchangePointer(reinterpret_cast<PVOID*>(&program->window), w);
    while (MsgWaitForMultipleObjects(1, &program->leave, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    DestroyWindow(w);
    return 0;
}

// Handles the thread's messages until done() holds or a few seconds passed.
bool PumpUntil(const std::function<bool()>& done)
{
    for (int turn = 0; turn < 500; ++turn) {
        Pump();
        if (done())
            return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return false;
}

}  // namespace

bool VisitAnotherProgram(HWND backTo, const std::function<void()>& whileAway)
{
    OtherProgram program;
    HANDLE thread = CreateThread(nullptr, 0, &RunOtherProgram, &program, 0, nullptr);
    const bool away = PumpUntil([&] {
        HWND other = static_cast<HWND>(InterlockedCompareExchangePointer(
            reinterpret_cast<PVOID*>(&program.window), nullptr, nullptr));
        return other && GetForegroundWindow() == other && GetActiveWindow() != backTo;
    });
    if (away && whileAway)
        whileAway();
    SetEvent(program.leave);
    PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; });
    CloseHandle(thread);
    CloseHandle(program.leave);
    // The window manager may still hand the foreground to another window of
    // this program after the other one is gone, so the way back is asked for
    // until it holds.
    return PumpUntil([&] {
               if (GetForegroundWindow() == backTo)
                   return true;
               SetForegroundWindow(backTo);
               return false;
           }) &&
           away;
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
