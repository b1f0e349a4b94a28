#include "wnd.h"

#include <map>
#include <memory>

#if defined(_WIN32_WCE)
#include "thread_value.h"
#endif

namespace {

// Permanent map of attached windows; the library runs its windows on the
// caller's user-interface thread, so one map per thread.
#if defined(_WIN32_WCE)
AfxThreadValue<std::map<HWND, CWnd*>*> t_permanent;
AfxThreadValue<std::map<HWND, std::unique_ptr<CWnd>>*> t_temporary;
AfxThreadValue<int> t_dispatchDepth;
#else
thread_local std::map<HWND, CWnd*>* t_permanent = nullptr;
// Temporary wrappers for windows that have no object of their own.
thread_local std::map<HWND, std::unique_ptr<CWnd>>* t_temporary = nullptr;
thread_local int t_dispatchDepth = 0;
#endif

std::map<HWND, CWnd*>& PermanentMap()
{
    if (!t_permanent)
        t_permanent = new std::map<HWND, CWnd*>;
    return *t_permanent;
}

} // namespace

IMPLEMENT_DYNAMIC(CWnd, CObject)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

void AfxDeleteTempObjects()
{
    if (t_temporary) {
        for (auto& entry : *t_temporary)
            entry.second->m_hWnd = nullptr;
        delete t_temporary;
        t_temporary = nullptr;
    }
    AfxDeleteTempDCs();
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        // Still attached: the window must not call into a dead object.
        if (m_pfnSuper)
            UnsubclassWindow();
        else
            Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    if (!hwnd || !t_permanent)
        return nullptr;
    auto it = t_permanent->find(hwnd);
    return it == t_permanent->end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hwnd))
        return wnd;
    if (!t_temporary)
        t_temporary = new std::map<HWND, std::unique_ptr<CWnd>>;
    std::unique_ptr<CWnd>& wnd = (*t_temporary)[hwnd];
    if (!wnd)
        wnd.reset(new CWnd(hwnd));
    return wnd.get();
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd)
        return FALSE;
    m_hWnd = hwnd;
    PermanentMap()[hwnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd && t_permanent) {
        auto it = t_permanent->find(hwnd);
        if (it != t_permanent->end() && it->second == this)
            t_permanent->erase(it);
    }
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (!m_pfnSuper) {
        Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper && m_hWnd)
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);

    const MSG msg = {hwnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* outer = wnd->m_currentMsg;
    wnd->m_currentMsg = &msg;
    ++t_dispatchDepth;
    LRESULT result = 0;
    if (message == WM_NCDESTROY) {
        // The window goes away: hand it back to its own procedure and let go.
        WNDPROC super = wnd->m_pfnSuper;
        wnd->UnsubclassWindow();
        result = super ? ::CallWindowProcW(super, hwnd, message, wParam, lParam)
                       : ::DefWindowProcW(hwnd, message, wParam, lParam);
        wnd->m_currentMsg = outer;
        wnd->PostNcDestroy();
    } else {
        result = wnd->WindowProc(message, wParam, lParam);
        wnd->m_currentMsg = outer;
    }
    if (--t_dispatchDepth == 0)
        AfxDeleteTempObjects();
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (!m_currentMsg)
        return 0;
    return DefWindowProc(m_currentMsg->message, m_currentMsg->wParam, m_currentMsg->lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam, result);
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, result);
    const bool ctlColor = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    if (ctlColor) {
        // Let the control colour itself first.
        CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (child && child->OnChildNotify(message, wParam, lParam, result))
            return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(ctlColor ? WM_CTLCOLOR_ANY : message, 0, 0);
    if (!entry && message == WM_DRAWITEM) {
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        *result = TRUE;
        return TRUE;
    }
    if (!entry)
        return FALSE;
    AFX_MSG_CALL call = {message, wParam, lParam, 0};
    entry->pfn(this, call);
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam) {
        CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (child && child->OnChildNotify(WM_COMMAND, wParam, lParam, result))
            return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_COMMAND, code, id);
    if (!entry)
        return FALSE;
    AFX_MSG_CALL call = {WM_COMMAND, wParam, lParam, 0};
    entry->pfn(this, call);
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    CWnd* child = FromHandlePermanent(header->hwndFrom);
    if (child && child->OnChildNotify(WM_NOTIFY, 0, lParam, result))
        return TRUE;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
    if (!entry)
        return FALSE;
    AFX_MSG_CALL call = {WM_NOTIFY, 0, lParam, 0};
    entry->pfn(this, call);
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const AFX_MSGMAP_ENTRY* entry = nullptr;
    AFX_MSG_CALL call = {0, wParam, lParam, 0};
    if (message == WM_NOTIFY) {
        call.message = WM_REFLECT_BASE + WM_NOTIFY;
        entry = FindEntry(call.message, reinterpret_cast<const NMHDR*>(lParam)->code, 0);
    } else if (message == WM_COMMAND) {
        call.message = WM_REFLECT_BASE + WM_COMMAND;
        entry = FindEntry(call.message, HIWORD(wParam), 0);
        if (!entry) {
            // The _EX form: the handler's answer says whether the parent
            // still gets the notification.
            entry = FindEntry(call.message, HIWORD(wParam) | AFX_REFLECT_EX, 0);
            if (entry) {
                entry->pfn(this, call);
                *result = 0;
                return call.result != 0;
            }
        }
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        call.message = WM_REFLECT_BASE + WM_CTLCOLOR_ANY;
        call.lParam = message - WM_CTLCOLORMSGBOX; // the CTLCOLOR_* kind
        entry = FindEntry(call.message, 0, 0);
    }
    if (!entry)
        return FALSE;
    entry->pfn(this, call);
    *result = call.result;
    return TRUE;
}

CWnd* CWnd::FindWindow(LPCWSTR className, LPCWSTR windowName)
{
    return FromHandle(::FindWindowW(className, windowName));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::GetWindowText(CString& text) const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::unique_ptr<wchar_t[]> buffer(new wchar_t[static_cast<size_t>(length) + 1]());
    const int copied = ::GetWindowTextW(m_hWnd, buffer.get(), length + 1);
    text = CString(buffer.get(), copied);
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSettingChange(UINT, LPCWSTR) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnCancelMode() { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item)
{
    LRESULT result = 0;
    CWnd* child = item && item->CtlType != ODT_MENU ? FromHandlePermanent(item->hwndItem) : nullptr;
    if (child && child->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(item), &result))
        return;
    Default();
}
