// SPDX-License-Identifier: GPL-3.0-or-later
// New and Delete of the record editor. The form reads its selection, the core
// operations change the tables, and the form refreshes; New works in the
// working tables until Save or Cancel, Delete on the committed ones at once.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTableView>

#include "CArdelEditView.h"
#include "channel_list_model.h"
#include "codes.h"
#include "core_texts.h"
#include "prompter.h"

namespace velmora {
namespace {

constexpr int kChannelTexts[] = {1028, 1030, 1000, 1033, 1035};  // service id and the PIDs

}  // namespace

void CArdelEditView::newButton() {
    // Only from the Editing state: Ctrl+N arrives while the button is off too.
    if (!flags_.editActive || flags_.newRecordPending || flags_.sortPending || flags_.cutPending ||
        activeList_ == ActiveList::None)
        return;
    // The new record goes beside the selected one in the whole list, which
    // the person should see: the filter goes first.
    clearFilter();
    const ChannelKind kind = activeKind();
    const auto page = static_cast<RecordPage>(currentTab_);
    const NewResult r = prepareNew(*db_, page, kind, selectedRow(), currentTransponder_);
    if (r.status != EditStatus::Done) {
        ui::notice(this, ui::coreText(editStatusText(r.status)));
        return;
    }
    int& row = kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
    pendingNew_ = {r.record, row};
    row = r.record.channel;
    flags_.newRecordPending = true;
    for (int id : {1069, 1042}) setControlEnabled(id, false);
    setFavoriteBoxesEnabled(false);

    const bool satellite = page == RecordPage::Satellite;
    field(1026)->setText(satellite ? QStringLiteral("<inserted>") : QStringLiteral("<inseted>"));
    for (int id : kChannelTexts) field(id)->setText(satellite ? QString() : QStringLiteral("0000"));
    for (int id : {1030, 1000, 1033, 1035}) field(id)->setReadOnly(false);
    resetFavoriteMarks();
    lockBox_->setChecked(false);
    scrambledBox_->setChecked(false);
    showLockPicture(false);
    if (page != RecordPage::Channel) {
        currentTransponder_ = r.record.transponder;
        field(1058)->setText(QStringLiteral("0"));
        field(1058)->setReadOnly(true);
    }
    if (page == RecordPage::Transponder) {
        for (int id : {1089, 1091}) field(id)->setText(QStringLiteral("0000"));
    } else if (satellite) {
        currentSatellite_ = r.record.satellite;
        for (int id : {1056, 1062, 1089, 1091, 1080, 1051}) field(id)->clear();
        field(1089)->setReadOnly(true);
    }
    emit commandStateChanged();
}

void CArdelEditView::discardPendingNew() {
    discardNew(*db_, pendingNew_.record);
    (pendingNew_.record.kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_) = pendingNew_.formerRow;
    pendingNew_ = {};
}

void CArdelEditView::deleteButton() {
    // Only from the Editing state: Ctrl+D arrives while the button is off too.
    if (!flags_.editActive || flags_.newRecordPending || flags_.sortPending || flags_.cutPending) return;
    const ChannelKind kind = activeKind();
    const int rowsBefore = modelOf(kind)->listRowCount();
    if (currentTab_ == 0) {
        deleteChannels(tr("Marked channel will be deleted, proceed saving?"),
                       QT_TR_N_NOOP("%n marked channels will be deleted, proceed saving?"), true);
        return;
    }
    // Each page checks the table it deletes from.
    bool exists = false;
    const char* question = nullptr;
    switch (currentTab_) {
    case 1:
        exists = currentTransponder_ >= 0 && currentTransponder_ < db_->transponderCount;
        question = QT_TR_NOOP("All channels related to this transponder will be deleted, proceed SAVING?");
        break;
    case 2:
        exists = currentSatellite_ >= 0 && currentSatellite_ < db_->satelliteCount;
        question = QT_TR_NOOP("All channels and transponders related to this satellite will be deleted, proceed SAVING?");
        break;
    default:
        return;
    }
    if (!exists) {
        ui::notice(this, tr("Not Delete!!"));
        return;
    }
    if (!ui::confirm(this, tr(question), ui::Icon::Warning)) return;
    // What was typed goes in before the indices shift under the form.
    commitShownRecords();

    DeleteResult removed;
    EditStep step;
    QString text;
    if (currentTab_ == 1) {
        text = tr("Delete Transponder %1").arg(currentTransponder_ + 1);
        removed = deleteTransponder(*db_, currentTransponder_, &step);
    } else {
        text = tr("Delete Satellite '%1'")
                   .arg(QString::fromLatin1(fieldText(db_->satellites[static_cast<std::size_t>(currentSatellite_)].name)));
        removed = deleteSatellite(*db_, currentSatellite_, &step);
    }
    if (removed.status == EditStatus::Done) recordStep(std::move(step), text);
    if (removed.status == EditStatus::Done) refreshAfterDelete(removed, rowsBefore);
}

void CArdelEditView::refreshAfterDelete(const DeleteResult& removed, int rowsBefore) {
    const QScopedValueRollback hold(formCommitHeld_, true);
    const ChannelKind kind = activeKind();
    for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio}) {
        int& row = k == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
        row = std::min(row, db_->channelCount(k) - 1);
    }
    // The hidden list keeps its selection; it is reselected when switched on.
    const int hiddenRemoved = kind == ChannelKind::Tv ? removed.radioRemoved : removed.tvRemoved;
    if (hiddenRemoved > 0 || activeList_ == ActiveList::None) kind == ChannelKind::Tv ? fillRadioList() : fillTvList();
    if (removed.transpondersRemoved > 0) fillTransponderChooser();
    rowDeleted_ = (kind == ChannelKind::Tv ? removed.tvRemoved : removed.radioRemoved) > 0;
    if (db_->channelCount(kind) > 0 || rowsBefore == 0) {
        if (activeList_ == ActiveList::None) kind == ChannelKind::Tv ? fillTvList() : fillRadioList();
        refreshLists();
        return;
    }
    emptyFormAfterLastChannel();
    refreshLists();
    ui::notice(this, tr("End of Data"));
}

void CArdelEditView::emptyFormAfterLastChannel() {
    field(1026)->setText(QStringLiteral("Null"));
    for (int id : kChannelTexts) field(id)->setText(QStringLiteral("0000"));
    resetFavoriteMarks();
    lockBox_->setChecked(false);
    scrambledBox_->setChecked(false);
    showLockPicture(false);
    // Nothing on the form may name a record any more: Save would write the
    // shown texts into whichever transponder or satellite now has that index.
    // The drop-downs keep their items; only their picks go.
    currentTransponder_ = -1;
    currentSatellite_ = -1;
    showTransponderDetails();
    showSatelliteDetails();
}

void CArdelEditView::fillTransponderChooser() {
    transponderChooser_->clear();
    QStringList summaries;
    summaries.reserve(db_->transponderCount);
    for (std::size_t i = 0; i < db_->transponderCount; ++i) {
        const TransponderEntry& tp = db_->transponders[i];
        summaries << QString::fromLatin1(transponderSummary(tp.frequency, tp.polarization, tp.symbolRate, tp.fec));
    }
    transponderChooser_->addItems(summaries);
}

}  // namespace velmora
