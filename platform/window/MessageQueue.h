#pragma once
// The user-interface thread's message queue: posted messages (any thread
// may post; a post wakes a waiting loop) and input messages (made by the
// input routing on the user-interface thread). Paint and timer messages are
// not queued: the retrieval synthesises them when nothing else waits.

#include "platform/WinUser.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

// Input as it arrived, before hit-testing: it becomes messages only when the
// loop reaches it, so that whatever the messages before it did (a capture
// taken, a window moved) already counts.
struct RawInput {
    enum class Kind { Move, Button, Wheel, Key, Text } kind = Kind::Move;
    POINT pt{};
    DWORD time = 0;
    WPARAM mouseKeys = 0; // MK_* state when it happened
    int button = 0;       // MouseButton
    bool down = false;
    int delta = 0;
    bool horizontal = false;
    int virtualKey = 0;
    LPARAM keyFlags = 0; // repeat count and the context, previous-state and transition bits
    bool systemKey = false; // Alt held (without Ctrl), or F10, or Alt itself
    std::string text;
};

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
    void addRaw(RawInput input);
    bool takeRaw(RawInput& out);
    bool hasRaw() const { return !raw_.empty(); }
    void addInput(const MSG& msg);
    bool takeInput(MSG& out, const MessageFilter& filter, bool remove);
    bool hasInput() const { return !input_.empty(); }
    void postQuit(int exitCode);
    bool takeQuit(MSG& out, bool remove);
    void discardInput()
    {
        input_.clear();
        raw_.clear();
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<MSG> messages_;
    std::deque<MSG> input_;
    std::deque<RawInput> raw_;
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
