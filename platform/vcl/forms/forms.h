// Forms, the application object and the screen cursor.
#pragma once

#include <map>
#include <memory>

#include "controls.h"

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT;
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
enum TPosition { poDesigned, poScreenCenter };

class TButton;

// A top-level window whose controls come from a layout resource (see
// layout_reader.h for the format).
//
// A form class registers its handler methods and component fields by name,
// then reads its layout:
//
//     TPickForm::TPickForm(TComponent* Owner) : TForm(Owner) {
//         Bind("OKBtnClick", &TPickForm::OKBtnClick);
//         Field("OKBtn", OKBtn);
//         ReadLayout("TPickForm");
//     }
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* Owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle v);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    // The client size; the outer size follows from the frame.
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    // The window this form stays in front of, set before its window exists.
    // Without one, a form of the application other than the main form stays
    // in front of the main form.
    void SetOwnerWindow(HWND owner) { ownerWindow_ = owner; }
    // A message box is built as a form but is none of the application's
    // forms: its activation leaves Screen->ActiveForm as it is.
    void MarkAsMessageBox() { messageBox_ = true; }

    void SetVisible(bool v) override;
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    bool Modal() const { return modal_; }
    // Closes as the frame's close button does: a modal form ends with Cancel.
    void Close();
    // Moves the focus to the first control in tab order. On a form that is
    // hidden or not the active window the control is only recorded as the
    // form's active control; it gets the focus when the form is activated.
    void SelectFirst();
    // The same for a control of this form (TWinControl::SetFocus comes here).
    void FocusControl(HWND control);
    // Shown and the active window.
    bool Active();
    TButton* DefaultButton() const;
    TButton* CancelButton() const;
    // Enter, Escape, Tab and Alt plus an underlined letter for the form's
    // controls; true when used.
    bool DialogKey(MSG& msg);

    TNotifyEvent OnCreate, OnShow, OnActivate;
    TCloseEvent OnClose;

    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void SetEvent(const std::string& name, const THandlerRef& handler) override;

    // The form whose window is, or contains, hwnd.
    static TForm* FormOf(HWND hwnd);

protected:
    // Reads the layout resource of this name (RCDATA of the program), creating
    // its components with this form as their owner, then calls every
    // component's Loaded, then OnCreate.
    void ReadLayout(const char* resourceName);
    // Reads a layout from text; for forms whose layout is not a resource.
    void ReadLayoutText(const std::string& text);

    template <class F>
    void Bind(const std::string& name, void (F::*method)(TObject*))
    {
        F* self = static_cast<F*>(this);
        handlers_[Key(name)].notify = [self, method](TObject* s) { (self->*method)(s); };
    }
    template <class F>
    void Bind(const std::string& name, void (F::*method)(TObject*, TCloseAction&))
    {
        F* self = static_cast<F*>(this);
        handlers_[Key(name)].close = [self, method](TObject* s, TCloseAction& a) { (self->*method)(s, a); };
    }
    // The component of that name in the layout is stored into field.
    template <class C>
    void Field(const std::string& name, C*& field)
    {
        fields_[Key(name)] = [&field, name](TComponent* c) {
            field = dynamic_cast<C*>(c);
            if (!field)
                throw ELayoutError("component " + name + " is not of the field's class");
        };
    }

    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Loaded() override;

private:
    // Turns a client size waiting for a frame into the outer size.
    void ApplyClientSize(DWORD style, DWORD exStyle);
    // The same for the frame of the border style, before the window exists.
    void ApplyFrameClientSize();
    friend class TLayoutReader;
    static std::string Key(const std::string& name);
    void DoClose(TCloseAction& action);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    int clientWidth_ = -1, clientHeight_ = -1;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool placed_ = false;
    bool messageBox_ = false;
    HWND lastFocus_ = nullptr;
    HWND ownerWindow_ = nullptr;
    std::map<std::string, THandlerRef> handlers_;
    std::map<std::string, std::function<void(TComponent*)>> fields_;
};

enum TCursor { crDefault = 0, crHourGlass = -11 };

class TScreen {
public:
    // The form of the application that was activated last; it stays so
    // while another program is active. A message box is not a form, so it
    // leaves this as it is.
    TForm* ActiveForm() const { return activeForm_; }
    TCursor Cursor() const { return cursor_; }
    // The hour-glass shows over every window of the program until crDefault.
    void SetCursor(TCursor v);
    HCURSOR CursorHandle() const;

private:
    friend class TForm;
    TForm* activeForm_ = nullptr;
    TCursor cursor_ = crDefault;
};

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;

// An exception that leaves an event handler goes to Application's
// HandleException. An application frees the forms it owns first when it goes,
// while it is still whole; once the program's own application has gone,
// Application is null and such exceptions go on to the caller.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize() {}
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    TForm* MainForm() const { return mainForm_; }

    // Creates a form owned by the application; the first one becomes the main form.
    template <class F>
    void CreateForm(F*& reference)
    {
        reference = nullptr;
        F* form = new F(this);
        reference = form;
        if (!mainForm_)
            mainForm_ = form;
    }
    // Shows the main form and handles messages until Terminate.
    void Run();
    // The program ends when control returns to the message loop.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every waiting message, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();

    // The default handler: OnException when set, else the standard error box.
    void HandleException(const std::exception& e);
    // The error box, in front of DialogOwner().
    void ShowException(const std::exception& e);
    // The window a box comes up in front of: the thread's active window, else
    // the main form's once it is shown, else none.
    HWND DialogOwner() const;
    TExceptionEvent OnException;

private:
    friend class TForm;
    bool ProcessMessage(MSG& msg);
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;
extern TScreen* Screen;
