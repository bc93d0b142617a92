// SPDX-License-Identifier: GPL-3.0-or-later
// Serial driver figures: ring throughput, bytes through a pseudo-terminal
// both ways, wake-up latency of the watcher and the open/close cycle.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "receive_queue.h"
#include "serial_port.h"

namespace {

using velmora::link::LinkFlags;
using velmora::link::PortEvent;
using velmora::link::ReceiveQueue;
using velmora::link::SerialPort;

void BM_QueueChunkThenDrain(benchmark::State& state) {
    auto q = std::make_unique<ReceiveQueue>();
    const std::vector<std::uint8_t> chunk(static_cast<std::size_t>(state.range(0)), 0x5A);
    std::vector<std::uint8_t> out;
    out.reserve(ReceiveQueue::kCapacity);
    for (auto _ : state) {
        q->putChunk(chunk.data(), chunk.size());
        out.clear();
        benchmark::DoNotOptimize(q->drain(out));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_QueueChunkThenDrain)->Arg(1)->Arg(1029)->Arg(8196);

void BM_QueueBytewise(benchmark::State& state) {
    auto q = std::make_unique<ReceiveQueue>();
    std::uint8_t b = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1029; ++i) q->put(static_cast<std::uint8_t>(i));
        for (int i = 0; i < 1029; ++i) q->get(b);
        benchmark::DoNotOptimize(b);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1029);
}
BENCHMARK(BM_QueueBytewise);

struct Pty {
    int master = -1, slave = -1;
    Pty() { ::openpty(&master, &slave, nullptr, nullptr, nullptr); }
    ~Pty() {
        ::close(master);
        ::close(slave);
    }
};

// Peer -> watcher -> queue -> consumer, 64 KiB per iteration.
void BM_PtyReceive(benchmark::State& state) {
    Pty pty;
    LinkFlags flags;
    SerialPort port(flags);
    if (!port.open(::ttyname(pty.slave), 115200, 1, "8", "None", "1", 0)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    const std::vector<std::uint8_t> data(65536, 0xA5);
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        std::thread writer([&] {
            std::size_t done = 0;
            while (done < data.size()) {
                while (port.queue().count() > 32768) std::this_thread::yield();
                const ssize_t n = ::write(pty.master, data.data() + done, std::min<std::size_t>(4096, data.size() - done));
                if (n > 0) done += static_cast<std::size_t>(n);
            }
        });
        std::size_t got = 0;
        while (got < data.size()) {
            out.clear();
            const std::size_t n = port.queue().drain(out);
            if (n == 0) std::this_thread::yield();
            got += n;
        }
        writer.join();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 65536);
}
BENCHMARK(BM_PtyReceive)->UseRealTime();

// SerialPort::write -> peer, one 1029-byte block per iteration.
void BM_PtyWriteBlock(benchmark::State& state) {
    Pty pty;
    LinkFlags flags;
    SerialPort port(flags);
    if (!port.open(::ttyname(pty.slave), 115200, 1, "8", "None", "1", 0)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    const std::vector<std::uint8_t> block(1029, 0x3C);
    std::uint8_t buf[4096];
    for (auto _ : state) {
        port.write(block.data(), block.size());
        std::size_t got = 0;
        while (got < block.size()) {
            const ssize_t n = ::read(pty.master, buf, sizeof buf);
            if (n > 0) got += static_cast<std::size_t>(n);
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1029);
}
BENCHMARK(BM_PtyWriteBlock)->UseRealTime();

// One byte from the peer until the notification has run (watcher wake-up,
// read, queue, notify) - the latency each acknowledgement of a transfer pays.
void BM_WakeToNotify(benchmark::State& state) {
    Pty pty;
    LinkFlags flags;
    flags.downloadArmed = true;
    std::atomic<int> notified{0};
    SerialPort port(flags, [&](PortEvent e, std::uint16_t) {
        if (e == PortEvent::RxDownload) notified.fetch_add(1, std::memory_order_release);
    });
    if (!port.open(::ttyname(pty.slave), 115200, 1, "8", "None", "1", 0)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    std::uint8_t b = 0x10;
    int seen = 0;
    for (auto _ : state) {
        (void)!::write(pty.master, &b, 1);
        while (notified.load(std::memory_order_acquire) == seen) {
        }
        ++seen;
        port.queue().get(b);
    }
}
BENCHMARK(BM_WakeToNotify)->UseRealTime();

// open + configure + start watcher + close (wake and join).
void BM_OpenClose(benchmark::State& state) {
    Pty pty;
    LinkFlags flags;
    SerialPort port(flags);
    const std::string path = ::ttyname(pty.slave);
    for (auto _ : state) {
        if (!port.open(path, 256000, 1, "8", "None", "1", 0)) {
            state.SkipWithError("open failed");
            break;
        }
        port.close();
    }
}
BENCHMARK(BM_OpenClose)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
