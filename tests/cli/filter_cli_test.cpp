// SPDX-License-Identifier: GPL-3.0-or-later
// list --filter/--show/--satellite print the rows the editor's filter shows;
// dedupe writes what Remove Duplicates followed by Save writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "channel_reader.h"
#include "channel_writer.h"
#include "cli_run.h"
#include "duplicates.h"
#include "list_filter.h"

namespace velmora::test {
namespace {

class FilterCli : public ::testing::Test {
protected:
    void SetUp() override {
        SampleOptions o;
        o.groups = 3;
        ASSERT_TRUE(readChannelFile(sampleFile(o), db).ok());
        // Three later copies of TV 1 and 2 (one locked), and one of radio 4.
        for (const auto& [from, to] : {std::pair{0, 9}, {1, 19}, {0, 99}}) {
            db.tv[to].serviceId = db.tv[from].serviceId;
            db.tv[to].transponderIndex = db.tv[from].transponderIndex;
        }
        db.tv[99].locked = 1;
        db.radio[30].serviceId = db.radio[3].serviceId;
        db.radio[30].transponderIndex = db.radio[3].transponderIndex;
        writeBytes(in, saved(db));
    }
    static std::vector<std::uint8_t> saved(ChannelDatabase d) {
        SaveOptions options;
        options.currentTransponder = defaultCurrentTransponder(d);
        return buildChannelFile(d, options);
    }
    CliRun run(const std::string& args) const { return velmora(args); }
    // Number cells of `list` output, 1-based.
    static std::vector<int> numbers(const std::string& out) {
        std::vector<int> n;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) n.push_back(std::stoi(line.substr(0, line.find('\t'))));
        return n;
    }
    TempDir tmp;
    const std::string in = tmp.path("in.bin"), out = tmp.path("out.bin");
    ChannelDatabase db;
};

TEST_F(FilterCli, listPrintsTheMatchingRowsInTheOrderShown) {
    const struct {
        std::string options;
        ChannelFilter filter;
        std::string sort;
    } cases[] = {
        {"--filter 'hd'", {"HD"}, ""},
        {"--filter 'HD' --show free --satellite 2", {"HD", ShowChoice::Free, -1, 1}, ""},
        {"--show nofav --sort name", {"", ShowChoice::NoGroup}, "--sort name"},
        {"--show group:3 --sort transponder --descending", {"", ShowChoice::InGroup, 2}, "--sort transponder --descending"},
        {"--show duplicates", {"", ShowChoice::Duplicates}, ""},
        {"--show locked --filter 'a'", {"A", ShowChoice::Locked}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const CliRun r = run("list " + q(in) + " tv " + c.options);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        // The whole list in its order, thinned to the matching channels.
        const std::vector<char> match = matchingChannels(db, ChannelKind::Tv, c.filter);
        std::vector<int> want;
        for (int n : numbers(run("list " + q(in) + " tv " + c.sort).out))
            if (match[static_cast<std::size_t>(n - 1)]) want.push_back(n);
        EXPECT_EQ(numbers(r.out), want);
        EXPECT_FALSE(want.empty());
    }
    EXPECT_EQ(run("list " + q(in) + " tv --show group:4").exitCode, 2);
    EXPECT_EQ(run("list " + q(in) + " tv --satellite 5").exitCode, 2);
}

TEST_F(FilterCli, dedupeRemovesTheCopiesOrSaysThereAreNone) {
    ChannelDatabase both = db, tv = db;
    for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio}) removeDuplicates(both, k, findDuplicates(both, k));
    removeDuplicates(tv, ChannelKind::Tv, findDuplicates(tv, ChannelKind::Tv));
    const auto original = readBytes(in);
    const struct {
        std::string args;
        int exit;
        std::string says;
        std::vector<std::uint8_t> written;  // OUT (empty: not written)
    } cases[] = {
        {"{in} -o {out}", 0, "tv 100 '" + fieldText(db.tv[99].name) + "' duplicate of 1\n", saved(both)},
        {"{in} tv -o {out}", 0, "removed 3 duplicate channels", saved(tv)},
        {"{in} radio --dry-run -o {out}", 0, "radio 31", {}},
        {"{out2} -o {out}", 1, "no duplicate channels", {}},
        {"{missing} -o {out}", 2, "", {}},
    };
    writeBytes(tmp.path("out2.bin"), saved(both));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        std::filesystem::remove(out);
        std::string line = "dedupe " + c.args;
        for (const auto& [word, path] : {std::pair{"{in}", in}, {"{out}", out}, {"{out2}", tmp.path("out2.bin")},
                                         {"{missing}", tmp.path("none.bin")}})
            for (auto at = line.find(word); at != std::string::npos; at = line.find(word))
                line.replace(at, std::string(word).size(), q(path));
        const CliRun r = run(line);
        EXPECT_EQ(r.exitCode, c.exit) << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r.out << r.err;
        EXPECT_EQ(std::filesystem::exists(out), !c.written.empty());
        if (!c.written.empty()) {
            EXPECT_EQ(readBytes(out), c.written);
        }
    }
    EXPECT_EQ(readBytes(in), original) << "with -o, FILE stays";
    // In place: FILE.bak keeps the original.
    EXPECT_EQ(run("dedupe " + q(in)).exitCode, 0);
    EXPECT_EQ(readBytes(in), saved(both));
    EXPECT_EQ(readBytes(in + ".bak"), original);
}

}  // namespace
}  // namespace velmora::test
