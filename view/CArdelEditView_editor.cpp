// SPDX-License-Identifier: GPL-3.0-or-later
// The record editor: showing a channel, its transponder and its satellite;
// Edit, Save, Cancel, the PID Mode box, the button states, and the commit of
// the form into the tables while a save writes the file.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTableView>

#include "CArdelEditView.h"
#include "banner_label.h"
#include "channel_list_model.h"
#include "codes.h"
#include "editor_save_hooks.h"
#include "record_edit.h"

namespace velmora {
namespace {

// Fields Edit makes editable (the PID fields follow the PID Mode box). The
// transponder number (1058) is never read back, so it is never editable.
constexpr int kEditableFields[] = {1026, 1028, 1089, 1091, 1080, 1051, 1056, 1062};
constexpr int kAllFields[] = {1026, 1028, 1058, 1089, 1091, 1080, 1051, 1056, 1062, 1030, 1000, 1033, 1035};

QString hex4(unsigned value) { return QString::asprintf("%.4x", value); }

std::string latin1(const QLineEdit* edit) { return edit ? edit->text().toLatin1().toStdString() : std::string(); }

}  // namespace

const ChannelEntry* CArdelEditView::selectedChannel() const {
    if (!db_->tablesAllocated()) return nullptr;
    const ChannelKind kind = activeList_ == ActiveList::Radio ? ChannelKind::Radio : ChannelKind::Tv;
    const int row = kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
    if (activeList_ == ActiveList::None || row < 0 || row >= db_->channelCount(kind)) return nullptr;
    const auto& table = flags_.sortPending ? db_->workingChannels(kind) : db_->channels(kind);
    return &table[static_cast<std::size_t>(row)];
}

void CArdelEditView::showChannelDetails(int row) {
    const ChannelEntry* ch = selectedChannel();
    if (!ch) return;
    const ChannelKind kind = activeList_ == ActiveList::Radio ? ChannelKind::Radio : ChannelKind::Tv;
    field(1026)->setText(modelOf(kind)->cell(row, 1));
    currentTransponder_ = ch->transponderIndex;
    field(1058)->setText(QString::number(currentTransponder_ + 1));
    field(1028)->setText(hex4(ch->serviceId));
    field(1000)->setText(hex4(ch->pmtPid));
    field(1030)->setText(hex4(ch->videoPid));
    field(1033)->setText(hex4(ch->audioPid));
    field(1035)->setText(hex4(ch->pcrPid));
    const int number = flags_.sortPending ? numberCellValue(kind, row) : row + 1;
    channelNumber_->setText(QString::asprintf("%.3d", number));
    // The box always shows the channel's own mode: Save writes the box back,
    // so a box left over from another channel would overwrite this one.
    pidMode_->setChecked(ch->pidMode != 0);
    if (flags_.editActive) pidModeClicked();
    lockBox_->setTristate(false);
    lockBox_->setChecked(ch->locked != 0);
    scrambledBox_->setChecked(ch->scrambled != 0);
    showLockPicture(ch->locked != 0);
}

CArdelEditView::FormCommit CArdelEditView::commitShownRecords() {
    FormCommit commit;
    if (!flags_.editActive || flags_.newRecordPending || formCommitHeld_ || !db_->tablesAllocated()) return commit;
    const ChannelKind kind = activeKind();
    const int row = selectedRow();
    auto& channels = channelUsesWorking(flags_, kind) ? db_->workingChannels(kind) : db_->channels(kind);
    const bool channelShown = row >= 0 && row < db_->channelCount(kind);
    const int t = currentTransponder_, s = currentSatellite_;
    const bool transponderShown = t >= 0 && t < db_->transponderCount;
    const bool satelliteShown = s >= 0 && s < db_->satelliteCount;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    const ChannelEntry channelBefore = channelShown ? channels[at(row)] : ChannelEntry{};
    const TransponderEntry transponderBefore = transponderShown ? db_->transponders[at(t)] : TransponderEntry{};
    const SatelliteEntry satelliteBefore = satelliteShown ? db_->satellites[at(s)] : SatelliteEntry{};
    const SatelliteExtra extraBefore = satelliteShown ? db_->satelliteExtra[at(s)] : SatelliteExtra{};
    const int record = selectedRecord();
    const ChannelEntry recordBefore = record >= 0 ? db_->channels(kind)[at(record)] : ChannelEntry{};
    hooks_->commitSatellite(*db_);
    hooks_->commitTransponder(*db_);
    hooks_->commitChannel(*db_);
    if (channelShown && channels[at(row)] != channelBefore) {
        commit.kind = kind;
        commit.row = row;
        commit.channel = record >= 0 ? record : row;
        // A sorted row's record takes the edit as Save would carry it back,
        // so that it stays in the tables also when the sort is cancelled.
        if (flags_.sortPending && !flags_.newRecordPending && record >= 0)
            db_->channels(kind)[at(record)] = channels[at(row)];
    }
    if (transponderShown && db_->transponders[at(t)] != transponderBefore) commit.transponder = t;
    if (satelliteShown && db_->satellites[at(s)] != satelliteBefore) commit.satellite = s;
    // One step per record, in the order of the commits.
    if (commit.satellite >= 0) {
        EditStep step;
        noteSatelliteEdit(*db_, s, satelliteBefore, extraBefore, step);
        recordStep(std::move(step), tr("Edit Satellite '%1'").arg(QString::fromLatin1(fieldText(db_->satellites[at(s)].name))));
    }
    if (commit.transponder >= 0) {
        EditStep step;
        noteTransponderEdit(*db_, t, transponderBefore, step);
        recordStep(std::move(step), tr("Edit Transponder %1").arg(t + 1));
    }
    if (commit.channel >= 0 && record >= 0) {
        EditStep step;
        noteChannelEdit(*db_, kind, record, recordBefore, step);
        recordStep(std::move(step), tr("Edit Channel '%1'").arg(QString::fromLatin1(fieldText(db_->channels(kind)[at(record)].name))));
    }
    if (commit.any()) {
        showCommittedRows(commit);
        emit commandStateChanged();
    }
    return commit;
}

void CArdelEditView::showCommittedRows(const FormCommit& commit) {
    const bool others = commit.transponder >= 0 || commit.satellite >= 0;
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        ChannelListModel* model = modelOf(kind);
        for (int r = 0; r < model->listRowCount(); ++r) {
            const bool edited = commit.channel >= 0 && kind == commit.kind && r == commit.row;
            if (!edited && !others) continue;
            // Rows name their records by the Number cell, also while sorted.
            const int record = numberCellValue(kind, r) - 1;
            const ChannelEntry* ch = record >= 0 ? db_->channelAt(kind, static_cast<std::size_t>(record)) : nullptr;
            if (!ch) continue;
            const TransponderEntry* tp = db_->transponderOf(*ch);
            const bool onTransponder = commit.transponder >= 0 && ch->transponderIndex == commit.transponder;
            const bool onSatellite = commit.satellite >= 0 && tp && tp->satelliteIndex == commit.satellite;
            if (!edited && !onTransponder && !onSatellite) continue;
            const ChannelRow& before = *model->row(r);
            ChannelRow fresh = formatChannelRow(*db_, kind, record);
            fresh.cells[0] = before.cells[0];
            if (!edited) {
                fresh.cells[1] = before.cells[1];
                fresh.image = before.image;
            }
            model->setRow(r, std::move(fresh));
        }
    }
    if (commit.satellite >= 0) syncFilterChoices(false);  // its name in the satellite chooser
    // A renamed channel that no longer matches leaves the lists.
    scheduleRefilter();
}

