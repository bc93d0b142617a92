// SPDX-License-Identifier: GPL-3.0-or-later
// What a Save will change, comparisons with other lists, and the versions a
// Save or an upload keeps of the file it replaces.
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTableView>
#include <QTimer>

#include "CArdelEditView.h"
#include "channel_list_model.h"
#include "changes_window.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "list_diff.h"
#include "core_texts.h"
#include "prompter.h"
#include "transfer_controller.h"
#include "versions_dialog.h"

namespace velmora {
namespace {

QString fromPath(const std::string& path) { return QString::fromStdString(path); }

// The file on disk as the old side; a file that is gone or unreadable counts
// as empty, so that everything shows as added rather than "No changes".
ChannelDatabase diskSide(const std::string& path) {
    ChannelDatabase db;
    if (!loadChannelFile(path, db).ok()) {
        db = ChannelDatabase();
        db.allocateTables(false);
    }
    return db;
}

ui::FileRequest channelFileRequest(const QString& caption) {
    ui::FileRequest request;
    request.caption = caption;
    request.defaultSuffix = QStringLiteral("bin");
    request.initialName = QStringLiteral("*.bin");
    request.filter = ui::qtFilter(ui::text(ui::kChannelFileFilter));
    return request;
}

}  // namespace

void CArdelEditView::setVersionStore(std::unique_ptr<VersionStore> store) {
    versions_ = std::move(store);
    transfers_->setVersionStore(versions_.get());
}

ChangesWindow* CArdelEditView::changesWindow() const { return changes_.data(); }

ChannelDatabase CArdelEditView::tablesAsSaved() const {
    // The writer's copy-backs and band rule act on the copy only.
    ChannelDatabase copy = *db_;
    const std::vector<std::uint8_t> bytes = buildChannelFile(copy, saveOptions());
    ChannelDatabase saved;
    readChannelFile(bytes, saved);
    return saved;
}

void CArdelEditView::keepVersion() {
    const KeepResult kept = versions_->keepCurrent(flags_.filePath);
    if (!kept.ok) emit statusText(tr("The earlier version was not kept: %1").arg(QString::fromStdString(kept.error)));
}

void CArdelEditView::revertFile() {
    if (!flags_.fileLoaded) return;
    if (hasUnsavedChanges() &&
        !ui::confirm(this, tr("Discard the unsaved changes and read %1 again from disk?").arg(fromPath(flags_.filePath))))
        return;
    const QScopedValueRollback asked(reverting_, true);
    openFile(fromPath(flags_.filePath));
}

void CArdelEditView::showChanges() {
    if (!flags_.fileLoaded) return;
    if (!changes_) {
        changes_ = new ChangesWindow(this);
        connect(changes_, &ChangesWindow::channelActivated, this, &CArdelEditView::selectChannel);
        // One refresh per burst of edits, once the event loop is idle again.
        changesTimer_ = new QTimer(this);
        changesTimer_->setSingleShot(true);
        changesTimer_->setInterval(0);
        connect(changesTimer_, &QTimer::timeout, this, &CArdelEditView::refreshChanges);
        connect(this, &CArdelEditView::commandStateChanged, changesTimer_, qOverload<>(&QTimer::start));
        connect(this, &CArdelEditView::formEdited, changesTimer_, qOverload<>(&QTimer::start));
    }
    changes_->show();
    refreshChanges();
    changes_->raise();
    changes_->activateWindow();
}

void CArdelEditView::refreshChanges() {
    if (!changes_ || !changes_->isVisible() || !flags_.fileLoaded) return;
    // The file on disk is read again only when it changed (a Save, another program).
    const DiskStamp now = diskStampOf(flags_.filePath);
    if (!(now == changesBaseStamp_) || !changesBase_.tablesAllocated()) {
        changesBase_ = diskSide(flags_.filePath);
        changesBaseStamp_ = now;
    }
    const ChannelDatabase unsaved = tablesAsSaved();
    changes_->showDiff(diffLists(changesBase_, unsaved), changesBase_, unsaved, fromPath(flags_.filePath),
                       tr("the list as Save would write it"));
}

void CArdelEditView::compareWith() {
    if (!flags_.fileLoaded) return;
    const QString path = ui::Prompter::current().openFile(this, channelFileRequest(tr("Compare With")));
    if (path.isEmpty()) return;
    ChannelDatabase other;
    if (const LoadResult loaded = loadChannelFile(path.toStdString(), other); !loaded.ok()) {
        QString text = tr("The file cannot be compared.");
        for (const std::string& message : loaded.messages) text += QLatin1Char('\n') + ui::coreText(message);
        ui::notice(this, text + QLatin1Char('\n') + path);
        return;
    }
    const ChannelDatabase open = tablesAsSaved();
    auto* window = new ChangesWindow(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &ChangesWindow::channelActivated, this, &CArdelEditView::selectChannel);
    window->showDiff(diffLists(other, open), other, open, path, tr("the open list"));
    window->show();
}

bool CArdelEditView::reviewBeforeSave() {
    // What is typed on the form goes into its records now, as the save would
    // (the save holds such commits back for its own reselection, not yet begun).
    {
        const QScopedValueRollback commitNow(formCommitHeld_, false);
        commitShownRecords();
    }
    const ChannelDatabase onDisk = diskSide(flags_.filePath);
    const ChannelDatabase unsaved = tablesAsSaved();
    ChangesWindow review(this, ChangesWindow::Mode::Review);
    review.showDiff(diffLists(onDisk, unsaved), onDisk, unsaved, fromPath(flags_.filePath),
                    tr("the list as Save would write it"));
    return ui::Prompter::current().runDialog(review) == QDialog::Accepted;
}

void CArdelEditView::versionsCommand() {
    if (!flags_.fileLoaded) return;
    const ChannelDatabase open = tablesAsSaved();
    VersionsDialog dialog(this, fromPath(flags_.filePath));
    for (const StoredVersion& v : versions_->versions(flags_.filePath)) {
        ChannelDatabase kept;
        const bool readable = loadChannelFile(v.path, kept).ok();
        dialog.addVersion(fromPath(v.path), QString::fromStdString(versionTimeText(v.time)), kept.tvCount,
                          kept.radioCount, readable ? ChangesWindow::summary(diffLists(kept, open)) : tr("unreadable"));
    }
    connect(&dialog, &VersionsDialog::compareRequested, this, [this, &dialog, &open](const QString& path) {
        ChannelDatabase kept;
        if (!loadChannelFile(path.toStdString(), kept).ok()) return;
        auto* window = new ChangesWindow(&dialog);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->showDiff(diffLists(kept, open), kept, open, path, tr("the open list"));
        window->show();
    });
    QString chosen;
    connect(&dialog, &VersionsDialog::restoreRequested, this, [this, &dialog, &chosen](const QString& path) {
        if (!ui::confirm(this, tr("Replace the open list with this version? It stays unsaved until Save.")))
            return;
        chosen = path;
        dialog.accept();
    });
    ui::Prompter::current().runDialog(dialog);
    if (!chosen.isEmpty()) restoreVersion(chosen.toStdString());
}

bool CArdelEditView::restoreVersion(const std::string& path) {
    ChannelDatabase kept;
    if (const LoadResult loaded = loadChannelFile(path, kept); !loaded.ok()) {
        QString text = tr("The version cannot be read; the open list is unchanged.");
        for (const std::string& message : loaded.messages) text += QLatin1Char('\n') + ui::coreText(message);
        ui::notice(this, text + QLatin1Char('\n') + fromPath(path));
        return false;
    }
    // Like an Open of the version, except that the file it came from stays
    // the save target, nothing counts as saved, and Undo gives the list back.
    // What was typed goes into its record first (its own step), so that the
    // list Undo gives back is the one Save would have written.
    if (flags_.newRecordPending) discardPendingNew();
    commitShownRecords();
    const QScopedValueRollback hold(formCommitHeld_, true);
    leaveSortedOrder();
    held_.reset();
    resetFavoriteMarks();
    // Put-back places name channels of the list being replaced.
    groupRemovedFlag_.fill(false);
    groupRemovedEntries_ = {};
    EditStep step;
    replaceTables(*db_, std::move(kept), &step);
    showReplacedTables();
    setFavoriteBoxesEnabled(true);
    editButton();  // Save writes it
    recordStep(std::move(step), tr("Restore Version"));
    emit statusText(tr("Restored the version of %1; Save writes it").arg(fromPath(path)));
    emit commandStateChanged();
    return true;
}

void CArdelEditView::selectChannel(ChannelKind kind, int index) {
    if (!flags_.fileLoaded || flags_.newRecordPending || index < 0 || index >= db_->channelCount(kind)) return;
    int row = index;
    if (listSorted(kind)) {
        const std::vector<int> records = rowRecords(kind);
        for (std::size_t r = 0; r < records.size(); ++r)
            if (records[r] == index) row = static_cast<int>(r);
    }
    QTableView* list = listOf(kind);
    // The channel asked for is shown, also when the filter hides it.
    if (modelOf(kind)->shownRow(row) < 0) clearFilter();
    if (list->isHidden()) kind == ChannelKind::Tv ? tvSwitch() : radioSwitch();
    list->setFocus();
    selectListRow(list, row);
    window()->activateWindow();
}

}  // namespace velmora
