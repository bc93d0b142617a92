// SPDX-License-Identifier: GPL-3.0-or-later
// The port settings dialog and the Open port / Port settings commands,
// driven through the scripted prompter, with pseudo-terminals as ports.
#include "port_controller.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "device_box.h"
#include "port_settings_dialog.h"
#include "scripted_prompter.h"
#include "serial_devices.h"

namespace velmora::ui {
namespace {

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
void writeFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

bool processUntil(const std::function<bool()>& pred, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

template <typename T>
T* control(QDialog& d, const char* name) {
    T* c = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

class PortControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_EQ(::openpty(&master_, &slave_, nullptr, nullptr, nullptr), 0);
        ::setenv("VELMORA_COM1", ::ttyname(slave_), 1);
        options_.configPath = dir_.filePath(QStringLiteral("config.ini"));
        options_.profilePath = dir_.filePath(QStringLiteral("profile.ini"));
    }
    void TearDown() override {
        ::unsetenv("VELMORA_COM1");
        ::unsetenv("VELMORA_COM3");
        if (master_ >= 0) ::close(master_);
        ::close(slave_);
        link::SerialPort::setDeviceMap({});
    }

    QTemporaryDir dir_;
    PortController::Options options_;
    ScriptedPrompter prompter_;
    int master_ = -1, slave_ = -1;
};

TEST_F(PortControllerTest, StartUpWithoutConfigCreatesItAndOpensCom1) {
    PortController pc(nullptr, options_);
    EXPECT_EQ(readFile(options_.configPath), "8\n0\n0\nNone\nCom1\n115200\n1\n");
    EXPECT_EQ(pc.portNumber(), 1);
    EXPECT_EQ(pc.baudRate(), 115200);
    EXPECT_FALSE(pc.portOpen());

    QSignalSpy status(&pc, &PortController::statusText);
    QSignalSpy openChanged(&pc, &PortController::portOpenChanged);
    pc.startUp();
    ASSERT_TRUE(pc.portOpen()) << pc.serialPort().lastError();
    EXPECT_TRUE(pc.commandChecked(PortController::kCmdOpenPort));
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), QStringLiteral("Initialization of Port COM1 is successful."));
    EXPECT_EQ(openChanged.count(), 1);
    EXPECT_TRUE(prompter_.messages.isEmpty());
    termios t{};
    ASSERT_EQ(::tcgetattr(slave_, &t), 0);
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B115200));
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);

    // Open port again: the toggle closes it.
    EXPECT_TRUE(pc.handleCommand(PortController::kCmdOpenPort));
    EXPECT_FALSE(pc.portOpen());
    EXPECT_FALSE(pc.commandChecked(PortController::kCmdOpenPort));
    EXPECT_EQ(pc.lastStatus(), QStringLiteral("Port COM1 is closed."));
    EXPECT_FALSE(pc.serialPort().connected());
    EXPECT_FALSE(pc.handleCommand(32784)) << "not a port command";
}

TEST_F(PortControllerTest, FailedOpenAndUnsetPort) {
    writeFile(options_.configPath, "8\n0\n0\nNone\nCom2\n115200\n1\n");
    ::setenv("VELMORA_COM2", "/dev/velmora-missing", 1);
    {
        PortController pc(nullptr, options_);
        pc.startUp();
        EXPECT_FALSE(pc.portOpen());
        EXPECT_EQ(pc.lastStatus(), QStringLiteral("COM2 (/dev/velmora-missing): No such file or directory"));
        ASSERT_EQ(prompter_.messages.size(), 1);
        EXPECT_EQ(prompter_.messages[0].text, QStringLiteral("Failed initializing port."));
        EXPECT_EQ(prompter_.messages[0].caption, QStringLiteral("VelmoraEdit"));
    }
    ::unsetenv("VELMORA_COM2");

    prompter_.messages.clear();
    writeFile(options_.configPath, "8\n0\n0\nNone\nttyUSB0\n115200\n1\n");
    PortController pc(nullptr, options_);
    EXPECT_EQ(pc.portNumber(), 0);
    pc.startUp();
    EXPECT_FALSE(pc.portOpen());
    EXPECT_EQ(pc.lastStatus(), QStringLiteral("Please set up the port first."));
    EXPECT_TRUE(prompter_.messages.isEmpty()) << "only the status bar tells";
}

