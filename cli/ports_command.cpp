// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "commands.h"
#include "serial_devices.h"

namespace velmora::cli {

void addPortsCommand(CLI::App& app) {
    auto* ports = app.add_subcommand("ports", "List the serial devices present, one per line: path, a tab, its name");
    ports->callback([] {
        const auto devices = link::findSerialDevices();
        for (const link::SerialDevice& d : devices) std::cout << d.path << '\t' << d.name << '\n';
        if (devices.empty()) std::cerr << "velmora: no serial devices found\n";
    });
}

}  // namespace velmora::cli
