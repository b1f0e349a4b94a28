#include "variant_dialogs.h"

#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CDisplayVariantDlg, CDialog)
    ON_BN_CLICKED(IDC_SHORT_EXIT, OnExit)
    ON_BN_CLICKED(IDC_SHORT_BACK, OnBack)
    ON_BN_CLICKED(IDC_SHORT_PRINT, OnPrint)
    ON_BN_CLICKED(IDC_SHORT_PAGEDOWN, OnPageDown)
    ON_BN_CLICKED(IDC_SHORT_PAGEUP, OnPageUp)
    ON_NOTIFY(NM_CLICK, IDC_VARIANT_LINES, OnListClick)
END_MESSAGE_MAP()

CDisplayVariantDlg::CDisplayVariantDlg(CWnd* parent) : CDialog(IDD_VARIANT_DISPLAY, parent) {}

void CDisplayVariantDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VARIANT_LINES, m_list);
}

void CDisplayVariantDlg::OnListClick(NMHDR*, LRESULT* result) { SelectLastWhenNoneIs(m_list, result); }

BEGIN_MESSAGE_MAP(CListVariantDlg, CDialog)
    ON_BN_CLICKED(IDC_VARIANT_LINEDOWN, OnLineDown)
    ON_BN_CLICKED(IDC_VARIANT_PAGEDOWN, OnPageDown)
    ON_BN_CLICKED(IDC_VARIANT_END, OnEnd)
    ON_BN_CLICKED(IDC_VARIANT_LINEUP, OnLineUp)
    ON_BN_CLICKED(IDC_VARIANT_PAGEUP, OnPageUp)
    ON_BN_CLICKED(IDC_VARIANT_HOME, OnHome)
    ON_BN_CLICKED(IDC_VARIANT_OK, OnSelect)
    ON_BN_CLICKED(IDC_VARIANT_ABORT, OnAbort)
    ON_NOTIFY(NM_CLICK, IDC_VARIANT_LINES, OnListClick)
END_MESSAGE_MAP()

CListVariantDlg::CListVariantDlg(CWnd* parent) : CDialog(IDD_VARIANT_LIST, parent) {}

void CListVariantDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VARIANT_LINES, m_list);
}

void CListVariantDlg::OnListClick(NMHDR*, LRESULT* result) { SelectLastWhenNoneIs(m_list, result); }

BEGIN_MESSAGE_MAP(CGuestVariantDlg, CDialog)
    ON_BN_CLICKED(IDC_GUEST_RESERVATION, OnReservationDetails)
    ON_BN_CLICKED(IDC_GUEST_DETAILS, OnGuestDetails)
    ON_BN_CLICKED(IDC_GUEST_MESSAGES, OnGuestMessages)
    ON_BN_CLICKED(IDC_GUEST_LOCATOR, OnGuestLocator)
    ON_BN_CLICKED(IDC_GUEST_ENTER_MESSAGE, OnEnterMessage)
    ON_BN_CLICKED(IDC_GUEST_ENTER_LOCATOR, OnEnterLocator)
    ON_BN_CLICKED(IDC_VARIANT_EXIT, OnExit)
END_MESSAGE_MAP()

CGuestVariantDlg::CGuestVariantDlg(CWnd* parent) : CDialog(IDD_VARIANT_GUEST, parent) {}
