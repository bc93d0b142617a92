// SPDX-License-Identifier: GPL-3.0-or-later
// The serial devices present on this machine, offered when choosing the
// device behind a COM number: USB adapters by their stable by-id names, the
// kernel's ttyUSB/ttyACM devices, and the ttyS ports that have a UART behind
// them (a PC lists thirty or so ttyS nodes whether or not the ports exist).
#pragma once

#include <string>
#include <vector>

namespace velmora::link {

struct SerialDevice {
    std::string path;  // e.g. /dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0, /dev/ttyUSB0
    std::string name;  // the adapter's name, or what kind of port it is

    bool operator==(const SerialDevice&) const = default;
};

// Looks under `root` ("/" on a real system, a fake tree in tests) at
// dev/serial/by-id/*, dev/ttyUSB*, dev/ttyACM* and dev/ttyS*, in that order.
// A ttyS node counts when the kernel reports a UART type for it (TIOCGSERIAL;
// sys/class/tty/ttySN/type when the node may not be opened, and a node busy
// with another program counts as present). Entries that vanish while they
// are looked at are skipped.
std::vector<SerialDevice> findSerialDevices(const std::string& root = "/");

// "usb-FTDI_FT232R_USB_UART_A1-if00-port0" -> "FTDI FT232R USB UART A1".
std::string adapterNameFromId(const std::string& byIdName);

}  // namespace velmora::link
