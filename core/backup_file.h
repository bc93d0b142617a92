// The copy of a file kept before it is first overwritten: FILE.bak beside it.
// The editor makes one before its first save over a file in a run, the
// command-line verbs that write in place before each write.
#pragma once

#include <string>

namespace velmora {

// "list.bin" -> "list.bin.bak": the whole name with ".bak" added.
std::string backupPathFor(const std::string& path);

struct BackupResult {
    bool ok = true;
    bool made = false;   // false when there was no file to keep
    std::string error;   // why the backup could not be written
};

// Copies the file at `path` to backupPathFor(path), replacing an older backup
// only once the new copy is complete and on disk; the copy gets the file's
// permissions. A missing file needs no backup and is not an error. On failure
// the file and any older backup are left as they were.
BackupResult writeBackup(const std::string& path);

}  // namespace velmora
