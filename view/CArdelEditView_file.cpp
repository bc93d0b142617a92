// File > Open and the write of a save.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>

#include "CArdelEditView.h"
#include "backup_file.h"
#include "channel_list_model.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "codes.h"
#include "editor_save_hooks.h"
#include "prompter.h"

namespace velmora {
namespace {

const char* const kSavePrompt = "Save changes to the All Data Channels?";

}  // namespace

void CArdelEditView::openFile(const QString& given) {
    // Bytes arriving from now on stay in the receive queue.
    disarmTransfers();
    resetFavoriteMarks();
    sortState_.lastAscending = false;
    if (shouldAskSaveOnClose() && ui::confirm(this, QString::fromLatin1(kSavePrompt))) {
        // A failed save keeps the edits only in memory: opening another file
        // now would throw them away.
        if (!saveButton()) return;
    }

    ui::FileRequest request;
    request.defaultSuffix = QStringLiteral("bin");
    request.initialName = QStringLiteral("*.bin");
    request.filter = ui::qtFilter(QString::fromLatin1(ui::kChannelFileFilter));
    const QString path = given.isEmpty() ? ui::Prompter::current().openFile(this, request) : given;
    if (path.isEmpty()) {
        // The shown channel keeps its favourite marks.
        if (!flags_.cutPending) showFavoriteMarks();
        leaveSortedOrder();
        flags_.sortPending = false;
        flags_.cutPending = false;
        listUpdateInProgress_ = false;
        emit commandStateChanged();
        return;
    }
    setFavoriteBoxesEnabled(true);

    auto fresh = std::make_unique<ChannelDatabase>();
    const LoadResult result = loadChannelFile(path.toStdString(), *fresh);
    if (result.status == LoadStatus::CannotOpen) {
        // No message for a file from the chooser, which only offers existing
        // files; a file named elsewhere may be gone. The previous file stays
        // the save target.
        if (!given.isEmpty())
            for (const std::string& message : result.messages) ui::notice(this, QString::fromStdString(message));
        if (!flags_.fileLoaded) setFavoriteBoxesEnabled(false);
        if (!flags_.cutPending) showFavoriteMarks();
        return;
    }
    if (!result.ok()) {
        // Each message names the refused file on a line of its own, so that
        // it cannot be taken for a verdict on the file still open.
        for (const std::string& message : result.messages)
            ui::notice(this, QString::fromStdString(message) + QLatin1Char('\n') + path);
        // A New the user chose not to save goes as Cancel drops it: Edit below
        // ends it, and its grown counts would make Save write a stale record.
        if (flags_.newRecordPending) {
            discardPendingNew();
            flags_.newRecordPending = false;
        }
        // The previous tables stay; the form goes back to them. filePath and
        // the path label keep naming the last good file, so Save never writes
        // the old tables over the rejected one.
        if (selectedTvRow_ < 0 && selectedRadioRow_ < 0) {
            enterReadOnlyState();
        } else {
            // The list and row on screen stay; selecting the row again puts
            // its stored values back on the form.
            QTableView* shownList = radioList_->isHidden() ? tvList_ : radioList_;
            shownList->setFocus();
            selectListRow(shownList, shownList == tvList_ ? selectedTvRow_ : selectedRadioRow_);
            editButton();
        }
        leaveSortedOrder();
        flags_.sortPending = false;
        flags_.cutPending = false;
        listUpdateInProgress_ = false;
        // The restored channel shows its favourite marks again, also when a
        // pending cut kept the reselection from showing them.
        resetFavoriteMarks();
        showFavoriteMarks();
        emit commandStateChanged();
        return;
    }

    db_ = std::move(fresh);
    flags_.filePath = path.toStdString();
    pathLabel_->setText(path);

    fillTransponderChooser();
    showFavoriteCaptions();

    // The browsing state applies before the first row is shown.
    flags_.editActive = false;
    flags_.sortPending = false;
    flags_.cutPending = false;
    flags_.newRecordPending = false;
    listUpdateInProgress_ = false;
    // Nothing of the previous file may stay on the form: a later Save would
    // write its texts into whatever record of the new file has that index.
    activeList_ = ActiveList::None;
    selectedTvRow_ = -1;
    selectedRadioRow_ = -1;
    clearRecordFields();
    fillTvList();
    fillRadioList();
    enterViewingState();
    tvSwitch();
    flags_.fileLoaded = true;
    rememberSavedImage();
    emit commandStateChanged();
    emit fileOpened(path);
}

SaveOptions CArdelEditView::saveOptions() const {
    SaveOptions options;
    options.newRecordPending = flags_.newRecordPending;
    options.sortPending = flags_.sortPending;
    options.currentTransponder = currentTransponder_;
    if (flags_.sortPending) {
        options.tvRowRecords = rowRecords(ChannelKind::Tv);
        options.radioRowRecords = rowRecords(ChannelKind::Radio);
    }
    return options;
}

bool CArdelEditView::writeFile() {
    const SaveOptions options = saveOptions();
    auto report = [this](const std::string& error) {
        ui::Prompter::current().message(
            this, QString::fromLatin1(ui::kAppTitle),
            QStringLiteral("The channel file could not be saved.\n%1\n%2")
                .arg(QString::fromStdString(flags_.filePath), QString::fromStdString(error)),
            ui::Buttons::Ok, ui::Icon::Critical);
    };
    // The first save over a file in this run keeps the file as it was; without
    // that copy the save does not go ahead (and nothing has been committed).
    if (!backedUp_.contains(flags_.filePath)) {
        const BackupResult backup = writeBackup(flags_.filePath);
        if (!backup.ok) {
            report(backup.error);
            return false;
        }
        backedUp_.insert(flags_.filePath);
    }
    const SaveResult result = writeChannelFile(flags_.filePath, *db_, options, hooks_.get());
    if (!result.ok) {
        report(result.error);
        refreshAfterFailedSave();
        return false;
    }
    rememberSavedImage();
    fillTvList();
    fillRadioList();
    // A saved New may have added a transponder.
    if (transponderChooser_->count() != db_->transponderCount) fillTransponderChooser();
    return true;
}

}  // namespace velmora
