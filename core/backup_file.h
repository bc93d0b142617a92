// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of a file kept before it is overwritten: FILE.bak beside it. The
// editor makes one before its first save over a file in a run, the
// command-line verbs that write in place before each write.
//
// A backup protects only if it outlives a save that goes wrong, so it is
// made in two steps: prepare() copies the file while it is still as it was,
// commit() puts the copy in place of the older backup once the save has
// succeeded. A save that fails leaves the older backup as it was.
#pragma once

#include <string>

namespace velmora {

// "list.bin" -> "list.bin.bak", beside the file a symbolic link leads to.
std::string backupPathFor(const std::string& path);

struct BackupResult {
    bool ok = true;
    bool made = false;      // a copy was prepared (prepare) or put in place (commit)
    bool keptOlder = false;  // the older backup is read-only and stays as it is
    std::string error;       // why the backup could not be written
};

class PendingBackup {
public:
    PendingBackup() = default;
    ~PendingBackup() { discard(); }
    PendingBackup(const PendingBackup&) = delete;
    PendingBackup& operator=(const PendingBackup&) = delete;

    // Copies the file at `path` under a temporary name beside its backup; the
    // copy gets the file's permissions. A missing file needs no backup and is
    // not an error. A read-only older backup is kept as it is (keptOlder, no
    // copy): the save may go on. Read-only is judged from the mode bits, for
    // root as for any user, since root could otherwise replace it unasked.
    BackupResult prepare(const std::string& path);
    // Replaces the older backup with the prepared copy; a no-op without one.
    BackupResult commit();
    // Drops the prepared copy; the older backup stays.
    void discard();

    bool pending() const { return !tmp_.empty(); }
    const std::string& backupPath() const { return backup_; }

private:
    std::string tmp_, backup_;
};

}  // namespace velmora
