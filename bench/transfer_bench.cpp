// SPDX-License-Identifier: GPL-3.0-or-later
// Transfer speed over a pseudo-terminal with a capacity-sized channel file.
//
// BM_DownloadTurnaround: the PC side runs the download machine on the real
// serial driver; the receiver answers at once from a thread. Reported:
//   pc_turnaround_us   median time from the drained acknowledgement to the
//                      return of the write of the next block (PC work only)
//   round_trip_us      median time the receiver waits from writing its
//                      acknowledgement to reading the next block (both pty
//                      hops, the watcher's wake-up and the PC's work)
// BM_PacedDownload: the virtual receiver paced like a 115200 baud line;
// reports wall time, the line's own time (bytes both ways x 10 / baud) and
// their ratio.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "byte_order.h"
#include "channel_writer.h"
#include "checksum.h"
#include "sample_data.h"
#include "transfer_protocol.h"
#include "transfer_runner.h"
#include "virtual_receiver.h"

using namespace velmora;
using namespace velmora::link;
using Clock = std::chrono::steady_clock;

namespace {

const Bytes& capacityFile() {
    static const Bytes file = serializeUnchanged(makeSampleDatabase(SampleOptions::capacity()));
    return file;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void BM_DownloadTurnaround(benchmark::State& state) {
    const PreparedDownload prepared = prepareDownload(capacityFile());
    std::vector<double> pcTurn, roundTrip;
    for (auto _ : state) {
        PseudoTerminal pty;
        if (!pty.open()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        // Open first: opening flushes the line, and the request must survive.
        PortSession session;
        std::string error;
        if (!session.open(pty.slavePath, 115200, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        std::atomic<bool> stop{false};
        std::vector<double> rt;
        std::thread box([&] {
            VirtualReceiver r({});
            std::vector<std::uint8_t> buf(65536);
            Clock::time_point ackAt{};
            bool acked = false;
            // Ask until the header comes, then answer every block at once.
            Bytes first = r.request();
            [[maybe_unused]] auto w0 = ::write(pty.master, first.data(), first.size());
            while (!stop.load()) {
                pollfd pf{pty.master, POLLIN, 0};
                if (::poll(&pf, 1, 50) <= 0) continue;
                const ssize_t n = ::read(pty.master, buf.data(), buf.size());
                if (n <= 0) continue;
                const auto now = Clock::now();
                if (acked) rt.push_back(micros(now - ackAt));
                acked = false;
                const Bytes out = r.feed(std::span<const std::uint8_t>(buf.data(), static_cast<std::size_t>(n)));
                if (out.empty()) continue;
                [[maybe_unused]] auto w = ::write(pty.master, out.data(), out.size());
                if (out == Bytes{code::kAccept} && r.state() == VirtualReceiver::State::DownloadBlocks) {
                    ackAt = Clock::now();
                    acked = true;
                }
            }
        });

        DownloadMachine m;
        m.arm(prepared);
        session.flags().downloadArmed.store(true);
        std::vector<std::uint8_t> chunk;
        chunk.reserve(ReceiveQueue::kCapacity);
        while (m.outcome() == Outcome::Pending) {
            chunk.clear();
            session.port().queue().drain(chunk);
            if (chunk.empty()) {
                if (session.wait(std::chrono::milliseconds(5000)) == PortSession::Wake::Timeout) break;
                continue;
            }
            const auto t0 = Clock::now();
            const bool ackForBlock = m.state() == DownloadState::AwaitBlockAck;
            const Actions actions = m.feed(chunk);
            for (const Action& a : actions) {
                if (a.kind != Action::Kind::Send) continue;
                session.port().write(a.bytes.data(), a.bytes.size());
                if (ackForBlock && a.bytes.size() == kDataBlockSize) pcTurn.push_back(micros(Clock::now() - t0));
            }
        }
        stop = true;
        box.join();
        if (m.outcome() != Outcome::Succeeded) {
            state.SkipWithError("download failed");
            return;
        }
        roundTrip.insert(roundTrip.end(), rt.begin(), rt.end());
    }
    state.counters["blocks"] = static_cast<double>((prepared.image.size() - 64) / 1024);
    state.counters["pc_turnaround_us"] = median(pcTurn);
    state.counters["round_trip_us"] = median(roundTrip);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * prepared.image.size()));
}
BENCHMARK(BM_DownloadTurnaround)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_PacedDownload(benchmark::State& state) {
    const int baud = 115200;
    // range(0): bytes of file data (0 = the capacity-sized file).
    Bytes file = capacityFile();
    if (state.range(0) > 0) {
        file.resize(64 + static_cast<std::size_t>(state.range(0)));
        writeU32BE(&file[12], static_cast<std::uint32_t>(file.size() - 64));
        writeU16BE(&file[6], byteSum16(std::span<const std::uint8_t>(file.data() + 64, file.size() - 64)));
    }
    const PreparedDownload prepared = prepareDownload(file);
    const std::size_t blocks = (prepared.image.size() - 64) / 1024;
    // request, header packet, its answer, blocks with their answers, end, verdict
    const double wireBytes = 1 + 65 + 1 + static_cast<double>(blocks) * (kDataBlockSize + 1) + 1 + 1;
    const double lineSeconds = wireBytes * 10.0 / baud;
    double wall = 0;
    for (auto _ : state) {
        PseudoTerminal pty;
        if (!pty.open()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        PortSession session;
        std::string error;
        if (!session.open(pty.slavePath, baud, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        DownloadMachine m;
        m.arm(prepared);
        VirtualReceiver box({});
        ReceiverLine line;
        line.paceBaud = baud;
        line.once = true;
        line.heldSlave = pty.slave;
        std::atomic<bool> stop{false};
        const auto start = Clock::now();
        std::thread receiver([&] { serveReceiver(pty.master, box, line, &stop); });
        const RunReport r = runDownload(session, m, std::chrono::seconds(10), {});
        wall = std::chrono::duration<double>(Clock::now() - start).count();
        stop = true;
        receiver.join();
        if (r.status != RunStatus::Succeeded) {
            state.SkipWithError("download failed");
            return;
        }
        state.SetIterationTime(wall);
    }
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["wall_s"] = wall;
    state.counters["line_s"] = lineSeconds;
    state.counters["ratio"] = wall / lineSeconds;
}
BENCHMARK(BM_PacedDownload)->Arg(10 * 1024)->Arg(100 * 1024)->Arg(0)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
