#include "stdctrls.h"

#include <algorithm>

#include "forms.h"
#include "layout_value.h"
#include "mnemonic.h"

namespace {
std::string WindowText(HWND h)
{
    int n = GetWindowTextLengthA(h);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(h, &s[0], n + 1);
    s.resize(static_cast<size_t>(std::max(n, 0)));
    return s;
}
}  // namespace

TForm* GetParentForm(TControl* control)
{
    while (control && !dynamic_cast<TForm*>(control))
        control = control->Parent();
    return static_cast<TForm*>(control);
}

bool ClickOnMnemonic(HWND button, char key)
{
    if (!IsWindowVisible(button) || !IsWindowEnabled(button) || !IsAccel(key, WindowText(button)))
        return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    return true;
}

// ---- string lists ----------------------------------------------------------

int TListItems::Count() const
{
    HWND w = Wnd();
    return w ? static_cast<int>(SendMessageA(w, m_.count, 0, 0)) : static_cast<int>(pending_.size());
}

std::string TListItems::Strings(int i) const
{
    HWND w = Wnd();
    if (!w)
        return pending_.at(static_cast<size_t>(i));
    LRESULT n = SendMessageA(w, m_.textLen, static_cast<WPARAM>(i), 0);
    if (n < 0)
        throw std::out_of_range("list index out of bounds (" + std::to_string(i) + ")");
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = SendMessageA(w, m_.text, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
    return s;
}

int TListItems::Insert(int i, const std::string& s)
{
    if (HWND w = Wnd())
        return static_cast<int>(SendMessageA(w, m_.insert, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.c_str())));
    pending_.insert(pending_.begin() + i, s);
    return i;
}

int TListItems::Add(const std::string& s)
{
    if (HWND w = Wnd())
        return static_cast<int>(SendMessageA(w, m_.add, 0, reinterpret_cast<LPARAM>(s.c_str())));
    if (!sorted_)
        return Insert(static_cast<int>(pending_.size()), s);
    // Until the window exists, sort as the list control will.
    auto at = std::upper_bound(pending_.begin(), pending_.end(), s, [](const std::string& a, const std::string& b) {
        return AnsiCompareText(a, b) < 0;
    });
    return static_cast<int>(pending_.insert(at, s) - pending_.begin());
}

void TListItems::Delete(int i)
{
    if (HWND w = Wnd())
        SendMessageA(w, m_.remove, static_cast<WPARAM>(i), 0);
    else
        pending_.erase(pending_.begin() + i);
}

void TListItems::Clear()
{
    if (HWND w = Wnd())
        SendMessageA(w, m_.reset, 0, 0);
    pending_.clear();
}

void TListItems::Save()
{
    std::vector<std::string> list;
    for (int i = 0; i < Count(); ++i)
        list.push_back(Strings(i));
    pending_ = list;
}

void TListItems::Restore()
{
    std::vector<std::string> list;
    list.swap(pending_);
    for (const std::string& s : list)
        Add(s);
}

// ---- TLabel ----------------------------------------------------------------

TLabel::TLabel(TComponent* Owner) : TGraphicControl(Owner)
{
    SetParentColor(true);
}

void TLabel::Paint(HDC dc, const RECT& client)
{
    // Its colour, then the caption in the font's colour (grey while
    // disabled), wrapped at words, with the underlined letter.
    FillRect(dc, &client, Brush());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clGrayText));
    RECT r = client;
    const UINT align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
    DrawTextA(dc, caption_.c_str(), -1, &r, align | DT_WORDBREAK | DT_EXPANDTABS);
}

void TLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    AdjustSize();
}

void TLabel::SetAlignment(TAlignment v)
{
    alignment_ = v;
    Invalidate();
}

void TLabel::SetCaption(const std::string& v)
{
    TControl::SetCaption(v);
    AdjustSize();
}

void TLabel::FontChanged()
{
    TControl::FontChanged();
    AdjustSize();
}

void TLabel::Loaded()
{
    TControl::Loaded();
    AdjustSize();
}

