// SPDX-License-Identifier: GPL-3.0-or-later
#include "receive_queue.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace velmora::link {
namespace {

std::vector<std::uint8_t> pattern(std::size_t n, std::size_t seed = 0) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>((i + seed) * 7 + 3);
    return v;
}

// The queue is large (64 KiB); keep it off the test thread's stack.
std::unique_ptr<ReceiveQueue> makeQueue() { return std::make_unique<ReceiveQueue>(); }

TEST(ReceiveQueue, CapacityEdges) {
    auto q = makeQueue();
    EXPECT_EQ(q->count(), 0u);
    std::uint8_t b = 0;
    EXPECT_FALSE(q->get(b));

    for (std::size_t i = 0; i < ReceiveQueue::kCapacity; ++i) ASSERT_TRUE(q->put(static_cast<std::uint8_t>(i)));
    EXPECT_EQ(q->count(), 65535u);
    EXPECT_FALSE(q->put(0xAB)) << "a full queue must refuse the byte";
    EXPECT_EQ(q->count(), 65535u);
    const std::uint8_t one = 1;
    EXPECT_FALSE(q->putChunk(&one, 1));

    // The refused byte was not stored: the first and last bytes are the originals.
    ASSERT_TRUE(q->get(b));
    EXPECT_EQ(b, 0u);
    std::vector<std::uint8_t> rest;
    EXPECT_EQ(q->drain(rest), 65534u);
    EXPECT_EQ(rest.back(), static_cast<std::uint8_t>(65534));
    EXPECT_EQ(q->count(), 0u);
}

TEST(ReceiveQueue, ChunkThatWouldOverflowIsDroppedWhole) {
    auto q = makeQueue();
    ASSERT_TRUE(q->putChunk(pattern(60000).data(), 60000));
    EXPECT_FALSE(q->putChunk(pattern(5536).data(), 5536));
    EXPECT_EQ(q->count(), 60000u) << "nothing of the refused chunk may be kept";
    ASSERT_TRUE(q->putChunk(pattern(5535, 1).data(), 5535));
    EXPECT_EQ(q->count(), 65535u);

    std::vector<std::uint8_t> out;
    q->drain(out);
    const auto a = pattern(60000), c = pattern(5535, 1);
    ASSERT_EQ(out.size(), 65535u);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), out.begin()));
    EXPECT_TRUE(std::equal(c.begin(), c.end(), out.begin() + 60000));
}

TEST(ReceiveQueue, WrapsAroundTheEndOfStorage) {
    auto q = makeQueue();
    std::vector<std::uint8_t> out;
    // Walk the indices across the storage end several times with odd sizes.
    for (int round = 0; round < 40; ++round) {
        const auto chunk = pattern(8196, static_cast<std::size_t>(round));
        ASSERT_TRUE(q->putChunk(chunk.data(), chunk.size()));
        out.clear();
        ASSERT_EQ(q->drain(out, 5000), 5000u);
        EXPECT_TRUE(std::equal(out.begin(), out.end(), chunk.begin()));
        out.clear();
        ASSERT_EQ(q->drain(out), 3196u);
        EXPECT_TRUE(std::equal(out.begin(), out.end(), chunk.begin() + 5000));
    }
    EXPECT_EQ(q->count(), 0u);
    EXPECT_TRUE(q->putChunk(nullptr, 0));

    ASSERT_TRUE(q->putChunk(pattern(100).data(), 100));
    q->clear();
    EXPECT_EQ(q->count(), 0u);
}

// One producer, one consumer, no locks: every byte must arrive exactly once
// and in order. Built and run under ThreadSanitizer too.
TEST(ReceiveQueue, ProducerConsumerStress) {
    auto q = makeQueue();
    constexpr std::size_t kTotal = 4'000'000;
    std::thread producer([&] {
        std::size_t sent = 0;
        std::uint8_t chunk[997];
        bool single = false;
        while (sent < kTotal) {
            single = !single;
            if (single) {
                if (q->put(static_cast<std::uint8_t>(sent * 31))) ++sent;
                continue;
            }
            const std::size_t n = std::min<std::size_t>(sizeof chunk, kTotal - sent);
            for (std::size_t i = 0; i < n; ++i) chunk[i] = static_cast<std::uint8_t>((sent + i) * 31);
            if (q->putChunk(chunk, n)) sent += n;
            else std::this_thread::yield();
        }
    });

    std::size_t received = 0;
    std::size_t errors = 0;
    std::vector<std::uint8_t> out;
    while (received < kTotal) {
        std::uint8_t b;
        if (received % 3 == 0 && q->get(b)) {
            if (b != static_cast<std::uint8_t>(received * 31)) ++errors;
            ++received;
            continue;
        }
        out.clear();
        const std::size_t n = q->drain(out, 4096);
        for (std::size_t i = 0; i < n; ++i) {
            if (out[i] != static_cast<std::uint8_t>((received + i) * 31)) ++errors;
        }
        received += n;
        if (n == 0) std::this_thread::yield();
    }
    producer.join();
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(received, kTotal);
    EXPECT_EQ(q->count(), 0u);
}

}  // namespace
}  // namespace velmora::link