void CArdelEditView::showTransponderDetails() {
    if (!db_->tablesAllocated() || currentTransponder_ < 0 || currentTransponder_ >= db_->transponderCount) {
        for (int id : {1091, 1089, 1080, 1051}) field(id)->clear();
        polarization_->setCurrentIndex(-1);
        fec_->setCurrentIndex(-1);
        polarization_->setPlaceholderText(QString());
        transponderChooser_->setCurrentIndex(-1);
        currentSatellite_ = -1;
        return;
    }
    const TransponderEntry& tp = db_->transponders[static_cast<std::size_t>(currentTransponder_)];
    field(1091)->setText(hex4(tp.networkId));
    field(1089)->setText(hex4(tp.transponderId));
    field(1080)->setText(QString::number(tp.frequency));
    field(1051)->setText(QString::number(tp.symbolRate));
    // The drop-downs select the item of this transponder's value, so that
    // Save stores what is shown and never a pick made for another one.
    // A value no item names stays as stored unless the user picks one.
    polarization_->setCurrentIndex(tp.polarization <= 1 ? tp.polarization : -1);
    polarization_->setPlaceholderText(tp.polarization > 1 ? tr("Vertical") : QString());
    fec_->setCurrentIndex(tp.fec <= 5 ? tp.fec : -1);
    const QString summary =
        QString::fromLatin1(transponderSummary(tp.frequency, tp.polarization, tp.symbolRate, tp.fec));
    if (currentTransponder_ < transponderChooser_->count()) {
        transponderChooser_->setItemText(currentTransponder_, summary);
        transponderChooser_->setCurrentIndex(currentTransponder_);
    }
    currentSatellite_ = tp.satelliteIndex;
}

