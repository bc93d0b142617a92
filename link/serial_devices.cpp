// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_devices.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

namespace velmora::link {
namespace {

namespace fs = std::filesystem;

bool startsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// ttyUSB2 before ttyUSB10.
bool naturalLess(const std::string& a, const std::string& b) {
    const auto split = [](const std::string& s) {
        std::size_t digits = s.size();
        while (digits > 0 && std::isdigit(static_cast<unsigned char>(s[digits - 1]))) --digits;
        const std::string number = s.substr(digits);
        return std::make_pair(s.substr(0, digits), number.empty() ? -1L : std::stol(number.substr(0, 9)));
    };
    return split(a) < split(b);
}

std::vector<std::string> namesIn(const fs::path& folder, const std::string& prefix) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (startsWith(name, prefix) && name.size() > prefix.size()) out.push_back(name);
    }
    std::sort(out.begin(), out.end(), naturalLess);
    return out;
}

// A port another program holds exclusively: there, but its type unknown.
constexpr int kBusy = -1;

const char* uartName(int type) {
    switch (type) {
    case kBusy: return "in use";
    case PORT_8250: return "8250";
    case PORT_16450: return "16450";
    case PORT_16550: return "16550";
    case PORT_16550A: return "16550A";
    default: return "UART";
    }
}

// The UART type the kernel reports for a ttyS node; PORT_UNKNOWN when there
// is no port behind it.
int uartType(const fs::path& node, const fs::path& sysType) {
    const int fd = ::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY) return kBusy;
        if (errno != EACCES && errno != EPERM) return PORT_UNKNOWN;
        int type = PORT_UNKNOWN;
        std::ifstream(sysType) >> type;
        return type;
    }
    serial_struct info{};
    const int rc = ::ioctl(fd, TIOCGSERIAL, &info);
    ::close(fd);
    return rc == 0 ? info.type : PORT_UNKNOWN;
}

}  // namespace

std::string adapterNameFromId(const std::string& byIdName) {
    std::string s = byIdName;
    for (const char* bus : {"usb-", "pci-", "platform-"})
        if (startsWith(s, bus)) {
            s.erase(0, std::string(bus).size());
            break;
        }
    // Trailing "-if00-port0", "-if02", "-port0": which interface of the adapter.
    for (const char* part : {"-port", "-if"}) {
        const auto at = s.rfind(part);
        if (at != std::string::npos && at > 0 &&
            std::all_of(s.begin() + static_cast<long>(at + std::string(part).size()), s.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
            s.erase(at);
    }
    // Underscores stand for spaces, runs of them for other characters.
    std::string out;
    for (char c : s) {
        if (c == '_') c = ' ';
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::vector<SerialDevice> findSerialDevices(const std::string& root) {
    const fs::path dev = fs::path(root) / "dev";
    std::vector<SerialDevice> out;

    // Adapters by their stable names; remember which kernel node each is.
    std::map<std::string, std::string> adapterOf;
    const fs::path byId = dev / "serial/by-id";
    for (const std::string& id : namesIn(byId, "")) {
        std::error_code ec;
        if (!fs::exists(byId / id, ec)) continue;  // unplugged while we looked
        // The link names the kernel's node ("../../ttyUSB0").
        const fs::path target = fs::read_symlink(byId / id, ec);
        const std::string node = ec ? id : target.filename().string();
        const std::string name = adapterNameFromId(id);
        adapterOf.emplace(node, name);
        out.push_back({(byId / id).string(), name + " (" + node + ")"});
    }

    const std::pair<const char*, const char*> usbKinds[] = {{"ttyUSB", "USB serial adapter"},
                                                            {"ttyACM", "USB modem (CDC ACM)"}};
    for (const auto& [prefix, kind] : usbKinds) {
        for (const std::string& node : namesIn(dev, prefix)) {
            const auto adapter = adapterOf.find(node);
            out.push_back({(dev / node).string(), adapter != adapterOf.end() ? adapter->second : kind});
        }
    }

    for (const std::string& node : namesIn(dev, "ttyS")) {
        const int type = uartType(dev / node, fs::path(root) / "sys/class/tty" / node / "type");
        if (type != PORT_UNKNOWN) out.push_back({(dev / node).string(), std::string("serial port (") + uartName(type) + ")"});
    }
    return out;
}

}  // namespace velmora::link
