// SPDX-License-Identifier: GPL-3.0-or-later
// Texts taken from a file, made safe to print: a name must neither drive
// the terminal nor split the line it stands on. `velmora list`, the findings
// of `velmora diff` and the reorder report all print names through here.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// `text` with control characters shown as \xNN (and \ as \\). Latin-1 texts
// also escape 0x80..0x9F and are converted to UTF-8.
std::string printable(std::string_view text, bool latin1);

// printable() between `quote` characters, a quote inside shown as \" (or \').
std::string quoted(std::string_view text, bool latin1 = true, char quote = '"');

}  // namespace velmora
