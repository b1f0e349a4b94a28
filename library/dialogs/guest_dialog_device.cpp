// The guest-functions dialog of the device builds: the guest's line in a
// one-row list, the functions in a grid below.
#include "guest_dialog.h"

#include "build_flavour.h"
#include "placement.h"
#include "resources/resource.h"

void CIddDlgGuestFunc32::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GUEST_LIST, m_list);
    DDX_Control(pDX, IDC_GUEST_EXIT, m_exit);
    DDX_Control(pDX, IDC_GUEST_RESERVATION, m_reservationDetails);
    DDX_Control(pDX, IDC_GUEST_MESSAGE_ICON, m_messageIcon);
    DDX_Control(pDX, IDC_TITLE, m_titleLabel);
    DDX_Control(pDX, IDC_GUEST_MESSAGE_IND, m_messageIndicator);
    DDX_Control(pDX, IDC_GUEST_LOCATOR_IND, m_locatorIndicator);
    DDX_Control(pDX, IDC_GUEST_MESSAGES, m_guestMessages);
    DDX_Control(pDX, IDC_GUEST_LOCATOR, m_guestLocator);
    DDX_Control(pDX, IDC_GUEST_DETAILS, m_guestDetails);
    DDX_Control(pDX, IDC_GUEST_ENTER_MESSAGE, m_enterMessage);
    DDX_Control(pDX, IDC_GUEST_ENTER_LOCATOR, m_enterLocator);
}

BOOL CIddDlgGuestFunc32::OnInitDialog()
{
    CDialog::OnInitDialog();
    const Placement placement = PlaceDialog(*this, m_pWndEmptyCB, DialogKind::Guest);
    const GuestLooks looks = GuestLooksFor(kBuild, placement.screen.large);
    CreateListFont(m_listFont, looks.list);
    CRect window;
    GetWindowRect(window);
    const GuestLayout layout = kBuild == Build::Ce30
                                   ? LayOutGuestCe30(window.right, window.bottom, window.Height(), placement.screen)
                                   : LayOutGuest(window.right, window.bottom);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetFont(L"Arial", looks.titleFontHeight, 1, 0, 0, 0, 0);
    m_titleLabel.SetWindowText(m_title);
    m_titleLabel.SetBorder(2, 1);
    m_titleLabel.SetAlign(1);
    m_titleLabel.Invalidate(TRUE);

    Place(m_list, layout.list, TRUE);
    m_list.SetFont(&m_listFont, TRUE);
    m_list.SetTextBkColor(RGB(0, 255, 0));
    SetUpListColumn(m_list, m_header, m_heading, looks.columnExtra);
    m_list.InsertItem(0, m_guestLine);

    Place(m_messageIcon, layout.icon);
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
        indicator.label.SetTextColor(indicator.color);
        indicator.label.SetBackColor(RGB(255, 255, 255));
        indicator.label.SetFont(L"Arial", looks.indicatorFontHeight, 1, 0, 0, 0, 0);
        indicator.label.Invalidate(TRUE);
    }

    CMyButton* functions[6] = {&m_reservationDetails, &m_guestDetails, &m_guestMessages,
                               &m_guestLocator, &m_enterMessage, &m_enterLocator};
    for (int i = 0; i < 6; ++i) {
        Place(*functions[i], layout.functions[i]);
        DressButton(*functions[i], looks.functions[i]);
    }
    Place(m_exit, layout.exit, TRUE);
    DressButton(m_exit, looks.exit);

    ApplyMode();
    ApplyMarkers();
    Invalidate(TRUE);
    PaintWhole(*this);
    return TRUE;
}
