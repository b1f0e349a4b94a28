// A dialog whose template the module does not hold cannot run.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

TEST(CDialogDoModal, MissingTemplateGivesMinusOne)
{
    AfxWinInit(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    CDialog dialog(9999);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
}

} // namespace
