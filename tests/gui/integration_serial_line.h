// SPDX-License-Identifier: GPL-3.0-or-later
// A private serial line for widget test processes: the editor opens COM1 at
// start-up, and without this every test process would reach for the same
// real /dev/ttyS0 (exclusive use: all but one would fail, and on machines
// without the device all would show a message box).
#pragma once

#include <pty.h>
#include <unistd.h>

#include <cstdlib>

namespace velmora::test {

// Points COM1..COM4 at one pseudo-terminal owned by this process, unless the
// environment already chose a device. The pair stays open until exit, so
// the line never hangs up under a test.
inline void useScratchSerialLine() {
    static int master = -1;
    static int slave = -1;
    if (master >= 0) return;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return;
    const char* path = ::ttyname(slave);
    if (path == nullptr) return;
    for (const char* name : {"VELMORA_COM1", "VELMORA_COM2", "VELMORA_COM3", "VELMORA_COM4"})
        ::setenv(name, path, 0);
}

}  // namespace velmora::test
