#include "mask.h"

#include <cctype>

#include "layout_value.h"

TMaskEdit::TMaskEdit(TComponent* Owner) : TCustomEdit(Owner) {}

void TMaskEdit::SetEditMask(const std::string& v)
{
    mask_ = v;
    pattern_ = v.substr(0, v.find(';'));
    saveLiterals_ = true;
    blank_ = '_';
    size_t a = v.find(';');
    if (a != std::string::npos) {
        size_t b = v.find(';', a + 1);
        saveLiterals_ = v.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1) != "0";
        if (b != std::string::npos && b + 1 < v.size())
            blank_ = v[b + 1];
    }
    SetMaxLength(pattern_.empty() ? 0 : static_cast<int>(pattern_.size()));
    SetCaption("");
}

bool TMaskEdit::IsMaskChar(size_t i) const
{
    char m = pattern_[i];
    return m == '9' || m == '0' || m == 'L' || m == 'l' || m == 'A' || m == 'a';
}

bool TMaskEdit::Accepts(size_t i, char c) const
{
    unsigned char u = static_cast<unsigned char>(c);
    switch (pattern_[i]) {
    case '9':
    case '0': return std::isdigit(u) != 0;
    case 'L':
    case 'l': return std::isalpha(u) != 0;
    default: return std::isalnum(u) != 0;
    }
}

std::string TMaskEdit::Shown(const std::string& text) const
{
    std::string shown;
    size_t k = 0;
    for (size_t i = 0; i < pattern_.size(); ++i) {
        if (!IsMaskChar(i)) {
            shown += pattern_[i];
            continue;
        }
        char c = k < text.size() ? text[k++] : ' ';
        shown += (c == ' ' || !Accepts(i, c)) ? blank_ : c;
    }
    return shown;
}

std::string TMaskEdit::EditText() { return TCustomEdit::Caption(); }

std::string TMaskEdit::Caption()
{
    std::string shown = TCustomEdit::Caption();
    if (pattern_.empty())
        return shown;
    std::string text;
    for (size_t i = 0; i < pattern_.size() && i < shown.size(); ++i) {
        if (!IsMaskChar(i)) {
            if (saveLiterals_)
                text += shown[i];
            continue;
        }
        text += shown[i] == blank_ ? ' ' : shown[i];
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void TMaskEdit::SetCaption(const std::string& v)
{
    TCustomEdit::SetCaption(pattern_.empty() ? v : Shown(v));
}

void TMaskEdit::InitWnd()
{
    TCustomEdit::InitWnd();
    if (!pattern_.empty() && TCustomEdit::Caption().size() != pattern_.size())
        SetCaption("");
}

void TMaskEdit::Put(size_t at, char c)
{
    HWND h = Handle();
    SendMessageA(h, EM_SETSEL, at, at + 1);
    char s[2] = {c, '\0'};
    SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(s));
}

LRESULT TMaskEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (pattern_.empty() || readOnly_)
        return TCustomEdit::WndProc(msg, wp, lp);
    HWND h = Handle();
    DWORD start = 0, end = 0;
    switch (msg) {
    case WM_CHAR: {
        SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        char c = static_cast<char>(wp);
        if (c == '\b') {
            // Empties the place before the caret (or the selected places).
            size_t from = start < end ? start : (start > 0 ? start - 1 : 0);
            size_t to = start < end ? end : start;
            for (size_t i = from; i < to && i < pattern_.size(); ++i)
                if (IsMaskChar(i))
                    Put(i, blank_);
            SendMessageA(h, EM_SETSEL, from, from);
            return 0;
        }
        if (static_cast<unsigned char>(c) < ' ')
            return TCustomEdit::WndProc(msg, wp, lp);
        for (size_t i = start; i < end && i < pattern_.size(); ++i)
            if (IsMaskChar(i))
                Put(i, blank_);
        size_t at = start;
        while (at < pattern_.size() && !IsMaskChar(at))
            ++at;
        if (at >= pattern_.size() || !Accepts(at, c)) {
            MessageBeep(0);
            SendMessageA(h, EM_SETSEL, start, start);
            return 0;
        }
        Put(at, c);
        SendMessageA(h, EM_SETSEL, at + 1, at + 1);
        return 0;
    }
    case WM_KEYDOWN:
        if (wp == VK_DELETE) {
            SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            size_t to = start < end ? end : start + 1;
            for (size_t i = start; i < to && i < pattern_.size(); ++i)
                if (IsMaskChar(i))
                    Put(i, blank_);
            SendMessageA(h, EM_SETSEL, start, start);
            return 0;
        }
        break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
        return 0;  // the places change only one by one
    default:
        break;
    }
    return TCustomEdit::WndProc(msg, wp, lp);
}

void TMaskEdit::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "EditMask")) SetEditMask(value.AsString());
    else TCustomEdit::SetProperty(name, value);
}
