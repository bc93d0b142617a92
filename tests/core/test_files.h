// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "channel_database.h"
#include "sample_data.h"

namespace velmora::test {

// A fresh folder under the system temp dir, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The bytes a save of a sample database writes.
std::vector<std::uint8_t> sampleFile(const SampleOptions& options = {});

// A small hand-made database: 2 satellites, 3 transponders, 4 TV and 5 radio
// channels, one group with 3 TV and 2 radio members.
ChannelDatabase smallDatabase();

}  // namespace velmora::test
