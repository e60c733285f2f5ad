#pragma once
// The base of the small option objects: persistent, assignable as a whole,
// and telling their owner of every change through one callback.

#include "ui/component/Component.h"

#include <functional>
#include <tuple>

class TSeOption : public TPersistent {
public:
    // Called after any property changed; the owner decides what to redo.
    std::function<void()> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }
    // Sets `field` and reports a change only when the value differs.
    template <typename T> void update(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    // Copies every field of a source of the same class `T` (which lists its
    // fields in tied()) with one change report; false for another class.
    template <typename T> bool assignFields(const TPersistent* source)
    {
        auto* other = dynamic_cast<const T*>(source);
        if (!other)
            return false;
        auto& self = static_cast<T&>(*this);
        if (self.tied() != other->tied()) {
            self.tied() = other->tied();
            Changed();
        }
        return true;
    }
};
