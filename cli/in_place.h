// SPDX-License-Identifier: GPL-3.0-or-later
// How the verbs that write a channel file (resave, delete, move, fav,
// lock, reorder, sample) reach their target, so that they all keep the same
// promises:
//  - exit 2 means FILE (or OUT) was not changed; standard output never says a
//    change was made before it was;
//  - in place, FILE is locked (flock) from reading to the rename, so that two
//    programs editing one file cannot lose an update; the old FILE is kept as
//    FILE.bak, replacing an older one only once the save has succeeded;
//  - OUT "-" (or /dev/stdout) is standard output, FILE "-" standard input.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "channel_database.h"

namespace velmora::cli {

class FileEdit {
public:
    // `out` empty: over `file`.
    FileEdit(std::string file, std::string out, bool noBackup);
    ~FileEdit();
    FileEdit(const FileEdit&) = delete;
    FileEdit& operator=(const FileEdit&) = delete;

    // Locks FILE when writing over it, then reads it; prints why and returns
    // false when it cannot.
    bool load(ChannelDatabase& db);
    bool inPlace() const { return out_.empty(); }

    // Writes `db` as the editor's Save does and, once it is written, prints
    // `done` (to stderr when the file itself goes to standard output).
    // Returns the exit code: 0 or 2.
    int save(ChannelDatabase& db, const std::string& done);
    // For a verb whose operation changed no table: in place nothing is
    // written and "nothing to change" is printed; with OUT, OUT is written as
    // always. Returns the exit code.
    int saveUnchanged(ChannelDatabase& db);

    // Where messages about the result go: stdout, or stderr when stdout
    // carries the file.
    std::ostream& report() const;

private:
    std::string file_, out_;
    bool noBackup_;
    int lockFd_ = -1;
};

// Whether the committed tables of `a` and `b` hold the same records.
bool sameTables(const ChannelDatabase& a, const ChannelDatabase& b);

// Writes an already built file image to OUT ("-": standard output) as
// `sample` does; prints why and returns false when it cannot.
bool writeOutput(const std::string& out, std::span<const std::uint8_t> bytes);

}  // namespace velmora::cli
