#include "classes.h"

#include <algorithm>
#include <utility>

#include "database.h"
#include "layout_value.h"
#include "query.h"

void (*ApplicationHandleException)(const std::exception& e) = nullptr;

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
    if (!ApplicationHandleException) {
        event(sender);
        return;
    }
    try {
        event(sender);
    } catch (const std::exception& e) {
        ApplicationHandleException(e);
    }
}

namespace {
using ClassList = std::vector<std::pair<std::string, TComponentFactory>>;

ClassList& Registry()
{
    static ClassList classes = [] {
        ClassList builtin;
        builtin.emplace_back("TDatabase", [](TComponent* owner) -> TComponent* { return new TDatabase(owner); });
        builtin.emplace_back("TQuery", [](TComponent* owner) -> TComponent* { return new TQuery(owner); });
        return builtin;
    }();
    return classes;
}

ClassList::iterator Find(const std::string& className)
{
    return std::find_if(Registry().begin(), Registry().end(),
                        [&](const auto& entry) { return SameText(entry.first, className); });
}
}  // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory)
{
    auto it = Find(className);
    if (it != Registry().end())
        it->second = std::move(factory);
    else
        Registry().emplace_back(className, std::move(factory));
}

TComponent* CreateComponentByClassName(const std::string& className, TComponent* Owner)
{
    auto it = Find(className);
    if (it == Registry().end())
        throw ELayoutError("class " + className + " not found");
    return it->second(Owner);
}
