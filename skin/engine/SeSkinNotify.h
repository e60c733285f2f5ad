#pragma once
// How the skin engine reaches the application's forms and controls when the
// skin changes. Forms register themselves in the application's form order;
// each form hands the message to its window and then to its controls, depth
// first. Pending messages are processed after each form so that repaints
// happen during the change.

#include "platform/WinTypes.h"

#include <functional>

class TSeSkinEngine;

class TSeSkinReceiver {
public:
    virtual ~TSeSkinReceiver() = default;
    // A form sends the message to its window; a control handles it directly.
    virtual void ReceiveSkinMessage(UINT message, TSeSkinEngine* engine) = 0;
    // Windowed controls and forms list their child controls in order.
    virtual int SkinChildCount() const { return 0; }
    virtual TSeSkinReceiver* SkinChild(int) const { return nullptr; }
};

// Forms join in creation order and leave when destroyed; a form that
// leaves during a notification is skipped from then on.
void RegisterSkinForm(TSeSkinReceiver* form);
void UnregisterSkinForm(TSeSkinReceiver* form);
int SkinFormCount();

// What "process pending messages" means; by default the platform queue is
// drained with PeekMessage. Returns the previous pump.
using TSeMessagePump = std::function<void()>;
TSeMessagePump SetSkinMessagePump(TSeMessagePump pump);

// The message to `receiver`, then to its children, depth first.
void NotifySkinReceiver(TSeSkinReceiver& receiver, UINT message, TSeSkinEngine* engine);
// Every registered form in order, each followed by the message pump.
void NotifySkinForms(UINT message, TSeSkinEngine* engine);
