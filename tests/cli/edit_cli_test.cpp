// The verbs that write a channel file: delete, move and fav write what the
// editor's operations followed by a Save write, reorder puts a file into a
// reference's order; refusals exit 2 and write nothing. diff says what moved.
#include <gtest/gtest.h>

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
    CliRun run(std::string line) const {
        for (const auto& [word, path] : {std::pair{"{in}", in}, {"{out}", out}, {"{new}", fresh}})
            for (auto at = line.find(word); at != std::string::npos; at = line.find(word))
                line.replace(at, std::strlen(word), q(path));
        return velmora(line);
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
        {"move {in} radio 1 0", "there is no radio channel 0"},
        {"fav {in} tv 1 add 4", "there is no favourite group 4 (the file has 3)"},
        {"fav {in} tv 1 add 11", "GROUP"},
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
        {"delete {in} tv 1", true}, {"move {in} tv 1 2 -o {out}", false}, {"reorder {in} --like {in}", true},
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
