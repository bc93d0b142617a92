#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <numeric>

#include "channel_edit.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "test_files.h"

namespace velmora {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
};

Outcome velmora(const std::string& args) {
    test::TempDir tmp;
    const std::string cmd = std::string(VELMORA_CLI) + " " + args + " >" + tmp.path("out") + " 2>/dev/null";
    const int status = std::system(cmd.c_str());
    const auto out = test::readBytes(tmp.path("out"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(out.begin(), out.end())};
}

class DiffCli : public ::testing::Test {
protected:
    void SetUp() override {
        SampleOptions o;
        o.tv = 40;
        o.radio = 12;
        reference = makeSampleDatabase(o);
        test::writeBytes(ref, serializeUnchanged(reference));
    }
    // The reference with `change` applied, saved as FILE.
    void writeFile(const std::function<void(ChannelDatabase&)>& change) {
        ChannelDatabase db = reference;
        change(db);
        test::writeBytes(file, buildChannelFile(db, SaveOptions{}));
    }
    std::string q(const std::string& s) const { return "'" + s + "'"; }

    test::TempDir tmp;
    ChannelDatabase reference;
    const std::string ref = tmp.path("ref.bin"), file = tmp.path("file.bin"), out = tmp.path("out.bin");
};

TEST_F(DiffCli, ExitCodesAndJsonOfASingleMove) {
    writeFile([](ChannelDatabase&) {});
    EXPECT_EQ(velmora("diff " + q(ref) + " " + q(file)).exitCode, 0);
    EXPECT_EQ(velmora("diff " + q(ref) + " " + q(tmp.path("missing.bin"))).exitCode, 2);

    writeFile([](ChannelDatabase& db) { moveChannel(db, *holdChannel(db, ChannelKind::Radio, 2), 7); });
    const Outcome text = velmora("diff " + q(ref) + " " + q(file));
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out.rfind("radio moved 0003 -> 0008 \"", 0), 0u) << text.out;
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 1) << text.out;

    const Outcome json = velmora("diff --json " + q(ref) + " " + q(file));
    EXPECT_EQ(json.exitCode, 1);
    const auto j = nlohmann::json::parse(json.out);
    for (const char* key : {"tv", "radio", "favorites", "transponders", "satellites"}) EXPECT_TRUE(j.contains(key)) << key;
    EXPECT_EQ(j["radio"]["moved"].size(), 1u);
    EXPECT_EQ(j["radio"]["moved"][0]["a"], 3);
    EXPECT_EQ(j["radio"]["moved"][0]["b"], 8);
    EXPECT_TRUE(j["radio"]["added"].empty());
    EXPECT_TRUE(j["favorites"].empty());  // the members followed their channel
}

TEST_F(DiffCli, ReorderRestoresTheReferenceAndDryRunWritesNothing) {
    // A rescanned list: every channel elsewhere, favourites gone.
    writeFile([](ChannelDatabase& db) {
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            std::vector<int> order(db.channelCount(kind));
            std::iota(order.rbegin(), order.rend(), 0);
            applyChannelOrder(db, kind, order);
        }
        db.general.favoriteGroupCount = 0;
    });
    const auto before = test::readBytes(file);
    const Outcome dry = velmora("reorder " + q(file) + " --like " + q(ref) + " --dry-run --with-favorites");
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_NE(dry.out.find("TV: 40 of 40 channels matched (40 by ids, 0 by name)"), std::string::npos) << dry.out;
    EXPECT_EQ(test::readBytes(file), before);

    ASSERT_EQ(velmora("reorder " + q(file) + " --like " + q(ref) + " -o " + q(out)).exitCode, 0);
    EXPECT_EQ(test::readBytes(file), before);
    const Outcome left = velmora("diff " + q(ref) + " " + q(out));
    EXPECT_EQ(left.exitCode, 1);  // the groups are still missing
    EXPECT_EQ(left.out.find(" moved "), std::string::npos) << left.out;

    ASSERT_EQ(velmora("reorder " + q(file) + " --like " + q(ref) + " --with-favorites").exitCode, 0);  // in place
    EXPECT_EQ(velmora("diff " + q(ref) + " " + q(file)).exitCode, 0);
    EXPECT_EQ(test::readBytes(file), test::readBytes(ref));
}

}  // namespace
}  // namespace velmora
