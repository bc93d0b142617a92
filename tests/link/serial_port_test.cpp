// SPDX-License-Identifier: GPL-3.0-or-later
// SerialPort against pseudo-terminal pairs: the port opens the slave side,
// the test plays the receiver on the master side.
#include "serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <poll.h>
#include <pty.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include "serial_baud.h"
#include "serial_line.h"

namespace velmora::link {
namespace {

using namespace std::chrono_literals;

bool waitFor(const std::function<bool()>& pred, std::chrono::milliseconds limit = 10000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

struct Recorder {
    std::array<std::atomic<int>, 5> counts{};
    std::atomic<int> wrongPort{0};
    std::uint16_t expectedPort = 0;

    SerialPort::Notify notify() {
        return [this](PortEvent e, std::uint16_t port) {
            counts[static_cast<int>(e)].fetch_add(1);
            if (port != expectedPort) wrongPort.fetch_add(1);
        };
    }
    int operator[](PortEvent e) const { return counts[static_cast<int>(e)].load(); }
    int total() const {
        int t = 0;
        for (const auto& c : counts) t += c.load();
        return t;
    }
};

class PtyPort : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::openpty(&master_, &slave_, nullptr, nullptr, nullptr), 0);
        path_ = ::ttyname(slave_);
        rec_.expectedPort = 2;
        port_ = std::make_unique<SerialPort>(flags_, rec_.notify());
    }
    void TearDown() override {
        port_.reset();
        if (master_ >= 0) ::close(master_);
        if (slave_ >= 0) ::close(slave_);
    }

    bool open(const std::string& parity = "None", const std::string& dataBits = "8",
              const std::string& stopBits = "1", int flow = 0, int baud = 115200) {
        return port_->open(path_, baud, 2, dataBits, parity, stopBits, flow);
    }
    termios attrs() const {
        termios t{};
        EXPECT_EQ(::tcgetattr(slave_, &t), 0);
        return t;
    }
    tcflag_t parityBits() const { return attrs().c_cflag & (PARENB | PARODD | CMSPAR); }

    // Reads exactly n bytes from the master side.
    std::vector<std::uint8_t> readMaster(std::size_t n) const {
        std::vector<std::uint8_t> out;
        std::uint8_t buf[4096];
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (out.size() < n && std::chrono::steady_clock::now() < end) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            const ssize_t r = ::read(master_, buf, sizeof buf);
            if (r > 0) out.insert(out.end(), buf, buf + r);
        }
        return out;
    }
    void writeMaster(const std::vector<std::uint8_t>& data) const {
        std::size_t done = 0;
        while (done < data.size()) {
            const ssize_t r = ::write(master_, data.data() + done, data.size() - done);
            ASSERT_GT(r, 0);
            done += static_cast<std::size_t>(r);
        }
    }
    std::vector<std::uint8_t> drainUntil(std::size_t n) {
        std::vector<std::uint8_t> out;
        // Drains as fast as the UI thread would: a full-speed pseudo-terminal
        // fills 64 KiB much faster than a real line.
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (out.size() < n && std::chrono::steady_clock::now() < end) {
            if (port_->queue().drain(out) == 0) std::this_thread::yield();
        }
        return out;
    }

    int master_ = -1, slave_ = -1;
    std::string path_;
    LinkFlags flags_;
    Recorder rec_;
    std::unique_ptr<SerialPort> port_;
};

TEST_F(PtyPort, OpensRawWithTheRequestedLine) {
    ASSERT_TRUE(open()) << port_->lastError();
    EXPECT_TRUE(port_->connected());
    EXPECT_TRUE(port_->watching());
    EXPECT_EQ(port_->devicePath(), path_);
    EXPECT_EQ(port_->portNumber(), 2);
    const termios t = attrs();
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), CLOCAL | CREAD);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cc[VMIN], 0);
    EXPECT_EQ(t.c_cc[VTIME], 0);
    EXPECT_EQ(detail::readBaud(slave_).output, 115200);
}

struct ParityChoice {
    const char* text;
    tcflag_t bits;
};
const ParityChoice kParities[] = {{"Even", PARENB},
                                  {"Odd", PARENB | PARODD},
                                  {"None", 0},
                                  {"Mark", PARENB | PARODD | CMSPAR},
                                  {"Space", PARENB | CMSPAR}};
