// SPDX-License-Identifier: GPL-3.0-or-later
// What changed from one channel list (A) to another (B), grouped as the
// list diff reports it, with counts in the group headers. One window serves
// Show Changes, Compare With, the review before a save and the versions.
#pragma once

#include <QDialog>
#include <QString>

#include "channel_database.h"
#include "list_diff.h"

class QDialogButtonBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class ChangesWindow : public QDialog {
    Q_OBJECT
public:
    // Browse: a Close button, non-modal. Review: Save and Cancel, run modally
    // before a save; accepted means save.
    enum class Mode { Browse, Review };
    explicit ChangesWindow(QWidget* parent = nullptr, Mode mode = Mode::Browse);

    // Shows `d`, the diff from `a` to `b`; the sides are named in the heading.
    // The open state of the groups survives a refresh.
    void showDiff(const ListDiff& d, const ChannelDatabase& a, const ChannelDatabase& b, const QString& aName,
                  const QString& bName);
    QTreeWidget* tree() const { return tree_; }

    // "2 added, 1 removed, 3 changed, 10 moved, 1 favourite group": what a
    // diff holds in one line; "No changes" when it holds nothing.
    static QString summary(const ListDiff& d);

signals:
    // A channel row was double-clicked: its list and its index on the B side.
    void channelActivated(ChannelKind kind, int index);

private:
    QTreeWidgetItem* group(const QString& title, int count);
    void itemActivated(QTreeWidgetItem* item);

    QLabel* heading_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

}  // namespace velmora
