// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one transfer to its end on a SerialPort without any user interface:
// waits for the watcher's notifications, drains the receive queue, feeds the
// state machine and carries out its actions. Used by the command-line tool and
// the benchmarks; the editor drives the same machines from its event loop.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "serial_port.h"
#include "transfer_protocol.h"

namespace velmora::link {

// A SerialPort whose notifications wake a waiting thread (through an eventfd).
class PortSession {
public:
    PortSession();
    ~PortSession();
    PortSession(const PortSession&) = delete;
    PortSession& operator=(const PortSession&) = delete;

    // 8 data bits, no parity, one stop bit, no flow control.
    bool open(const std::string& device, int baud, std::string& error);

    enum class Wake { Data, Timeout, Lost };
    // Returns when the watcher reported bytes or a lost port, or after `timeout`.
    Wake wait(std::chrono::milliseconds timeout);

    SerialPort& port() { return *port_; }
    LinkFlags& flags() { return flags_; }
    bool queueOverflowed() const { return overflow_.load(); }

private:
    LinkFlags flags_;
    int eventFd_ = -1;
    std::atomic<bool> lost_{false};
    std::atomic<bool> overflow_{false};
    std::unique_ptr<SerialPort> port_;
};

struct RunHooks {
    std::function<void(std::uint32_t position)> progress;
    std::function<void(const std::string& text)> message;
    std::function<void(const FileHeader&)> replaceHeader;
    // Set (to a signal number) from a signal handler to end the run early.
    const std::atomic<int>* stop = nullptr;
};

enum class RunStatus { Succeeded, Refused, Failed, TimedOut, PortError, FileError, Interrupted };

struct RunReport {
    RunStatus status = RunStatus::Failed;
    std::string detail;  // the last message, or why the port failed
};

// Exit code of the command-line tool for a report: 0 ok, 1 refusal or bad
// verdict, 2 port or output-file trouble, 3 timeout (130 when interrupted).
int exitCodeFor(RunStatus status);

// Arms a download (the machine must hold a prepared file) and runs it until
// the verdict, a refusal, a lost port or `silence` in which the peer sent
// nothing that moved the transfer on. A silence too long for the clock means
// waiting as long as the clock goes.
RunReport runDownload(PortSession& session, DownloadMachine& machine, std::chrono::milliseconds silence,
                      const RunHooks& hooks);
// Sends the upload request and runs the upload into `path`. Unless it
// succeeds, nothing under `path` changes.
RunReport runUpload(PortSession& session, UploadMachine& machine, const std::string& path,
                    std::chrono::milliseconds silence, const RunHooks& hooks);

}  // namespace velmora::link
