// The one parser of numbers on the command line.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

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
        if (c.handedOn) EXPECT_EQ(text, c.handedOn);
    }
    EXPECT_EQ(numberRule(1, INT_MAX), "must be a positive whole number");
    EXPECT_EQ(numberRule(1, 125), "must be a whole number from 1 to 125");
}

}  // namespace
}  // namespace velmora::cli