void TLabel::AdjustSize()
{
    if (!autoSize_ || Loading())
        return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font_.Handle());
    RECT r = {0, 0, 0, 0};
    std::string text = caption_.empty() ? std::string(" ") : caption_;
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "AutoSize")) SetAutoSize(value.AsBool());
    else if (SameText(name, "Alignment")) SetAlignment(static_cast<TAlignment>(value.AsInteger()));
    else if (SameText(name, "Transparent") || SameText(name, "FocusControl") || SameText(name, "Layout")) (void)value;
    else TControl::SetProperty(name, value);
}

// ---- TStaticText -----------------------------------------------------------

TStaticText::TStaticText(TComponent* Owner) : TControl(Owner) { SetParentColor(true); }

void TStaticText::CreateParams(TCreateParams& p)
{
    p.className = "STATIC";
    p.style |= SS_LEFT;
}

// ---- TButton ---------------------------------------------------------------

TButton::TButton(TComponent* Owner) : TWinControl(Owner) { tabStop_ = true; }

void TButton::CreateParams(TCreateParams& p)
{
    p.className = "BUTTON";
    p.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v)
{
    default_ = v;
    if (HandleAllocated() && !ownerDraw_)
        SendMessageA(Handle(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click()
{
    if (modalResult_ != 0)
        if (TForm* form = GetParentForm(this))
            form->SetModalResult(modalResult_);
    TWinControl::Click();
}

bool TButton::DialogChar(char key) { return ClickOnMnemonic(Handle(), key); }

void TButton::CommandNotify(WORD code)
{
    if (code == BN_CLICKED)
        Click();
}

void TButton::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Default")) SetDefault(value.AsBool());
    else if (SameText(name, "Cancel")) SetCancel(value.AsBool());
    else if (SameText(name, "ModalResult")) SetModalResult(value.AsInteger());
    else TWinControl::SetProperty(name, value);
}

// ---- TCheckBox -------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* Owner) : TWinControl(Owner)
{
    tabStop_ = true;
    SetParentColor(true);
}

void TCheckBox::CreateParams(TCreateParams& p)
{
    p.className = "BUTTON";
    p.style |= BS_AUTOCHECKBOX;
}

void TCheckBox::InitWnd() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0); }
void TCheckBox::SaveWndState() { checked_ = Checked(); }

bool TCheckBox::Checked() const
{
    auto* self = const_cast<TCheckBox*>(this);
    return self->HandleAllocated() ? SendMessageA(self->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

void TCheckBox::SetChecked(bool v)
{
    if (v == Checked())
        return;
    checked_ = v;
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

bool TCheckBox::DialogChar(char key) { return ClickOnMnemonic(Handle(), key); }

void TCheckBox::CommandNotify(WORD code)
{
    if (code == BN_CLICKED) {
        checked_ = Checked();
        Click();
    }
}

void TCheckBox::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Checked")) SetChecked(value.AsBool());
    else if (SameText(name, "State") || SameText(name, "Alignment")) (void)value;
    else TWinControl::SetProperty(name, value);
}

// ---- TCustomEdit -----------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* Owner) : TWinControl(Owner)
{
    tabStop_ = true;
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p)
{
    p.className = "EDIT";
    p.style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitWnd() { SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0); }

void TCustomEdit::SaveWndState() { caption_ = Caption(); }

void TCustomEdit::SetMaxLength(int v)
{
    maxLength_ = v;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TCustomEdit::SetReadOnly(bool v)
{
    readOnly_ = v;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::CommandNotify(WORD code)
{
    if (code == EN_CHANGE)
        Change();
}

void TCustomEdit::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "MaxLength")) SetMaxLength(value.AsInteger());
    else if (SameText(name, "ReadOnly")) SetReadOnly(value.AsBool());
    else if (SameText(name, "AutoSize") || SameText(name, "CharCase") || SameText(name, "BorderStyle")) (void)value;
    else TWinControl::SetProperty(name, value);
}

void TCustomEdit::SetEvent(const std::string& name, const THandlerRef& h)
{
    if (SameText(name, "OnChange") && h.notify) OnChange = h.notify;
    else TWinControl::SetEvent(name, h);
}

// ---- TEditLines ------------------------------------------------------------

std::vector<std::string> TEditLines::Split() const
{
    std::string text = owner_->Caption();
    std::vector<std::string> lines;
    std::string cur;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        lines.push_back(cur);
    return lines;
}

void TEditLines::Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    owner_->SetCaption(text);
}

