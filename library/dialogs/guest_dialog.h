// The full-screen guest-functions dialog: the guest's line, the message and
// locator indicators, six guest functions and Exit.
#pragma once

#include "dialog_common.h"
#include "win32_layout.h"

class CIddDlgGuestFunc32 : public CDialog {
public:
    explicit CIddDlgGuestFunc32(CWnd* parent = nullptr);
    ~CIddDlgGuestFunc32() override;

    void SetTitle(CString title) { m_title = title; }
    void SetListHeading(CString heading) { m_heading = heading; }
    void SetListText(CString guestLine) { m_guestLine = guestLine; }
    void SetMode(short mode) { m_mode = mode; }
    void SetIndicators(CString markers) { m_markers = markers; }

    void OnReservationDetails() { EndDialog(1); }
    void OnGuestDetails() { EndDialog(2); }
    void OnGuestMessages() { EndDialog(3); }
    void OnGuestLocator() { EndDialog(4); }
    void OnEnterMessage() { EndDialog(5); }
    void OnEnterLocator() { EndDialog(6); }
    void OnExit() { EndDialog(0); }
    virtual void OnSettingChange(UINT flags, LPCWSTR section);
    void EndForRebuild() { EndDialog(RESULT_REBUILD); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    void ApplyMode();
    void ApplyMarkers();

    CListCtrl m_list;
    CStatic m_messageIcon;
    CMyStatic m_titleLabel;
    CMyStatic m_messageIndicator;
    CMyStatic m_locatorIndicator;
    CMyButton m_exit;
    CMyButton m_reservationDetails;
    CMyButton m_guestMessages;
    CMyButton m_guestLocator;
    CMyButton m_guestDetails;
    CMyButton m_enterMessage;
    CMyButton m_enterLocator;
    CString m_title;
    CString m_heading;
    CString m_guestLine;
    CString m_markers;
    int m_mode = 0; // all buttons, for a run without SetMode
    CMyHeaderCtrl m_header;
    CFont m_listFont; // outlives the list: released with the dialog object
    // The Win32 build shows the guest on two lines instead of the list.
    CMyStatic m_guestLine1;
    CMyStatic m_guestLine2;
    HostGeometry m_host = {0, 0, 0, 0}; // Win32 build: the POS front end's window
};
