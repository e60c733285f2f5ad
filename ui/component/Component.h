#pragma once
// The root classes: TObject, TPersistent (assignment between objects and a
// hook for streamed binary data) and TComponent (the owner tree, names,
// loading state and free notification).

#include "ui/component/Set.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStream;

class TObject {
public:
    virtual ~TObject() = default;
    // The class's own name ("TFont"), taken from the run-time type.
    std::string ClassName() const;
};

// Stream code hands a filer to DefineProperties; a class names its binary
// properties there with a reader, a writer and whether it has data to write.
class TFiler {
public:
    virtual ~TFiler() = default;
    virtual void DefineBinaryProperty(const std::string& name, std::function<void(TStream&)> readData,
                                      std::function<void(TStream&)> writeData, bool hasData) = 0;
};

class TPersistent : public TObject {
public:
    // Copies `source` into this object. Unless this class knows the source's
    // class, the source is asked to assign itself (AssignTo); when neither
    // side knows the other, raises EConvertError "Cannot assign a X to a Y".
    virtual void Assign(const TPersistent* source);
    virtual void DefineProperties(TFiler& filer);

protected:
    virtual void AssignTo(TPersistent* dest) const;
    void AssignError(const TPersistent* source) const;
};

enum TOperation : std::uint8_t { opInsert, opRemove };

enum TComponentStateItem : std::uint8_t {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning, // exists for code written against it; never set
    csUpdating,
    csFreeNotification,
};
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
public:
    // Joins `owner`'s components; an owner frees what it owns.
    explicit TComponent(TComponent* owner);
    // Frees the owned components after the derived destructors have run; a
    // class whose owned components still use its members calls Destroying()
    // and DestroyComponents() first thing in its own destructor.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Frees the component through its owner's bookkeeping, like `delete`.
    void Free();

    const std::string& Name() const { return name_; }
    // Raises EComponentError when the name is not an identifier or another
    // component of the same owner has it already (letter case ignored).
    virtual void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }
    TComponentState ComponentState() const { return state_; }

    int ComponentCount() const { return int(components_.size()); }
    // Raises EListError for an index out of range.
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // Null for an empty name or none found; letter case is ignored.
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, newest first.
    void DestroyComponents();
    // Sets csDestroying; the owned components are marked as well.
    void Destroying();

    // `component` will tell this one (Notification with opRemove) before it
    // goes away, and the other way round.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // A loading bracket: between BeginLoading and the matching EndLoading
    // this component and all it owns (also those created meanwhile) carry
    // csLoading; EndLoading then calls Loaded on each of them, owned ones
    // first in creation order, this one last. Brackets nest.
    void BeginLoading();
    void EndLoading();

protected:
    // Called after all properties of a loaded component are set; clears
    // csLoading. Overrides call the inherited one.
    virtual void Loaded();
    // Told about components inserted into or removed from the owner, and
    // about free-notified components that go away. Overrides clear their
    // references and call the inherited one, which passes the news on to
    // the owned components.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const;

private:
    void insert(TComponent* component);
    void remove(TComponent* component);
    void setLoadingTree(bool loading);
    void collectLoading(std::vector<TComponent*>& out);
    void removeNotifications();

    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    TComponentState state_;
    int loadingDepth_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

bool IsValidIdent(const std::string& name);
