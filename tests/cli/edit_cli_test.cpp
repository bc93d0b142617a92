// SPDX-License-Identifier: GPL-3.0-or-later
// The verbs that write a channel file: delete, move and fav write what the
// editor's operations followed by a Save write, reorder puts a file into a
// reference's order; refusals exit 2 and write nothing. diff says what moved.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <numeric>

#include "channel_edit.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "cli_run.h"
#include "version_store.h"

namespace velmora::test {
namespace {

class EditCli : public ::testing::Test {
protected:
    void SetUp() override {
        SampleOptions o;
        o.groups = 3;
        original = sampleFile(o);
        writeBytes(in, original);
    }
    // The original after `edit`, as the editor's Save writes it.
    std::vector<std::uint8_t> edited(const std::function<void(ChannelDatabase&)>& edit) const {
        ChannelDatabase db;
        EXPECT_TRUE(readChannelFile(original, db).ok());
        edit(db);
        SaveOptions options;
        options.currentTransponder = defaultCurrentTransponder(db);
        return buildChannelFile(db, options);
    }
    // `line` with {in}, {out} and {new} (a file not there yet) standing for the paths.
    CliRun run(std::string line, const std::string& stdoutTo = "") const {
        for (const auto& [word, path] : {std::pair{"{in}", in}, {"{out}", out}, {"{new}", fresh}})
            for (auto at = line.find(word); at != std::string::npos; at = line.find(word))
                line.replace(at, std::strlen(word), q(path));
        return velmora(line, stdoutTo);
    }
    TempDir tmp;
    const std::string in = tmp.path("in.bin"), out = tmp.path("out.bin"), fresh = tmp.path("new.bin");
    std::vector<std::uint8_t> original;
};

TEST_F(EditCli, writesWhatTheEditorsOperationsAndSaveWrite) {
    using K = ChannelKind;
    const std::pair<const char*, std::function<void(ChannelDatabase&)>> cases[] = {
        {"delete {in} radio 40 -o {out}", [](ChannelDatabase& db) { removeChannel(db, K::Radio, 39); }},
        {"delete {in} satellite 2 -o {out}", [](ChannelDatabase& db) { deleteSatellite(db, 1); }},
        {"move {in} radio 30 1 -o {out}", [](auto& db) { moveChannel(db, *holdChannel(db, K::Radio, 29), 0); }},
        {"fav {in} tv 7 add 3 -o {out}", [](ChannelDatabase& db) { addFavorite(db, K::Tv, 2, 6); }},
        {"fav {in} radio 40 remove 1 -o {out}", [](ChannelDatabase& db) { removeFavorite(db, K::Radio, 0, 39); }},
        {"delete {in} tv 0010 -o {out}", [](ChannelDatabase& db) { removeChannel(db, K::Tv, 9); }},  // not octal
        // Lists: repeats count once, the same operation on the set as the editor's.
        {"delete {in} tv 9,3-5,4,120 -o {out}", [](auto& db) { removeChannels(db, K::Tv, std::vector{2, 3, 4, 8, 119}); }},
        {"delete {in} transponder 24,1-2 -o {out}", [](auto& db) { deleteTransponders(db, std::vector{0, 1, 23}); }},
        {"delete {in} satellite 3,1 -o {out}", [](auto& db) { deleteSatellites(db, std::vector{0, 2}); }},
        {"move {in} tv 5,9-11 2 -o {out}", [](auto& db) { moveChannels(db, K::Tv, std::vector{4, 8, 9, 10}, 1); }},
        {"move {in} radio 3,7 down -o {out}", [](auto& db) { moveChannels(db, K::Radio, std::vector{2, 6}, MoveDirection::Down); }},
        {"move {in} tv 1,60-70 bottom -o {out}", [](auto& db) {
             std::vector<int> set{0};
             for (int i = 59; i < 70; ++i) set.push_back(i);
             moveChannels(db, K::Tv, set, MoveDirection::Bottom);
         }},
        {"fav {in} tv 1-60 add 2 -o {out}", [](auto& db) {
             std::vector<int> set(60);
             std::iota(set.begin(), set.end(), 0);
             addFavorites(db, K::Tv, 1, set);
         }},
        {"fav {in} tv 1-120 remove 1 -o {out}", [](auto& db) {
             std::vector<int> set(120);
             std::iota(set.begin(), set.end(), 0);
             removeFavorites(db, K::Tv, 0, set, FavoriteRemoval::LastEntry);
         }},
        {"lock {in} radio 1-40 on -o {out}", [](auto& db) {
             std::vector<int> set(40);
             std::iota(set.begin(), set.end(), 0);
             setLocked(db, K::Radio, set, true);
         }},
        {"delete {in} tv 1", [](ChannelDatabase& db) { removeChannel(db, K::Tv, 0); }},  // in place
    };
    for (const auto& [line, edit] : cases) {
        const bool inPlace = !std::strstr(line, "{out}");
        ASSERT_EQ(run(line).exitCode, 0) << line;
        EXPECT_EQ(readBytes(inPlace ? in : out), edited(edit)) << line;
        EXPECT_TRUE(inPlace || readBytes(in) == original) << line;
    }
}

TEST_F(EditCli, refusalsExitTwoAndWriteNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"delete {in} tv 121", "there is no TV channel 121 (the file has 120)"},
        {"delete {in} satellite 5", "there is no satellite 5 (the file has 4)"},
        {"move {in} radio 1 0", "TO must be a positive whole number"},
        {"fav {in} tv 1 add 4", "there is no favourite group 4 (the file has 3)"},
        {"fav {in} tv 1 add 126", "GROUP must be a whole number from 1 to 125"},
        {"delete {in} tv 3,9-3", "LIST must be a position, a range or a list of them"},
        {"delete {in} transponder 20-25", "there is no transponder 25 (the file has 24)"},
        {"move {in} tv 1-5 117", "5 TV channels cannot start at 117 (the file has 120: TO from 1 to 116)"},
        {"move {in} tv 1 sideways", "TO must be a positive whole number, or up, down, top or bottom"},
        {"lock {in} radio 1,41 on", "there is no radio channel 41 (the file has 40)"},
        {"delete {new} tv 1", "cannot open"},
        {"reorder {in} --like {new}", "cannot open"},
    };
    for (const auto& [line, says] : cases) {
        const CliRun r = run(std::string(line) + " -o {out}");
        EXPECT_EQ(r.exitCode, 2) << line;
        EXPECT_NE(r.err.find(says), std::string::npos) << line << ": " << r.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << line;
        EXPECT_EQ(readBytes(in), original) << line;
    }
}

