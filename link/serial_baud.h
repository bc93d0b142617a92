// SPDX-License-Identifier: GPL-3.0-or-later
// Line-rate helpers that need the kernel's termios2 interface. Kept apart
// from serial_port.cpp because <asm/termbits.h> clashes with <termios.h>.
#pragma once

namespace velmora::link::detail {

// Sets input and output rate to `rate` through termios2/BOTHER (for rates
// without a B-constant, e.g. 14400 or 256000). False when the device refuses
// the rate or reports back one more than 3 % away from it.
bool setArbitraryBaud(int fd, int rate);

// Output and input rate the device reports through TCGETS2; -1 on failure.
struct BaudReadback {
    int output = -1;
    int input = -1;
};
BaudReadback readBaud(int fd);

// True when the device reports an exact rate close enough to the request
// for a UART to keep in step (within 3 %).
bool baudClose(int requested, int reported);

}  // namespace velmora::link::detail
