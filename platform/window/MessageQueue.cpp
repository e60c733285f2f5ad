#include "platform/window/MessageQueue.h"

#include "platform/window/WindowTable.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

struct UiThreadInfo {
    std::thread::id id = std::this_thread::get_id();
    DWORD number = GetCurrentThreadId();
};

const UiThreadInfo& UiThread()
{
    static UiThreadInfo info;
    return info;
}

bool takeMatching(std::deque<MSG>& queue, MSG& out, const MessageFilter& filter, bool remove)
{
    for (auto it = queue.begin(); it != queue.end();) {
        // A message for a window that has gone is dropped, never delivered.
        if (it->hwnd && !LookupWindow(it->hwnd)) {
            it = queue.erase(it);
            continue;
        }
        if (filter.acceptsWindow(it->hwnd) && filter.acceptsNumber(it->message)) {
            out = *it;
            if (remove)
                queue.erase(it);
            return true;
        }
        ++it;
    }
    return false;
}

} // namespace

bool MessageFilter::acceptsWindow(HWND target) const
{
    if (!hwnd)
        return true;
    if (hwnd == reinterpret_cast<HWND>(std::intptr_t(-1)))
        return target == nullptr;
    return target == hwnd || IsDescendant(hwnd, target);
}

void MessageQueue::post(const MSG& msg)
{
    {
        std::lock_guard lock(mutex_);
        messages_.push_back(msg);
        ++postCount_;
    }
    posted_.notify_all();
}

bool MessageQueue::hasPosted()
{
    std::lock_guard lock(mutex_);
    return !messages_.empty();
}

void MessageQueue::waitForPost(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    if (!messages_.empty())
        return;
    std::uint64_t seen = postCount_;
    auto arrived = [&] { return postCount_ != seen; };
    if (timeoutMs < 0)
        posted_.wait(lock, arrived);
    else
        posted_.wait_for(lock, std::chrono::milliseconds(timeoutMs), arrived);
}

bool MessageQueue::takePosted(MSG& out, const MessageFilter& filter, bool remove)
{
    std::lock_guard lock(mutex_);
    return takeMatching(messages_, out, filter, remove);
}

void MessageQueue::addRaw(RawInput input)
{
    // Moves are only worth their latest position: a waiting move is replaced
    // rather than followed.
    if (input.kind == RawInput::Kind::Move && !raw_.empty() && raw_.back().kind == RawInput::Kind::Move
        && raw_.back().mouseKeys == input.mouseKeys) {
        raw_.back() = std::move(input);
        return;
    }
    raw_.push_back(std::move(input));
}

bool MessageQueue::takeRaw(RawInput& out)
{
    if (raw_.empty())
        return false;
    out = std::move(raw_.front());
    raw_.pop_front();
    return true;
}

void MessageQueue::addInput(const MSG& msg)
{
    input_.push_back(msg);
}

bool MessageQueue::takeInput(MSG& out, const MessageFilter& filter, bool remove)
{
    return takeMatching(input_, out, filter, remove);
}

void MessageQueue::postQuit(int exitCode)
{
    quit_ = true;
    quitCode_ = exitCode;
}

bool MessageQueue::takeQuit(MSG& out, bool remove)
{
    if (!quit_)
        return false;
    out = MSG{};
    out.message = WM_QUIT;
    out.wParam = WPARAM(quitCode_);
    out.time = GetTickCount();
    GetCursorPos(&out.pt);
    if (remove)
        quit_ = false;
    return true;
}

MessageQueue& TheMessageQueue()
{
    // Never destroyed: other threads may still post while the process exits.
    static MessageQueue* queue = new MessageQueue;
    (void)UiThread();
    return *queue;
}

bool OnUserInterfaceThread()
{
    return std::this_thread::get_id() == UiThread().id;
}

DWORD UserInterfaceThreadId()
{
    return UiThread().number;
}

DWORD GetCurrentThreadId()
{
    static std::atomic<DWORD> next{1};
    thread_local DWORD id = next++;
    return id;
}
