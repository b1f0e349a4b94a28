// Standard controls: label, buttons, check box, edits, memo, combo box,
// list box, group box.
#pragma once

#include <memory>

#include "controls.h"
#include "string_list.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TComboBoxStyle { csDropDown, csDropDownList };

// The strings of a control: list items or text lines.
class TControlStrings : public TStrings {
public:
    // Returns the index the string took (sorted lists place it themselves).
    virtual int Insert(int i, const std::string& s) = 0;
    int Add(const std::string& s) override { return Insert(Count(), s); }
};

// Items of a list box or combo box: in the window, or kept until it exists.
class TListItems : public TControlStrings {
public:
    struct Messages { UINT add, insert, remove, reset, count, textLen, text; };
    TListItems(TControl* owner, const Messages& m) : owner_(owner), m_(m) {}
    int Count() const override;
    std::string Strings(int i) const override;
    int Insert(int i, const std::string& s) override;
    int Add(const std::string& s) override;
    void Delete(int i) override;
    void Clear() override;
    void SetSorted(bool v) { sorted_ = v; }
    // Takes the items out of the window before it goes, puts them into a new one.
    void Save();
    void Restore();

private:
    HWND Wnd() const { return owner_->HandleAllocated() ? owner_->Handle() : nullptr; }
    TControl* owner_;
    Messages m_;
    bool sorted_ = false;
    std::vector<std::string> pending_;
};

// A caption painted by its parent, as a static text control would show it.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* Owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    void SetAlignment(TAlignment v);
    void SetCaption(const std::string& v) override;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void Paint(HDC dc, const RECT& client) override;
    void FontChanged() override;
    void Loaded() override;

private:
    void AdjustSize();
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
};

// A caption in a window of its own (a static text control): the text of a
// message box, which programs watching the box read from outside.
class TStaticText : public TControl {
public:
    explicit TStaticText(TComponent* Owner);

protected:
    void CreateParams(TCreateParams& p) override;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* Owner);
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    // Sets the form's modal result first, then runs OnClick.
    void Click() override;
    bool DialogChar(char key) override;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void CommandNotify(WORD code) override;
    bool ownerDraw_ = false;

private:
    bool default_ = false, cancel_ = false;
    int modalResult_ = 0;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* Owner);
    bool Checked() const;
    // A change of state runs OnClick, whether by the user or by the program.
    void SetChecked(bool v);
    // Alt plus the underlined letter toggles the box.
    bool DialogChar(char key) override;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;
    void SaveWndState() override;
    void CommandNotify(WORD code) override;

private:
    bool checked_ = false;
};

// The edit control family: one-line edits and memos.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* Owner);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    void SelectAll();
    TNotifyEvent OnChange;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void SetEvent(const std::string& name, const THandlerRef& handler) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;
    void SaveWndState() override;
    void CommandNotify(WORD code) override;
    virtual void Change() { Fire(OnChange, this); }
    int maxLength_ = 0;
    bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

// Lines of an edit control's text.
class TEditLines : public TControlStrings {
public:
    explicit TEditLines(TControl* owner) : owner_(owner) {}
    int Count() const override;
    std::string Strings(int i) const override;
    int Insert(int i, const std::string& s) override;
    int Add(const std::string& s) override;
    void Delete(int i) override;
    void Clear() override;
    // The edit's whole text becomes this text, as it stands.
    void SetText(const AnsiString& text) override;
    std::function<void()> BeforeAppend;  // the rich edit's insertion-point format

private:
    std::vector<std::string> Split() const;
    void Join(const std::vector<std::string>& lines);
    TControl* owner_;
};

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* Owner);
    TControlStrings& Lines() { return lines_; }
    void SetScrollBars(TScrollStyle v);
    void SetWordWrap(bool v);
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    TEditLines lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
};

class TCustomComboBox : public TWinControl {
public:
    explicit TCustomComboBox(TComponent* Owner);
    TControlStrings& Items() { return items_; }
    int ItemIndex() const;
    void SetItemIndex(int v);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    void SetDropDownCount(int v) { dropDownCount_ = v; }
    void SetMaxLength(int v);
    void SetSorted(bool v);
    std::string Caption() override;
    void SetCaption(const std::string& v) override;
    TNotifyEvent OnChange;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void SetEvent(const std::string& name, const THandlerRef& handler) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;
    void SaveWndState() override;
    void CommandNotify(WORD code) override;
    int WindowHeight() override;

private:
    TListItems items_;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    int itemIndex_ = -1;
    bool sorted_ = false;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
    void SetProperty(const std::string& name, const TLayoutValue& value) override;
};

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* Owner);
    TControlStrings& Items() { return items_; }
    int ItemIndex() const;
    void SetItemIndex(int v);
    bool Sorted() const { return sorted_; }
    // Kept sorted as text by the list control itself.
    void SetSorted(bool v);
    void SetProperty(const std::string& name, const TLayoutValue& value) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void InitWnd() override;
    void SaveWndState() override;
    void CommandNotify(WORD code) override;

private:
    TListItems items_;
    bool sorted_ = false;
    int itemIndex_ = -1;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* Owner);
    void SetCaption(const std::string& v) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void AdjustClientRect(RECT& r) override;
    void Paint(HDC dc, const RECT& client) override;
};

// The form a control stands on, or null.
class TForm;
TForm* GetParentForm(TControl* control);

// Alt plus key for a window of the BUTTON class: when it is shown, enabled
// and its caption underlines key, it is clicked as the mouse would (it takes
// the focus and tells its parent); true when it was.
bool ClickOnMnemonic(HWND button, char key);
