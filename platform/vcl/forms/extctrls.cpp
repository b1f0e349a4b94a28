#include "extctrls.h"

#include <map>

#include "jpeg_decode.h"
#include "layout_value.h"

// ---- TPanel ----------------------------------------------------------------

TPanel::TPanel(TComponent* Owner) : TWinControl(Owner) { SetBounds(0, 0, 185, 41); }

void TPanel::CreateParams(TCreateParams& p)
{
    p.className = RiloWindowClass();
    p.style |= WS_CLIPCHILDREN;
    p.exStyle |= WS_EX_CONTROLPARENT;
}

void TPanel::SetCaption(const std::string& v)
{
    TWinControl::SetCaption(v);
    Invalidate();
}

void TPanel::AdjustClientRect(RECT& r)
{
    int inset = borderWidth_ + (bevelOuter_ != bvNone ? bevelWidth_ : 0) + (bevelInner_ != bvNone ? bevelWidth_ : 0);
    InflateRect(&r, -inset, -inset);
}

void TPanel::Paint(HDC dc, const RECT& client)
{
    RECT r = client;
    auto bevel = [&](TPanelBevel b) {
        if (b == bvNone)
            return;
        for (int i = 0; i < bevelWidth_; ++i) {
            DrawEdge(dc, &r, b == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
            InflateRect(&r, -1, -1);
        }
    };
    bevel(bevelOuter_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    bevel(bevelInner_);
    if (!caption_.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clGrayText));
        UINT align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
        DrawTextA(dc, caption_.c_str(), -1, &r, align | DT_VCENTER | DT_SINGLELINE);
    }
}

void TPanel::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "BevelInner")) SetBevelInner(static_cast<TPanelBevel>(value.AsInteger()));
    else if (SameText(name, "BevelOuter")) SetBevelOuter(static_cast<TPanelBevel>(value.AsInteger()));
    else if (SameText(name, "BevelWidth")) SetBevelWidth(value.AsInteger());
    else if (SameText(name, "BorderWidth")) SetBorderWidth(value.AsInteger());
    else if (SameText(name, "Alignment")) SetAlignment(static_cast<TAlignment>(value.AsInteger()));
    else TWinControl::SetProperty(name, value);
}

// ---- TImage ----------------------------------------------------------------

TImage::TImage(TComponent* Owner) : TControl(Owner)
{
    SetParentColor(true);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    if (bitmap_)
        DeleteObject(bitmap_);
}

void TImage::CreateParams(TCreateParams& p) { p.className = RiloWindowClass(); }

void TImage::LoadJpeg(const void* data, size_t size)
{
    int w = 0, h = 0;
    HBITMAP b = DecodeJpeg(data, size, w, h);
    if (bitmap_)
        DeleteObject(bitmap_);
    bitmap_ = b;
    pictureWidth_ = w;
    pictureHeight_ = h;
    Invalidate();
}

void TImage::LoadJpegResource(const std::string& name)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    if (!data)
        throw std::runtime_error("no picture resource " + name);
    LoadJpeg(LockResource(data), SizeofResource(module, res));
}

void TImage::Paint(HDC dc, const RECT& client)
{
    if (!bitmap_)
        return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap_);
    if (stretch_) {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, pictureWidth_, pictureHeight_, SRCCOPY);
    } else {
        int x = center_ ? (client.right - pictureWidth_) / 2 : 0;
        int y = center_ ? (client.bottom - pictureHeight_) / 2 : 0;
        BitBlt(dc, x, y, pictureWidth_, pictureHeight_, mem, 0, 0, SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

void TImage::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Picture")) LoadJpegResource(value.AsString());
    else if (SameText(name, "Center")) SetCenter(value.AsBool());
    else if (SameText(name, "Stretch")) SetStretch(value.AsBool());
    else TControl::SetProperty(name, value);
}

// ---- TRadioGroup -----------------------------------------------------------

TRadioGroup::TRadioGroup(TComponent* Owner) : TGroupBox(Owner) { tabStop_ = true; }

void TRadioGroup::SetItems(const std::vector<std::string>& items)
{
    items_ = items;
    if (itemIndex_ >= ItemCount())
        itemIndex_ = -1;
    BuildButtons();
}

void TRadioGroup::InitWnd()
{
    TGroupBox::InitWnd();
    BuildButtons();
}

void TRadioGroup::BuildButtons()
{
    for (HWND b : buttons_)
        if (IsWindow(b))
            DestroyWindow(b);
    buttons_.clear();
    if (!HandleAllocated())
        return;
    for (size_t i = 0; i < items_.size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0) |
                      (Enabled() ? 0 : WS_DISABLED);
        const RECT r = ButtonRect(i, items_.size());
        HWND b = CreateWindowExA(0, "BUTTON", items_[i].c_str(), style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)),
                                 GetModuleHandleA(nullptr), nullptr);
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
        SendMessageA(b, BM_SETCHECK, static_cast<int>(i) == itemIndex_ ? BST_CHECKED : BST_UNCHECKED, 0);
        buttons_.push_back(b);
    }
}

