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

ssize_t diskFull(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

struct BackupCase {
    const char* name;
    std::function<void(const std::string& file, const std::string& bak)> arrange;
    bool ok;
    bool made;
    Bytes bakAfter;  // empty: no regular .bak file afterwards
};

TEST(Backup, keepsTheFileAsItWasOrLeavesEverythingAlone) {
    const Bytes content{1, 2, 3, 4}, older{9, 9};
    const BackupCase cases[] = {
        {"first backup", [](auto&, auto&) {}, true, true, content},
        {"replaces an older backup", [&](auto&, auto& bak) { test::writeBytes(bak, older); }, true, true, content},
        {"nothing to keep", [](auto& file, auto&) { fs::remove(file); }, true, false, {}},
        {"backup name taken by a folder",
         [](auto&, auto& bak) {
             fs::create_directories(bak + "/inside");
         },
         false, false, {}},
        {"disk full keeps the older backup",
         [&](auto&, auto& bak) {
             test::writeBytes(bak, older);
             detail::setWriteFunctionForTesting(diskFull);
         },
         false, false, older},
    };
    for (const BackupCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir tmp;
        const std::string file = tmp.path("list.bin"), bak = tmp.path("list.bin.bak");
        test::writeBytes(file, content);
        ::chmod(file.c_str(), 0640);
        c.arrange(file, bak);
        const bool hadFile = fs::exists(file);

        const BackupResult r = writeBackup(file);
        detail::setWriteFunctionForTesting(nullptr);

        EXPECT_EQ(r.ok, c.ok) << r.error;
        EXPECT_EQ(r.made, c.made);
        EXPECT_EQ(r.error.empty(), c.ok);
        if (hadFile) {
            EXPECT_EQ(test::readBytes(file), content);
        }
        if (c.bakAfter.empty()) {
            EXPECT_FALSE(fs::is_regular_file(bak));
        } else {
            EXPECT_EQ(test::readBytes(bak), c.bakAfter);
        }
        if (c.made) {
            EXPECT_EQ(fs::status(bak).permissions(), fs::perms(0640));
        }
        std::size_t entries = 0;
        for (const auto& e : fs::directory_iterator(tmp.dir())) entries += e.path().filename().string()[0] == '.';
        EXPECT_EQ(entries, 0u) << "a temporary file was left behind";
    }
}

}  // namespace
}  // namespace velmora
