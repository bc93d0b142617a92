// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry point for the list (CSV/TSV) reader.
#include <cstddef>
#include <cstdint>

#include "csv_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::checkCsvInput(data, size);
    return 0;
}
