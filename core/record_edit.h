// SPDX-License-Identifier: GPL-3.0-or-later
// The record editor's commit of its form fields into the tables, kept apart
// from the widgets: the form hands over plain texts and states, and these
// functions parse them and pick the table that is authoritative at the time.
#pragma once

#include <string>

#include "channel_database.h"

namespace velmora {

// Texts are single-byte (Latin-1), as the file stores them.
struct SatelliteForm {
    std::string name;       // 1056
    std::string longitude;  // 1062, e.g. "019.2E"
};

struct TransponderForm {
    std::string networkId;      // 1091, hexadecimal
    std::string transponderId;  // 1089, hexadecimal
    std::string frequency;      // 1080, decimal MHz
    std::string symbolRate;     // 1051, decimal kS/s
    int polarization = -1;      // item shown in 1082; -1 keeps the stored value
    int fec = -1;               // item shown in 1052; -1 keeps the stored value
};

struct ChannelForm {
    std::string name;       // 1026
    std::string serviceId;  // 1028
    std::string pmtPid;     // 1000
    std::string videoPid;   // 1030
    std::string audioPid;   // 1033
    std::string pcrPid;     // 1035
    bool pidMode = false;   // 1106
    bool scrambled = false; // 1007
    bool locked = false;    // 1004
};

// Each returns false and changes nothing when the index is outside the table
// (a damaged file can point anywhere; no form field may spill into another
// record). Names longer than their field are cut to it, keeping the NUL.

// Working table while a New is pending, else the committed one.
bool commitSatelliteFields(ChannelDatabase& db, const EditFlags& flags, int satellite, const SatelliteForm& form);
// Working table while a New is pending, else the committed one.
bool commitTransponderFields(ChannelDatabase& db, const EditFlags& flags, int transponder,
                             const TransponderForm& form);
// Working table while a New or a sort is pending, else the committed one.
// `transponderIndex` is never touched.
bool commitChannelFields(ChannelDatabase& db, const EditFlags& flags, ChannelKind kind, int row,
                         const ChannelForm& form);

// Which tables the editor reads and writes under the current flags.
bool satelliteUsesWorking(const EditFlags& flags);
bool channelUsesWorking(const EditFlags& flags, ChannelKind kind);

}  // namespace velmora
