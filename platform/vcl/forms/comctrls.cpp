#include "comctrls.h"

#include <algorithm>

#include "layout_value.h"
#include "mnemonic.h"

namespace {
void InitCommonControlsOnce()
{
    static bool done = [] {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        return true;
    }();
    (void)done;
}
}  // namespace

// ---- TTabSheet -------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* Owner) : TWinControl(Owner)
{
    visible_ = false;
    SetAlign(alClient);
}

void TTabSheet::CreateParams(TCreateParams& p)
{
    p.className = RiloWindowClass();
    p.style |= WS_CLIPCHILDREN;
    p.exStyle |= WS_EX_CONTROLPARENT;
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetParent(TWinControl* parent)
{
    if (TPageControl* old = PageControl())
        old->RemovePage(this);
    TWinControl::SetParent(parent);
    if (TPageControl* pc = PageControl())
        pc->AddPage(this);
}

void TTabSheet::SetCaption(const std::string& v)
{
    TWinControl::SetCaption(v);
    if (TPageControl* pc = PageControl())
        pc->UpdateTabs();
}

// ---- TPageControl ----------------------------------------------------------

TPageControl::TPageControl(TComponent* Owner) : TWinControl(Owner)
{
    InitCommonControlsOnce();
    tabStop_ = true;
    SetBounds(0, 0, 289, 193);
}

void TPageControl::CreateParams(TCreateParams& p)
{
    p.className = WC_TABCONTROLA;
    p.style |= WS_CLIPCHILDREN;
    p.exStyle |= WS_EX_CONTROLPARENT;
}

void TPageControl::InitWnd() { UpdateTabs(); }

void TPageControl::AddPage(TTabSheet* page)
{
    pages_.push_back(page);
    if (!active_ && !Loading())
        SetActivePage(page);
    UpdateTabs();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    if (active_ == page)
        active_ = nullptr;
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    if (!HandleAllocated())
        return;
    HWND h = Handle();
    SendMessageA(h, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < pages_.size(); ++i) {
        std::string caption = pages_[i]->Caption();
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &caption[0];
        SendMessageA(h, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    auto it = std::find(pages_.begin(), pages_.end(), active_);
    if (it != pages_.end())
        SendMessageA(h, TCM_SETCURSEL, static_cast<WPARAM>(it - pages_.begin()), 0);
    Realign();
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page == active_)
        return;
    TTabSheet* old = active_;
    active_ = page;
    if (page)
        page->SetVisible(true);
    if (old)
        old->SetVisible(false);
    if (HandleAllocated()) {
        auto it = std::find(pages_.begin(), pages_.end(), page);
        SendMessageA(Handle(), TCM_SETCURSEL, it == pages_.end() ? static_cast<WPARAM>(-1) : it - pages_.begin(), 0);
    }
}

void TPageControl::AdjustClientRect(RECT& r)
{
    if (HandleAllocated())
        SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
}

void TPageControl::ChoosePage(TTabSheet* page)
{
    SetActivePage(page);
    Fire(OnChange, this);
}

LRESULT TPageControl::Notify(NMHDR* nm)
{
    if (nm->code == TCN_SELCHANGE) {
        int i = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
        ChoosePage(i >= 0 && i < PageCount() ? Pages(i) : nullptr);
    }
    return 0;
}

bool TPageControl::DialogChar(char key)
{
    for (TTabSheet* page : pages_)
        if (IsAccel(key, page->Caption())) {
            if (page != active_)
                ChoosePage(page);
            return true;
        }
    return TWinControl::DialogChar(key);
}

LRESULT TPageControl::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    // The tab control paints its own background; let it, not our brush.
    if (msg == WM_ERASEBKGND)
        return DefaultProc(msg, wp, lp);
    return TWinControl::WndProc(msg, wp, lp);
}

void TPageControl::Loaded()
{
    TWinControl::Loaded();
    TTabSheet* page = nullptr;
    for (TTabSheet* p : pages_)
        if (SameText(p->Name(), activePageName_))
            page = p;
    if (!page && !pages_.empty())
        page = pages_.front();
    SetActivePage(page);
}

void TPageControl::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "ActivePage")) {
        if (value.kind != TLayoutValue::Ident)
            value.Fail("page name expected");
        activePageName_ = value.text;
    } else if (SameText(name, "TabIndex")) {
        (void)value.AsInteger();
    } else {
        TWinControl::SetProperty(name, value);
    }
}

