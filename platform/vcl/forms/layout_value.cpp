#include "layout_value.h"

#include <windows.h>

#include "classes.h"
#include "controls.h"
#include "forms.h"
#include "stdctrls.h"
#include "extctrls.h"
#include "buttons.h"
#include "grids.h"

void TLayoutValue::Fail(const std::string& what) const
{
    throw ELayoutError("layout line " + std::to_string(line) + ": " + what);
}

const std::string& TLayoutValue::AsString() const
{
    if (kind != String)
        Fail("text expected");
    return text;
}

int TLayoutValue::AsInteger() const
{
    if (kind == Integer)
        return static_cast<int>(number);
    int v = 0;
    if (kind == Ident && LookupLayoutConstant(text, v))
        return v;
    Fail("integer expected");
}

bool TLayoutValue::AsBool() const
{
    if (kind == Ident && SameText(text, "True"))
        return true;
    if (kind == Ident && SameText(text, "False"))
        return false;
    Fail("True or False expected");
}

int TLayoutValue::AsColor() const { return AsInteger(); }

bool TLayoutValue::HasMember(const char* name) const
{
    if (kind != Set)
        Fail("set expected");
    for (const std::string& m : items)
        if (SameText(m, name))
            return true;
    return false;
}

bool LookupLayoutConstant(const std::string& name, int& value)
{
    static const struct { const char* name; int value; } constants[] = {
        {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
        {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
        {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
        {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
        {"clBtnFace", clBtnFace}, {"clWindow", clWindow}, {"clWindowText", clWindowText},
        {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnText", clBtnText},
        {"clGrayText", clGrayText},
        {"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}, {"alLeft", alLeft},
        {"alRight", alRight}, {"alClient", alClient},
        {"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel}, {"mrAbort", mrAbort},
        {"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog},
        {"poDesigned", poDesigned}, {"poScreenCenter", poScreenCenter},
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised},
        {"csDropDown", csDropDown}, {"csDropDownList", csDropDownList},
        {"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth},
        {"bkCustom", bkCustom}, {"bkOK", bkOK}, {"bkCancel", bkCancel},
        {"taLeftJustify", taLeftJustify}, {"taCenter", taCenter}, {"taRightJustify", taRightJustify},
    };
    for (const auto& c : constants)
        if (SameText(name, c.name)) {
            value = c.value;
            return true;
        }
    return false;
}
