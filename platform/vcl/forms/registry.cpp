// The classes a layout can name, present from the start.
#include "buttons.h"
#include "comctrls.h"
#include "extctrls.h"
#include "forms.h"
#include "grids.h"
#include "mask.h"
#include "stdctrls.h"

template <class C>
static void Add(const char* name)
{
    RegisterComponentClass(name, [](TComponent* owner) -> TComponent* { return new C(owner); });
}

void RegisterBuiltinComponentClasses()
{
    Add<TPanel>("TPanel");
    Add<TImage>("TImage");
    Add<TPageControl>("TPageControl");
    Add<TTabSheet>("TTabSheet");
    Add<TGroupBox>("TGroupBox");
    Add<TLabel>("TLabel");
    Add<TCheckBox>("TCheckBox");
    Add<TEdit>("TEdit");
    Add<TMaskEdit>("TMaskEdit");
    Add<TComboBox>("TComboBox");
    Add<TRadioGroup>("TRadioGroup");
    Add<TListBox>("TListBox");
    Add<TStringGrid>("TStringGrid");
    Add<TButton>("TButton");
    Add<TBitBtn>("TBitBtn");
    Add<TMemo>("TMemo");
    Add<TRichEdit>("TRichEdit");
    Add<TStatusBar>("TStatusBar");
    Add<TTimer>("TTimer");
}
