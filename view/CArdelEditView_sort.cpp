// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting a list by a click on a column header, and the search by name.
//
// A sort reorders only the rows on screen and the working channel table, so
// that the record editor reads the rows as shown; every row keeps its table
// position in its Number cell, and Save puts each row back into its record
// through it. The file keeps its order.
#include <QDialog>
#include <QHeaderView>
#include <QTableView>

#include "CArdelEditView.h"
#include "channel_list_model.h"
#include "prompter.h"
#include "search_dialog.h"

namespace velmora {
namespace {

std::vector<std::string_view> views(const std::vector<QByteArray>& texts) {
    std::vector<std::string_view> out;
    out.reserve(texts.size());
    for (const QByteArray& t : texts) out.emplace_back(t.constData(), static_cast<std::size_t>(t.size()));
    return out;
}

}  // namespace

std::vector<int> CArdelEditView::rowRecords(ChannelKind kind) const {
    const ChannelListModel* model = modelOf(kind);
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(model->listRowCount()));
    for (int r = 0; r < model->listRowCount(); ++r) out.push_back(model->cell(r, 0).toInt() - 1);
    return out;
}

void CArdelEditView::headerClicked(ChannelKind kind, int column) {
    const int number = numberCellValue(kind, kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_);
    // From here on the editor reads the working copies, which may lag behind
    // changes made straight to the committed tables (Delete, box clicks). A
    // pending New's working tables are the data and stay as they are.
    if (!flags_.sortPending && !flags_.newRecordPending) db_->syncWorkingTables();
    // The list holding a pending New keeps its order: the new record is not
    // in it before Save, and its working table must keep the New's order.
    const bool holdsNew = flags_.newRecordPending && pendingNew_.record.kind == kind;
    const std::size_t list = kind == ChannelKind::Tv ? 0 : 1;
    // Outside edit mode the rows stay, but the click still counts: the
    // header says so with an ascending indicator.
    sortIndicatorAscending_[list] = true;
    if (flags_.editActive && !holdsNew && column >= 0 && column < kListColumns) {
        const bool ascending = sortState_.click(column);
        sortIndicatorAscending_[list] = ascending;
        listUpdateInProgress_ = true;
        sortRows(kind, column, ascending, number);
        listUpdateInProgress_ = false;
        keepWorkingMembersInStep(kind);
    }
    flags_.sortPending = true;
    if (column >= 0 && column < kListColumns) sortIndicatorColumn_[list] = lastHeaderClick_ = column;
    setControlEnabled(1069, false);
    setControlEnabled(1042, false);
    emit commandStateChanged();
}

bool CArdelEditView::explainSortRefusal() {
    if (!flags_.editActive || !flags_.sortPending) return false;
    const int column = lastHeaderClick_ >= 0 && lastHeaderClick_ < kListColumns ? lastHeaderClick_ : 0;
    emit statusText(tr("Sorted by %1: Save or Cancel to move channels")
                        .arg(ChannelListModel::headerText(column)));
    return true;
}

void CArdelEditView::showListMarks() {
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const std::size_t list = kind == ChannelKind::Tv ? 0 : 1;
        if (!flags_.sortPending) sortIndicatorColumn_[list] = -1;
        QHeaderView* header = listOf(kind)->horizontalHeader();
        const int column = sortIndicatorColumn_[list];
        header->setSortIndicatorShown(column >= 0);
        if (column >= 0)
            header->setSortIndicator(column, sortIndicatorAscending_[list] ? Qt::AscendingOrder : Qt::DescendingOrder);
        // The cut channel's row, found by its Number cell: greyed till Paste.
        // A running drag holds its own channel; the cut's waits beside it.
        const std::optional<HeldChannel>& cut = heldBeforeDrag_ ? heldBeforeDrag_ : held_;
        const std::vector<int>& block = heldBeforeDrag_ ? heldBlockBeforeDrag_ : heldBlock_;
        const bool held = flags_.cutPending && cut && cut->kind == kind;
        std::vector<int> numbers;
        if (held && !block.empty())
            for (int index : block) numbers.push_back(index + 1);
        else if (held)
            numbers.push_back(cut->heldIndex + 1);
        modelOf(kind)->setMarkedNumbers(std::move(numbers));
    }
}

void CArdelEditView::sortRows(ChannelKind kind, int column, bool ascending, int number) {
    ChannelListModel* model = modelOf(kind);
    const std::vector<QByteArray> texts = model->columnBytes(column);
    const std::vector<int> order = sortListByColumn(views(texts), ascending);
    model->reorder(order);
    listSorted_[kind == ChannelKind::Tv ? 0 : 1] = true;
    applyFilter(kind, false);
    syncWorkingFromDisplay(*db_, kind, order);
    // The channel selected before is selected again, wherever it went.
    QTableView* list = listOf(kind);
    for (int r = 0; r < model->listRowCount(); ++r) {
        if (model->cell(r, 0).toInt() != number) continue;
        list->setFocus();
        selectListRow(list, r);
        break;
    }
}

void CArdelEditView::keepWorkingMembersInStep(ChannelKind kind) {
    if (db_->tablesAllocated()) rebuildWorkingMembers(*db_, kind, rowRecords(kind));
}

void CArdelEditView::backToTableOrder(ChannelKind kind) {
    if (listSorted(kind)) {
        if (flags_.newRecordPending) {
            // The working tables are the data: put them back in table order.
            restoreTableOrder(*db_, kind, rowRecords(kind));
        } else {
            db_->workingChannels(kind) = db_->channels(kind);
            db_->workingMembers(kind) = db_->members(kind);
        }
    }
    kind == ChannelKind::Tv ? fillTvList() : fillRadioList();
}

void CArdelEditView::leaveSortedOrder() {
    // Before sortPending is cleared, while the Number cells still tell which
    // channel each row is: a list left sorted would otherwise have its rows
    // read as table positions, and Save would store one channel's texts in
    // another's record.
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        if (!listSorted(kind)) continue;
        int& selected = kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
        const int number = numberCellValue(kind, selected);
        backToTableOrder(kind);
        const int row = std::min<int>(number, db_->channelCount(kind)) - 1;
        if (kind == activeKind() && activeList_ != ActiveList::None) {
            listOf(kind)->setFocus();
            selectListRow(listOf(kind), row);
        } else if (number > 0) {
            selected = row;
        }
    }
}

void CArdelEditView::searchButton() {
    if (!flags_.fileLoaded) return;
    SearchDialog dialog(this);
    if (ui::Prompter::current().runDialog(dialog) != QDialog::Accepted) return;
    if (activeList_ == ActiveList::None) return;
    const QString text = dialog.searchText();
    // A character the file's texts cannot hold matches no name.
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return;
    const ChannelKind kind = activeKind();
    const ChannelListModel* model = modelOf(kind);
    std::vector<QByteArray> names = model->columnBytes(1);
    // A filtered list is searched as it is shown.
    if (model->filtered()) {
        std::vector<QByteArray> shown;
        shown.reserve(static_cast<std::size_t>(model->rowCount()));
        for (int r = 0; r < model->rowCount(); ++r) shown.push_back(std::move(names[static_cast<std::size_t>(model->listRow(r))]));
        names = std::move(shown);
    }
    const int row = findChannelByName(views(names), text.toLatin1().toStdString());
    if (row < 0) return;
    listOf(kind)->setFocus();
    selectListRow(listOf(kind), model->listRow(row));
}

}  // namespace velmora
