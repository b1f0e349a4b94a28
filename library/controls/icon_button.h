// An owner-drawn push button with an optional icon beside its caption, the
// caption's mnemonic underlined, a disabled look, and a small yellow tip
// box that it paints on its owner while the mouse is over it. The Win32
// build carries it; nothing in the library creates one.
#pragma once

#include <afxwin.h>

class CIconButton : public CButton {
public:
    CIconButton();
    ~CIconButton() override;

    void RebuildFont();
    void Disable();
    void Enable();
    // Removes the first "&" from text; its position, or -1 without one.
    static int StripMnemonic(CString& text);
    void ShowTip();
    void HideTip();

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    LRESULT OnNcHitTest(CPoint point);
    void OnMouseMove(UINT flags, CPoint point);

    // Settings nothing in the library makes; left public for the owner.
    BYTE m_iconOnRight = 0;
    int m_fontHeight = 0, m_fontWidth = 0, m_fontWeight = 0;
    BYTE m_italic = 0, m_underline = 0, m_strikeOut = 0, m_pitchAndFamily = 0, m_charSet = 0;
    int m_iconWidth, m_iconHeight;
    int m_iconId = 0;
    COLORREF m_textColor;
    CString m_faceName;
    BYTE m_tipEnabled = 0;
    CString m_tipText;

protected:
    DECLARE_MESSAGE_MAP()

private:
    void MeasureTip();
    void DrawTip();

    CFont m_font;
    BYTE m_tipShown = 0;
    int m_tipWidth = 0, m_tipHeight = 0;
    CPoint m_mouse;
    CRect m_tipRect;
    CBitmap m_savedBitmap;
    CDC m_memoryDC;
    CBitmap* m_oldBitmap = nullptr; // the memory context's own, put back before the delete
    CClientDC* m_ownerDC = nullptr;
};