constexpr tcflag_t kParityBits = PARENB | PARODD | CMSPAR;

termios lineFor(const termios& current, const std::string& parity, const std::string& dataBits = "8",
                const std::string& stopBits = "1", int flow = 0, int baud = 115200) {
    termios out{};
    EXPECT_TRUE(detail::buildLine(current, baud, dataBits, parity, stopBits, flow, out)) << parity << dataBits;
    return out;
}

// Pseudo-terminals on current kernels force 8 data bits and no parity, so the
// character format is checked on the configuration handed to the device.
TEST(SerialLine, EveryParityToParityTransition) {
    for (const ParityChoice& from : kParities) {
        for (const ParityChoice& to : kParities) {
            const termios first = lineFor(termios{}, from.text);
            EXPECT_EQ(first.c_cflag & kParityBits, from.bits) << from.text;
            const termios second = lineFor(first, to.text);
            EXPECT_EQ(second.c_cflag & kParityBits, to.bits) << from.text << " -> " << to.text;
        }
    }
    // An unknown first letter keeps whatever the device had.
    const termios mark = lineFor(termios{}, "Mark");
    EXPECT_EQ(lineFor(mark, "Xtra").c_cflag & kParityBits, PARENB | PARODD | CMSPAR);
    EXPECT_EQ(lineFor(mark, "").c_cflag & kParityBits, PARENB | PARODD | CMSPAR);
    EXPECT_EQ(lineFor(mark, "even").c_cflag & kParityBits, PARENB | PARODD | CMSPAR) << "letters are upper case";
}

TEST(SerialLine, DataBitsStopBitsAndRaw) {
    const std::pair<const char*, tcflag_t> sizes[] = {{"5", CS5}, {"6", CS6}, {"7", CS7}, {"8", CS8}};
    termios previous{};
    previous.c_cflag = CS5 | PARENB;
    for (const auto& [text, cs] : sizes) {
        EXPECT_EQ(lineFor(previous, "None", text).c_cflag & CSIZE, cs) << text;
    }
    termios out{};
    for (const char* bad : {"4", "9", "", "8x", "-8"}) {
        EXPECT_FALSE(detail::buildLine(previous, 9600, bad, "None", "1", 0, out)) << bad;
    }
    EXPECT_FALSE(detail::buildLine(previous, 0, "8", "None", "1", 0, out));

    const std::pair<const char*, bool> stops[] = {{"1", false}, {"2", true}, {"1.5", true}, {"x", true}, {"", true}};
    termios two{};
    two.c_cflag = CSTOPB;
    for (const auto& [text, isTwo] : stops) {
        EXPECT_EQ((lineFor(two, "None", "8", text).c_cflag & CSTOPB) != 0, isTwo) << text;
    }

    termios cooked{};
    cooked.c_lflag = ICANON | ECHO | ISIG;
    cooked.c_iflag = ICRNL | ISTRIP;
    cooked.c_oflag = OPOST;
    const termios raw = lineFor(cooked, "None");
    EXPECT_EQ(raw.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(raw.c_iflag & (ICRNL | ISTRIP), 0u);
    EXPECT_EQ(raw.c_oflag & OPOST, 0u);
    EXPECT_EQ(raw.c_cflag & (CLOCAL | CREAD), CLOCAL | CREAD);
}

TEST_F(PtyPort, CharacterFormatTheDeviceRefusesFailsCleanly) {
    // Whether this kernel's pseudo-terminals keep parity at all.
    termios t = attrs();
    t.c_cflag |= PARENB;
    // (depending on the kernel, tcsetattr fails or quietly drops the bit)
    const bool keepsParity = ::tcsetattr(slave_, TCSANOW, &t) == 0 && (attrs().c_cflag & PARENB) != 0;

    for (const ParityChoice& p : kParities) {
        const bool ok = open(p.text);
        if (keepsParity || p.bits == 0) {
            ASSERT_TRUE(ok) << p.text << ": " << port_->lastError();
            EXPECT_EQ(parityBits(), p.bits) << p.text;
            port_->close();
        } else {
            EXPECT_FALSE(ok) << p.text;
            EXPECT_FALSE(port_->lastError().empty());
            EXPECT_EQ(port_->fd(), -1);
            EXPECT_FALSE(port_->watching());
            EXPECT_FALSE(port_->connected());
        }
    }
    for (const char* bad : {"4", "abc"}) {
        EXPECT_FALSE(open("None", bad)) << bad;
        EXPECT_EQ(port_->fd(), -1);
        EXPECT_FALSE(port_->lastError().empty());
    }
    // Stop bits survive on a pseudo-terminal.
    const std::pair<const char*, bool> stops[] = {{"1", false}, {"2", true}, {"1.5", true}};
    for (const auto& [text, two] : stops) {
        ASSERT_TRUE(open("None", "8", text)) << text << ": " << port_->lastError();
        EXPECT_EQ((attrs().c_cflag & CSTOPB) != 0, two) << text;
        port_->close();
    }
}

TEST_F(PtyPort, FlowControlChoices) {
    // A device that already uses RTS/CTS handshake.
    termios t = attrs();
    t.c_cflag |= CRTSCTS;
    ASSERT_EQ(::tcsetattr(slave_, TCSANOW, &t), 0);

    ASSERT_TRUE(open("None", "8", "1", 2));
    t = attrs();
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_NE(t.c_cflag & CRTSCTS, 0u) << "RTS choice leaves the device's handshake alone";
    port_->close();

    for (int flow : {1, 3}) {
        ASSERT_TRUE(open("None", "8", "1", flow));
        t = attrs();
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF)) << flow;
        EXPECT_EQ(t.c_cc[VSTART], 0x11);
        EXPECT_EQ(t.c_cc[VSTOP], 0x13);
        port_->close();
    }

    ASSERT_TRUE(open("None", "8", "1", 7));  // unknown index: left as the device had it
    EXPECT_EQ(attrs().c_cflag & CRTSCTS, static_cast<tcflag_t>(CRTSCTS));
    port_->close();

    ASSERT_TRUE(open("None", "8", "1", 0));
    t = attrs();
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
}

