// The display dialog of the Win32 workstation build: a captioned window over
// the POS front end, the lines above a row of five buttons.
#include "display_dialog.h"

#include "resources/resource.h"
#include "win32_dialog.h"

void CIddDlgShort32::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHORT_LINES, m_list);
    DDX_Control(pDX, IDC_SHORT_EXIT, m_exit);
    DDX_Control(pDX, IDC_SHORT_BACK, m_back);
    DDX_Control(pDX, IDC_SHORT_PRINT, m_print);
    DDX_Control(pDX, IDC_SHORT_PAGEDOWN, m_pageDown);
    DDX_Control(pDX, IDC_SHORT_PAGEUP, m_pageUp);
}

BOOL CIddDlgShort32::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_host = FindHostWindow();
    PlaceOverHost(*this, m_host);
    HoldPainting(*this); // built unseen, painted once before the second placement
    if (!m_title.IsEmpty())
        SetWindowText(m_title);
    CreateWin32ListFont(m_listFont);
    const Win32Sizes sizes = SizesOnScreen(m_host);
    const Win32DisplayLayout layout = LayOutDisplayWin32(sizes.W, sizes.H);

    // Narrow hosts put the captions at the right, clear of the pictures.
    const int captionAlign = sizes.Wr < kWin32Threshold ? 2 : 1;
    Place(m_exit, layout.exit);
    Place(m_back, layout.back);
    Place(m_print, layout.print);
    Place(m_pageDown, layout.pageDown);
    Place(m_pageUp, layout.pageUp);
    DressWin32Button(m_exit, {IDB_W32_EXIT, 0, 1, 15, 0, captionAlign, 1, 24});
    DressWin32Button(m_back, {IDB_W32_BACK, 0, 1, 0, 0, captionAlign, 1, 24});
    DressWin32Button(m_print, {IDB_W32_PRINT, 0, 1, 15, 0, captionAlign, 1, 24});
    DressWin32Button(m_pageDown, {IDB_W32_PAGEDOWN, 1, 1, 0, 0, -1, 0, 0});
    DressWin32Button(m_pageUp, {IDB_W32_PAGEUP, 1, 1, 0, 0, -1, 0, 0});

    Place(m_list, layout.list);
    SetUpWin32ListColumn(m_list, m_header, L" ");
    InsertRows(m_list, *m_lines);
    m_list.SetFont(&m_listFont, TRUE);

    if (m_mode == 0 || m_mode == 2) {
        m_print.ShowWindow(SW_HIDE);
        m_exit.ShowWindow(SW_HIDE);
    }
    PaintWhole(*this);
    PlaceOverHost(*this, m_host);
    SetFocus();
    Invalidate(TRUE);
    m_list.SetFocus();
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    return FALSE;
}

void CIddDlgShort32::OnShowWindow(BOOL show, UINT status)
{
    CDialog::OnShowWindow(show, status);
    if (show) {
        PlaceOverHost(*this, m_host);
        SetForegroundWindow();
    }
}
