// SPDX-License-Identifier: GPL-3.0-or-later
#include "codes.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

std::string_view fecText(unsigned fec) {
    static constexpr std::array<std::string_view, 6> kTexts{"AUTO", "1/2", "2/3", "3/4", "5/6", "7/8"};
    return fec < kTexts.size() ? kTexts[fec] : std::string_view{};
}

std::string_view polarizationText(unsigned polarization, bool longForm) {
    if (longForm) return polarization ? "Vertical" : "Horizontal";
    return polarization ? "V" : "H";
}

std::string longitudeText(unsigned longitude) {
    const double d = longitude / 10.0;
    char buf[32];
    if (d < 180.0)
        std::snprintf(buf, sizeof buf, "%05.1fE", d);
    else
        std::snprintf(buf, sizeof buf, "%05.1fW", 360.0 - d);
    return buf;
}

std::uint16_t parseLongitude(std::string_view text) {
    // strtod needs a terminated string; the field is short.
    std::string s(text);
    const char* begin = s.c_str();
    char* end = nullptr;
    double d = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(d)) d = 0.0;
    if (!s.empty() && s.back() == 'W') d = 360.0 - d;
    double tenths = std::trunc(d * 10.0);
    // 0.0W is the position 000.0E: 3600 would be outside the stored range.
    if (tenths == 3600.0) tenths = 0.0;
    // Out-of-range input keeps its low 16 bits like every other field.
    if (!(tenths > -1e9 && tenths < 1e9)) return 0;
    return static_cast<std::uint16_t>(static_cast<long long>(tenths));
}

std::uint16_t parseHex16(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) i += 2;
    std::uint32_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else break;
        v = ((v << 4) | digit) & 0xFFFFFu;  // only the low 16 bits survive anyway
    }
    return static_cast<std::uint16_t>(v);
}

std::uint16_t parseDec16(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint32_t v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        v = (v * 10u + static_cast<unsigned>(text[i] - '0')) & 0xFFFFFFu;
    if (negative) v = 0u - v;
    return static_cast<std::uint16_t>(v);
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

TextCheck checkHex16Text(std::string_view text) {
    const bool prefixed = text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = prefixed ? text.substr(2) : text;
    if (digits.size() > 4) return TextCheck::Invalid;
    for (const char c : digits)
        if (!isHexDigit(c)) return TextCheck::Invalid;
    return prefixed && digits.empty() ? TextCheck::Intermediate : TextCheck::Acceptable;
}

TextCheck checkDec16Text(std::string_view text) {
    unsigned value = 0;
    for (const char c : text) {
        if (!isDigit(c)) return TextCheck::Invalid;
        value = value * 10u + static_cast<unsigned>(c - '0');
        if (value > 0xFFFFu) return TextCheck::Invalid;
    }
    return TextCheck::Acceptable;
}

TextCheck checkLongitudeText(std::string& text) {
    // digits{1,3} [ "." [digit] ] [ "E" | "W" ]
    std::size_t i = 0;
    unsigned tenths = 0;
    while (i < text.size() && isDigit(text[i]) && i < 3) tenths = tenths * 10u + static_cast<unsigned>(text[i++] - '0');
    if (i == 0) return text.empty() ? TextCheck::Acceptable : TextCheck::Invalid;
    tenths *= 10u;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (i < text.size() && isDigit(text[i])) tenths += static_cast<unsigned>(text[i++] - '0');
    }
    if (tenths > 1800u) return TextCheck::Invalid;
    if (i < text.size()) {
        char& hemisphere = text[i];
        if (hemisphere == 'e' || hemisphere == 'w') hemisphere = static_cast<char>(hemisphere - 'a' + 'A');
        if (hemisphere != 'E' && hemisphere != 'W') return TextCheck::Invalid;
        ++i;
    }
    return i == text.size() ? TextCheck::Acceptable : TextCheck::Invalid;
}

std::string transponderCellText(unsigned frequency, unsigned polarization, unsigned symbolRate, unsigned fec) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%u %s %u %s", frequency, polarization ? "V" : "H", symbolRate,
                  std::string(fecText(fec)).c_str());
    return buf;
}

std::string transponderSummary(unsigned frequency, unsigned polarization, unsigned symbolRate, unsigned fec) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%u%s  %u  %s", frequency, polarization ? "V" : "H", symbolRate,
                  std::string(fecText(fec)).c_str());
    return buf;
}

std::uint8_t bandForFrequency(unsigned frequency, std::uint8_t currentBand) {
    if (frequency >= 3000 && frequency <= 6000) return 0;
    if (frequency >= 10000 && frequency <= 17000) return 1;
    return currentBand;
}

}  // namespace velmora
