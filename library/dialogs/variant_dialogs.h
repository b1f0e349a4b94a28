// Handler sets of the CE 3.0 build for the three further templates of the
// CE resources (a display, a list and a guest variant). Nothing in the
// library creates these dialogs; each ends or scrolls as the matching
// dialog of the library does.
#pragma once

#include "dialog_common.h"

class CDisplayVariantDlg : public CDialog {
public:
    explicit CDisplayVariantDlg(CWnd* parent = nullptr);

    void OnExit() { EndDialog(0); }
    void OnBack() { EndDialog(1); }
    void OnPrint() { EndDialog(2); }
    void OnPageDown() { PressKeys(m_list, VK_DOWN, 4); }
    void OnPageUp() { PressKeys(m_list, VK_UP, 4); }
    void OnListClick(NMHDR* header, LRESULT* result);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_list;
};

class CListVariantDlg : public CDialog {
public:
    explicit CListVariantDlg(CWnd* parent = nullptr);

    void OnLineDown() { PressKeys(m_list, VK_DOWN, 1); }
    void OnPageDown() { PressKeys(m_list, VK_DOWN, 4); }
    void OnEnd() { PressKeys(m_list, VK_END, 1); }
    void OnLineUp() { PressKeys(m_list, VK_UP, 1); }
    void OnPageUp() { PressKeys(m_list, VK_UP, 4); }
    void OnHome() { PressKeys(m_list, VK_HOME, 1); }
    void OnSelect() { EndDialog(m_list.GetSelectionMark() + 1); }
    void OnAbort() { EndDialog(0); }
    void OnListClick(NMHDR* header, LRESULT* result);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_list;
};

class CGuestVariantDlg : public CDialog {
public:
    explicit CGuestVariantDlg(CWnd* parent = nullptr);

    void OnReservationDetails() { EndDialog(1); }
    void OnGuestDetails() { EndDialog(2); }
    void OnGuestMessages() { EndDialog(3); }
    void OnGuestLocator() { EndDialog(4); }
    void OnEnterMessage() { EndDialog(5); }
    void OnEnterLocator() { EndDialog(6); }
    void OnExit() { EndDialog(0); }

protected:
    DECLARE_MESSAGE_MAP()
};
