// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open and the write of a save.
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTableView>

#include "CArdelEditView.h"
#include "backup_file.h"
#include "channel_list_model.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "codes.h"
#include "editor_save_hooks.h"
#include "core_texts.h"
#include "prompter.h"

namespace velmora {
namespace {

const char* const kSavePrompt = QT_TRANSLATE_NOOP("velmora::CArdelEditView", "Save changes to the All Data Channels?");

}  // namespace

CArdelEditView::DiskStamp CArdelEditView::diskStampOf(const std::string& path) {
    DiskStamp stamp;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return stamp;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.modifiedNs = std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
    stamp.contentHash = std::hash<std::string>{}(bytes);
    return stamp;
}

bool CArdelEditView::confirmOverwriteIfChanged() {
    // Another program (or a second editor) may have saved the file since:
    // writing over it unasked would lose that change. A file that is gone
    // has nothing to lose.
    if (!diskStamp_.exists) return true;
    const DiskStamp now = diskStampOf(flags_.filePath);
    if (!now.exists || now == diskStamp_) return true;
    return ui::confirm(this, tr("The file has changed on disk since it was opened. Overwrite it?"));
}

void CArdelEditView::openFile(const QString& given) {
    // Every reselection below puts stored values on the form (or shows the
    // new file): none may commit the form into a record.
    const QScopedValueRollback hold(formCommitHeld_, true);
    // Bytes arriving from now on stay in the receive queue.
    disarmTransfers();
    resetFavoriteMarks();
    sortState_.lastAscending = false;
    if (!reverting_ && shouldAskSaveOnClose() && ui::confirm(this, tr(kSavePrompt))) {
        // A failed save keeps the edits only in memory: opening another file
        // now would throw them away.
        if (!saveButton()) return;
    }

    ui::FileRequest request;
    request.defaultSuffix = QStringLiteral("bin");
    request.initialName = QStringLiteral("*.bin");
    request.filter = ui::qtFilter(ui::text(ui::kChannelFileFilter));
    const QString path = given.isEmpty() ? ui::Prompter::current().openFile(this, request) : given;
    if (path.isEmpty()) {
        // The shown channel keeps its favourite marks (a New's are all clear).
        if (!flags_.cutPending && !flags_.newRecordPending) showFavoriteMarks();
        leaveSortedOrder();
        flags_.sortPending = false;
        flags_.cutPending = false;
        listUpdateInProgress_ = false;
        updateRecordButtons();
        emit commandStateChanged();
        return;
    }
    auto fresh = std::make_unique<ChannelDatabase>();
    const LoadResult result = loadChannelFile(path.toStdString(), *fresh);
    if (result.status == LoadStatus::CannotOpen) {
        // No message for a file from the chooser, which only offers existing
        // files; a file named elsewhere may be gone. The previous file stays
        // the save target.
        // The boxes keep their state: a pending New still keeps them off.
        if (!given.isEmpty())
            for (const std::string& message : result.messages) ui::notice(this, ui::coreText(message));
        if (!flags_.cutPending && !flags_.newRecordPending) showFavoriteMarks();
        return;
    }
    setFavoriteBoxesEnabled(true);
    if (!result.ok()) {
        // Each message names the refused file on a line of its own, so that
        // it cannot be taken for a verdict on the file still open.
        for (const std::string& message : result.messages)
            ui::notice(this, ui::coreText(message) + QLatin1Char('\n') + path);
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
    clearHistory();  // its steps belong to the tables just replaced
    flags_.filePath = path.toStdString();
    pathLabel_->setText(path);

    // The browsing state applies before the first row is shown.
    flags_.editActive = false;
    // Another file's groups and satellites: the choosers start from all
    // channels again; the text applies to any file and stays.
    syncFilterChoices(true);
    showReplacedTables();
    flags_.fileLoaded = true;
    rememberSavedImage();
    diskStamp_ = diskStampOf(flags_.filePath);
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
            this, ui::text(ui::kAppTitle),
            tr("The channel file could not be saved.\n%1\n%2")
                .arg(QString::fromStdString(flags_.filePath), QString::fromStdString(error)),
            ui::Buttons::Ok, ui::Icon::Critical);
    };
    if (reviewBeforeSaving_ && !reviewBeforeSave()) return false;
    if (!confirmOverwriteIfChanged()) return false;
    // The first save over a file in this run keeps the file as it was; without
    // that copy the save does not go ahead (and nothing has been committed).
    // The copy replaces an older FILE.bak only once the save has succeeded.
    const bool firstSave = !backedUp_.contains(flags_.filePath);
    PendingBackup backup;
    if (firstSave) {
        const BackupResult prepared = backup.prepare(flags_.filePath);
        if (!prepared.ok) {
            report(prepared.error);
            return false;
        }
    }
    keepVersion();  // says so when it cannot, and the save goes on
    const SaveResult result = writeChannelFile(flags_.filePath, *db_, options, hooks_.get());
    if (!result.ok) {
        // The tables are as before the save (a New stays pending) and the
        // lists still show them; the form keeps what was typed.
        report(result.error);
        return false;
    }
    if (firstSave) {
        backup.commit();  // the save is made; a backup that fails now loses nothing of it
        backedUp_.insert(flags_.filePath);
    }
    rememberSavedImage();
    diskStamp_ = diskStampOf(flags_.filePath);
    fillTvList();
    fillRadioList();
    // A saved New may have added a transponder.
    if (transponderChooser_->count() != db_->transponderCount) fillTransponderChooser();
    return true;
}

void CArdelEditView::showReplacedTables() {
    flags_.sortPending = false;
    flags_.cutPending = false;
    flags_.newRecordPending = false;
    listUpdateInProgress_ = false;
    // Nothing of the previous tables may stay on the form: a later Save would
    // write its texts into whatever record now has that index.
    activeList_ = ActiveList::None;
    selectedTvRow_ = -1;
    selectedRadioRow_ = -1;
    clearRecordFields();
    fillTransponderChooser();
    showFavoriteCaptions();
    fillTvList();
    fillRadioList();
    enterViewingState();
    tvSwitch();
}

}  // namespace velmora