TEST_F(PtyPort, EveryOfferedBaudRate) {
    // Includes the rates without a B-constant (set through termios2/BOTHER).
    for (int rate : {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 28800, 38400, 56000, 57600, 115200,
                     128000, 256000}) {
        ASSERT_TRUE(open("None", "8", "1", 0, rate)) << rate << ": " << port_->lastError();
        const auto back = detail::readBaud(slave_);
        EXPECT_EQ(back.output, rate);
        EXPECT_EQ(back.input, rate);
        port_->close();
    }
    EXPECT_FALSE(open("None", "8", "1", 0, 0));
    EXPECT_FALSE(open("None", "8", "1", 0, -9600));
}

TEST_F(PtyPort, BytesBothWays) {
    ASSERT_TRUE(open());
    std::vector<std::uint8_t> out(20000);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<std::uint8_t>(i * 13);
    std::vector<std::uint8_t> got;
    std::thread reader([&] { got = readMaster(out.size()); });
    EXPECT_EQ(port_->write(out.data(), out.size()), out.size());
    reader.join();
    EXPECT_EQ(got, out);

    // Not armed: the bytes wait in the queue and nothing is posted.
    const std::vector<std::uint8_t> first = {0x01, 0x11, 0x13, 0x00, 0xFF, '\r', '\n'};
    writeMaster(first);
    ASSERT_TRUE(waitFor([&] { return port_->queue().count() == first.size(); }));
    EXPECT_EQ(rec_.total(), 0);

    flags_.downloadArmed = true;
    const std::vector<std::uint8_t> ack = {0x10};
    writeMaster(ack);
    ASSERT_TRUE(waitFor([&] { return rec_[PortEvent::RxDownload] >= 1; }));
    EXPECT_EQ(rec_[PortEvent::RxUpload], 0);
    std::vector<std::uint8_t> queued;
    port_->queue().drain(queued);
    std::vector<std::uint8_t> expected = first;
    expected.push_back(0x10);
    EXPECT_EQ(queued, expected) << "earlier bytes come first";

    flags_.downloadArmed = false;
    flags_.uploadArmed = true;
    writeMaster(ack);
    ASSERT_TRUE(waitFor([&] { return rec_[PortEvent::RxUpload] >= 1; }));
    EXPECT_EQ(rec_.wrongPort.load(), 0);
}

