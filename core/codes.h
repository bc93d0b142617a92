// SPDX-License-Identifier: GPL-3.0-or-later
// Texts and parsers shared by the editor, the lists, the CLI and printing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// "AUTO", "1/2", "2/3", "3/4", "5/6", "7/8"; other values give "" (no table names them).
std::string_view fecText(unsigned fec);
// "H"/"V" (short) or "Horizontal"/"Vertical"; any non-zero value is vertical.
std::string_view polarizationText(unsigned polarization, bool longForm = false);

// 192 -> "019.2E", 3300 -> "030.0W".
std::string longitudeText(unsigned longitude);
// Leading number d; a final upper-case "W" makes it 360 - d; result d * 10
// truncated toward zero, kept to 16 bits.
std::uint16_t parseLongitude(std::string_view text);

// Leading blanks and an optional "0x" allowed; stops at the first non-hex
// character; no digits gives 0; the low 16 bits are kept.
std::uint16_t parseHex16(std::string_view text);
// Leading decimal digits (after blanks); none gives 0; the low 16 bits are kept.
std::uint16_t parseDec16(std::string_view text);

// What may be typed into a number field, so that the parse above stores
// exactly what the text says. Invalid text is refused at the keystroke;
// Intermediate text can still become acceptable. Empty text means 0.
enum class TextCheck { Acceptable, Intermediate, Invalid };
// Identifiers and PIDs: an optional "0x", then at most four hexadecimal digits.
TextCheck checkHex16Text(std::string_view text);
// Frequency and symbol rate: decimal digits, 0..65535.
TextCheck checkDec16Text(std::string_view text);
// Longitude as the field shows it: at most 180.0 with at most one decimal,
// then E or W (none means east). A lower-case e or w is made upper-case, as
// the parse takes only an upper-case W for west.
TextCheck checkLongitudeText(std::string& text);

// The Transponder cell of the lists: "11747 H 27500 3/4".
std::string transponderCellText(unsigned frequency, unsigned polarization, unsigned symbolRate, unsigned fec);
// The chooser and the record editor: "11747H  27500  3/4".
std::string transponderSummary(unsigned frequency, unsigned polarization, unsigned symbolRate, unsigned fec);

// Band rule: 3000..6000 MHz gives C band (0), 10000..17000 Ku band (1);
// returns the current band for any other frequency.
std::uint8_t bandForFrequency(unsigned frequency, std::uint8_t currentBand);

}  // namespace velmora
