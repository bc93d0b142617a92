// SPDX-License-Identifier: GPL-3.0-or-later
#include "printable.h"

#include <cstdio>

namespace velmora {

std::string printable(std::string_view text, bool latin1) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || (latin1 && b >= 0x80 && b < 0xA0)) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02x", b);
            out += esc;
        } else if (b == '\\') {
            out += "\\\\";
        } else if (latin1 && b >= 0x80) {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        } else {
            out += c;
        }
    }
    return out;
}

std::string quoted(std::string_view text, bool latin1, char quote) {
    std::string out(1, quote);
    // printable() never produces a quote of its own, so escaping afterwards
    // cannot be confused with its escapes.
    for (const char c : printable(text, latin1)) {
        if (c == quote) out += '\\';
        out += c;
    }
    out += quote;
    return out;
}

}  // namespace velmora