TEST_F(PtyPort, LargeStreamArrivesInOrder) {
    ASSERT_TRUE(open());
    flags_.uploadArmed = true;
    std::vector<std::uint8_t> data(300000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    // Paced like a line: a pseudo-terminal could outrun any consumer on a
    // busy two-core machine and make the queue overflow legitimately.
    std::thread writer([&] {
        for (std::size_t off = 0; off < data.size(); off += 4096) {
            while (port_->queue().count() > 40000) std::this_thread::sleep_for(1ms);
            const auto end = std::min(data.size(), off + 4096);
            writeMaster(std::vector<std::uint8_t>(data.begin() + static_cast<std::ptrdiff_t>(off),
                                                  data.begin() + static_cast<std::ptrdiff_t>(end)));
        }
    });
    const auto got = drainUntil(data.size());
    writer.join();
    EXPECT_EQ(got, data);
    EXPECT_EQ(rec_[PortEvent::QueueFull], 0);
    EXPECT_GE(rec_[PortEvent::RxUpload], 1);
}

TEST_F(PtyPort, OverflowDropsAChunkAndReceptionGoesOn) {
    ASSERT_TRUE(open());
    std::vector<std::uint8_t> fill(64000, 0x55);
    std::thread writer([&] { writeMaster(fill); });
    ASSERT_TRUE(waitFor([&] { return port_->queue().count() == fill.size(); }));
    writer.join();

    writeMaster(std::vector<std::uint8_t>(3000, 0xAA));
    ASSERT_TRUE(waitFor([&] { return rec_[PortEvent::QueueFull] >= 1; }));
    EXPECT_LE(port_->queue().count(), ReceiveQueue::kCapacity);
    EXPECT_LT(port_->queue().count(), 64000u + 3000u);

    port_->queue().clear();
    const std::vector<std::uint8_t> later = {1, 2, 3};
    writeMaster(later);
    // The pseudo-terminal may hand over the 3000 bytes in several reads: the
    // ones after the dropped chunk can still be queued after the clear above.
    std::vector<std::uint8_t> got;
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end &&
           !(got.size() >= 3 && std::equal(later.begin(), later.end(), got.end() - 3))) {
        if (port_->queue().drain(got) == 0) std::this_thread::sleep_for(1ms);
    }
    ASSERT_GE(got.size(), 3u);
    EXPECT_TRUE(std::all_of(got.begin(), got.end() - 3, [](std::uint8_t b) { return b == 0xAA; }));
    EXPECT_EQ(std::vector<std::uint8_t>(got.end() - 3, got.end()), later);
    EXPECT_TRUE(port_->watching());
}

TEST_F(PtyPort, CloseWakesTheWaitingWatcherWhichPostsNothing) {
    flags_.downloadArmed = true;
    flags_.uploadArmed = true;
    ASSERT_TRUE(open());
    std::this_thread::sleep_for(50ms);  // let the watcher settle in poll()
    ASSERT_TRUE(port_->watching());
    const auto start = std::chrono::steady_clock::now();
    port_->close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2000ms) << "close must wake the watcher, not wait for data";
    EXPECT_FALSE(port_->watching());
    EXPECT_FALSE(port_->connected());
    EXPECT_EQ(port_->fd(), -1);
    EXPECT_EQ(rec_.total(), 0);
    port_->close();  // a second close is harmless
}

