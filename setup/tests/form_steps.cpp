#include "form_steps.h"

namespace {

// The step waiting to run on the next turn of the thread's message loop.
std::function<void()> g_pending;

void CALLBACK RunPending(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto step = std::move(g_pending);
    g_pending = nullptr;
    if (step)
        step();
}

}  // namespace

FormSteps::FormSteps(TForm* form, std::deque<std::function<void()>> steps)
    : form_(form), saved_(form->OnActivate), steps_(std::move(steps))
{
    form_->OnActivate = [this](TObject* sender) {
        ++showings;
        // The step is due even when the form's own handler fails.
        struct Due {
            FormSteps* self;
            ~Due() { self->Next(); }
        } due{this};
        if (saved_)
            saved_(sender);
    };
}

FormSteps::~FormSteps() { form_->OnActivate = saved_; }

void FormSteps::Next()
{
    if (steps_.empty()) {
        TForm* form = form_;
        g_pending = [form] { form->Close(); };
    } else {
        g_pending = std::move(steps_.front());
        steps_.pop_front();
    }
    SetTimer(nullptr, 0, 0, &RunPending);
}

bool SelectNumber(TDBQComboBox* list, int number)
{
    for (int i = 0; i < list->Items().Count(); ++i) {
        list->SetItemIndex(i);
        if (list->SelectedField("obj_num").AsInteger() == number)
            return true;
    }
    return false;
}

std::vector<std::string> ItemTexts(TStrings& items)
{
    std::vector<std::string> texts;
    for (int i = 0; i < items.Count(); ++i)
        texts.push_back(items.Strings(i));
    return texts;
}
