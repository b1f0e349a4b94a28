#include "program_watch.h"

#include <cstdio>
#include <set>

std::string TextOf(HWND window)
{
    // Asked directly: some controls of another process answer the length
    // question with 0.
    std::string text(65536, '\0');
    const LRESULT length = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

namespace {

struct ChildSearch {
    std::string className, text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lp)
{
    auto* search = reinterpret_cast<ChildSearch*>(lp);
    if (lstrcmpiA(ClassOf(child).c_str(), search->className.c_str()) == 0 &&
        (search->text.empty() || TextOf(child) == search->text)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lp)
{
    auto* box = reinterpret_cast<std::pair<WatchedBox, std::vector<HWND>>*>(lp);
    const std::string cls = ClassOf(child), text = TextOf(child);
    if (lstrcmpiA(cls.c_str(), "Button") == 0 && IsWindowVisible(child)) {
        box->first.buttons.push_back(text);
        box->second.push_back(child);
    } else if (lstrcmpiA(cls.c_str(), "Static") == 0 && !text.empty()) {
        box->first.text += (box->first.text.empty() ? "" : "\n") + text;
    }
    return TRUE;
}

struct Windows {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lp)
{
    auto* windows = reinterpret_cast<Windows*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == windows->processId && IsWindowVisible(window))
        windows->found.push_back(window);
    return TRUE;
}

bool IsBox(HWND window)
{
    const std::string caption = TextOf(window);
    return caption == "Error" || caption == "Confirm" || caption == "Information" || ClassOf(window) == "#32770";
}

}  // namespace

HWND FindChildWindow(HWND parent, const std::string& className, const std::string& text)
{
    ChildSearch search{className, text};
    EnumChildWindows(parent, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

WatchResult WatchProgram(const WatchOptions& options)
{
    WatchResult result;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = options.commandLine;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return result;
    result.started = true;
    std::set<HWND> answered, acted;
    size_t nextAnswer = 0;
    bool mainHandled = false;
    DWORD mainSeenAt = 0;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
        if (static_cast<int>(GetTickCount() - start) > options.timeoutMs) {
            TerminateProcess(process.hProcess, 255);
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            return result;
        }
        Windows windows{process.dwProcessId, {}};
        EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
        for (HWND window : windows.found) {
            if (IsBox(window)) {
                if (answered.count(window))
                    continue;
                answered.insert(window);
                std::pair<WatchedBox, std::vector<HWND>> box;
                box.first.caption = TextOf(window);
                EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&box));
                result.boxes.push_back(box.first);
                std::string answer = box.first.buttons.empty() ? "" : box.first.buttons.front();
                if (nextAnswer < options.answers.size())
                    answer = options.answers[nextAnswer++];
                HWND button = nullptr;
                for (size_t i = 0; i < box.first.buttons.size(); ++i)
                    if (box.first.buttons[i] == answer)
                        button = box.second[i];
                if (button)
                    PostMessageA(button, BM_CLICK, 0, 0);
                else
                    PostMessageA(window, WM_CLOSE, 0, 0);
            } else if (!options.mainCaption.empty() && TextOf(window).rfind(options.mainCaption, 0) == 0) {
                if (mainHandled)
                    continue;
                // Give the window time to paint itself once.
                if (!mainSeenAt) {
                    mainSeenAt = GetTickCount();
                } else if (GetTickCount() - mainSeenAt > 1500) {
                    mainHandled = true;
                    if (options.onMainWindow)
                        options.onMainWindow(window);
                }
            } else if (options.onWindow && !acted.count(window) && options.onWindow(window, TextOf(window))) {
                acted.insert(window);
            }
        }
    }
    result.ended = true;
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT r;
    if (!GetWindowRect(window, &r))
        return false;
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER header = {0x4D42, static_cast<DWORD>(sizeof header + sizeof info.bmiHeader + stride * h), 0, 0,
                               static_cast<DWORD>(sizeof header + sizeof info.bmiHeader)};
    bool saved = false;
    if (FILE* f = fopen(path.c_str(), "wb")) {
        saved = fwrite(&header, sizeof header, 1, f) == 1 && fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 &&
                fwrite(bits, static_cast<size_t>(stride) * h, 1, f) == 1;
        saved = fclose(f) == 0 && saved;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}
