// SPDX-License-Identifier: GPL-3.0-or-later
// Moving channels: Cut and Paste (Edit menu and the lists' right-click menu),
// the menu's own New and Delete, and drag reordering in both lists. Each
// handler reads the selection, calls core's holdChannel/moveChannel/
// removeChannel and refreshes the list.
//
// A held channel stays valid because nothing else moves rows while it is
// held: New and Delete are refused while a cut is pending, and Paste is
// offered only in the list of the held channel's kind (its record and its
// favourite entries belong to that kind's tables).
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>

#include "CArdelEditView.h"
#include "channel_list_menu.h"
#include "channel_list_model.h"
#include "list_drag.h"
#include "prompter.h"

namespace velmora {
namespace {

constexpr int kNewButton = 1069;
constexpr int kDeleteButton = 1042;
// Drop rows and the edge band that scrolls during a drag: one list row.
constexpr int kRowHeight = 20;

}  // namespace

void CArdelEditView::setUpMoves() {
    ListDrag::Hooks hooks;
    hooks.mayBegin = [this](QAbstractItemView* list, int row) {
        if (mayBeginDrag(list, row)) return true;
        if (row >= 0 && !explainSortRefusal()) explainFilterRefusal();
        return false;
    };
    hooks.begun = [this](QAbstractItemView* list, int row) { dragBegun(list, row); };
    hooks.dropped = [this](QAbstractItemView* list, int row) { dragDropped(list, row); };
    hooks.cancelled = [this](QAbstractItemView* list) { dragCancelled(list); };
    // A block's picture shows the row under the cursor and how many go.
    hooks.caption = [this](QAbstractItemView*, int) {
        return heldBlock_.size() > 1 ? tr("(%n channels)", nullptr, static_cast<int>(heldBlock_.size())) : QString();
    };
    drag_ = new ListDrag(std::move(hooks), this);
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        QTableView* list = listOf(kind);
        list->setAutoScrollMargin(kRowHeight);
        drag_->addList(list);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, kind](const QPoint& pos) { openListMenu(kind, pos); });
    }
}

ChannelKind CArdelEditView::kindOf(const QAbstractItemView* list) const {
    return list == radioList_ ? ChannelKind::Radio : ChannelKind::Tv;
}

// New, the menu's Delete and Cut: only in the plain Editing state. A sort
// shows rows out of table order, and a pending New has rows only in the
// working tables.
bool CArdelEditView::canEditRows() const {
    return flags_.editActive && !flags_.cutPending && !flags_.sortPending && !flags_.newRecordPending;
}

// Cut, Paste, drags and Move Up/Down place channels beside their neighbours
// in the table, which a filtered list does not show: they wait until the
// filter is cleared.
bool CArdelEditView::canCut() const { return canEditRows() && activeList_ != ActiveList::None && !listFiltered(); }

bool CArdelEditView::canPaste(ChannelKind kind) const {
    return flags_.editActive && flags_.cutPending && !flags_.newRecordPending && held_ && held_->kind == kind &&
           !listFiltered();
}

bool CArdelEditView::explainFilterRefusal() {
    if (!flags_.editActive || !listFiltered()) return false;
    emit statusText(tr("Filtered: clear the filter to move channels by Cut and Paste, a drag or one row at a time"));
    return true;
}

void CArdelEditView::cutCommand() {
    if (!canCut()) return;
    const ChannelKind kind = activeKind();
    // Several rows are held as one block, in table order.
    std::vector<int> block = multiSelection() ? selectedRecords() : std::vector<int>{};
    if (block.size() == 1) block.clear();
    std::optional<HeldChannel> held = holdChannel(*db_, kind, block.empty() ? selectedRecord() : block.front());
    if (!held) return;
    held_ = std::move(held);
    heldBlock_ = std::move(block);
    flags_.cutPending = true;
    setControlEnabled(kNewButton, false);
    setControlEnabled(kDeleteButton, false);
    emit commandStateChanged();
}