TEST_F(PortControllerTest, DialogShowsStoredValues) {
    writeFile(options_.configPath, "7\n1\n2\nspace\nCOM2\n1152\n1.5\n");
    PortController pc(nullptr, options_);
    bool seen = false;
    prompter_.dialogHandler = [&](QDialog& d) {
        seen = true;
        EXPECT_EQ(control<QComboBox>(d, "1012")->currentText(), QStringLiteral("Com2"));
        EXPECT_EQ(control<QComboBox>(d, "1013")->currentText(), QStringLiteral("115200")) << "first entry with the prefix";
        EXPECT_EQ(control<QComboBox>(d, "1016")->currentText(), QStringLiteral("7"));
        EXPECT_EQ(control<QComboBox>(d, "1017")->currentText(), QStringLiteral("Space"));
        EXPECT_EQ(control<QComboBox>(d, "1018")->currentText(), QStringLiteral("1.5"));
        EXPECT_TRUE(control<QRadioButton>(d, "1015")->isChecked());
        EXPECT_TRUE(control<QRadioButton>(d, "1021")->isChecked());
        auto* port = control<QComboBox>(d, "1012");
        EXPECT_EQ(port->count(), 4);
        EXPECT_EQ(port->itemText(0), QStringLiteral("Com1"));
        return QDialog::Rejected;
    };
    const std::string before = readFile(options_.configPath);
    EXPECT_TRUE(pc.handleCommand(PortController::kCmdPortSettings));
    EXPECT_TRUE(seen);
    EXPECT_EQ(readFile(options_.configPath), before) << "Cancel changes nothing";
    EXPECT_EQ(pc.portNumber(), 2);
}

TEST_F(PortControllerTest, FreeTextAndUncheckedGroups) {
    writeFile(options_.configPath, "8\n5\n9\nNone\nCom1\n31250\n1\n");
    PortController pc(nullptr, options_);
    prompter_.dialogHandler = [&](QDialog& d) {
        EXPECT_EQ(control<QComboBox>(d, "1013")->currentText(), QStringLiteral("31250")) << "not in the list: shown as is";
        for (const char* id : {"1014", "1015", "1019", "1020", "1021", "1022"})
            EXPECT_FALSE(control<QRadioButton>(d, id)->isChecked()) << id;
        control<QComboBox>(d, "1017")->setEditText(QStringLiteral("Odd"));
        return QDialog::Accepted;
    };
    ASSERT_TRUE(pc.runSettingsDialog(nullptr));
    EXPECT_EQ(readFile(options_.configPath), "8\n-1\n-1\nOdd\nCom1\n31250\n1\n");
    EXPECT_EQ(pc.baudRate(), 31250);
}

TEST_F(PortControllerTest, ChoosingCom3RewritesOnlyThePortLine) {
    PortController pc(nullptr, options_);
    pc.startUp();
    ASSERT_TRUE(pc.portOpen());
    const std::string before = readFile(options_.configPath);

    prompter_.dialogHandler = [](QDialog& d) {
        auto* port = d.findChild<QComboBox*>(QStringLiteral("1012"));
        port->setCurrentIndex(port->findText(QStringLiteral("Com3")));
        return QDialog::Accepted;
    };
    EXPECT_TRUE(pc.handleCommand(PortController::kCmdPortSettings));
    EXPECT_EQ(pc.portNumber(), 3);
    const std::string after = readFile(options_.configPath);
    std::string expected = before;
    expected.replace(expected.find("Com1"), 4, "Com3");
    EXPECT_EQ(after, expected);
    EXPECT_EQ(prompter_.dialogsRun, QStringList{QStringLiteral("PortSettingsDialog")});

    // The open port stays where it was until it is reopened.
    EXPECT_TRUE(pc.portOpen());
    EXPECT_EQ(pc.serialPort().portName(), "COM1");
    pc.togglePort();
    EXPECT_EQ(pc.lastStatus(), QStringLiteral("Port COM1 is closed.")) << "the port that was open";
}

TEST_F(PortControllerTest, UnwritableConfigIsReportedAndNotWritten) {
    options_.configPath = dir_.filePath(QStringLiteral("missing-dir/config.ini"));
    PortController pc(nullptr, options_);
    EXPECT_EQ(pc.portNumber(), 1) << "defaults in use";
    prompter_.dialogHandler = [](QDialog& d) {
        auto* port = d.findChild<QComboBox*>(QStringLiteral("1012"));
        port->setCurrentIndex(port->findText(QStringLiteral("Com4")));
        return QDialog::Accepted;
    };
    EXPECT_TRUE(pc.runSettingsDialog(nullptr));
    ASSERT_EQ(prompter_.messages.size(), 1);
    EXPECT_TRUE(prompter_.messages[0].text.startsWith(QStringLiteral("The port settings could not be saved")));
    EXPECT_FALSE(QFile::exists(options_.configPath));
    EXPECT_FALSE(QDir(dir_.filePath(QStringLiteral("missing-dir"))).exists());
    EXPECT_EQ(pc.portNumber(), 4) << "the choice still holds for this run";
}

