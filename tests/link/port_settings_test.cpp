// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::link {
namespace {

namespace fs = std::filesystem;

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/velmora-settings-XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        path_ = (dir_ / "config.ini").string();
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0755);
        fs::remove_all(dir_);
    }
    void write(const std::string& text) {
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(ConfigFile, MissingFileIsCreatedWithTheDefaults) {
    PortSettings s;
    s.port = "Com4";  // must be reset
    EXPECT_EQ(loadSettings(path_, s), LoadStatus::Created);
    EXPECT_EQ(s, PortSettings{});
    EXPECT_EQ(read(), "8\n0\n0\nNone\nCom1\n115200\n1\n");
    EXPECT_EQ(filesInDir(), 1u) << "no temporary file may be left behind";

    PortSettings again;
    EXPECT_EQ(loadSettings(path_, again), LoadStatus::Read);
    EXPECT_EQ(again, PortSettings{});
}

TEST_F(ConfigFile, RoundTrip) {
    PortSettings s;
    s.dataBits = "7";
    s.optionIndex = 1;
    s.flowControl = 3;
    s.parity = "Mark";
    s.port = "Com3";
    s.baudRate = "256000";
    s.stopBits = "1.5";
    ASSERT_TRUE(saveSettings(path_, s));
    EXPECT_EQ(read(), "7\n1\n3\nMark\nCom3\n256000\n1.5\n");
    PortSettings back;
    EXPECT_EQ(loadSettings(path_, back), LoadStatus::Read);
    EXPECT_EQ(back, s);

    // Free text typed into the dialog keeps the file at seven lines.
    s.baudRate = "12\n34";
    ASSERT_TRUE(saveSettings(path_, s));
    EXPECT_EQ(loadSettings(path_, back), LoadStatus::Read);
    EXPECT_EQ(back.baudRate, "12");
    EXPECT_EQ(back.stopBits, "1.5");
}

TEST_F(ConfigFile, MalformedAndMissingLinesKeepTheirDefaults) {
    const std::string longWord(100, 'x');
    write("  6 extra words\n"
          "abc\n"
          "2x\n"
          "\n"
          + longWord + "\r\n"
          "9600\r\n");  // stop-bits line missing
    PortSettings s;
    EXPECT_EQ(loadSettings(path_, s), LoadStatus::Read);
    EXPECT_EQ(s.dataBits, "6");       // first word only
    EXPECT_EQ(s.optionIndex, 0);      // not a number
    EXPECT_EQ(s.flowControl, 0);      // trailing junk
    EXPECT_EQ(s.parity, "None");      // empty line
    EXPECT_EQ(s.port, std::string(kMaxConfigWord, 'x'));
    EXPECT_EQ(s.baudRate, "9600");    // carriage return is not part of the word
    EXPECT_EQ(s.stopBits, "1");       // missing line

    write("8\n+1\n-1\nEven\nCom2\n");
    EXPECT_EQ(loadSettings(path_, s), LoadStatus::Read);
    EXPECT_EQ(s.optionIndex, 1);
    EXPECT_EQ(s.flowControl, -1);
    EXPECT_EQ(s.parity, "Even");
    EXPECT_EQ(s.baudRate, "115200");

    write("8\n99999999999\n");
    EXPECT_EQ(loadSettings(path_, s), LoadStatus::Read);
    EXPECT_EQ(s.optionIndex, 0) << "an out-of-range number is malformed";

    write("");
    EXPECT_EQ(loadSettings(path_, s), LoadStatus::Read);
    EXPECT_EQ(s, PortSettings{});
}

TEST_F(ConfigFile, UnwritablePlaceReportsAndWritesNothing) {
    const std::string nowhere = (dir_ / "no-such-dir" / "config.ini").string();
    PortSettings s;
    std::string error;
    EXPECT_FALSE(saveSettings(nowhere, s, &error));
    EXPECT_NE(error.find("no-such-dir"), std::string::npos) << error;
    EXPECT_EQ(loadSettings(nowhere, s), LoadStatus::CreateFailed);
    EXPECT_EQ(s, PortSettings{});
    EXPECT_FALSE(fs::exists(dir_ / "no-such-dir"));

    EXPECT_FALSE(saveSettings("/proc/velmora-config.ini", s, &error));
}

TEST_F(ConfigFile, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores directory permissions";
    write("5\n0\n0\nOdd\nCom2\n300\n2\n");
    ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
    PortSettings s;
    s.port = "Com3";
    EXPECT_FALSE(saveSettings(path_, s));
    EXPECT_EQ(read(), "5\n0\n0\nOdd\nCom2\n300\n2\n");
}

TEST(PortSettingsValues, PortNumberAndBaud) {
    EXPECT_EQ(portNumberFrom("Com1", 0), 1);
    EXPECT_EQ(portNumberFrom("COM4", 2), 4);
    EXPECT_EQ(portNumberFrom("Com5", 2), 2);
    EXPECT_EQ(portNumberFrom("Com", 3), 3);
    EXPECT_EQ(portNumberFrom("ttyUSB0", 0), 0);
    EXPECT_EQ(portNumberFrom("xyz3", 0), 3) << "only the fourth character counts";

    EXPECT_EQ(baudRateFrom("115200"), 115200);
    EXPECT_EQ(baudRateFrom("14400baud"), 14400);
    EXPECT_EQ(baudRateFrom("fast"), 0);
    EXPECT_EQ(baudRateFrom(""), 0);
    EXPECT_EQ(baudRateFrom("99999999999"), 0);
}

TEST(PortSettingsValues, LineSummaryAsTheStatusBarShowsIt) {
    // Parity by its first letter, stop bits as the driver reads the text.
    const std::pair<PortSettings, const char*> cases[] = {
        {{"8", 0, 0, "None", "Com1", "115200", "1"}, "115200, none, 8, 1"},
        {{"7", 0, 0, "Even", "Com1", "9600", "2"}, "9600, even, 7, 2"},
        {{"5", 0, 0, "Mark", "Com1", "300", "1.5"}, "300, mark, 5, 1.5"},
        {{"6", 0, 0, "weird", "Com1", "1200", "3"}, "1200, weird, 6, 2"},
    };
    for (const auto& [settings, shown] : cases) EXPECT_EQ(lineSummary(settings), shown);
}

TEST(ConfigLocation, CurrentFolderFirstThenTheUsersConfigFolder) {
    const struct {
        bool here;
        const char *xdg, *home, *expected;
    } cases[] = {
        {true, "/x/cfg", "/home/u", "config.ini"},  {false, "/x/cfg/", "/h", "/x/cfg/VelmoraEdit/config.ini"},
        {false, nullptr, "/h", "/h/.config/VelmoraEdit/config.ini"},
        {false, "", "/h", "/h/.config/VelmoraEdit/config.ini"},
        {false, "relative", "/h", "/h/.config/VelmoraEdit/config.ini"},
        {false, nullptr, nullptr, "config.ini"},   {false, nullptr, "", "config.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(configFilePath(c.here, c.xdg, c.home), c.expected)
            << c.here << " " << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }
}

}  // namespace
}  // namespace velmora::link
