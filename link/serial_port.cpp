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

namespace velmora::link {
namespace {

std::map<int, std::string>& deviceMap() {
    static std::map<int, std::string> map;
    return map;
}

speed_t standardSpeed(int rate) {
    switch (rate) {
    case 50: return B50;
    case 75: return B75;
    case 110: return B110;
    case 134: return B134;
    case 150: return B150;
    case 200: return B200;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 1800: return B1800;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 500000: return B500000;
    case 576000: return B576000;
    case 921600: return B921600;
    case 1000000: return B1000000;
    default: return B0;  // no constant: needs the arbitrary-rate interface
    }
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

bool parseDataBits(const std::string& text, tcflag_t& csize) {
    int bits = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), bits);
    if (ec != std::errc() || ptr != text.data() + text.size()) return false;
    switch (bits) {
    case 5: csize = CS5; return true;
    case 6: csize = CS6; return true;
    case 7: csize = CS7; return true;
    case 8: csize = CS8; return true;
    default: return false;  // termios has no 4-bit (or wider than 8) characters
    }
}

// Parity by first letter. Every choice first clears all three parity bits:
// leaving CMSPAR set would turn "Even" into space parity after "Mark".
void applyParity(termios& t, const std::string& parity, tcflag_t previous) {
    const tcflag_t bits = PARENB | PARODD | CMSPAR;
    const char letter = parity.empty() ? '\0' : parity[0];
    tcflag_t chosen;
    switch (letter) {
    case 'E': chosen = PARENB; break;
    case 'O': chosen = PARENB | PARODD; break;
    case 'N': chosen = 0; break;
    case 'M': chosen = PARENB | CMSPAR | PARODD; break;
    case 'S': chosen = PARENB | CMSPAR; break;
    default: chosen = previous & bits; break;  // unknown letter: keep what the device had
    }
    t.c_cflag = (t.c_cflag & ~bits) | chosen;
}

void applyStopBits(termios& t, const std::string& stopBits) {
    // "1" is one stop bit; any other single character is two. Longer texts
    // mean one and a half, which termios cannot express: Linux UARTs send
    // two instead (for 5-bit characters the hardware itself makes it 1.5).
    if (stopBits == "1")
        t.c_cflag &= ~CSTOPB;
    else
        t.c_cflag |= CSTOPB;
}

// Handshake flags for the four flow-control choices; the RTS/DTR lines are
// set after the configuration is accepted (see modemLinesFor).
void applyFlowControl(termios& t, int flowControl) {
    switch (flowControl) {
    case 0:
        t.c_cflag &= ~CRTSCTS;
        t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
        break;
    case 1:
    case 3:
        t.c_iflag |= IXON | IXOFF;
        t.c_cc[VSTART] = 0x11;
        t.c_cc[VSTOP] = 0x13;
        break;
    case 2:
        t.c_iflag &= ~(IXON | IXOFF);
        break;
    default:
        break;  // leave the device's own handshake as it is
    }
}

int modemLinesFor(int flowControl) {
    switch (flowControl) {
    case 0: return TIOCM_DTR | TIOCM_RTS;
    case 1:
    case 2:
    case 3: return TIOCM_RTS;
    default: return 0;
    }
}

std::string errnoText(const char* what, int err) { return std::string(what) + ": " + std::strerror(err); }

}  // namespace

SerialPort::SerialPort(LinkFlags& flags, Notify notify) : flags_(flags), notify_(std::move(notify)) {}

SerialPort::~SerialPort() { close(); }

void SerialPort::setDeviceMap(std::map<int, std::string> map) { deviceMap() = std::move(map); }

std::string SerialPort::devicePathFor(const std::string& portName) {
    const int n = comNumber(portName);
    if (n == 0) return portName;
    const std::string var = "VELMORA_COM" + std::to_string(n);
    if (const char* env = std::getenv(var.c_str()); env && *env) return env;
    const auto& map = deviceMap();
    if (auto it = map.find(n); it != map.end() && !it->second.empty()) return it->second;
    return "/dev/ttyS" + std::to_string(n - 1);
}

bool SerialPort::fail(const std::string& what) {
    lastError_ = what;
    releaseDevice();
    return false;
}

bool SerialPort::open(const std::string& portName, int baudRate, std::uint16_t portNumber,
                      const std::string& dataBits, const std::string& parity, const std::string& stopBits,
                      int flowControl) {
    // An open port is left exactly as it is: reopening would strand its
    // watcher and leak the descriptor.
    if (fd_ >= 0) {
        lastError_ = "port " + portName_ + " is already open";
        return false;
    }
    joinWatcher();
    connected_.store(false, std::memory_order_release);
    queue_.clear();
    portNumber_ = portNumber;
    portName_ = portName;
    devicePath_ = devicePathFor(portName);
    lastError_.clear();

    tcflag_t csize = CS8;
    if (!parseDataBits(dataBits, csize)) return fail("unsupported data bits \"" + dataBits + "\"");
    if (baudRate <= 0) return fail("unsupported baud rate " + std::to_string(baudRate));

    fd_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return fail(errnoText(devicePath_.c_str(), errno));
    if (!isatty(fd_)) return fail(devicePath_ + " is not a serial device");
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        return fail(err == EWOULDBLOCK ? devicePath_ + " is in use by another program"
                                       : errnoText("flock", err));
    }
    if (::ioctl(fd_, TIOCEXCL) != 0) return fail(errnoText("TIOCEXCL", errno));

    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return fail(errnoText("tcgetattr", errno));
    const tcflag_t previousCflag = t.c_cflag;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    t.c_cflag = (t.c_cflag & ~CSIZE) | csize;
    applyParity(t, parity, previousCflag);
    applyStopBits(t, stopBits);
    applyFlowControl(t, flowControl);
    const speed_t speed = standardSpeed(baudRate);
    if (speed != B0) {
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
    }
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return fail(errnoText("tcsetattr", errno));

    // tcsetattr succeeds when any part was applied: read the result back.
    termios back{};
    if (::tcgetattr(fd_, &back) != 0) return fail(errnoText("tcgetattr", errno));
    const tcflag_t checked = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;
    if ((back.c_cflag & checked) != (t.c_cflag & checked))
        return fail(devicePath_ + " refused the line settings");
    if (speed == B0) {
        if (!detail::setArbitraryBaud(fd_, baudRate))
            return fail(devicePath_ + " refused " + std::to_string(baudRate) + " baud");
    } else if (!detail::baudClose(baudRate, detail::readBaud(fd_).output)) {
        return fail(devicePath_ + " refused " + std::to_string(baudRate) + " baud");
    }

    ::tcflush(fd_, TCIOFLUSH);
    if (const int lines = modemLinesFor(flowControl); lines != 0) {
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
