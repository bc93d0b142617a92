// delete, move and fav write exactly what the core operations followed by a
// save give, and refuse without writing anything.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <functional>

#include "channel_edit.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "test_files.h"

namespace velmora {
namespace {

struct CliResult {
    int exitCode = -1;
    std::string err;
};

CliResult velmora(const test::TempDir& tmp, const std::string& args) {
    const std::string cmd = std::string(VELMORA_CLI) + " " + args + " >/dev/null 2>" + tmp.path("err");
    const int status = std::system(cmd.c_str());
    const auto err = test::readBytes(tmp.path("err"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(err.begin(), err.end())};
}

class EditCli : public ::testing::Test {
protected:
    void SetUp() override {
        SampleOptions o;
        o.groups = 3;
        original = test::sampleFile(o);
        test::writeBytes(in, original);
    }
    // What the editor's Save writes after `edit`.
    std::vector<std::uint8_t> expected(const std::function<void(ChannelDatabase&)>& edit) const {
        ChannelDatabase db;
        EXPECT_TRUE(readChannelFile(original, db).ok());
        edit(db);
        SaveOptions options;
        options.currentTransponder = defaultCurrentTransponder(db);
        return buildChannelFile(db, options);
    }
    test::TempDir tmp;
    const std::string in = tmp.path("in.bin"), out = tmp.path("out.bin");
    std::vector<std::uint8_t> original;
};

TEST_F(EditCli, writesWhatTheEditorsOperationsAndSaveWrite) {
    struct Case {
        const char* args;
        std::function<void(ChannelDatabase&)> edit;
    };
    const Case cases[] = {
        {"delete IN radio 40", [](ChannelDatabase& db) { removeChannel(db, ChannelKind::Radio, 39); }},
        {"delete IN satellite 2", [](ChannelDatabase& db) { deleteSatellite(db, 1); }},
        {"move IN radio 30 1", [](ChannelDatabase& db) { moveChannel(db, *holdChannel(db, ChannelKind::Radio, 29), 0); }},
        {"fav IN tv 7 add 3", [](ChannelDatabase& db) { addFavorite(db, ChannelKind::Tv, 2, 6); }},
        {"fav IN radio 40 remove 1", [](ChannelDatabase& db) { removeFavorite(db, ChannelKind::Radio, 0, 39); }},
    };
    for (const Case& c : cases) {
        std::string args = c.args;
        args.replace(args.find("IN"), 2, in);
        std::remove(out.c_str());
        ASSERT_EQ(velmora(tmp, args + " -o " + out).exitCode, 0) << c.args;
        EXPECT_EQ(test::readBytes(out), expected(c.edit)) << c.args;
        EXPECT_EQ(test::readBytes(in), original) << c.args;
    }
    // In place, when no OUT is given.
    ASSERT_EQ(velmora(tmp, "delete " + in + " tv 1").exitCode, 0);
    EXPECT_EQ(test::readBytes(in), expected([](ChannelDatabase& db) { removeChannel(db, ChannelKind::Tv, 0); }));
}

TEST_F(EditCli, refusalsExitTwoAndWriteNothing) {
    struct Case {
        const char* args;
        const char* says;
    };
    for (const Case c : {Case{"delete IN tv 121", "there is no TV channel 121 (the file has 120)"},
                         Case{"delete IN satellite 5", "there is no satellite 5 (the file has 4)"},
                         Case{"move IN radio 1 0", "there is no radio channel 0"},
                         Case{"fav IN tv 1 add 4", "there is no favourite group 4 (the file has 3)"},
                         Case{"fav IN tv 1 add 11", "GROUP"}, Case{"delete MISSING tv 1", "cannot open"}}) {
        std::string args = c.args;
        if (args.find("IN") != std::string::npos) args.replace(args.find("IN"), 2, in);
        if (args.find("MISSING") != std::string::npos) args.replace(args.find("MISSING"), 7, tmp.path("missing.bin"));
        const CliResult r = velmora(tmp, args + " -o " + out);
        EXPECT_EQ(r.exitCode, 2) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
        EXPECT_FALSE(std::ifstream(out).good()) << c.args;
        EXPECT_EQ(test::readBytes(in), original) << c.args;
    }
}

}  // namespace
}  // namespace velmora
