// SPDX-License-Identifier: GPL-3.0-or-later
// The download (PC -> receiver) and upload (receiver -> PC) state machines of
// the stop-and-wait transfer protocol. Widget-free: each call takes the bytes
// drained from the receive queue and returns what the caller must do, in
// order, so that the editor, the command-line tool and the tests all drive the
// same code.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "channel_database.h"
#include "version_store.h"

namespace velmora::link {

// Byte codes on the line.
namespace code {
inline constexpr std::uint8_t kRequest = 0x01;
inline constexpr std::uint8_t kBlockLead = 0x02;
inline constexpr std::uint8_t kEnd = 0x03;
inline constexpr std::uint8_t kHeaderLead = 0x08;
inline constexpr std::uint8_t kAccept = 0x10;
inline constexpr std::uint8_t kRefuseHardware = 0x12;
inline constexpr std::uint8_t kRefuseSoftware = 0x13;
inline constexpr std::uint8_t kRefuseModel = 0x14;
inline constexpr std::uint8_t kChecksumError = 0x15;
inline constexpr std::uint8_t kVerifyError = 0x16;
inline constexpr std::uint8_t kComplete = 0x17;
}  // namespace code

inline constexpr std::size_t kHeaderPacketSize = 65;
inline constexpr std::size_t kBlockDataSize = 1024;
inline constexpr std::size_t kDataBlockSize = 1029;
inline constexpr std::uint32_t kFirstBlockOffset = 64;

// Message texts.
inline constexpr const char* kTextPortClosed = "You must initialize the serial port.";
inline constexpr const char* kTextInvalidFormat = "Invalid Data Format";
inline constexpr const char* kTextUnknownUsage = "Unknown Usage Type";
inline constexpr const char* kTextHardwareError = "H/W version error";
inline constexpr const char* kTextSoftwareError = "S/W version error";
inline constexpr const char* kTextModelError = "Model ID error";
inline constexpr const char* kTextChecksumError = "Checksum error";
inline constexpr const char* kTextVerifyError = "Verify error";
inline constexpr const char* kTextDownloadOk = "Download OK";
inline constexpr const char* kTextUploadCompleteC = "UpLoad Complete(C)!!";
inline constexpr const char* kTextUploadCompleteM = "UpLoad Complete(M)!!";

using Bytes = std::vector<std::uint8_t>;
using HeaderPacket = std::array<std::uint8_t, kHeaderPacketSize>;
using DataBlock = std::array<std::uint8_t, kDataBlockSize>;

// 0x08 followed by the header, big-endian, 32 text bytes as stored.
HeaderPacket makeHeaderPacket(const FileHeader& header);
// The 64 header bytes as they stand at the start of a channel file.
std::array<std::uint8_t, 64> encodeFileHeader(const FileHeader& header);
// 0x02 0x00 0xFF, the 1024 data bytes, 0x00 0xFF.
DataBlock makeDataBlock(std::span<const std::uint8_t, kBlockDataSize> data);

// Size of the padded download image of a file of `fileSize` bytes: whole
// 1024-byte blocks after the 64-byte header, always with room for at least one
// byte of padding. 0 for a file shorter than its header or an image that would
// not fit in 32 bits.
std::uint32_t downloadImageSize(std::uint64_t fileSize);

// Usage groups. The download command and the upload verdict look at the low
// byte; the header packet is only sent for the whole 16-bit values 2, 3, 0x80.
bool isMGroup(std::uint16_t usageType);
bool downloadAccepts(std::uint16_t usageType);
bool headerPacketAllowed(std::uint16_t usageType);

enum class DownloadState { Idle = 0, HeaderSent = 1, SendBlock = 2, AwaitBlockAck = 3, AwaitResult = 4 };
enum class UploadState { AwaitHeader = 0, HeaderReceived = 1, ReceivingBlocks = 2 };

// How a finished transfer ended; Pending while it runs.
enum class Outcome { Pending, Succeeded, Refused, Failed };

struct Action {
    enum class Kind {
        Send,           // write `bytes` to the port
        Progress,       // report `value` to the progress dialog
        Message,        // show `text` in a message box
        Done,           // close the progress dialog
        Disarm,         // clear the armed flag of this direction
        ReplaceHeader,  // the loaded FileHeader takes the values of `header`
    };
    Kind kind;
    Bytes bytes;
    std::uint32_t value = 0;
    std::string text;
    FileHeader header{};

    static Action send(Bytes b) { return {Kind::Send, std::move(b), 0, {}, {}}; }
    static Action progress(std::uint32_t v) { return {Kind::Progress, {}, v, {}, {}}; }
    static Action message(std::string t) { return {Kind::Message, {}, 0, std::move(t), {}}; }
    static Action done() { return {Kind::Done, {}, 0, {}, {}}; }
    static Action disarm() { return {Kind::Disarm, {}, 0, {}, {}}; }
    static Action replaceHeader(const FileHeader& h) { return {Kind::ReplaceHeader, {}, 0, {}, h}; }
};
using Actions = std::vector<Action>;

// ---------------------------------------------------------------- download

enum class PrepareStatus { Ok, CannotOpen, BadMagic, InvalidFormat, TooLarge };

struct PreparedDownload {
    PrepareStatus status = PrepareStatus::CannotOpen;
    std::string message;  // text for the user; empty when the editor stays silent
    std::string error;    // reason for the command line (e.g. errno text)
    FileHeader header{};
    bool mGroup = false;
    Bytes image;  // the whole file padded with 0xFF to downloadImageSize()