void TPageControl::SetEvent(const std::string& name, const THandlerRef& h)
{
    if (SameText(name, "OnChange") && h.notify) OnChange = h.notify;
    else TWinControl::SetEvent(name, h);
}

// ---- TStatusBar ------------------------------------------------------------

void TStatusPanel::SetText(const std::string& v)
{
    text_ = v;
    if (bar_)
        bar_->UpdatePanelText(*this);
}

void TStatusPanel::SetWidth(int v)
{
    width_ = v;
    if (bar_)
        bar_->UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* Owner) : TWinControl(Owner)
{
    InitCommonControlsOnce();
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& p)
{
    p.className = STATUSCLASSNAMEA;
    p.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
}

void TStatusBar::InitWnd() { UpdatePanels(); }

TStatusPanel& TStatusBar::AddPanel()
{
    panels_.push_back(std::make_unique<TStatusPanel>());
    panels_.back()->bar_ = this;
    UpdatePanels();
    return *panels_.back();
}

void TStatusBar::UpdatePanels()
{
    if (!HandleAllocated())
        return;
    HWND h = Handle();
    std::vector<int> edges;
    int edge = 0;
    for (auto& p : panels_)
        edges.push_back(edge += p->width_);
    if (!edges.empty())
        edges.back() = -1;  // the last panel takes the rest
    SendMessageA(h, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (auto& p : panels_)
        UpdatePanelText(*p);
}

void TStatusBar::UpdatePanelText(const TStatusPanel& panel)
{
    // The bar paints a changed text at once: only that panel's.
    if (!HandleAllocated())
        return;
    auto at = std::find_if(panels_.begin(), panels_.end(), [&](const auto& p) { return p.get() == &panel; });
    SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(at - panels_.begin()),
                 reinterpret_cast<LPARAM>(panel.text_.c_str()));
}

void TStatusBar::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (!SameText(name, "Panels")) {
        if (SameText(name, "SimplePanel") || SameText(name, "SizeGrip"))
            return;
        TWinControl::SetProperty(name, value);
        return;
    }
    if (value.kind != TLayoutValue::Collection)
        value.Fail("panel items expected");
    panels_.clear();
    for (const auto& item : value.collection) {
        TStatusPanel& p = AddPanel();
        for (const auto& [key, v] : item) {
            if (SameText(key, "Width")) p.SetWidth(v.AsInteger());
            else if (SameText(key, "Text")) p.SetText(v.AsString());
            else v.Fail("unknown panel property " + key);
        }
    }
}

// ---- TRichEdit -------------------------------------------------------------

namespace {
int Twips(int fontHeight)
{
    HDC dc = GetDC(nullptr);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return MulDiv(fontHeight < 0 ? -fontHeight : fontHeight, 72 * 20, dpi);
}
}  // namespace

TColor TTextAttributes::Color() const
{
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(owner_->Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return static_cast<TColor>(cf.crTextColor);
}

void TTextAttributes::SetColor(TColor v)
{
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = ColorToRGB(v);
    owner_->ApplyCharFormat(SCF_SELECTION, cf);
}

TFontStyles TTextAttributes::Style() const
{
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(owner_->Handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return ((cf.dwEffects & CFE_BOLD) ? fsBold : 0) | ((cf.dwEffects & CFE_ITALIC) ? fsItalic : 0) |
           ((cf.dwEffects & CFE_UNDERLINE) ? fsUnderline : 0);
}

void TTextAttributes::SetStyle(TFontStyles v)
{
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    cf.dwEffects = ((v & fsBold) ? CFE_BOLD : 0) | ((v & fsItalic) ? CFE_ITALIC : 0) |
                   ((v & fsUnderline) ? CFE_UNDERLINE : 0);
    owner_->ApplyCharFormat(SCF_SELECTION, cf);
}

TRichEdit::TRichEdit(TComponent* Owner) : TCustomEdit(Owner), lines_(this), selAttributes_(this)
{
    // Text added at the end takes the format set at the insertion point,
    // even though adding moves the selection there.
    lines_.BeforeAppend = [this] {
        if (insertionFormat_)
            SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&insertion_));
    };
}

