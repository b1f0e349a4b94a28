// The empty command bar that the CE variant of the class library gives
// every dialog before its initialisation, and that the desktop variant
// does not.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class ProbeDialog : public CDialog {
public:
    ProbeDialog() : CDialog(310) {}
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        bar = m_pWndEmptyCB ? m_pWndEmptyCB->m_hWnd : nullptr;
        if (bar) {
            wchar_t name[32] = L"";
            GetClassNameW(bar, name, 32);
            barClass = name;
            barParent = ::GetParent(bar);
            barVisible = (::GetWindowLongPtrW(bar, GWL_STYLE) & WS_VISIBLE) != 0; // the dialog is not shown yet
        }
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
    HWND bar = nullptr;
    std::wstring barClass;
    HWND barParent = nullptr;
    bool barVisible = false;
};

TEST(DialogCommandBar, GivenOnlyByTheCeVariant)
{
    AfxWinInit(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
    ProbeDialog dialog;
    EXPECT_EQ(IDOK, dialog.DoModal());
#ifdef AFX_CE_DIALOG_COMMAND_BAR
    ASSERT_NE(nullptr, dialog.bar);
    EXPECT_EQ(L"CommandBar", dialog.barClass);
    EXPECT_NE(nullptr, dialog.barParent);
    EXPECT_TRUE(dialog.barVisible);
    EXPECT_FALSE(IsWindow(dialog.bar)) << "the bar goes with the dialog";
#else
    EXPECT_EQ(nullptr, dialog.bar);
#endif
}

} // namespace
