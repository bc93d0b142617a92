// SPDX-License-Identifier: GPL-3.0-or-later
// The report Apply Order From shows before OK, in the editor's language.
// The command line prints the same findings in English (core/list_reorder.h).
#pragma once

#include <QString>

namespace velmora {

struct ReorderReport;
struct CsvOrder;

QString reportOfOrder(const ReorderReport& report);
QString reportOfListOrder(const CsvOrder& order);

}  // namespace velmora
