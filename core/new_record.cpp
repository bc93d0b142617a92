// SPDX-License-Identifier: GPL-3.0-or-later
// New: the records it prepares in the working tables until Save carries
// them over, and Cancel's way back.
#include "channel_edit_internal.h"

namespace velmora {
using namespace detail;
namespace {

// Every index from `at` on moves up by one in a kind's list.
auto shiftedFrom(int at) {
    return [at](std::uint16_t v) { return static_cast<long>(v >= at ? v + 1 : v); };
}

// New's channel, inserted into the working tables of `kind` at `row`.
void insertWorkingChannel(ChannelDatabase& db, ChannelKind kind, int row, const ChannelEntry& record) {
    std::uint16_t& count = db.channelCount(kind);
    insertAt(db.workingChannels(kind), count, sz(row), record);
    ++count;
    remapWorkingMembers(db, kind, shiftedFrom(row));
}

}  // namespace

NewResult prepareNew(ChannelDatabase& db, RecordPage page, ChannelKind kind, int selectedRow,
                     int currentTransponder) {
    NewResult result;
    result.record.page = page;
    result.record.kind = kind;
    auto refuse = [&](EditStatus s) {
        result.status = s;
        return result;
    };
    if (!db.tablesAllocated()) return refuse(EditStatus::NoSuchChannel);
    const int channels = db.channelCount(kind);
    if (channels >= static_cast<int>(kChannelCapacity)) return refuse(EditStatus::ChannelTableFull);

    if (page == RecordPage::Satellite) {
        if (db.satelliteCount >= kMaxSatellitesInFile) return refuse(EditStatus::SatelliteTableFull);
        if (db.transponderCount >= kTransponderCapacity) return refuse(EditStatus::TransponderTableFull);
        db.syncWorkingTables();
        const int s = db.satelliteCount++, t = db.transponderCount++;
        db.workingSatellites[sz(s)] = {};
        db.satelliteExtra[sz(s)] = {};
        db.workingTransponders[sz(t)] = TransponderEntry{};
        db.workingTransponders[sz(t)].satelliteIndex = static_cast<std::uint8_t>(s);
        ChannelEntry channel;
        channel.transponderIndex = static_cast<std::uint16_t>(t);
        insertWorkingChannel(db, kind, channels, channel);
        result.record.satellite = s;
        result.record.transponder = t;
        result.record.channel = channels;
        return result;
    }

    // The new channel copies the selected one; an empty list starts blank.
    const bool emptyList = channels == 0;
    if (!emptyList && (selectedRow < 0 || selectedRow >= channels)) return refuse(EditStatus::NoSuchChannel);
    const int row = emptyList ? 0 : selectedRow;
    ChannelEntry channel = emptyList ? ChannelEntry{} : db.channels(kind)[sz(row)];

    if (page == RecordPage::Transponder) {
        const bool noTransponders = db.transponderCount == 0;
        if (!noTransponders && (currentTransponder < 0 || currentTransponder >= db.transponderCount))
            return refuse(EditStatus::NoSuchTransponder);
        if (noTransponders && db.satelliteCount == 0) return refuse(EditStatus::NoSuchSatellite);
        if (db.transponderCount >= kTransponderCapacity) return refuse(EditStatus::TransponderTableFull);
        db.syncWorkingTables();
        const int t = noTransponders ? 0 : currentTransponder;
        const TransponderEntry copy = noTransponders ? TransponderEntry{} : db.transponders[sz(t)];
        insertAt(db.workingTransponders, db.transponderCount, sz(t), copy);
        ++db.transponderCount;
        for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio}) {
            auto& table = db.workingChannels(k);
            for (std::size_t i = 0; i < db.channelCount(k); ++i)
                if (table[i].transponderIndex >= t) ++table[i].transponderIndex;
        }
        channel.transponderIndex = static_cast<std::uint16_t>(t);
        result.record.transponder = t;
    } else {
        if (emptyList) {
            if (db.transponderCount == 0) return refuse(EditStatus::NoSuchTransponder);
            channel.transponderIndex = static_cast<std::uint16_t>(
                currentTransponder >= 0 && currentTransponder < db.transponderCount ? currentTransponder : 0);
        }
        db.syncWorkingTables();
    }
    insertWorkingChannel(db, kind, row, channel);
    result.record.channel = row;
    return result;
}

void discardNew(ChannelDatabase& db, const NewRecord& record) {
    if (record.channel >= 0 && db.channelCount(record.kind) > 0) --db.channelCount(record.kind);
    if (record.transponder >= 0 && db.transponderCount > 0) --db.transponderCount;
    if (record.satellite >= 0 && db.satelliteCount > 0) --db.satelliteCount;
    // The committed tables were never touched: the working ones follow them.
    db.syncWorkingTables();
}

}  // namespace velmora
