// SPDX-License-Identifier: GPL-3.0-or-later
// The marks of the Channel page: the ten favourite boxes with their position
// labels, the lock box with its picture, and the scrambled box (display only).
// A box click changes the member lists at once; Save writes them.
#include <QCheckBox>
#include <QIcon>
#include <QLabel>

#include "CArdelEditView.h"
#include "core_texts.h"
#include "prompter.h"
#include "record_edit.h"

namespace velmora {

void CArdelEditView::setFavoriteBoxesEnabled(bool enabled) {
    // A group the file does not have is never written: its box stays off.
    const std::size_t groups = db_->tablesAllocated() ? db_->groupCount() : 0;
    for (std::size_t k = 0; k < kViewGroups; ++k) favoriteBoxes_[k]->setEnabled(enabled && k < groups);
}

void CArdelEditView::resetFavoriteMarks() {
    for (std::size_t k = 0; k < kViewGroups; ++k) {
        favoritePositions_[k]->setText(QStringLiteral("000"));
        favoriteBoxes_[k]->setTristate(false);
        favoriteBoxes_[k]->setChecked(false);
    }
}

void CArdelEditView::showFavoriteMarks() {
    if (!selectedChannel()) return;
    // While sorted, the working member list holds list rows.
    const FavoriteMarks marks = favoriteMarks(*db_, activeKind(), selectedRow(), flags_.sortPending);
    for (std::size_t k = 0; k < kViewGroups; ++k) {
        if (!marks.member[k]) continue;
        groupEntryIndex_[k] = marks.entryIndex[k];
        favoriteBoxes_[k]->setChecked(true);
        favoritePositions_[k]->setText(QString::asprintf("%.3d", marks.position[k]));
    }
}

void CArdelEditView::showFavoriteCaptions() {
    syncFilterChoices(false);  // the Show chooser names the groups too
    for (std::size_t k = 0; k < kViewGroups; ++k) {
        const bool has = k < db_->groupNames.size();
        const QString name = has ? QString::fromLatin1(fieldText(db_->groupNames[k])) : QString();
        // "&&": an ampersand of the name is shown, not taken for a mnemonic.
        favoriteBoxes_[k]->setText(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        // A long group name is cut off by the box's width; the tip shows all of it.
        favoriteBoxes_[k]->setToolTip(name);
    }
}

void CArdelEditView::favoriteBoxClicked(std::size_t k) {
    QCheckBox* box = favoriteBoxes_[k];
    const int channel = selectedRecord();
    // While a New is pending Save writes the working member lists: a change of
    // the committed ones would shift every later group's entries.
    if (flags_.newRecordPending || channel < 0 || k >= db_->groupCount()) {
        box->setChecked(!box->isChecked());
        return;
    }
    const ChannelKind kind = activeKind();
    const int group = static_cast<int>(k);
    if (multiSelection()) {
        favoriteBoxClickedForSelection(k);
        return;
    }
    QLabel* label = favoritePositions_[k];
    const int shown = label->text().toInt();
    groupPosition_[k] = shown;
    const QString stepText = tr("Favourite Group %1").arg(k + 1);
    EditStep step;
    if (box->isChecked()) {
        // Back to the place a channel was last taken from, else to the end.
        const int place = shown == 0 && groupRemovedFlag_[k] ? groupRemovedPosition_[k] : 0;
        // The channel unticked last goes back to every place it had (a group
        // may list it twice); any other takes the last of those places.
        const RemovedEntries& removed = groupRemovedEntries_[k];
        const bool same = place > 0 && removed.kind == kind && removed.channel == channel;
        const FavoriteChange r = same ? restoreFavorite(*db_, kind, group, channel, removed.places, &step)
                                      : addFavorite(*db_, kind, group, channel, place, &step);
        if (r.status != EditStatus::Done && r.status != EditStatus::AlreadyMember) {
            box->setChecked(false);
            ui::notice(this, ui::coreText(editStatusText(r.status)));
            return;
        }
        if (r.status == EditStatus::Done) {
            groupRemovedFlag_[k] = false;
            recordStep(std::move(step), stepText);
        }
        label->setText(QString::asprintf("%.3d", r.position));
        groupEntryIndex_[k] = static_cast<int>(db_->groupMemberOffset(kind, k)) + r.position - 1;
    } else {
        std::vector<int> places = favoritePlaces(*db_, kind, group, channel);
        const FavoriteChange r = removeFavorite(*db_, kind, group, channel, &step);
        if (r.status == EditStatus::Done) {
            recordStep(std::move(step), stepText);
            groupRemovedPosition_[k] = r.position;
            groupRemovedFlag_[k] = true;
            groupRemovedEntries_[k] = {kind, channel, std::move(places)};
        }
        groupPosition_[k] = shown - 1;
        label->setText(QStringLiteral("000"));
    }
    groupWorkingCount_[k] = db_->memberCounts(kind)[k];
    // The marks of a sorted list are read from the working member list: it
    // must hold this change too, or the boxes would show the old membership.
    if (flags_.sortPending) keepWorkingMembersInStep(kind);
    refilterLists();  // a channel out of the group chosen leaves the list
}

void CArdelEditView::favoriteBoxClickedForSelection(std::size_t k) {
    // Checked now (it was unchecked or partly): the selected channels not yet
    // in the group go to its end, in table order. Unchecked now: every entry
    // of each selected channel goes. The put-back places are one channel's
    // and stay out of it.
    const ChannelKind kind = activeKind();
    const int group = static_cast<int>(k);
    const std::vector<int> records = selectedRecords();
    const bool add = favoriteBoxes_[k]->checkState() == Qt::Checked;
    EditStep step;
    const FavoriteChange r = add ? addFavorites(*db_, kind, group, records, 0, &step)
                                 : removeFavorites(*db_, kind, group, records, FavoriteRemoval::EveryEntry, &step);
    if (r.status == EditStatus::Done) {
        recordStep(std::move(step), tr("Favourite Group %1").arg(k + 1));
        groupWorkingCount_[k] = db_->memberCounts(kind)[k];
        if (flags_.sortPending) keepWorkingMembersInStep(kind);
    } else if (r.status != EditStatus::AlreadyMember && r.status != EditStatus::NotMember) {
        ui::notice(this, ui::coreText(editStatusText(r.status)));
    }
    // The current channel's place in its groups, and the three states again.
    resetFavoriteMarks();
    showFavoriteMarks();
    showSelectionMarks();
    refilterLists();
}

void CArdelEditView::showLockPicture(bool locked) {
    lockIndicator_->setPixmap(
        QIcon(locked ? QStringLiteral(":/images/locked.png") : QStringLiteral(":/images/unlocked.png")).pixmap(28, 24));
}

void CArdelEditView::lockBoxClicked() {
    const bool locked = lockBox_->isChecked();
    showLockPicture(locked);
    const int row = selectedRow();
    const ChannelKind kind = activeKind();
    if (row < 0 || row >= db_->channelCount(kind)) return;
    if (multiSelection()) {
        // Every selected channel takes the box's new state, in the committed
        // table and, while sorted, in the working rows the list shows.
        const std::vector<int> records = selectedRecords();
        EditStep step;
        if (setLocked(*db_, kind, records, locked, &step) != EditStatus::Done) return;
        if (channelUsesWorking(flags_, kind)) {
            auto& working = db_->workingChannels(kind);
            for (int r : selectedRows())
                if (static_cast<std::size_t>(r) < working.size())
                    working[static_cast<std::size_t>(r)].locked = locked ? 1 : 0;
        }
        const std::size_t n = records.size();
        const int count = static_cast<int>(n);
        recordStep(std::move(step), n == 1   ? (locked ? tr("Lock Channel") : tr("Unlock Channel"))
                                    : locked ? tr("Lock %n Channels", nullptr, count)
                                             : tr("Unlock %n Channels", nullptr, count));
        lockBox_->setTristate(false);
        lockBox_->setChecked(locked);
        refilterLists();  // unlocked channels leave a list of the locked ones
        return;
    }
    const auto value = static_cast<std::uint8_t>(locked ? 1 : 0);
    // The record the form edits gets it at once; while a New is pending that
    // is the new record alone, which exists only in the working table.
    if (channelUsesWorking(flags_, kind)) db_->workingChannels(kind)[static_cast<std::size_t>(row)].locked = value;
    const int record = selectedRecord();
    if (!flags_.newRecordPending && record >= 0) {
        EditStep step;
        const int one[] = {record};
        if (setLocked(*db_, kind, one, locked, &step) == EditStatus::Done)
            recordStep(std::move(step), locked ? tr("Lock Channel") : tr("Unlock Channel"));
        refilterLists();
    }
}

}  // namespace velmora
