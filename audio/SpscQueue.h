#pragma once
// A fixed-size single-producer single-consumer queue. Neither side locks or
// allocates, so the audio callback may sit at either end. Callers that share
// the producer end must serialise among themselves.

#include <array>
#include <atomic>
#include <cstddef>

template <typename T, std::size_t Capacity>
class SpscQueue {
    static_assert(Capacity >= 2 && (Capacity & (Capacity - 1)) == 0, "capacity must be a power of two");

public:
    // Producer side. False when the queue is full; the item is not taken.
    bool push(const T& item)
    {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == Capacity)
            return false;
        slots_[tail & (Capacity - 1)] = item;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    std::size_t freeSpace() const
    {
        return Capacity - (tail_.load(std::memory_order_relaxed) - head_.load(std::memory_order_acquire));
    }

    // Consumer side: the oldest item, or null when empty. It stays queued until pop().
    const T* front() const
    {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire))
            return nullptr;
        return &slots_[head & (Capacity - 1)];
    }

    void pop() { head_.store(head_.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

    bool tryPop(T& item)
    {
        const T* first = front();
        if (!first)
            return false;
        item = *first;
        pop();
        return true;
    }

private:
    std::array<T, Capacity> slots_{};
    alignas(64) std::atomic<std::size_t> head_{0};
    alignas(64) std::atomic<std::size_t> tail_{0};
};
