// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "serial_baud.h"
#include "serial_line.h"

namespace velmora::link {
namespace {

std::map<int, std::string>& deviceMap() {
    static std::map<int, std::string> map;
    return map;
}

// "COMn" in any letter case -> n, else 0.
int comNumber(const std::string& name) {
    if (name.size() < 4) return 0;
    for (int i = 0; i < 3; ++i) {
        if ((name[i] | 0x20) != "com"[i]) return 0;
    }
    int n = 0;
    const char* first = name.data() + 3;
    const char* last = name.data() + name.size();
    const auto [ptr, ec] = std::from_chars(first, last, n);
    if (ec != std::errc() || ptr != last || n < 1) return 0;
    return n;
}

// Character format bits a device must keep for the line to match the
// receiver's (odd/mark flags only matter while parity is on).
tcflag_t lineBits(tcflag_t c) {
    tcflag_t mask = CSIZE | CSTOPB | PARENB;
    if (c & PARENB) mask |= PARODD | CMSPAR;
    return c & mask;
}

std::string errnoText(const char* what, int err) { return std::string(what) + ": " + std::strerror(err); }

}  // namespace

SerialPort::SerialPort(LinkFlags& flags, Notify notify) : flags_(flags), notify_(std::move(notify)) {}

SerialPort::~SerialPort() { close(); }

void SerialPort::setDeviceMap(std::map<int, std::string> map) { deviceMap() = std::move(map); }

std::string SerialPort::environmentDevice(int n) {
    const std::string var = "VELMORA_COM" + std::to_string(n);
    const char* env = std::getenv(var.c_str());
    return env ? env : "";
}

std::string SerialPort::devicePathFor(const std::string& portName) {
    const int n = comNumber(portName);
    if (n == 0) return portName;
    if (std::string env = environmentDevice(n); !env.empty()) return env;
    const auto& map = deviceMap();
    if (auto it = map.find(n); it != map.end() && !it->second.empty()) return it->second;
    return "/dev/ttyS" + std::to_string(n - 1);
}

bool SerialPort::fail(const std::string& reason) {
    lastReason_ = reason;
    lastError_ = devicePath_ + ": " + reason;
    releaseDevice();
    return false;
}

bool SerialPort::open(const std::string& portName, int baudRate, std::uint16_t portNumber,
                      const std::string& dataBits, const std::string& parity, const std::string& stopBits,
                      int flowControl) {
    // An open port is left exactly as it is: reopening would strand its
    // watcher and leak the descriptor.
    if (fd_ >= 0) {
        lastReason_ = "already open";
        lastError_ = "port " + portName_ + " is already open";
        return false;
    }
    joinWatcher();
    connected_.store(false, std::memory_order_release);
    // The queue is kept: bytes nobody has taken yet go to the next transfer.
    portNumber_ = portNumber;
    portName_ = portName;
    devicePath_ = devicePathFor(portName);
    lastError_.clear();
    lastReason_.clear();

    // Check the choices before touching the device.
    termios probe{};
    if (!detail::buildLine(probe, baudRate, dataBits, parity, stopBits, flowControl, probe))
        return fail("unsupported line settings: " + std::to_string(baudRate) + " baud, data bits \"" + dataBits +
                    "\"");

    fd_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return fail(std::strerror(errno));
    if (!isatty(fd_)) return fail("not a serial device");
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        return fail(err == EWOULDBLOCK ? "in use by another program"
                                       : errnoText("flock", err));
    }
    if (::ioctl(fd_, TIOCEXCL) != 0) return fail(errnoText("TIOCEXCL", errno));

    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return fail(errnoText("tcgetattr", errno));
    termios current = t;
    (void)detail::buildLine(current, baudRate, dataBits, parity, stopBits, flowControl, t);
    const speed_t speed = detail::standardSpeed(baudRate);
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return fail(errnoText("tcsetattr", errno));

    // tcsetattr succeeds when any part was applied: read the result back.
    termios back{};
    if (::tcgetattr(fd_, &back) != 0) return fail(errnoText("tcgetattr", errno));
    if (lineBits(back.c_cflag) != lineBits(t.c_cflag))
        return fail("refused the data bits, parity or stop bits");
    if (speed == B0) {
        if (!detail::setArbitraryBaud(fd_, baudRate))
            return fail("refused " + std::to_string(baudRate) + " baud");
    } else if (!detail::baudClose(baudRate, detail::readBaud(fd_).output)) {
        return fail("refused " + std::to_string(baudRate) + " baud");
    }