void CArdelEditView::showSatelliteDetails() {
    if (!db_->tablesAllocated() || currentSatellite_ < 0 || currentSatellite_ >= db_->satelliteCount) {
        satelliteChooser_->clear();
        field(1062)->clear();
        field(1056)->clear();
        satelliteCaption_->clear();
        return;
    }
    const SatelliteEntry& sat = db_->satellites[static_cast<std::size_t>(currentSatellite_)];
    const QString name = QString::fromLatin1(fieldText(sat.name));
    field(1062)->setText(QString::fromLatin1(longitudeText(sat.longitude)));
    field(1056)->setText(name);
    QStringList names;
    names.reserve(db_->satelliteCount);
    for (std::size_t i = 0; i < db_->satelliteCount; ++i) names << QString::fromLatin1(fieldText(db_->satellites[i].name));
    // The chooser lists every satellite name; rebuilding an unchanged list on
    // every selection change would cost more than the rest of the change.
    bool same = satelliteChooser_->count() == names.size();
    for (int i = 0; same && i < names.size(); ++i) same = satelliteChooser_->itemText(i) == names[i];
    if (!same) {
        satelliteChooser_->clear();
        satelliteChooser_->addItems(names);
    }
    satelliteChooser_->setCurrentIndex(currentSatellite_);
    satelliteCaption_->setText(name);
}

void CArdelEditView::clearRecordFields() {
    for (int id : kAllFields) field(id)->clear();
    channelNumber_->clear();
    for (QCheckBox* box : {pidMode_, lockBox_, scrambledBox_}) box->setChecked(false);
    currentTransponder_ = -1;
    currentSatellite_ = -1;
    showTransponderDetails();
    showSatelliteDetails();
    resetFavoriteMarks();
}

void CArdelEditView::setFieldsReadOnly(bool readOnly) {
    for (int id : kAllFields) field(id)->setReadOnly(readOnly);
}

void CArdelEditView::enterReadOnlyState() {
    setFieldsReadOnly(true);
    for (int id : {1040, 1069, 1041, 1042, 1043, 1045, 1049, 1082, 1052, 1106, 1004, 1007}) setControlEnabled(id, false);
    setFavoriteBoxesEnabled(false);
}

void CArdelEditView::enterViewingState() {
    setFieldsReadOnly(true);
    for (int id : {1045, 1049, 1082, 1052, 1106, 1004, 1007}) setControlEnabled(id, false);
    for (int id : {1128, 1129, 1040, 1009}) setControlEnabled(id, true);
    for (int id : {1069, 1041, 1042, 1043}) setControlEnabled(id, false);
    setFavoriteBoxesEnabled(true);
}

void CArdelEditView::editButton() {
    if (!flags_.fileLoaded) return;
    for (int id : kEditableFields) field(id)->setReadOnly(false);
    const bool pids = pidMode_->isChecked();
    for (int id : {1030, 1033, 1035}) field(id)->setReadOnly(!pids);
    field(1000)->setReadOnly(true);
    for (int id : {1082, 1052, 1106, 1004, 1041, 1043}) setControlEnabled(id, true);
    // A New made since stays pending, and the boxes wait for its Save or
    // Cancel. Ending it here would keep its grown counts with no record
    // behind them.
    setFavoriteBoxesEnabled(!flags_.newRecordPending);
    for (int id : {1049, 1045, 1040}) setControlEnabled(id, false);
    flags_.editActive = true;
    updateRecordButtons();
    emit commandStateChanged();
}

void CArdelEditView::updateRecordButtons() {
    // New and Delete refuse while a New, a sort (also one made before Edit)
    // or a cut is pending: their buttons say so.
    const bool free = flags_.editActive && !flags_.newRecordPending && !flags_.sortPending && !flags_.cutPending;
    for (int id : {1069, 1042}) setControlEnabled(id, free);
}

void CArdelEditView::pidModeClicked() {
    const bool pids = pidMode_->isChecked();
    for (int id : {1030, 1033, 1035}) field(id)->setReadOnly(!pids);
    field(1000)->setReadOnly(true);
}

void CArdelEditView::cancelButton() {
    if (!flags_.fileLoaded) return;
    const QScopedValueRollback hold(formCommitHeld_, true);
    if (flags_.newRecordPending) discardPendingNew();
    flags_.newRecordPending = false;
    flags_.cutPending = false;
    listUpdateInProgress_ = false;
    // The reselection puts the stored values back on the form. It runs while
    // the sort is still known, so that the channel is found by its number and
    // stays selected; a hidden sorted list goes back to table order too.
    refreshLists();
    leaveSortedOrder();
    flags_.sortPending = false;
    // Nothing is pending any more: the working copies follow the committed data.
    db_->syncWorkingTables();
    field(1089)->setReadOnly(false);
    for (int id : {1041, 1043}) setControlEnabled(id, true);
    updateRecordButtons();
    setFavoriteBoxesEnabled(true);
    emit commandStateChanged();
}

