// SPDX-License-Identifier: GPL-3.0-or-later
// The versions a save keeps go under XDG_DATA_HOME: test processes point it
// at a folder of their own, so that no test writes into a user's data.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace velmora::test {

inline void useScratchDataHome() {
    static std::string folder;
    if (!folder.empty()) return;
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-data-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    folder = pattern;
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    });
}

}  // namespace velmora::test
