// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the set-top box: plays the receiver's side of both transfer
// directions so that transfers can be tried and tested without hardware.
// VirtualReceiver is the protocol logic (bytes in, bytes out); serveReceiver()
// runs it on a file descriptor such as a pseudo-terminal master, optionally
// paced like a real line.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "channel_database.h"

namespace velmora::link {

class VirtualReceiver {
public:
    enum class Refusal { None, Hardware, Software, Model };
    enum class Verdict { Auto, Ok, Checksum, Verify };
    enum class State {
        Idle,              // requesting a download now and then; answers an upload request
        DownloadHeader,    // collecting the 64 header bytes after 0x08
        DownloadBlocks,    // collecting 1029-byte blocks until 0x03
        UploadHeaderSent,  // waiting for 0x10 after the header
        UploadBlocks,      // a block is out, waiting for 0x10
        UploadEndSent,     // 0x03 is out, waiting for the verdict
    };

    struct Options {
        Refusal refuse = Refusal::None;
        Verdict verdict = Verdict::Auto;
        std::optional<std::vector<std::uint8_t>> serve;  // file for uploads
        bool headerLead = true;                          // send 0x08 before an uploaded header
    };

    // What one finished transfer looked like, for the caller's report.
    struct Finished {
        bool download = true;
        std::uint8_t answer = 0;  // verdict or refusal sent (download), verdict received (upload)
        std::uint32_t blocks = 0;
    };

    explicit VirtualReceiver(Options options);

    // The download request (0x01) while idle; nothing otherwise.
    std::vector<std::uint8_t> request() const;
    // Feeds bytes from the PC; returns the bytes to send back. A request
    // (0x01) where the PC could not send one mid-transfer means the PC has
    // started over: the transfer is dropped and the request answered.
    std::vector<std::uint8_t> feed(std::span<const std::uint8_t> chunk);
    // Drops a transfer the PC abandoned; back to Idle.
    void reset() { state_ = State::Idle; }

    State state() const { return state_; }
    // Header and data received by the last download (64 + 1024 per block).
    const std::vector<std::uint8_t>& received() const { return received_; }
    const FileHeader& receivedHeader() const { return header_; }

    // Called before the verdict of a download goes out (to store the file);
    // false turns a "Download OK" into a verify error.
    std::function<bool(const VirtualReceiver&)> onDownloadComplete;
    // Called when a transfer has ended in either direction.
    std::function<void(const Finished&)> onFinished;

private:
    void downloadByte(const std::uint8_t*& p, const std::uint8_t* end, std::vector<std::uint8_t>& out);
    std::uint8_t downloadVerdict() const;
    void sendBlock(std::vector<std::uint8_t>& out);
    void finish(bool download, std::uint8_t answer);

    Options options_;
    State state_ = State::Idle;
    std::vector<std::uint8_t> received_;
    std::vector<std::uint8_t> headerBytes_;
    std::vector<std::uint8_t> block_;
    FileHeader header_{};
    std::uint32_t blocks_ = 0;
    // upload side
    std::vector<std::uint8_t> image_;  // served file padded to whole blocks
    std::size_t nextBlock_ = 0;
};

struct ReceiverLine {
    int paceBaud = 0;               // 0: as fast as the descriptor goes
    double requestInterval = 0.25;  // seconds between download requests while idle
    bool once = false;              // return after the first finished transfer
    // A transfer the PC leaves silent this long (seconds) is dropped, as a
    // real box does when the PC side stops half-way.
    double resetAfterSilence = 1.0;
    // Extra descriptor to keep usable by others: a held pseudo-terminal slave
    // whose exclusive-use flag is cleared while idle (-1 for none).
    int heldSlave = -1;
};

// Runs `receiver` on `fd` until `stop` is set, the descriptor fails, or (with
// `once`) a transfer has finished. Returns 0 after a clean stop or a
// successful transfer, 1 after a failed one, 2 on a descriptor error.
int serveReceiver(int fd, VirtualReceiver& receiver, const ReceiverLine& line, const std::atomic<bool>* stop);

// A pseudo-terminal whose slave is raw and stays open in this process so the
// line survives peers coming and going.
struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    std::string slavePath;
    std::string error;

    bool open();
    void close();
    ~PseudoTerminal() { close(); }
};

// Opens a serial device path raw at `baud` (for a receiver on a real line).
int openRawDevice(const std::string& path, int baud, std::string& error);

}  // namespace velmora::link
