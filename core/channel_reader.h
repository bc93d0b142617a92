// Reading a channel file. Untrusted input: every read is bounded, counts are
// checked against the capacities, and a file is read into a fresh database
// that replaces the caller's only when the whole file has been read.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "channel_database.h"

namespace velmora {

inline constexpr const char* kTextBadMagic = "Invalid Data Format!!!";
inline constexpr const char* kTextBadChannelMagic = "Invalid Data Format, Check the Source File";

enum class LoadStatus {
    Ok,
    CannotOpen,        // no message in the editor; the CLI says why
    BadMagic,          // "Invalid Data Format!!!" (and usually the second text too)
    BadChannelMagic,   // "Invalid Data Format, Check the Source File"
    Truncated,         // ends before a section is complete
    OverCapacity,      // a count above what the tables hold
};

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    // Texts to show the user, one message box each, in order.
    std::vector<std::string> messages;
    // Bytes the file's content took, up to the end of the CRC trailer; a
    // longer file has bytes after the trailer that a save drops.
    std::size_t consumed = 0;

    bool ok() const { return status == LoadStatus::Ok; }
    // All messages joined by "\n" (for one-line reports).
    std::string text() const;
};

enum class HeaderStatus { Ok, BadMagic, TooShort };

// Reads the 64-byte header at offset 0. On a bad magic only `magic` is set.
HeaderStatus readFileHeader(std::span<const std::uint8_t> bytes, FileHeader& header);
FileHeader decodeFileHeader(const std::uint8_t* bytes64);

struct ReadOptions {
    // The editor needs working tables; a tool that only reads, checks or
    // re-saves does not, and skipping them halves the memory a load touches.
    bool workingTables = true;
};

// Reads a whole file into `db`, which is (re)allocated. On failure `db` is in
// an unspecified state: read into a scratch database and move it on success.
LoadResult readChannelFile(std::span<const std::uint8_t> bytes, ChannelDatabase& db, ReadOptions options = {});

// Reads the file at `path` into memory (bounded by the largest file the tables
// can hold plus slack) and parses it. `db` is replaced only on success.
LoadResult loadChannelFile(const std::string& path, ChannelDatabase& db);

// A file mapped read-only into memory (no copy); empty files map to no bytes.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    // False with the reason in `error`; files above `maxBytes` are refused.
    bool open(const std::string& path, std::string& error, std::size_t maxBytes = 16u * 1024u * 1024u);
    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Reads a whole file; false with errno text in `error` on failure.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error,
                   std::size_t maxBytes = 16u * 1024u * 1024u);

}  // namespace velmora
