#pragma once
// Base of TFont, TBrush and TPen: a drawing attribute that tells its user
// (usually a canvas) when it changes, so that the user can deselect the old
// GDI object before it is released.

#include "ui/component/Component.h"
#include "ui/component/Types.h"

class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};
