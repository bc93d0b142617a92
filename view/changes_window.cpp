// SPDX-License-Identifier: GPL-3.0-or-later
#include "changes_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdio>

#include "codes.h"

namespace velmora {
namespace {

// Item data of a channel row: its list and B index (-1: none on that side).
constexpr int kKindRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

QString text(const std::string& latin1) { return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())); }
QString quoted(const std::string& latin1) { return QLatin1Char('"') + text(latin1) + QLatin1Char('"'); }

// The names core gives the fields that differ, as the window shows them.
constexpr const char* kFieldNames[] = {
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "name"),        QT_TRANSLATE_NOOP("velmora::ChangesWindow", "serviceId"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "pmtPid"),      QT_TRANSLATE_NOOP("velmora::ChangesWindow", "videoPid"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "audioPid"),    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "pcrPid"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "pidMode"),     QT_TRANSLATE_NOOP("velmora::ChangesWindow", "scrambled"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "locked"),      QT_TRANSLATE_NOOP("velmora::ChangesWindow", "transponder"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "networkId"),   QT_TRANSLATE_NOOP("velmora::ChangesWindow", "transponderId"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "symbolRate"),  QT_TRANSLATE_NOOP("velmora::ChangesWindow", "fec"),
    QT_TRANSLATE_NOOP("velmora::ChangesWindow", "band"),
};

// Only names of the table go through the translation: anything else is shown as core wrote it.
QString fieldName(const std::string& field) {
    for (const char* known : kFieldNames)
        if (field == known) return QCoreApplication::translate("velmora::ChangesWindow", known);
    return QString::fromStdString(field);
}

QString places(const DiffEntry& e) {
    if (e.a < 0) return QString::number(e.b + 1);
    if (e.b < 0) return QString::number(e.a + 1);
    return QStringLiteral("%1 → %2").arg(e.a + 1).arg(e.b + 1);
}

std::string hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%.4x", v & 0xFFFFu);
    return buf;
}

// A channel field's value as the form shows it.
QString channelValue(const ChannelDatabase& db, const ChannelEntry& ch, const std::string& field) {
    const auto say = [](const char* t) { return QCoreApplication::translate("velmora::ChangesWindow", t); };
    if (field == "name") return quoted(fieldText(ch.name));
    if (field == "serviceId") return text(hex4(ch.serviceId));
    if (field == "pmtPid") return text(hex4(ch.pmtPid));
    if (field == "videoPid") return text(hex4(ch.videoPid));
    if (field == "audioPid") return text(hex4(ch.audioPid));
    if (field == "pcrPid") return text(hex4(ch.pcrPid));
    if (field == "pidMode") return ch.pidMode ? say(QT_TRANSLATE_NOOP("velmora::ChangesWindow", "on")) : say(QT_TRANSLATE_NOOP("velmora::ChangesWindow", "off"));
    if (field == "scrambled") return ch.scrambled ? say(QT_TRANSLATE_NOOP("velmora::ChangesWindow", "yes")) : say(QT_TRANSLATE_NOOP("velmora::ChangesWindow", "no"));
    if (field == "locked") return ch.locked ? say(QT_TRANSLATE_NOOP("velmora::ChangesWindow", "yes")) : say(QT_TRANSLATE_NOOP("velmora::ChangesWindow", "no"));
    if (field == "transponder") {
        const TransponderEntry* tp = ch.transponderIndex < db.transponderCount && ch.transponderIndex < db.transponders.size()
                                         ? &db.transponders[ch.transponderIndex]
                                         : nullptr;
        return text(tp ? transponderLabel(db, *tp) : "?");
    }
    return {};
}

int total(const ChannelListDiff& c) {
    return static_cast<int>(c.added.size() + c.removed.size() + c.changed.size() + c.moved.size());
}

}  // namespace

ChangesWindow::ChangesWindow(QWidget* parent, Mode mode) : QDialog(parent) {
    setObjectName(QStringLiteral("changes-window"));
    setWindowTitle(mode == Mode::Review ? tr("Review Before Saving") : tr("Changes"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("changes-heading"));
    heading_->setWordWrap(true);
    layout->addWidget(heading_);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("changes-tree"));
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);  // keeps a refresh of a thousand rows cheap
    layout->addWidget(tree_);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { itemActivated(item); });
    auto* buttons = new QDialogButtonBox(this);
    if (mode == Mode::Review) {
        buttons->addButton(QDialogButtonBox::Save)->setObjectName(QStringLiteral("changes-save"));
        buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("changes-cancel"));
    } else {
        buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("changes-close"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 480);
}

QTreeWidgetItem* ChangesWindow::group(const QString& title, int count) {
    auto* item = new QTreeWidgetItem(tree_, {QStringLiteral("%1 (%2)").arg(title).arg(count)});
    item->setData(0, Qt::UserRole + 2, title);
    QFont bold = item->font(0);
    bold.setBold(true);
    item->setFont(0, bold);
    return item;
}

