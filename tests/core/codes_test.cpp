// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "channel_database.h"
#include "codes.h"

namespace velmora {
namespace {

TEST(Longitude, textsAtTheEastWestBoundary) {
    EXPECT_EQ(longitudeText(0), "000.0E");
    EXPECT_EQ(longitudeText(192), "019.2E");
    EXPECT_EQ(longitudeText(1799), "179.9E");
    EXPECT_EQ(longitudeText(1800), "180.0W");
    EXPECT_EQ(longitudeText(3300), "030.0W");
    EXPECT_EQ(longitudeText(3599), "000.1W");
}

TEST(Longitude, everyStoredValueSurvivesTextAndParse) {
    for (unsigned v = 0; v < 3600; ++v) {
        std::string shown = longitudeText(v);
        ASSERT_EQ(checkLongitudeText(shown), TextCheck::Acceptable) << shown;  // the form can be edited from it
        ASSERT_EQ(parseLongitude(shown), v) << v;
    }
}

TEST(Longitude, parsingFollowsTheEditorRules) {
    EXPECT_EQ(parseLongitude("019.2E"), 192);
    EXPECT_EQ(parseLongitude("030.0W"), 3300);
    EXPECT_EQ(parseLongitude("030.0w"), 300);  // only an upper-case W means west
    EXPECT_EQ(parseLongitude("000.0W"), 0);    // not 3600: the same place as 000.0E
    EXPECT_EQ(parseLongitude("13"), 130);
    EXPECT_EQ(parseLongitude(""), 0);
    EXPECT_EQ(parseLongitude("east"), 0);
}

TEST(NumberFields, hexadecimalFieldsTakeTheLeadingDigits) {
    EXPECT_EQ(parseHex16("1A"), 0x001A);
    EXPECT_EQ(parseHex16("  0x1f"), 0x1F);
    EXPECT_EQ(parseHex16("12g4"), 0x12);
    EXPECT_EQ(parseHex16("zz"), 0);
    EXPECT_EQ(parseHex16("12345"), 0x2345);  // low 16 bits
    EXPECT_EQ(parseHex16("ffffffffffff"), 0xFFFF);
}

TEST(NumberFields, decimalFieldsTakeTheLeadingDigits) {
    EXPECT_EQ(parseDec16("11747"), 11747);
    EXPECT_EQ(parseDec16(" 42MHz"), 42);
    EXPECT_EQ(parseDec16("MHz"), 0);
    EXPECT_EQ(parseDec16("70000"), 70000 & 0xFFFF);
    EXPECT_EQ(parseDec16("99999999999999999999"), parseDec16("99999999999999999999"));  // no overflow trap
}

// Typed texts of each kind of number field: refused, or stored as they say.
TEST(NumberFields, typedTextsAreRefusedOrStoredAsTheySay) {
    enum Kind { Hex, Dec, Lon };
    constexpr auto A = TextCheck::Acceptable, I = TextCheck::Intermediate, X = TextCheck::Invalid;
    const struct {
        Kind kind;
        const char* typed;
        TextCheck check;
        unsigned stored = 0;
    } cases[] = {
        {Hex, "", A, 0}, {Hex, "1A", A, 0x1A}, {Hex, "ffff", A, 0xFFFF}, {Hex, "0x3f", A, 0x3F}, {Hex, "0X", I, 0},
        {Hex, "12345", X}, {Hex, "0x12345", X}, {Hex, "GHZ9", X}, {Hex, "zz", X}, {Hex, " 12", X},
        {Dec, "", A, 0}, {Dec, "65535", A, 65535}, {Dec, "00012", A, 12}, {Dec, "65536", X}, {Dec, "99999", X},
        {Dec, "12a4x", X}, {Dec, "-1", X},
        {Lon, "", A, 0}, {Lon, "019.2E", A, 192}, {Lon, "19.2e", A, 192}, {Lon, "030.0w", A, 3300},
        {Lon, "180.0W", A, 1800}, {Lon, "19.", A, 190}, {Lon, "180.1E", X}, {Lon, "181", X}, {Lon, "19.25E", X},
        {Lon, "19.2X", X}, {Lon, ".5", X}, {Lon, "-5E", X}, {Lon, "19.2EW", X},
    };
    auto check = [](Kind kind, std::string& text) {
        return kind == Hex ? checkHex16Text(text) : kind == Dec ? checkDec16Text(text) : checkLongitudeText(text);
    };
    for (const auto& c : cases) {
        std::string text = c.typed;
        ASSERT_EQ(check(c.kind, text), c.check) << c.typed;
        if (c.check == X) continue;
        EXPECT_EQ(c.kind == Hex ? parseHex16(text) : c.kind == Dec ? parseDec16(text) : parseLongitude(text), c.stored)
            << c.typed;
        // Typed one character at a time, no step on the way is refused.
        for (std::size_t n = 0; n < text.size(); ++n) {
            std::string prefix = text.substr(0, n);
            EXPECT_NE(check(c.kind, prefix), X) << c.typed << " at " << n;
        }
    }
}

TEST(TransponderTexts, cellAndSummaryFormats) {
    EXPECT_EQ(transponderCellText(11747, 0, 27500, 3), "11747 H 27500 3/4");
    EXPECT_EQ(transponderSummary(11747, 0, 27500, 3), "11747H  27500  3/4");
    EXPECT_EQ(transponderSummary(3840, 1, 6111, 0), "3840V  6111  AUTO");
    EXPECT_EQ(fecText(5), "7/8");
    EXPECT_EQ(fecText(6), "");
    EXPECT_EQ(polarizationText(1, true), "Vertical");
}

TEST(BandRule, frequencyRangesAreInclusive) {
    EXPECT_EQ(bandForFrequency(2999, 7), 7);
    EXPECT_EQ(bandForFrequency(3000, 1), 0);
    EXPECT_EQ(bandForFrequency(5999, 1), 0);
    EXPECT_EQ(bandForFrequency(6000, 1), 0);
    EXPECT_EQ(bandForFrequency(8000, 0), 0);
    EXPECT_EQ(bandForFrequency(9999, 0), 0);
    EXPECT_EQ(bandForFrequency(10000, 0), 1);
    EXPECT_EQ(bandForFrequency(17000, 0), 1);
    EXPECT_EQ(bandForFrequency(17001, 0), 0);
}

TEST(TextFields, namesAreCutToTheFieldAndStayTerminated) {
    ChannelName channel{};
    EXPECT_TRUE(setFieldText(channel, std::string(23, 'A')));
    EXPECT_EQ(channel[22], 'A');
    EXPECT_EQ(channel[23], 0);
    EXPECT_FALSE(setFieldText(channel, std::string(30, 'B')));
    EXPECT_EQ(fieldText(channel), std::string(23, 'B'));

    SatelliteName sat{};
    sat.fill(0x77);
    EXPECT_TRUE(setFieldText(sat, std::string(43, 'S')));
    EXPECT_EQ(sat[43], 0);
    EXPECT_TRUE(setFieldText(sat, "Hot"));
    EXPECT_EQ(sat[3], 0);
    EXPECT_EQ(sat[40], 0);  // the rest is zero-filled, not left over
}

TEST(TextFields, latin1RoundTripAndRefusal) {
    const std::string latin1 = "Caf\xE9 \xDF";
    EXPECT_EQ(latin1ToUtf8(latin1), "Caf\xC3\xA9 \xC3\x9F");
    std::string back;
    ASSERT_TRUE(utf8ToLatin1(latin1ToUtf8(latin1), back));
    EXPECT_EQ(back, latin1);
    EXPECT_FALSE(utf8ToLatin1("\xE2\x82\xAC", back));  // the euro sign has no Latin-1 byte
}

}  // namespace
}  // namespace velmora
