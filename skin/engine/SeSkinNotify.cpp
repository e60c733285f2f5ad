#include "skin/engine/SeSkinNotify.h"

#include "platform/WinUser.h"
#include "platform/WinUserMessages.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TSeSkinReceiver*>& forms()
{
    static std::vector<TSeSkinReceiver*> list;
    return list;
}

void drainMessageQueue()
{
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the main loop to see.
            PostQuitMessage(int(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

TSeMessagePump& pump()
{
    static TSeMessagePump current = drainMessageQueue;
    return current;
}

bool registered(TSeSkinReceiver* form)
{
    return std::find(forms().begin(), forms().end(), form) != forms().end();
}

} // namespace

void RegisterSkinForm(TSeSkinReceiver* form)
{
    if (form && !registered(form))
        forms().push_back(form);
}

void UnregisterSkinForm(TSeSkinReceiver* form) { std::erase(forms(), form); }

int SkinFormCount() { return int(forms().size()); }

TSeMessagePump SetSkinMessagePump(TSeMessagePump newPump)
{
    TSeMessagePump previous = std::move(pump());
    pump() = newPump ? std::move(newPump) : TSeMessagePump(drainMessageQueue);
    return previous;
}

void NotifySkinReceiver(TSeSkinReceiver& receiver, UINT message, TSeSkinEngine* engine)
{
    receiver.ReceiveSkinMessage(message, engine);
    for (int i = 0; i < receiver.SkinChildCount(); ++i)
        if (TSeSkinReceiver* child = receiver.SkinChild(i))
            NotifySkinReceiver(*child, message, engine);
}

void NotifySkinForms(UINT message, TSeSkinEngine* engine)
{
    // A copy, since a form may close while it handles the message.
    const std::vector<TSeSkinReceiver*> snapshot = forms();
    for (TSeSkinReceiver* form : snapshot) {
        if (!registered(form))
            continue;
        NotifySkinReceiver(*form, message, engine);
        pump()();
    }
}
