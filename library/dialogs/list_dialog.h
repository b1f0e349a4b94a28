// The full-screen list from which the user picks one item.
#pragma once

#include "dialog_common.h"
#include "win32_layout.h"

#include <memory>

class CIddDlgList32 : public CDialog {
public:
    explicit CIddDlgList32(CWnd* parent = nullptr);
    ~CIddDlgList32() override;

    void SetTitle(CString title) { m_title = title; }
    void SetHeading(CString heading) { m_heading = heading; }
    // The Win32 build shows it in the window caption.
    void SetVersion(CString version) { m_version = version; }
    void AddItem(CString item) { m_items->Add(item); }

    void OnLineDown() { PressKeys(m_list, VK_DOWN, 1); }
    void OnPageDown() { PressKeys(m_list, VK_DOWN, 4); }
    void OnEnd() { PressKeys(m_list, VK_END, 1); }
    void OnLineUp() { PressKeys(m_list, VK_UP, 1); }
    void OnPageUp() { PressKeys(m_list, VK_UP, 4); }
    void OnHome() { PressKeys(m_list, VK_HOME, 1); }
    void OnSelect();
    void OnAbort() { EndDialog(0); }
    void OnListClick(NMHDR* header, LRESULT* result); // Win32 build only
    virtual void OnSettingChange(UINT flags, LPCWSTR section);
    void EndForRebuild() { EndDialog(RESULT_REBUILD); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    CMyButton m_lineUp;
    CMyButton m_pageUp;
    CMyButton m_pageDown;
    CMyButton m_ok;
    CMyButton m_lineDown;
    CMyButton m_end;
    CMyStatic m_titleLabel;
    CMyButton m_home;
    CListCtrl m_list;
    CMyButton m_abort;
    std::unique_ptr<CStringArray> m_items;
    CString m_title;
    CString m_heading;
    CMyHeaderCtrl m_header;
    CFont m_listFont; // outlives the list: released with the dialog object
    CString m_version;
    HostGeometry m_host = {0, 0, 0, 0}; // Win32 build: the POS front end's window
};
