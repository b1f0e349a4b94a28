#include "classes.h"

#include <algorithm>
#include <cctype>

#include "forms.h"
#include "layout_value.h"

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

TComponent::TComponent(TComponent* Owner) : owner_(Owner)
{
    if (owner_)
        owner_->Insert(this);
}

TComponent::~TComponent()
{
    // Free owned components last-created first; each takes itself out of the list.
    while (!components_.empty())
        delete components_.back();
    if (owner_)
        owner_->Remove(this);
}

void TComponent::Remove(TComponent* c)
{
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* c : components_)
        if (!name.empty() && SameText(c->Name(), name))
            return c;
    return nullptr;
}

void TComponent::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "Name"))
        SetName(value.AsString());
    else if (SameText(name, "Tag"))
        (void)value.AsInteger();
    else
        value.Fail("unknown property " + name);
}

void TComponent::SetEvent(const std::string& name, const THandlerRef&)
{
    throw ELayoutError("unknown event " + name + " of " + name_);
}

void TComponent::Fire(const TNotifyEvent& event, TObject* sender)
{
    if (!event)
        return;
    try {
        event(sender);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    }
}

namespace {
std::map<std::string, TComponentFactory>& Registry()
{
    static std::map<std::string, TComponentFactory> classes;
    return classes;
}

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
}  // namespace

void RegisterBuiltinComponentClasses();

void RegisterComponentClass(const std::string& className, TComponentFactory factory)
{
    Registry()[Upper(className)] = std::move(factory);
}

TComponent* CreateComponentByClassName(const std::string& className, TComponent* Owner)
{
    static bool builtins = (RegisterBuiltinComponentClasses(), true);
    (void)builtins;
    auto it = Registry().find(Upper(className));
    if (it == Registry().end())
        throw ELayoutError("class " + className + " not found");
    return it->second(Owner);
}
