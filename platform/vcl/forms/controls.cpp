#include "controls.h"

#include <algorithm>
#include <unordered_map>

#include "forms.h"
#include "layout_value.h"

namespace {
int g_nextId = 1000;

// The controls of the thread's windows. Every message goes through a lookup
// here; a window property would cost a round trip to the window server for
// each. Never freed: windows still go when the thread's other objects have.
thread_local std::unordered_map<HWND, TControl*>* t_controls = nullptr;

std::unordered_map<HWND, TControl*>& Controls()
{
    if (!t_controls)
        t_controls = new std::unordered_map<HWND, TControl*>;
    return *t_controls;
}
}  // namespace

COLORREF ColorToRGB(TColor color)
{
    if ((color & clSystemColor) == clSystemColor)
        return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color);
}

// ---- TFont ---------------------------------------------------------------

TFont::~TFont()
{
    if (handle_)
        DeleteObject(handle_);
}

void TFont::Assign(const TFont& other)
{
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

void TFont::SetName(const std::string& v) { name_ = v; Changed(); }
void TFont::SetHeight(int v) { height_ = v; Changed(); }
void TFont::SetColor(TColor v) { color_ = v; Changed(); }
void TFont::SetStyle(TFontStyles v) { style_ = v; Changed(); }

HFONT TFont::Handle() const
{
    if (!handle_)
        handle_ = CreateFontA(height_, 0, 0, 0, (style_ & fsBold) ? FW_BOLD : FW_NORMAL, (style_ & fsItalic) != 0,
                              (style_ & fsUnderline) != 0, (style_ & fsStrikeOut) != 0, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                              name_.c_str());
    return handle_;
}

void TFont::Changed()
{
    if (handle_) {
        DeleteObject(handle_);
        handle_ = nullptr;
    }
    if (owner_) {
        // A font set on the control itself no longer follows the parent's.
        owner_->parentFont_ = false;
        owner_->FontChanged();
    }
}

// ---- window classes --------------------------------------------------------

const char* RiloWindowClass()
{
    static const char* name = [] {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = "RiloWindow";
        RegisterClassExA(&wc);
        return "RiloWindow";
    }();
    return name;
}

HWND ParkingWindow()
{
    static HWND parking = CreateWindowExA(0, RiloWindowClass(), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          GetModuleHandleA(nullptr), nullptr);
    return parking;
}

// ---- TControl --------------------------------------------------------------

TControl::TControl(TComponent* Owner) : TComponent(Owner) { font_.owner_ = this; }

TControl::~TControl()
{
    if (!windowed_)
        Invalidate();  // its place is painted without it
    DestroyWnd();
    if (brush_)
        DeleteObject(brush_);
    font_.owner_ = nullptr;
    if (parent_)
        parent_->RemoveControl(this);
}

TControl* TControl::FromHandle(HWND hwnd)
{
    if (!hwnd || !t_controls)
        return nullptr;
    auto it = t_controls->find(hwnd);
    return it == t_controls->end() ? nullptr : it->second;
}

HWND TControl::Handle()
{
    if (!windowed_)
        return nullptr;
    if (!hwnd_ && parent_ && !parent_->HandleAllocated())
        parent_->Handle();  // creates this control's window with its shown children
    if (!hwnd_)
        CreateLateWnd();
    return hwnd_;
}

void TControl::CreateLateWnd()
{
    CreateWnd();
    // Created after its siblings: its window goes where its tab order puts it.
    if (parent_ && parent_->hwnd_)
        parent_->UpdateTabOrder();
}

void TControl::CreateWnd()
{
    if (!windowed_)
        return;
    TCreateParams p;
    CreateParams(p);
    DWORD style = p.style | TabStopStyle();
    if (visible_)
        style |= WS_VISIBLE;
    if (!enabled_)
        style |= WS_DISABLED;
    HWND parentWnd = nullptr;
    HMENU id = nullptr;
    if (style & WS_CHILD) {
        parentWnd = parent_ && parent_->hwnd_ ? parent_->hwnd_ : ParkingWindow();
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(g_nextId++));
    } else {
        parentWnd = p.owner;
    }
    hwnd_ = CreateWindowExA(p.exStyle, p.className, caption_.c_str(), style, left_, top_, width_, WindowHeight(),
                            parentWnd, id, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        throw std::runtime_error(std::string("cannot create a window of class ") + p.className);
    Controls()[hwnd_] = this;
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControl::StaticProc)));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    InitWnd();
}

void TControl::DestroyWnd()
{
    if (!hwnd_)
        return;
    HWND h = hwnd_;
    DestroyWindow(h);  // WM_NCDESTROY clears hwnd_
    hwnd_ = nullptr;
}

