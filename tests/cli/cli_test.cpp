#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "channel_reader.h"
#include "channel_writer.h"
#include "test_files.h"

namespace velmora {
namespace {

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

// Runs the velmora tool with `args` (already shell-quoted).
CliRun velmora(const std::string& args) {
    test::TempDir tmp;
    const std::string cmd = std::string(VELMORA_CLI) + " " + args + " >" + tmp.path("out") + " 2>" + tmp.path("err");
    const int status = std::system(cmd.c_str());
    CliRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto out = test::readBytes(tmp.path("out"));
    const auto err = test::readBytes(tmp.path("err"));
    r.out.assign(out.begin(), out.end());
    r.err.assign(err.begin(), err.end());
    return r;
}

std::string q(const std::string& s) { return "'" + s + "'"; }

class Cli : public ::testing::Test {
protected:
    test::TempDir tmp;
};

TEST_F(Cli, sampleThenCheckInfoAndDumpAgree) {
    const std::string f = tmp.path("s.bin");
    ASSERT_EQ(velmora("sample -o " + q(f) + " --tv 7 --radio 3 --groups 2 --extra 5").exitCode, 0);
    EXPECT_EQ(velmora("check " + q(f)).exitCode, 0);
    const CliRun info = velmora("info " + q(f));
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_NE(info.out.find("TV channels:       7"), std::string::npos) << info.out;
    const CliRun dump = velmora("dump " + q(f));
    ASSERT_EQ(dump.exitCode, 0);
    const auto j = nlohmann::json::parse(dump.out);
    EXPECT_EQ(j["tv"].size(), 7u);
    EXPECT_EQ(j["radio"].size(), 3u);
    EXPECT_EQ(j["favorites"].size(), 2u);
    EXPECT_EQ(j["extra"]["extraLength"], 5);
    EXPECT_EQ(j["header"]["magic"], 0x55AA55AA);
    EXPECT_EQ(j["sections"]["channel"]["sectionLength"], 10 * 44 + 4);
    EXPECT_TRUE(j["tv"][0]["name"].is_string());
}

TEST_F(Cli, resaveReproducesItsOwnOutputByteForByte) {
    const std::string f = tmp.path("s.bin"), once = tmp.path("once.bin"), twice = tmp.path("twice.bin");
    ASSERT_EQ(velmora("sample -o " + q(f) + " --seed 9").exitCode, 0);
    ASSERT_EQ(velmora("resave " + q(f) + " -o " + q(once)).exitCode, 0);
    ASSERT_EQ(velmora("resave " + q(once) + " -o " + q(twice)).exitCode, 0);
    EXPECT_EQ(test::readBytes(once), test::readBytes(twice));
    ASSERT_EQ(velmora("resave " + q(twice)).exitCode, 0);  // in place
    EXPECT_EQ(test::readBytes(twice), test::readBytes(once));
}

TEST_F(Cli, checkListsEveryFindingAndResaveRepairsThem) {
    const std::string f = tmp.path("s.bin");
    ASSERT_EQ(velmora("sample -o " + q(f)).exitCode, 0);
    auto bytes = test::readBytes(f);
    bytes[12] ^= 1;                   // dataLength
    bytes[6] ^= 1;                    // checksum
    bytes[bytes.size() - 1] ^= 1;     // CRC
    bytes.push_back(0);               // a byte after the trailer
    test::writeBytes(f, bytes);
    ChannelDatabase db;
    ASSERT_TRUE(readChannelFile(bytes, db).ok());
    const CliRun r = velmora("check " + q(f));
    EXPECT_EQ(r.exitCode, 1);
    for (const char* what : {"dataLength", "checksum", "CRC trailer", "follow the CRC trailer"})
        EXPECT_NE(r.out.find(what), std::string::npos) << what << "\n" << r.out;
    ASSERT_EQ(velmora("resave " + q(f)).exitCode, 0);
    EXPECT_EQ(velmora("check " + q(f)).exitCode, 0);
}

TEST_F(Cli, checkReportsIndicesOutsideTheirTables) {
    ChannelDatabase db = test::smallDatabase();
    db.tv[1].transponderIndex = 50;
    db.radioMembers[0] = 9;
    const std::string f = tmp.path("idx.bin");
    test::writeBytes(f, serializeUnchanged(db));
    const CliRun r = velmora("check " + q(f));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("tv 1: transponderIndex 50 is outside the 3 transponders"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("radio member 0 is channel 9"), std::string::npos) << r.out;
}

TEST_F(Cli, everyDamagedFileExitsTwoWithItsMessage) {
    const std::string dir = std::string(VELMORA_TEST_DATA) + "/damaged/";
    std::ifstream manifest(dir + "EXPECTED.tsv");
    std::string line;
    while (std::getline(manifest, line)) {
        const std::string name = line.substr(0, line.find('\t'));
        std::string first = line.substr(line.find('\t') + 1);
        first = first.substr(0, first.find("\\n"));
        EXPECT_EQ(velmora("resave " + q(dir + name) + " -o " + q(tmp.path("out.bin"))).exitCode, 2) << name;
        for (const char* cmd : {"info", "dump", "check"}) {
            const CliRun r = velmora(std::string(cmd) + " " + q(dir + name));
            EXPECT_EQ(r.exitCode, 2) << cmd << " " << name;
            EXPECT_NE(r.err.find(first), std::string::npos) << cmd << " " << name << ": " << r.err;
            EXPECT_TRUE(r.out.empty()) << cmd << " " << name;
        }
    }
    EXPECT_FALSE(std::ifstream(tmp.path("out.bin")).good());  // nothing written for a rejected file
}

TEST_F(Cli, usageErrorsExitTwoAndHelpExitsZero) {
    EXPECT_EQ(velmora("").exitCode, 2);
    EXPECT_EQ(velmora("frobnicate").exitCode, 2);
    EXPECT_EQ(velmora("info").exitCode, 2);
    EXPECT_EQ(velmora("info " + q(tmp.path("missing.bin"))).exitCode, 2);
    for (const char* cmd : {"", "info", "dump", "check", "resave", "sample"}) {
        const CliRun r = velmora(std::string(cmd) + " --help");
        EXPECT_EQ(r.exitCode, 0) << cmd;
        EXPECT_NE(r.out.find("Usage"), std::string::npos) << cmd;
    }
}

TEST_F(Cli, resaveOntoAnUnwritableTargetKeepsTheOldFile) {
    const std::string f = tmp.path("s.bin");
    ASSERT_EQ(velmora("sample -o " + q(f)).exitCode, 0);
    const CliRun r = velmora("resave " + q(f) + " -o " + q(tmp.path("no/such/dir/out.bin")));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("No such file or directory"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace velmora
