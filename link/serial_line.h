// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the termios line configuration of an open; separate from the
// device code so every choice and transition can be checked without a UART
// (pseudo-terminals force 8 data bits and no parity).
#pragma once

#include <termios.h>

#include <string>

namespace velmora::link::detail {

// Raw binary mode with the given choices, starting from the device's
// `current` configuration. Rates without a B-constant leave the speed fields
// alone (they are set afterwards through termios2). False when the data-bits
// text is not 5..8 or the rate is not positive.
bool buildLine(const termios& current, int baudRate, const std::string& dataBits, const std::string& parity,
               const std::string& stopBits, int flowControl, termios& out);

// B-constant for a rate, B0 when there is none.
speed_t standardSpeed(int rate);

// Modem lines asserted for a flow-control index (TIOCM_* bits).
int modemLinesFor(int flowControl);

}  // namespace velmora::link::detail
