// SPDX-License-Identifier: GPL-3.0-or-later
#include "reader_check.h"

#include <cstdio>
#include <cstdlib>
#include <span>

#include "channel_reader.h"
#include "channel_writer.h"

namespace velmora::fuzz {
namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "channel file check failed: %s\n", what);
    std::abort();
}

template <class T>
bool samePrefix(const std::vector<T>& a, const std::vector<T>& b, std::size_t n) {
    return std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(n), b.begin());
}

bool sameContent(const ChannelDatabase& a, const ChannelDatabase& b) {
    if (a.satelliteCount != b.satelliteCount || a.transponderCount != b.transponderCount || a.tvCount != b.tvCount ||
        a.radioCount != b.radioCount || !(a.general == b.general) || a.hasExtraBlock != b.hasExtraBlock ||
        a.extraLength != b.extraLength)
        return false;
    if (a.header.magic != b.header.magic || a.header.usageType != b.header.usageType ||
        a.header.headerParam1 != b.header.headerParam1 || a.header.headerParam2 != b.header.headerParam2 ||
        a.header.headerParam3 != b.header.headerParam3 || a.header.headerParam4 != b.header.headerParam4 ||
        a.header.headerText != b.header.headerText)
        return false;
    if (a.satelliteSection.sectionTag != b.satelliteSection.sectionTag ||
        a.transponderSection.sectionTag != b.transponderSection.sectionTag ||
        a.channelSection.sectionTag != b.channelSection.sectionTag ||
        a.favoriteSection.sectionTag != b.favoriteSection.sectionTag)
        return false;
    const std::size_t groups = a.groupCount();
    return samePrefix(a.satellites, b.satellites, a.satelliteCount) &&
           samePrefix(a.satelliteExtra, b.satelliteExtra, a.satelliteCount) &&
           samePrefix(a.transponders, b.transponders, a.transponderCount) && samePrefix(a.tv, b.tv, a.tvCount) &&
           samePrefix(a.radio, b.radio, a.radioCount) && samePrefix(a.groupNames, b.groupNames, groups) &&
           samePrefix(a.tvMemberCount, b.tvMemberCount, groups) &&
           samePrefix(a.radioMemberCount, b.radioMemberCount, groups) &&
           samePrefix(a.tvMembers, b.tvMembers, a.totalMembers(ChannelKind::Tv)) &&
           samePrefix(a.radioMembers, b.radioMembers, a.totalMembers(ChannelKind::Radio)) &&
           samePrefix(a.extraData, b.extraData, a.extraLength);
}

}  // namespace

void checkChannelFileInput(const std::uint8_t* data, std::size_t size) {
    ChannelDatabase db;
    const LoadResult r = readChannelFile(std::span(data, size), db);
    if (!r.ok()) {
        if (r.messages.empty()) fail("rejected without a message");
        return;
    }
    // The last input byte picks whether the band rule runs, so one target
    // covers both kinds of save.
    SaveOptions options;
    if (size > 0 && (data[size - 1] & 1)) options.currentTransponder = defaultCurrentTransponder(db);

    ChannelDatabase saved = db;
    const std::vector<std::uint8_t> first = buildChannelFile(saved, options);
    ChannelDatabase back;
    if (!readChannelFile(first, back).ok()) fail("a saved file does not load");
    if (!sameContent(saved, back)) fail("a saved file reads back to other content");
    if (options.currentTransponder < 0 && !sameContent(db, back)) fail("saving changed the content");
    ChannelDatabase again = back;
    SaveOptions againOptions;
    againOptions.currentTransponder = options.currentTransponder < 0 ? -1 : defaultCurrentTransponder(back);
    if (buildChannelFile(again, againOptions) != first) fail("saving a saved file changed its bytes");
}

}  // namespace velmora::fuzz