TEST_F(PortControllerTest, DeviceMappingLivesInTheProfile) {
    ::unsetenv("VELMORA_COM1");
    const std::string slavePath = ::ttyname(slave_);
    {
        PortController pc(nullptr, options_);
        prompter_.dialogHandler = [&](QDialog& d) {
            EXPECT_EQ(control<DeviceBox>(d, "device1")->text(), QString());
            control<DeviceBox>(d, "device1")->setText(QString::fromStdString(slavePath));
            return QDialog::Accepted;
        };
        ASSERT_TRUE(pc.runSettingsDialog(nullptr));
        EXPECT_EQ(readFile(options_.configPath), "8\n0\n0\nNone\nCom1\n115200\n1\n") << "config.ini keeps seven lines";
        pc.openPort();
        EXPECT_TRUE(pc.portOpen());
        EXPECT_EQ(pc.serialPort().devicePath(), slavePath);
    }
    QSettings profile(options_.profilePath, QSettings::IniFormat);
    EXPECT_EQ(profile.value(QStringLiteral("Ports/COM1")).toString().toStdString(), slavePath);

    link::SerialPort::setDeviceMap({});
    PortController again(nullptr, options_);  // reads the mapping back
    EXPECT_EQ(link::SerialPort::devicePathFor("COM1"), slavePath);
}

TEST_F(PortControllerTest, EnvironmentDeviceIsShownAndTheStoredOneKept) {
    QSettings(options_.profilePath, QSettings::IniFormat).setValue(QStringLiteral("Ports/COM1"), "/dev/ttyUSB7");
    PortController pc(nullptr, options_);
    prompter_.dialogHandler = [&](QDialog& d) {
        EXPECT_EQ(control<DeviceBox>(d, "device1")->text().toStdString(), ::ttyname(slave_));
        EXPECT_TRUE(control<DeviceBox>(d, "device1")->isReadOnly());
        return QDialog::Accepted;
    };
    ASSERT_TRUE(pc.runSettingsDialog(nullptr));
    EXPECT_EQ(pc.devicePaths().value(0), QStringLiteral("/dev/ttyUSB7"));
}

TEST_F(PortControllerTest, ReceivedBytesReachTheUiThread) {
    PortController pc(nullptr, options_);
    QSignalSpy down(&pc, &PortController::rxDownload);
    QSignalSpy up(&pc, &PortController::rxUpload);
    pc.startUp();
    ASSERT_TRUE(pc.portOpen());

    pc.flags().downloadArmed = true;
    ASSERT_EQ(::write(master_, "\x01", 1), 1);
    ASSERT_TRUE(processUntil([&] { return down.count() >= 1; }));
    EXPECT_EQ(up.count(), 0);
    std::uint8_t b = 0;
    ASSERT_TRUE(pc.serialPort().queue().get(b));
    EXPECT_EQ(b, 0x01);

    const std::uint8_t out[] = {0x10, 0x03};
    EXPECT_EQ(pc.serialPort().write(out, 2), 2u);
    char got[2] = {};
    ASSERT_TRUE(processUntil([&] { return ::read(master_, got, 2) == 2; }));
    EXPECT_EQ(got[0], 0x10);
}

TEST_F(PortControllerTest, OverflowIsShownOnTheUiThreadAndReceptionGoesOn) {
    PortController pc(nullptr, options_);
    pc.startUp();
    ASSERT_TRUE(pc.portOpen());
    const std::vector<char> fill(64000, 'x');
    std::size_t done = 0;
    while (done < fill.size()) {
        const ssize_t n = ::write(master_, fill.data() + done, fill.size() - done);
        ASSERT_GT(n, 0);
        done += static_cast<std::size_t>(n);
    }
    ASSERT_TRUE(processUntil([&] { return pc.serialPort().queue().count() == fill.size(); }));
    ASSERT_EQ(::write(master_, fill.data(), 3000), 3000);
    ASSERT_TRUE(processUntil([&] { return !prompter_.messages.isEmpty(); }));
    EXPECT_EQ(prompter_.messages[0].text, QStringLiteral("serial port QueueRead FULL!"));
    EXPECT_TRUE(pc.portOpen());
    EXPECT_TRUE(pc.serialPort().watching());
}

