// The main window's tender lists and locator grid: entries picked from the
// POS database, each change marking the settings as unsaved.
#include "LocAdd.h"
#include "Main.h"
#include "TmedAdd.h"

void TMainForm::AddTender(TListBox* list, TListBox* other, const char* assignedElsewhere)
{
    if (TMedForm->ShowModal() != mrOk)
        return;
    const int number = TMedForm->FTmedObjNum;
    if (number <= 0)
        return;
    const AnsiString text = IntToStr(number);
    // A tender is posted either as a room charge or as a voucher, never both.
    if (other->Items().IndexOf(text) >= 0) {
        MessageDlg(assignedElsewhere, mtError, mbOK);
        return;
    }
    if (list->Items().IndexOf(text) >= 0)
        return;
    SetupChanged = true;
    list->Items().Add(text);
}

void TMainForm::DeleteTender(TListBox* list)
{
    const int selected = list->ItemIndex();
    if (selected < 0) {
        MessageDlg("You must select an item", mtInformation, mbOK);
        return;
    }
    SetupChanged = true;
    list->Items().Delete(selected);
}

void TMainForm::TMedAddBtnClick(TObject*)
{
    AddTender(TmedListBox, VoucherListBox, "Tender/Media already assigned to Voucher!");
}

void TMainForm::btnVoucherAddClick(TObject*)
{
    AddTender(VoucherListBox, TmedListBox, "Tender/Media already assigned to Room-Charge!");
}

void TMainForm::TMedDelBtnClick(TObject*) { DeleteTender(TmedListBox); }
void TMainForm::btnVoucherDeleteClick(TObject*) { DeleteTender(VoucherListBox); }

void TMainForm::LocAddBtnClick(TObject*)
{
    if (LocForm->ShowModal() != mrOk)
        return;
    const AnsiString minutes = LocForm->MinEdit->Text();
    SetLocatorHeader();
    TStringGrid* grid = LocStringGrid;
    auto writeRow = [&](int row) {
        grid->SetCells(0, row, LocRvcNum);
        grid->SetCells(1, row, LocRvcName);
        grid->SetCells(2, row, minutes);
    };
    if (grid->RowCount() == 2 && grid->Cells(0, 1).empty())
        writeRow(1);
    // Every row of the centre is updated; a centre found nowhere gets a new row.
    bool found = false;
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (grid->Cells(0, row) == LocRvcNum) {
            grid->SetCells(1, row, LocRvcName);
            grid->SetCells(2, row, minutes);
            found = true;
        }
    }
    if (!found) {
        grid->SetRowCount(grid->RowCount() + 1);
        writeRow(grid->RowCount() - 1);
    }
    SetupChanged = true;
}

void TMainForm::LocDelBtnClick(TObject*)
{
    TStringGrid* grid = LocStringGrid;
    const int current = grid->Row();
    if (grid->Cells(0, current).empty())
        return;
    const int last = grid->RowCount() - 1;
    for (int row = current; row <= last; ++row)
        for (int col = 0; col < 3; ++col)
            grid->SetCells(col, row, grid->Cells(col, row + 1));
    if (last > 1)
        grid->SetRowCount(last);
    SetupChanged = true;
}
