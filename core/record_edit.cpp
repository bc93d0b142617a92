// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_edit.h"

#include <span>

#include "codes.h"

namespace velmora {
namespace {

// A name that fills its whole field has no terminating zero. The form shows
// (and hands back) at most all but its last character; unless the user edited
// it, the stored name stays whole instead of losing that character.
void commitName(std::span<std::uint8_t> field, const std::string& text) {
    const std::string stored = fieldText(field);
    // An unchanged name keeps its bytes, also any after its terminating zero:
    // committing a form that was not edited changes nothing.
    if (text == stored) return;
    if (stored.size() == field.size() && text.size() >= field.size() - 1 && stored.starts_with(text)) return;
    setFieldText(field, text);
}

}  // namespace

bool satelliteUsesWorking(const EditFlags& flags) { return flags.newRecordPending; }

bool channelUsesWorking(const EditFlags& flags, ChannelKind) {
    // A pending cut changes no table until Paste: the committed tables stay
    // the ones a save writes, so edits made meanwhile go there.
    return flags.newRecordPending || flags.sortPending;
}

bool commitSatelliteFields(ChannelDatabase& db, const EditFlags& flags, int satellite, const SatelliteForm& form) {
    if (satellite < 0 || satellite >= db.satelliteCount) return false;
    auto& table = satelliteUsesWorking(flags) ? db.workingSatellites : db.satellites;
    if (static_cast<std::size_t>(satellite) >= table.size()) return false;
    SatelliteEntry& s = table[static_cast<std::size_t>(satellite)];
    s.longitude = parseLongitude(form.longitude);
    commitName(s.name, form.name);
    return true;
}

bool commitTransponderFields(ChannelDatabase& db, const EditFlags& flags, int transponder,
                             const TransponderForm& form) {
    if (transponder < 0 || transponder >= db.transponderCount) return false;
    auto& table = satelliteUsesWorking(flags) ? db.workingTransponders : db.transponders;
    if (static_cast<std::size_t>(transponder) >= table.size()) return false;
    TransponderEntry& t = table[static_cast<std::size_t>(transponder)];
    t.networkId = parseHex16(form.networkId);
    t.transponderId = parseHex16(form.transponderId);
    t.frequency = parseDec16(form.frequency);
    t.symbolRate = parseDec16(form.symbolRate);
    if (form.polarization == 0 || form.polarization == 1) t.polarization = static_cast<std::uint8_t>(form.polarization);
    if (form.fec >= 0 && form.fec <= 5) t.fec = static_cast<std::uint8_t>(form.fec);
    return true;
}

bool commitChannelFields(ChannelDatabase& db, const EditFlags& flags, ChannelKind kind, int row,
                         const ChannelForm& form) {
    if (row < 0 || row >= db.channelCount(kind)) return false;
    auto& table = channelUsesWorking(flags, kind) ? db.workingChannels(kind) : db.channels(kind);
    if (static_cast<std::size_t>(row) >= table.size()) return false;
    ChannelEntry& c = table[static_cast<std::size_t>(row)];
    c.serviceId = parseHex16(form.serviceId);
    c.pmtPid = parseHex16(form.pmtPid);
    c.videoPid = parseHex16(form.videoPid);
    c.audioPid = parseHex16(form.audioPid);
    c.pcrPid = parseHex16(form.pcrPid);
    c.pidMode = form.pidMode ? 1 : 0;
    commitName(c.name, form.name);
    c.scrambled = form.scrambled ? 1 : 0;
    c.locked = form.locked ? 1 : 0;
    return true;
}

}  // namespace velmora
