#include "layout_reader.h"

#include <cctype>
#include <stdexcept>

#include "forms.h"

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    TLayoutReader::Node Object()
    {
        TLayoutReader::Node node;
        Expect("object");
        node.line = line_;
        node.name = Ident();
        ExpectChar(':');
        node.className = Ident();
        for (;;) {
            SkipSpace();
            std::string word = PeekWord();
            if (SameText(word, "end")) {
                Ident();
                return node;
            }
            if (SameText(word, "object")) {
                node.children.push_back(Object());
                continue;
            }
            node.props.push_back(Property());
        }
    }

    void End()
    {
        SkipSpace();
        if (pos_ < s_.size())
            Fail("text after the last end");
    }

private:
    std::pair<std::string, TLayoutValue> Property()
    {
        std::string name = Ident();
        ExpectChar('=');
        return {name, Value()};
    }

    TLayoutValue Value()
    {
        SkipSpace();
        TLayoutValue v;
        v.line = line_;
        if (pos_ >= s_.size())
            Fail("value expected");
        char c = s_[pos_];
        if (c == '\'' || c == '#') {
            v.kind = TLayoutValue::String;
            v.text = String();
        } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            v.kind = TLayoutValue::Integer;
            v.number = Number();
        } else if (c == '[') {
            v.kind = TLayoutValue::Set;
            ++pos_;
            SkipSpace();
            while (Peek() != ']') {
                v.items.push_back(Ident());
                SkipSpace();
                if (Peek() == ',')
                    ++pos_;
                SkipSpace();
            }
            ++pos_;
        } else if (c == '(') {
            v.kind = TLayoutValue::List;
            ++pos_;
            SkipSpace();
            while (Peek() != ')') {
                v.items.push_back(String());
                SkipSpace();
            }
            ++pos_;
        } else if (c == '<') {
            v.kind = TLayoutValue::Collection;
            ++pos_;
            SkipSpace();
            while (Peek() != '>') {
                Expect("item");
                std::vector<std::pair<std::string, TLayoutValue>> item;
                for (SkipSpace(); !SameText(PeekWord(), "end"); SkipSpace())
                    item.push_back(Property());
                Ident();
                v.collection.push_back(std::move(item));
                SkipSpace();
            }
            ++pos_;
        } else {
            v.kind = TLayoutValue::Ident;
            v.text = Ident();
        }
        return v;
    }

    std::string String()
    {
        std::string out;
        for (;;) {
            SkipSpace();
            char c = Peek();
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= s_.size() || s_[pos_] == '\n')
                        Fail("unterminated text");
                    if (s_[pos_] == '\'') {
                        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += s_[pos_++];
                }
            } else if (c == '#') {
                ++pos_;
                out += static_cast<char>(Number());
            } else {
                Fail("text expected");
            }
            // Pieces join when they touch ('a'#13'b') or stand around a '+'.
            if (Peek() == '\'' || Peek() == '#')
                continue;
            size_t save = pos_;
            int saveLine = line_;
            SkipSpace();
            if (Peek() == '+') {
                ++pos_;
                continue;
            }
            pos_ = save;
            line_ = saveLine;
            return out;
        }
    }

    long long Number()
    {
        SkipSpace();
        bool negative = false;
        if (Peek() == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (Peek() == '$') {
            base = 16;
            ++pos_;
        }
        size_t start = pos_;
        while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_])) &&
               (base == 16 || std::isdigit(static_cast<unsigned char>(s_[pos_]))))
            ++pos_;
        if (start == pos_)
            Fail("number expected");
        long long v = 0;
        try {
            v = std::stoll(s_.substr(start, pos_ - start), nullptr, base);
        } catch (const std::out_of_range&) {
            Fail("number out of range");
        }
        return negative ? -v : v;
    }

    std::string Ident()
    {
        SkipSpace();
        size_t start = pos_;
        while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_' ||
                                    (s_[pos_] == '.' && pos_ > start)))
            ++pos_;
        if (start == pos_)
            Fail("name expected");
        return s_.substr(start, pos_ - start);
    }

    std::string PeekWord()
    {
        size_t save = pos_;
        int saveLine = line_;
        std::string w = pos_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[pos_])) ? Ident() : "";
        pos_ = save;
        line_ = saveLine;
        return w;
    }

    void Expect(const char* word)
    {
        if (!SameText(Ident(), word))
            Fail(std::string(word) + " expected");
    }

    void ExpectChar(char c)
    {
        SkipSpace();
        if (Peek() != c)
            Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }

    void SkipSpace()
    {
        while (pos_ < s_.size()) {
            char c = s_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
                while (pos_ < s_.size() && s_[pos_] != '\n')
                    ++pos_;
            } else {
                break;
            }
        }
    }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw ELayoutError("layout line " + std::to_string(line_) + ": " + what);
    }

    const std::string& s_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

