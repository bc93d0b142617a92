// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>

#include "test_files.h"
#include "version_store.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct Keep {
    const char* file;  // inside the case's folder
    std::uint8_t content;  // one-byte files are enough to tell versions apart
    std::time_t time;
};

TEST(VersionStore, keepsTheLastVersionsWithinTheLimits) {
    constexpr std::time_t t0 = 1'765'000'000;
    std::vector<Keep> twentyTwo;
    for (int i = 0; i < 22; ++i) twentyTwo.push_back({"a.bin", static_cast<std::uint8_t>(i), t0 + i});
    const struct {
        const char* name;
        std::vector<Keep> keeps;
        VersionLimits limits;
        Bytes a, b;  // what remains of a.bin and b.bin, newest first
        bool storeIsAFile = false;
    } cases[] = {
        {"one version", {{"a.bin", 1, t0}}, {}, {1}, {}},
        {"twice within one second", {{"a.bin", 1, t0}, {"a.bin", 2, t0}, {"a.bin", 3, t0}}, {}, {3, 2, 1}, {}},
        {"the clock set back still files it as newest", {{"a.bin", 1, t0}, {"a.bin", 2, t0 - 60}}, {}, {2, 1}, {}},
        {"the same content is not kept twice", {{"a.bin", 1, t0}, {"a.bin", 1, t0 + 1}}, {}, {1}, {}},
        {"each file its own versions", {{"a.bin", 1, t0}, {"b.bin", 2, t0}}, {}, {1}, {2}},
        {"the last 20, oldest removed first", twentyTwo, {}, {21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}, {}},
        {"the size limit removes the oldest of any file",
         {{"a.bin", 1, t0}, {"b.bin", 2, t0 + 1}, {"a.bin", 3, t0 + 2}, {"b.bin", 4, t0 + 3}}, {20, 3}, {3}, {4, 2}},
        {"the newest stays even beyond the size limit", {{"a.bin", 1, t0}, {"a.bin", 2, t0 + 1}}, {20, 0}, {2}, {}},
        {"an unwritable store reports", {{"a.bin", 1, t0}}, {}, {}, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir tmp;
        const std::string root = tmp.path("store");
        if (c.storeIsAFile) test::writeBytes(root, {0});
        VersionStore store(root, c.limits);
        for (const Keep& k : c.keeps) {
            const KeepResult r = store.keep(tmp.path(k.file), Bytes{k.content}, k.time);
            EXPECT_EQ(r.ok, !c.storeIsAFile);
            EXPECT_EQ(r.error.empty(), r.ok);
        }
        for (const auto& [file, want] : {std::pair{"a.bin", c.a}, std::pair{"b.bin", c.b}}) {
            Bytes got;
            for (const StoredVersion& v : store.versions(tmp.path(file))) {
                got.push_back(test::readBytes(v.path).at(0));
                EXPECT_EQ(fs::path(v.path).parent_path().string(), store.folderFor(tmp.path(file)));
            }
            EXPECT_EQ(got, want) << file;
        }
    }
}

TEST(VersionStore, namesByPathAndTimeUnderTheDataFolder) {
    test::TempDir tmp;
    const struct {
        const char* xdg;  // nullptr: unset
        std::string root;
    } roots[] = {{"/x/data", "/x/data/VelmoraEdit/versions"},
                 {nullptr, tmp.path("home") + "/.local/share/VelmoraEdit/versions"},
                 {"relative", tmp.path("home") + "/.local/share/VelmoraEdit/versions"}};
    ::setenv("HOME", tmp.path("home").c_str(), 1);
    for (const auto& r : roots) {
        if (r.xdg) ::setenv("XDG_DATA_HOME", r.xdg, 1);
        else ::unsetenv("XDG_DATA_HOME");
        EXPECT_EQ(defaultVersionRoot(), r.root);
    }
    // A link is known by the file it names, so both keep one history.
    test::writeBytes(tmp.path("list.bin"), {7});
    fs::create_symlink("list.bin", tmp.path("link.bin"));
    VersionStore store(tmp.path("s"));
    const KeepResult first = store.keepCurrent(tmp.path("link.bin"), 1'765'000'000);
    const KeepResult second = store.keep(tmp.path("list.bin"), Bytes{8}, 1'765'000'000);
    EXPECT_EQ(first.path, store.folderFor(tmp.path("list.bin")) + "/20251206T054640Z.bin");
    EXPECT_EQ(second.path, store.folderFor(tmp.path("list.bin")) + "/20251206T054640Z-1.bin");
    EXPECT_NE(store.folderFor(tmp.path("list.bin")).find("%2Flist.bin"), std::string::npos);
    EXPECT_FALSE(store.keepCurrent(tmp.path("missing.bin")).kept);
}

}  // namespace
}  // namespace velmora
