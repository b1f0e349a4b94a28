#include "hint.h"

THintBox* HintBox = nullptr;

THintBox::THintBox(TComponent* Owner) : TForm(Owner)
{
    Field("PnlBottom", PnlBottom);
    Field("BitBtn1", BitBtn1);
    Field("reMemo", reMemo);
    ReadLayout("THintBox");
}
