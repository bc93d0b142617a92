// SPDX-License-Identifier: GPL-3.0-or-later
// Which channels a filter over the lists lets through: a text anywhere in
// the name (ignoring case, Latin-1 letters included), a Show choice and a
// satellite. The editor's filter bar and `velmora list` share it.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channel_database.h"

namespace velmora {

enum class ShowChoice { All, Free, Scrambled, Locked, InGroup, NoGroup, Duplicates };

struct ChannelFilter {
    std::string text;  // Latin-1; empty matches every name
    ShowChoice show = ShowChoice::All;
    int group = -1;      // InGroup: 0-based group of the file
    int satellite = -1;  // 0-based satellite index; -1 every satellite

    bool active() const { return !text.empty() || show != ShowChoice::All || satellite >= 0; }
    bool operator==(const ChannelFilter&) const = default;
};

// Whether `name` contains `upperText` (already upper case, as upperLatin1
// gives it), letters compared in upper case.
bool nameContains(std::string_view name, std::string_view upperText);

// Per committed channel of `kind`: 1 when it matches.
std::vector<char> matchingChannels(const ChannelDatabase& db, ChannelKind kind, const ChannelFilter& filter);

// The entries of `rowRecords` (a list's rows as committed indices, in the
// order shown) whose channels match, in that order.
std::vector<int> filterRows(const ChannelDatabase& db, ChannelKind kind, const ChannelFilter& filter,
                            std::span<const int> rowRecords);

}  // namespace velmora
