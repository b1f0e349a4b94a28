#include "dialogs.h"

#include <algorithm>
#include <memory>

#include "stdctrls.h"

namespace {

// The icon of the box's kind, painted by a STATIC of style SS_ICON.
class TDialogIcon : public TControl {
public:
    TDialogIcon(TComponent* owner, LPCSTR icon) : TControl(owner), icon_(icon) {}

protected:
    void CreateParams(TCreateParams& p) override
    {
        p.className = "STATIC";
        p.style |= SS_ICON;
    }
    void InitWnd() override
    {
        SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, icon_)), 0);
    }

private:
    LPCSTR icon_;
};

}  // namespace

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    static const char* captions[] = {"Error", "Information", "Confirm"};
    static const LPCSTR icons[] = {IDI_HAND, IDI_ASTERISK, IDI_QUESTION};
    std::unique_ptr<TForm> box(new TForm(nullptr));
    box->MarkAsMessageBox();
    box->SetOwnerWindow(Application ? Application->DialogOwner() : GetActiveWindow());
    box->SetBorderStyle(bsDialog);
    box->SetPosition(poScreenCenter);
    box->SetCaption(captions[type]);

    // Size the text with the box's font; the box grows to fit it.
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, box->Font().Handle());
    RECT text = {0, 0, 300, 0};
    DrawTextA(dc, message.c_str(), -1, &text, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);

    auto* icon = new TDialogIcon(box.get(), icons[type]);
    icon->SetBounds(12, 12, 32, 32);
    icon->SetParent(box.get());
    auto* label = new TStaticText(box.get());
    label->SetName("Message");
    label->SetCaption(message);
    label->SetBounds(56, 12, text.right, std::max<int>(text.bottom, 32));
    label->SetParent(box.get());

    struct { TMsgDlgBtn kind; const char* caption; int result; } const defs[] = {
        {mbOK, "OK", mrOk}, {mbCancel, "Cancel", mrCancel}, {mbAbort, "&Abort", mrAbort}};
    std::vector<TButton*> list;
    for (const auto& d : defs)
        if (buttons & d.kind) {
            auto* b = new TButton(box.get());
            b->SetCaption(d.caption);
            b->SetModalResult(d.result);
            b->SetDefault(list.empty());
            b->SetCancel(d.kind == mbCancel || (d.kind == mbOK && !(buttons & mbCancel) && buttons == mbOK));
            list.push_back(b);
        }
    int rowWidth = static_cast<int>(list.size()) * 83 - 8;
    int width = std::max(56 + static_cast<int>(text.right) + 12, rowWidth + 24);
    int top = 12 + std::max<int>(text.bottom, 32) + 16;
    int x = (width - rowWidth) / 2;
    for (size_t i = 0; i < list.size(); ++i) {
        list[i]->SetBounds(x + static_cast<int>(i) * 83, top, 75, 25);
        list[i]->SetTabOrder(static_cast<int>(i));
        list[i]->SetParent(box.get());
    }
    box->SetClientWidth(width);
    box->SetClientHeight(top + 25 + 12);
    return box->ShowModal();
}
