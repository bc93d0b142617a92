// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <algorithm>
#include <climits>

namespace velmora::cli {

std::optional<std::uint64_t> parseDecimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::uint64_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (v > (UINT64_MAX - digit) / 10) return std::nullopt;
        v = v * 10 + digit;
    }
    return v;
}

std::string numberRule(std::uint64_t min, std::uint64_t max) {
    if (min == 1 && max >= 0x7FFFFFFF) return "must be a positive whole number";
    return "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

CLI::Validator wholeNumber(std::uint64_t min, std::uint64_t max) {
    return CLI::Validator(
        [min, max](std::string& text) {
            const std::optional<std::uint64_t> v = parseDecimal(text);
            if (!v || *v < min || *v > max) return numberRule(min, max);
            text = std::to_string(*v);
            return std::string();
        },
        "");
}

int PositionList::size() const {
    int n = 0;
    for (const auto& [first, last] : ranges) n += last - first + 1;
    return n;
}

int PositionList::last() const { return ranges.empty() ? 0 : ranges.back().second; }

int PositionList::firstAbove(int count) const {
    for (const auto& [first, last] : ranges)
        if (last > count) return std::max(first, count + 1);
    return 0;
}

std::vector<int> PositionList::indices() const {
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(size()));
    for (const auto& [first, last] : ranges)
        for (int p = first; p <= last; ++p) out.push_back(p - 1);
    return out;
}

std::optional<PositionList> parsePositions(std::string_view text) {
    auto position = [](std::string_view digits) -> std::optional<int> {
        const std::optional<std::uint64_t> v = parseDecimal(digits);
        if (!v || *v == 0 || *v > INT_MAX) return std::nullopt;
        return static_cast<int>(*v);
    };
    PositionList list;
    for (std::size_t start = 0;;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        const auto first = position(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : position(item.substr(dash + 1));
        if (!first || !last || *last < *first) return std::nullopt;
        list.ranges.emplace_back(*first, *last);
        if (comma == text.size()) break;
        start = comma + 1;
    }
    // Sorted and merged, so that repeats and overlaps count once.
    std::sort(list.ranges.begin(), list.ranges.end());
    std::size_t kept = 0;
    for (std::size_t i = 1; i < list.ranges.size(); ++i) {
        auto& top = list.ranges[kept];
        if (list.ranges[i].first <= top.second || list.ranges[i].first - 1 == top.second)
            top.second = std::max(top.second, list.ranges[i].second);
        else
            list.ranges[++kept] = list.ranges[i];
    }
    list.ranges.resize(kept + 1);
    return list;
}

std::string positionRule() {
    return "must be a position, a range or a list of them, such as 7, 3-9 or 1,4,10-12 (positive whole numbers, "
           "ranges from low to high)";
}

CLI::Validator positionList() {
    return CLI::Validator([](std::string& text) { return parsePositions(text) ? std::string() : positionRule(); },
                          "");
}

}  // namespace velmora::cli
