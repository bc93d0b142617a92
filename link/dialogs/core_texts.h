// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed texts that core and link (which know nothing of Qt) hand to the
// editor to show: each is looked up, line by line, in a table of the known
// English texts and shown in the current language.
#pragma once

#include <QString>
#include <string>

namespace velmora::ui {

// `text` in the current language; lines that are not known texts (file
// names, system error texts, counts) stay as they are.
QString coreText(const std::string& text);
QString coreText(const char* text);

}  // namespace velmora::ui
