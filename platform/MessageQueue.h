#pragma once
// The user-interface thread's message queue: posted messages (any thread
// may post; a post wakes a waiting loop) and input messages (made by the
// input routing on the user-interface thread). Paint and timer messages are
// not queued: the retrieval synthesises them when nothing else waits.

#include "platform/WinUser.h"

#include <condition_variable>
#include <deque>
#include <mutex>

// Which messages a retrieval accepts.
struct MessageFilter {
    HWND hwnd = nullptr; // null: all; (HWND)-1: only thread messages
    UINT min = 0;
    UINT max = 0;

    bool acceptsNumber(UINT msg) const { return (min == 0 && max == 0) || (msg >= min && msg <= max); }
    // Also accepts messages for the window's children.
    bool acceptsWindow(HWND target) const;
};

class MessageQueue {
public:
    // Any thread.
    void post(const MSG& msg);
    bool hasPosted();
    // Sleeps until a post or the timeout (< 0: no limit).
    void waitForPost(int timeoutMs);

    // User-interface thread only.
    bool takePosted(MSG& out, const MessageFilter& filter, bool remove);
    void addInput(const MSG& msg);
    bool takeInput(MSG& out, const MessageFilter& filter, bool remove);
    bool hasInput() const { return !input_.empty(); }
    void postQuit(int exitCode);
    bool takeQuit(MSG& out, bool remove);
    void discardInput() { input_.clear(); }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<MSG> messages_;
    std::deque<MSG> input_;
    bool quit_ = false;
    int quitCode_ = 0;
    std::uint64_t postCount_ = 0;
};

MessageQueue& TheMessageQueue();

// The user-interface thread: the first thread that touched the window system.
bool OnUserInterfaceThread();
DWORD UserInterfaceThreadId();

// The last message retrieved (GetMessageTime, GetMessagePos).
void SetLastMessage(const MSG& msg);

// Input state updates when an input message is taken from the queue.
void ApplyInputMessageToKeyState(const MSG& msg);
