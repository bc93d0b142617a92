// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtual_receiver.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "channel_reader.h"
#include "checksum.h"
#include "serial_baud.h"
#include "transfer_protocol.h"

namespace velmora::link {

VirtualReceiver::VirtualReceiver(Options options) : options_(std::move(options)) {}

std::vector<std::uint8_t> VirtualReceiver::request() const {
    if (state_ != State::Idle) return {};
    return {code::kRequest};
}

void VirtualReceiver::finish(bool download, std::uint8_t answer) {
    state_ = State::Idle;
    if (onFinished) onFinished(Finished{download, answer, blocks_});
}

std::uint8_t VirtualReceiver::downloadVerdict() const {
    switch (options_.verdict) {
    case Verdict::Ok: return code::kComplete;
    case Verdict::Checksum: return code::kChecksumError;
    case Verdict::Verify: return code::kVerifyError;
    case Verdict::Auto: break;
    }
    const std::size_t have = received_.size() - std::min<std::size_t>(received_.size(), 64);
    if (header_.dataLength > have) return code::kChecksumError;
    const std::uint16_t sum = byteSum16(std::span<const std::uint8_t>(received_.data() + 64, header_.dataLength));
    return sum == header_.checksum ? code::kComplete : code::kChecksumError;
}

void VirtualReceiver::sendBlock(std::vector<std::uint8_t>& out) {
    const std::size_t offset = 64 + nextBlock_ * kBlockDataSize;
    const DataBlock block = makeDataBlock(std::span<const std::uint8_t, kBlockDataSize>(image_.data() + offset,
                                                                                        kBlockDataSize));
    out.insert(out.end(), block.begin(), block.end());
    ++nextBlock_;
    ++blocks_;
    state_ = State::UploadBlocks;
}

std::vector<std::uint8_t> VirtualReceiver::feed(std::span<const std::uint8_t> chunk) {
    std::vector<std::uint8_t> out;
    const std::uint8_t* p = chunk.data();
    const std::uint8_t* end = p + chunk.size();
    while (p < end) {
        switch (state_) {
        case State::Idle: {
            const std::uint8_t b = *p++;
            if (b == code::kHeaderLead) {
                headerBytes_.clear();
                state_ = State::DownloadHeader;
            } else if (b == code::kRequest) {
                const std::vector<std::uint8_t>& source = options_.serve ? *options_.serve : received_;
                if (source.size() < 64) break;  // nothing to serve
                // Whole blocks after the header; the last one padded with 0xFF.
                const std::size_t data = source.size() - 64;
                const std::size_t blocks = (data + kBlockDataSize - 1) / kBlockDataSize;
                image_.assign(64 + blocks * kBlockDataSize, 0xFF);
                std::copy(source.begin(), source.end(), image_.begin());
                nextBlock_ = 0;
                blocks_ = 0;
                if (options_.headerLead) out.push_back(code::kHeaderLead);
                out.insert(out.end(), image_.begin(), image_.begin() + 64);
                state_ = State::UploadHeaderSent;
            }
            break;
        }
        case State::DownloadHeader: {
            const std::size_t n = std::min<std::size_t>(64 - headerBytes_.size(), static_cast<std::size_t>(end - p));
            headerBytes_.insert(headerBytes_.end(), p, p + n);
            p += n;
            if (headerBytes_.size() < 64) break;
            header_ = decodeFileHeader(headerBytes_.data());
            blocks_ = 0;
            const std::uint8_t refusal = options_.refuse == Refusal::Hardware   ? code::kRefuseHardware
                                         : options_.refuse == Refusal::Software ? code::kRefuseSoftware
                                         : options_.refuse == Refusal::Model    ? code::kRefuseModel
                                                                                : 0;
            if (refusal) {
                out.push_back(refusal);
                finish(true, refusal);
                return out;  // whatever else came is not for us
            }
            received_ = headerBytes_;
            block_.clear();
            out.push_back(code::kAccept);
            state_ = State::DownloadBlocks;
            break;
        }
        case State::DownloadBlocks: {
            if (block_.empty() && *p == code::kRequest) {
                reset();  // a block starts with 0x02: this is the PC starting over
                break;
            }
            if (block_.empty() && *p == code::kEnd) {
                ++p;
                std::uint8_t verdict = downloadVerdict();
                if (onDownloadComplete && !onDownloadComplete(*this) && verdict == code::kComplete)
                    verdict = code::kVerifyError;
                out.push_back(verdict);
                finish(true, verdict);
                return out;
            }
            const std::size_t n = std::min<std::size_t>(kDataBlockSize - block_.size(), static_cast<std::size_t>(end - p));
            block_.insert(block_.end(), p, p + n);
            p += n;
            if (block_.size() < kDataBlockSize) break;
            received_.insert(received_.end(), block_.begin() + 3, block_.begin() + 3 + kBlockDataSize);
            block_.clear();
            ++blocks_;
            out.push_back(code::kAccept);
            break;
        }
        case State::UploadHeaderSent:
        case State::UploadBlocks: {
            if (*p == code::kRequest) {
                reset();
                break;
            }
            const std::uint8_t b = *p++;
            if (b != code::kAccept) break;
            if (64 + nextBlock_ * kBlockDataSize < image_.size()) {
                sendBlock(out);
            } else {
                out.push_back(code::kEnd);
                state_ = State::UploadEndSent;
            }
            break;
        }
        case State::UploadEndSent: {
            if (*p == code::kRequest) {
                reset();
                break;
            }
            const std::uint8_t b = *p++;
            if (b == code::kComplete || b == code::kChecksumError) {
                finish(false, b);
                // A PC that starts the next upload at once can have its
                // request arrive in the same read as this verdict; dropping
                // it would leave both sides waiting for ever.
            }
            break;
        }
        }
    }
    return out;
}

// ---------------------------------------------------------------- line

namespace {

using Clock = std::chrono::steady_clock;

// Writes everything, waiting while the descriptor is full. With mayDrop a
// full descriptor drops the bytes instead (requests nobody reads yet).
bool writeAll(int fd, const std::uint8_t* p, std::size_t n, bool mayDrop) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w > 0) {
            p += w;
            n -= static_cast<std::size_t>(w);
            continue;
        }
        if (w < 0 && errno == EINTR) continue;
        if (w < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (mayDrop) return true;
            pollfd pf{fd, POLLOUT, 0};
            if (::poll(&pf, 1, 1000) < 0 && errno != EINTR) return false;
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace

int serveReceiver(int fd, VirtualReceiver& receiver, const ReceiverLine& line, const std::atomic<bool>* stop) {
    struct Pending {
        Clock::time_point at;
        std::vector<std::uint8_t> bytes;
        bool request;
    };
    std::deque<Pending> pending;
    // Time one byte takes on the line: start, 8 data bits, stop.
    const auto byteTime = std::chrono::duration<double>(line.paceBaud > 0 ? 10.0 / line.paceBaud : 0.0);
    const bool paced = line.paceBaud > 0;
    Clock::time_point lineFree = Clock::now();
    const auto interval = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(std::clamp(line.requestInterval, 0.0, 3600.0)));
    Clock::time_point nextRequest = Clock::now();
    const auto silenceLimit = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(std::clamp(line.resetAfterSilence, 0.0, 3600.0)));
    Clock::time_point lastActivity = Clock::now();