    bool ok() const { return status == PrepareStatus::Ok; }
};

// Checks a file chosen for a download and loads its padded image.
PreparedDownload prepareDownload(std::span<const std::uint8_t> fileBytes);
PreparedDownload prepareDownloadFile(const std::string& path);

// Total shown by the download dialog and reached by its last progress value.
std::uint32_t downloadProgressTotal(const FileHeader& header, bool mGroup);

class DownloadMachine {
public:
    // Takes the prepared file; resets to Idle with the first block next.
    void arm(const PreparedDownload& prepared);
    // Back to Idle after a cancel; the image stays loaded.
    void cancel();

    // One call per drained chunk.
    Actions feed(std::span<const std::uint8_t> chunk, bool portOpen = true);

    DownloadState state() const { return state_; }
    Outcome outcome() const { return outcome_; }
    const FileHeader& header() const { return header_; }
    bool mGroupTransfer() const { return mGroupTransfer_; }
    const Bytes& downloadImage() const { return downloadImage_; }
    std::uint32_t downloadTotal() const { return downloadTotal_; }
    std::uint32_t downloadOffset() const { return downloadOffset_; }
    std::uint32_t progressTotal() const { return downloadProgressTotal(header_, mGroupTransfer_); }
    std::uint32_t blockCount() const { return downloadTotal_ > 64 ? (downloadTotal_ - 64) / 1024 : 0; }

private:
    void sendBlock(Actions& out);
    void finish(Actions& out, Outcome outcome);

    DownloadState state_ = DownloadState::Idle;
    Outcome outcome_ = Outcome::Pending;
    FileHeader header_{};
    bool mGroupTransfer_ = false;
    Bytes downloadImage_;
    std::uint32_t downloadTotal_ = 0;
    std::uint32_t downloadOffset_ = kFirstBlockOffset;
};

// ---------------------------------------------------------------- upload

// Where an upload is stored. The machine creates the output when the header
// has come, appends each block, reads the stored bytes back to test their sum
// and, only when the upload has completed, commits them under the chosen
// name. Every other ending discards them: the chosen name keeps whatever file
// it had, or stays absent.
class UploadSink {
public:
    virtual ~UploadSink() = default;
    virtual bool create(const std::string& path) = 0;
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    virtual bool close() = 0;  // false when the data could not be stored
    virtual bool readBack(Bytes& out) = 0;
    virtual bool commit() { return true; }
    virtual void discard() {}
    // Why the last step failed, when known.
    virtual std::string failure() const { return {}; }
    // A file stood under the chosen name when the output was created.
    virtual bool replacing() const { return false; }
};

// A temporary file beside the chosen one, renamed over it on commit (keeping
// the old file's permissions), exactly as a save of the editor does.
class FileUploadSink : public UploadSink {
public:
    bool create(const std::string& path) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    bool close() override;
    bool readBack(Bytes& out) override;
    bool commit() override;
    void discard() override { file_.discard(); }
    std::string failure() const override { return failure_; }
    bool replacing() const override { return file_.replacing(); }

private:
    bool check(const SaveResult& r);

    PendingFile file_;
    std::string failure_;
};

// Blocks an upload may bring: the largest channel file padded as a download
// pads it. A peer that sends more is not sending a channel file.
inline constexpr std::uint32_t kMaxUploadBlocks = (kLargestFileSize - 64) / kBlockDataSize + 1;

inline constexpr const char* kTextPreviousKept = "The previous file was kept.";

class UploadMachine {
public:
    // Uses a FileUploadSink unless another sink is given (not owned).
    explicit UploadMachine(UploadSink* sink = nullptr);

    // Starts an upload into `path`: returns the request byte to send.
    Actions start(const std::string& path);
    // Back to AwaitHeader after a cancel; the output is discarded.
    void cancel();
    ~UploadMachine();
    UploadMachine(const UploadMachine&) = delete;
    UploadMachine& operator=(const UploadMachine&) = delete;

    // One call per non-empty drained chunk.
    Actions feed(std::span<const std::uint8_t> chunk, bool portOpen = true);

    UploadState state() const { return state_; }
    Outcome outcome() const { return outcome_; }
    const std::string& uploadPath() const { return uploadPath_; }
    std::size_t uploadCount() const { return uploadCount_; }
    std::uint32_t uploadTotal() const { return uploadTotal_; }
    const FileHeader& header() const { return header_; }
    std::uint32_t blocksReceived() const { return blocks_; }
    // The output file could not be created or written (not the peer's fault).
    bool fileFailed() const { return fileFailed_; }
    // A completed upload that replaces a file first keeps that file in
    // `store` (not owned; nullptr: none). A store that cannot be written does
    // not stop the upload; versionProblem() says why until the next start.
    void setVersionStore(VersionStore* store) { versions_ = store; }
    const std::string& versionProblem() const { return versionProblem_; }

private:
    void takeHeaderBytes(std::span<const std::uint8_t> chunk, Actions& out);
    void headerReceived(Actions& out);
    void takeBlockBytes(std::span<const std::uint8_t> chunk, Actions& out);
    void endOfTransfer(Actions& out);
    void fail(Actions& out, std::string text, bool fileFault = true);
    void discardOutput();

    UploadSink* sink_;
    std::unique_ptr<FileUploadSink> ownSink_;
    VersionStore* versions_ = nullptr;
    std::string versionProblem_;
    UploadState state_ = UploadState::AwaitHeader;
    Outcome outcome_ = Outcome::Pending;
    std::string uploadPath_;
    bool fileOpen_ = false;  // created and not yet committed or discarded
    bool rejected_ = false;  // answered 0x15: the output is gone for good
    bool fileFailed_ = false;
    std::size_t uploadCount_ = 0;
    std::uint32_t uploadTotal_ = 0;
    std::uint32_t blocks_ = 0;
    std::array<std::uint8_t, 64> headerArea_{};
    std::array<std::uint8_t, kDataBlockSize> blockArea_{};
    FileHeader header_{};
};

}  // namespace velmora::link
