// An edit with an input mask, as "99;0;_": the mask characters, then whether
// literal characters are kept in Text (1) or not (0), then the character shown
// in an empty place. Mask characters: 9 an optional digit, 0 a required digit,
// L a letter, A a letter or digit; anything else stands as a literal.
// Without a mask it is a plain edit.
#pragma once

#include "stdctrls.h"

class TMaskEdit : public TCustomEdit {
public:
    explicit TMaskEdit(TComponent* Owner);
    const std::string& EditMask() const { return mask_; }
    void SetEditMask(const std::string& v);
    // The text without the empty-place markers: an empty place reads as a
    // blank, blanks at the end are dropped.
    std::string Caption() override;
    void SetCaption(const std::string& v) override;
    // The text as shown, markers included.
    std::string EditText();
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void InitWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool IsMaskChar(size_t i) const;
    bool Accepts(size_t i, char c) const;
    void Put(size_t at, char c);
    std::string Shown(const std::string& text) const;
    std::string mask_, pattern_;
    bool saveLiterals_ = true;
    char blank_ = '_';
};
