#include "display_dialog.h"

#include "build_flavour.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CIddDlgShort32, CDialog)
    ON_BN_CLICKED(IDC_SHORT_EXIT, OnExit)
    ON_BN_CLICKED(IDC_SHORT_BACK, OnBack)
    ON_BN_CLICKED(IDC_SHORT_PRINT, OnPrint)
    ON_BN_CLICKED(IDC_SHORT_PAGEDOWN, OnPageDown)
    ON_BN_CLICKED(IDC_SHORT_PAGEUP, OnPageUp)
    ON_NOTIFY(NM_CLICK, IDC_SHORT_LINES, OnListClick)
    RILO_ON_WM_SETTINGCHANGE()
#if defined(RILO_FLAVOUR_WIN32)
    ON_WM_SHOWWINDOW() // placed over the POS front end again each time
#endif
END_MESSAGE_MAP()

CIddDlgShort32::CIddDlgShort32(CWnd* parent)
    : CDialog(IDD_DLG_SHORT32, parent), m_lines(new CStringArray), m_exitCaption(L"Exit"), m_backCaption(L"Back"),
      m_printCaption(L"Print")
{
}

CIddDlgShort32::~CIddDlgShort32() = default;

void CIddDlgShort32::SetButtonTexts(CString exitCaption, CString backCaption, CString printCaption)
{
    m_exitCaption = exitCaption;
    m_backCaption = backCaption;
    m_printCaption = printCaption;
}

void CIddDlgShort32::OnPageDown() { PressKeys(m_list, VK_DOWN, 4); }

void CIddDlgShort32::OnPageUp() { PressKeys(m_list, VK_UP, 4); }

void CIddDlgShort32::OnListClick(NMHDR*, LRESULT* result) { SelectLastWhenNoneIs(m_list, result); }

void CIddDlgShort32::OnSettingChange(UINT flags, LPCWSTR section)
{
    CDialog::OnSettingChange(flags, section);
    if (kDialogsAskForRebuild && flags == kSettingChangeReset)
        EndForRebuild();
}