    bool finished = false;
    int result = 0;
    auto previousFinished = receiver.onFinished;
    receiver.onFinished = [&](const VirtualReceiver::Finished& f) {
        if (previousFinished) previousFinished(f);
        finished = true;
        result = f.answer == code::kComplete ? 0 : 1;
    };
    struct Restore {
        VirtualReceiver& r;
        std::function<void(const VirtualReceiver::Finished&)> f;
        ~Restore() { r.onFinished = f; }
    } restore{receiver, previousFinished};

    // A paced send may not start before the line is free and ends (reaches
    // the peer) only after every byte has had its time on the wire.
    auto schedule = [&](std::vector<std::uint8_t> bytes, Clock::time_point earliest, bool request) {
        if (bytes.empty()) return;
        Clock::time_point at = earliest;
        if (paced) {
            at = std::max(earliest, lineFree) +
                 std::chrono::duration_cast<Clock::duration>(byteTime * static_cast<double>(bytes.size()));
            lineFree = at;
        }
        pending.push_back({at, std::move(bytes), request});
    };

    std::vector<std::uint8_t> buf(65536);
    for (;;) {
        Clock::time_point now = Clock::now();
        while (!pending.empty() && pending.front().at <= now) {
            const Pending& p = pending.front();
            if (!writeAll(fd, p.bytes.data(), p.bytes.size(), p.request)) return 2;
            if (!p.request) lastActivity = std::max(lastActivity, now);
            pending.pop_front();
        }
        if (receiver.state() != VirtualReceiver::State::Idle && pending.empty() && now - lastActivity > silenceLimit) {
            receiver.reset();
            nextRequest = now;
            continue;
        }
        if (finished && line.once && pending.empty()) {
            // Stay on the line a moment so the peer reads the last answer
            // before the descriptor goes away.
            ::tcdrain(fd);
            ::usleep(200000);
            return result;
        }
        if (stop && stop->load() && pending.empty()) return 0;

        if (receiver.state() == VirtualReceiver::State::Idle && pending.empty() && now >= nextRequest) {
            if (line.heldSlave >= 0) ::ioctl(line.heldSlave, TIOCNXCL);
            if (!(finished && line.once)) schedule(receiver.request(), now, true);
            nextRequest = now + interval;
            continue;
        }

        Clock::time_point wake = now + std::chrono::milliseconds(100);
        if (!pending.empty()) wake = std::min(wake, pending.front().at);
        if (receiver.state() == VirtualReceiver::State::Idle)
            wake = std::min(wake, nextRequest);
        else if (pending.empty())
            wake = std::min(wake, std::max(now, lastActivity + silenceLimit + std::chrono::milliseconds(1)));
        // Sub-millisecond waits: a paced answer that is late by a rounded-up
        // millisecond per block would cost a real line about 1 %.
        const auto waitNs = std::max<long long>(
            0, std::chrono::duration_cast<std::chrono::nanoseconds>(wake - now).count());
        const timespec ts{static_cast<time_t>(waitNs / 1000000000), static_cast<long>(waitNs % 1000000000)};

        pollfd pf{fd, POLLIN, 0};
        const int r = ::ppoll(&pf, 1, &ts, nullptr);
        if (r < 0) {
            if (errno == EINTR) continue;
            return 2;
        }
        if (r == 0) continue;
        if (pf.revents & POLLIN) {
            const ssize_t n = ::read(fd, buf.data(), buf.size());
            if (n > 0) {
                const Clock::time_point arrived = Clock::now();
                Clock::time_point heard = arrived;
                if (paced) {
                    heard = std::max(arrived, lineFree) +
                            std::chrono::duration_cast<Clock::duration>(byteTime * static_cast<double>(n));
                    lineFree = heard;
                }
                lastActivity = std::max(lastActivity, heard);
                schedule(receiver.feed(std::span<const std::uint8_t>(buf.data(), static_cast<std::size_t>(n))), heard,
                         false);
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
            if (line.heldSlave < 0) return 2;
        }
        if (pf.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            if (line.heldSlave < 0) return 2;
            // No peer on the held pseudo-terminal right now: wait a little.
            ::usleep(20000);
        }
    }
}

// ---------------------------------------------------------------- descriptors

bool PseudoTerminal::open() {
    close();
    master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        error = std::strerror(errno);
        close();
        return false;
    }
    char name[128];
    if (::ptsname_r(master, name, sizeof name) != 0) {
        error = std::strerror(errno);
        close();
        return false;
    }
    slavePath = name;
    // Holding the slave keeps the line alive between peers and lets us set
    // raw mode before anyone opens it: a cooked slave would echo our bytes.
    slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios t{};
    if (slave < 0 || ::tcgetattr(slave, &t) != 0) {
        error = std::strerror(errno);
        close();
        return false;
    }
    ::cfmakeraw(&t);
    if (::tcsetattr(slave, TCSANOW, &t) != 0) {
        error = std::strerror(errno);
        close();
        return false;
    }
    return true;
}

void PseudoTerminal::close() {
    if (slave >= 0) ::close(slave);
    if (master >= 0) ::close(master);
    slave = master = -1;
}

int openRawDevice(const std::string& path, int baud, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    termios t{};
    if (::tcgetattr(fd, &t) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return -1;
    }
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &t) != 0 || (baud > 0 && !detail::setArbitraryBaud(fd, baud))) {
        error = std::strerror(errno);
        ::close(fd);
        return -1;
    }
    ::tcflush(fd, TCIOFLUSH);
    return fd;
}

}  // namespace velmora::link
