// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Remove Duplicates: the later copies of a channel stored twice go,
// both lists at once, as one undoable step.
#include <QScopedValueRollback>

#include "CArdelEditView.h"
#include "duplicates.h"
#include "prompter.h"

namespace velmora {

bool CArdelEditView::removeDuplicatesAvailable() const { return wholeTablesEditable(); }

void CArdelEditView::removeDuplicatesCommand() {
    if (!removeDuplicatesAvailable()) return;
    const Duplicates tv = findDuplicates(*db_, ChannelKind::Tv), radio = findDuplicates(*db_, ChannelKind::Radio);
    const int total = tv.removable + radio.removable;
    if (total == 0) {
        ui::notice(this, tr("No duplicate channels found."));
        return;
    }
    const QString found = tr("TV channels: %1 duplicates; radio channels: %2 duplicates.\n")
                              .arg(tv.removable)
                              .arg(radio.removable);
    const QString question =
        total == 1 ? tr("Remove 1 duplicate channel? It keeps the first of its copies and its favourite entries.")
                   : tr("Remove %1 duplicate channels? Each keeps the first of its copies and its favourite entries.")
                         .arg(total);
    if (!ui::confirm(this, found + question)) return;
    commitShownRecords();  // before the rows move under the form

    // Each list's selected channel stays selected, or its kept copy when it goes.
    auto follow = [](int& row, const Duplicates& d) {
        if (row < 0 || static_cast<std::size_t>(row) >= d.keptOf.size()) return;
        if (d.keptOf[static_cast<std::size_t>(row)] >= 0) row = d.keptOf[static_cast<std::size_t>(row)];
        int before = 0;
        for (int i = 0; i < row; ++i) before += d.keptOf[static_cast<std::size_t>(i)] >= 0;
        row -= before;
    };
    EditStep step;
    for (const auto& [kind, d] : {std::pair{ChannelKind::Tv, &tv}, {ChannelKind::Radio, &radio}})
        if (d->removable && removeDuplicates(*db_, kind, *d, &step).status != EditStatus::Done) return;
    recordStep(std::move(step), total == 1 ? tr("Remove Duplicate") : tr("Remove %1 Duplicates").arg(total));
    const QScopedValueRollback hold(formCommitHeld_, true);
    follow(selectedTvRow_, tv);
    follow(selectedRadioRow_, radio);
    if (activeList_ != ActiveList::Tv) fillTvList();
    if (activeList_ != ActiveList::Radio) fillRadioList();
    refreshLists();
    emit commandStateChanged();
}

}  // namespace velmora
