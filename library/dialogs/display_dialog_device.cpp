// The display dialog of the device builds: full screen, title label on top.
#include "display_dialog.h"

#include "build_flavour.h"
#include "placement.h"
#include "resources/resource.h"

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
    const Placement placement = PlaceDialog(*this, m_pWndEmptyCB, DialogKind::Display);
    const DisplayLooks looks = DisplayLooksFor(kBuild, placement.screen.large);
    CreateListFont(m_listFont, looks.list);
    int R = 0, B = 0;
    DialogEdges(*this, R, B);
    const DisplayLayout layout = LayOutDisplay(R, B);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetFont(L"Arial", looks.titleFontHeight, 1, 0, 0, 0, 0);
    m_titleLabel.SetAlign(1);
    m_titleLabel.SetWindowText(m_title);

    Place(m_list, layout.list);
    m_list.SetFont(&m_listFont, TRUE);

    Place(m_pageDown, layout.pageDown);
    Place(m_exit, layout.exit);
    Place(m_back, layout.back);
    Place(m_print, layout.print);
    Place(m_pageUp, layout.pageUp);
    // The captions are the dialog's own (SetButtonTexts), in the build's look.
    ButtonLook exit = looks.exit, back = looks.back, print = looks.print;
    exit.caption = reinterpret_cast<const char16_t*>(static_cast<const wchar_t*>(m_exitCaption));
    back.caption = reinterpret_cast<const char16_t*>(static_cast<const wchar_t*>(m_backCaption));
    print.caption = reinterpret_cast<const char16_t*>(static_cast<const wchar_t*>(m_printCaption));
    DressButton(m_pageDown, looks.pageDown);
    DressButton(m_exit, exit);
    DressButton(m_back, back);
    DressButton(m_print, print);
    DressButton(m_pageUp, looks.pageUp);
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
    PaintWhole(*this);
    return FALSE;
}
