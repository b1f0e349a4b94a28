// A push button with a picture beside its caption.
#pragma once

#include "stdctrls.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel };

// Kind bkOK: caption "OK", default button, modal result mrOk; bkCancel:
// caption "Cancel", cancel button, mrCancel; both draw a stock picture. A
// Glyph is a BITMAP resource of the program holding NumGlyphs pictures side
// by side: the first for the enabled button, the second for the disabled one;
// it is loaded when the button is first drawn.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* Owner);
    ~TBitBtn() override;
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind v);
    void SetGlyph(const std::string& resourceName);
    void SetNumGlyphs(int v) { numGlyphs_ = v; Invalidate(); }
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CommandNotify(WORD code) override;
    void DrawItem(DRAWITEMSTRUCT* dis) override;

private:
    void DrawStockGlyph(HDC dc, int x, int y, bool enabled);
    HBITMAP Glyph();
    TBitBtnKind kind_ = bkCustom;
    std::string glyphName_;
    HBITMAP glyph_ = nullptr;
    int numGlyphs_ = 1;
};
