// Components, ownership, events and the class registry that the layout
// reader creates components from. Nothing here needs a window: controls and
// the data-access components build on it alike.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "exceptions.h"
#include "sysutils.h"

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent;
class TLayoutValue;

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// A handler that a form registered by name; the layout binds it to an event
// of the matching kind.
struct THandlerRef {
    TNotifyEvent notify;
    TCloseEvent close;
};

// A layout that cannot be applied: unknown class, property, value or handler.
class ELayoutError : public Exception {
public:
    using Exception::Exception;
};

// Owner of other components: it frees them when it goes.
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* Owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int i) const { return components_[i]; }
    // Case-insensitive search among the components this one owns.
    TComponent* FindComponent(const std::string& name) const;

    // The layout has been read completely.
    virtual void Loaded() {}
    bool Loading() const { return loading_; }

    // Layout properties and events by name; unknown names raise ELayoutError.
    virtual void SetProperty(const std::string& name, const TLayoutValue& value);
    virtual void SetEvent(const std::string& name, const THandlerRef& handler);

protected:
    // Runs an event handler; an exception that escapes it goes to
    // ApplicationHandleException instead of up through the window procedure.
    static void Fire(const TNotifyEvent& event, TObject* sender);
    void SetLoading(bool loading) { loading_ = loading; }

private:
    friend class TLayoutReader;
    void Insert(TComponent* c) { components_.push_back(c); }
    void Remove(TComponent* c);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
};

// The application object's default handler, set while it exists. Without
// one, an exception from an event handler goes on to the caller.
extern void (*ApplicationHandleException)(const std::exception& e);

// Creates a component of a class for an owner.
using TComponentFactory = std::function<TComponent*(TComponent* Owner)>;
// Adds a class to the registry the layout reader creates components from
// (the data-access components are there from the start, the controls once
// the first layout is read); a class registered again takes the new factory.
void RegisterComponentClass(const std::string& className, TComponentFactory factory);
template <class C>
void RegisterComponentClass(const std::string& className)
{
    RegisterComponentClass(className, [](TComponent* owner) -> TComponent* { return new C(owner); });
}
// Raises ELayoutError for a class not registered.
TComponent* CreateComponentByClassName(const std::string& className, TComponent* Owner);
