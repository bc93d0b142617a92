// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "channel_reader.h"
#include "channel_writer.h"
#include "cli_run.h"

namespace velmora {
namespace {

using test::CliRun;
using test::q;
using test::velmora;

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

// ------------------------------------------------------------ awkward input

class CliAwkward : public Cli {
protected:
    void SetUp() override {
        test::writeBytes(s, test::sampleFile());
        ::mkfifo(fifo.c_str(), 0644);
        // Holds the FIFO open for writing and never writes.
        writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        ChannelDatabase db = makeSampleDatabase({});
        setFieldText(std::span(db.header.headerText.data(), kHeaderTextSize), "VM\x1b[2J\nX\x9b");
        db.header.usageType = 0x0005;
        test::writeBytes(odd, serializeUnchanged(db));
    }
    void TearDown() override { ::close(writer); }

    const std::string s = tmp.path("s.bin"), fifo = tmp.path("fifo"), odd = tmp.path("odd.bin");
    int writer = -1;
};

TEST_F(CliAwkward, everyCommandLineEndsWithItsExitCodeAndMessage) {
    const auto bytes = test::readBytes(s);
    auto padded = bytes;
    padded.resize(bytes.size() + 206, 0xFF);
    test::writeBytes(tmp.path("padded.bin"), padded);
    padded.resize(bytes.size() + 1025, 0xFF);
    test::writeBytes(tmp.path("over.bin"), padded);
    test::writeBytes(tmp.path("big.bin"), bytes);
    std::filesystem::resize_file(tmp.path("big.bin"), kReadLimit + 1);
    std::filesystem::create_directory(tmp.path("dir"));
    const std::string longName(250, 'n'), f = q(fifo), port = " --port " + q(tmp.path("no-tty"));

    struct Row {
        std::string line;
        int exitCode;
        const char* says;
        std::string stdoutTo = {};
    };
    const Row rows[] = {
        {"info " + f, 2, "not a regular file"},
        {"resave " + q(s) + " -o " + f, 2, "not a regular file"},
        {"send " + f + port, 2, "not a regular file"},
        {"receive " + f + port, 2, "not a regular file"},
        {"receive /dev/null" + port, 2, "not a regular file"},
        {"receive " + q(tmp.path("dir")) + port, 2, "Is a directory"},
        {"receive " + q(tmp.path("no/out.bin")) + port, 2, "No such file or directory"},
        {"receiver --pty --serve " + f, 2, "not a regular file"},
        {"receiver --pty --store " + q(tmp.path("no/s.bin")), 2, "No such file or directory"},
        {"info " + q(tmp.path("big.bin")), 2, "too large to be a channel file"},
        {"info " + q(s), 2, "cannot write to standard output: No space left on device", "/dev/full"},
        {"dump " + q(s), 2, "cannot write to standard output: No space left on device", "/dev/full"},
        {"dump " + q(s), 2, "cannot write to standard output: Bad file descriptor", "&-"},
        {"send " + q(s) + port + " --timeout nan", 2, "--timeout must be a positive number of seconds"},
        {"send " + q(s) + port + " --baud 0", 2, "--baud must be a positive whole number"},
        {"receiver --pty --baud -9600", 2, "--baud must be a positive whole number"},
        {"sample -o x.bin --tv 10001", 2, "--tv must be a whole number from 0 to 10000"},
        {"sample -o x.bin --satellites 256", 2, "--satellites must be a whole number from 0 to 255"},
        {"sample -o x.bin --transponders 1001", 2, "--transponders must be a whole number from 0 to 1000"},
        {"sample -o x.bin --groups 126", 2, "--groups must be a whole number from 0 to 125"},
        {"sample -o x.bin --extra 60001", 2, "--extra must be a whole number from 0 to 60000"},
        {"sample -o x.bin --seed -1", 2, "--seed must be a whole number from 0 to 18446744073709551615"},
        {"sample -o x.bin --satellites 0", 2, "transponders need a satellite"},
        {"sample -o x.bin --transponders 0", 2, "channels need a transponder"},
        {"sample -o x.bin --max --groups 3", 2, "cannot be combined with counts"},
        {"sample -o ''", 2, "--output must name a file"},
        {"resave " + q(s) + " -o ''", 2, "--output must name a file"},
        {"delete " + q(s) + " tv 1 -o ''", 2, "--output must name a file"},
        {"resave " + q(s) + " -o " + q(tmp.path(longName)), 0, ""},
        {"info " + q(odd), 0, "Model:             VM\\x1b[2J\\x0aX\\x9b\n"},
        {"info " + q(odd), 0, "(unknown: send refuses it)"},
        {"check " + q(odd), 1, "usage type 0x0005 is unknown"},
        {"check " + q(tmp.path("padded.bin")), 0, "note: 206 bytes of 0xFF padding"},
        {"check " + q(tmp.path("over.bin")), 1, "1025 bytes follow the CRC trailer"},
        {"--version", 0, "0.1.0"},
        {"bogus", 2, "unknown command 'bogus'\nCommands: info, dump, check"},
    };
    for (const Row& row : rows) {
        const CliRun r = velmora(row.line, row.stdoutTo);
        const std::string all = r.out + r.err;
        EXPECT_EQ(r.exitCode, row.exitCode) << row.line << "\n" << all;
        EXPECT_NE(all.find(row.says), std::string::npos) << row.line << "\n" << all;
        EXPECT_EQ(all.find('\x1b'), std::string::npos) << row.line;
    }
    EXPECT_FALSE(std::filesystem::exists("x.bin"));

    // Both texts of a bad magic, each said once.
    const CliRun bad = velmora("info " + q(std::string(VELMORA_TEST_DATA) + "/damaged/bad-magic.bin"));
    for (const std::string text : {"Invalid Data Format!!!", "Invalid Data Format, Check the Source File"})
        EXPECT_EQ(bad.err.find(text), bad.err.rfind(text)) << bad.err;
}

TEST_F(CliAwkward, savingFollowsDanglingLinksAndRefusesFilesTheUserMayNotWrite) {
    std::filesystem::create_symlink("made.bin", tmp.path("link.bin"));
    ASSERT_EQ(velmora("resave " + q(s) + " -o " + q(tmp.path("link.bin"))).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(tmp.path("link.bin")));
    EXPECT_EQ(test::readBytes(tmp.path("made.bin")), test::readBytes(s));

    // As an ordinary user: a 0444 file of one's own, and root's file in one's folder.
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    ::chmod(tmp.dir().c_str(), 0777);
    ::chown(s.c_str(), 65534, 65534);
    ::chmod(s.c_str(), 0444);
    for (const std::string& file : {s, odd}) {
        const auto before = test::readBytes(file);
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
            const CliRun r = velmora("resave " + q(file));
            ::_exit(r.err.find("the file is read-only") != std::string::npos ? r.exitCode : 98);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(WEXITSTATUS(status), 2) << file;
        EXPECT_EQ(test::readBytes(file), before);
        EXPECT_FALSE(std::filesystem::exists(file + ".bak")) << "a backup of a file that was not changed";
    }
    EXPECT_EQ(velmora("resave " + q(s)).exitCode, 0);  // root may, as it may write in place
}

TEST_F(Cli, listPrintsTheRowsAsOneOrTwoHeaderClicksOrderThem) {
    ChannelDatabase db = test::smallDatabase();
    const char* names[] = {"b\x1b", "A", "T\xE9l\xE9", "a"};
    for (std::size_t i = 0; i < 4; ++i) {
        setFieldText(db.tv[i].name, names[i]);
        db.tv[i].transponderIndex = 999;  // no such transponder: both cells stay empty
    }
    const std::string f = tmp.path("l.bin");
    test::writeBytes(f, serializeUnchanged(db));
    // Table order, and a second click on Channel Name; the orders themselves are core's.
    const std::pair<const char*, const char*> cases[] = {
        {"", "0001\tb\\x1b\t\t\n0002\tA\t\t\n0003\tT\xC3\xA9l\xC3\xA9\t\t\n0004\ta\t\t\n"},
        {"--sort name --descending", "0001\tb\\x1b\t\t\n0004\ta\t\t\n0003\tT\xC3\xA9l\xC3\xA9\t\t\n0002\tA\t\t\n"},
    };
    for (const auto& [args, expected] : cases) {
        const CliRun r = velmora("list " + q(f) + " tv " + args);
        EXPECT_EQ(r.exitCode, 0) << args;
        EXPECT_EQ(r.out, expected) << args;
    }
    EXPECT_EQ(velmora("list " + q(f) + " tv --descending").exitCode, 2);
    EXPECT_EQ(velmora("list " + q(tmp.path("none.bin")) + " radio").exitCode, 2);
}

}  // namespace
}  // namespace velmora
