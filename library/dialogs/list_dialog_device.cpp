// The list-input dialog of the device builds: full screen, title label on top.
#include "list_dialog.h"

#include "build_flavour.h"
#include "placement.h"
#include "resources/resource.h"

void CIddDlgList32::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_LINEUP, m_lineUp);
    DDX_Control(pDX, IDC_LIST_PAGEUP, m_pageUp);
    DDX_Control(pDX, IDC_LIST_PAGEDOWN, m_pageDown);
    DDX_Control(pDX, IDC_LIST_OK, m_ok);
    DDX_Control(pDX, IDC_LIST_LINEDOWN, m_lineDown);
    DDX_Control(pDX, IDC_LIST_END, m_end);
    DDX_Control(pDX, IDC_TITLE, m_titleLabel);
    DDX_Control(pDX, IDC_LIST_HOME, m_home);
    DDX_Control(pDX, IDC_LIST_ITEMS, m_list);
    DDX_Control(pDX, IDC_LIST_ABORT, m_abort);
}

BOOL CIddDlgList32::OnInitDialog()
{
    CDialog::OnInitDialog();
    const Placement placement = PlaceDialog(*this, m_pWndEmptyCB, DialogKind::ListInput);
    const ListInputLooks looks = ListInputLooksFor(kBuild, placement.screen.large);
    CreateListFont(m_listFont, looks.list);
    int R = 0, B = 0;
    DialogEdges(*this, R, B);
    const ListInputLayout layout = LayOutListInput(R, B);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetFont(L"Arial", looks.titleFontHeight, 1, 0, 0, 0, 0);
    m_titleLabel.SetWindowText(m_title);
    m_titleLabel.SetBorder(2, 1);
    m_titleLabel.SetAlign(1);
    m_titleLabel.Invalidate(TRUE);

    Place(m_list, layout.list);
    m_list.SetFont(&m_listFont, TRUE);

    CMyButton* arrows[6] = {&m_lineDown, &m_pageDown, &m_end, &m_lineUp, &m_pageUp, &m_home};
    for (int k = 0; k < 6; ++k) {
        Place(*arrows[k], layout.arrows[k]);
        DressButton(*arrows[k], looks.arrows[k]);
    }
    Place(m_ok, layout.ok);
    Place(m_abort, layout.abort);
    DressButton(m_ok, looks.ok);
    DressButton(m_abort, looks.abort);

    SetUpListColumn(m_list, m_header, m_heading);
    InsertRows(m_list, *m_items);

    Invalidate(TRUE);
    m_list.SetFocus();
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    PaintWhole(*this);
    return TRUE;
}

void CIddDlgList32::OnSelect()
{
    // The row last selected by a tap or a key press; none gives 0.
    EndDialog(m_list.GetSelectionMark() + 1);
}
