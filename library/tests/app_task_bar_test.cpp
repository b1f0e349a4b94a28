// The CE 5 application object's two task-bar operations on real windows.
#include "app.h"

#include <gtest/gtest.h>

namespace {

HWND MakeTaskBar()
{
    WNDCLASSW cls = {};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"HHTaskBar";
    RegisterClassW(&cls);
    return CreateWindowExW(0, L"HHTaskBar", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 26, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(CIddAppTaskBar, HideKeepsTheHandleAndShowBringsItBack)
{
    EXPECT_EQ(nullptr, theApp.m_hTaskBar);
    HWND bar = MakeTaskBar();
    ASSERT_TRUE(bar);
    theApp.HideTaskBar();
    EXPECT_EQ(bar, theApp.m_hTaskBar);
    EXPECT_FALSE(IsWindowVisible(bar));
    theApp.ShowTaskBar();
    EXPECT_TRUE(IsWindowVisible(bar));
    DestroyWindow(bar);
}

TEST(CIddAppTaskBar, WithoutTaskBarNothingIsKept)
{
    theApp.HideTaskBar();
    EXPECT_EQ(nullptr, theApp.m_hTaskBar);
    theApp.ShowTaskBar(); // nothing to show; must not fail
    EXPECT_EQ(nullptr, FindWindowW(L"HHTaskBar", nullptr));
}

} // namespace
