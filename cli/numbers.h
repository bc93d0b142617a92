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

}  // namespace velmora::cli
