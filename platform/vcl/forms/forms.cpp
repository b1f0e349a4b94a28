#include "forms.h"

#include <algorithm>
#include <cctype>

#include "layout_value.h"
#include "stdctrls.h"

namespace {
TApplication g_application;
TScreen g_screen;
}  // namespace

TApplication* Application = &g_application;
TScreen* Screen = &g_screen;

// ---- TForm -----------------------------------------------------------------

TForm::TForm(TComponent* Owner) : TWinControl(Owner)
{
    visible_ = false;
    SetParentFont(false);
}

TForm::~TForm()
{
    if (Application && Application->mainForm_ == this)
        Application->mainForm_ = nullptr;
    if (Screen->activeForm_ == this)
        Screen->activeForm_ = nullptr;
    if (HandleAllocated())
        ShowWindow(Handle(), SW_HIDE);
}

std::string TForm::Key(const std::string& name)
{
    std::string k = name;
    for (char& c : k)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k;
}

TForm* TForm::FormOf(HWND hwnd)
{
    return hwnd ? dynamic_cast<TForm*>(FromHandle(GetAncestor(hwnd, GA_ROOT))) : nullptr;
}

namespace {
// The frame of a border style.
void FrameStyles(TFormBorderStyle border, DWORD& style, DWORD& exStyle)
{
    exStyle = WS_EX_CONTROLPARENT;
    switch (border) {
    case bsNone: style = WS_POPUP; break;
    case bsSingle: style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; break;
    case bsDialog:
        style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    default: style = WS_OVERLAPPEDWINDOW; break;
    }
    style |= WS_CLIPCHILDREN;
}
}  // namespace

void TForm::Loaded()
{
    TWinControl::Loaded();
    // The outer size is known once the layout gave the frame and the client
    // size, before any window exists.
    ApplyFrameClientSize();
}

void TForm::ApplyFrameClientSize()
{
    DWORD style = 0, exStyle = 0;
    FrameStyles(borderStyle_, style, exStyle);
    ApplyClientSize(style, exStyle);
}

void TForm::ApplyClientSize(DWORD style, DWORD exStyle)
{
    if (clientWidth_ < 0 && clientHeight_ < 0)
        return;
    RECT r = {0, 0, std::max(clientWidth_, 0), std::max(clientHeight_, 0)};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    if (clientWidth_ >= 0)
        TControl::SetBounds(Left(), Top(), r.right - r.left, Height());
    if (clientHeight_ >= 0)
        TControl::SetBounds(Left(), Top(), Width(), r.bottom - r.top);
    clientWidth_ = clientHeight_ = -1;
}

void TForm::CreateParams(TCreateParams& p)
{
    p.className = RiloWindowClass();
    DWORD style = 0, exStyle = 0;
    FrameStyles(borderStyle_, style, exStyle);
    p.style = style;
    p.exStyle = exStyle;
    p.owner = ownerWindow_;
    // Without a task-bar button of its own, in front of the main window.
    if (!p.owner && Application && Owner() == Application && Application->MainForm() &&
        Application->MainForm() != this)
        p.owner = Application->MainForm()->Handle();
    // A client size given outside a layout, before the window existed.
    ApplyClientSize(p.style, p.exStyle);
}

void TForm::SetBorderStyle(TFormBorderStyle v)
{
    borderStyle_ = v;
    RecreateWnd();
}

void TForm::SetClientWidth(int v)
{
    clientWidth_ = v;
    if (HandleAllocated()) {
        RECT r = {0, 0, v, 0};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
        SetWidth(r.right - r.left);
    }
}

void TForm::SetClientHeight(int v)
{
    clientHeight_ = v;
    if (HandleAllocated()) {
        RECT r = {0, 0, 0, v};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
        SetHeight(r.bottom - r.top);
    }
}

void TForm::SetVisible(bool v)
{
    // Centred before the window is made, it is made where it shows.
    if (!HandleAllocated())
        ApplyFrameClientSize();
    if (v && position_ == poScreenCenter)
        SetBounds((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2,
                  Width(), Height());
    HWND h = Handle();
    visible_ = v;
    // A hidden form is no longer the active one: showing it again activates it.
    if (!v && Screen->activeForm_ == this)
        Screen->activeForm_ = nullptr;
    if (!v) {
        ShowWindow(h, SW_HIDE);
        return;
    }
    if (!IsWindowVisible(h)) {
        // What ShowWindow does, except that the form and its controls are
        // erased when they are painted, not one by one before this returns:
        // a form that ends the program from OnShow never paints at all.
        SendMessageA(h, WM_SHOWWINDOW, TRUE, 0);
        if (!IsWindow(h))
            return;
        SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_DEFERERASE);
    }
    SetForegroundWindow(h);
}

