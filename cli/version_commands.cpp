// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <memory>
#include <string>

#include "channel_reader.h"
#include "commands.h"
#include "version_store.h"

namespace velmora::cli {

void addVersionCommands(CLI::App& app, int& exitCode) {
    auto file = std::make_shared<std::string>();
    auto* versions = app.add_subcommand(
        "versions", "The earlier versions of FILE the editor kept before a save or an upload replaced it, newest "
                    "first: time, path, size and channel counts. Each path can be given to diff like any file");
    versions->add_option("FILE", *file, "the channel file whose versions to list")->required();
    versions->callback([file, &exitCode] {
        const VersionStore store;
        const auto list = store.versions(*file);
        if (list.empty()) {
            std::cout << "no versions of " << *file << " in " << store.root() << "\n";
            exitCode = 0;
            return;
        }
        for (const StoredVersion& v : list) {
            ChannelDatabase db;
            const LoadResult loaded = loadChannelFile(v.path, db);
            std::cout << versionTimeText(v.time) << "  " << v.path << "  " << v.size << " bytes  ";
            if (loaded.ok())
                std::cout << db.tvCount << " tv, " << db.radioCount << " radio\n";
            else
                std::cout << "unreadable\n";
        }
        exitCode = 0;
    });
}

}  // namespace velmora::cli
