// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menu, toolbar, status bar and the editor form as its
// central widget. Every menu item, toolbar button and accelerator carries a
// numeric command id and is handed to the form; the frame itself carries out
// only Exit, About and the toolbar and status-bar toggles.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QMap>

#include "CArdelEditView.h"
#include "recent_files.h"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QSettings;
class QTimer;
class QToolBar;

namespace velmora {

namespace command {
// Commands of the main menu, the toolbar and the accelerator table.
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 32792;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;
inline constexpr int kNew = 32812;
inline constexpr int kCut = 32786;
inline constexpr int kPaste = 32811;
inline constexpr int kDelete = 32776;
inline constexpr int kApplyOrder = 32795;  // Edit > Apply Order From…
inline constexpr int kExportList = 32850;  // File > Export List…
inline constexpr int kCopyRows = 32851;    // Edit > Copy Rows
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kUndoHistory = 32830;  // View > Undo History
inline constexpr int kShowChanges = 32840;        // File > Show Changes
inline constexpr int kCompareWith = 32841;        // File > Compare With…
inline constexpr int kVersions = 32842;           // File > Versions…
inline constexpr int kRevert = 32843;             // File > Revert
inline constexpr int kReviewBeforeSaving = 32844; // View > Review Before Saving
// Moves of the selected channels (Edit menu and the lists' menu).
inline constexpr int kMoveUp = 32820;
inline constexpr int kMoveDown = 32821;
inline constexpr int kMoveToTop = 32822;
inline constexpr int kMoveToBottom = 32823;
inline constexpr int kMoveTo = 32824;
// Tools menu; 32860-32869 belong to the lists' filter and the duplicates.
inline constexpr int kRemoveDuplicates = 32860;
inline constexpr int kFilterText = 32861;  // Ctrl+L: the filter bar's text field
inline constexpr int kTvChannels = 32789;
inline constexpr int kRadioChannels = 32790;
inline constexpr int kFavourites = 32788;
inline constexpr int kOpenPort = 32814;
inline constexpr int kPortSettings = 32813;
inline constexpr int kDownload = 32784;
inline constexpr int kUpload = 32815;
inline constexpr int kToggleToolbar = 59392;
inline constexpr int kToggleStatusBar = 59393;
inline constexpr int kAbout = 57664;
// The recent-file entries of the File menu, most recent first.
inline constexpr int kRecentFile1 = 57616;
// View > Language: the submenu, System default, then each of kLanguages.
inline constexpr int kLanguageMenu = 32879;
inline constexpr int kLanguageSystem = 32870;
// Form buttons reached by accelerators.
inline constexpr int kSaveButton = 1041;
inline constexpr int kNewButton = 1069;
inline constexpr int kDeleteButton = 1042;
inline constexpr int kSearchButton = 1009;
}  // namespace command

// The string-table text of a command: the status-bar prompt, a line feed and
// the tooltip; empty for commands without one.
QString commandString(int id);
QString commandPrompt(int id);
QString commandTooltip(int id);

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr, ViewOptions options = ViewOptions());
    ~CMainFrame() override;

    CArdelEditView* view() const { return view_; }
    QToolBar* toolBar() const { return toolBar_; }
    QLabel* messagePane() const { return messagePane_; }
    QAction* commandAction(int id) const { return actions_.value(id); }

    // Routes a command from any source; false when nobody handles it.
    bool executeCommand(int id);
    // Re-reads enabled and checked states of every menu and toolbar command.
    void updateCommandStates();

    static QString idleText() { return tr("Ready"); }

    // The File menu's recent files; the caller loads and stores the list.
    RecentFileList& recentFiles() { return recentFiles_; }
    void updateRecentFilesMenu();
    // A recent-file entry chosen: opened as File > Open does, or, when the
    // file is gone, taken off the list with a message.
    void openRecentFile(const QString& path);

    // The window's size and position as the last run left them; without
    // them (a first start) maximized, and wide enough for the form and the
    // four list columns when it is not.
    void showWithSavedGeometry(const QSettings& settings);
    void saveGeometryTo(QSettings& settings) const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createAccelerators();
    QAction* addCommand(QMenu* menu, int id, const QString& caption, const QString& icon = QString());
    bool frameCommand(int id);
    void showAbout();
    QSize firstStartSize() const;
    void showFileName(const QString& path);
    void createLanguageMenu(QMenu* view);
    void chooseLanguage(const QString& code);

    CArdelEditView* view_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    RecentFileList recentFiles_{4};
    QList<QAction*> recentActions_;  // the entries and the separator below them
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QMap<int, QAction*> actions_;
    QString profilePath_;  // the profile settings; empty: the default ones
    QDockWidget* history_ = nullptr;  // View > Undo History
    // Judging "unsaved" builds the file in memory: once per burst of changes.
    QTimer* unsavedCheck_ = nullptr;
};

}  // namespace velmora
