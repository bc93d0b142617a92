// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_runner.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <type_traits>
#include <vector>

namespace velmora::link {

PortSession::PortSession() {
    eventFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    port_ = std::make_unique<SerialPort>(flags_, [this](PortEvent e, std::uint16_t) {
        if (e == PortEvent::PortLost || e == PortEvent::WatchError) lost_.store(true);
        if (e == PortEvent::QueueFull) overflow_.store(true);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t w = ::write(eventFd_, &one, sizeof one);
    });
}

PortSession::~PortSession() {
    port_.reset();  // joins the watcher before the eventfd goes away
    if (eventFd_ >= 0) ::close(eventFd_);
}

bool PortSession::open(const std::string& device, int baud, std::string& error) {
    if (eventFd_ < 0) {
        error = std::strerror(errno);
        return false;
    }
    if (!port_->open(device, baud, 1, "8", "None", "1", 0)) {
        error = port_->lastError();
        return false;
    }
    return true;
}

PortSession::Wake PortSession::wait(std::chrono::milliseconds timeout) {
    if (lost_.load()) return Wake::Lost;
    pollfd pf{eventFd_, POLLIN, 0};
    // Short waits: the caller looks at its deadline and stop flag in between.
    const auto ms = std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, 200);
    const int r = ::poll(&pf, 1, static_cast<int>(ms));
    if (r > 0) {
        std::uint64_t v = 0;
        [[maybe_unused]] const ssize_t n = ::read(eventFd_, &v, sizeof v);
        return lost_.load() ? Wake::Lost : Wake::Data;
    }
    if (r < 0 && errno == EINTR) return Wake::Data;  // the caller drains and waits again
    return Wake::Timeout;
}

int exitCodeFor(RunStatus status) {
    switch (status) {
    case RunStatus::Succeeded: return 0;
    case RunStatus::Refused:
    case RunStatus::Failed: return 1;
    case RunStatus::PortError:
    case RunStatus::FileError: return 2;
    case RunStatus::TimedOut: return 3;
    case RunStatus::Interrupted: return 130;
    }
    return 1;
}

namespace {

// Carries out the actions of one step. Returns true once the transfer is over.
bool perform(PortSession& s, const Actions& actions, const RunHooks& hooks, RunReport& report, bool download) {
    bool over = false;
    for (const Action& a : actions) {
        switch (a.kind) {
        case Action::Kind::Send: s.port().write(a.bytes.data(), a.bytes.size()); break;
        case Action::Kind::Progress:
            if (hooks.progress) hooks.progress(a.value);
            break;
        case Action::Kind::Message:
            report.detail = a.text;
            if (hooks.message) hooks.message(a.text);
            break;
        case Action::Kind::Done: break;
        case Action::Kind::Disarm:
            (download ? s.flags().downloadArmed : s.flags().uploadArmed).store(false);
            over = true;
            break;
        case Action::Kind::ReplaceHeader:
            if (hooks.replaceHeader) hooks.replaceHeader(a.header);
            break;
        }
    }
    return over;
}

RunStatus statusOf(Outcome o) {
    switch (o) {
    case Outcome::Succeeded: return RunStatus::Succeeded;
    case Outcome::Refused: return RunStatus::Refused;
    case Outcome::Failed:
    case Outcome::Pending: break;
    }
    return RunStatus::Failed;
}

// Where a machine stands; bytes that leave it unchanged (noise, or requests
// from a peer that has nothing to send) do not count as an answer.
std::uint64_t mark(const DownloadMachine& m) {
    return (std::uint64_t{static_cast<unsigned>(m.state())} << 32) | m.downloadOffset();
}
std::uint64_t mark(const UploadMachine& m) {
    return (std::uint64_t{static_cast<unsigned>(m.state())} << 60) ^ (std::uint64_t{m.uploadTotal()} << 16) ^
           m.uploadCount();
}

using Clock = std::chrono::steady_clock;

// now + silence, held at the end of the clock instead of overflowing.
Clock::time_point deadlineAfter(std::chrono::milliseconds silence) {
    const Clock::time_point now = Clock::now();
    const auto room = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::time_point::max() - now);
    return silence >= room ? Clock::time_point::max() : now + silence;
}

template <typename Machine>
RunReport run(PortSession& s, Machine& machine, std::chrono::milliseconds silence, const RunHooks& hooks,
              bool download) {
    RunReport report;
    std::vector<std::uint8_t> chunk;
    chunk.reserve(ReceiveQueue::kCapacity);
    auto deadline = deadlineAfter(silence);
    for (;;) {
        if (hooks.stop && hooks.stop->load() != 0) {
            report.status = RunStatus::Interrupted;
            report.detail = "interrupted";
            break;
        }
        chunk.clear();
        s.port().queue().drain(chunk);
        if (!chunk.empty()) {
            const std::uint64_t before = mark(machine);
            // The port was opened for this run; bytes still queued after the
            // device went away were received and count.
            const Actions actions = machine.feed(chunk, true);
            if (!actions.empty() || mark(machine) != before) deadline = deadlineAfter(silence);
            const bool over = perform(s, actions, hooks, report, download);
            if (over || machine.outcome() != Outcome::Pending) {
                (download ? s.flags().downloadArmed : s.flags().uploadArmed).store(false);
                report.status = statusOf(machine.outcome());
                if constexpr (std::is_same_v<Machine, UploadMachine>) {
                    if (machine.fileFailed()) report.status = RunStatus::FileError;
                }
                // A checksum mismatch of an upload is answered without a text.
                if (!download && report.status == RunStatus::Failed && report.detail.empty())
                    report.detail = kTextChecksumError;
                return report;
            }
            continue;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            report.status = RunStatus::TimedOut;
            report.detail = "no answer from the receiver";
            break;
        }
        if (s.wait(left) == PortSession::Wake::Lost && s.port().queue().count() == 0) {
            report.status = RunStatus::PortError;
            report.detail = "the port was lost";
            break;
        }
    }
    (download ? s.flags().downloadArmed : s.flags().uploadArmed).store(false);
    machine.cancel();  // an upload's output goes; the chosen file stays as it was
    return report;
}

}  // namespace

RunReport runDownload(PortSession& session, DownloadMachine& machine, std::chrono::milliseconds silence,
                      const RunHooks& hooks) {
    session.flags().uploadArmed.store(false);
    session.flags().downloadArmed.store(true);
    return run(session, machine, silence, hooks, true);
}

RunReport runUpload(PortSession& session, UploadMachine& machine, const std::string& path,
                    std::chrono::milliseconds silence, const RunHooks& hooks) {
    session.flags().downloadArmed.store(false);
    session.flags().uploadArmed.store(true);
    RunReport report;
    perform(session, machine.start(path), hooks, report, false);
    return run(session, machine, silence, hooks, false);
}

}  // namespace velmora::link
