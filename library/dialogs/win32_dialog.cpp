#include "win32_dialog.h"

#include "font_choice.h"

#include <cwchar>

HostGeometry FindHostWindow()
{
    CWnd* host = CWnd::FindWindow(L"ZentaOPSAPP", L"Zenta POS Operations");
    if (!host)
        return {0, 0, 0, 0};
    CRect client, window;
    host->GetClientRect(client);
    host->GetWindowRect(window);
    return {client.Width(), client.Height(), window.left, window.top};
}

void PlaceOverHost(CWnd& dialog, const HostGeometry& host)
{
    if (host.found())
        dialog.SetWindowPos(&CWnd::wndTopMost, host.left, host.top, host.clientWidth, host.clientHeight,
                            SWP_SHOWWINDOW);
    else
        dialog.SetWindowPos(&CWnd::wndTopMost, 20, 20, GetSystemMetrics(SM_CXSCREEN) - 40,
                            GetSystemMetrics(SM_CYSCREEN) - 40, SWP_SHOWWINDOW);
}

Win32Sizes SizesOnScreen(const HostGeometry& host)
{
    return Win32SizesFor(host, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void DressWin32Button(CMyButton& button, const Win32ButtonLook& look)
{
    button.SetBitmapID(look.bitmap);
    button.SetBitmapHAlign(look.bitmapHAlign);
    button.SetBitmapVAlign(look.bitmapVAlign);
    if (look.bitmapXOffset)
        button.SetBitmapXOffset(look.bitmapXOffset);
    if (look.bitmapYOffset)
        button.SetBitmapYOffset(look.bitmapYOffset);
    button.SetBackColor(RGB(212, 208, 200));
    button.SetBevelWidth(2);
    if (look.captionHAlign >= 0) {
        button.SetTextHAlign(look.captionHAlign);
        button.SetTextVAlign(look.captionVAlign);
        button.SetFont(L"Arial", look.fontHeight, 1, 0, 0);
    }
    button.Invalidate(TRUE);
}

void CreateWin32ListFont(CFont& font)
{
    LOGFONTW logFont = {};
    logFont.lfWidth = 9;
    logFont.lfHeight = 25;
    logFont.lfWeight = FW_BOLD;
    logFont.lfCharSet = static_cast<BYTE>(GetCharsetForLocale());
    const CString face = HasRegistryFontName() ? GetRegistryFontName() : GetFaceNameForLocale();
    // The face field holds 31 characters: a longer name is cut there.
    wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    font.CreateFontIndirect(&logFont);
}

void SetUpWin32ListColumn(CListCtrl& list, CMyHeaderCtrl& header, const CString& heading)
{
    CRect client;
    list.GetClientRect(client);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, heading, LVCFMT_LEFT, client.Width() - 20, -1);
    header.SubclassWindow(list.GetHeaderCtrlHandle());
}
