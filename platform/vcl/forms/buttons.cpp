#include "buttons.h"

#include "forms.h"
#include "layout_value.h"
#include "system_library.h"

namespace {
constexpr int kGlyphSize = 16;
}

TBitBtn::TBitBtn(TComponent* Owner) : TButton(Owner) { ownerDraw_ = true; }

TBitBtn::~TBitBtn()
{
    if (glyph_)
        DeleteObject(glyph_);
}

void TBitBtn::CreateParams(TCreateParams& p)
{
    p.className = "BUTTON";
    p.style |= BS_OWNERDRAW;
}

void TBitBtn::SetKind(TBitBtnKind v)
{
    kind_ = v;
    if (v == bkOK) {
        SetCaption("OK");
        SetDefault(true);
        SetModalResult(mrOk);
    } else if (v == bkCancel) {
        SetCaption("Cancel");
        SetCancel(true);
        SetModalResult(mrCancel);
    }
    Invalidate();
}

void TBitBtn::SetGlyph(const std::string& resourceName)
{
    // A name without a picture is the layout's mistake, reported now; the
    // picture itself waits for the first drawing (most buttons of a start
    // are on pages not shown, or never drawn at all).
    if (!FindResourceA(GetModuleHandleA(nullptr), resourceName.c_str(), MAKEINTRESOURCEA(2)))  // RT_BITMAP
        throw std::runtime_error("no glyph resource " + resourceName);
    if (glyph_)
        DeleteObject(glyph_);
    glyph_ = nullptr;
    glyphName_ = resourceName;
    Invalidate();
}

HBITMAP TBitBtn::Glyph()
{
    if (!glyph_ && !glyphName_.empty())
        glyph_ = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), glyphName_.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return glyph_;
}

void TBitBtn::CommandNotify(WORD code)
{
    // An owner-drawn button reports a quick second click as a double click.
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED)
        Click();
}

void TBitBtn::DrawStockGlyph(HDC dc, int x, int y, bool enabled)
{
    COLORREF colour = !enabled ? ColorToRGB(clGrayText) : kind_ == bkOK ? RGB(0, 128, 0) : RGB(192, 0, 0);
    HPEN pen = CreatePen(PS_SOLID, 3, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    if (kind_ == bkOK) {
        POINT tick[] = {{x + 2, y + 8}, {x + 6, y + 12}, {x + 14, y + 3}};
        Polyline(dc, tick, 3);
    } else {
        MoveToEx(dc, x + 3, y + 3, nullptr);
        LineTo(dc, x + 13, y + 13);
        MoveToEx(dc, x + 13, y + 3, nullptr);
        LineTo(dc, x + 3, y + 13);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void TBitBtn::DrawItem(DRAWITEMSTRUCT* dis)
{
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    bool pushed = (dis->itemState & ODS_SELECTED) != 0;
    bool enabled = (dis->itemState & ODS_DISABLED) == 0;
    if (Default()) {  // the default button wears a dark frame
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    HGDIOBJ oldFont = SelectObject(dc, font_.Handle());
    std::string caption = Caption();
    RECT textRect = {0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &textRect, DT_CALCRECT | DT_SINGLELINE);
    BITMAP bm = {};
    HBITMAP glyph = Glyph();
    bool hasGlyph = glyph || kind_ != bkCustom;
    int glyphW = kGlyphSize, glyphH = kGlyphSize;
    if (glyph) {
        GetObject(glyph, sizeof bm, &bm);
        glyphW = bm.bmWidth / std::max(numGlyphs_, 1);
        glyphH = bm.bmHeight;
    }
    int gap = hasGlyph && !caption.empty() ? 4 : 0;
    int total = (hasGlyph ? glyphW : 0) + gap + textRect.right;
    int x = (r.left + r.right - total) / 2 + (pushed ? 1 : 0);
    int cy = (r.top + r.bottom) / 2 + (pushed ? 1 : 0);
    if (glyph) {
        int index = !enabled && numGlyphs_ >= 2 ? 1 : 0;
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, glyph);
        // The bottom-left pixel's colour shows the button face through.
        static const auto transparentBlt = SystemProc<decltype(&TransparentBlt)>("msimg32.dll", "TransparentBlt");
        transparentBlt(dc, x, cy - glyphH / 2, glyphW, glyphH, mem, index * glyphW, 0, glyphW, glyphH,
                       GetPixel(mem, index * glyphW, glyphH - 1));
        SelectObject(mem, old);
        DeleteDC(mem);
    } else if (hasGlyph) {
        DrawStockGlyph(dc, x, cy - kGlyphSize / 2, enabled);
    }
    if (hasGlyph)
        x += glyphW + gap;
    SetBkMode(dc, TRANSPARENT);
    RECT tr = {x, cy - textRect.bottom / 2, x + textRect.right, cy - textRect.bottom / 2 + textRect.bottom};
    if (enabled) {
        SetTextColor(dc, ColorToRGB(font_.Color()));
        DrawTextA(dc, caption.c_str(), -1, &tr, DT_SINGLELINE);
    } else {
        OffsetRect(&tr, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, caption.c_str(), -1, &tr, DT_SINGLELINE);
        OffsetRect(&tr, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        DrawTextA(dc, caption.c_str(), -1, &tr, DT_SINGLELINE);
    }
    if ((dis->itemState & ODS_FOCUS) && !(dis->itemState & ODS_NOFOCUSRECT)) {
        RECT f = r;
        InflateRect(&f, -4, -4);
        DrawFocusRect(dc, &f);
    }
    SelectObject(dc, oldFont);
}

void TBitBtn::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Kind")) SetKind(static_cast<TBitBtnKind>(value.AsInteger()));
    else if (SameText(name, "Glyph")) SetGlyph(value.AsString());
    else if (SameText(name, "NumGlyphs")) SetNumGlyphs(value.AsInteger());
    else if (SameText(name, "Layout") || SameText(name, "Spacing") || SameText(name, "Margin")) (void)value;
    else TButton::SetProperty(name, value);
}