TEST_F(PtyPort, PeerHangUpEndsTheWatcherWithoutSpinning) {
    ASSERT_TRUE(open());
    std::this_thread::sleep_for(20ms);
    ::close(master_);
    master_ = -1;
    ASSERT_TRUE(waitFor([&] { return rec_[PortEvent::PortLost] == 1; }));
    ASSERT_TRUE(waitFor([&] { return !port_->watching(); }));
    EXPECT_FALSE(port_->connected());

    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    std::this_thread::sleep_for(200ms);
    ::getrusage(RUSAGE_SELF, &after);
    const auto cpuUs = [](const rusage& r) {
        return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000000L + r.ru_utime.tv_usec + r.ru_stime.tv_usec;
    };
    EXPECT_LT(cpuUs(after) - cpuUs(before), 50000L) << "nothing may keep burning CPU after a hang-up";
    EXPECT_EQ(rec_[PortEvent::PortLost], 1);
    port_->close();
    EXPECT_EQ(port_->fd(), -1);
}

TEST_F(PtyPort, SecondOpenWhileOpenFailsAndKeepsTheFirst) {
    ASSERT_TRUE(open());
    EXPECT_FALSE(port_->open("/dev/null", 9600, 3, "8", "None", "1", 0));
    EXPECT_FALSE(port_->lastError().empty());
    EXPECT_TRUE(port_->connected());
    EXPECT_EQ(port_->devicePath(), path_);
    EXPECT_EQ(port_->portNumber(), 2);
    writeMaster({7, 8, 9});
    EXPECT_EQ(drainUntil(3), (std::vector<std::uint8_t>{7, 8, 9}));
}

TEST_F(PtyPort, DeviceInUseElsewhereOrMissingFails) {
    const int other = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(open());
    EXPECT_NE(port_->lastError().find("in use"), std::string::npos) << port_->lastError();
    EXPECT_FALSE(port_->connected());
    EXPECT_EQ(port_->fd(), -1);
    ::close(other);
    EXPECT_TRUE(open()) << "usable again once the other program lets go";
    port_->close();

    EXPECT_FALSE(port_->open("/dev/velmora-no-such-port", 9600, 1, "8", "None", "1", 0));
    EXPECT_FALSE(port_->open("/dev/null", 9600, 1, "8", "None", "1", 0)) << "not a serial device";
    EXPECT_FALSE(port_->watching());
}

TEST_F(PtyPort, ReopenLeavesOneWatcher) {
    flags_.downloadArmed = true;
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(open()) << i;
        port_->close();
    }
    ASSERT_TRUE(open());
    writeMaster({0x42});
    ASSERT_TRUE(waitFor([&] { return rec_[PortEvent::RxDownload] >= 1; }));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(rec_[PortEvent::RxDownload], 1) << "one watcher, one notification per wake-up";
}

TEST(SerialPortNames, ComNumbersMapToDevices) {
    ::unsetenv("VELMORA_COM1");
    ::unsetenv("VELMORA_COM2");
    SerialPort::setDeviceMap({});
    EXPECT_EQ(SerialPort::devicePathFor("COM1"), "/dev/ttyS0");
    EXPECT_EQ(SerialPort::devicePathFor("Com4"), "/dev/ttyS3");
    EXPECT_EQ(SerialPort::devicePathFor("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(SerialPort::devicePathFor("COMx"), "COMx");

    SerialPort::setDeviceMap({{2, "/dev/ttyUSB0"}, {1, ""}});
    EXPECT_EQ(SerialPort::devicePathFor("COM2"), "/dev/ttyUSB0");
    EXPECT_EQ(SerialPort::devicePathFor("COM1"), "/dev/ttyS0") << "an empty entry means the default";

    ::setenv("VELMORA_COM2", "/dev/pts/77", 1);
    EXPECT_EQ(SerialPort::devicePathFor("COM2"), "/dev/pts/77");
    ::unsetenv("VELMORA_COM2");
    SerialPort::setDeviceMap({});
}

TEST(SerialPortNames, OpensComNameThroughTheEnvironment) {
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    ::setenv("VELMORA_COM3", ::ttyname(slave), 1);
    LinkFlags flags;
    SerialPort port(flags);
    EXPECT_TRUE(port.open("COM3", 9600, 3, "8", "None", "1", 0)) << port.lastError();
    EXPECT_EQ(port.portName(), "COM3");
    EXPECT_EQ(port.devicePath(), ::ttyname(slave));
    port.close();
    ::unsetenv("VELMORA_COM3");
    ::close(master);
    ::close(slave);
}

}  // namespace
}  // namespace velmora::link
