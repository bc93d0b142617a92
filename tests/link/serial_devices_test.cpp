#include "serial_devices.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace velmora::link {
namespace {

namespace fs = std::filesystem;

TEST(SerialDevices, AdapterNamesFromTheirIds) {
    const std::pair<const char*, const char*> cases[] = {
        {"usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "FTDI FT232R USB UART A50285BI"},
        {"usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0", "Prolific Technology Inc. USB-Serial Controller"},
        {"usb-Arduino__www.arduino.cc__0043_7573-if00", "Arduino www.arduino.cc 0043 7573"},
        {"usb-1a86_USB2.0-Ser_-if00-port0", "1a86 USB2.0-Ser"},
        {"odd-name", "odd-name"},
    };
    for (const auto& [id, name] : cases) EXPECT_EQ(adapterNameFromId(id), name) << id;
}

// A fake /dev: adapters, a dangling by-id link, phantom ttyS nodes (a plain
// file and a pseudo-terminal, neither of which has a UART) and nodes that
// are not serial ports at all.
TEST(SerialDevices, FindsAdaptersByNameAndSkipsPortsWithoutAUart) {
    char tmpl[] = "/tmp/velmora-dev-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const fs::path root = tmpl, dev = root / "dev";
    fs::create_directories(dev / "serial/by-id");
    for (const char* node : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS1", "tty0", "console"})
        std::ofstream(dev / node) << "";
    fs::create_symlink("../../ttyUSB1", dev / "serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    fs::create_symlink("../../ttyUSB7", dev / "serial/by-id/usb-Unplugged_Adapter-if00-port0");
    int master = -1, slave = -1;
    ASSERT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    fs::create_symlink(::ttyname(slave), dev / "ttyS0");
    fs::create_symlink(::ttyname(slave), dev / "ttyUSB1");

    const std::string d = dev.string();
    const std::vector<SerialDevice> expected = {
        {d + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0", "FTDI FT232R USB UART A1 (ttyUSB1)"},
        {d + "/ttyUSB1", "FTDI FT232R USB UART A1"},
        {d + "/ttyUSB2", "USB serial adapter"},
        {d + "/ttyUSB10", "USB serial adapter"},
        {d + "/ttyACM0", "USB modem (CDC ACM)"},
    };
    EXPECT_EQ(findSerialDevices(root.string()), expected);

    // An adapter pulled out: its entries go, the others stay.
    fs::remove(dev / "ttyUSB1");
    const auto after = findSerialDevices(root.string());
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].path, d + "/ttyUSB2");

    EXPECT_TRUE(findSerialDevices((root / "nowhere").string()).empty());
    ::close(master);
    ::close(slave);
    fs::remove_all(root);
}

}  // namespace
}  // namespace velmora::link