RECT TRadioGroup::ButtonRect(size_t i, size_t count)
{
    // The rows share the client area below the caption evenly.
    RECT r;
    GetClientRect(Handle(), &r);
    AdjustClientRect(r);
    const int h = (r.bottom - r.top) / static_cast<int>(count);
    const int top = r.top + static_cast<int>(i) * h;
    return {r.left + 6, top, r.right - 2, top + h};
}

void TRadioGroup::ArrangeButtons()
{
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const RECT r = ButtonRect(i, buttons_.size());
        SetWindowPos(buttons_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TRadioGroup::SetItemIndex(int v)
{
    if (v >= ItemCount())
        v = ItemCount() - 1;
    if (v < -1)
        v = -1;
    if (v == itemIndex_)
        return;
    itemIndex_ = v;
    for (size_t i = 0; i < buttons_.size(); ++i)
        SendMessageA(buttons_[i], BM_SETCHECK, static_cast<int>(i) == v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (v >= 0)
        Click();
}

void TRadioGroup::SetEnabled(bool v)
{
    TGroupBox::SetEnabled(v);
    for (HWND b : buttons_)
        EnableWindow(b, v);
    Invalidate();
}

bool TRadioGroup::DialogChar(char key)
{
    for (HWND b : buttons_)
        if (ClickOnMnemonic(b, key))
            return true;
    return false;
}

void TRadioGroup::FontChanged()
{
    TGroupBox::FontChanged();
    for (HWND b : buttons_)
        SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
}

LRESULT TRadioGroup::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
        for (size_t i = 0; i < buttons_.size(); ++i)
            if (buttons_[i] == reinterpret_cast<HWND>(lp)) {
                SetItemIndex(static_cast<int>(i));
                return 0;
            }
    }
    if (msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN)
        return reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wp)));
    LRESULT r = TGroupBox::WndProc(msg, wp, lp);
    if (msg == WM_SIZE)
        ArrangeButtons();
    return r;
}

void TRadioGroup::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Items.Strings")) {
        SetItems(value.AsList());
    } else if (SameText(name, "ItemIndex")) {
        SetItemIndex(value.AsInteger());
    } else if (SameText(name, "Columns")) {
        if (value.AsInteger() != 1)
            value.Fail("only one column is offered");
    } else {
        TGroupBox::SetProperty(name, value);
    }
}

// ---- TTimer ----------------------------------------------------------------

namespace {
// The running timers of the thread by their platform numbers.
thread_local std::map<UINT_PTR, TTimer*>* t_timers = nullptr;
}  // namespace

TTimer::TTimer(TComponent* Owner) : TComponent(Owner) {}

TTimer::~TTimer()
{
    enabled_ = false;
    Update();
}

void TTimer::Update()
{
    if (id_) {
        KillTimer(nullptr, id_);
        t_timers->erase(id_);
        id_ = 0;
    }
    if (!enabled_ || interval_ == 0)
        return;
    id_ = SetTimer(nullptr, 0, interval_, &TTimer::Proc);
    if (!id_)
        return;  // the thread has no timer left for it
    if (!t_timers)
        t_timers = new std::map<UINT_PTR, TTimer*>;
    (*t_timers)[id_] = this;
}

void CALLBACK TTimer::Proc(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!t_timers)
        return;
    auto it = t_timers->find(id);
    if (it != t_timers->end())
        Fire(it->second->OnTimer, it->second);
}

void TTimer::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Enabled")) SetEnabled(value.AsBool());
    else if (SameText(name, "Interval")) SetInterval(static_cast<unsigned>(value.AsInteger()));
    else TComponent::SetProperty(name, value);
}

void TTimer::SetEvent(const std::string& name, const THandlerRef& h)
{
    if (SameText(name, "OnTimer") && h.notify) {
        OnTimer = h.notify;
        Update();
    } else {
        TComponent::SetEvent(name, h);
    }
}
