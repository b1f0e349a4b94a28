// Controls over Win32 windows: one class per window kind. A control keeps
// its properties in fields and creates its window when first needed, so a
// layout can set them in any order before the window exists.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "classes.h"

// Colours: RGB values, or a system colour index with the top byte set.
using TColor = int;
constexpr TColor clSystemColor = static_cast<int>(0xFF000000);
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
COLORREF ColorToRGB(TColor color);

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int;

class TControl;

// Face, height (negative: character height in pixels), colour and style of
// a control's text. Changing it tells the control.
class TFont {
public:
    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    void SetName(const std::string& v);
    void SetHeight(int v);
    void SetColor(TColor v);
    void SetStyle(TFontStyles v);
    // Copies face, height, colour and style.
    void Assign(const TFont& other);
    HFONT Handle() const;               // created on demand, owned by the font
    ~TFont();
    TFont() = default;
    TFont(const TFont& other) { Assign(other); }
    TFont& operator=(const TFont& other) { Assign(other); return *this; }

private:
    friend class TControl;
    void Changed();
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    mutable HFONT handle_ = nullptr;
    TControl* owner_ = nullptr;
};

class TWinControl;

// Everything with a window: position in the parent's client area, caption,
// visibility, enabling, font, colour, alignment and OnClick.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* Owner);
    ~TControl() override;

    // The window, created when first asked for. A control that is shown gets
    // it with its parent's; a hidden one only when shown or asked for. A
    // graphic control has none: null.
    HWND Handle();
    bool HandleAllocated() const { return hwnd_ != nullptr; }
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    virtual int ClientWidth();
    virtual int ClientHeight();

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);
    // Caption and Text are the window text.
    virtual std::string Caption();
    virtual void SetCaption(const std::string& v);
    std::string Text() { return Caption(); }
    void SetText(const std::string& v) { SetCaption(v); }

    TFont& Font() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);

    TNotifyEvent OnClick;
    virtual void Click() { Fire(OnClick, this); }
    // Alt plus key: acts as a click on the control whose caption underlines
    // key; true when one did.
    virtual bool DialogChar(char key) { return false; }

    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void SetEvent(const std::string& name, const THandlerRef& handler) override;

    // The control of a window this layer created, or null.
    static TControl* FromHandle(HWND hwnd);
    void Invalidate();

protected:
    struct TCreateParams {
        const char* className = nullptr;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        HWND owner = nullptr;   // a top-level window's owner: it stays in front of it
        bool subclass = true;   // a system class whose procedure we take over
    };
    virtual void CreateParams(TCreateParams& params) = 0;
    virtual void CreateWnd();
    // A window for a control whose parent's window exists already.
    void CreateLateWnd();
    virtual void DestroyWnd();
    void RecreateWnd();
    // After the window exists: put the stored state into it.
    virtual void InitWnd() {}
    // Before the window goes in a re-creation: take the state out of it.
    virtual void SaveWndState() {}

    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Notifications the parent reflects back to the control that sent them.
    virtual void CommandNotify(WORD code) {}
    virtual LRESULT Notify(NMHDR* nm) { return 0; }
    virtual HBRUSH CtlColor(HDC dc);
    virtual void DrawItem(DRAWITEMSTRUCT* dis) {}
    // Painting of the windows of our own class, and of graphic controls.
    virtual void Paint(HDC dc, const RECT& client) {}
    // The graphic controls standing on this one, after its own painting.
    virtual void PaintControls(HDC dc) {}
    // The height given to the window (a combo box adds its drop-down list).
    virtual int WindowHeight() { return height_; }
    // A top-level window, or a child with a frame, an edge or a scroll bar.
    bool HasNonClientArea() const;
    // WS_TABSTOP for a control the tab key stops at.
    virtual DWORD TabStopStyle() const { return 0; }

    virtual void FontChanged();
    virtual void ColorChanged();
    HBRUSH Brush();                     // of Color, owned by the control
    void RequestAlign();                // the parent lays its aligned children out again

    bool visible_ = true;
    bool enabled_ = true;
    bool windowed_ = true;  // false: a graphic control, painted by its parent
    std::string caption_;
    TFont font_;

private:
    friend class TFont;
    friend class TWinControl;
    friend class TApplication;
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void ParentFontChanged(const TFont& font);
    void ParentColorChanged(TColor color);

    HWND hwnd_ = nullptr;
    WNDPROC oldProc_ = nullptr;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    HBRUSH brush_ = nullptr;
    bool recreating_ = false;
};

// A control that holds other controls and takes part in tab order.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* Owner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int i) const { return controls_[i]; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    // On a form that is hidden or not the active window the control only
    // becomes the form's active control (see TForm::SelectFirst).
    void SetFocus();
    bool Focused();
    // Lays the aligned children out in the client area.
    void Realign();

    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void Loaded() override;
    // Asks the children that are shown and enabled, in tab order.
    bool DialogChar(char key) override;

protected:
    // The part of the client area the aligned children share.
    virtual void AdjustClientRect(RECT& rect) {}
    void CreateWnd() override;
    void DestroyWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PaintControls(HDC dc) override;
    void FontChanged() override;
    void ColorChanged() override;
    // Orders the children's windows by tab order, so the dialog manager's
    // tab key follows it.
    void UpdateTabOrder();
    DWORD TabStopStyle() const override { return tabStop_ ? WS_TABSTOP : 0; }
    bool tabStop_ = false;

private:
    friend class TControl;
    // The children in window order: by tab order, the others last.
    std::vector<TControl*> WindowOrder() const;
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    std::vector<TControl*> controls_;
    int tabOrder_ = -1;
    bool aligning_ = false;
};

// A control without a window of its own (a label), painted by its parent in
// the parent's client area; the parent is one of the class library's own
// containers (form, panel, group box, tab sheet), which paint themselves.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* Owner) : TControl(Owner) { windowed_ = false; }

protected:
    void CreateParams(TCreateParams&) override {}
};

// The window class of our own painted containers and controls.
const char* RiloWindowClass();
// A hidden window that holds child windows whose parent has no window yet.
HWND ParkingWindow();
