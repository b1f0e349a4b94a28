// The classes and constants a layout can name, registered before the first
// layout is read.
#include "buttons.h"
#include "comctrls.h"
#include "extctrls.h"
#include "forms.h"
#include "grids.h"
#include "layout_value.h"
#include "mask.h"
#include "stdctrls.h"

void RegisterFormsClasses()
{
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TPageControl>("TPageControl");
    RegisterComponentClass<TTabSheet>("TTabSheet");
    RegisterComponentClass<TGroupBox>("TGroupBox");
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TCheckBox>("TCheckBox");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TMaskEdit>("TMaskEdit");
    RegisterComponentClass<TComboBox>("TComboBox");
    RegisterComponentClass<TRadioGroup>("TRadioGroup");
    RegisterComponentClass<TListBox>("TListBox");
    RegisterComponentClass<TStringGrid>("TStringGrid");
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TBitBtn>("TBitBtn");
    RegisterComponentClass<TMemo>("TMemo");
    RegisterComponentClass<TRichEdit>("TRichEdit");
    RegisterComponentClass<TStatusBar>("TStatusBar");
    RegisterComponentClass<TTimer>("TTimer");

    RegisterLayoutConstants({
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
    });
}
