// The guest-functions dialog of the Win32 workstation build: a window over
// the POS front end with the guest on two coloured lines and the functions
// in two rows.
#include "guest_dialog.h"

#include "font_choice.h"
#include "resources/resource.h"
#include "win32_dialog.h"

void CIddDlgGuestFunc32::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GUEST_MESSAGE_ICON, m_messageIcon);
    DDX_Control(pDX, IDC_GUEST_TITLE, m_titleLabel);
    DDX_Control(pDX, IDC_GUEST_LINE1, m_guestLine1);
    DDX_Control(pDX, IDC_GUEST_LINE2, m_guestLine2);
    DDX_Control(pDX, IDC_GUEST_MESSAGE_IND, m_messageIndicator);
    DDX_Control(pDX, IDC_GUEST_LOCATOR_IND, m_locatorIndicator);
    DDX_Control(pDX, IDC_GUEST_RESERVATION, m_reservationDetails);
    DDX_Control(pDX, IDC_GUEST_DETAILS, m_guestDetails);
    DDX_Control(pDX, IDC_GUEST_MESSAGES, m_guestMessages);
    DDX_Control(pDX, IDC_GUEST_LOCATOR, m_guestLocator);
    DDX_Control(pDX, IDC_GUEST_ENTER_MESSAGE, m_enterMessage);
    DDX_Control(pDX, IDC_GUEST_ENTER_LOCATOR, m_enterLocator);
    DDX_Control(pDX, IDC_GUEST_EXIT, m_exit);
}

BOOL CIddDlgGuestFunc32::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_host = FindHostWindow();
    PlaceOverHost(*this, m_host);
    HoldPainting(*this); // built unseen, painted once before the second placement
    SetWindowText(L"");
    const Win32Sizes sizes = SizesOnScreen(m_host);
    const bool lowHost = sizes.Hr < kWin32Threshold;
    const Win32GuestLayout layout = LayOutGuestWin32(sizes.W, sizes.H, sizes.Hr);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetWindowText(m_title);
    m_titleLabel.SetFont(L"Arial", 24, 1, 0, 0, 0, 0);
    m_titleLabel.SetBorder(2, 2);
    m_titleLabel.SetAlign(1);

    const CString face = HasRegistryFontName() ? GetRegistryFontName() : GetFaceNameForLocale();
    const BYTE charSet = static_cast<BYTE>(GetCharsetForLocale());
    struct Line {
        CMyStatic& label;
        const LayoutRect& rect;
        const CString& text;
        COLORREF back;
    } lines[] = {{m_guestLine1, layout.line1, m_heading, RGB(255, 255, 0)},
                 {m_guestLine2, layout.line2, m_guestLine, RGB(0, 255, 0)}};
    for (Line& line : lines) {
        Place(line.label, line.rect);
        line.label.SetWindowText(line.text);
        line.label.SetFont(face, 20, 1, 0, 0, 0, charSet);
        line.label.SetBorder(2, 2);
        line.label.SetAlign(0);
        line.label.SetBackColor(line.back);
    }

    Place(m_messageIcon, layout.icon, FALSE);
    struct Indicator {
        CMyStatic& label;
        const LayoutRect& rect;
        const wchar_t* text;
        COLORREF color;
    } indicators[] = {{m_messageIndicator, layout.messageIndicator, L"Guest has a Message", RGB(0, 0, 255)},
                      {m_locatorIndicator, layout.locatorIndicator, L"Guest has a Locator", RGB(0, 100, 0)}};
    for (Indicator& indicator : indicators) {
        Place(indicator.label, indicator.rect);
        indicator.label.SetWindowText(indicator.text);
        indicator.label.SetFont(L"Arial", 18, 1, 0, 0, 0, 0);
        indicator.label.SetAlign(0);
        indicator.label.SetTextColor(indicator.color);
    }

    // Pictures at the top; the captions in the middle, or at the bottom
    // where the host is low.
    const int captionV = lowHost ? 2 : 1;
    CMyButton* buttons[7] = {&m_reservationDetails, &m_guestDetails, &m_guestMessages, &m_guestLocator,
                             &m_enterMessage,       &m_enterLocator, &m_exit};
    const int pictures[7] = {IDB_W32_RESERVATION,   IDB_W32_GUEST_DETAILS, IDB_W32_GUEST_MESSAGES,
                             IDB_W32_GUEST_LOCATOR, IDB_W32_ENTER_MESSAGE, IDB_W32_ENTER_LOCATOR,
                             IDB_W32_EXIT};
    for (int i = 0; i < 7; ++i) {
        Place(*buttons[i], i < 6 ? layout.functions[i] : layout.exit);
        DressWin32Button(*buttons[i], {pictures[i], 1, 0, 0, 5, 1, captionV, 20});
    }
    if (sizes.Wr < kWin32Threshold)
        m_reservationDetails.SetWindowText(L"Reserv. Details");

    ApplyMode();
    ApplyMarkers();
    PaintWhole(*this);
    PlaceOverHost(*this, m_host);
    SetFocus();
    Invalidate(TRUE);
    return TRUE;
}
