#include "dialog.h"

#include "winapp.h"

#include <commctrl.h>
#ifdef AFX_CE_DIALOG_COMMAND_BAR
#include <ceshell.h>
#endif

#include <cwchar>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND item = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (item)
        control.SubclassWindow(item);
}

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_lpszTemplateName(MAKEINTRESOURCEW(templateId)), m_pParentWnd(parent)
{
}

CDialog::~CDialog()
{
    if (m_hWnd)
        DestroyWindow();
    delete m_pWndEmptyCB;
}

void CDialog::CreateEmptyCommandBar()
{
#ifdef AFX_CE_DIALOG_COMMAND_BAR
    delete m_pWndEmptyCB;
    m_pWndEmptyCB = new CWnd;
    m_pWndEmptyCB->Attach(CommandBar_Create(AfxGetResourceHandle(), m_hWnd, 0));
#endif
}

INT_PTR CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    // From here on the dialog's messages go through its message map.
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog->SubclassWindow(hwnd))
        return FALSE;
    wchar_t className[8] = L"";
    GetClassNameW(hwnd, className, 8);
    dialog->m_dialogClass = wcscmp(className, L"#32770") == 0;
    dialog->CreateEmptyCommandBar();
    return dialog->OnInitDialog();
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceW(module, m_lpszTemplateName, MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEW>(::LockResource(loaded)) : nullptr;
    if (!dialogTemplate)
        return -1;

    // The templates hold list views: make sure their class is registered.
    INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    // Without a parent the dialog belongs to the caller's active window.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
#if defined(_WIN32_WCE)
    // CE has no GetAncestor: climb from the child windows to their top-level window.
    while (owner && (::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
#else
    if (owner)
        owner = ::GetAncestor(owner, GA_ROOT);
#endif
    const INT_PTR result = ::DialogBoxIndirectParamW(module, dialogTemplate, owner, &CDialog::DialogProc,
                                                     reinterpret_cast<LPARAM>(this));
    if (m_hWnd)
        UnsubclassWindow();
    if (m_pWndEmptyCB)
        m_pWndEmptyCB->Detach(); // destroyed with the dialog window
    AfxDeleteTempObjects();
    return result;
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_dialogClass && m_pfnSuper)
        return ::DefDlgProcW(m_hWnd, message, wParam, lParam);
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