TEST_F(EditCli, writingOverTheFileKeepsABackupUnlessToldNot) {
    auto old = original;
    old[6] ^= 1;  // a wrong checksum: every write changes the file
    const std::pair<const char*, bool> cases[] = {
        {"resave {in}", true}, {"resave {in} --no-backup", false}, {"resave {in} -o {out}", false},
        {"delete {in} tv 1", true}, {"move {in} tv 1 2 -o {out}", false}, {"reorder {in} --like {in}", false},
    };
    const std::string bak = in + ".bak";
    for (const auto& [line, backup] : cases) {
        writeBytes(in, old);
        std::filesystem::remove(bak);
        EXPECT_EQ(run(line).exitCode, 0) << line;
        const auto none = decltype(old){};
        EXPECT_EQ(std::filesystem::exists(bak) ? readBytes(bak) : none, backup ? old : none) << line;
    }
    // A backup that cannot be made stops the write.
    writeBytes(in, old);
    std::filesystem::remove(bak);
    std::filesystem::create_directories(bak + "/x");
    const CliRun r = run("resave {in}");
    EXPECT_TRUE(r.exitCode == 2 && r.err.find("in.bin.bak") != std::string::npos) << r.err;
    EXPECT_EQ(readBytes(in), old);
}

// Exit 2 means FILE is unchanged, an in-place edit that changes nothing
// writes nothing, two edits of one file never run at once, and a file goes
// to standard output or comes from standard input as "-".
TEST_F(EditCli, inPlaceEditsKeepTheirPromises) {
    const std::string bak = in + ".bak";
    const auto deleted = edited([](ChannelDatabase& db) { removeChannel(db, ChannelKind::Tv, 0); });
    auto withFile = [&](const std::vector<std::uint8_t>& bytes) { return [&, bytes] { return writeBytes(fresh, bytes), -1; }; };
    ChannelDatabase odd;
    ASSERT_TRUE(readChannelFile(original, odd).ok());
    setFieldText(odd.tv[0].name, "A\x1b\"B\n");
    ChannelDatabase twice = odd;  // tv 2 stands first and last in group 1
    twice.tvMembers.insert(twice.tvMembers.begin() + twice.tvMemberCount[0], 1);
    twice.tvMembers.insert(twice.tvMembers.begin(), 1);
    twice.tvMemberCount[0] += 2;
    SampleOptions many;
    many.groups = 12;
    // Versions kept as the editor keeps them, listed in UTC.
    ::setenv("XDG_DATA_HOME", tmp.path("data").c_str(), 1);
    ::setenv("TZ", "UTC", 1);
    VersionStore store;
    const std::string version = store.folderFor(in) + "/20251206T054640Z.bin";
    ChannelDatabase shorter;
    ASSERT_TRUE(readChannelFile(deleted, shorter).ok());
    auto keepDeleted = [&] { return store.keep(in, deleted, 1'765'000'000), store.keep(in, original, 1'765'000'000), -1; };
    const struct {
        std::string line;
        std::function<int()> arrange;  // returns a descriptor to close afterwards, or -1
        int exitCode;
        std::string says;  // in stdout or stderr
        bool changed, backup;
        std::string stdoutTo = {};
    } rows[] = {
        {"fav {in} tv 1 remove 1", {}, 0, "nothing to change", false, false},
        {"fav {in} tv 1 remove 1 -o {out}", {}, 0, "nothing to change; wrote", false, false},
        {"move {in} tv 3 3", {}, 0, "nothing to change", false, false},
        {"move {in} tv 1-3,9 up", {}, 0, "nothing to change", false, false},
        {"fav {new} tv 1-10000 add 1 -o {out}", withFile(sampleFile(SampleOptions::capacity())), 2,
         "The favourite groups are full (10000 entries); nothing written", false, false},
        {"fav {new} tv 2 remove 1 -o {out}", withFile(serializeUnchanged(twice)), 0,
         "at place 11; its earlier entry stays at place 1", false, false},
        {"reorder {in} --like {in} --with-favorites", {}, 0, "nothing to change", false, false},
        {"delete {in} tv 1", {}, 0, "deleted tv 1 '", true, true},
        {"delete {in} transponder 1", {}, 0, "written all the same", true, true, "/dev/full"},
        {"delete {in} tv 1", [&] { int fd = ::open(in.c_str(), O_RDONLY); return ::flock(fd, LOCK_EX), fd; }, 2,
         in + " is being changed by another program", false, false},
        {"delete {in} tv 1", [&] { return writeBytes(bak, {1}), ::chmod(bak.c_str(), 0444), -1; }, 0,
         "in.bin.bak is read-only: kept as it is", true, false},
        {"reorder {in} --like {new} --with-favorites", withFile(sampleFile({.groups = 0})), 2,
         "has no favourite groups to take", false, false},
        {"fav {new} tv 2 add 12 -o {out}", withFile(sampleFile(many)), 0, "favourite group 12 '", false, false},
        {"diff {in} {new}", withFile(serializeUnchanged(odd)), 1, R"(tv changed 0001 -> 0001 "A\x1b\"B\x0a": name)", false, false},
        {"diff {in} - <{in}", {}, 0, "", false, false},
        {"delete - tv 1 -o - <{in}", {}, 0, std::string(deleted.begin(), deleted.end()), false, false},
        {"delete {in} tv 1 -o /dev/stdout", {}, 0, "deleted tv 1 '", false, false},
        {"versions {new}", {}, 0, "no versions of", false, false},
        {"versions {in}", keepDeleted, 0, "2025-12-06 05:46:40  " + version + "  " + std::to_string(deleted.size()) + " bytes  " +
         std::to_string(shorter.tvCount) + " tv, ", false, false},
        {"diff " + q(version) + " {in}", {}, 1, "tv added 0001", false, false},
    };
    for (const auto& row : rows) {
        writeBytes(in, original);
        std::filesystem::remove(bak);
        const int fd = row.arrange ? row.arrange() : -1;
        const std::filesystem::file_time_type bakTime =
            std::filesystem::exists(bak) ? std::filesystem::last_write_time(bak) : std::filesystem::file_time_type{};
        const CliRun r = run(row.line, row.stdoutTo);
        if (fd >= 0) ::close(fd);
        EXPECT_EQ(r.exitCode, row.exitCode) << row.line << "\n" << r.err;
        EXPECT_NE((r.out + r.err).find(row.says), std::string::npos) << row.line << "\n" << r.out << r.err;
        EXPECT_EQ(readBytes(in) != original, row.changed) << row.line;
        EXPECT_EQ(std::filesystem::exists(bak) && std::filesystem::last_write_time(bak) != bakTime, row.backup)
            << row.line;
    }
}

