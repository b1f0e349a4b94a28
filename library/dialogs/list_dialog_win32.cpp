// The list-input dialog of the Win32 workstation build: a captioned window
// over the POS front end with the version in its caption; OK without a
// chosen row beeps and the dialog stays.
#include "list_dialog.h"

#include "resources/resource.h"
#include "win32_dialog.h"

void CIddDlgList32::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_ITEMS, m_list);
    DDX_Control(pDX, IDC_LIST_TITLE, m_titleLabel);
    DDX_Control(pDX, IDC_LIST_LINEDOWN, m_lineDown);
    DDX_Control(pDX, IDC_LIST_PAGEDOWN, m_pageDown);
    DDX_Control(pDX, IDC_LIST_END, m_end);
    DDX_Control(pDX, IDC_LIST_OK, m_ok);
    DDX_Control(pDX, IDC_LIST_ABORT, m_abort);
    DDX_Control(pDX, IDC_LIST_LINEUP, m_lineUp);
    DDX_Control(pDX, IDC_LIST_PAGEUP, m_pageUp);
    DDX_Control(pDX, IDC_LIST_HOME, m_home);
}

BOOL CIddDlgList32::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_host = FindHostWindow();
    PlaceOverHost(*this, m_host);
    HoldPainting(*this); // built unseen, painted once before the second placement
    CString caption;
    caption.Format(L"Zenta Rilo V%s", static_cast<const wchar_t*>(m_version));
    SetWindowText(caption);
    CreateWin32ListFont(m_listFont);
    const Win32Sizes sizes = SizesOnScreen(m_host);
    const Win32ListLayout layout = LayOutListWin32(sizes.W, sizes.H);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetWindowText(m_title);
    m_titleLabel.SetBorder(2, 2);
    m_titleLabel.SetFont(L"Arial", 24, 1, 0, 0, 0, 0);
    m_titleLabel.SetAlign(1);

    Place(m_list, layout.list);
    SetUpWin32ListColumn(m_list, m_header, m_heading);
    // A 1-pixel column in front, so that the text stands in column 1.
    m_list.InsertColumn(0, L"", LVCFMT_LEFT, 1, -1);
    m_list.SendMessage(WM_SETREDRAW, FALSE);
    for (int i = 0; i < m_items->GetSize(); ++i) {
        m_list.InsertItem(i, L"");
        m_list.SetItemText(i, 1, (*m_items)[i]);
    }
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.SetFont(&m_listFont, TRUE);

    CMyButton* arrows[6] = {&m_lineDown, &m_pageDown, &m_end, &m_lineUp, &m_pageUp, &m_home};
    const int pictures[6] = {IDB_W32_LINEDOWN, IDB_W32_PAGEDOWN, IDB_W32_END,
                             IDB_W32_LINEUP,   IDB_W32_PAGEUP,   IDB_W32_HOME};
    for (int k = 0; k < 6; ++k) {
        Place(*arrows[k], layout.arrows[k]);
        DressWin32Button(*arrows[k], {pictures[k], 1, 1, 0, 0, -1, 0, 0});
    }
    Place(m_ok, layout.ok);
    Place(m_abort, layout.abort);
    DressWin32Button(m_ok, {IDB_W32_OK, 0, 1, 0, 0, 1, 1, 24});
    DressWin32Button(m_abort, {IDB_W32_ABORT, 0, 1, 0, 0, 1, 1, 24});

    PaintWhole(*this);
    PlaceOverHost(*this, m_host);
    // Controls painted at the template's size (the title's border) are
    // drawn again at the sizes they now have.
    Invalidate(TRUE);
    m_list.SetFocus();
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    SetFocus();
    return FALSE;
}

void CIddDlgList32::OnSelect()
{
    if (m_list.GetSelectedCount() == 0) {
        MessageBeep(0xFFFFFFFF);
        return;
    }
    EndDialog(m_list.GetSelectionMark() + 1);
}
