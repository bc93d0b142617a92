// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry point for the download and upload state machines.
#include <cstddef>
#include <cstdint>

#include "transfer_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::checkTransferInput(data, size);
    return 0;
}