void CArdelEditView::pasteCommand(ChannelKind kind) {
    if (!canPaste(kind) || activeList_ == ActiveList::None || activeKind() != kind) return;
    const int row = selectedRow();
    if (row < 0 || row >= modelOf(kind)->listRowCount()) return;
    // A sorted list names the target by its Number cell, never by display row.
    moveHeldTo(kind, flags_.sortPending ? numberCellValue(kind, row) - 1 : row);
}

bool CArdelEditView::moveHeldTo(ChannelKind kind, int to) {
    if (!held_ || held_->kind != kind) return false;
    // A Paste commits what was typed before the indices shift (a drag did
    // so when it began; its drop highlight is not the record shown).
    if (!listUpdateInProgress_) commitShownRecords();
    const QScopedValueRollback hold(formCommitHeld_, true);
    if (!heldBlock_.empty()) return moveHeldBlockTo(kind, to);
    HeldChannel held = *held_;
    // Edits made since the channel was taken (a saved name, the lock box)
    // travel with it instead of being undone by the copy taken then.
    if (const ChannelEntry* now = db_->channelAt(kind, static_cast<std::size_t>(held.heldIndex))) held.record = *now;
    EditStep step;
    if (moveChannel(*db_, held, to, &step) != EditStatus::Done) return false;
    // A paste on its own row moves nothing: no step to undo.
    if (to != held.heldIndex) recordStep(std::move(step), tr("Move Channel"));
    held_.reset();
    heldBeforeDrag_.reset();
    heldBlockBeforeDrag_.clear();
    flags_.cutPending = false;
    listUpdateInProgress_ = false;
    endSortForMove();
    (kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_) = to;
    rowDeleted_ = false;
    setControlEnabled(kNewButton, true);
    setControlEnabled(kDeleteButton, true);
    refreshLists();
    emit commandStateChanged();
    return true;
}

bool CArdelEditView::moveHeldBlockTo(ChannelKind kind, int row) {
    // The block moves in the table itself: nothing of it is copied, so edits
    // made since the Cut stay with their channels.
    const std::vector<int> block = heldBlock_;
    EditStep step;
    const MoveResult moved = moveChannels(*db_, kind, block, pasteTarget(block, row), &step);
    if (moved.status != EditStatus::Done) return false;
    held_.reset();
    heldBlock_.clear();
    heldBeforeDrag_.reset();
    heldBlockBeforeDrag_.clear();
    flags_.cutPending = false;
    listUpdateInProgress_ = false;
    endSortForMove();
    setControlEnabled(kNewButton, true);
    setControlEnabled(kDeleteButton, true);
    if (moved.changed) {
        finishBlockMove(kind, moved, 0, std::move(step));
    } else {
        const QScopedValueRollback hold(formCommitHeld_, true);
        selectRecords(kind, moved.now, moved.now.front());
        emit commandStateChanged();
    }
    return true;
}

void CArdelEditView::endSortForMove() {
    if (!flags_.sortPending) return;
    // The move changed table positions, which the sorted order and the
    // working tables built from it no longer match: both lists go back to
    // table order, as after Save, and the working tables follow the
    // committed ones again.
    flags_.sortPending = false;
    db_->syncWorkingTables();
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        int& row = kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
        if (row >= 0) row = numberCellValue(kind, row) - 1;
        kind == ChannelKind::Tv ? fillTvList() : fillRadioList();
    }
}

void CArdelEditView::menuDelete() {
    if (!canEditRows() || activeList_ == ActiveList::None) return;
    if (selectedRecords().empty()) return;
    // The menu asks its own question, whatever the count; the form's
    // Delete's ending: the new last row when the last went, "End of Data"
    // when the list emptied.
    const char* question = QT_TR_NOOP("Marked channels will be deleted, proceed SAVING?");
    deleteChannels(tr(question), question, false);
    emit commandStateChanged();
}

