// SPDX-License-Identifier: GPL-3.0-or-later
// Earlier contents of channel files, kept before a save or an upload
// replaces them, so that a bad day can be undone from any of the last
// versions. One folder per file (its absolute path, escaped), one file per
// version named by the UTC time it was kept.
#pragma once

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <vector>

namespace velmora {

struct StoredVersion {
    std::string path;        // the version's own file, readable like any channel file
    std::time_t time = 0;    // when it was kept (UTC seconds)
    int sequence = 0;        // 0, 1, …: versions kept within the same second
    std::uint64_t size = 0;
};

struct KeepResult {
    bool ok = true;
    bool kept = false;   // false with ok: nothing to keep, or the same as the newest version
    std::string path;    // the version written
    std::string error;   // why the store could not be written
};

struct VersionLimits {
    int perFile = 20;
    std::uint64_t totalBytes = 200ull * 1024 * 1024;
};

// $XDG_DATA_HOME/VelmoraEdit/versions, else ~/.local/share/VelmoraEdit/versions.
std::string defaultVersionRoot();

class VersionStore {
public:
    explicit VersionStore(std::string root = defaultVersionRoot(), VersionLimits limits = {});

    // Keeps `content` as the newest version of `file`, then drops the oldest
    // versions beyond the limits. A content equal to the newest version is
    // not kept twice. Never throws: a store that cannot be written reports.
    KeepResult keep(const std::string& file, std::span<const std::uint8_t> content,
                    std::time_t now = std::time(nullptr));
    // Keeps the file as it is on disk now; a missing file needs no version.
    KeepResult keepCurrent(const std::string& file, std::time_t now = std::time(nullptr));

    // Newest first.
    std::vector<StoredVersion> versions(const std::string& file) const;
    // The folder the versions of `file` go to.
    std::string folderFor(const std::string& file) const;
    const std::string& root() const { return root_; }

private:
    void prune(const std::string& folder, const std::string& keepPath);

    std::string root_;
    VersionLimits limits_;
};

// "2026-12-09 15:32:54" in local time.
std::string versionTimeText(std::time_t t);

}  // namespace velmora