int TEditLines::Count() const { return static_cast<int>(Split().size()); }
std::string TEditLines::Strings(int i) const { return Split().at(static_cast<size_t>(i)); }

int TEditLines::Insert(int i, const std::string& s)
{
    if (i == Count())
        return Add(s);
    auto lines = Split();
    lines.insert(lines.begin() + i, s);
    Join(lines);
    return i;
}

int TEditLines::Add(const std::string& s)
{
    if (!owner_->HandleAllocated()) {
        auto lines = Split();
        lines.push_back(s);
        Join(lines);
        return static_cast<int>(lines.size()) - 1;
    }
    HWND w = owner_->Handle();
    std::string text = owner_->Caption();
    bool needBreak = !text.empty() && text.back() != '\n' && text.back() != '\r';
    SendMessageA(w, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    if (BeforeAppend)
        BeforeAppend();
    std::string insert = (needBreak ? "\r\n" : "") + s + "\r\n";
    SendMessageA(w, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(insert.c_str()));
    return Count() - 1;
}

void TEditLines::Delete(int i)
{
    auto lines = Split();
    lines.erase(lines.begin() + i);
    Join(lines);
}

void TEditLines::Clear() { owner_->SetCaption(""); }
void TEditLines::SetText(const AnsiString& text) { owner_->SetCaption(text); }

// ---- TMemo -----------------------------------------------------------------

TMemo::TMemo(TComponent* Owner) : TCustomEdit(Owner), lines_(this) {}

void TMemo::CreateParams(TCreateParams& p)
{
    TCustomEdit::CreateParams(p);
    p.style &= ~ES_AUTOHSCROLL;
    p.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (!wordWrap_)
        p.style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        p.style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
        p.style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle v)
{
    scrollBars_ = v;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool v)
{
    wordWrap_ = v;
    RecreateWnd();
}

void TMemo::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Lines.Strings")) lines_.Assign(value.AsList());
    else if (SameText(name, "ScrollBars")) SetScrollBars(static_cast<TScrollStyle>(value.AsInteger()));
    else if (SameText(name, "WordWrap")) SetWordWrap(value.AsBool());
    else TCustomEdit::SetProperty(name, value);
}

