// SPDX-License-Identifier: GPL-3.0-or-later
// Byte ring between the serial watcher thread (the only producer) and the UI
// thread (the only consumer). No locks: each side owns one index and
// publishes it with release; the other side reads it with acquire, so a byte
// is always written before the index that covers it becomes visible.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::link {

class ReceiveQueue {
public:
    // One slot always stays free so that "full" and "empty" differ.
    static constexpr std::size_t kStorage = 65536, kCapacity = 65535;

    ReceiveQueue() = default;
    ReceiveQueue(const ReceiveQueue&) = delete;
    ReceiveQueue& operator=(const ReceiveQueue&) = delete;

    // Bytes currently held. Exact for the calling side; the other side may
    // only have added (producer) or removed (consumer) bytes meanwhile.
    std::size_t count() const;
    std::size_t freeSpace() const { return kCapacity - count(); }

    // Producer side.
    bool put(std::uint8_t b);                             // false when full (byte not stored)
    bool putChunk(const std::uint8_t* p, std::size_t n);  // whole chunk or nothing (false = dropped)

    // Consumer side.
    bool get(std::uint8_t& b);  // false when empty
    // Appends up to `max` bytes to `out` in arrival order; returns how many.
    std::size_t drain(std::vector<std::uint8_t>& out, std::size_t max = kCapacity);
    // Discards everything queued so far (consumer side).
    void clear();

private:
    static constexpr std::size_t kMask = kStorage - 1;
    static_assert((kStorage & kMask) == 0, "storage must be a power of two");

    std::uint8_t buf_[kStorage]{};
    std::atomic<std::size_t> head_{0};  // next slot to write; written by the producer only
    std::atomic<std::size_t> tail_{0};  // next slot to read; written by the consumer only
};

}  // namespace velmora::link
