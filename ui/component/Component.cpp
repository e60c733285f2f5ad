#include "ui/component/Component.h"

#include "ui/component/Exception.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

void eraseOne(std::vector<TComponent*>& list, TComponent* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

} // namespace

bool IsValidIdent(const std::string& name)
{
    if (name.empty())
        return false;
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(), [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

// ---- TObject, TPersistent -------------------------------------------------------

std::string TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = (status == 0 && demangled) ? demangled.get() : mangled;
    // Classes in a namespace keep their own name only.
    if (name.find('<') == std::string::npos) {
        auto colon = name.rfind("::");
        if (colon != std::string::npos)
            name.erase(0, colon + 2);
    }
    return name;
}

void TPersistent::Assign(const TPersistent* source)
{
    if (source)
        source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const
{
    std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

// ---- TComponent -------------------------------------------------------------------

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    removeNotifications();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::Free()
{
    delete this;
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const
{
    if (!component || newName.empty() || brio::asciiEqualNoCase(currentName, newName))
        return;
    TComponent* existing = FindComponent(newName);
    if (existing && existing != component)
        throw EComponentError("A component named " + newName + " already exists");
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[std::size_t(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (brio::asciiEqualNoCase(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component == this || component->owner_ == this)
        return;
    ValidateRename(component, "", component->name_);
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this)
        return;
    Notification(component, opRemove);
    remove(component);
}

void TComponent::insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
    if (state_.Contains(csLoading))
        component->setLoadingTree(true);
}

void TComponent::remove(TComponent* component)
{
    eraseOne(components_, component);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        delete last;
    }
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying))
        return;
    state_.Include(csDestroying);
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Walk from the end by index: a handler may free components.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount())
            continue;
        components_[std::size_t(i)]->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this)
        == component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_.Include(csFreeNotification);
    component->state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    eraseOne(freeNotifies_, component);
    eraseOne(component->freeNotifies_, this);
}

void TComponent::removeNotifications()
{
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        eraseOne(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
}

void TComponent::setLoadingTree(bool loading)
{
    if (loading)
        state_.Include(csLoading);
    else
        state_.Exclude(csLoading);
    for (TComponent* c : components_)
        c->setLoadingTree(loading);
}

void TComponent::BeginLoading()
{
    if (loadingDepth_++ == 0)
        setLoadingTree(true);
}

void TComponent::EndLoading()
{
    if (loadingDepth_ == 0 || --loadingDepth_ > 0)
        return;
    std::vector<TComponent*> loaded;
    for (TComponent* c : components_)
        c->collectLoading(loaded);
    loaded.push_back(this);
    for (TComponent* c : loaded)
        c->Loaded();
}

void TComponent::collectLoading(std::vector<TComponent*>& out)
{
    if (state_.Contains(csLoading))
        out.push_back(this);
    for (TComponent* c : components_)
        c->collectLoading(out);
}

void TComponent::Loaded()
{
    state_.Exclude(csLoading);
}
