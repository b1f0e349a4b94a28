#include "guest_dialog.h"

#include "font_choice.h"
#include "build_flavour.h"
#include "resources/resource.h"

#include <cwchar>

BEGIN_MESSAGE_MAP(CIddDlgGuestFunc32, CDialog)
    ON_BN_CLICKED(IDC_GUEST_RESERVATION, OnReservationDetails)
    ON_BN_CLICKED(IDC_GUEST_DETAILS, OnGuestDetails)
    ON_BN_CLICKED(IDC_GUEST_MESSAGES, OnGuestMessages)
    ON_BN_CLICKED(IDC_GUEST_LOCATOR, OnGuestLocator)
    ON_BN_CLICKED(IDC_GUEST_ENTER_MESSAGE, OnEnterMessage)
    ON_BN_CLICKED(IDC_GUEST_ENTER_LOCATOR, OnEnterLocator)
    ON_BN_CLICKED(IDC_GUEST_EXIT, OnExit)
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CIddDlgGuestFunc32::CIddDlgGuestFunc32(CWnd* parent) : CDialog(IDD_DLG_GUESTFUNC32, parent) {}

CIddDlgGuestFunc32::~CIddDlgGuestFunc32() = default;

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
    CoverScreen(*this);
    const CString face = HasRegistryFontName() ? GetRegistryFontName() : GetFaceNameForLocale();
    CreateListFont(m_listFont, face);
    int R = 0, B = 0;
    DialogEdges(*this, R, B);
    const GuestLayout layout = LayOutGuest(R, B);

    Place(m_titleLabel, layout.title);
    m_titleLabel.SetFont(L"Arial", 18, 1, 0, 0, 0, 0);
    m_titleLabel.SetWindowText(m_title);
    m_titleLabel.SetBorder(2, 1);
    m_titleLabel.SetAlign(1);
    m_titleLabel.Invalidate(TRUE);

    Place(m_list, layout.list, TRUE);
    m_list.SetFont(&m_listFont, TRUE);
    m_list.SetTextBkColor(RGB(0, 255, 0));
    SetUpListColumn(m_list, m_header, m_heading);
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
        indicator.label.SetFont(L"Arial", 14, 1, 0, 0, 0, 0);
        indicator.label.Invalidate(TRUE);
    }

    CMyButton* functions[6] = {&m_reservationDetails, &m_guestDetails, &m_guestMessages,
                               &m_guestLocator, &m_enterMessage, &m_enterLocator};
    const ButtonLook looks[6] = {{IDB_RESERVATION, L"Reservation Details", 0, false, -8, 20},
                                 {IDB_GUEST_DETAILS, L"Guest Details", 0, false, -8, 20},
                                 {IDB_GUEST_MESSAGES, L"Guest Messages", 0, false, -8, 20},
                                 {IDB_GUEST_LOCATOR, L"Guest Locator", 0, false, -8, 20},
                                 {IDB_ENTER_MESSAGE, L"Enter Message", 0, false, -8, 20},
                                 {IDB_ENTER_LOCATOR, L"Enter Locator", 0, false, -8, 20}};
    for (int i = 0; i < 6; ++i) {
        Place(*functions[i], layout.functions[i]);
        DressButton(*functions[i], looks[i]);
    }
    Place(m_exit, layout.exit, TRUE);
    DressButton(m_exit, {IDB_EXIT, L"Exit", RGB(255, 0, 0), true, -8, 20});

    ApplyMode();
    ApplyMarkers();
    Invalidate(TRUE);
    return TRUE;
}

void CIddDlgGuestFunc32::ApplyMode()
{
    // Hidden buttons keep their places: the grid does not close up.
    CMyButton* hidden[6] = {};
    int count = 0;
    if (m_mode == 1) {
        for (CMyButton* b : {&m_reservationDetails, &m_guestDetails, &m_guestMessages, &m_guestLocator,
                             &m_enterMessage, &m_enterLocator})
            hidden[count++] = b;
    } else if (m_mode == 2) {
        hidden[count++] = &m_enterMessage;
        hidden[count++] = &m_enterLocator;
    } else if (m_mode == 3) {
        for (CMyButton* b : {&m_guestMessages, &m_guestLocator, &m_enterMessage, &m_enterLocator})
            hidden[count++] = b;
    }
    for (int i = 0; i < count; ++i)
        hidden[i]->ShowWindow(SW_HIDE);
}

void CIddDlgGuestFunc32::ApplyMarkers()
{
    if (!wcschr(m_markers, L'M')) {
        m_messageIndicator.ShowWindow(SW_HIDE);
        m_messageIcon.ShowWindow(SW_HIDE);
    }
    if (!wcschr(m_markers, L'L'))
        m_locatorIndicator.ShowWindow(SW_HIDE);
}

void CIddDlgGuestFunc32::OnSettingChange(UINT flags, LPCWSTR section)
{
    CDialog::OnSettingChange(flags, section);
    if (kDialogsAskForRebuild && flags == kSettingChangeReset)
        EndForRebuild();
}
