// SPDX-License-Identifier: GPL-3.0-or-later
// export, and reorder with a list from a spreadsheet (CSV or TSV) as its
// reference.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace velmora::cli {

// export FILE [tv|radio] [-o OUT] [--tsv]. Exit codes: 0 written, 2 an
// unreadable FILE or an OUT that could not be written (OUT then unchanged).
void addExportCommand(CLI::App& app, int& exitCode);

// Whether `path` holds a list rather than a channel file: anything that does
// not begin as a channel file does.
bool isListFile(const std::string& path);

struct ListReorderArgs {
    std::string file, like, out;
    bool dryRun = false, withFavorites = false, verbose = false, noBackup = false;
    bool radio = false, names = false;
};
// reorder FILE --like LIST.csv: exit 0 done, 2 nothing written (a malformed
// list, an unreadable or locked file, a failed write).
int runListReorder(const ListReorderArgs& args);

}  // namespace velmora::cli
