// The full-screen page of text lines with Exit, Back, Print and paging.
#pragma once

#include "dialog_common.h"
#include "win32_layout.h"

#include <memory>

class CIddDlgShort32 : public CDialog {
public:
    explicit CIddDlgShort32(CWnd* parent = nullptr);
    ~CIddDlgShort32() override;

    void SetTitle(CString title) { m_title = title; }
    void AddLine(CString line) { m_lines->Add(line); }
    void SetMode(int mode) { m_mode = mode; }
    void SetButtonTexts(CString exitCaption, CString backCaption, CString printCaption);

    void OnExit() { EndDialog(0); }
    void OnBack() { EndDialog(1); }
    void OnPrint() { EndDialog(2); }
    void OnPageDown();
    void OnPageUp();
    void OnListClick(NMHDR* header, LRESULT* result);
    virtual void OnSettingChange(UINT flags, LPCWSTR section);
    void EndForRebuild() { EndDialog(RESULT_REBUILD); }
    void OnShowWindow(BOOL show, UINT status); // Win32 build only

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()

private:
    CMyButton m_pageUp;
    CMyButton m_pageDown;
    CMyStatic m_titleLabel;
    CMyButton m_print;
    CMyButton m_exit;
    CMyButton m_back;
    CListCtrl m_list;
    CMyHeaderCtrl m_header;
    CString m_title;
    std::unique_ptr<CStringArray> m_lines;
    int m_mode = 0;
    CString m_exitCaption;
    CString m_backCaption;
    CString m_printCaption;
    CFont m_listFont; // outlives the list: released with the dialog object
    HostGeometry m_host = {0, 0, 0, 0}; // Win32 build: the POS front end's window
};
