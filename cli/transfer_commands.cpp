// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_commands.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "atomic_file.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "support.h"
#include "transfer_protocol.h"
#include "transfer_runner.h"
#include "virtual_receiver.h"

namespace velmora::cli {
namespace {

using namespace velmora::link;

constexpr int kExitUsage = 2;

struct LineOptions {
    std::string port;
    int baud = 115200;
    double timeout = 30.0;
};

void addLineOptions(CLI::App* cmd, LineOptions& o) {
    cmd->add_option("--port", o.port, "serial device (or COM1..COM4)")->required();
    cmd->add_option("--baud", o.baud, "line speed")->capture_default_str()->transform(wholeNumber(1, INT_MAX));
    cmd->add_option("--timeout", o.timeout, "seconds of silence from the receiver before giving up")
        ->capture_default_str()
        ->check(positiveSeconds());
}

// Ctrl-C, a closed terminal or kill end a transfer through its normal end, so
// that an upload's temporary file goes and the chosen file stays as it was.
std::atomic<int> gSignal{0};
std::atomic<bool> gStop{false};
extern "C" void onStopSignal(int sig) {
    gSignal.store(sig);
    gStop.store(true);
}

void catchStopSignals() {
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

// Progress on stderr: a redrawn bar on a terminal, a line per tenth otherwise.
class ProgressLine {
public:
    explicit ProgressLine(std::string label) : label_(std::move(label)), tty_(::isatty(STDERR_FILENO) == 1) {}

    void show(std::uint64_t position, std::uint64_t total) {
        if (total == 0) total = 1;
        const unsigned tenth = static_cast<unsigned>(std::min<std::uint64_t>(10, position * 10 / total));
        if (tty_) {
            constexpr int kWidth = 40;
            const int filled = static_cast<int>(std::min<std::uint64_t>(kWidth, position * kWidth / total));
            std::fprintf(stderr, "\r%s [%s%s] %llu/%llu", label_.c_str(), std::string(filled, '#').c_str(),
                         std::string(kWidth - filled, ' ').c_str(), static_cast<unsigned long long>(position),
                         static_cast<unsigned long long>(total));
            drawn_ = true;
        } else if (!started_ || tenth != lastTenth_) {
            std::fprintf(stderr, "%s %llu/%llu\n", label_.c_str(), static_cast<unsigned long long>(position),
                         static_cast<unsigned long long>(total));
        }
        started_ = true;
        lastTenth_ = tenth;
        std::fflush(stderr);
    }
    // Ends a drawn bar so that the next text starts on its own line.
    void endLine() {
        if (drawn_) std::fputc('\n', stderr);
        drawn_ = false;
    }

private:
    std::string label_;
    bool tty_;
    bool drawn_ = false;
    bool started_ = false;
    unsigned lastTenth_ = 0;
};

int openSession(PortSession& session, const LineOptions& o) {
    std::string error;
    if (!session.open(o.port, o.baud, error)) {
        std::cerr << "velmora: cannot open " << o.port << ": " << error << "\n";
        return kExitUsage;
    }
    return 0;
}

int runSend(const std::string& file, const LineOptions& o) {
    const PreparedDownload prepared = prepareDownloadFile(file);
    if (!prepared.ok()) {
        std::cerr << "velmora: " << file << ": " << (prepared.message.empty() ? prepared.error : prepared.message)
                  << "\n";
        return kExitUsage;
    }
    PortSession session;
    if (const int rc = openSession(session, o)) return rc;
    DownloadMachine machine;
    machine.arm(prepared);
    std::cerr << "Sending " << file << " (" << machine.blockCount() << " blocks) on " << o.port
              << "; waiting for the receiver's request\n";
    ProgressLine bar("download");
    RunHooks hooks;
    const std::uint32_t total = machine.progressTotal();
    hooks.progress = [&](std::uint32_t v) { bar.show(v, total); };
    hooks.message = [&](const std::string& t) {
        bar.endLine();
        std::cerr << t << "\n";
    };
    catchStopSignals();
    hooks.stop = &gSignal;
    const RunReport r = runDownload(session, machine, millis(o.timeout), hooks);
    bar.endLine();
    if (r.status == RunStatus::TimedOut || r.status == RunStatus::PortError || r.status == RunStatus::Interrupted)
        std::cerr << "velmora: " << r.detail << "\n";
    return r.status == RunStatus::Interrupted ? 128 + gSignal.load() : exitCodeFor(r.status);
}

int runReceive(const std::string& out, const LineOptions& o) {
    // Everything about OUT that can be known now is checked before the
    // receiver is asked for anything.
    if (const SaveResult r = checkSaveTarget(out); !r.ok) {
        std::cerr << "velmora: cannot write " << out << ": " << r.error << "\n";
        return kExitUsage;
    }
    struct stat st {};
    const bool existed = ::stat(out.c_str(), &st) == 0;
    PortSession session;
    if (const int rc = openSession(session, o)) return rc;
    UploadMachine machine;
    std::cerr << "Requesting the receiver's file on " << o.port << " into " << out << "\n";
    ProgressLine bar("upload");
    std::uint64_t expected = 0;
    RunHooks hooks;
    hooks.replaceHeader = [&](const FileHeader& h) {
        expected = (static_cast<std::uint64_t>(h.dataLength) + kBlockDataSize - 1) / kBlockDataSize * kDataBlockSize;
    };
    hooks.progress = [&](std::uint32_t v) { bar.show(v, std::max<std::uint64_t>(expected, v)); };
    hooks.message = [&](const std::string& t) {
        bar.endLine();
        std::cerr << t << "\n";
    };
    catchStopSignals();
    hooks.stop = &gSignal;
    const RunReport r = runUpload(session, machine, out, millis(o.timeout), hooks);
    bar.endLine();
    const bool checksum = r.status == RunStatus::Failed && r.detail == kTextChecksumError;
    if (checksum) std::cerr << r.detail << "\n";
    const bool quiet = r.status == RunStatus::TimedOut || r.status == RunStatus::PortError ||
                       r.status == RunStatus::Interrupted;
    if (quiet) std::cerr << "velmora: " << r.detail << "\n";
    // The machine's own failure messages say this already.
    if (quiet || checksum)
        std::cerr << "velmora: " << (existed ? "the previous " + out + " was kept" : out + " was not created") << "\n";
    if (r.status == RunStatus::Interrupted) return 128 + gSignal.load();
    return exitCodeFor(r.status);
}

struct ReceiverOptions {
    std::string port;
    bool pty = false;
    int baud = 115200;
    std::string serve, store, refuse, verdict;
    int pace = 0;
    bool once = false;
    double interval = 0.25;
};

std::string hex(std::uint8_t b) {
    char s[8];
    std::snprintf(s, sizeof s, "0x%.2x", b);
    return s;
}

int runReceiver(const ReceiverOptions& o) {
    if (o.pty == !o.port.empty()) {
        std::cerr << "velmora: give either --port DEV or --pty\n";
        return kExitUsage;
    }
    if (!o.store.empty()) {
        if (const SaveResult r = checkSaveTarget(o.store); !r.ok) {
            std::cerr << "velmora: cannot store into " << o.store << ": " << r.error << "\n";
            return kExitUsage;
        }
    }
    VirtualReceiver::Options vo;
    if (o.refuse == "hw") vo.refuse = VirtualReceiver::Refusal::Hardware;
    if (o.refuse == "sw") vo.refuse = VirtualReceiver::Refusal::Software;
    if (o.refuse == "model") vo.refuse = VirtualReceiver::Refusal::Model;
    if (o.verdict == "ok") vo.verdict = VirtualReceiver::Verdict::Ok;
    if (o.verdict == "checksum") vo.verdict = VirtualReceiver::Verdict::Checksum;
    if (o.verdict == "verify") vo.verdict = VirtualReceiver::Verdict::Verify;
    if (!o.serve.empty()) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!readWholeFile(o.serve, bytes, error)) {
            std::cerr << "velmora: cannot read " << o.serve << ": " << error << "\n";
            return kExitUsage;
        }
        if (bytes.size() < 64) {
            std::cerr << "velmora: " << o.serve << " is shorter than a channel file header\n";
            return kExitUsage;
        }
        vo.serve = std::move(bytes);
    }

