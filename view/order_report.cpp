// SPDX-License-Identifier: GPL-3.0-or-later
#include "order_report.h"

#include <QCoreApplication>

#include "list_csv.h"
#include "list_reorder.h"
#include "printable.h"

namespace velmora {
namespace {

// The texts are marked where they stand, so that lupdate finds them.
QString translated(const char* text) { return QCoreApplication::translate("velmora::OrderReport", text); }

QString number(int index) { return QStringLiteral("%1").arg(index + 1, 4, 10, QLatin1Char('0')); }

QString quotedName(const std::string& name) { return QString::fromStdString(quoted(name)); }

void appendCounts(QString& out, const QString& kind, const ReorderCounts& c) {
    out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "%1: %2 of %3 channels matched (%4 by ids, %5 by name)"))
               .arg(kind)
               .arg(c.byIds + c.byName)
               .arg(c.channels)
               .arg(c.byIds)
               .arg(c.byName);
    if (!c.unmatched.empty()) out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "; not matched, placed after them: %1")).arg(c.unmatched.size());
    if (c.referenceOnly > 0) out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "; reference channels not in the file: %1")).arg(c.referenceOnly);
    out += QLatin1Char('\n');
    for (const UnmatchedChannel& u : c.unmatched)
        out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "%1 not matched: %2 %3 now %4")).arg(kind, number(u.from), quotedName(u.name), number(u.to)) +
               QLatin1Char('\n');
}

}  // namespace

QString reportOfOrder(const ReorderReport& report) {
    QString out;
    appendCounts(out, translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "TV")), report.tv);
    appendCounts(out, translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "Radio")), report.radio);
    if (!report.withFavorites) return out;
    out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "Favourites: groups taken from the reference: %1")).arg(report.groups);
    if (!report.dropped.empty())
        out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "; members dropped, their channels not in the file: %1")).arg(report.dropped.size());
    out += QLatin1Char('\n');
    for (const DroppedMember& d : report.dropped)
        out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "Favourites group %1: %2 member %3 %4 dropped"))
                   .arg(d.group + 1)
                   .arg(d.kind == ChannelKind::Tv ? translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "TV")) : translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "radio")))
                   .arg(d.place + 1)
                   .arg(quotedName(d.name)) +
               QLatin1Char('\n');
    return out;
}

QString reportOfListOrder(const CsvOrder& order) {
    QString out = reportOfOrder(order.plan.report);
    // A row's finding quotes the list's own cells; it stays as the reader words it.
    for (const CsvRowNote& n : order.notes)
        out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "line %1: %2")).arg(n.line).arg(QString::fromStdString(n.text)) + QLatin1Char('\n');
    if (!order.renames.empty()) out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "Names taken from the list: %1")).arg(order.renames.size()) + QLatin1Char('\n');
    if (!order.groupsTaken.empty()) {
        out += translated(QT_TRANSLATE_NOOP("velmora::OrderReport", "Favourite groups taken from the list:"));
        for (const std::string& g : order.groupsTaken) out += QLatin1Char(' ') + QString::fromStdString(quoted(g, false));
        out += QLatin1Char('\n');
    }
    return out;
}

}  // namespace velmora
