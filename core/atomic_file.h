// SPDX-License-Identifier: GPL-3.0-or-later
// Saving without ever leaving a half-written file under the user's name: the
// content goes to a temporary file in the same folder, which is renamed over
// the target only once it is complete and on disk.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace velmora::detail {

// Test seam for the writer: lets a test make write() fail the way a full
// disk does, without needing a full disk.
using WriteFunction = ssize_t (*)(int fd, const void* data, std::size_t size);
// Installs `fn` (nullptr restores ::write); returns the previous function.
WriteFunction setWriteFunctionForTesting(WriteFunction fn);

// Writes all of `data` through the installed write function; on failure
// returns the errno value (ENOSPC for a write that makes no progress).
int writeAll(int fd, const void* data, std::size_t size);

}  // namespace velmora::detail

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "channel_writer.h"

namespace velmora {

inline constexpr const char* kTextReadOnly = "the file is read-only";
inline constexpr const char* kTextNotRegular = "not a regular file";

// A file written under a temporary name beside its target and moved over the
// target by commit() alone. Until then, and after discard() or destruction,
// the target stays exactly as it was (or absent) and no temporary remains.
class PendingFile {
public:
    PendingFile() = default;
    ~PendingFile() { discard(); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Creates the temporary file for `path`. Symbolic links, dangling ones
    // included, are followed to the file they name. A target that is not a
    // regular file, or that the user may not write, is refused: replacing it
    // would do what writing it in place could not.
    SaveResult begin(const std::string& path);
    // 0 or an errno value.
    int write(std::span<const std::uint8_t> bytes);
    // Puts the written bytes on disk and closes the temporary file.
    SaveResult finish();
    // finish(), then the rename over the target. On failure nothing remains.
    SaveResult commit();
    void discard();

    int fd() const { return fd_; }
    bool active() const { return !tmp_.empty(); }
    const std::string& temporaryPath() const { return tmp_; }
    // A file stood under the target's name when begin() ran.
    bool replacing() const { return replacing_; }

private:
    SaveResult fail(int err);

    int fd_ = -1;
    std::string target_;
    std::string tmp_;
    bool replacing_ = false;
};

// `path` with symbolic links followed one by one, so that a dangling link
// leads to the file it names; `path` itself when it is no link (or a loop).
std::string resolveSymlinks(const std::string& path);

// Whether `path` could be saved to now, with the reason when not; leaves
// nothing behind.
SaveResult checkSaveTarget(const std::string& path);

// Like writeFileAtomically, with the content produced by `produce` straight
// into the temporary file's descriptor; `produce` returns 0 or an errno value.
SaveResult writeFileAtomically(const std::string& path, const std::function<int(int fd)>& produce);

}  // namespace velmora
