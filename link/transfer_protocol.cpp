// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_protocol.h"

#include <algorithm>
#include <cstring>

#include "byte_order.h"
#include "channel_reader.h"
#include "checksum.h"

namespace velmora::link {

std::array<std::uint8_t, 64> encodeFileHeader(const FileHeader& h) {
    std::array<std::uint8_t, 64> b{};
    writeU32BE(&b[0], h.magic);
    writeU16BE(&b[4], h.usageType);
    writeU16BE(&b[6], h.checksum);
    writeU32BE(&b[8], h.headerParam1);
    writeU32BE(&b[12], h.dataLength);
    writeU32BE(&b[16], h.headerParam2);
    writeU32BE(&b[20], h.headerParam3);
    writeU32BE(&b[24], h.headerParam4);
    writeU32BE(&b[28], h.headerParam5);
    std::memcpy(&b[32], h.headerText.data(), kHeaderTextSize);
    return b;
}

HeaderPacket makeHeaderPacket(const FileHeader& header) {
    HeaderPacket p{};
    p[0] = code::kHeaderLead;
    const auto bytes = encodeFileHeader(header);
    std::copy(bytes.begin(), bytes.end(), p.begin() + 1);
    return p;
}

DataBlock makeDataBlock(std::span<const std::uint8_t, kBlockDataSize> data) {
    DataBlock b;
    b[0] = code::kBlockLead;
    b[1] = 0x00;
    b[2] = 0xFF;
    std::copy(data.begin(), data.end(), b.begin() + 3);
    b[1027] = 0x00;
    b[1028] = 0xFF;
    return b;
}

std::uint32_t downloadImageSize(std::uint64_t fileSize) {
    if (fileSize < kFirstBlockOffset) return 0;
    const std::uint64_t total = fileSize - ((fileSize - kFirstBlockOffset) % kBlockDataSize) + kBlockDataSize;
    if (total > 0xFFFFFFFFull) return 0;
    return static_cast<std::uint32_t>(total);
}

bool isMGroup(std::uint16_t usageType) {
    const unsigned low = usageType & 0xFFu;
    return low == 0x00 || low == 0x80;
}

bool downloadAccepts(std::uint16_t usageType) {
    const unsigned low = usageType & 0xFFu;
    return low <= 3 || low == 0x80;
}

bool headerPacketAllowed(std::uint16_t usageType) { return usageType == 2 || usageType == 3 || usageType == 0x80; }

std::uint32_t downloadProgressTotal(const FileHeader& header, bool mGroup) {
    if (mGroup && header.headerParam5 != 0) return header.headerParam5;
    return header.dataLength;
}

// ---------------------------------------------------------------- download

PreparedDownload prepareDownload(std::span<const std::uint8_t> fileBytes) {
    PreparedDownload p;
    FileHeader header;
    const HeaderStatus hs = readFileHeader(fileBytes, header);
    if (hs != HeaderStatus::Ok) {
        // A file too short to hold a header is no channel file either.
        p.status = PrepareStatus::BadMagic;
        p.message = kTextBadMagic;
        p.error = hs == HeaderStatus::TooShort ? "the file is shorter than its 64-byte header" : "bad magic number";
        return p;
    }
    if (!downloadAccepts(header.usageType)) {
        p.status = PrepareStatus::InvalidFormat;
        p.message = kTextInvalidFormat;
        p.error = "usage type not accepted for a download";
        return p;
    }
    const std::uint32_t total = downloadImageSize(fileBytes.size());
    if (total == 0) {
        p.status = PrepareStatus::TooLarge;
        p.error = "the file is too large";
        p.message = p.error;
        return p;
    }
    p.status = PrepareStatus::Ok;
    p.header = header;
    p.mGroup = isMGroup(header.usageType);
    p.image.assign(total, 0xFF);
    std::copy(fileBytes.begin(), fileBytes.end(), p.image.begin());
    return p;
}

PreparedDownload prepareDownloadFile(const std::string& path) {
    Bytes bytes;
    std::string error;
    if (!readWholeFile(path, bytes, error)) {
        PreparedDownload p;
        p.status = PrepareStatus::CannotOpen;
        p.error = error;
        return p;
    }
    return prepareDownload(bytes);
}

void DownloadMachine::arm(const PreparedDownload& prepared) {
    header_ = prepared.header;
    mGroupTransfer_ = prepared.mGroup;
    downloadImage_ = prepared.image;
    downloadTotal_ = static_cast<std::uint32_t>(downloadImage_.size());
    downloadOffset_ = kFirstBlockOffset;
    state_ = DownloadState::Idle;
    outcome_ = Outcome::Pending;
}

void DownloadMachine::cancel() {
    state_ = DownloadState::Idle;
    downloadOffset_ = kFirstBlockOffset;
}

void DownloadMachine::sendBlock(Actions& out) {
    // A conforming image always holds whole blocks; never read past it.
    if (downloadOffset_ > downloadTotal_ || downloadTotal_ - downloadOffset_ < kBlockDataSize) {
        finish(out, Outcome::Failed);
        return;
    }
    const auto data = std::span<const std::uint8_t, kBlockDataSize>(downloadImage_.data() + downloadOffset_,
                                                                    kBlockDataSize);
    const DataBlock block = makeDataBlock(data);
    out.push_back(Action::send(Bytes(block.begin(), block.end())));
    downloadOffset_ += kBlockDataSize;
    state_ = DownloadState::AwaitBlockAck;
}

void DownloadMachine::finish(Actions& out, Outcome outcome) {
    state_ = DownloadState::Idle;
    downloadOffset_ = kFirstBlockOffset;
    outcome_ = outcome;
    out.push_back(Action::disarm());
}

Actions DownloadMachine::feed(std::span<const std::uint8_t> chunk, bool portOpen) {
    Actions out;
    if (!portOpen) {
        out.push_back(Action::message(kTextPortClosed));
        return out;
    }
    if (chunk.empty()) return out;

    std::size_t i = 0;
    switch (state_) {
    case DownloadState::Idle: {
        if (std::find(chunk.begin(), chunk.end(), code::kRequest) == chunk.end()) return out;
        if (!headerPacketAllowed(header_.usageType)) {
            // Refuse like the other refusals; the editor keeps running with
            // whatever unsaved edits it holds.
            out.push_back(Action::message(kTextUnknownUsage));
            finish(out, Outcome::Refused);
            return out;
        }
        const HeaderPacket p = makeHeaderPacket(header_);
        out.push_back(Action::send(Bytes(p.begin(), p.end())));
        state_ = DownloadState::HeaderSent;
        return out;
    }
    case DownloadState::HeaderSent:
        for (; i < chunk.size(); ++i) {
            const std::uint8_t b = chunk[i];
            if (b == code::kAccept) {
                sendBlock(out);
                return out;
            }
            const char* refusal = b == code::kRefuseHardware   ? kTextHardwareError
                                  : b == code::kRefuseSoftware ? kTextSoftwareError
                                  : b == code::kRefuseModel    ? kTextModelError
                                                               : nullptr;
            if (refusal) {
                out.push_back(Action::message(refusal));
                finish(out, Outcome::Refused);
                return out;
            }
        }
        return out;
    case DownloadState::SendBlock:
        sendBlock(out);
        return out;
    case DownloadState::AwaitBlockAck:
        if (std::find(chunk.begin(), chunk.end(), code::kAccept) == chunk.end()) return out;
        if (downloadOffset_ < downloadTotal_) {
            // The block goes out first: the dialog learns of it afterwards anyway.
            const std::uint32_t position = downloadOffset_;
            sendBlock(out);
            out.push_back(Action::progress(position));
            return out;
        }
        if (!mGroupTransfer_) {
            out.push_back(Action::progress(header_.dataLength));
        } else {
            out.push_back(Action::progress(header_.headerParam5));
            if (header_.headerParam5 == 0) out.push_back(Action::progress(header_.dataLength));
        }
        out.push_back(Action::send(Bytes{code::kEnd}));
        state_ = DownloadState::AwaitResult;
        return out;
    case DownloadState::AwaitResult:
        while (i < chunk.size() && chunk[i] == code::kAccept) ++i;
        for (; i < chunk.size(); ++i) {
            switch (chunk[i]) {
            case code::kChecksumError:
                out.push_back(Action::message(kTextChecksumError));
                finish(out, Outcome::Failed);
                return out;
            case code::kVerifyError:
                out.push_back(Action::message(kTextVerifyError));
                finish(out, Outcome::Failed);
                return out;
            case code::kComplete:
                out.push_back(Action::message(kTextDownloadOk));
                out.push_back(Action::done());
                finish(out, Outcome::Succeeded);
                return out;
            default: break;
            }
        }
        return out;
    }
    return out;
}

// ---------------------------------------------------------------- upload sink

bool FileUploadSink::check(const SaveResult& r) {
    if (!r.ok) failure_ = r.error;
    return r.ok;
}

bool FileUploadSink::create(const std::string& path) {
    failure_.clear();
    return check(file_.begin(path));
}

bool FileUploadSink::write(std::span<const std::uint8_t> bytes) {
    const int err = file_.write(bytes);
    if (err) failure_ = std::strerror(err);
    return err == 0;
}

bool FileUploadSink::close() { return check(file_.finish()); }

bool FileUploadSink::readBack(Bytes& out) {
    std::string error;
    return readWholeFile(file_.temporaryPath(), out, error);
}

bool FileUploadSink::commit() { return check(file_.commit()); }

// ---------------------------------------------------------------- upload

UploadMachine::UploadMachine(UploadSink* sink) : sink_(sink) {
    if (!sink_) {
        ownSink_ = std::make_unique<FileUploadSink>();
        sink_ = ownSink_.get();
    }
}

UploadMachine::~UploadMachine() { discardOutput(); }

void UploadMachine::discardOutput() {
    if (fileOpen_) sink_->discard();
    fileOpen_ = false;
}

Actions UploadMachine::start(const std::string& path) {
    discardOutput();
    rejected_ = false;
    fileFailed_ = false;
    uploadPath_ = path;
    versionProblem_.clear();
    uploadTotal_ = 0;
    uploadCount_ = 0;
    blocks_ = 0;
    state_ = UploadState::AwaitHeader;
    outcome_ = Outcome::Pending;
    Actions out;
    out.push_back(Action::send(Bytes{code::kRequest}));
    return out;
}

void UploadMachine::cancel() {
    discardOutput();
    state_ = UploadState::AwaitHeader;
    uploadCount_ = 0;
}

void UploadMachine::fail(Actions& out, std::string text, bool fileFault) {
    const std::string reason = sink_->failure();
    if (!reason.empty()) text += "\n" + reason;
    if (fileOpen_ && sink_->replacing()) text += std::string("\n") + kTextPreviousKept;
    discardOutput();
    fileFailed_ = fileFault;
    state_ = UploadState::AwaitHeader;
    uploadCount_ = 0;
    outcome_ = Outcome::Failed;
    out.push_back(Action::message(std::move(text)));
    out.push_back(Action::disarm());
}

Actions UploadMachine::feed(std::span<const std::uint8_t> chunk, bool portOpen) {
    Actions out;
    if (!portOpen) {
        out.push_back(Action::message(kTextPortClosed));
        return out;
    }
    if (chunk.empty()) return out;
    switch (state_) {
    case UploadState::AwaitHeader: takeHeaderBytes(chunk, out); break;
    case UploadState::HeaderReceived: headerReceived(out); break;
    case UploadState::ReceivingBlocks: takeBlockBytes(chunk, out); break;
    }
    return out;
}

void UploadMachine::takeHeaderBytes(std::span<const std::uint8_t> chunk, Actions& out) {
    std::span<const std::uint8_t> taken = chunk;
    if (uploadCount_ == 0) {
        if (chunk[0] == code::kHeaderLead) {
            taken = chunk.subspan(1);
        } else if (!(chunk.size() > 1 && chunk[1] == 0x55)) {
            const auto it = std::find(chunk.begin(), chunk.end(), std::uint8_t{0x55});
            taken = chunk.subspan(static_cast<std::size_t>(it - chunk.begin()));
        }
    }
    // Bytes beyond the 64th are dropped; a chunk of any length is safe.
    const std::size_t n = std::min(taken.size(), headerArea_.size() - uploadCount_);
    std::copy_n(taken.begin(), n, headerArea_.begin() + static_cast<std::ptrdiff_t>(uploadCount_));
    uploadCount_ += n;
    if (uploadCount_ < headerArea_.size()) return;
    uploadCount_ = 0;
    state_ = UploadState::HeaderReceived;
    headerReceived(out);
}

void UploadMachine::headerReceived(Actions& out) {
    if (headerArea_[0] != 0x55) {
        state_ = UploadState::AwaitHeader;
        return;
    }
    // Create the file before accepting the header: when that fails the
    // receiver is never told to start sending.
    if (!sink_->create(uploadPath_)) {
        fail(out, "Cannot create the file " + uploadPath_);
        return;
    }
    fileOpen_ = true;
    header_ = decodeFileHeader(headerArea_.data());
    out.push_back(Action::replaceHeader(header_));
    out.push_back(Action::send(Bytes{code::kAccept}));
    if (!sink_->write(headerArea_)) {
        fail(out, "Cannot write the file " + uploadPath_);
        return;
    }
    state_ = UploadState::ReceivingBlocks;
}

void UploadMachine::takeBlockBytes(std::span<const std::uint8_t> chunk, Actions& out) {
    // After a 0x15 the file is closed; a peer that keeps sending is ignored.
    if (rejected_) return;
    if (uploadCount_ == 0 && chunk[0] == code::kEnd) {
        endOfTransfer(out);
        return;
    }
    // Bytes beyond the 1029th of a block are dropped.
    const std::size_t n = std::min(chunk.size(), blockArea_.size() - uploadCount_);
    std::copy_n(chunk.begin(), n, blockArea_.begin() + static_cast<std::ptrdiff_t>(uploadCount_));
    uploadCount_ += n;
    if (uploadCount_ < blockArea_.size()) return;
    if (blocks_ == kMaxUploadBlocks) {
        fail(out,
             "The receiver sent more than the largest channel file (" + std::to_string(kMaxUploadBlocks) +
                 " blocks); the upload was stopped.",
             false);
        return;
    }
    uploadTotal_ += static_cast<std::uint32_t>(kDataBlockSize);
    ++blocks_;
    uploadCount_ = 0;
    out.push_back(Action::send(Bytes{code::kAccept}));
    out.push_back(Action::progress(uploadTotal_));
    if (!sink_->write(std::span<const std::uint8_t>(blockArea_.data() + 3, kBlockDataSize))) {
        fail(out, "Cannot write the file " + uploadPath_);
    }
}

void UploadMachine::endOfTransfer(Actions& out) {
    if (!sink_->close()) {
        fail(out, "Cannot write the file " + uploadPath_);
        return;
    }
    const bool mGroup = isMGroup(header_.usageType);
    if (!mGroup) {
        Bytes file;
        bool sumMatches = false;
        // Bytes missing at the end are never invented: a short file fails.
        if (sink_->readBack(file) && file.size() >= 64 && file.size() - 64 >= header_.dataLength) {
            sumMatches = byteSum16(std::span<const std::uint8_t>(file.data() + 64, header_.dataLength)) ==
                         header_.checksum;
        }
        if (!sumMatches) {
            // The data are known to be wrong: they must not replace a good file.
            discardOutput();
            out.push_back(Action::send(Bytes{code::kChecksumError}));
            rejected_ = true;
            outcome_ = Outcome::Failed;
            return;
        }
    }
    if (versions_ && sink_->replacing()) {
        const KeepResult kept = versions_->keepCurrent(uploadPath_);
        if (!kept.ok) versionProblem_ = kept.error;
    }
    if (!sink_->commit()) {
        fail(out, "Cannot write the file " + uploadPath_);
        return;
    }
    fileOpen_ = false;
    out.push_back(Action::send(Bytes{code::kComplete}));
    out.push_back(Action::message(mGroup ? kTextUploadCompleteM : kTextUploadCompleteC));
    out.push_back(Action::done());
    out.push_back(Action::disarm());
    state_ = UploadState::AwaitHeader;
    outcome_ = Outcome::Succeeded;
}

}  // namespace velmora::link
