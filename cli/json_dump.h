// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "channel_database.h"

namespace velmora::cli {

// The whole database as JSON: integers as numbers, texts decoded one byte per
// character (Latin-1) up to the first zero byte, byte blocks as hex strings.
nlohmann::ordered_json toJson(const ChannelDatabase& db);

}  // namespace velmora::cli
