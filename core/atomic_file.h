// Test seam for the atomic file writer: lets a test make write() fail the way
// a full disk does, without needing a full disk.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace velmora::detail {

using WriteFunction = ssize_t (*)(int fd, const void* data, std::size_t size);
// Installs `fn` (nullptr restores ::write); returns the previous function.
WriteFunction setWriteFunctionForTesting(WriteFunction fn);

// Writes all of `data` through the installed write function; on failure
// returns the errno value (ENOSPC for a write that makes no progress).
int writeAll(int fd, const void* data, std::size_t size);

}  // namespace velmora::detail

#include <functional>
#include <string>

#include "channel_writer.h"

namespace velmora {

// Like writeFileAtomically, with the content produced by `produce` straight
// into the temporary file's descriptor; `produce` returns 0 or an errno value.
SaveResult writeFileAtomically(const std::string& path, const std::function<int(int fd)>& produce);

}  // namespace velmora::detail