TEST_F(EditCli, diffExitCodesAndASingleMoveInTextAndJson) {
    EXPECT_EQ(run("diff {in} {in}").exitCode, 0);
    EXPECT_EQ(run("diff {in} {new}").exitCode, 2);
    writeBytes(out, edited([](ChannelDatabase& db) { moveChannel(db, *holdChannel(db, ChannelKind::Radio, 2), 7); }));
    const CliRun text = run("diff {in} {out}"), json = run("diff --json {in} {out}");
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out.rfind("radio moved 0003 -> 0008 \"", 0), 0u) << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 1) << text.out;
    EXPECT_EQ(json.exitCode, 1);
    const auto j = nlohmann::json::parse(json.out);
    for (const char* key : {"tv", "radio", "favorites", "transponders", "satellites"})
        EXPECT_TRUE(j.contains(key)) << key;
    ASSERT_EQ(j["radio"]["moved"].size(), 1u);
    EXPECT_EQ(j["radio"]["moved"][0]["a"], 3);
    EXPECT_EQ(j["radio"]["moved"][0]["b"], 8);
    EXPECT_TRUE(j["radio"]["added"].empty() && j["favorites"].empty());  // the members followed their channel
}

TEST_F(EditCli, reorderRestoresTheReferenceAndDryRunWritesNothing) {
    // {out}: a rescanned list, every channel elsewhere and the favourites gone; {in}: the reference.
    const auto rescanned = edited([](ChannelDatabase& db) {
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            std::vector<int> order(db.channelCount(kind));
            std::iota(order.rbegin(), order.rend(), 0);
            applyChannelOrder(db, kind, order);
        }
        db.general.favoriteGroupCount = 0;
    });
    writeBytes(out, rescanned);
    const CliRun dry = run("reorder {out} --like {in} --dry-run --with-favorites");
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_NE(dry.out.find("TV: 120 of 120 channels matched (120 by ids, 0 by name)"), std::string::npos) << dry.out;
    ASSERT_EQ(run("reorder {out} --like {in} -o {new}").exitCode, 0);
    EXPECT_EQ(readBytes(out), rescanned);
    const CliRun left = run("diff {in} {new}");
    EXPECT_EQ(left.exitCode, 1);  // the groups are still missing
    EXPECT_EQ(left.out.find(" moved "), std::string::npos) << left.out;
    ASSERT_EQ(run("reorder {out} --like {in} --with-favorites").exitCode, 0);  // in place
    EXPECT_EQ(readBytes(out), original);
}

}  // namespace
}  // namespace velmora::test
