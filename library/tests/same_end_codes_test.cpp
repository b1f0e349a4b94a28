// The same request gives the same end codes through every build's exports;
// settings changes other than the screen change end no dialog.
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

// The control ids of the device builds' templates and of the Win32 ones.
struct Ids {
    int guestFunctions[6];
    int guestExit, back, print, displayExit;
    int lineDown, end, ok, abort;
};
constexpr Ids kDeviceIds = {{1015, 1016, 1017, 1018, 1019, 1020}, 1035, 1034, 1036, 1035, 1038, 1040, 1041, 1005};
constexpr Ids kWin32Ids = {{20030, 20031, 20032, 20033, 20034, 20035}, 20020, 20026, 20028, 20020,
                           20029, 20031, 20032, 20033};

class EveryBuild : public testing::TestWithParam<size_t> {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()) << AllFlavours()[GetParam()].name; }

    int Guest(int button, unsigned settingFlags = 0)
    {
        DialogDriver driver(Steps(button, settingFlags));
        int code = kUnwritten;
        m_exports.gstSelect("Guest", "Room  Name", "0412  SMITH", "ML", 0, &code);
        m_dialogs = driver.Dialogs().size();
        return code;
    }
    int Display(int button, unsigned settingFlags = 0)
    {
        DialogDriver driver(Steps(button, settingFlags));
        int code = kUnwritten;
        m_exports.display("Room", "a\x1c" "b\x1c", 1, &code);
        m_dialogs = driver.Dialogs().size();
        return code;
    }
    int List(std::vector<int> buttons, unsigned settingFlags = 0)
    {
        std::vector<DialogDriver::Step> steps;
        if (settingFlags)
            steps.push_back([settingFlags](HWND d) { SendMessageW(d, WM_SETTINGCHANGE, settingFlags, 0); });
        steps.push_back([buttons](HWND d) {
            for (int id : buttons)
                Click(d, id);
        });
        DialogDriver driver(steps);
        int code = kUnwritten;
        m_exports.listInput("Select", "Tender", "Cash\x1c" "Card\x1c" "Room\x1c", 0, "1", &code);
        m_dialogs = driver.Dialogs().size();
        return code;
    }

    static std::vector<DialogDriver::Step> Steps(int button, unsigned settingFlags)
    {
        std::vector<DialogDriver::Step> steps;
        if (settingFlags)
            steps.push_back([settingFlags](HWND d) { SendMessageW(d, WM_SETTINGCHANGE, settingFlags, 0); });
        steps.push_back([button](HWND d) { Click(d, button); });
        return steps;
    }

    DialogExports m_exports{AllFlavours()[GetParam()]};
    size_t m_dialogs = 0; // dialogs the last call showed
    const Ids& ids = std::string(AllFlavours()[GetParam()].name) == "rilo_lib" ? kWin32Ids : kDeviceIds;
};

TEST_P(EveryBuild, GuestButtonsGiveTheirCodes)
{
    EXPECT_EQ(0, Guest(ids.guestExit));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(i + 1, Guest(ids.guestFunctions[i]));
}

TEST_P(EveryBuild, DisplayAndListCodes)
{
    EXPECT_EQ(0, Display(ids.displayExit));
    EXPECT_EQ(1, Display(ids.back));
    EXPECT_EQ(2, Display(ids.print));
    EXPECT_EQ(2, List({ids.lineDown, ids.ok}));
    EXPECT_EQ(3, List({ids.end, ids.ok}));
    EXPECT_EQ(0, List({ids.end, ids.abort}));
}

TEST_P(EveryBuild, OtherSettingChangesEndNoDialog)
{
    for (unsigned flags : {0x3001u, 0x2002u, 0x0001u}) {
        // A rebuilt dialog would show as a second one.
        EXPECT_EQ(3, Guest(ids.guestFunctions[2], flags)) << std::hex << flags;
        EXPECT_EQ(1u, m_dialogs) << std::hex << flags;
        EXPECT_EQ(1, Display(ids.back, flags)) << std::hex << flags;
        EXPECT_EQ(1u, m_dialogs) << std::hex << flags;
        EXPECT_EQ(2, List({ids.lineDown, ids.ok}, flags)) << std::hex << flags;
        EXPECT_EQ(1u, m_dialogs) << std::hex << flags;
    }
}

TEST_P(EveryBuild, ScreenChangeRebuildsOnlyOnEmbeddedCompact7)
{
    // The builds in loader order: riloEC7, riloCE5, riloCE, riloHeron, rilo_lib.
    const bool rebuilds[5] = {true, false, false, false, false};
    const size_t expected = rebuilds[GetParam()] ? 2u : 1u;
    EXPECT_EQ(4, Guest(ids.guestFunctions[3], 0x3002));
    EXPECT_EQ(expected, m_dialogs);
    EXPECT_EQ(1, Display(ids.back, 0x3002));
    EXPECT_EQ(expected, m_dialogs);
    EXPECT_EQ(2, List({ids.lineDown, ids.ok}, 0x3002));
    EXPECT_EQ(expected, m_dialogs);
}

HHOOK g_blocker = nullptr;
// Refuses the creation of every dialog window of this thread.
LRESULT CALLBACK RefuseDialogs(int code, WPARAM wParam, LPARAM lParam)
{
    wchar_t name[16] = L"";
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16) &&
        wcscmp(name, L"#32770") == 0)
        return 1;
    return CallNextHookEx(g_blocker, code, wParam, lParam);
}

TEST_P(EveryBuild, DialogThatCannotRunGivesMinusOne)
{
    g_blocker = SetWindowsHookExW(WH_CBT, RefuseDialogs, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, g_blocker);
    int display = kUnwritten, list = kUnwritten, guest = kUnwritten;
    m_exports.display("Room", "a\x1c", 1, &display);
    m_exports.listInput("Select", "Tender", "Cash\x1c", 0, "1", &list);
    m_exports.gstSelect("Guest", "Room", "0412", "ML", 0, &guest);
    m_exports.shortInq("a\x1c", "1"); // returns without an end code
    UnhookWindowsHookEx(g_blocker);
    EXPECT_EQ(-1, display);
    EXPECT_EQ(-1, list);
    EXPECT_EQ(-1, guest);
}

INSTANTIATE_TEST_SUITE_P(Builds, EveryBuild, testing::Range<size_t>(0, 5));

} // namespace
