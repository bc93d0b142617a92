// SPDX-License-Identifier: GPL-3.0-or-later
// The TV and radio lists: filling, selection changes, the TV/radio switch,
// the refresh after a change, and the tab pages.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTableView>

#include "CArdelEditView.h"
#include "channel_list_model.h"

namespace velmora {
namespace {

std::vector<ChannelRow> formatAll(const ChannelDatabase& db, ChannelKind kind) {
    std::vector<ChannelRow> rows;
    const int count = db.tablesAllocated() ? db.channelCount(kind) : 0;
    rows.reserve(static_cast<std::size_t>(count));
    for (int n = 0; n < count; ++n) rows.push_back(formatChannelRow(db, kind, n));
    return rows;
}

// Page table: which controls each tab page shows (Channel, Transponder, Satellite).
struct PageSet {
    std::initializer_list<int> ids;
    bool channel, transponder, satellite;
};
const PageSet kPageSets[] = {
    {{1048, 1103, 1104, 1105, 1020, 1036, 1037, 1038, 1023, 1045, 1026, 1025, 1028, 1027, 1106, 1030, 1000, 1033, 1035,
      1029, 1031, 1032, 1034, 1093, 1094, 1095, 1096, 1001, 1002, 1003, 1005, 1006, 1008, 1010, 1011, 1012, 1013, 1098,
      1099, 1100, 1101, 1102, 1109, 1111, 1112, 1113, 1114, 1004, 1007},
     true, false, false},
    {{1039, 1040, 1069, 1041, 1042, 1043}, true, true, true},
    {{1073}, false, true, true},
    {{1049}, false, true, false},
    {{1058, 1057, 1089, 1076}, false, true, true},
    {{1091, 1078, 1080, 1079, 1082, 1081, 1051, 1083, 1052, 1084}, false, true, false},
    {{1056, 1062, 1061}, false, false, true},
    {{1067}, false, true, true},
    {{1107}, false, false, true},
};

}  // namespace

QTableView* CArdelEditView::listOf(ChannelKind kind) const { return kind == ChannelKind::Tv ? tvList_ : radioList_; }

ChannelListModel* CArdelEditView::modelOf(ChannelKind kind) const {
    return kind == ChannelKind::Tv ? tvModel_ : radioModel_;
}

void CArdelEditView::fillTvList() {
    tvModel_->setRows(formatAll(*db_, ChannelKind::Tv));
    listSorted_[0] = false;
    // The file's groups and satellites may have changed with its tables.
    syncFilterChoices(false);
    applyFilter(ChannelKind::Tv, false);
}

void CArdelEditView::fillRadioList() {
    radioModel_->setRows(formatAll(*db_, ChannelKind::Radio));
    listSorted_[1] = false;
    syncFilterChoices(false);
    applyFilter(ChannelKind::Radio, false);
}

int CArdelEditView::numberCellValue(ChannelKind kind, int row) const {
    return modelOf(kind)->cell(row, 0).toInt();
}

int CArdelEditView::selectedRow() const {
    if (activeList_ == ActiveList::None) return -1;
    return activeList_ == ActiveList::Tv ? selectedTvRow_ : selectedRadioRow_;
}

int CArdelEditView::selectedRecord() const {
    const int row = selectedRow();
    if (row < 0 || !db_->tablesAllocated()) return -1;
    // A sorted list finds the record through the row's Number cell.
    const int record = flags_.sortPending ? numberCellValue(activeKind(), row) - 1 : row;
    return record >= 0 && record < db_->channelCount(activeKind()) ? record : -1;
}

void CArdelEditView::onListSelection(ChannelKind kind, int row) {
    // While a New is pending the form edits the new record, which the lists
    // do not show yet: a row picked now would become the record Save writes
    // the form into, overwriting a channel with another one's values.
    if (flags_.newRecordPending) return;
    // The form leaves the record it shows: what was typed goes into it first.
    if (!listUpdateInProgress_) commitShownRecords();
    if (kind == ChannelKind::Tv) {
        selectedTvRow_ = row;
        activeList_ = ActiveList::Tv;
    } else {
        selectedRadioRow_ = row;
        activeList_ = ActiveList::Radio;
    }
    if (!listUpdateInProgress_) {
        showChannelDetails(row);
        showTransponderDetails();
        showSatelliteDetails();
        resetFavoriteMarks();
        if (!flags_.cutPending) {
            showFavoriteMarks();
            if (multiSelection()) showSelectionMarks();
        }
    }
    if (db_->tablesAllocated()) {
        const auto& counts = db_->memberCounts(kind);
        for (std::size_t k = 0; k < kViewGroups; ++k) groupWorkingCount_[k] = counts[k];
    }
    printTvList_ = kind == ChannelKind::Tv;
    emit commandStateChanged();
}

void CArdelEditView::selectListRow(QTableView* list, int row) {
    // `row` is a list row; a filtered list selects it, or the shown row
    // nearest to it when the filter hides it.
    const ChannelListModel* model = modelOf(kindOf(list));
    if (row < 0 || row >= model->listRowCount()) return;
    const int at = model->filtered() ? model->nearestShownRow(row) : row;
    if (at < 0) {
        // Nothing shown: no row is selected, but the form shows the record
        // the view names from now on, as a selection would. A form left on
        // a channel that was deleted would write its texts into whichever
        // channel took its index.
        list->selectionModel()->clearSelection();
        onListSelection(kindOf(list), row);
        return;
    }
    const QModelIndex index = list->model()->index(at, 0);
    // Reselecting the selected row still reports a change, as a fresh
    // selection does: the form always follows the list.
    list->selectionModel()->clearSelection();
    reshowSelection_ = true;
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    reshowSelection_ = false;
    list->scrollTo(index);
}

void CArdelEditView::tvSwitch() {
    tvList_->setVisible(true);
    control(1127)->setVisible(true);
    radioList_->setVisible(false);
    control(1108)->setVisible(false);
    tvList_->setFocus();
    selectListRow(tvList_, 0);
    tvSwitch_->setChecked(true);
    radioSwitch_->setChecked(false);
    control(1151)->setVisible(false);
    // The pictures belong to the Channel page; elsewhere they would lie over
    // the Transponder and Satellite pages' controls.
    control(1048)->setVisible(currentTab_ == 0);
}

void CArdelEditView::radioSwitch() {
    radioList_->setVisible(true);
    control(1108)->setVisible(true);
    tvList_->setVisible(false);
    control(1127)->setVisible(false);
    radioList_->setFocus();
    selectListRow(radioList_, 0);
    radioSwitch_->setChecked(true);
    tvSwitch_->setChecked(false);
    control(1048)->setVisible(false);
    control(1151)->setVisible(currentTab_ == 0);
}

void CArdelEditView::refreshLists() {
    const int formerTv = tvModel_->listRowCount();
    const int formerRadio = radioModel_->listRowCount();
    auto refresh = [&](ChannelKind kind, int& selected, int former) {
        QTableView* list = listOf(kind);
        if (flags_.sortPending) {
            const int number = numberCellValue(kind, selected);
            backToTableOrder(kind);
            // The same channel again, by its number. A sorted list never
            // shrinks, so a number past the end can only be a damaged cell.
            const int row = std::min(number, modelOf(kind)->listRowCount()) - 1;
            list->setFocus();
            selectListRow(list, row);
        } else {
            if (selected + 1 == former && rowDeleted_) --selected;
            kind == ChannelKind::Tv ? fillTvList() : fillRadioList();
            list->setFocus();
            selectListRow(list, selected);
            rowDeleted_ = false;
        }
    };
    if (activeList_ == ActiveList::Tv) refresh(ChannelKind::Tv, selectedTvRow_, formerTv);
    else if (activeList_ == ActiveList::Radio) refresh(ChannelKind::Radio, selectedRadioRow_, formerRadio);
    // A change may alter what matches in the other list too without changing
    // its rows (a deleted satellite shifts the indices after it).
    if (activeList_ != ActiveList::None)
        applyFilter(activeList_ == ActiveList::Tv ? ChannelKind::Radio : ChannelKind::Tv, false);
}

void CArdelEditView::onTabChanged(int index) {
    currentTab_ = index;
    applyPage(index);
}

void CArdelEditView::applyPage(int page) {
    for (const PageSet& set : kPageSets) {
        const bool shown = page == 0 ? set.channel : page == 1 ? set.transponder : set.satellite;
        for (int id : set.ids) {
            if (QWidget* w = control(id)) w->setVisible(shown);
        }
    }
    // The radio picture is on the Channel page as the TV/radio switch left it.
    control(1151)->setVisible(page == 0 && radioSwitch_->isChecked());
}

}  // namespace velmora
