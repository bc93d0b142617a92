// SPDX-License-Identifier: GPL-3.0-or-later
// Only kernel headers here: <asm/termbits.h> defines its own struct termios
// and must not meet glibc's <termios.h> in one translation unit.
#include "serial_baud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <cstdlib>

namespace velmora::link::detail {

bool baudClose(int requested, int reported) {
    if (requested <= 0 || reported <= 0) return false;
    return std::abs(static_cast<long long>(reported) - requested) * 100 <= 3LL * requested;
}

bool setArbitraryBaud(int fd, int rate) {
    if (rate <= 0) return false;
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return false;
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ospeed = static_cast<speed_t>(rate);
    t.c_ispeed = static_cast<speed_t>(rate);
    int r;
    do {
        r = ioctl(fd, TCSETS2, &t);
    } while (r != 0 && errno == EINTR);
    if (r != 0) return false;
    // Drivers accept the call but store the rate they can really produce.
    const BaudReadback back = readBaud(fd);
    return baudClose(rate, back.output) && (back.input == 0 || baudClose(rate, back.input));
}

BaudReadback readBaud(int fd) {
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return {};
    return {static_cast<int>(t.c_ospeed), static_cast<int>(t.c_ispeed)};
}

}  // namespace velmora::link::detail
