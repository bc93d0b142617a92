// SPDX-License-Identifier: GPL-3.0-or-later
#include "receive_queue.h"

#include <algorithm>
#include <cstring>

namespace velmora::link {

std::size_t ReceiveQueue::count() const {
    const std::size_t head = head_.load(std::memory_order_acquire);
    const std::size_t tail = tail_.load(std::memory_order_acquire);
    return (head - tail) & kMask;
}

bool ReceiveQueue::put(std::uint8_t b) {
    const std::size_t head = head_.load(std::memory_order_relaxed);
    const std::size_t next = (head + 1) & kMask;
    if (next == tail_.load(std::memory_order_acquire)) return false;
    buf_[head] = b;
    head_.store(next, std::memory_order_release);
    return true;
}

bool ReceiveQueue::putChunk(const std::uint8_t* p, std::size_t n) {
    if (n == 0) return true;
    const std::size_t head = head_.load(std::memory_order_relaxed);
    const std::size_t tail = tail_.load(std::memory_order_acquire);
    const std::size_t used = (head - tail) & kMask;
    if (n > kCapacity - used) return false;  // never split a chunk
    const std::size_t first = std::min(n, kStorage - head);
    std::memcpy(buf_ + head, p, first);
    std::memcpy(buf_, p + first, n - first);
    head_.store((head + n) & kMask, std::memory_order_release);
    return true;
}

bool ReceiveQueue::get(std::uint8_t& b) {
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    if (tail == head_.load(std::memory_order_acquire)) return false;
    b = buf_[tail];
    tail_.store((tail + 1) & kMask, std::memory_order_release);
    return true;
}

std::size_t ReceiveQueue::drain(std::vector<std::uint8_t>& out, std::size_t max) {
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    const std::size_t head = head_.load(std::memory_order_acquire);
    const std::size_t n = std::min((head - tail) & kMask, max);
    if (n == 0) return 0;
    const std::size_t first = std::min(n, kStorage - tail);
    out.insert(out.end(), buf_ + tail, buf_ + tail + first);
    out.insert(out.end(), buf_, buf_ + (n - first));
    tail_.store((tail + n) & kMask, std::memory_order_release);
    return n;
}

void ReceiveQueue::clear() {
    tail_.store(head_.load(std::memory_order_acquire), std::memory_order_release);
}

}  // namespace velmora::link
