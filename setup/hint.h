// The program's read-only text window: the hint pages, and the log of the
// file distribution.
#pragma once

#include "vcl.h"

class THintBox : public TForm {
public:
    explicit THintBox(TComponent* Owner);

    TPanel* PnlBottom = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TRichEdit* reMemo = nullptr;
};

extern THintBox* HintBox;
