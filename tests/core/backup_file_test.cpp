// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "atomic_file.h"
#include "backup_file.h"
#include "test_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

ssize_t diskFull(int, const void*, std::size_t) { return errno = ENOSPC, -1; }

TEST(Backup, keepsTheFileAsItWasOrLeavesEverythingAlone) {
    const Bytes content{1, 2, 3, 4}, older{9, 9};
    const struct {
        const char* name;
        std::function<void(const std::string& file, const std::string& bak)> arrange;
        bool ok, made;
        Bytes bakAfter;  // empty: no .bak file afterwards
        bool saved = true;  // false: the save failed after the backup was prepared
        const char* open = "list.bin";  // the name the file is saved under
    } cases[] = {
        {"first backup", [](auto&, auto&) {}, true, true, content},
        {"replaces an older one", [&](auto&, auto& bak) { test::writeBytes(bak, older); }, true, true, content},
        {"a failed save keeps the older one", [&](auto&, auto& bak) { test::writeBytes(bak, older); }, true, true,
         older, false},
        {"a read-only older one is kept, even for root",
         [&](auto&, auto& bak) { test::writeBytes(bak, older), ::chmod(bak.c_str(), 0444); }, true, false, older},
        {"beside the file a link leads to", [](auto& file, auto&) { fs::create_symlink("list.bin", fs::path(file).parent_path() / "l"); },
         true, true, content, true, "l"},
        {"nothing to keep", [](auto& file, auto&) { fs::remove(file); }, true, false, {}},
        {"name taken by a folder", [](auto&, auto& bak) { fs::create_directories(bak + "/x"); }, false, false, {}},
        {"disk full keeps the older one",
         [&](auto&, auto& bak) { test::writeBytes(bak, older), detail::setWriteFunctionForTesting(diskFull); }, false,
         false, older},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir tmp;
        const std::string file = tmp.path("list.bin"), bak = tmp.path("list.bin.bak");
        test::writeBytes(file, content);
        ::chmod(file.c_str(), 0640);
        c.arrange(file, bak);
        PendingBackup backup;
        const BackupResult r = backup.prepare(tmp.path(c.open));
        detail::setWriteFunctionForTesting(nullptr);
        EXPECT_EQ(r.ok, c.ok) << r.error;
        EXPECT_EQ(r.made, c.made);
        EXPECT_EQ(r.keptOlder, c.ok && !c.made && fs::exists(bak));
        if (c.saved) EXPECT_TRUE(backup.commit().ok);
        else backup.discard();

        EXPECT_EQ(fs::exists(file) ? test::readBytes(file) : content, content);
        EXPECT_EQ(fs::is_regular_file(bak) ? test::readBytes(bak) : Bytes{}, c.bakAfter);
        EXPECT_TRUE(!c.made || !c.saved || fs::status(bak).permissions() == fs::perms(0640));
        for (const auto& e : fs::directory_iterator(tmp.dir()))
            EXPECT_NE(e.path().filename().string()[0], '.') << "temporary file left behind";
    }
}

}  // namespace
}  // namespace velmora
