// Components, ownership, events and the class registry that the layout
// reader creates components from.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

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
class ELayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
    // Runs an event handler; an exception that escapes it goes to the
    // application's default handler instead of up through the window procedure.
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

// Creates a component of a class for an owner.
using TComponentFactory = std::function<TComponent*(TComponent* Owner)>;
// Adds a class to the registry the layout reader creates components from
// (the built-in controls are there from the start).
void RegisterComponentClass(const std::string& className, TComponentFactory factory);
TComponent* CreateComponentByClassName(const std::string& className, TComponent* Owner);

// Case-insensitive comparison of names.
bool SameText(const std::string& a, const std::string& b);
