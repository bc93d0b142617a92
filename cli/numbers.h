// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers on the command line. Every number a verb or option takes is
// decimal: digits only, leading zeros allowed ("0010" is ten, as the lists
// print it). Signs, spaces, exponents and "0x" are refused, so that no
// number is ever read in another base or rounded.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::cli {

// The value of `text`, or nullopt when it is not a decimal number or exceeds
// UINT64_MAX. Position lists ("3-9", "1,4") are built on this one.
std::optional<std::uint64_t> parseDecimal(std::string_view text);

// What every number option says when refused: "must be a whole number from
// MIN to MAX", "must be a positive whole number" when only zero is excluded.
std::string numberRule(std::uint64_t min, std::uint64_t max);

// For Option::transform: refuses what parseDecimal refuses or what lies
// outside min..max, and hands on the value without leading zeros (CLI11's own
// conversion reads "010" as octal).
CLI::Validator wholeNumber(std::uint64_t min, std::uint64_t max);

// The channels, transponders or satellites a verb acts on, 1-based as the
// editor shows them: "7", "3-9", "1,4,10-12". Ranges are inclusive and a
// position named twice counts once.
struct PositionList {
    // Ascending, disjoint and not touching: [first, last] each.
    std::vector<std::pair<int, int>> ranges;

    int size() const;  // how many positions are named
    int last() const;  // the highest
    // The first named position above `count`; 0 when all lie within.
    int firstAbove(int count) const;
    // 0-based indices, ascending; for a list within its table only.
    std::vector<int> indices() const;
};

// Nullopt when `text` is not such a list: an empty item, a zero, a reversed
// range, a number above INT_MAX, anything but digits, '-' and ','.
std::optional<PositionList> parsePositions(std::string_view text);

// What a position list option says when refused.
std::string positionRule();

// For Option::transform: refuses what parsePositions refuses. Whether the
// positions exist is known only once the file is read.
CLI::Validator positionList();

}  // namespace velmora::cli