namespace {
struct DisabledWindows {
    HWND self;
    std::vector<HWND> list;
};

BOOL CALLBACK DisableWindow(HWND w, LPARAM lp)
{
    auto* d = reinterpret_cast<DisabledWindows*>(lp);
    if (w != d->self && IsWindowVisible(w) && IsWindowEnabled(w)) {
        EnableWindow(w, FALSE);
        d->list.push_back(w);
    }
    return TRUE;
}
}  // namespace

TModalResult TForm::ShowModal()
{
    if (modal_ || Visible())
        throw std::runtime_error("Cannot make a visible window modal");
    HWND self = Handle();
    HWND previous = GetActiveWindow();
    // The other windows of the program take no input while the form is up.
    DisabledWindows disabled{self, {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&disabled));

    modal_ = true;
    modalResult_ = mrNone;
    auto restore = [&] {
        for (HWND w : disabled.list)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
        if (previous && IsWindow(previous))
            SetActiveWindow(previous);
        Hide();
        modal_ = false;
    };
    try {
        Show();
        for (;;) {
            if (Application->Terminated() && modalResult_ == mrNone)
                modalResult_ = mrCancel;
            if (modalResult_ != mrNone) {
                TCloseAction action = caHide;
                DoClose(action);
                if (action != caNone)
                    break;
                modalResult_ = mrNone;
            }
            Application->HandleMessage();
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return modalResult_;
}

void TForm::DoClose(TCloseAction& action)
{
    if (!OnClose)
        return;
    try {
        OnClose(this, action);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    }
}

void TForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;  // the modal loop closes it
        return;
    }
    bool isMain = Application->MainForm() == this;
    TCloseAction action = isMain ? caFree : caHide;
    DoClose(action);
    if (action == caNone)
        return;
    Hide();
    if (isMain)
        Application->Terminate();
}

bool TForm::Active()
{
    return HandleAllocated() && IsWindowVisible(Handle()) && GetActiveWindow() == Handle();
}

void TForm::FocusControl(HWND control)
{
    if (!control)
        return;
    lastFocus_ = control;
    if (Active())
        ::SetFocus(control);
}

void TForm::SelectFirst()
{
    // Without a window nothing can be looked up yet: the activation gives the
    // focus to the first control in tab order (see WM_ACTIVATE).
    if (!HandleAllocated()) {
        lastFocus_ = nullptr;
        return;
    }
    FocusControl(GetNextDlgTabItem(Handle(), nullptr, FALSE));
}

namespace {
TButton* FindButton(TWinControl* parent, bool wantDefault)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (auto* b = dynamic_cast<TButton*>(c))
            if ((wantDefault ? b->Default() : b->Cancel()) && b->Visible() && b->Enabled())
                return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (w->Visible())
                if (TButton* b = FindButton(w, wantDefault))
                    return b;
    }
    return nullptr;
}
}  // namespace

TButton* TForm::DefaultButton() const { return FindButton(const_cast<TForm*>(this), true); }
TButton* TForm::CancelButton() const { return FindButton(const_cast<TForm*>(this), false); }

bool TForm::DialogKey(MSG& msg)
{
    if (!HandleAllocated())
        return false;
    // The character that Alt plus a letter key gives.
    if (msg.message == WM_SYSCHAR)
        return DialogChar(static_cast<char>(msg.wParam));
    if (msg.message != WM_KEYDOWN)
        return false;
    if (msg.wParam == VK_TAB)
        return IsDialogMessageA(Handle(), &msg) != FALSE;
    if (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)
        return false;
    LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    for (HWND w = msg.hwnd; w && w != Handle(); w = GetParent(w)) {
        char cls[16] = "";
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpiA(cls, "ComboBox") == 0 && SendMessageA(w, CB_GETDROPPEDSTATE, 0, 0))
            return false;  // the key closes the drop-down list
    }
    TButton* button = nullptr;
    if (msg.wParam == VK_RETURN) {
        button = dynamic_cast<TButton*>(FromHandle(msg.hwnd));
        if (!button)
            button = DefaultButton();
    } else {
        button = CancelButton();
    }
    if (!button)
        return false;
    button->Click();
    return true;
}

