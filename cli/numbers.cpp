#include "numbers.h"

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

}  // namespace velmora::cli