    ::tcflush(fd_, TCIOFLUSH);
    if (const int lines = detail::modemLinesFor(flowControl); lines != 0) {
        // Pseudo-terminals and some adapters have no modem lines; that is
        // not a reason to refuse the port.
        (void)::ioctl(fd_, TIOCMBIS, &lines);
    }

    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) return fail(errnoText("eventfd", errno));

    connected_.store(true, std::memory_order_release);
    watching_.store(true, std::memory_order_release);
    try {
        watcher_ = std::thread(&SerialPort::watch, this);
    } catch (const std::system_error& e) {
        connected_.store(false, std::memory_order_release);
        watching_.store(false, std::memory_order_release);
        return fail(std::string("cannot start the watcher thread: ") + e.what());
    }
    return true;
}

void SerialPort::close() {
    connected_.store(false, std::memory_order_release);
    if (wakeFd_ >= 0) {
        const std::uint64_t one = 1;
        (void)!::write(wakeFd_, &one, sizeof one);
    }
    // Called from a notification on the watcher thread itself: the watcher
    // stops at its next check; the device is released by the next close or
    // open from another thread.
    if (watcher_.joinable() && watcher_.get_id() == std::this_thread::get_id()) return;
    joinWatcher();
    releaseDevice();
}

void SerialPort::joinWatcher() {
    if (!watcher_.joinable()) return;
    if (watcher_.get_id() == std::this_thread::get_id()) {
        watcher_.detach();
        return;
    }
    watcher_.join();
}

void SerialPort::releaseDevice() {
    if (fd_ >= 0) {
        ::tcflush(fd_, TCIOFLUSH);
        (void)::ioctl(fd_, TIOCNXCL);
        ::close(fd_);  // also drops the flock
        fd_ = -1;
    }
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
        wakeFd_ = -1;
    }
}

std::size_t SerialPort::write(const std::uint8_t* data, std::size_t len) {
    if (fd_ < 0 || data == nullptr) return 0;
    std::size_t done = 0;
    while (done < len) {
        const ssize_t n = ::write(fd_, data + done, len - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Driver buffer full: wait until it takes more. Checking the
            // connection each second keeps a lost device from hanging us.
            pollfd p{fd_, POLLOUT, 0};
            const int r = ::poll(&p, 1, 1000);
            if (r < 0 && errno != EINTR) break;
            if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL))) break;
            if (r == 0 && !connected()) break;
            continue;
        }
        break;  // device error: report what was taken
    }
    return done;
}

std::size_t SerialPort::readAvailable(std::uint8_t* buf, std::size_t max) {
    if (fd_ < 0 || buf == nullptr || max == 0) return 0;
    ssize_t n;
    do {
        n = ::read(fd_, buf, max);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void SerialPort::post(PortEvent e) {
    if (notify_) notify_(e, portNumber_);
}

// ThreadWatchComm: waits for received bytes or the close request, moves all
// bytes of one wake-up into the queue, then sends one notification.
void SerialPort::watch() {
    std::uint8_t buf[kReadChunk];
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {fd_, POLLIN, 0}};
    bool lost = false;
    while (connected_.load(std::memory_order_acquire)) {
        fds[0].revents = 0;
        fds[1].revents = 0;
        const int r = ::poll(fds, 2, -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            post(PortEvent::WatchError);
            break;
        }
        // A close request wins over pending bytes: nothing is posted after it.
        if (fds[0].revents != 0 || !connected_.load(std::memory_order_acquire)) break;

        const short ev = fds[1].revents;
        bool received = false;
        if (ev & POLLIN) {
            for (bool first = true;; first = false) {
                const ssize_t n = ::read(fd_, buf, sizeof buf);
                if (n > 0) {
                    received = true;
                    if (!queue_.putChunk(buf, static_cast<std::size_t>(n))) post(PortEvent::QueueFull);
                    continue;
                }
                if (n < 0 && errno == EINTR) continue;
                if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
                if (n == 0 && !first) break;  // drained
                // EIO, any other error, or end-of-file right after poll said
                // "readable": the device is gone.
                lost = true;
                break;
            }
        }
        if (ev & (POLLHUP | POLLERR | POLLNVAL)) lost = true;

        if (received) {
            if (flags_.downloadArmed.load(std::memory_order_acquire)) post(PortEvent::RxDownload);
            if (flags_.uploadArmed.load(std::memory_order_acquire)) post(PortEvent::RxUpload);
        }
        if (lost) break;
    }
    if (lost) {
        connected_.store(false, std::memory_order_release);
        post(PortEvent::PortLost);
    }
    watching_.store(false, std::memory_order_release);
}

}  // namespace velmora::link
