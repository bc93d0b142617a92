// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_files.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "channel_writer.h"

namespace velmora::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "velmora-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> sampleFile(const SampleOptions& options) {
    return serializeUnchanged(makeSampleDatabase(options));
}

ChannelDatabase smallDatabase() {
    SampleOptions o;
    o.satellites = 2;
    o.transponders = 3;
    o.tv = 4;
    o.radio = 5;
    o.groups = 0;
    ChannelDatabase db = makeSampleDatabase(o);
    db.general.favoriteGroupCount = 1;
    setFieldText(db.groupNames[0], "Mine");
    db.tvMemberCount[0] = 3;
    db.radioMemberCount[0] = 2;
    db.tvMembers[0] = 2;
    db.tvMembers[1] = 0;
    db.tvMembers[2] = 3;
    db.radioMembers[0] = 4;
    db.radioMembers[1] = 1;
    db.syncWorkingTables();
    return db;
}

}  // namespace velmora::test
