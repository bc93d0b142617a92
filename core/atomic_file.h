// Test seam for the atomic file writer: lets a test make write() fail the way
// a full disk does, without needing a full disk.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace velmora::detail {

using WriteFunction = ssize_t (*)(int fd, const void* data, std::size_t size);
// Installs `fn` (nullptr restores ::write); returns the previous function.
WriteFunction setWriteFunctionForTesting(WriteFunction fn);

}  // namespace velmora::detail
