#include "my_static.h"

IMPLEMENT_DYNAMIC(CMyStatic, CStatic)

BEGIN_MESSAGE_MAP(CMyStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMyStatic::CMyStatic() : m_backColor(::GetSysColor(COLOR_BTNFACE)) {}

CMyStatic::~CMyStatic() = default;

void CMyStatic::SetFont(CString faceName, int height, BYTE bold, BYTE italic, BYTE underline, int width, BYTE charSet)
{
    m_font.DeleteObject();
    m_font.CreateFont(height, width, 0, 0, bold == 1 ? FW_BOLD : FW_NORMAL, italic, underline, 0, charSet, 0, 0, 0, 0,
                      faceName);
}

void CMyStatic::OnPaint()
{
    CPaintDC dc(this);
    const int saved = dc.SaveDC();
    CRect client;
    GetClientRect(client);
    CRect text = client;
    CString caption;
    GetWindowText(caption);

    CBrush back(m_backColor);
    dc.FillRect(client, &back);
    for (int i = 0; i < m_borderWidth; ++i) {
        text = CRect(client.left + i, client.top + i, client.right - i, client.bottom - i);
        if (m_borderStyle == 1)
            dc.Draw3dRect(text, RGB(255, 255, 255), RGB(0, 0, 0));
        else if (m_borderStyle == 2)
            dc.Draw3dRect(text, RGB(0, 0, 0), RGB(255, 255, 255));
    }
    text.DeflateRect(1, 1);

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    if (m_font.GetSafeHandle())
        dc.SelectObject(&m_font);
    const UINT align = m_align == 1 ? DT_CENTER : m_align == 2 ? DT_RIGHT : DT_LEFT;
    dc.DrawText(caption, caption.GetLength(), text, DT_SINGLELINE | DT_VCENTER | align);
    dc.RestoreDC(saved);
}

BEGIN_MESSAGE_MAP(CMyHeaderCtrl, CHeaderCtrl)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

CMyHeaderCtrl::~CMyHeaderCtrl() = default;

namespace {

// A header drawn with visual styles paints its items from the theme and
// ignores the colours set on its device context. The devices have no
// visual styles; where a theme is active (a desktop with visual styles, or
// Wine's default theme, which styles every common control) the heading is
// switched to the classic look so that it takes the colours below. Only a
// themed header has uxtheme loaded, so nothing happens without one.
void DrawHeaderClassic(HWND header)
{
#if defined(_WIN32_WCE)
    (void)header; // CE has no visual styles
#else
    HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
    if (!uxtheme)
        return;
    using GetWindowThemeFn = HANDLE(WINAPI*)(HWND);
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    auto getTheme = reinterpret_cast<GetWindowThemeFn>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "GetWindowTheme")));
    auto setTheme = reinterpret_cast<SetWindowThemeFn>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")));
    if (getTheme && setTheme && getTheme(header))
        setTheme(header, L" ", L" ");
#endif
}

} // namespace

void CMyHeaderCtrl::OnCustomDraw(NMHDR* header, LRESULT* result)
{
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        DrawHeaderClassic(header->hwndFrom);
        *result = CDRF_NOTIFYITEMDRAW;
    } else if (draw->dwDrawStage == CDDS_ITEMPREPAINT) {
        CDC* dc = CDC::FromHandle(draw->hdc);
        dc->SetTextColor(RGB(0, 0, 0));
        dc->SetBkColor(RGB(255, 255, 0));
        *result = CDRF_NEWFONT;
    }
}
