// Time from a dialog export's call to the dialog's first completed paint:
// the dialog and every control in it painted, nothing left to paint. The
// dialogs run through each build of the library (riloEC7, riloCE5, riloCE,
// rilo_lib), loaded as the POS host loads it, each call alternating with a
// bare Win32 dialog of the same controls (dialog_baseline), timed the same
// way in the same process; the medians and their ratio are printed.
//
// The dialog is subclassed when it is created and its controls when its
// WM_INITDIALOG returns; after each WM_PAINT that any of them finishes, the
// bench checks whether anything of the dialog still waits to be painted.
// The first time nothing does, the clock stops and the dialog is ended.
#include "dialog_baseline.h"
#include "dialog_exports.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

LARGE_INTEGER g_frequency;
LARGE_INTEGER g_start;
double g_elapsedMs = -1;
double g_initMs = -1; // when WM_INITDIALOG returned
HHOOK g_hook = nullptr;
UINT_PTR g_watchdog = 0;

double MsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(g_frequency.QuadPart);
}

BOOL CALLBACK PendingPaint(HWND hwnd, LPARAM pending)
{
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(pending) = true;
        return FALSE;
    }
    return TRUE;
}

bool FullyPainted(HWND dialog)
{
    if (!IsWindowVisible(dialog) || GetUpdateRect(dialog, nullptr, FALSE))
        return false;
    bool pending = false;
    EnumChildWindows(dialog, PendingPaint, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

LRESULT CALLBACK AfterPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dialog)
{
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (message == WM_PAINT && g_elapsedMs < 0) {
        HWND d = reinterpret_cast<HWND>(dialog);
        if (FullyPainted(d)) {
            g_elapsedMs = MsSince(g_start);
            EndDialog(d, 0);
        }
    }
    return result;
}

BOOL CALLBACK WatchChild(HWND hwnd, LPARAM dialog)
{
    SetWindowSubclass(hwnd, AfterPaint, 1, static_cast<DWORD_PTR>(dialog));
    return TRUE;
}

// The dialog's own procedure, watched from its creation: once its
// initialisation has returned, its controls exist and are watched too.
LRESULT CALLBACK WatchDialog(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_INITDIALOG) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        g_initMs = MsSince(g_start);
        EnumChildWindows(hwnd, WatchChild, reinterpret_cast<LPARAM>(hwnd));
        return result;
    }
    return AfterPaint(hwnd, message, wParam, lParam, 1, reinterpret_cast<DWORD_PTR>(hwnd));
}

// Called only when windows are created or activated, so the measurement
// does not slow every message down.
LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        wchar_t name[16];
        if (GetClassNameW(hwnd, name, 16) && wcscmp(name, L"#32770") == 0)
            SetWindowSubclass(hwnd, WatchDialog, 2, 0);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

BOOL CALLBACK EndAnyDialog(HWND hwnd, LPARAM)
{
    wchar_t name[16];
    if (GetClassNameW(hwnd, name, 16) && wcscmp(name, L"#32770") == 0)
        EndDialog(hwnd, 0);
    return TRUE;
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD)
{
    EnumThreadWindows(GetCurrentThreadId(), EndAnyDialog, 0);
}

struct Run {
    double painted, init;
};

// One run of an export: the time to its first completed paint in ms (or
// -1) and the part of it spent before the dialog's initialisation returned.
Run TimeOnce(const std::function<void()>& call)
{
    g_elapsedMs = -1;
    g_initMs = -1;
    g_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    g_watchdog = SetTimer(nullptr, 0, 600000, GiveUp);
    QueryPerformanceCounter(&g_start);
    call();
    KillTimer(nullptr, g_watchdog);
    UnhookWindowsHookEx(g_hook);
    return {g_elapsedMs, g_initMs};
}

std::string Lines(int count, const char* prefix)
{
    std::string text;
    char line[96];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(line, sizeof line, "%s %05d  SMITH, JOHN       0412   12.50\x1c", prefix, i);
        text += line;
    }
    return text;
}

// The lines of a text list, for the baseline's list view.
std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\x1c', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Pairs {
    double exportMs, baselineMs, initMs;
    int failed;
};

