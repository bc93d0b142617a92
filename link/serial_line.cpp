// SPDX-License-Identifier: GPL-3.0-or-later
#include "serial_line.h"

#include <sys/ioctl.h>

#include <charconv>

namespace velmora::link::detail {
namespace {

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
    // ("1.5") mean one and a half, which termios cannot express: Linux UARTs
    // send two instead (with 5-bit characters the UART itself makes it 1.5).
    if (stopBits == "1")
        t.c_cflag &= ~CSTOPB;
    else
        t.c_cflag |= CSTOPB;
}

// Handshake flags of the four flow-control choices; the RTS/DTR lines are
// raised once the configuration is accepted (modemLinesFor).
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

}  // namespace

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

int modemLinesFor(int flowControl) {
    switch (flowControl) {
    case 0: return TIOCM_DTR | TIOCM_RTS;
    case 1:
    case 2:
    case 3: return TIOCM_RTS;
    default: return 0;
    }
}

bool buildLine(const termios& current, int baudRate, const std::string& dataBits, const std::string& parity,
               const std::string& stopBits, int flowControl, termios& out) {
    tcflag_t csize = CS8;
    if (!parseDataBits(dataBits, csize) || baudRate <= 0) return false;
    termios t = current;
    ::cfmakeraw(&t);  // also clears PARENB; applyParity looks at `current`
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    t.c_cflag = (t.c_cflag & ~CSIZE) | csize;
    applyParity(t, parity, current.c_cflag);
    applyStopBits(t, stopBits);
    applyFlowControl(t, flowControl);
    if (const speed_t speed = standardSpeed(baudRate); speed != B0) {
        // A rate left in the input-speed field by an earlier arbitrary rate
        // would otherwise survive as the input rate.
        t.c_cflag &= ~CIBAUD;
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
    }
    out = t;
    return true;
}

}  // namespace velmora::link::detail
