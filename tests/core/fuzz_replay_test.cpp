// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "reader_check.h"
#include "test_files.h"

namespace velmora {
namespace {

// The fuzzer's seeds and every file that once broke the reader are replayed
// here, so a regression shows up without running the fuzzer.
TEST(FuzzReplay, seedAndDamagedFilesPassTheReaderCheck) {
    int files = 0;
    for (const char* dir : {VELMORA_FUZZ_CORPUS, VELMORA_TEST_DATA "/damaged"}) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".bin") continue;
            const auto bytes = test::readBytes(entry.path().string());
            fuzz::checkChannelFileInput(bytes.data(), bytes.size());
            ++files;
        }
    }
    EXPECT_GT(files, 20);
}

}  // namespace
}  // namespace velmora
