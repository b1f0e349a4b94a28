#include "DBQComboBox.h"

TDBQComboBox::TDBQComboBox(TComponent* Owner) : TCustomComboBox(Owner)
{
    FQuery = new TQuery(this);
}

TDBQComboBox::~TDBQComboBox()
{
    FQuery->Close();
    delete FQuery;
}

void TDBQComboBox::Register()
{
    static const bool registered = (RegisterComponentClass<TDBQComboBox>("TDBQComboBox"), true);
    (void)registered;
}

void TDBQComboBox::Loaded()
{
    TCustomComboBox::Loaded();
    FQuery->DatabaseName = DataBaseName;
}

void TDBQComboBox::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "DataBaseName")) DataBaseName = value.AsString();
    else if (SameText(name, "DiplayedField")) DiplayedField = value.AsString();
    else if (SameText(name, "SQL.Strings")) SetSQL(value.AsList());
    else TCustomComboBox::SetProperty(name, value);
}

void TDBQComboBox::LoadItems()
{
    if (!FQuery->Prepared())
        FQuery->Prepare();
    FQuery->Open();
    FQuery->First();
    Items().Clear();
    while (!FQuery->Eof()) {
        Items().Add(FQuery->FieldByName(DiplayedField).AsString());
        FQuery->Next();
    }
}

TField& TDBQComboBox::SelectedField(const AnsiString& name)
{
    FQuery->First();
    for (int i = 0; i < ItemIndex(); ++i)
        FQuery->Next();
    return FQuery->FieldByName(name);
}