TLayoutReader::Node TLayoutReader::Parse(const std::string& text)
{
    Parser p(text);
    Node root = p.Object();
    p.End();
    return root;
}

void TLayoutReader::ApplyProps(TForm* form, TComponent* c, const Node& node)
{
    for (const auto& [name, value] : node.props) {
        bool isEvent = name.size() > 2 && (name[0] == 'O' || name[0] == 'o') && (name[1] == 'n' || name[1] == 'N') &&
                       std::isupper(static_cast<unsigned char>(name[2])) && value.kind == TLayoutValue::Ident;
        if (!isEvent) {
            c->SetProperty(name, value);
            continue;
        }
        auto it = form->handlers_.find(TForm::Key(value.text));
        if (it == form->handlers_.end())
            value.Fail("handler " + value.text + " is not bound by the form");
        try {
            c->SetEvent(name, it->second);
        } catch (const ELayoutError& e) {
            value.Fail(e.what());
        }
    }
}

void TLayoutReader::CreateChild(TForm* form, TComponent* parent, const Node& node, std::vector<TComponent*>& created)
{
    TComponent* c = nullptr;
    try {
        c = CreateComponentByClassName(node.className, form);
    } catch (const ELayoutError& e) {
        throw ELayoutError("layout line " + std::to_string(node.line) + ": " + e.what());
    }
    c->SetName(node.name);
    c->SetLoading(true);
    created.push_back(c);
    if (auto* control = dynamic_cast<TControl*>(c)) {
        auto* container = dynamic_cast<TWinControl*>(parent);
        if (!container)
            throw ELayoutError("layout line " + std::to_string(node.line) + ": " + node.name +
                               " needs a windowed control around it");
        control->SetParent(container);
    }
    ApplyProps(form, c, node);
    auto field = form->fields_.find(TForm::Key(node.name));
    if (field != form->fields_.end())
        field->second(c);
    for (const Node& child : node.children)
        CreateChild(form, c, child, created);
}

void RegisterFormsClasses();  // control_classes.cpp

void TLayoutReader::Apply(TForm* form, const Node& root)
{
    static const bool registered = (RegisterFormsClasses(), true);
    (void)registered;
    std::vector<TComponent*> created{form};
    form->SetLoading(true);
    if (!root.name.empty())
        form->SetName(root.name);
    ApplyProps(form, form, root);
    for (const Node& child : root.children)
        CreateChild(form, form, child, created);
    for (const auto& [key, assign] : form->fields_)
        if (!form->FindComponent(key))
            throw ELayoutError("the layout has no component " + key);
    for (TComponent* c : created)
        c->SetLoading(false);
    for (TComponent* c : created)
        c->Loaded();
}

void TForm::ReadLayoutText(const std::string& text)
{
    TLayoutReader::Apply(this, TLayoutReader::Parse(text));
    Fire(OnCreate, this);
}

void TForm::ReadLayout(const char* resourceName)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(module, resourceName, MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    if (!data)
        throw ELayoutError(std::string("no layout resource ") + resourceName);
    const char* text = static_cast<const char*>(LockResource(data));
    ReadLayoutText(std::string(text, SizeofResource(module, res)));
}