void TControl::RecreateWnd()
{
    if (!hwnd_)
        return;
    SaveWndState();
    recreating_ = true;
    DestroyWnd();
    CreateWnd();
    recreating_ = false;
    if (parent_)
        parent_->UpdateTabOrder();
}

LRESULT CALLBACK TControl::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    TControl* c = FromHandle(hwnd);
    if (!c)
        return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        // The window's last message: its own procedure still frees what it holds.
        Controls().erase(hwnd);
        c->hwnd_ = nullptr;
        return CallWindowProcA(c->oldProc_, hwnd, msg, wp, lp);
    }
    try {
        return c->WndProc(msg, wp, lp);
    } catch (const std::exception& e) {
        // Nothing may unwind through the platform's dispatch.
        Application->HandleException(e);
        return 0;
    }
}

LRESULT TControl::DefaultProc(UINT msg, WPARAM wp, LPARAM lp)
{
    return CallWindowProcA(oldProc_, hwnd_, msg, wp, lp);
}

LRESULT TControl::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_WINDOWPOSCHANGED: {
        // The platform may move or size a window itself (a user drag, a
        // status bar): keep the fields in step.
        RECT r;
        GetWindowRect(hwnd_, &r);
        if (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD)
            MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
        left_ = r.left;
        top_ = r.top;
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
        break;
    }
    case WM_NCPAINT:
        // A child without frame, edge or scroll bar has nothing outside its
        // client area: the platform's painting of it would only fetch a
        // device context for nothing, once for every child a form shows.
        if (!HasNonClientArea())
            return 0;
        break;
    case WM_PAINT:
        if (oldProc_ == DefWindowProcA) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            RECT r;
            GetClientRect(hwnd_, &r);
            HGDIOBJ oldFont = SelectObject(dc, font_.Handle());
            Paint(dc, r);
            SelectObject(dc, oldFont);
            PaintControls(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (oldProc_ == DefWindowProcA) {
            RECT r;
            GetClientRect(hwnd_, &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, Brush());
            return 1;
        }
        break;
    default:
        break;
    }
    return DefaultProc(msg, wp, lp);
}

bool TControl::HasNonClientArea() const
{
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
    return !(style & WS_CHILD) || (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL)) ||
           (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME));
}

HBRUSH TControl::Brush()
{
    if (!brush_)
        brush_ = CreateSolidBrush(ColorToRGB(color_));
    return brush_;
}

HBRUSH TControl::CtlColor(HDC dc)
{
    SetTextColor(dc, ColorToRGB(font_.Color()));
    SetBkColor(dc, ColorToRGB(color_));
    return Brush();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (!windowed_)
        Invalidate();
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (!parent_) {
        DestroyWnd();
        return;
    }
    parent_->InsertControl(this);
    if (parentFont_)
        ParentFontChanged(parent_->Font());
    if (parentColor_)
        ParentColorChanged(parent_->Color());
    if (hwnd_ && parent_->hwnd_)
        ::SetParent(hwnd_, parent_->hwnd_);
    else if (hwnd_)
        DestroyWnd();
    else if (parent_->hwnd_ && visible_)
        CreateWnd();
    if (parent_->hwnd_ && windowed_)
        parent_->UpdateTabOrder();
    RequestAlign();
    if (!windowed_)
        Invalidate();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    if (!windowed_)
        Invalidate();  // where it was
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (hwnd_)
        SetWindowPos(hwnd_, nullptr, left, top, width, WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    else if (!windowed_)
        Invalidate();
    RequestAlign();
}

int TControl::ClientWidth()
{
    RECT r;
    if (!windowed_)
        return width_;
    return GetClientRect(Handle(), &r) ? r.right : 0;
}

int TControl::ClientHeight()
{
    RECT r;
    if (!windowed_)
        return height_;
    return GetClientRect(Handle(), &r) ? r.bottom : 0;
}

void TControl::RequestAlign()
{
    if (align_ != alNone && parent_ && parent_->hwnd_)
        parent_->Realign();
}

void TControl::SetVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    if (hwnd_) {
        ShowWindow(hwnd_, v ? SW_SHOWNA : SW_HIDE);
        RequestAlign();
        return;
    }
    // Placed first, so that the window is made where it stays.
    RequestAlign();
    if (!windowed_)
        Invalidate();
    else if (v && parent_ && parent_->hwnd_)
        CreateLateWnd();
}

void TControl::SetEnabled(bool v)
{
    enabled_ = v;
    if (hwnd_)
        EnableWindow(hwnd_, v);
    else
        Invalidate();
}