void TRichEdit::CreateParams(TCreateParams& p)
{
    // The rich-edit library (and the OLE libraries under it) is loaded with
    // the first rich edit's window, not at the program's start.
    static const HMODULE library = LoadLibraryA("riched20.dll");
    (void)library;
    TCustomEdit::CreateParams(p);
    p.className = "RichEdit20A";
    p.style &= ~ES_AUTOHSCROLL;
    p.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        p.style |= WS_VSCROLL;
}

void TRichEdit::InitWnd()
{
    TCustomEdit::InitWnd();
    HWND h = Handle();
    SendMessageA(h, EM_SETTARGETDEVICE, 0, 0);  // wrap at the window's width
    SendMessageA(h, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    SendMessageA(h, EM_SETREADONLY, readOnly_, 0);
    FontChanged();
}

void TRichEdit::SaveWndState()
{
    TCustomEdit::SaveWndState();
}

void TRichEdit::ApplyCharFormat(DWORD scope, const CHARFORMAT2A& cf)
{
    HWND h = Handle();
    SendMessageA(h, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
    if (scope != SCF_SELECTION)
        return;
    DWORD start = 0, end = 0;
    SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != end)
        return;
    // An empty selection: remember the format for text added there.
    if (!insertionFormat_) {
        insertion_ = {};
        insertion_.cbSize = sizeof insertion_;
    }
    insertionFormat_ = true;
    insertion_.dwMask |= cf.dwMask;
    if (cf.dwMask & CFM_COLOR)
        insertion_.crTextColor = cf.crTextColor;
    DWORD effects = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    if (cf.dwMask & effects)
        insertion_.dwEffects = (insertion_.dwEffects & ~(cf.dwMask & effects)) | (cf.dwEffects & cf.dwMask & effects);
}

void TRichEdit::FontChanged()
{
    insertionFormat_ = false;
    if (!HandleAllocated())
        return;
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_CHARSET;
    lstrcpynA(cf.szFaceName, font_.Name().c_str(), LF_FACESIZE);
    cf.yHeight = Twips(font_.Height());
    cf.crTextColor = ColorToRGB(font_.Color());
    cf.bCharSet = DEFAULT_CHARSET;
    TFontStyles s = font_.Style();
    cf.dwEffects = ((s & fsBold) ? CFE_BOLD : 0) | ((s & fsItalic) ? CFE_ITALIC : 0) | ((s & fsUnderline) ? CFE_UNDERLINE : 0);
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(Handle(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

void TRichEdit::ColorChanged()
{
    TCustomEdit::ColorChanged();
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TRichEdit::SetCaption(const std::string& v)
{
    insertionFormat_ = false;
    TCustomEdit::SetCaption(v);
}

void TRichEdit::SetScrollBars(TScrollStyle v)
{
    scrollBars_ = v;
    RecreateWnd();
}

void TRichEdit::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Lines.Strings")) lines_.Assign(value.kind == TLayoutValue::List ? value.items : std::vector<std::string>{});
    else if (SameText(name, "ScrollBars")) SetScrollBars(static_cast<TScrollStyle>(value.AsInteger()));
    else if (SameText(name, "WordWrap")) {
        if (!value.AsBool())
            value.Fail("a rich edit here always wraps its lines");
    } else TCustomEdit::SetProperty(name, value);
}
