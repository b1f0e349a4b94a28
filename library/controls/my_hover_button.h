// A flat owner-drawn push button that lights up while the pointer rests on
// it, with optional icons for its states, a check-box mode, a popup menu
// and a link that it opens. Attached to a push button by subclassing. The
// CE builds carry it; no dialog of the library creates one.
#pragma once

#include <afxwin.h>

class CMyHoverButton : public CButton {
public:
    // Result codes of the setters.
    enum Result : DWORD { kDone = 0, kResourceFailed = 1, kBadColorIndex = 3, kBadAlign = 4 };
    // Colour indexes: while hovering or pressed, otherwise, while focused.
    enum ColorIndex : BYTE { kHoverBack, kHoverText, kBack, kText, kFocusBack, kFocusText, kColorCount };
    // Where the icon stands beside the caption.
    enum Align : BYTE { kIconLeft = 0, kIconAbove = 1, kIconRight = 2 };

    CMyHoverButton();
    ~CMyHoverButton() override;

    DWORD SetIcon(int activeId, CSize activeSize, int idleId, CSize idleSize, int disabledId, CSize disabledSize);
    DWORD SetIconHandles(HICON active, CSize activeSize, HICON idle, CSize idleSize, HICON disabled,
                         CSize disabledSize);
    DWORD SetFlat(BOOL flat, BOOL repaint = TRUE);
    DWORD SetAlign(BYTE align, BOOL repaint = TRUE);
    DWORD SetCheck(int check, BOOL repaint = TRUE);
    int GetCheck() const { return m_check; }
    DWORD SetDefaultColors(BOOL repaint = TRUE);
    DWORD SetColor(BYTE index, COLORREF color, BOOL repaint = TRUE);
    DWORD GetColor(BYTE index, COLORREF* color) const;
    DWORD SetAlwaysTrack(BOOL alwaysTrack);
    DWORD SetButtonCursor(int cursorId, BOOL repaint = TRUE);
    DWORD SetDrawBorder(BOOL drawBorder, BOOL repaint = TRUE);
    DWORD SetDrawFlatFocus(BOOL drawFlatFocus, BOOL repaint = TRUE);
    BOOL GetDefault() const { return m_default; }
    DWORD SetURL(LPCWSTR url);
    DWORD SetMenu(UINT menuId, HWND owner, BOOL repaint = TRUE);

    void PreSubclassWindow() override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT item) override;

    virtual DWORD OnDrawBorder(CDC* dc, CRect* rect);
    virtual DWORD OnDrawBackground(CDC* dc, CRect* rect);

    // Where the icon goes in item (the caption rectangle text shrinks to
    // make room); never outside the item, even for an icon larger than it.
    CRect PrepareImageRect(bool hasCaption, const CRect& item, CRect& text, DWORD width, DWORD height) const;
    void CancelHover();

    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnClicked();
    void OnEnable(BOOL enable);
    UINT OnGetDlgCode();
    HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT kind);
    void OnDestroy();
    void OnKillFocus(CWnd* newWindow);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnCancelMode();
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnMouseLeave(WPARAM, LPARAM);

protected:
    DECLARE_MESSAGE_MAP()

    struct IconRecord {
        HICON icon;
        DWORD width, height;
    };

    void DrawTheIcon(CDC& dc, bool hasCaption, const CRect& item, CRect& text);
    void FreeIcons();
    // Before the window exists there is nothing to repaint (and a null
    // window would invalidate the whole desktop).
    void Repaint(BOOL repaint)
    {
        if (repaint && m_hWnd)
            Invalidate();
    }
    static void CALLBACK HoverTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

    BOOL m_flat = TRUE;
    BOOL m_hovering = FALSE;
    BOOL m_pressedLook = FALSE;
    BOOL m_focused = FALSE;
    BOOL m_disabled = FALSE;
    BOOL m_default = FALSE;
    BOOL m_checkBox = FALSE;
    BYTE m_align = kIconLeft;
    BOOL m_drawBorder = TRUE;
    BOOL m_drawFlatFocus = FALSE;
    COLORREF m_colors[kColorCount];
    CMenu m_menu;
    HWND m_menuOwner = nullptr;
    BOOL m_menuOpen = FALSE;
    IconRecord m_icons[3] = {}; // active, idle, disabled
    HCURSOR m_cursor = nullptr;
    HCURSOR m_savedCursor = nullptr;
    BOOL m_alwaysTrack = TRUE;
    int m_check = 0;
    UINT_PTR m_hoverTimer = 0;
    wchar_t m_link[260] = {};
};