std::string TControl::Caption()
{
    if (!hwnd_)
        return caption_;
    int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(hwnd_, &s[0], n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

void TControl::SetCaption(const std::string& v)
{
    caption_ = v;
    if (hwnd_)
        SetWindowTextA(hwnd_, v.c_str());
    else
        Invalidate();
}

void TControl::Invalidate()
{
    if (hwnd_) {
        InvalidateRect(hwnd_, nullptr, TRUE);
    } else if (!windowed_ && parent_ && parent_->hwnd_) {
        RECT r = {left_, top_, left_ + width_, top_ + height_};
        InvalidateRect(parent_->hwnd_, &r, TRUE);
    }
}

void TControl::FontChanged()
{
    if (hwnd_)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    Invalidate();
}

void TControl::ColorChanged()
{
    if (brush_) {
        DeleteObject(brush_);
        brush_ = nullptr;
    }
    Invalidate();
}

void TControl::ParentFontChanged(const TFont& font)
{
    font_.Assign(font);
    parentFont_ = true;
}

void TControl::ParentColorChanged(TColor color)
{
    color_ = color;
    ColorChanged();
}

void TControl::SetParentFont(bool v)
{
    parentFont_ = v;
    if (v && parent_)
        ParentFontChanged(parent_->Font());
}

void TControl::SetColor(TColor v)
{
    color_ = v;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v)
{
    parentColor_ = v;
    if (v && parent_)
        ParentColorChanged(parent_->Color());
}

void TControl::SetAlign(TAlign v)
{
    align_ = v;
    RequestAlign();
}

void TControl::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Left")) SetLeft(value.AsInteger());
    else if (SameText(name, "Top")) SetTop(value.AsInteger());
    else if (SameText(name, "Width")) SetWidth(value.AsInteger());
    else if (SameText(name, "Height")) SetHeight(value.AsInteger());
    else if (SameText(name, "Caption") || SameText(name, "Text")) SetCaption(value.AsString());
    else if (SameText(name, "Visible")) SetVisible(value.AsBool());
    else if (SameText(name, "Enabled")) SetEnabled(value.AsBool());
    else if (SameText(name, "Align")) SetAlign(static_cast<TAlign>(value.AsInteger()));
    else if (SameText(name, "Color")) SetColor(value.AsColor());
    else if (SameText(name, "ParentColor")) SetParentColor(value.AsBool());
    else if (SameText(name, "ParentFont")) SetParentFont(value.AsBool());
    else if (SameText(name, "Font.Name")) font_.SetName(value.AsString());
    else if (SameText(name, "Font.Height")) font_.SetHeight(value.AsInteger());
    else if (SameText(name, "Font.Color")) font_.SetColor(value.AsColor());
    else if (SameText(name, "Font.Style"))
        font_.SetStyle((value.HasMember("fsBold") ? fsBold : 0) | (value.HasMember("fsItalic") ? fsItalic : 0) |
                       (value.HasMember("fsUnderline") ? fsUnderline : 0) |
                       (value.HasMember("fsStrikeOut") ? fsStrikeOut : 0));
    else if (SameText(name, "Font.Charset") || SameText(name, "ParentShowHint") || SameText(name, "ShowHint") ||
             SameText(name, "Hint") || SameText(name, "Ctl3D") || SameText(name, "ParentCtl3D"))
        ;  // designer settings without effect here
    else TComponent::SetProperty(name, value);
}

void TControl::SetEvent(const std::string& name, const THandlerRef& handler)
{
    if (SameText(name, "OnClick") && handler.notify)
        OnClick = handler.notify;
    else
        TComponent::SetEvent(name, handler);
}

// ---- TWinControl -----------------------------------------------------------

TWinControl::TWinControl(TComponent* Owner) : TControl(Owner) {}

TWinControl::~TWinControl()
{
    for (TControl* c : controls_)
        c->parent_ = nullptr;
    controls_.clear();
}

void TWinControl::InsertControl(TControl* c) { controls_.push_back(c); }

void TWinControl::RemoveControl(TControl* c)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (hwnd_ && c->Align() != alNone)
        Realign();
}

void TWinControl::CreateWnd()
{
    TControl::CreateWnd();
    // The aligned children are placed before their windows exist and the
    // windows are made in tab order, so none has to be moved afterwards.
    // Hidden children (the pages not chosen) get their windows when they are
    // shown or when their handle is asked for.
    Realign();
    for (TControl* c : WindowOrder())
        if (!c->hwnd_ && c->visible_)
            c->CreateWnd();
}

std::vector<TControl*> TWinControl::WindowOrder() const
{
    std::vector<TControl*> list = controls_;
    // Controls that take no part in tab order (labels, pictures) come after
    // the others; controls without a tab order keep their declaration order.
    auto rank = [](TControl* c) {
        auto* w = dynamic_cast<TWinControl*>(c);
        return w ? std::make_pair(0, static_cast<unsigned>(w->tabOrder_)) : std::make_pair(1, 0u);
    };
    std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) { return rank(a) < rank(b); });
    return list;
}

