// SPDX-License-Identifier: GPL-3.0-or-later
// Routing of menu, toolbar, accelerator and form-control commands. A command
// without a handler here is answered "not handled" and so stays disabled.
#include <QCheckBox>
#include <QTableView>
#include <QUndoStack>

#include "CArdelEditView.h"
#include "transfer_controller.h"

namespace velmora {
namespace {

namespace cmd {
constexpr int Open = 57601;
constexpr int Save = 32792;
constexpr int New = 32812;
constexpr int Delete = 32776;
constexpr int Cut = 32786;
constexpr int Paste = 32811;
constexpr int Tv = 32789;
constexpr int Radio = 32790;
constexpr int Favourites = 32788;
constexpr int OpenPort = 32814;
constexpr int PortSettings = 32813;
constexpr int Download = 32784;
constexpr int Upload = 32815;
constexpr int ApplyOrder = 32795;
constexpr int ExportList = 32850;
constexpr int CopyRows = 32851;
constexpr int Undo = 57643;
constexpr int Redo = 57644;
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
constexpr int PrintSetup = 57606;
constexpr int ShowChanges = 32840;
constexpr int CompareWith = 32841;
constexpr int Versions = 32842;
constexpr int Revert = 32843;
constexpr int ReviewBeforeSaving = 32844;
constexpr int MoveUp = 32820;
constexpr int MoveDown = 32821;
constexpr int MoveToTop = 32822;
constexpr int MoveToBottom = 32823;
constexpr int MoveTo = 32824;
constexpr int RemoveDuplicates = 32860;
constexpr int FilterText = 32861;  // Ctrl+L: the filter bar's text field
}  // namespace cmd

namespace ctl {
constexpr int Edit = 1040;
constexpr int New = 1069;
constexpr int Save = 1041;
constexpr int Delete = 1042;
constexpr int Cancel = 1043;
constexpr int TvSwitch = 1128;
constexpr int RadioSwitch = 1129;
constexpr int PidMode = 1106;
constexpr int Lock = 1004;
constexpr int Search = 1009;
}  // namespace ctl

}  // namespace

bool CArdelEditView::handleCommand(int id) {
    switch (id) {
    case cmd::Open:
        openFile();
        return true;
    case cmd::Save:
    case ctl::Save:
        saveButton();
        return true;
    // A sort refuses these without a word of their own: the status bar says why.
    case cmd::New:
    case ctl::New:
        explainSortRefusal();
        newButton();
        return true;
    case cmd::Delete:
    case ctl::Delete:
        explainSortRefusal();
        deleteButton();
        return true;
    case cmd::Cut:
        if (!explainSortRefusal()) explainFilterRefusal();
        cutCommand();
        return true;
    case cmd::Paste:
        if (activeList_ != ActiveList::None) pasteCommand(activeKind());
        return true;
    case cmd::MoveUp:
        moveSelection(MoveDirection::Up);
        return true;
    case cmd::MoveDown:
        moveSelection(MoveDirection::Down);
        return true;
    case cmd::MoveToTop:
        moveSelection(MoveDirection::Top);
        return true;
    case cmd::MoveToBottom:
        moveSelection(MoveDirection::Bottom);
        return true;
    case cmd::MoveTo:
        moveToCommand();
        return true;
    case ctl::Edit:
        editButton();
        return true;
    case ctl::Cancel:
        cancelButton();
        return true;
    case cmd::Tv:
    case ctl::TvSwitch:
    case cmd::Radio:
    case ctl::RadioSwitch: {
        // While a New is pending the form edits the new record and a row of
        // the other list could not be selected: that list would show while
        // Cut, Paste and drags still acted on the New's kind, and a drag in
        // it would leave it unrefreshed. The switch waits for Save or Cancel.
        const bool tv = id == cmd::Tv || id == ctl::TvSwitch;
        if (flags_.fileLoaded && !flags_.newRecordPending) {
            // Also keeps the box ticked when it is clicked while already on.
            tv ? tvSwitch() : radioSwitch();
        } else {
            tvSwitch_->setChecked(flags_.fileLoaded && !tvList_->isHidden());
            radioSwitch_->setChecked(flags_.fileLoaded && !radioList_->isHidden());
        }
        emit commandStateChanged();
        return true;
    }
    case cmd::Favourites:
        favoritesCommand();
        return true;
    case ctl::PidMode:
        pidModeClicked();
        return true;
    case ctl::Lock:
        lockBoxClicked();
        return true;
    case cmd::ApplyOrder:
        applyOrderFrom();
        return true;
    case cmd::RemoveDuplicates:
        removeDuplicatesCommand();
        return true;
    case cmd::FilterText:
        focusFilter();
        return true;
    case cmd::ExportList:
        exportListCommand();
        return true;
    case cmd::CopyRows:
        copyRowsCommand();
        return true;
    case cmd::Undo:
        undoCommand();
        return true;
    case cmd::Redo:
        redoCommand();
        return true;
    case ctl::Search:
        searchButton();
        return true;
    case cmd::OpenPort:
    case cmd::PortSettings:
        return port_->handleCommand(id);
    case cmd::Download:
    case cmd::Upload:
        return transfers_->handleCommand(id);
    case cmd::Print:
        printList();
        return true;
    case cmd::PrintPreview:
        printPreview();
        return true;
    case cmd::PrintSetup:
        printSetup();
        return true;
    case cmd::ShowChanges:
        showChanges();
        return true;
    case cmd::CompareWith:
        compareWith();
        return true;
    case cmd::Versions:
        versionsCommand();
        return true;
    case cmd::Revert:
        revertFile();
        return true;
    case cmd::ReviewBeforeSaving:
        reviewBeforeSaving_ = !reviewBeforeSaving_;
        emit commandStateChanged();
        return true;
    default:
        for (std::size_t k = 0; k < kViewGroups; ++k) {
            if (kFavoriteBoxIds[k] != id) continue;
            favoriteBoxClicked(k);
            return true;
        }
        return false;
    }
}

bool CArdelEditView::commandEnabled(int id) const {
    switch (id) {
    case cmd::Open:
    case cmd::OpenPort:
    case cmd::PortSettings:
    case cmd::Download:
    case cmd::Upload:
    case cmd::PrintSetup:
        return true;
    case cmd::Print:
    case cmd::PrintPreview:
        return canPrint();
    case cmd::Save:
        return flags_.editActive;
    case cmd::New:
    case cmd::Delete:
        // Refused while a cut is pending, so that the held channel's index
        // keeps naming it.
        return flags_.editActive && !flags_.cutPending;
    case cmd::Cut:
        return canCut();
    case cmd::Paste:
        return activeList_ != ActiveList::None && canPaste(activeKind());
    case cmd::MoveUp:
    case cmd::MoveDown:
        return canMoveSelection() && !listFiltered();
    case cmd::MoveToTop:
    case cmd::MoveToBottom:
    case cmd::MoveTo:
        return canMoveSelection();
    case cmd::Tv:
    case cmd::Radio:
        return flags_.fileLoaded && !flags_.newRecordPending;
    case cmd::Favourites:
        return canOpenFavorites();
    case cmd::ApplyOrder:
        return applyOrderAvailable();
    case cmd::RemoveDuplicates:
        return removeDuplicatesAvailable();
    case cmd::FilterText:
        return flags_.fileLoaded && !flags_.newRecordPending;
    case cmd::ExportList:
        return exportListAvailable();
    case cmd::CopyRows:
        return copyRowsAvailable();
    case cmd::Undo:
        return historyAvailable() && undoStack_->canUndo();
    case cmd::Redo:
        return historyAvailable() && undoStack_->canRedo();
    case cmd::ShowChanges:
    case cmd::CompareWith:
    case cmd::Versions:
    case cmd::Revert:
        return flags_.fileLoaded;
    case cmd::ReviewBeforeSaving:
        return true;
    default:
        return false;
    }
}

bool CArdelEditView::commandChecked(int id) const {
    if (id == cmd::ReviewBeforeSaving) return reviewBeforeSaving_;
    return id == cmd::OpenPort && port_->commandChecked(id);
}

}  // namespace velmora
