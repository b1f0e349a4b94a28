// Modal dialogs built from a dialog template of the library's own module.
#pragma once

#include "wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Attaches control to the dialog's control id by subclassing, once.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog; its end code, or -1 when it cannot run.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    virtual BOOL OnInitDialog();
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The keyboard defaults: Enter ends with IDOK (1), Escape with IDCANCEL (2).
    virtual void OnOK();
    virtual void OnCancel();

    // The empty command bar that the CE class library gives every dialog,
    // created before OnInitDialog; null in the desktop builds.
    CWnd* m_pWndEmptyCB = nullptr;

    UINT m_nIDHelp;
    LPCWSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    void CreateEmptyCommandBar();

    // The window came from the dialog class, whose procedure is DefDlgProc:
    // calling that directly spares Wine a slow round through the class's
    // registered procedure for every message (thousands while a list fills).
    bool m_dialogClass = false;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