bool CArdelEditView::saveButton() {
    // Before the first load there is no file to write into.
    if (!flags_.fileLoaded) return false;
    // The save commits the form itself; the refilled lists' reselection
    // must not (a sorted row index names another record in table order).
    const QScopedValueRollback hold(formCommitHeld_, true);
    const int tvNumber = numberCellValue(ChannelKind::Tv, selectedTvRow_);
    const int radioNumber = numberCellValue(ChannelKind::Radio, selectedRadioRow_);
    const bool wasSorted = flags_.sortPending;
    const RecordSnapshot before = snapshotRecords();
    const std::optional<NewRecord> inserted =
        flags_.newRecordPending ? std::optional(pendingNew_.record) : std::nullopt;
    if (!writeFile()) {
        // The edits stay on the form and in the tables; the state is unchanged.
        emit commandStateChanged();
        return false;
    }
    flags_.savedOnce = true;
    recordSave(before, inserted);
    flags_.sortPending = false;
    flags_.newRecordPending = false;
    listUpdateInProgress_ = false;
    // Save enters the Editing state, also from outside edit mode (Ctrl+S, the
    // favourites dialog): editable fields, Edit off. A cut stays pending over
    // a save, and with it the refusal of New and Delete.
    editButton();
    field(1089)->setReadOnly(false);
    // Saved data is the authority now; a later New, sort or cut starts from it.
    if (!flags_.cutPending) db_->syncWorkingTables();
    if (activeList_ == ActiveList::Tv) {
        tvList_->setFocus();
        selectListRow(tvList_, wasSorted ? tvNumber - 1 : selectedTvRow_);
    } else if (activeList_ == ActiveList::Radio) {
        radioList_->setFocus();
        selectListRow(radioList_, wasSorted ? radioNumber - 1 : selectedRadioRow_);
    }
    setFavoriteBoxesEnabled(true);
    emit commandStateChanged();
    return true;
}

void CArdelEditView::rejectNonLatin1() {
    emit statusText(tr("Only Western European (Latin-1) characters can be stored in a channel file"));
}

// ---- commit points of a save ----

void EditorSaveHooks::commitSatellite(ChannelDatabase& db) {
    if (!view_.flags_.editActive) return;
    const SatelliteForm form{latin1(view_.field(1056)), latin1(view_.field(1062))};
    commitSatelliteFields(db, view_.flags_, view_.currentSatellite_, form);
}

void EditorSaveHooks::satellitesWritten(ChannelDatabase&) { view_.showSatelliteDetails(); }

void EditorSaveHooks::commitTransponder(ChannelDatabase& db) {
    if (!view_.flags_.editActive) return;
    TransponderForm form;
    form.networkId = latin1(view_.field(1091));
    form.transponderId = latin1(view_.field(1089));
    form.frequency = latin1(view_.field(1080));
    form.symbolRate = latin1(view_.field(1051));
    form.polarization = view_.polarization_->currentIndex();
    form.fec = view_.fec_->currentIndex();
    commitTransponderFields(db, view_.flags_, view_.currentTransponder_, form);
}

void EditorSaveHooks::transpondersWritten(ChannelDatabase&) {
    const int satellite = view_.currentSatellite_;
    view_.showTransponderDetails();
    // The satellite fields must belong to the transponder's satellite before
    // the next pass commits them.
    if (view_.currentSatellite_ != satellite) view_.showSatelliteDetails();
}

void EditorSaveHooks::commitChannel(ChannelDatabase& db) {
    if (!view_.flags_.editActive || view_.activeList_ == CArdelEditView::ActiveList::None) return;
    const bool tv = view_.activeList_ == CArdelEditView::ActiveList::Tv;
    ChannelForm form;
    form.name = latin1(view_.field(1026));
    form.serviceId = latin1(view_.field(1028));
    form.pmtPid = latin1(view_.field(1000));
    form.videoPid = latin1(view_.field(1030));
    form.audioPid = latin1(view_.field(1033));
    form.pcrPid = latin1(view_.field(1035));
    form.pidMode = view_.pidMode_->isChecked();
    form.scrambled = view_.scrambledBox_->isChecked();
    // A partly checked box (several channels selected) names no value: the
    // record keeps its own.
    const ChannelEntry* shown = view_.selectedChannel();
    form.locked = view_.lockBox_->checkState() == Qt::PartiallyChecked ? shown && shown->locked != 0
                                                                      : view_.lockBox_->isChecked();
    commitChannelFields(db, view_.flags_, tv ? ChannelKind::Tv : ChannelKind::Radio,
                        tv ? view_.selectedTvRow_ : view_.selectedRadioRow_, form);
}

}  // namespace velmora
