// SPDX-License-Identifier: GPL-3.0-or-later
// The one parser of numbers on the command line.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

#include "numbers.h"

namespace velmora::cli {
namespace {

TEST(Numbers, decimalDigitsOnlyLeadingZerosAllowed) {
    const std::pair<const char*, std::optional<std::uint64_t>> cases[] = {
        {"0", 0}, {"0010", 10}, {"0008", 8}, {"18446744073709551615", UINT64_MAX}, {"18446744073709551616", {}},
        {"", {}}, {"3 ", {}}, {" 3", {}}, {"1e3", {}}, {"+3", {}}, {"-1", {}}, {"0x5", {}}, {"3.0", {}},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseDecimal(text), value) << "'" << text << "'";

    // The option check: its range, one message, and the plain value handed on.
    const struct {
        std::uint64_t min, max;
        const char* text;
        const char* handedOn;  // nullptr: refused with the rule
    } checks[] = {
        {1, 125, "0011", "11"}, {1, 125, "0", nullptr}, {1, 125, "126", nullptr}, {0, 255, "000", "0"},
        {1, INT_MAX, "0x5", nullptr},
    };
    for (const auto& c : checks) {
        std::string text = c.text;
        const std::string said = wholeNumber(c.min, c.max)(text);
        EXPECT_EQ(said, c.handedOn ? "" : numberRule(c.min, c.max)) << c.text;
        if (c.handedOn) {
            EXPECT_EQ(text, c.handedOn);
        }
    }
    EXPECT_EQ(numberRule(1, INT_MAX), "must be a positive whole number");
    EXPECT_EQ(numberRule(1, 125), "must be a whole number from 1 to 125");
}

TEST(Numbers, positionListsMergeRepeatsAndRefuseAnythingElse) {
    using R = std::vector<std::pair<int, int>>;
    const std::pair<const char*, std::optional<R>> cases[] = {
        {"7", R{{7, 7}}}, {"3-9", R{{3, 9}}}, {"1,4,10-12", R{{1, 1}, {4, 4}, {10, 12}}}, {"5-5", R{{5, 5}}},
        {"9,3-5,4,6,4-8", R{{3, 9}}}, {"10-12,1,0002", R{{1, 2}, {10, 12}}}, {"2147483647", R{{INT_MAX, INT_MAX}}},
        {"9-3", {}}, {"0", {}}, {"0-3", {}}, {"", {}}, {",", {}}, {"1,", {}}, {",1", {}}, {"1,,2", {}}, {"-3", {}},
        {"3-", {}}, {"1-2-3", {}}, {"1 ,2", {}}, {"1;2", {}}, {"+1", {}}, {"0x5", {}}, {"2147483648", {}}, {"1..3", {}},
    };
    for (const auto& [text, ranges] : cases) {
        const std::optional<PositionList> list = parsePositions(text);
        EXPECT_EQ(list ? std::optional<R>(list->ranges) : std::nullopt, ranges) << "'" << text << "'";
    }
    // What a verb reads from a list once the file's count is known.
    const PositionList list = *parsePositions("4,1-2,118-125");
    EXPECT_EQ(list.size(), 11);
    EXPECT_EQ(list.firstAbove(120), 121);
    EXPECT_EQ(list.firstAbove(200), 0);
    EXPECT_EQ(parsePositions("1-3,9")->indices(), (std::vector<int>{0, 1, 2, 8}));
    std::string text = "1,,2";
    EXPECT_EQ(positionList()(text), positionRule());
}

}  // namespace
}  // namespace velmora::cli