void ChangesWindow::showDiff(const ListDiff& d, const ChannelDatabase& a, const ChannelDatabase& b,
                             const QString& aName, const QString& bName) {
    heading_->setText(tr("From %1\nto %2").arg(aName, bName));
    // Groups the person opened stay open over a refresh.
    QSet<QString> open;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (tree_->topLevelItem(i)->isExpanded()) open.insert(tree_->topLevelItem(i)->data(0, Qt::UserRole + 2).toString());
    tree_->setUpdatesEnabled(false);
    tree_->clear();
    if (d.empty()) {
        new QTreeWidgetItem(tree_, {tr("No changes")});
    }
    auto channels = [&](const ChannelListDiff& c, ChannelKind kind, const QString& list) {
        if (c.empty()) return;
        auto* top = group(list, total(c));
        auto section = [&](const std::vector<DiffEntry>& entries, const QString& what) {
            if (entries.empty()) return;
            auto* sub = new QTreeWidgetItem(top, {QStringLiteral("%1 (%2)").arg(what).arg(entries.size())});
            for (const DiffEntry& e : entries) {
                QString line = places(e) + QLatin1Char(' ') + quoted(e.name);
                if (!e.fields.empty()) {
                    QStringList names;
                    for (const std::string& f : e.fields) names << fieldName(f);
                    line += QStringLiteral(": ") + names.join(QStringLiteral(", "));
                }
                auto* row = new QTreeWidgetItem(sub, {line});
                row->setData(0, kKindRole, kind == ChannelKind::Tv ? 0 : 1);
                row->setData(0, kIndexRole, e.b);
                if (e.a < 0 || e.b < 0) continue;
                const ChannelEntry* x = a.channelAt(kind, static_cast<std::size_t>(e.a));
                const ChannelEntry* y = b.channelAt(kind, static_cast<std::size_t>(e.b));
                for (const std::string& f : e.fields)
                    if (x && y)
                        new QTreeWidgetItem(row, {QStringLiteral("%1: %2 → %3").arg(fieldName(f),
                                                                                   channelValue(a, *x, f),
                                                                                   channelValue(b, *y, f))});
            }
        };
        section(c.added, tr("added"));
        section(c.removed, tr("removed"));
        section(c.changed, tr("changed"));
        section(c.moved, tr("moved"));
    };
    channels(d.tv, ChannelKind::Tv, tr("TV channels"));
    channels(d.radio, ChannelKind::Radio, tr("Radio channels"));

    if (!d.favorites.empty()) {
        auto* top = group(tr("Favourite groups"), static_cast<int>(d.favorites.size()));
        for (const GroupDiff& g : d.favorites) {
            const std::string& name = g.bName ? *g.bName : *g.aName;
            auto* item = new QTreeWidgetItem(top, {QStringLiteral("%1 %2").arg(g.group + 1).arg(quoted(name))});
            if (!g.aName) item->setText(0, item->text(0) + tr(": added"));
            if (!g.bName) item->setText(0, item->text(0) + tr(": removed"));
            if (g.renamed()) new QTreeWidgetItem(item, {tr("renamed from %1").arg(quoted(*g.aName))});
            auto members = [&](const MemberDiff& m, const QString& kind) {
                for (const auto& [list, what] : {std::pair{&m.added, tr("added")}, {&m.removed, tr("removed")},
                                                 {&m.moved, tr("reordered")}})
                    for (const DiffEntry& e : *list)
                        new QTreeWidgetItem(item, {tr("%1 member %2 %3 %4").arg(kind, what, places(e), quoted(e.name))});
            };
            members(g.tv, tr("TV"));
            members(g.radio, tr("radio"));
        }
    }
    auto table = [&](const TableDiff& t, const QString& title) {
        if (t.empty()) return;
        auto* top = group(title, static_cast<int>(t.added.size() + t.removed.size() + t.changed.size()));
        for (const auto& [list, what] : {std::pair{&t.added, tr("added")}, {&t.removed, tr("removed")},
                                         {&t.changed, tr("changed")}})
            for (const DiffEntry& e : *list) {
                QString line = what + QLatin1Char(' ') + places(e) + QLatin1Char(' ') + text(e.name);
                QStringList names;
                for (const std::string& f : e.fields) names << fieldName(f);
                if (!names.isEmpty()) line += QStringLiteral(": ") + names.join(QStringLiteral(", "));
                new QTreeWidgetItem(top, {line});
            }
    };
    table(d.transponders, tr("Transponders"));
    table(d.satellites, tr("Satellites"));
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree_->topLevelItem(i);
        top->setExpanded(open.contains(top->data(0, Qt::UserRole + 2).toString()) || tree_->topLevelItemCount() == 1);
    }
    tree_->setUpdatesEnabled(true);
}

void ChangesWindow::itemActivated(QTreeWidgetItem* item) {
    for (; item; item = item->parent()) {
        if (!item->data(0, kIndexRole).isValid()) continue;
        const int index = item->data(0, kIndexRole).toInt();
        if (index >= 0)
            emit channelActivated(item->data(0, kKindRole).toInt() == 0 ? ChannelKind::Tv : ChannelKind::Radio, index);
        return;
    }
}

QString ChangesWindow::summary(const ListDiff& d) {
    if (d.empty()) return tr("No changes");
    const int added = static_cast<int>(d.tv.added.size() + d.radio.added.size());
    const int removed = static_cast<int>(d.tv.removed.size() + d.radio.removed.size());
    const int changed = static_cast<int>(d.tv.changed.size() + d.radio.changed.size());
    const int moved = static_cast<int>(d.tv.moved.size() + d.radio.moved.size());
    QStringList parts;
    if (added) parts << tr("%1 added").arg(added);
    if (removed) parts << tr("%1 removed").arg(removed);
    if (changed) parts << tr("%1 changed").arg(changed);
    if (moved) parts << tr("%1 moved").arg(moved);
    // One is its own text; more go through the plural forms of the language.
    const int groups = static_cast<int>(d.favorites.size());
    if (groups == 1) parts << tr("1 favourite group");
    if (groups > 1) parts << tr("%n favourite groups", nullptr, groups);
    const int tables = static_cast<int>(d.transponders.added.size() + d.transponders.removed.size() +
                                        d.transponders.changed.size() + d.satellites.added.size() +
                                        d.satellites.removed.size() + d.satellites.changed.size());
    if (tables == 1) parts << tr("1 transponder or satellite");
    if (tables > 1) parts << tr("%n transponders or satellites", nullptr, tables);
    return parts.join(QStringLiteral(", "));
}

}  // namespace velmora
