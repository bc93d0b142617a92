// SPDX-License-Identifier: GPL-3.0-or-later
// Several selected rows: which records they name, the status bar's count, the
// boxes' three states, the keyboard moves and Move To. The current row stays
// the selected row of the form; a command with more rows selected reads them
// here, calls core once and selects the rows it moved.
#include <QCheckBox>
#include <QItemSelection>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTableView>
#include <algorithm>

#include <cstring>

#include "CArdelEditView.h"
#include "channel_list_model.h"
#include "move_to_dialog.h"
#include "prompter.h"

namespace velmora {
namespace {

void showBoxState(QCheckBox* box, int members, int channels) {
    if (members > 0 && members < channels) {
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    // Out of the third state again, so that a click only checks or unchecks.
    box->setTristate(false);
    box->setChecked(members > 0);
}

}  // namespace

void CArdelEditView::listSelectionMoved(ChannelKind kind) {
    QTableView* list = listOf(kind);
    const QItemSelectionModel* selection = list->selectionModel();
    const int shownRow = selection->currentIndex().isValid() ? selection->currentIndex().row() : -1;
    // The form and the view state name list rows; the list shows some of them.
    const int row = modelOf(kind)->listRow(shownRow);
    const bool active = activeList_ == (kind == ChannelKind::Tv ? ActiveList::Tv : ActiveList::Radio);
    const int stored = kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
    // The form follows the current row once it is selected; a range that
    // grows or a row toggled elsewhere leaves it where it is.
    const bool follow = row >= 0 && selection->isRowSelected(shownRow) && (reshowSelection_ || !active || row != stored);
    if (follow) {
        reshowSelection_ = false;
        onListSelection(kind, row);
    } else if (active && !listUpdateInProgress_ && !flags_.cutPending && !flags_.newRecordPending) {
        showSelectionMarks();
    }
    if (active || follow) showSelectionCount();
}

namespace {

// Rows of the selection's ranges, ascending, each once. Read from the ranges
// themselves: asking the selection model row by row costs a pass over all
// ranges per row, which a selection of thousands of single rows cannot pay.
std::vector<int> rowsOf(const QItemSelection& selection, int count) {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selection)
        for (int r = range.top(); r <= range.bottom() && r < count; ++r) rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace

std::vector<int> CArdelEditView::selectedRows() const {
    if (activeList_ == ActiveList::None) return {};
    const ChannelListModel* model = modelOf(activeKind());
    std::vector<int> rows = rowsOf(listOf(activeKind())->selectionModel()->selection(), model->rowCount());
    // Shown rows ascending give list rows ascending.
    if (model->filtered())
        for (int& r : rows) r = model->listRow(r);
    return rows;
}

bool CArdelEditView::multiSelection() const {
    if (activeList_ == ActiveList::None || flags_.newRecordPending) return false;
    const QItemSelectionModel* selection = listOf(activeKind())->selectionModel();
    if (!selection->hasSelection()) return false;
    const QItemSelection& ranges = selection->selection();
    const int row = modelOf(activeKind())->shownRow(selectedRow());
    // Most selections are one range of the selected row alone.
    if (ranges.size() == 1) return ranges.front().height() > 1 || ranges.front().top() != row;
    const std::vector<int> rows = selectedRows();
    return rows.size() > 1 || (rows.size() == 1 && rows.front() != selectedRow());
}

std::vector<int> CArdelEditView::selectedRecords() const {
    std::vector<int> records;
    if (!multiSelection()) {
        // A row the filter hides is not what the person sees selected.
        if (const int record = selectedRecord(); record >= 0 && currentRowShown()) records.push_back(record);
        return records;
    }
    const ChannelKind kind = activeKind();
    const int count = db_->tablesAllocated() ? db_->channelCount(kind) : 0;
    for (int row : selectedRows()) {
        // A sorted list finds the records through the rows' Number cells.
        const int record = flags_.sortPending ? numberCellValue(kind, row) - 1 : row;
        if (record >= 0 && record < count) records.push_back(record);
    }
    std::sort(records.begin(), records.end());
    records.erase(std::unique(records.begin(), records.end()), records.end());
    return records;
}

void CArdelEditView::showSelectionCount() {
    const int n = multiSelection() ? static_cast<int>(selectedRows().size()) : 1;
    shownSelectionCount_ = n;
    // Several rows selected: what a command would act on comes first. One
    // row in a filtered list: how much of the list is shown.
    const ChannelListModel* model = modelOf(radioList_->isHidden() ? ChannelKind::Tv : ChannelKind::Radio);
    if (n > 1) {
        emit statusText(tr("%n channels selected", nullptr, n));
    } else if (listFiltered()) {
        emit statusText(tr("%1 of %n channels shown", nullptr, model->listRowCount()).arg(model->rowCount()));
    } else {
        // Back to one row of the whole list: the count goes, the frame shows its idle text.
        if (statusShowsCount_) emit statusText(QString());
        statusShowsCount_ = false;
        return;
    }
    statusShowsCount_ = true;
}

void CArdelEditView::showSelectionMarks() {
    if (!selectedChannel()) return;
    if (!multiSelection()) {
        for (QCheckBox* box : favoriteBoxes_) box->setTristate(false);
        lockBox_->setTristate(false);
        resetFavoriteMarks();
        showFavoriteMarks();
        if (const ChannelEntry* ch = selectedChannel()) lockBox_->setChecked(ch->locked != 0);
        return;
    }
    const ChannelKind kind = activeKind();
    // While sorted the working member list holds list rows: it is read by row.
    const std::vector<int> channels = flags_.sortPending ? selectedRows() : selectedRecords();
    const SelectionMarks marks = selectionMarks(*db_, kind, channels, flags_.sortPending);
    for (std::size_t k = 0; k < kViewGroups; ++k) showBoxState(favoriteBoxes_[k], marks.members[k], marks.channels);
    showBoxState(lockBox_, marks.locked, marks.channels);
}

void CArdelEditView::selectRecords(ChannelKind kind, const std::vector<int>& records, int current) {
    (kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_) = current;
    rowDeleted_ = false;
    refreshLists();
    QTableView* list = listOf(kind);
    // In table order again: the records are the list rows.
    addListRowsToSelection(list, records);
    if (const int at = modelOf(kind)->shownRow(current); at >= 0) list->scrollTo(list->model()->index(at, 0));
    showSelectionMarks();
    showSelectionCount();
}

bool CArdelEditView::canMoveSelection() const {
    return canEditRows() && activeList_ != ActiveList::None && selectedRecord() >= 0 &&
           (currentRowShown() || multiSelection());
}

void CArdelEditView::finishBlockMove(ChannelKind kind, const MoveResult& moved, std::size_t currentAt, EditStep step) {
    const std::size_t n = moved.now.size();
    recordStep(std::move(step), n == 1 ? tr("Move Channel") : tr("Move %n Channels", nullptr, n));
    const QScopedValueRollback hold(formCommitHeld_, true);
    selectRecords(kind, moved.now, moved.now[std::min(currentAt, n - 1)]);
    emit commandStateChanged();
}

void CArdelEditView::moveSelection(MoveDirection direction) {
    if (explainSortRefusal() || !canMoveSelection()) return;
    if ((direction == MoveDirection::Up || direction == MoveDirection::Down) && explainFilterRefusal()) return;
    const ChannelKind kind = activeKind();
    const std::vector<int> records = selectedRecords();
    if (records.empty()) return;
    const std::size_t currentAt =
        static_cast<std::size_t>(std::lower_bound(records.begin(), records.end(), selectedRecord()) - records.begin());
    commitShownRecords();  // before the rows move under the form
    EditStep step;
    const MoveResult r = moveChannels(*db_, kind, records, direction, &step);
    if (r.status != EditStatus::Done || !r.changed) return;
    finishBlockMove(kind, r, currentAt, std::move(step));
}

void CArdelEditView::moveToCommand() {
    if (explainSortRefusal() || !canMoveSelection()) return;
    const ChannelKind kind = activeKind();
    const std::vector<int> records = selectedRecords();
    if (records.empty()) return;
    const int k = static_cast<int>(records.size());
    const int last = db_->channelCount(kind) - k + 1;
    MoveToDialog dialog(this, k, records.front() + 1, last);
    if (ui::Prompter::current().runDialog(dialog) != QDialog::Accepted) return;
    const int to = std::clamp(dialog.position(), 1, last) - 1;
    const std::size_t currentAt =
        static_cast<std::size_t>(std::lower_bound(records.begin(), records.end(), selectedRecord()) - records.begin());
    commitShownRecords();
    EditStep step;
    const MoveResult r = moveChannels(*db_, kind, records, to, &step);
    if (r.status != EditStatus::Done || !r.changed) return;
    finishBlockMove(kind, r, currentAt, std::move(step));
}

void CArdelEditView::deleteChannels(const QString& oneQuestion, const char* manyQuestion, bool warningIcon) {
    const ChannelKind kind = activeKind();
    const std::vector<int> records = selectedRecords();
    if (records.empty()) {
        ui::notice(this, tr("Not Delete!!"));
        return;
    }
    const std::size_t n = records.size();
    // The many-channel question is a source text; with a count in it, it has plural forms.
    const QString question = n == 1                                ? oneQuestion
                             : std::strstr(manyQuestion, "%n") ? tr(manyQuestion, nullptr, static_cast<int>(n))
                                                               : tr(manyQuestion);
    if (!ui::confirm(this, question, warningIcon ? ui::Icon::Warning : ui::Icon::Exclamation)) return;
    // What was typed goes in before the indices shift under the form.
    commitShownRecords();
    const int rowsBefore = modelOf(kind)->listRowCount();
    EditStep step;
    const DeleteResult removed = removeChannels(*db_, kind, records, &step);
    if (removed.status != EditStatus::Done) return;
    recordStep(std::move(step), n == 1 ? tr("Delete Channel") : tr("Delete %n Channels", nullptr, n));
    // The channel after the first deleted one takes its row, as after a
    // single delete; the last row when the deleted ones were at the end.
    (kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_) = records.front();
    refreshAfterDelete(removed, rowsBefore);
    showSelectionCount();
}

}  // namespace velmora
