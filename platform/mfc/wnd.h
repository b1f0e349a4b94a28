// Window objects: a C++ object attached to a window handle, with messages
// dispatched through the object's message map and everything unhandled
// passed on to the window's original procedure.
#pragma once

#include "cstring.h"
#include "gdi.h"
#include "geometry.h"
#include "msgmap.h"

#include <windows.h>

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)

public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    ~CWnd() override;

    // Insert-after markers for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndTopMost;

    // The object attached to hwnd, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // The attached object, or a temporary one valid for the current message.
    static CWnd* FromHandle(HWND hwnd);

    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Attaches to an existing window and routes its messages through this object.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    // Called by SubclassWindow once the object is attached, before its
    // procedure takes over: a class may change the window's style here.
    virtual void PreSubclassWindow() {}

    // The top-level window of the class and title (either may be null), or null.
    static CWnd* FindWindow(LPCWSTR className, LPCWSTR windowName);
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Called for every message of an attached window.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Message-map dispatch; true when a handler took the message.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A parent offers a child its own notifications back; true when taken.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy() {}
    // Default processing of the message being handled.
    LRESULT Default();

    BOOL DestroyWindow();
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
    void GetWindowText(CString& text) const;
    CWnd* SetFocus();
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const
    {
        return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
    }
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2); }

    // Window style bits.
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }
    // Removes and adds style bits; with flags, also SetWindowPos(flags) so
    // that a frame change takes effect. False when nothing changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    // Default handlers that derived classes call from theirs.
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnPaint();
    void OnSettingChange(UINT flags, LPCWSTR section);
    void OnMouseMove(UINT flags, CPoint point);
    void OnEnable(BOOL enable);
    UINT OnGetDlgCode();
    void OnDestroy();
    void OnKillFocus(CWnd* newWindow);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnCancelMode();
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnShowWindow(BOOL show, UINT status);
    void OnTimer(UINT_PTR id);
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind);
    // Offers the item to the owner-drawn control it belongs to.
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);

    HWND m_hWnd = nullptr;

protected:
    // Commands and notifications first go back to the child that sent them.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    WNDPROC m_pfnSuper = nullptr; // the window's procedure before subclassing

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    const MSG* m_currentMsg = nullptr;
};

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Drops the temporary wrappers handed out during message processing.
void AfxDeleteTempObjects();
void AfxDeleteTempDCs();
