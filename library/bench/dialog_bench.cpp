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
#include <unordered_map>
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

// The watch's own procedures, chained through this table rather than with
// SetWindowSubclass: that keeps its chain in a window property, and under
// Wine reading one is a round trip to the window server on every message,
// which slowed the watched dialogs (most of all the baselines, whose every
// message passes the watch) far beyond their own work.
struct Watched {
    WNDPROC super;
    HWND dialog;
};
std::unordered_map<HWND, Watched> g_watched;

void Watch(HWND hwnd, HWND dialog, WNDPROC proc)
{
    // Asked of the window, not the table: a handle can come back for a new
    // window.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == proc)
        return;
    const auto super = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
    g_watched[hwnd] = {super, dialog};
}

LRESULT CALLBACK AfterPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto it = g_watched.find(hwnd);
    if (it == g_watched.end())
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const Watched watched = it->second;
    if (message == WM_NCDESTROY)
        g_watched.erase(it);
    const LRESULT result = CallWindowProcW(watched.super, hwnd, message, wParam, lParam);
    if (message == WM_PAINT && g_elapsedMs < 0 && FullyPainted(watched.dialog)) {
        g_elapsedMs = MsSince(g_start);
        EndDialog(watched.dialog, 0);
    }
    return result;
}

BOOL CALLBACK WatchChild(HWND hwnd, LPARAM dialog)
{
    Watch(hwnd, reinterpret_cast<HWND>(dialog), AfterPaint);
    return TRUE;
}

// The dialog's own procedure, watched from its creation: once its
// initialisation has returned, its controls exist and are watched too.
LRESULT CALLBACK WatchDialog(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const auto it = g_watched.find(hwnd);
        const LRESULT result = CallWindowProcW(it->second.super, hwnd, message, wParam, lParam);
        g_initMs = MsSince(g_start);
        EnumChildWindows(hwnd, WatchChild, reinterpret_cast<LPARAM>(hwnd));
        return result;
    }
    return AfterPaint(hwnd, message, wParam, lParam);
}

// Called only when windows are created or activated, so the measurement
// does not slow every message down.
LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        wchar_t name[16];
        if (GetClassNameW(hwnd, name, 16) && wcscmp(name, L"#32770") == 0)
            Watch(hwnd, hwnd, WatchDialog);
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
    double exportMs, baselineMs, boundMs, initMs;
    int failed;
};

// Alternate calls of the export, the bare baseline and the bound one;
// medians of each.
Pairs MeasurePairs(const std::function<void()>& call, const std::vector<std::string>& lines, int buttons, int pairs,
                   const BoundDemands& demands, int boundButtons)
{
    std::vector<double> exported, baseline, bounds, inits;
    int failed = 0;
    for (int i = 0; i < pairs; ++i) {
        const Run run = TimeOnce(call);
        const Run bare = TimeOnce([&] { RunBaselineDialog(lines, buttons); });
        const Run bound =
            TimeOnce([&] { RunBaselineDialog(lines, boundButtons, BaselineSteps::Bound, demands); });
        if (run.painted < 0 || bare.painted < 0 || bound.painted < 0) {
            ++failed;
            continue;
        }
        exported.push_back(run.painted);
        inits.push_back(run.init);
        baseline.push_back(bare.painted);
        bounds.push_back(bound.painted);
    }
    return {Median(exported), Median(baseline), Median(bounds), Median(inits), failed};
}

constexpr int kPairs = 15;
constexpr double kRatioGoal = 1.1;

// The first display dialog of a process against the ones after it, in this
// process: "first later" in ms on standard output. With "baseline" the bare
// dialog is measured instead of the export.
int MeasureFirstHere(const std::string& build, bool baseline)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const std::string text = Lines(10, "Line");
    std::vector<double> later;
    double first = -1;
    for (const Flavour& flavour : AllFlavours()) {
        if (build != flavour.name)
            continue;
        DialogExports exports(flavour);
        if (!exports.ok())
            return 1;
        int endCode = 0;
        for (int i = 0; i < 6; ++i) {
            const Run run = baseline ? TimeOnce([&] { RunBaselineDialog(Split(text), 5); })
                                     : TimeOnce([&] { exports.display("Room 0412", text.c_str(), 1, &endCode); });
            (i == 0 ? first : later.emplace_back()) = run.painted;
        }
    }
    std::printf("%.3f %.3f\n", first, Median(later));
    return 0;
}

// Runs this program again with "--first-here", in a process of its own, and
// reads its two figures.
bool MeasureFirstInNewProcess(const char* build, bool baseline, double& first, double& later)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command = std::string("\"") + program + "\" --first-here " + build + (baseline ? " baseline" : "");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const bool started =
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[128];
    DWORD got = 0;
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(readEnd);
    if (!started)
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return std::sscanf(output.c_str(), "%lf %lf", &first, &later) == 2 && first > 0;
}

