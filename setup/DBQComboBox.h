// A drop-down combo box that owns a query and shows one column of its result,
// item i for row i. The statement runs at the first fill only; later fills
// walk the same result again from its first row.
#pragma once

#include "vcl.h"

class TDBQComboBox : public TCustomComboBox {
public:
    explicit TDBQComboBox(TComponent* Owner);
    ~TDBQComboBox() override;

    // Makes the class known to the layout reader.
    static void Register();

    AnsiString DataBaseName;
    AnsiString DiplayedField;
    // The query's own line list.
    TStringList& SQL() { return FQuery->SQL; }
    void SetSQL(const std::vector<AnsiString>& lines) { FQuery->SQL.Assign(lines); }

    // Fills the items from the query's result; database errors propagate.
    void LoadItems();
    // The field of the record that the selected item shows (the first record
    // when nothing is selected).
    TField& SelectedField(const AnsiString& name);

    void Loaded() override;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

private:
    TQuery* FQuery;
};
