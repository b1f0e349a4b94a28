#include "button_paint.h"

void PaintButtonPicture(CDC& dc, const CRect& client, const ButtonPicture& p)
{
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(static_cast<UINT>(p.bitmapId)))
        return; // no such picture: nothing to draw
    CBitmap* old = memory.SelectObject(&bitmap);
    BITMAP info = {};
    bitmap.GetBitmap(&info);
    const int w = client.Width(), h = client.Height(), bw = info.bmWidth, bh = info.bmHeight;
    int x = 0;
    switch (p.hAlign) {
    case 0: x = p.bevel + p.xOffset; break;
    case 1: x = (w - bw) / 2 + p.xOffset; break;
    case 2: x = w - bw - p.bevel - p.xOffset; break;
    default: x = 0; break;
    }
    int y = 0;
    switch (p.vAlign) {
    case 1: y = (h - bh) / 2 + p.yOffset; break;
    case 2: y = h - bh - p.bevel - p.yOffset; break;
    default: y = p.bevel + p.yOffset; break;
    }
    dc.BitBlt(x, y, bw, bh, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    memory.DeleteDC();
    bitmap.DeleteObject();
}

void PaintButtonCaption(CDC& dc, const CRect& client, const CRect& inner, const ButtonCaption& c)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(c.color);
    if (c.font.GetSafeHandle())
        dc.SelectObject(&c.font);
    CRect measure = inner;
    const int measureTop = measure.top, measureBottom = measure.bottom;
    dc.DrawText(c.text, measure, DT_CALCRECT | DT_WORDBREAK);
    const int h = measure.Height();
    CRect block;
    switch (c.vAlign) {
    case 1:
        block.top = client.Height() / 2 - h / 2;
        block.bottom = block.top + h;
        break;
    case 2:
        block.top = measureBottom - h;
        block.bottom = measureBottom;
        break;
    default:
        block.top = measureTop;
        block.bottom = measureTop + h;
        break;
    }
    block.left = c.bevel;
    block.right = client.Width() - c.bevel;
    block.top += c.yOffset;
    block.bottom += c.yOffset;
    UINT format = 0;
    switch (c.hAlign) {
    case 0: format = DT_WORDBREAK | DT_LEFT; break;
    case 1: format = DT_WORDBREAK | DT_CENTER; break;
    case 2: format = DT_WORDBREAK | DT_RIGHT; break;
    default: return;
    }
    dc.DrawText(c.text, block, format);
}

void CreateButtonFont(CFont& font, const CString& faceName, int height, BYTE bold, BYTE italic, BYTE underline)
{
    font.DeleteObject(); // a second call replaces the first font
    font.CreateFont(height, 0, 0, 0, bold == 1 ? FW_BOLD : FW_NORMAL, italic, underline, 0, ANSI_CHARSET, 0, 0, 0, 0,
                    faceName);
}

void PaintBevelledFace(CDC& dc, const CRect& client, COLORREF face, int bevel, bool pressed)
{
    CBrush brush(face);
    dc.FillRect(client, &brush);
    const COLORREF topLeft = pressed ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const COLORREF bottomRight = pressed ? RGB(255, 255, 255) : RGB(0, 0, 0);
    for (int i = 0; i < bevel; ++i) {
        const CRect ring(client.left + i, client.top + i, client.right - i, client.bottom - i);
        dc.Draw3dRect(ring, topLeft, bottomRight);
    }
}