LRESULT TForm::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SHOWWINDOW:
        if (wp)
            Fire(OnShow, this);
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND f = GetFocus();
            if (f && IsChild(Handle(), f))
                lastFocus_ = f;
        } else {
            DefaultProc(msg, wp, lp);
            // The recorded control, or the first in tab order when it cannot
            // take the focus.
            if (!lastFocus_ || !IsWindow(lastFocus_) || !IsChild(Handle(), lastFocus_) ||
                !IsWindowVisible(lastFocus_) || !IsWindowEnabled(lastFocus_))
                lastFocus_ = GetNextDlgTabItem(Handle(), nullptr, FALSE);
            if (lastFocus_)
                ::SetFocus(lastFocus_);
            // The activation event belongs to the form becoming the
            // application's active form, not to the window manager's
            // activation: the end of a message box owned by the form, or
            // the user coming back from another program, gives the window
            // back without activating the form again.
            if (!messageBox_ && Screen->activeForm_ != this) {
                Screen->activeForm_ = this;
                Fire(OnActivate, this);
            }
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (Screen->Cursor() != crDefault) {
            ::SetCursor(Screen->CursorHandle());
            return TRUE;
        }
        break;
    default:
        break;
    }
    return TWinControl::WndProc(msg, wp, lp);
}

void TForm::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "BorderStyle")) SetBorderStyle(static_cast<TFormBorderStyle>(value.AsInteger()));
    else if (SameText(name, "Position")) SetPosition(static_cast<TPosition>(value.AsInteger()));
    else if (SameText(name, "ClientWidth")) SetClientWidth(value.AsInteger());
    else if (SameText(name, "ClientHeight")) SetClientHeight(value.AsInteger());
    else if (SameText(name, "Visible")) visible_ = value.AsBool();  // shown later, by Show or Run
    else if (SameText(name, "BorderIcons") || SameText(name, "OldCreateOrder") || SameText(name, "PixelsPerInch") ||
             SameText(name, "TextHeight") || SameText(name, "Scaled"))
        ;  // designer settings without effect here
    else TWinControl::SetProperty(name, value);
}

void TForm::SetEvent(const std::string& name, const THandlerRef& h)
{
    if (SameText(name, "OnCreate") && h.notify) OnCreate = h.notify;
    else if (SameText(name, "OnShow") && h.notify) OnShow = h.notify;
    else if (SameText(name, "OnActivate") && h.notify) OnActivate = h.notify;
    else if (SameText(name, "OnClose") && h.close) OnClose = h.close;
    else TWinControl::SetEvent(name, h);
}

// ---- TScreen ---------------------------------------------------------------

HCURSOR TScreen::CursorHandle() const
{
    return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(cursor_ == crHourGlass ? IDC_WAIT : IDC_ARROW));
}

void TScreen::SetCursor(TCursor v)
{
    cursor_ = v;
    if (v != crDefault) {
        ::SetCursor(CursorHandle());
        return;
    }
    // Let the window under the mouse choose its own cursor again.
    POINT p;
    GetCursorPos(&p);
    HWND w = WindowFromPoint(p);
    if (w && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId())
        SendMessageA(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    else
        ::SetCursor(CursorHandle());
}

// ---- TApplication ----------------------------------------------------------

TApplication::TApplication() : TComponent(nullptr)
{
    ApplicationHandleException = [](const std::exception& e) {
        if (Application)
            Application->HandleException(e);
    };
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    title_ = name.substr(0, name.find_last_of('.'));
}

TApplication::~TApplication()
{
    // The forms go while the application is still whole: what they report on
    // the way out still reaches HandleException and OnException.
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    // A stand-in application of a test may go before the program's own.
    if (Application == this) {
        ApplicationHandleException = nullptr;
        Application = nullptr;
    }
}

void TApplication::Run()
{
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (TForm* form = TForm::FormOf(msg.hwnd))
        if (form->DialogKey(msg))
            return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg))
        WaitMessage();
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg))
        ;
}

void TApplication::HandleException(const std::exception& e)
{
    if (OnException)
        OnException(this, e);
    else
        ShowException(e);
}

void TApplication::ShowException(const std::exception& e)
{
    std::string text = e.what();
    if (!text.empty() && text.back() > '.')
        text += '.';
    MessageBoxA(DialogOwner(), text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

HWND TApplication::DialogOwner() const
{
    if (HWND active = GetActiveWindow())
        return active;
    // A main form not shown yet owns no box: the box's end would make the
    // hidden form the active window, running its activation before its
    // first showing.
    return mainForm_ && mainForm_->Visible() ? mainForm_->Handle() : nullptr;
}
