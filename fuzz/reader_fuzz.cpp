// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry point for the channel file reader and writer.
#include <cstddef>
#include <cstdint>

#include "reader_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::checkChannelFileInput(data, size);
    return 0;
}
