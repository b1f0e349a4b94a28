// The CE shell stand-in on real desktop windows: what each call does there
// and what it leaves in the window's record.
#include "ceshell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const wchar_t kPlainClass[] = L"CeShellTestWindow";

HWND MakeWindow(const wchar_t* className, DWORD style, int x, int y, int w, int h, HWND parent = nullptr)
{
    WNDCLASSW cls = {};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = className;
    RegisterClassW(&cls); // a second registration fails harmlessly
    return CreateWindowExW(0, className, L"", style, x, y, w, h, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

class CeShell : public testing::Test {
protected:
    void SetUp() override
    {
        m_dialog = MakeWindow(kPlainClass, WS_POPUP | WS_VISIBLE, 0, 0, 640, 480);
        ASSERT_TRUE(m_dialog);
    }
    void TearDown() override
    {
        DestroyWindow(m_dialog);
        if (m_taskBar)
            DestroyWindow(m_taskBar);
    }
    void MakeTaskBar(int height)
    {
        m_taskBar = MakeWindow(L"HHTaskBar", WS_POPUP | WS_VISIBLE, 0, 0, 640, height);
        ASSERT_TRUE(m_taskBar);
    }
    RECT WindowRect() const
    {
        RECT r;
        GetWindowRect(m_dialog, &r);
        return r;
    }

    HWND m_dialog = nullptr;
    HWND m_taskBar = nullptr;
};

TEST_F(CeShell, UntouchedWindowHasAnEmptyRecord)
{
    const CeShellRecord r = CeShellQuery(m_dialog);
    EXPECT_FALSE(r.initDialog);
    EXPECT_FALSE(r.fullScreen);
    EXPECT_FALSE(r.doneButton);
    EXPECT_FALSE(r.commandBarHidden);
    EXPECT_EQ(0, r.callCount);
}

TEST_F(CeShell, InitDialogFullScreenTakesTheScreenBelowTheTaskBar)
{
    MakeTaskBar(40);
    SHINITDLGINFO info = {SHIDIM_FLAGS, m_dialog, SHIDIF_FULLSCREENNOMENUBAR};
    EXPECT_TRUE(SHInitDialog(&info));
    RECT r = WindowRect();
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(40, r.top);
    EXPECT_EQ(640, r.right);
    EXPECT_EQ(480, r.bottom);
    const CeShellRecord record = CeShellQuery(m_dialog);
    EXPECT_TRUE(record.initDialog);
    EXPECT_EQ(SHIDIF_FULLSCREENNOMENUBAR, record.initDialogFlags);
}

TEST_F(CeShell, InitDialogWithoutTaskBarOrWithoutTheFlag)
{
    SetWindowPos(m_dialog, nullptr, 10, 20, 100, 100, SWP_NOZORDER);
    SHINITDLGINFO noMask = {0, m_dialog, SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&noMask);
    EXPECT_EQ(20, WindowRect().top) << "without the mask the flags are not read";
    EXPECT_EQ(0u, CeShellQuery(m_dialog).initDialogFlags);

    SHINITDLGINFO info = {SHIDIM_FLAGS, m_dialog, SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&info);
    const RECT r = WindowRect();
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(480, r.bottom);
    EXPECT_EQ(640, r.right);
    EXPECT_FALSE(SHInitDialog(nullptr));
}

TEST_F(CeShell, FullScreenHidesAndShowsTheTaskBar)
{
    MakeTaskBar(26);
    EXPECT_TRUE(SHFullScreen(m_dialog, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON));
    EXPECT_FALSE(IsWindowVisible(m_taskBar));
    EXPECT_EQ(42u, CeShellQuery(m_dialog).fullScreenState);
    SHFullScreen(m_dialog, SHFS_HIDESIPBUTTON);
    EXPECT_FALSE(IsWindowVisible(m_taskBar)) << "only the task-bar bits touch the task bar";
    SHFullScreen(m_dialog, SHFS_SHOWTASKBAR);
    EXPECT_TRUE(IsWindowVisible(m_taskBar));
    const CeShellRecord r = CeShellQuery(m_dialog);
    EXPECT_EQ(SHFS_SHOWTASKBAR, r.fullScreenState) << "the last call is kept";
    EXPECT_EQ(3, r.callCount);
}

TEST_F(CeShell, DoneButtonIsRecorded)
{
    EXPECT_TRUE(SHDoneButton(m_dialog, SHDB_HIDE));
    CeShellRecord r = CeShellQuery(m_dialog);
    EXPECT_TRUE(r.doneButton);
    EXPECT_EQ(SHDB_HIDE, r.doneButtonState);
    EXPECT_FALSE(r.fullScreen);
    EXPECT_FALSE(SHDoneButton(nullptr, SHDB_HIDE));
}

TEST_F(CeShell, EmptyCommandBarIsAChildThatHides)
{
    HWND bar = CommandBar_Create(GetModuleHandleW(nullptr), m_dialog, 1);
    ASSERT_TRUE(bar);
    EXPECT_EQ(m_dialog, GetParent(bar));
    EXPECT_TRUE(IsWindowVisible(bar));
    RECT r;
    GetWindowRect(bar, &r);
    EXPECT_EQ(0, r.bottom - r.top) << "an empty bar takes no room";
    EXPECT_FALSE(CeShellQuery(m_dialog).commandBarHidden);
    EXPECT_TRUE(CommandBar_Show(bar, FALSE));
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_TRUE(CeShellQuery(m_dialog).commandBarHidden);
    CommandBar_Show(bar, TRUE);
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_FALSE(CeShellQuery(m_dialog).commandBarHidden);
}

TEST_F(CeShell, CallsAreRecordedInOrder)
{
    HWND bar = CommandBar_Create(GetModuleHandleW(nullptr), m_dialog, 1);
    SHINITDLGINFO info = {SHIDIM_FLAGS, m_dialog, SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&info);
    CommandBar_Show(bar, FALSE);
    SHFullScreen(m_dialog, 10);
    SHDoneButton(m_dialog, SHDB_HIDE);
    const std::vector<CeShellCall> expected = {CeShellCall::InitDialog, CeShellCall::CommandBarShow,
                                               CeShellCall::FullScreen, CeShellCall::DoneButton};
    const CeShellRecord r = CeShellQuery(m_dialog);
    ASSERT_EQ(static_cast<int>(expected.size()), r.callCount);
    EXPECT_EQ(expected, std::vector<CeShellCall>(r.calls, r.calls + r.callCount));
    for (int i = 0; i < 10; ++i)
        SHDoneButton(m_dialog, SHDB_SHOW);
    const CeShellRecord many = CeShellQuery(m_dialog);
    EXPECT_EQ(14, many.callCount);
    EXPECT_EQ(CeShellCall::DoneButton, many.calls[7]) << "the first eight stay";
    EXPECT_EQ(CeShellCall::FullScreen, many.calls[2]);
}

} // namespace
