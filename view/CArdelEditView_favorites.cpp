// SPDX-License-Identifier: GPL-3.0-or-later
// View > Favourites: the favourites dialog works on the view's tables; the
// boxes then show the group names, and after OK a reorder is saved and its
// channel shown in the list.
#include <QCheckBox>
#include <QTableView>

#include "CArdelEditView.h"
#include "favorites_dialog.h"
#include "prompter.h"

namespace velmora {

bool CArdelEditView::canOpenFavorites() const {
    // A pending New keeps its member lists in the working tables until Save
    // or Cancel, and the favourite boxes wait for it too.
    return flags_.fileLoaded && !flags_.newRecordPending;
}

void CArdelEditView::favoritesCommand() {
    if (!canOpenFavorites()) return;
    FavoritesDialog dialog(*db_, this);
    connect(&dialog, &FavoritesDialog::textRefused, this, [this] { rejectNonLatin1(); });
    const bool ok = ui::Prompter::current().runDialog(dialog) == QDialog::Accepted;
    // Renames, empties and reorders of one session are one step, however it ended.
    recordStep(dialog.takeStep(), tr("Edit Favourite Groups"));
    // However the dialog ended, entries may have moved or gone under the
    // marks the form shows; a sorted list reads them from the working lists.
    if (flags_.sortPending)
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) keepWorkingMembersInStep(kind);
    resetFavoriteMarks();
    if (!flags_.cutPending) showFavoriteMarks();
    // The names are in the tables however the dialog ended (the close box
    // too), and the next Save writes them: the boxes show them now.
    showFavoriteCaptions();
    refilterLists();  // entries gone or moved change what a group choice shows
    for (std::size_t k = 0; k < kViewGroups; ++k) groupWorkingCount_[k] = db_->memberCounts(activeKind())[k];
    if (ok) favoritesAccepted(dialog);
}

void CArdelEditView::favoritesAccepted(const FavoritesDialog& dialog) {
    if (!dialog.groupChanged() || !saveButton()) return;
    // The list shows the channel whose entry moved last, in table order now
    // that the save has ended any sort.
    const auto move = dialog.lastMove();
    if (!move) return;
    const auto group = static_cast<std::size_t>(move->group);
    const ChannelKind kind = move->kind;
    if (move->position >= db_->memberCounts(kind)[group]) return;
    const int channel = db_->members(kind)[db_->groupMemberOffset(kind, group) + static_cast<std::size_t>(move->position)];
    if ((kind == ChannelKind::Tv) != tvSwitch_->isChecked()) {
        kind == ChannelKind::Tv ? tvSwitch() : radioSwitch();
        emit commandStateChanged();
    }
    QTableView* list = listOf(kind);
    list->setFocus();
    selectListRow(list, channel);
}

}  // namespace velmora