// ---- TCustomComboBox -------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* Owner)
    : TWinControl(Owner),
      items_(this, {CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT, CB_GETLBTEXTLEN,
                    CB_GETLBTEXT})
{
    tabStop_ = true;
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::CreateParams(TCreateParams& p)
{
    p.className = "COMBOBOX";
    p.style |= WS_VSCROLL | CBS_AUTOHSCROLL | (style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN) |
               (sorted_ ? CBS_SORT : 0);
}

int TCustomComboBox::WindowHeight()
{
    // The window's height includes the drop-down list.
    return Height() + dropDownCount_ * (Height() > 0 ? Height() - 6 : 15) + 2;
}

void TCustomComboBox::InitWnd()
{
    items_.Restore();
    if (maxLength_)
        SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (itemIndex_ >= 0)
        SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    else if (style_ == csDropDown)
        SetWindowTextA(Handle(), caption_.c_str());
}

void TCustomComboBox::SaveWndState()
{
    itemIndex_ = ItemIndex();
    caption_ = Caption();
    items_.Save();
}

int TCustomComboBox::ItemIndex() const
{
    auto* self = const_cast<TCustomComboBox*>(this);
    return self->HandleAllocated() ? static_cast<int>(SendMessageA(self->Handle(), CB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomComboBox::SetItemIndex(int v)
{
    itemIndex_ = v;
    if (HandleAllocated())
        SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(v), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle v)
{
    style_ = v;
    RecreateWnd();
}

void TCustomComboBox::SetSorted(bool v)
{
    sorted_ = v;
    items_.SetSorted(v);
    RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int v)
{
    maxLength_ = v;
    if (HandleAllocated())
        SendMessageA(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

std::string TCustomComboBox::Caption()
{
    if (!HandleAllocated())
        return itemIndex_ >= 0 ? items_.Strings(itemIndex_) : caption_;
    return WindowText(Handle());
}

void TCustomComboBox::SetCaption(const std::string& v)
{
    caption_ = v;
    if (!HandleAllocated())
        return;
    if (style_ == csDropDownList) {
        int i = items_.IndexOf(v);
        SetItemIndex(i);
    } else {
        SetWindowTextA(Handle(), v.c_str());
    }
}

void TCustomComboBox::CommandNotify(WORD code)
{
    if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
        itemIndex_ = ItemIndex();
        Fire(OnChange, this);
        if (code == CBN_SELCHANGE)
            Click();
    }
}

void TCustomComboBox::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Style")) SetStyle(static_cast<TComboBoxStyle>(value.AsInteger()));
    else if (SameText(name, "DropDownCount")) SetDropDownCount(value.AsInteger());
    else if (SameText(name, "MaxLength")) SetMaxLength(value.AsInteger());
    else TWinControl::SetProperty(name, value);
}

void TCustomComboBox::SetEvent(const std::string& name, const THandlerRef& h)
{
    if (SameText(name, "OnChange") && h.notify) OnChange = h.notify;
    else TWinControl::SetEvent(name, h);
}

void TComboBox::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Items.Strings")) Items().Assign(value.AsList());
    else if (SameText(name, "Sorted")) SetSorted(value.AsBool());
    else if (SameText(name, "ItemIndex")) SetItemIndex(value.AsInteger());
    else if (SameText(name, "ItemHeight")) (void)value.AsInteger();  // the system's item height serves
    else TCustomComboBox::SetProperty(name, value);
}

// ---- TListBox --------------------------------------------------------------

TListBox::TListBox(TComponent* Owner)
    : TWinControl(Owner),
      items_(this, {LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT, LB_GETTEXTLEN,
                    LB_GETTEXT})
{
    tabStop_ = true;
    SetColor(clWindow);
}

void TListBox::CreateParams(TCreateParams& p)
{
    p.className = "LISTBOX";
    p.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (sorted_ ? LBS_SORT : 0);
    p.exStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::InitWnd()
{
    items_.Restore();
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TListBox::SaveWndState()
{
    itemIndex_ = ItemIndex();
    items_.Save();
}

int TListBox::ItemIndex() const
{
    auto* self = const_cast<TListBox*>(this);
    return self->HandleAllocated() ? static_cast<int>(SendMessageA(self->Handle(), LB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TListBox::SetItemIndex(int v)
{
    itemIndex_ = v;
    if (HandleAllocated())
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(v), 0);
}

void TListBox::SetSorted(bool v)
{
    sorted_ = v;
    items_.SetSorted(v);
    if (HandleAllocated())
        RecreateWnd();
}

void TListBox::CommandNotify(WORD code)
{
    if (code == LBN_SELCHANGE)
        Click();
}

void TListBox::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Items.Strings")) items_.Assign(value.AsList());
    else if (SameText(name, "Sorted")) SetSorted(value.AsBool());
    else if (SameText(name, "ItemHeight")) (void)value.AsInteger();
    else TWinControl::SetProperty(name, value);
}

// ---- TGroupBox -------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* Owner) : TWinControl(Owner) { SetParentColor(true); }

void TGroupBox::CreateParams(TCreateParams& p)
{
    p.className = RiloWindowClass();
    p.style |= WS_CLIPCHILDREN;
    p.exStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::SetCaption(const std::string& v)
{
    TWinControl::SetCaption(v);
    Invalidate();
}

void TGroupBox::AdjustClientRect(RECT& r)
{
    InflateRect(&r, -2, -2);
    r.top += font_.Height() < 0 ? -font_.Height() + 2 : 13;
}

void TGroupBox::Paint(HDC dc, const RECT& client)
{
    // An etched frame that starts half a text line down, the caption over it.
    SIZE text = {0, 0};
    std::string caption = caption_;
    GetTextExtentPoint32A(dc, caption.empty() ? "0" : caption.c_str(), caption.empty() ? 1 : static_cast<int>(caption.size()),
                          &text);
    RECT frame = client;
    frame.top += text.cy / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        SetBkColor(dc, ColorToRGB(Color()));
        SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clGrayText));
        RECT tr = {8, 0, 8 + text.cx + 2, text.cy};
        DrawTextA(dc, caption.c_str(), -1, &tr, DT_SINGLELINE);
    }
}