TEST_F(PortControllerTest, LostDeviceClearsTheCheckMark) {
    PortController pc(nullptr, options_);
    QSignalSpy openChanged(&pc, &PortController::portOpenChanged);
    pc.startUp();
    ASSERT_TRUE(pc.portOpen());
    ::close(master_);
    master_ = -1;
    ASSERT_TRUE(processUntil([&] { return !pc.portOpen(); }));
    EXPECT_FALSE(pc.commandChecked(PortController::kCmdOpenPort));
    ASSERT_EQ(openChanged.count(), 2);
    EXPECT_FALSE(openChanged.at(1).at(0).toBool());
    ASSERT_EQ(prompter_.messages.size(), 1);
    EXPECT_TRUE(prompter_.messages[0].text.contains(QStringLiteral("was lost"))) << prompter_.messages[0].text.toStdString();
    EXPECT_EQ(pc.lastStatus(), prompter_.messages[0].text);
    EXPECT_FALSE(pc.serialPort().watching());
    EXPECT_EQ(pc.serialPort().fd(), -1);
}

TEST_F(PortControllerTest, StaleNotificationsAfterCloseAreIgnored) {
    PortController pc(nullptr, options_);
    QSignalSpy down(&pc, &PortController::rxDownload);
    pc.startUp();
    pc.flags().downloadArmed = true;
    ASSERT_EQ(::write(master_, "\x01", 1), 1);
    // Close before the queued notification is delivered (no event
    // processing while waiting).
    for (int i = 0; i < 300 && pc.serialPort().queue().count() == 0; ++i) ::usleep(10000);
    ::usleep(50000);
    pc.togglePort();
    QCoreApplication::processEvents();
    EXPECT_EQ(down.count(), 0);
    EXPECT_TRUE(prompter_.messages.isEmpty());
}

// Serial devices found by name in a fake /dev: an adapter on a pseudo-terminal
// named by id, a dangling by-id link, ttyS nodes without a UART behind them (a
// plain file, a pseudo-terminal), other nodes. The drop-down offers them, keeps
// a chosen or typed path, and follows an adapter pulled out while it is shown.
TEST(SerialDevices, FoundByNameAndFollowedByTheDropDown) {
    namespace fs = std::filesystem;
    QTemporaryDir root;
    const QString dev = root.filePath(QStringLiteral("dev"));
    const std::string d = dev.toStdString();
    fs::create_directories(d + "/serial/by-id");
    for (const char* node : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS1", "tty0", "console"})
        writeFile(dev + "/" + node, "");
    fs::create_symlink("../../ttyUSB1", d + "/serial/by-id/usb-FTDI_FT232R__UART_A1-if00-port0");
    fs::create_symlink("../../ttyUSB7", d + "/serial/by-id/usb-Unplugged-if00-port0");
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    fs::create_symlink(::ttyname(slave), d + "/ttyS0");
    fs::create_symlink(::ttyname(slave), d + "/ttyUSB1");
    const std::vector<link::SerialDevice> expected = {
        {d + "/serial/by-id/usb-FTDI_FT232R__UART_A1-if00-port0", "FTDI FT232R UART A1 (ttyUSB1)"},
        {d + "/ttyUSB1", "FTDI FT232R UART A1"},
        {d + "/ttyUSB2", "USB serial adapter"},
        {d + "/ttyUSB10", "USB serial adapter"},
        {d + "/ttyACM0", "USB modem (CDC ACM)"},
    };
    EXPECT_EQ(link::findSerialDevices(root.path().toStdString()), expected);

    DeviceBox box(nullptr, root.path());
    box.show();
    ASSERT_EQ(box.count(), 5);
    EXPECT_EQ(box.model()->index(1, 0).data().toString(), "FTDI FT232R UART A1 \u2014 " + dev + "/ttyUSB1");
    box.setText(dev + "/ttyUSB1");
    EXPECT_EQ(box.currentIndex(), 1);
    fs::remove(d + "/ttyUSB1");  // pulled out: its entries go, the chosen path stays
    EXPECT_TRUE(processUntil([&] { return box.count() == 3; }));
    EXPECT_EQ(link::findSerialDevices(root.path().toStdString()), decltype(expected)(expected.begin() + 2, expected.end()))
        << "its entries go";
    EXPECT_EQ(box.text(), dev + "/ttyUSB1");
    box.setText(QStringLiteral("/dev/typed"));
    EXPECT_EQ(std::pair(box.currentIndex(), box.text()), std::pair(-1, QStringLiteral("/dev/typed")));
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace velmora::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
