#include "list_dialog.h"

#include "build_flavour.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CIddDlgList32, CDialog)
    ON_BN_CLICKED(IDC_LIST_LINEDOWN, OnLineDown)
    ON_BN_CLICKED(IDC_LIST_PAGEDOWN, OnPageDown)
    ON_BN_CLICKED(IDC_LIST_END, OnEnd)
    ON_BN_CLICKED(IDC_LIST_LINEUP, OnLineUp)
    ON_BN_CLICKED(IDC_LIST_PAGEUP, OnPageUp)
    ON_BN_CLICKED(IDC_LIST_HOME, OnHome)
    ON_BN_CLICKED(IDC_LIST_OK, OnSelect)
    ON_BN_CLICKED(IDC_LIST_ABORT, OnAbort)
    RILO_ON_WM_SETTINGCHANGE()
#if defined(RILO_FLAVOUR_WIN32)
    ON_NOTIFY(NM_CLICK, IDC_LIST_ITEMS, OnListClick) // a tap below the rows takes the last one
#endif
END_MESSAGE_MAP()

CIddDlgList32::CIddDlgList32(CWnd* parent) : CDialog(IDD_DLG_LIST32, parent), m_items(new CStringArray) {}

CIddDlgList32::~CIddDlgList32() = default;

void CIddDlgList32::OnListClick(NMHDR*, LRESULT* result) { SelectLastWhenNoneIs(m_list, result); }

void CIddDlgList32::OnSettingChange(UINT flags, LPCWSTR section)
{
    CDialog::OnSettingChange(flags, section);
    if (kDialogsAskForRebuild && flags == kSettingChangeReset)
        EndForRebuild();
}