void ReportFirstDialogs()
{
    std::printf("\nFirst display dialog (10 lines) of a fresh process against the later ones (medians of 7 processes, ms)\n");
    std::printf("%-10s %10s %10s %10s %10s %10s %10s\n", "build", "first", "later", "extra", "bl first", "bl later",
                "bl extra");
    for (const char* build : {"riloEC7", "riloCE5", "riloCE"}) {
        std::vector<double> extra[2], firsts[2], laters[2];
        for (int i = 0; i < 7; ++i)
            for (int b = 0; b < 2; ++b) {
                double first = 0, later = 0;
                if (MeasureFirstInNewProcess(build, b == 1, first, later)) {
                    firsts[b].push_back(first);
                    laters[b].push_back(later);
                    extra[b].push_back(first - later);
                }
            }
        std::printf("%-10s %10.2f %10.2f %10.2f %10.2f %10.2f %10.2f\n", build, Median(firsts[0]), Median(laters[0]),
                    Median(extra[0]), Median(firsts[1]), Median(laters[1]), Median(extra[1]));
        std::fflush(stdout);
    }
}

} // namespace

// Arguments, each optional: a build, a dialog and a size to measure alone.
// "--first" gives only the first-dialog figures; "--first-here build
// [baseline]" is the child run behind them.
int main(int argc, char** argv)
{
    QueryPerformanceFrequency(&g_frequency);
    if (argc > 2 && std::string(argv[1]) == "--first-here")
        return MeasureFirstHere(argv[2], argc > 3);
    if (argc > 1 && std::string(argv[1]) == "--first") {
        ReportFirstDialogs();
        return 0;
    }
    const std::string onlyBuild = argc > 1 ? argv[1] : "", onlyDialog = argc > 2 ? argv[2] : "";
    const int onlySize = argc > 3 ? std::atoi(argv[3]) : 0;
    auto wanted = [&](const char* dialog, int size) {
        return (onlyDialog.empty() || onlyDialog == dialog) && (onlySize == 0 || onlySize == size);
    };
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    bool allMet = true;
    auto report = [&](const char* build, const char* dialog, int lines, const Pairs& p) {
        const double ratio = p.exportMs / p.baselineMs;
        const bool met = p.failed == 0 && p.exportMs > 0 && ratio <= kRatioGoal;
        allMet = allMet && met;
        std::printf("%-10s %-16s %8d %5d %10.2f %10.2f %10.2f %7.2f  %-6s %10.2f %7.2f\n", build, dialog, lines,
                    kPairs - p.failed, p.exportMs, p.initMs, p.baselineMs, ratio, met ? "met" : "MISSED", p.boundMs,
                    p.exportMs / p.boundMs);
        std::fflush(stdout);
    };

    std::printf("Call to first completed paint, export against a bare Win32 dialog of the same controls with\n"
                "its rows put in while its painting is held, alternating in one process, screen %dx%d\n"
                "(medians, ms; goal: ratio <= %.2f). \"bound\" is the bare dialog with the steps the library's\n"
                "dialogs must take besides (template font, placement before the one on top, title line, list\n"
                "font, column 450 wider than the list, buttons painted as the touch button must: picture\n"
                "loaded at each paint, own caption font, rounded or bevelled face) and those of the build\n"
                "and dialog: CE 3.0 captioned template, command bar and shell steps with the rise by the task\n"
                "bar; CE 5 shell steps; Win32 captioned window placed twice, text in a second column; guest\n"
                "framed title, indicator labels, icon, green row (Win32: two guest-line labels).\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kRatioGoal);
    std::printf("%-10s %-16s %8s %5s %10s %10s %10s %7s  %-6s %10s %7s\n", "build", "dialog", "lines", "pairs",
                "export", "(init)", "baseline", "ratio", "", "bound", "ratio");
    // What each build's dialogs must do besides the common steps.
    auto demandsOf = [](const std::string& build, const char* dialog) {
        BoundDemands d;
        d.ceShell = build == "riloCE";
        d.ce5Shell = build == "riloCE5";
        d.win32 = build == "rilo_lib";
        d.roundedButtons = build == "riloEC7" || build == "riloCE5";
        d.bevel = d.win32 ? 2 : 1;
        d.guest = std::string(dialog) == "rilo_gst_select";
        d.guestLinesInLabels = d.guest && d.win32;
        d.textInSecondColumn = d.win32 && std::string(dialog) == "rilo_list_input";
        return d;
    };
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
                                kPairs, demandsOf(flavour.name, "rilo_display"), 5));
        }
        for (int items : {10, 100, 1000, 10000}) {
            if (!wanted("rilo_list_input", items))
                continue;
            const std::string text = Lines(items, "Item");
            int endCode = 0;
            report(flavour.name, "rilo_list_input", items, MeasurePairs([&] {
                       exports.listInput("Choose a room", "Room  Name", text.c_str(), 0, "4.10", &endCode);
                   }, Split(text), 8, kPairs, demandsOf(flavour.name, "rilo_list_input"), 8));
        }
        if (!wanted("rilo_gst_select", 1))
            continue;
        int endCode = 0;
        report(flavour.name, "rilo_gst_select", 1, MeasurePairs([&] {
                   exports.gstSelect("Guest", "Room  Name", "0412 SMITH, JOHN", "ML", 0, &endCode);
               }, {"0412 SMITH, JOHN"}, 8, kPairs, demandsOf(flavour.name, "rilo_gst_select"), 7));
    }
    std::printf(allMet ? "every ratio within the goal\n" : "some ratios above the goal\n");
    if (onlyBuild.empty())
        ReportFirstDialogs();
    return 0;
}