void TWinControl::DestroyWnd()
{
    TControl::DestroyWnd();  // the platform destroys the children's windows with it
}

LRESULT TWinControl::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (TControl* c = FromHandle(reinterpret_cast<HWND>(lp))) {
            c->CommandNotify(HIWORD(wp));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto* nm = reinterpret_cast<NMHDR*>(lp);
        if (TControl* c = FromHandle(nm->hwndFrom))
            return c->Notify(nm);
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        HWND from = reinterpret_cast<HWND>(lp);
        TControl* c = FromHandle(from);
        if (!c)
            c = FromHandle(GetParent(from));  // the edit or list inside a combo box
        if (c && c != this)
            return reinterpret_cast<LRESULT>(c->CtlColor(reinterpret_cast<HDC>(wp)));
        break;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (dis)
            if (TControl* c = FromHandle(dis->hwndItem)) {
                c->DrawItem(dis);
                return TRUE;
            }
        break;
    }
    case WM_SIZE: {
        LRESULT r = TControl::WndProc(msg, wp, lp);
        Realign();
        return r;
    }
    default:
        break;
    }
    return TControl::WndProc(msg, wp, lp);
}

void TWinControl::PaintControls(HDC dc)
{
    for (TControl* c : controls_) {
        if (c->windowed_ || !c->visible_)
            continue;
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, c->left_, c->top_, nullptr);
        IntersectClipRect(dc, 0, 0, c->width_, c->height_);
        SelectObject(dc, c->font_.Handle());
        c->Paint(dc, RECT{0, 0, c->width_, c->height_});
        RestoreDC(dc, saved);
    }
}

void TWinControl::Realign()
{
    if (aligning_ || !hwnd_)
        return;
    aligning_ = true;
    RECT r;
    GetClientRect(hwnd_, &r);
    AdjustClientRect(r);
    // Each kind in declaration order: the first alTop control is topmost,
    // the first alBottom one lowest, and so on towards the middle.
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == kind && c->Visible())
                list.push_back(c);
        for (TControl* c : list) {
            int w = r.right - r.left, h = r.bottom - r.top;
            switch (kind) {
            case alTop: c->SetBounds(r.left, r.top, w, c->Height()); r.top += c->Height(); break;
            case alBottom: c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height()); r.bottom -= c->Height(); break;
            case alLeft: c->SetBounds(r.left, r.top, c->Width(), h); r.left += c->Width(); break;
            case alRight: c->SetBounds(r.right - c->Width(), r.top, c->Width(), h); r.right -= c->Width(); break;
            default: c->SetBounds(r.left, r.top, w, h); break;
            }
        }
    }
    aligning_ = false;
}

void TWinControl::SetTabOrder(int v)
{
    tabOrder_ = v;
    if (Parent() && Parent()->hwnd_)
        Parent()->UpdateTabOrder();
}

void TWinControl::SetTabStop(bool v)
{
    tabStop_ = v;
    if (hwnd_) {
        LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
        SetWindowLongPtrA(hwnd_, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void TWinControl::UpdateTabOrder()
{
    if (!hwnd_)
        return;
    HWND after = HWND_TOP;
    for (TControl* c : WindowOrder())
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->hwnd_) {
            SetWindowPos(w->hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = w->hwnd_;
        }
}

void TWinControl::SetFocus()
{
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    if (auto* form = dynamic_cast<TForm*>(top); form && form != this)
        form->FocusControl(Handle());  // waits for the form to be active
    else
        ::SetFocus(Handle());
}

bool TWinControl::Focused()
{
    HWND f = GetFocus();
    return hwnd_ && (f == hwnd_ || IsChild(hwnd_, f));
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    for (TControl* c : controls_)
        if (c->ParentFont())
            c->ParentFontChanged(font_);
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    for (TControl* c : controls_)
        if (c->ParentColor())
            c->ParentColorChanged(Color());
}

void TWinControl::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "TabOrder")) SetTabOrder(value.AsInteger());
    else if (SameText(name, "TabStop")) SetTabStop(value.AsBool());
    else TControl::SetProperty(name, value);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
}

bool TWinControl::DialogChar(char key)
{
    if (!hwnd_)
        return false;
    // The window order is the tab order (see UpdateTabOrder).
    for (HWND w = GetWindow(hwnd_, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (TControl* c = FromHandle(w))
            if (IsWindowVisible(w) && IsWindowEnabled(w) && c->DialogChar(key))
                return true;
    return false;
}
