// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a channel file: recomputed lengths, checksum and CRC; the form's
// fields are committed and working tables carried back at fixed points.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "channel_database.h"

namespace velmora {

// The editor hooks into the writer at the points where it commits its form
// fields and refreshes its display. Hooks must be idempotent: the section
// writers run more than once per save.
class SaveHooks {
public:
    virtual ~SaveHooks() = default;
    virtual void commitSatellite(ChannelDatabase&) {}
    virtual void satellitesWritten(ChannelDatabase&) {}
    virtual void commitTransponder(ChannelDatabase&) {}
    virtual void transpondersWritten(ChannelDatabase&) {}
    virtual void commitChannel(ChannelDatabase&) {}
};

struct SaveOptions {
    bool newRecordPending = false;
    bool sortPending = false;
    // Transponder whose satellite gets the band rule; -1 for none.
    int currentTransponder = -1;
    // While sortPending: committed record index shown in list row i (the
    // Number cell minus one). Rows without a valid index are skipped.
    std::vector<int> tvRowRecords;
    std::vector<int> radioRowRecords;
};

// The band rule target that `velmora resave` and a fresh load use: the
// transponder of TV channel 0, or transponder 0 when there is no TV channel.
int defaultCurrentTransponder(const ChannelDatabase& db);

// Runs the section writers (commits, copy-backs, band rule) as a save does and
// returns the final file bytes. Mutates `db` exactly as a save does.
std::vector<std::uint8_t> buildChannelFile(ChannelDatabase& db, const SaveOptions& options, SaveHooks* hooks = nullptr);

// What a save of `db` would write, without changing `db` (no hooks, no
// pending flags, no band rule). Used to check stored lengths and sums.
std::vector<std::uint8_t> serializeUnchanged(const ChannelDatabase& db);

struct SaveResult {
    bool ok = true;
    std::string error;  // reason, e.g. "No space left on device"
};

// Writes `bytes` to a temporary file beside `path`, flushes it to disk, gives
// it the old file's permissions and renames it over `path` (following a
// symlink to its target). On failure the old file is untouched.
SaveResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// buildChannelFile + writeFileAtomically. When the write fails `db` is left
// exactly as it was before the call (the hooks' own state is theirs to keep).
SaveResult writeChannelFile(const std::string& path, ChannelDatabase& db, const SaveOptions& options,
                            SaveHooks* hooks = nullptr);

}  // namespace velmora