    PseudoTerminal pty;
    int fd = -1;
    ReceiverLine line;
    line.paceBaud = o.pace;
    line.once = o.once;
    line.requestInterval = o.interval;
    if (o.pty) {
        if (!pty.open()) {
            std::cerr << "velmora: cannot create a pseudo-terminal: " << pty.error << "\n";
            return kExitUsage;
        }
        fd = pty.master;
        line.heldSlave = pty.slave;
        std::printf("%s\n", pty.slavePath.c_str());
        std::fflush(stdout);
    } else {
        std::string error;
        fd = openRawDevice(SerialPort::devicePathFor(o.port), o.baud, error);
        if (fd < 0) {
            std::cerr << "velmora: cannot open " << o.port << ": " << error << "\n";
            return kExitUsage;
        }
    }

    VirtualReceiver receiver(std::move(vo));
    int storeFailed = 0;
    receiver.onDownloadComplete = [&](const VirtualReceiver& r) {
        if (o.store.empty()) return true;
        const SaveResult s = writeFileAtomically(o.store, r.received());
        if (!s.ok) {
            std::cerr << "velmora: cannot store " << o.store << ": " << s.error << "\n";
            storeFailed = 1;
        }
        return s.ok;
    };
    receiver.onFinished = [&](const VirtualReceiver::Finished& f) {
        std::cerr << (f.download ? "download: " : "upload: ") << f.blocks << " blocks, "
                  << (f.download ? "answered " : "verdict ") << hex(f.answer) << "\n";
    };