// Alternate calls of the export and the baseline; medians of each.
Pairs MeasurePairs(const std::function<void()>& call, const std::vector<std::string>& lines, int buttons, int pairs)
{
    std::vector<double> exported, baseline, inits;
    int failed = 0;
    for (int i = 0; i < pairs; ++i) {
        const Run run = TimeOnce(call);
        const Run bare = TimeOnce([&] { RunBaselineDialog(lines, buttons); });
        if (run.painted < 0 || bare.painted < 0) {
            ++failed;
            continue;
        }
        exported.push_back(run.painted);
        inits.push_back(run.init);
        baseline.push_back(bare.painted);
    }
    return {Median(exported), Median(baseline), Median(inits), failed};
}

constexpr int kPairs = 15;
constexpr double kRatioGoal = 1.1;

} // namespace

// Arguments, each optional: a build, a dialog and a size to measure alone.
int main(int argc, char** argv)
{
    const std::string onlyBuild = argc > 1 ? argv[1] : "", onlyDialog = argc > 2 ? argv[2] : "";
    const int onlySize = argc > 3 ? std::atoi(argv[3]) : 0;
    auto wanted = [&](const char* dialog, int size) {
        return (onlyDialog.empty() || onlyDialog == dialog) && (onlySize == 0 || onlySize == size);
    };
    QueryPerformanceFrequency(&g_frequency);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    bool allMet = true;
    auto report = [&](const char* build, const char* dialog, int lines, const Pairs& p) {
        const double ratio = p.exportMs / p.baselineMs;
        const bool met = p.failed == 0 && p.exportMs > 0 && ratio <= kRatioGoal;
        allMet = allMet && met;
        std::printf("%-10s %-16s %8d %5d %10.2f %10.2f %10.2f %7.2f  %s\n", build, dialog, lines, kPairs - p.failed,
                    p.exportMs, p.initMs, p.baselineMs, ratio, met ? "met" : "MISSED");
        std::fflush(stdout);
    };

    std::printf("Call to first completed paint, export against a bare Win32 dialog of the same controls,\n"
                "alternating in one process, screen %dx%d (medians, ms; goal: ratio <= %.1f)\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kRatioGoal);
    std::printf("%-10s %-16s %8s %5s %10s %10s %10s %7s\n", "build", "dialog", "lines", "pairs", "export", "(init)",
                "baseline", "ratio");
    // riloHeron is the same file as riloCE.
    for (const Flavour& flavour : AllFlavours()) {
        if (std::string(flavour.name) == "riloHeron" || (!onlyBuild.empty() && onlyBuild != flavour.name))
            continue;
        DialogExports exports(flavour);
        if (!exports.ok()) {
            std::printf("cannot load %s\n", flavour.path);
            return 1;
        }
        {
            // Fonts, classes and pictures are loaded once, by a first run of each.
            const std::string text = Lines(10, "Line");
            int endCode = 0;
            TimeOnce([&] { exports.display("Room 0412", text.c_str(), 1, &endCode); });
            TimeOnce([&] { RunBaselineDialog(Split(text), 5); });
        }
        for (int lines : {10, 100, 1000, 10000}) {
            if (!wanted("rilo_display", lines))
                continue;
            const std::string text = Lines(lines, "Line");
            int endCode = 0;
            report(flavour.name, "rilo_display", lines,
                   MeasurePairs([&] { exports.display("Room 0412", text.c_str(), 1, &endCode); }, Split(text), 5,
                                kPairs));
        }
        for (int items : {10, 100, 1000, 10000}) {
            if (!wanted("rilo_list_input", items))
                continue;
            const std::string text = Lines(items, "Item");
            int endCode = 0;
            report(flavour.name, "rilo_list_input", items, MeasurePairs([&] {
                       exports.listInput("Choose a room", "Room  Name", text.c_str(), 0, "4.10", &endCode);
                   }, Split(text), 8, kPairs));
        }
        if (!wanted("rilo_gst_select", 1))
            continue;
        int endCode = 0;
        report(flavour.name, "rilo_gst_select", 1, MeasurePairs([&] {
                   exports.gstSelect("Guest", "Room  Name", "0412 SMITH, JOHN", "ML", 0, &endCode);
               }, {"0412 SMITH, JOHN"}, 8, kPairs));
    }
    std::printf(allMet ? "every ratio within the goal\n" : "some ratios above the goal\n");
    return 0;
}
