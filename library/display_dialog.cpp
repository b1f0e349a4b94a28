#include "display_dialog.h"

#include "build_flavour.h"
#include "resources/resource.h"

namespace {

// Fonts and pictures of this build's display dialog.
const wchar_t kListFace[] = L"Courier New";
constexpr int kTitleFontHeight = 16;

} // namespace

BEGIN_MESSAGE_MAP(CIddDlgShort32, CDialog)
    ON_BN_CLICKED(IDC_SHORT_EXIT, OnExit)
    ON_BN_CLICKED(IDC_SHORT_BACK, OnBack)
    ON_BN_CLICKED(IDC_SHORT_PRINT, OnPrint)
    ON_BN_CLICKED(IDC_SHORT_PAGEDOWN, OnPageDown)
    ON_BN_CLICKED(IDC_SHORT_PAGEUP, OnPageUp)
    ON_NOTIFY(NM_CLICK, IDC_SHORT_LINES, OnListClick)
    ON_WM_SETTINGCHANGE()
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

void CIddDlgShort32::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHORT_PAGEUP, m_pageUp);
    DDX_Control(pDX, IDC_SHORT_PAGEDOWN, m_pageDown);
    DDX_Control(pDX, IDC_TITLE, m_titleLabel);
    DDX_Control(pDX, IDC_SHORT_PRINT, m_print);
    DDX_Control(pDX, IDC_SHORT_EXIT, m_exit);
    DDX_Control(pDX, IDC_SHORT_BACK, m_back);
    DDX_Control(pDX, IDC_SHORT_LINES, m_list);
}

BOOL CIddDlgShort32::OnInitDialog()
{
    CDialog::OnInitDialog();
    CoverScreen(*this);
    CreateListFont(m_listFont, kListFace);
    int R = 0, B = 0;
    DialogEdges(*this, R, B);
    const DisplayLayout layout = LayOutDisplay(R, B);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetFont(L"Arial", kTitleFontHeight, 1, 0, 0, 0, 0);
    m_titleLabel.SetAlign(1);
    m_titleLabel.SetWindowText(m_title);

    Place(m_list, layout.list);
    m_list.SetFont(&m_listFont, TRUE);

    Place(m_pageDown, layout.pageDown);
    Place(m_exit, layout.exit);
    Place(m_back, layout.back);
    Place(m_print, layout.print);
    Place(m_pageUp, layout.pageUp);
    DressButton(m_pageDown, {IDB_PAGEDOWN, nullptr, 0, false, -8, 0});
    DressButton(m_exit, {IDB_EXIT, m_exitCaption, RGB(255, 0, 0), true, -8, 20});
    DressButton(m_back, {IDB_BACK, m_backCaption, RGB(0, 0, 255), true, -8, 20});
    DressButton(m_print, {IDB_PRINT, m_printCaption, 0, false, -8, 20});
    DressButton(m_pageUp, {IDB_PAGEUP, nullptr, 0, false, -8, 0});
    for (CMyButton* button : {&m_pageDown, &m_exit, &m_pageUp})
        button->SetBevelWidth(1);

    SetUpListColumn(m_list, m_header, L"");
    InsertRows(m_list, *m_lines);

    if (m_mode == 0 || m_mode == 2) {
        m_print.ShowWindow(SW_HIDE);
        m_exit.ShowWindow(SW_HIDE);
    }
    Invalidate(TRUE);
    m_list.SetFocus();
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    return FALSE;
}

void CIddDlgShort32::OnPageDown() { PressKeys(m_list, VK_DOWN, 4); }

void CIddDlgShort32::OnPageUp() { PressKeys(m_list, VK_UP, 4); }

void CIddDlgShort32::OnListClick(NMHDR*, LRESULT* result)
{
    // A tap below the last line leaves nothing selected: select the last.
    if (m_list.GetSelectedCount() == 0)
        m_list.SendMessage(WM_KEYDOWN, VK_END, 0);
    *result = 0;
}

void CIddDlgShort32::OnSettingChange(UINT flags, LPCWSTR section)
{
    CDialog::OnSettingChange(flags, section);
    if (kDialogsAskForRebuild && flags == kSettingChangeReset)
        EndForRebuild();
}
