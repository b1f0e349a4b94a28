#include "guest_dialog.h"

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
    RILO_ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CIddDlgGuestFunc32::CIddDlgGuestFunc32(CWnd* parent) : CDialog(IDD_DLG_GUESTFUNC32, parent) {}

CIddDlgGuestFunc32::~CIddDlgGuestFunc32() = default;

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