    catchStopSignals();

    const int rc = serveReceiver(fd, receiver, line, &gStop);
    if (!o.pty) ::close(fd);
    if (rc == 2) std::cerr << "velmora: the line failed\n";
    return rc != 0 ? rc : storeFailed;
}

}  // namespace

void addTransferCommands(CLI::App& app, int& exitCode) {
    auto file = std::make_shared<std::string>();
    auto line = std::make_shared<LineOptions>();
    auto* send = app.add_subcommand("send", "Download a channel file to a receiver (PC -> box)");
    send->add_option("FILE", *file, "channel file to send")->required();
    addLineOptions(send, *line);
    send->callback([file, line, &exitCode] { exitCode = runSend(*file, *line); });

    auto out = std::make_shared<std::string>();
    auto rline = std::make_shared<LineOptions>();
    auto* receive = app.add_subcommand("receive", "Upload the receiver's channel file into OUT (box -> PC)");
    receive->add_option("OUT", *out, "file to write")->required();
    addLineOptions(receive, *rline);
    receive->callback([out, rline, &exitCode] { exitCode = runReceive(*out, *rline); });

    auto ro = std::make_shared<ReceiverOptions>();
    auto* recv = app.add_subcommand("receiver", "Play a receiver on a serial line or a new pseudo-terminal");
    auto* portOpt = recv->add_option("--port", ro->port, "serial device to answer on");
    auto* ptyOpt = recv->add_flag("--pty", ro->pty, "create a pseudo-terminal and print its path");
    portOpt->excludes(ptyOpt);
    recv->add_option("--baud", ro->baud, "line speed with --port")->capture_default_str()->transform(wholeNumber(1, INT_MAX));
    recv->add_option("--serve", ro->serve, "file to send when the PC asks for an upload");
    recv->add_option("--store", ro->store, "where to store each downloaded file");
    recv->add_option("--refuse", ro->refuse, "refuse every download header")->check(CLI::IsMember({"hw", "sw", "model"}));
    recv->add_option("--verdict", ro->verdict, "force the verdict of a download")
        ->check(CLI::IsMember({"ok", "checksum", "verify"}));
    recv->add_option("--pace", ro->pace, "carry bytes no faster than a line of this speed")
        ->transform(wholeNumber(1, INT_MAX));
    recv->add_flag("--once", ro->once, "end after the first transfer (exit 0 when it succeeded)");
    recv->add_option("--request-interval", ro->interval, "seconds between download requests while idle")
        ->capture_default_str()
        ->check(positiveSeconds());
    recv->callback([ro, &exitCode] { exitCode = runReceiver(*ro); });
}

}  // namespace velmora::cli