void CArdelEditView::openListMenu(ChannelKind kind, const QPoint& pos) {
    QTableView* list = listOf(kind);
    const int shownRow = list->indexAt(pos).row();
    const int row = modelOf(kind)->listRow(shownRow);
    const bool active = activeList_ == (kind == ChannelKind::Tv ? ActiveList::Tv : ActiveList::Radio);
    // The row under the cursor is selected first; selecting the selected
    // row again would reload the form and drop what was typed into it.
    // A row of a selection of several keeps the selection: the menu acts on it.
    if (row >= 0 && (!active || row != selectedRow()) &&
        !(active && list->selectionModel()->isRowSelected(shownRow) && multiSelection()))
        selectListRow(list, row);

    ChannelListMenu::State state;
    state.editActive = flags_.editActive;
    state.canNew = canEditRows();
    state.canCut = canEditRows() && !listFiltered();
    state.canPaste = canPaste(kind);
    state.canDelete = canEditRows();
    state.canMove = canMoveSelection() && activeKind() == kind;
    state.canStep = !listFiltered();
    ChannelListMenu menu(kind, state, this);
    switch (menu.exec(list->viewport()->mapToGlobal(pos))) {
    case ChannelListMenu::New:
        newButton();
        break;
    case ChannelListMenu::Cut:
        cutCommand();
        break;
    case ChannelListMenu::Paste:
        pasteCommand(kind);
        break;
    case ChannelListMenu::Delete:
        // The menu's own list: an empty one has nothing to delete, whichever
        // list the selection is in.
        if (activeList_ != ActiveList::None && activeKind() == kind) menuDelete();
        break;
    case ChannelListMenu::MoveUp:
        moveSelection(MoveDirection::Up);
        break;
    case ChannelListMenu::MoveDown:
        moveSelection(MoveDirection::Down);
        break;
    case ChannelListMenu::MoveToTop:
        moveSelection(MoveDirection::Top);
        break;
    case ChannelListMenu::MoveToBottom:
        moveSelection(MoveDirection::Bottom);
        break;
    case ChannelListMenu::MoveTo:
        moveToCommand();
        break;
    case ChannelListMenu::Header:
        break;
    }
}

// ---- drags ----

bool CArdelEditView::mayBeginDrag(QAbstractItemView* list, int row) const {
    // A sorted list's rows are not table positions; a pending New's rows
    // exist only in the working tables.
    if (!flags_.editActive || flags_.sortPending || flags_.newRecordPending || listFiltered()) return false;
    return row >= 0 && row < db_->channelCount(kindOf(list));
}

void CArdelEditView::dragBegun(QAbstractItemView* list, int row) {
    // The drag's channel replaces a Cut's hold; a cancel puts that back.
    commitShownRecords();
    heldBeforeDrag_ = flags_.cutPending ? held_ : std::nullopt;
    heldBlockBeforeDrag_ = flags_.cutPending ? heldBlock_ : std::vector<int>{};
    // A selected row of several drags them all.
    const bool block = activeList_ != ActiveList::None && activeKind() == kindOf(list) &&
                       list->selectionModel()->isRowSelected(row) && multiSelection();
    heldBlock_ = block ? selectedRecords() : std::vector<int>{};
    if (heldBlock_.size() == 1) heldBlock_.clear();
    held_ = holdChannel(*db_, kindOf(list), heldBlock_.empty() ? row : heldBlock_.front());
    // The drop highlight moves, the record editor stays with its channel.
    listUpdateInProgress_ = true;
}

void CArdelEditView::dragDropped(QAbstractItemView* list, int row) {
    const ChannelKind kind = kindOf(list);
    // Below the last row: the end of the list once the channel has left its place.
    if (!moveHeldTo(kind, row >= 0 ? row : db_->channelCount(kind) - 1)) dragCancelled(list);
}

void CArdelEditView::dragCancelled(QAbstractItemView* list) {
    held_ = flags_.cutPending ? heldBeforeDrag_ : std::nullopt;
    heldBlock_ = flags_.cutPending ? heldBlockBeforeDrag_ : std::vector<int>{};
    heldBeforeDrag_.reset();
    heldBlockBeforeDrag_.clear();
    // Nothing moved and the selection never left its row: the form stays as
    // it is, and the list only scrolls back to that row.
    listUpdateInProgress_ = false;
    list->scrollTo(list->currentIndex());
}

}  // namespace velmora
