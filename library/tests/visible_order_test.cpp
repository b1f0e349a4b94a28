// What the operator sees first: when any part of a device build's dialog
// paints for the first time, the dialog already covers its place, is shown,
// topmost and in the foreground, and (display and list input) the first row
// is selected and focused in the list that holds the focus. Painting is held
// while the dialog is built, so nothing may paint before that state is
// reached, nor may a window stay hidden or unpainted after it.
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

constexpr int kLineList = 1005, kItemList = 1037;
constexpr int kDisplayBack = 1034, kListAbort = 1005, kGuestExit = 1035;

// The state of a dialog at the moment the first WM_PAINT of it or of one of
// its windows begins.
struct FirstPaint {
    bool seen = false;
    HWND painter = nullptr;
    RECT rect = {};
    bool visible = false, topmost = false, foreground = false;
    bool listFocused = false;
    UINT firstRowState = 0;
    int paintsBeforeInitReturned = 0;
};

FirstPaint g_first;
HWND g_dialog = nullptr;
bool g_initReturned = false;
HHOOK g_hook = nullptr;

void TakeSnapshot(HWND painter)
{
    g_first.seen = true;
    g_first.painter = painter;
    GetWindowRect(g_dialog, &g_first.rect);
    g_first.visible = IsWindowVisible(g_dialog) != FALSE;
    g_first.topmost = (GetWindowLongW(g_dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    g_first.foreground = GetForegroundWindow() == g_dialog;
    wchar_t name[16] = L"";
    HWND list = nullptr;
    for (int id : {kLineList, kItemList}) {
        HWND control = GetDlgItem(g_dialog, id);
        if (control && GetClassNameW(control, name, 16) && wcscmp(name, WC_LISTVIEWW) == 0)
            list = control;
    }
    g_first.listFocused = list && GetFocus() == list;
    if (list)
        g_first.firstRowState = static_cast<UINT>(
            SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_SELECTED | LVIS_FOCUSED));
}

LRESULT CALLBACK WatchPaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_PAINT && g_dialog && (hwnd == g_dialog || IsChild(g_dialog, hwnd))) {
        if (!g_initReturned)
            ++g_first.paintsBeforeInitReturned;
        if (!g_first.seen)
            TakeSnapshot(hwnd);
    }
    if (message == WM_INITDIALOG && hwnd == g_dialog) {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        g_initReturned = true;
        return result;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Every window of the thread is watched from its creation on, before it can
// paint: the dialog, its controls and the list's header.
LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        wchar_t name[16];
        if (!g_dialog && GetClassNameW(hwnd, name, 16) && wcscmp(name, L"#32770") == 0)
            g_dialog = hwnd;
        SetWindowSubclass(hwnd, WatchPaint, 7, 0);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

BOOL CALLBACK FindPending(HWND hwnd, LPARAM pending)
{
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE))
        *reinterpret_cast<bool*>(pending) = true;
    return TRUE;
}

// Whether the dialog or a window in it still waits to be painted.
bool PaintPending(HWND dialog)
{
    bool pending = GetUpdateRect(dialog, nullptr, FALSE) != FALSE;
    EnumChildWindows(dialog, FindPending, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

struct Case {
    size_t flavour;
    const char* dialog;
};

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    return std::string(AllFlavours()[info.param.flavour].name) + "_" + info.param.dialog;
}

class VisibleOrder : public testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        g_first = {};
        g_dialog = nullptr;
        g_initReturned = false;
        g_hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
        ASSERT_NE(g_hook, nullptr);
    }
    void TearDown() override { UnhookWindowsHookEx(g_hook); }

    // Runs the dialog; once it is idle, records its final place and whether
    // anything of it still waits to be painted, then ends it.
    void Run(int endButton)
    {
        const std::string dialog = GetParam().dialog;
        DialogDriver driver({[&](HWND d) {
            GetWindowRect(d, &m_idleRect);
            m_idleVisible = IsWindowVisible(d) != FALSE;
            m_idlePending = PaintPending(d);
            Click(d, endButton);
        }});
        DialogExports exports(AllFlavours()[GetParam().flavour]);
        ASSERT_TRUE(exports.ok());
        int code = kUnwritten;
        if (dialog == "display")
            exports.display("Room 0412", "first\x1c" "second\x1c" "third\x1c", 1, &code);
        else if (dialog == "list")
            exports.listInput("Choose", "Room", "0101\x1c" "0102\x1c" "0103\x1c", 0, "4.10", &code);
        else
            exports.gstSelect("Guest", "Room  Name", "0412 SMITH, JOHN", "ML", 0, &code);
        ASSERT_EQ(driver.StepsRun(), 1);
        ASSERT_NE(code, kUnwritten);
    }

    RECT m_idleRect = {};
    bool m_idleVisible = false, m_idlePending = true;
};

TEST_P(VisibleOrder, FirstPaintFindsTheDialogPlacedShownOnTopAndTheFirstRowChosen)
{
    const std::string dialog = GetParam().dialog;
    Run(dialog == "display" ? kDisplayBack : dialog == "list" ? kListAbort : kGuestExit);

    ASSERT_TRUE(g_first.seen) << "nothing of the dialog was painted";
    EXPECT_EQ(g_first.paintsBeforeInitReturned, 0) << "painted while it was being built";
    EXPECT_TRUE(g_first.visible);
    EXPECT_TRUE(g_first.topmost);
    EXPECT_TRUE(g_first.foreground);
    EXPECT_EQ(g_first.rect, m_idleRect) << "moved after its first paint";
    EXPECT_TRUE(m_idleVisible);
    EXPECT_FALSE(m_idlePending) << "left unpainted";
    if (dialog != "guest") {
        EXPECT_TRUE(g_first.listFocused);
        EXPECT_EQ(g_first.firstRowState, static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    }
}

// The device builds place their dialogs over the whole screen, on top.
INSTANTIATE_TEST_SUITE_P(DeviceBuilds, VisibleOrder,
                         testing::Values(Case{0, "display"}, Case{0, "list"}, Case{0, "guest"},
                                         Case{1, "display"}, Case{1, "list"}, Case{1, "guest"},
                                         Case{2, "display"}, Case{2, "list"}, Case{2, "guest"}),
                         CaseName);

} // namespace
