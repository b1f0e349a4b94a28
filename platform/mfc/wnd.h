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

    // Default handlers that derived classes call from theirs.
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnPaint();
    void OnSettingChange(UINT flags, LPCWSTR section);

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
