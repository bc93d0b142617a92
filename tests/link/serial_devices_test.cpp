#include "serial_devices.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace velmora::link {
namespace {

namespace fs = std::filesystem;

// A fake /dev: an adapter on a pseudo-terminal named by id, a dangling by-id link, ttyS
// nodes without a UART behind them (a plain file, a pseudo-terminal), other nodes.
TEST(SerialDevices, FindsAdaptersByNameAndSkipsPortsWithoutAUart) {
    char root[] = "/tmp/velmora-dev-XXXXXX";
    ASSERT_NE(::mkdtemp(root), nullptr);
    const std::string dev = std::string(root) + "/dev";
    fs::create_directories(dev + "/serial/by-id");
    for (const char* node : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS1", "tty0", "console"}) std::ofstream(dev + "/" + node);
    fs::create_symlink("../../ttyUSB1", dev + "/serial/by-id/usb-FTDI_FT232R__UART_A1-if00-port0");
    fs::create_symlink("../../ttyUSB7", dev + "/serial/by-id/usb-Unplugged-if00-port0");
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    fs::create_symlink(::ttyname(slave), dev + "/ttyS0");
    fs::create_symlink(::ttyname(slave), dev + "/ttyUSB1");

    const std::vector<SerialDevice> expected = {
        {dev + "/serial/by-id/usb-FTDI_FT232R__UART_A1-if00-port0", "FTDI FT232R UART A1 (ttyUSB1)"},
        {dev + "/ttyUSB1", "FTDI FT232R UART A1"},
        {dev + "/ttyUSB2", "USB serial adapter"},
        {dev + "/ttyUSB10", "USB serial adapter"},
        {dev + "/ttyACM0", "USB modem (CDC ACM)"},
    };
    EXPECT_EQ(findSerialDevices(root), expected);
    fs::remove(dev + "/ttyUSB1");  // pulled out: its entries go
    EXPECT_EQ(findSerialDevices(root), std::vector<SerialDevice>(expected.begin() + 2, expected.end()));
    ::close(master);
    ::close(slave);
    fs::remove_all(root);
}

}  // namespace
}  // namespace velmora::link
