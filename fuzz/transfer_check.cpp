// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "byte_order.h"
#include "transfer_protocol.h"

namespace velmora::fuzz {
namespace {

using namespace velmora::link;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "transfer check failed: %s\n", what);
    std::abort();
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
    bool empty() const { return p_ == end_; }
    std::uint8_t byte() { return p_ < end_ ? *p_++ : 0; }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() << 8 | byte()); }
    Bytes take(std::size_t n) {
        n = std::min<std::size_t>(n, static_cast<std::size_t>(end_ - p_));
        Bytes b(p_, p_ + n);
        p_ += n;
        return b;
    }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

// Keeps what an upload stores and watches the order of its steps.
class WatchingSink : public UploadSink {
public:
    enum class Phase { None, Open, Closed, Committed, Discarded };
    Phase phase = Phase::None;
    Bytes stored;

    bool create(const std::string&) override {
        if (phase == Phase::Open || phase == Phase::Closed) fail("a new output while one is pending");
        stored.clear();
        phase = Phase::Open;
        return true;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (phase != Phase::Open) fail("written outside an open output");
        stored.insert(stored.end(), bytes.begin(), bytes.end());
        if (stored.size() > kLargestFileSize + kBlockDataSize) fail("an upload grew past the largest channel file");
        return true;
    }
    bool close() override {
        if (phase != Phase::Open) fail("closed an output that is not open");
        phase = Phase::Closed;
        return true;
    }
    bool readBack(Bytes& out) override {
        if (phase != Phase::Closed) fail("read back an output that is not closed");
        out = stored;
        return true;
    }
    bool commit() override {
        if (phase != Phase::Closed) fail("committed an output that is not complete");
        phase = Phase::Committed;
        return true;
    }
    void discard() override {
        if (phase == Phase::Committed) fail("discarded a committed output");
        phase = Phase::Discarded;
    }
    bool pending() const { return phase == Phase::Open || phase == Phase::Closed; }
};

bool has(const Actions& actions, Action::Kind kind) {
    return std::any_of(actions.begin(), actions.end(), [kind](const Action& a) { return a.kind == kind; });
}

void checkDownloadSends(const Actions& actions, const DownloadMachine& m, std::uint32_t& blocksSent) {
    for (const Action& a : actions) {
        if (a.kind != Action::Kind::Send) continue;
        const Bytes& b = a.bytes;
        if (b.size() == kDataBlockSize) {
            if (b[0] != code::kBlockLead || b[1] != 0x00 || b[2] != 0xFF || b[1027] != 0x00 || b[1028] != 0xFF)
                fail("a block with wrong framing");
            if (++blocksSent > m.blockCount()) fail("more blocks than the image holds");
        } else if (!(b.size() == kHeaderPacketSize && b[0] == code::kHeaderLead) && b != Bytes{code::kEnd}) {
            fail("the download sent something the protocol does not");
        }
    }
    if (m.downloadOffset() > m.downloadTotal()) fail("the download offset passed the image");
}

void runDownload(Input& in) {
    // A file of the input's size and usage type, with bytes that vary.
    Bytes file(64 + in.word() % 6000);
    for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    writeU32BE(file.data(), kFileMagic);
    writeU16BE(file.data() + 4, in.word());
    writeU32BE(file.data() + 28, in.byte());
    const PreparedDownload prepared = prepareDownload(file);
    if (!prepared.ok()) return;
    DownloadMachine m;
    m.arm(prepared);
    bool armed = true;  // callers feed nothing to a disarmed machine
    std::uint32_t blocksSent = 0;
    while (!in.empty()) {
        const std::uint8_t op = in.byte();
        bool portOpen = true;
        Bytes chunk;
        switch (op >> 5) {
        case 6:
            m.cancel();
            if (op & 1) m.arm(prepared);
            armed = op & 1;
            blocksSent = 0;
            continue;
        case 7: portOpen = false; [[fallthrough]];
        default: chunk = in.take(1 + (op & 0x1F)); break;
        }
        if (!armed) continue;
        const Actions actions = m.feed(chunk, portOpen);
        checkDownloadSends(actions, m, blocksSent);
        if (has(actions, Action::Kind::Disarm)) {
            if (m.state() != DownloadState::Idle) fail("disarmed a download that goes on");
            armed = false;
        }
    }
}

void checkUploadStep(const Actions& actions, const UploadMachine& m, const WatchingSink& sink) {
    for (const Action& a : actions)
        if (a.kind == Action::Kind::Send && a.bytes.size() != 1) fail("an upload sends single bytes only");
    const bool completed = std::any_of(actions.begin(), actions.end(), [](const Action& a) {
        return a.kind == Action::Kind::Send && a.bytes == Bytes{code::kComplete};
    });
    if (completed != (sink.phase == WatchingSink::Phase::Committed && m.outcome() == Outcome::Succeeded))
        fail("an output kept without a completed upload, or a completed upload not kept");
    if (m.outcome() == Outcome::Failed && sink.pending()) fail("a failed upload left its output pending");
    if (m.blocksReceived() > kMaxUploadBlocks) fail("more blocks than the largest channel file");
}

// A header the machine takes: 0x55 first, the rest from the input.
Bytes header(Input& in) {
    Bytes h = in.take(64);
    h.resize(64, 0);
    writeU32BE(h.data(), kFileMagic);
    writeU32BE(h.data() + 12, in.word());  // dataLength within a few blocks
    return h;
}

void runUpload(Input& in) {
    WatchingSink sink;
    UploadMachine m(&sink);
    m.start("out.bin");
    bool armed = true;
    while (!in.empty()) {
        const std::uint8_t op = in.byte();
        std::vector<Bytes> chunks;
        bool portOpen = true;
        switch (op >> 5) {
        case 3: {  // whole blocks, many at once: the way to the size limit
            const std::size_t count = in.word() % 1200;
            const DataBlock block = makeDataBlock(std::array<std::uint8_t, kBlockDataSize>{});
            for (std::size_t k = 0; k < count; ++k) chunks.emplace_back(block.begin(), block.end());
            break;
        }
        case 4: {
            Bytes h = header(in);
            if (op & 1) h.insert(h.begin(), code::kHeaderLead);
            chunks.push_back(std::move(h));
            break;
        }
        case 5: chunks.push_back(Bytes{code::kEnd}); break;
        case 6:
            m.cancel();
            if (sink.pending()) fail("a cancelled upload left its output");
            if (op & 1) m.start("out.bin");
            armed = op & 1;
            continue;
        case 7: portOpen = false; [[fallthrough]];
        default: chunks.push_back(in.take(1 + ((op & 0x1F) << 6 | (in.byte() & 0x3F)))); break;
        }
        for (const Bytes& chunk : chunks) {
            if (chunk.empty() || !armed) continue;
            const Actions actions = m.feed(chunk, portOpen);
            checkUploadStep(actions, m, sink);
            if (has(actions, Action::Kind::Disarm)) armed = false;
        }
    }
}

}  // namespace

void checkTransferInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    if (in.byte() & 1)
        runUpload(in);
    else
        runDownload(in);
}

}  // namespace velmora::fuzz
