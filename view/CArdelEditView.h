// SPDX-License-Identifier: GPL-3.0-or-later
// The editor form: channel lists on the right, the record editor with its
// three tab pages and buttons on the left. Owns the channel database.
//
// Every control carries its numeric id as objectName ("1044"), so that the
// frame and the tests find them with findChild<T*>("1044").
#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "channel_database.h"
#include "list_printer.h"
#include "channel_edit.h"
#include "edit_history.h"
#include "list_filter.h"
#include "list_order.h"
#include "port_controller.h"
#include "version_store.h"

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTableView;
class QUndoStack;
class QUndoView;
class QTimer;

namespace velmora {

struct SaveOptions;
class ChangesWindow;

namespace ui {
class TransferController;
}

// Where the view keeps its serial settings; the program uses config.ini in
// the current directory and its own profile, tests a scratch folder.
struct ViewOptions {
    ui::PortControllerOptions port;
    std::size_t historyLimit = EditHistory::kDefaultLimit;  // bytes the undo history may hold
};

class BannerLabel;
class ChannelListModel;
class EditorSaveHooks;
class FavoritesDialog;
class ListDrag;

class CArdelEditView : public QWidget {
    Q_OBJECT
public:
    enum class ActiveList { None, Tv, Radio };
    // Favourite boxes of groups 0..9, in group order.
    static constexpr std::array<int, kViewGroups> kFavoriteBoxIds{1001, 1002, 1003, 1006, 1008,
                                                                  1005, 1010, 1011, 1012, 1013};

    explicit CArdelEditView(QWidget* parent = nullptr, ViewOptions options = ViewOptions());
    ~CArdelEditView() override;

    // Any menu/toolbar/accelerator command id or form control id; false when
    // the view has no handler for it (yet).
    bool handleCommand(int id);
    // Menu/toolbar enabling; unknown or not yet built commands are disabled.
    bool commandEnabled(int id) const;
    bool commandChecked(int id) const;
    // What Copy Rows puts on the clipboard: a header line, then the selected
    // rows of the list of `kind` as shown, cells tab-separated.
    QString selectedRowsText(ChannelKind kind) const;
    // Closing or opening another file asks "Save changes to the All Data
    // Channels?": the form was put into edit mode and nothing has been saved
    // in this run, or something is unsaved. Still true after a failed save.
    bool shouldAskSaveOnClose() const;
    // Save would write something other than the file as last loaded or saved:
    // the tables differ from it (whatever changed them), a New, sort or cut is
    // pending, or in edit mode the form's texts differ from the records shown.
    bool hasUnsavedChanges() const;
    // The Save button (1041), also File > Save and Ctrl+S. False when nothing
    // was written (no file loaded, or the write failed).
    bool saveButton();
    // Once, after the frame has shown the view.
    void initialUpdate();

    ChannelDatabase& database() { return *db_; }
    const ChannelDatabase& database() const { return *db_; }
    EditFlags& flags() { return flags_; }
    const EditFlags& flags() const { return flags_; }

    // View state other parts of the editor read.
    ActiveList activeList() const { return activeList_; }
    int selectedTvRow() const { return selectedTvRow_; }
    int selectedRadioRow() const { return selectedRadioRow_; }
    int currentTab() const { return currentTab_; }
    int currentTransponder() const { return currentTransponder_; }
    int currentSatellite() const { return currentSatellite_; }
    bool listUpdateInProgress() const { return listUpdateInProgress_; }
    // The channel a Cut or a drag took; filled while `cutPending` is set.
    std::optional<HeldChannel>& heldChannel() { return held_; }
    // Drag reordering of both lists.
    ListDrag* listDrag() const { return drag_; }

    // Lists.
    void fillTvList();
    void fillRadioList();
    void refreshLists();
    QTableView* tvList() const { return tvList_; }
    QTableView* radioList() const { return radioList_; }
    // The filter bar's choice as it applies to both lists; inactive when it
    // lets every channel through.
    const ChannelFilter& listFilter() const { return filter_; }
    bool listFiltered() const { return filter_.active(); }
    // The filter's text holds a character no channel name can hold: nothing matches.
    bool filterUnmatchable() const { return filterUnmatchable_; }

    // Record editor.
    void showChannelDetails(int row);
    void showTransponderDetails();
    void showSatelliteDetails();
    void showFavoriteMarks();

    // File > Open; given a path (command line, recent files), the same
    // without the chooser, and a file that cannot be read says so.
    void openFile(const QString& path = QString());

    // Receiver link: the serial port with its settings, and the transfers.
    ui::PortController& portController() { return *port_; }
    const ui::PortController& portController() const { return *port_; }
    ui::TransferController& transfers() { return *transfers_; }

    // Printing (CArdelEditView_print.cpp).
    ListPrinter& listPrinter() { return printer_; }
    // The TV or radio list as File > Print prints it, into a PDF of A4 pages
    // at 600 dpi; false when the file cannot be written.
    bool printListToPdf(const QString& path, ChannelKind kind);

    // Undo history (CArdelEditView_history.cpp): the steps of the tables,
    // and a view of them for the frame to place (owned by `parent`).
    QUndoStack* undoStack() const { return undoStack_.get(); }
    QUndoView* createHistoryView(QWidget* parent);
    // What Undo and Redo would do, as their menu items read: "Undo Move Channel".
    QString undoText() const;
    QString redoText() const;
    // Versions and changes (CArdelEditView_versions.cpp). Save and upload
    // keep the file they replace in the version store.
    VersionStore& versionStore() { return *versions_; }
    void setVersionStore(std::unique_ptr<VersionStore> store);
    // Save shows the changes first and writes only on Save (off by default).
    void setReviewBeforeSaving(bool on) { reviewBeforeSaving_ = on; }
    bool reviewBeforeSaving() const { return reviewBeforeSaving_; }
    // Show Changes' window; nullptr before it was first opened.
    ChangesWindow* changesWindow() const;
    // The tables as Save would write them, read back from the writer's bytes.
    ChannelDatabase tablesAsSaved() const;
    // A kept version's tables become the open list, unsaved; false (after a
    // message) when the version cannot be read.
    bool restoreVersion(const std::string& path);

signals:
    void statusText(const QString& text);  // message pane of the status bar
    void settingPaneText(const QString& text);  // the serial line in use
    void commandStateChanged();            // frame re-evaluates enabled/checked actions
    void fileOpened(const QString& path);  // after every successful open
    void formEdited();                     // the user typed or clicked on the form
    void stepRecorded();                   // a new step is on the undo stack

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class EditorSaveHooks;

    // Construction (CArdelEditView.cpp).
    void buildForm();
    void buildChannelPage(QWidget* panel);
    void buildTransponderPage(QWidget* panel);
    void buildSatellitePage(QWidget* panel);
    void buildLists(QWidget* area);
    QLabel* addLabel(QWidget* parent, int id, const QString& text, int x, int y, int w, int h = 20);
    QLineEdit* addField(QWidget* parent, int id, int x, int y, int w, int maxLength);
    QPushButton* addButton(QWidget* parent, int id, const QString& text, int x, int y, int w);
    QWidget* control(int id) const;
    QLineEdit* field(int id) const;
    void setControlEnabled(int id, bool enabled);
    void setStartupState();

    // Lists (CArdelEditView_lists.cpp).
    void onListSelection(ChannelKind kind, int row);
    void tvSwitch();
    void radioSwitch();
    void selectListRow(QTableView* list, int row);
    void onTabChanged(int index);
    void applyPage(int page);
    QTableView* listOf(ChannelKind kind) const;
    ChannelListModel* modelOf(ChannelKind kind) const;
    int numberCellValue(ChannelKind kind, int row) const;

    // The filter bar over both lists (CArdelEditView_filter.cpp). Rows keep
    // naming their records through the Number cell, as in a sorted list;
    // selectedTvRow_ and selectedRadioRow_ stay list rows, and only the
    // lists' own rows are shown rows.
    QWidget* buildFilterBar(QWidget* area);
    void updateFilterBarState();  // offered with a file, not while a New is pending
    void filterEdited();  // the person typed or chose: both lists follow at once
    // Shows the rows of the list of `kind` that match, as the list stands
    // (table or sorted order); `reselect`: the selection stays on the rows
    // still shown, the current one on its channel or its nearest shown row.
    void applyFilter(ChannelKind kind, bool reselect);
    // After a change in place (a box, a typed name): rows that no longer
    // match leave both lists.
    void refilterLists();
    void scheduleRefilter();
    void clearFilter();
    // The Show and satellite choosers follow the file's groups and
    // satellites; `reset` goes back to every channel (another file).
    void syncFilterChoices(bool reset);
    void focusFilter();
    // Escape in the filter's text field empties it.
    bool filterKey(QObject* watched, QEvent* event);
    bool currentRowShown() const;
    // Selects the shown ones of `listRows` (ascending) besides the selection.
    void addListRowsToSelection(QTableView* list, const std::vector<int>& listRows);

    // Editor (CArdelEditView_editor.cpp).
    void editButton();
    void cancelButton();
    void pidModeClicked();
    void setFieldsReadOnly(bool readOnly);
    void setEditingControlsEnabled(bool enabled);
    void enterViewingState();
    void enterReadOnlyState();
    void updateRecordButtons();  // New and Delete follow the state
    void clearRecordFields();
    void rejectNonLatin1();
    const ChannelEntry* selectedChannel() const;
    // What commitShownRecords changed: the channel (list row and its table
    // index), the transponder and the satellite the form showed; -1 for none.
    struct FormCommit {
        ChannelKind kind = ChannelKind::Tv;
        int row = -1, channel = -1, transponder = -1, satellite = -1;
        bool any() const { return channel >= 0 || transponder >= 0 || satellite >= 0; }
    };
    // Puts the form's fields into the records it shows, as Save would, and
    // shows the changed records in the lists. Runs before the form leaves a
    // record, so that nothing typed is lost; nothing while a New is pending
    // or the form is being put back (formCommitHeld_).
    FormCommit commitShownRecords();
    void showCommittedRows(const FormCommit& commit);
    ChannelKind activeKind() const { return activeList_ == ActiveList::Radio ? ChannelKind::Radio : ChannelKind::Tv; }
    int selectedRow() const;     // row of the active list; -1 for none
    int selectedRecord() const;  // its index in the committed table; -1 for none

    // Several selected rows, keyboard moves and Move To
    // (CArdelEditView_selection.cpp). The current row is the selected row
    // every single-channel rule reads; the others only widen what a command
    // acts on.
    void listSelectionMoved(ChannelKind kind);
    // Display rows of the active list's selection, ascending.
    std::vector<int> selectedRows() const;
    // Their records in the committed table, ascending; the selected row's
    // alone when the list reports none.
    std::vector<int> selectedRecords() const;
    // More than the selected row is selected (or another row instead of it):
    // commands take the set path.
    bool multiSelection() const;
    void showSelectionCount();
    // The box states of a selection of several: checked, partly, unchecked.
    void showSelectionMarks();
    // After a block change: the rows of `records` selected, `current` the
    // selected row, in sight.
    void selectRecords(ChannelKind kind, const std::vector<int>& records, int current);
    bool canMoveSelection() const;
    void moveSelection(MoveDirection direction);
    void moveToCommand();
    void finishBlockMove(ChannelKind kind, const MoveResult& moved, std::size_t currentAt, EditStep step);
    // Channel deletes of the Channel page, the Delete key and the list menu:
    // one question for the lot.
    void deleteChannels(const QString& oneQuestion, const char* manyQuestion, bool warningIcon);

    // Favourite marks, lock and scrambled boxes (CArdelEditView_marks.cpp).
    void setFavoriteBoxesEnabled(bool enabled);
    void resetFavoriteMarks();
    void showFavoriteCaptions();
    void favoriteBoxClicked(std::size_t group);
    void favoriteBoxClickedForSelection(std::size_t group);
    void lockBoxClicked();
    void showLockPicture(bool locked);

    // Sorting by a column and the search (CArdelEditView_sort.cpp).
    void headerClicked(ChannelKind kind, int column);
    void sortRows(ChannelKind kind, int column, bool ascending, int number);
    void searchButton();
    std::vector<int> rowRecords(ChannelKind kind) const;  // Number cell - 1 of every row
    bool listSorted(ChannelKind kind) const { return listSorted_[kind == ChannelKind::Tv ? 0 : 1]; }
    void backToTableOrder(ChannelKind kind);
    void leaveSortedOrder();
    void keepWorkingMembersInStep(ChannelKind kind);
    // A sorted list takes no moves, New or Delete: says so in the status bar
    // and returns true when that is why a command is refused.
    bool explainSortRefusal();
    // The same for what a filtered list does not take (Cut, Paste, drags,
    // Move Up and Down).
    bool explainFilterRefusal();
    // What the lists show of the state: the sort indicator of a sorted list,
    // the greyed row of a channel waiting for Paste.
    void showListMarks();

    // New and Delete (CArdelEditView_records.cpp).
    void newButton();
    void deleteButton();
    void discardPendingNew();
    void refreshAfterDelete(const DeleteResult& removed, int rowsBefore);
    void emptyFormAfterLastChannel();
    void fillTransponderChooser();

    // Cut, Paste, the lists' menu and drags (CArdelEditView_moves.cpp).
    void setUpMoves();
    bool canEditRows() const;
    bool canCut() const;
    bool canPaste(ChannelKind kind) const;
    void cutCommand();
    void pasteCommand(ChannelKind kind);
    bool moveHeldTo(ChannelKind kind, int to);
    bool moveHeldBlockTo(ChannelKind kind, int row);
    void endSortForMove();
    void openListMenu(ChannelKind kind, const QPoint& pos);
    void menuDelete();
    ChannelKind kindOf(const QAbstractItemView* list) const;
    bool mayBeginDrag(QAbstractItemView* list, int row) const;
    void dragBegun(QAbstractItemView* list, int row);
    void dragDropped(QAbstractItemView* list, int row);
    void dragCancelled(QAbstractItemView* list);

    // View > Favourites (CArdelEditView_favorites.cpp).
    bool canOpenFavorites() const;
    void favoritesCommand();
    void favoritesAccepted(const FavoritesDialog& dialog);

    // File (CArdelEditView_file.cpp).
    SaveOptions saveOptions() const;  // what Save passes to the writer
    bool writeFile();
    // After an Open or a Restore put other tables in place: no pending New,
    // sort or cut, nothing selected, the lists and choosers refilled, the
    // browsing state on the TV list.
    void showReplacedTables();

    // Edit > Apply Order From… (CArdelEditView_order.cpp).
    // Edit mode with no New, sort or cut pending: the committed tables may be
    // reordered or thinned as a whole.
    bool wholeTablesEditable() const;
    bool applyOrderAvailable() const;
    void applyOrderFrom();
    // After an order is applied: its step recorded, the selected channels
    // followed to their new rows, the lists refilled.
    void showAppliedOrder(EditStep&& step, const QString& path, const std::vector<int>& tvOrder,
                          const std::vector<int>& radioOrder);
    // Tools > Remove Duplicates.
    bool removeDuplicatesAvailable() const;
    void removeDuplicatesCommand();

    // File > Export List…, Edit > Copy Rows and a list as the reference of
    // Apply Order From (CArdelEditView_lists_csv.cpp).
    bool exportListAvailable() const;
    void exportListCommand();
    bool copyRowsAvailable() const;
    void copyRowsCommand();
    void installCopyRowsKey(QTableView* list, ChannelKind kind);
    static bool isListReference(const QString& path);
    void applyListOrderFrom(const QString& path);

    // Undo history (CArdelEditView_history.cpp). Every change of the tables
    // a person makes is one step: the table operation is given `step`, and
    // on success the step is kept under `text`, as it reads after "Undo "
    // ("Delete 5 Channels").
    void recordStep(EditStep step, const QString& text);
    friend class HistoryCommand;
    void setUpHistory();
    // The keys of Undo and Redo in an editable field of the form undo its typing.
    bool fieldUndoKey(QObject* watched, QEvent* event);
    bool historyAvailable() const;  // Undo and Redo may act at all
    void undoCommand();
    void redoCommand();
    void applyHistoryStep(const EditStep& step, bool undo);
    void showHistoryStep();
    void keepHistoryWithinLimit();
    void clearHistory();
    // The records a save may change, as they stood before it: the save's
    // commits and band rule become steps, and a New it inserted one more.
    struct RecordSnapshot {
        std::vector<SatelliteEntry> satellites;
        std::vector<SatelliteExtra> extras;
        std::vector<TransponderEntry> transponders;
        std::vector<ChannelEntry> tv, radio;
        FavoriteSection favorites;
    };
    RecordSnapshot snapshotRecords() const;
    void recordSave(const RecordSnapshot& before, const std::optional<NewRecord>& inserted);

    // Unsaved changes (CArdelEditView_unsaved.cpp).
    void rememberSavedImage();

    // The file as this view last read or wrote it, to tell whether another
    // program has changed it since (CArdelEditView_file.cpp).
    struct DiskStamp {
        bool exists = false;
        std::int64_t size = 0, modifiedNs = 0;
        std::size_t contentHash = 0;
        bool operator==(const DiskStamp&) const = default;
    };
    static DiskStamp diskStampOf(const std::string& path);
    bool confirmOverwriteIfChanged();

    // Versions and changes (CArdelEditView_versions.cpp).
    void keepVersion();
    void revertFile();
    void showChanges();
    void refreshChanges();
    void compareWith();
    bool reviewBeforeSave();
    void versionsCommand();
    void selectChannel(ChannelKind kind, int index);
    std::unique_ptr<VersionStore> versions_ = std::make_unique<VersionStore>();
    QPointer<ChangesWindow> changes_;
    QTimer* changesTimer_ = nullptr;
    ChannelDatabase changesBase_;  // the file on disk as Show Changes last read it
    DiskStamp changesBaseStamp_;
    bool reviewBeforeSaving_ = false;
    bool reverting_ = false;  // File > Revert asked already

    // Receiver link (CArdelEditView_transfers.cpp).
    void setUpReceiverLink(ViewOptions options);
    void disarmTransfers();

    // Printing (CArdelEditView_print.cpp).
    bool canPrint() const;
    void preparePrintJob(ChannelKind kind);
    void printList();
    void printPreview();
    void printSetup();

    std::unique_ptr<ChannelDatabase> db_;
    EditFlags flags_;

    ActiveList activeList_ = ActiveList::None;
    int selectedTvRow_ = -1;
    int selectedRadioRow_ = -1;
    int currentTab_ = 0;
    int currentTransponder_ = -1;
    int currentSatellite_ = -1;
    bool listUpdateInProgress_ = false;
    // Set while a reselection puts stored values back on the form (Cancel, a
    // refused Open) or follows a change of the tables (Delete, Paste, Save):
    // the form then does not show the record the selection names.
    bool formCommitHeld_ = false;
    bool rowDeleted_ = false;
    bool printTvList_ = true;  // which list a print would take
    ListPrinter printer_;
    std::set<std::string> backedUp_;  // files already kept as FILE.bak in this run
    std::array<int, kViewGroups> groupWorkingCount_{};
    std::array<int, kViewGroups> groupEntryIndex_{};
    std::array<int, kViewGroups> groupPosition_{};
    // Put-back state of each group: where the channel unticked last stood.
    std::array<int, kViewGroups> groupRemovedPosition_{};
    std::array<bool, kViewGroups> groupRemovedFlag_{};
    // Which channel was unticked last in each group, and all its places there.
    struct RemovedEntries {
        ChannelKind kind = ChannelKind::Tv;
        int channel = -1;
        std::vector<int> places;
    };
    std::array<RemovedEntries, kViewGroups> groupRemovedEntries_{};
    // What the pending New inserted, and the selection it replaced.
    struct PendingNew {
        NewRecord record;
        int formerRow = -1;
    } pendingNew_;
    std::optional<HeldChannel> held_;
    // A Cut or drag of several channels: all of them, ascending table
    // indices (held_ is the first); empty for one.
    std::vector<int> heldBlock_;
    std::vector<int> heldBlockBeforeDrag_;
    // selectListRow: the form follows even when the row stays the same.
    bool reshowSelection_ = false;
    int shownSelectionCount_ = 0;
    // A Cut's hold that a running drag replaced; a cancelled drag restores it.
    std::optional<HeldChannel> heldBeforeDrag_;
    ListDrag* drag_ = nullptr;
    ChannelFilter filter_;
    bool filterBarUpdating_ = false;  // the bar is being set up: no filtering yet
    bool refilterScheduled_ = false;
    bool filterUnmatchable_ = false;  // its text holds a character no name can hold
    bool statusShowsCount_ = false;   // the message pane holds a count of rows
    QLineEdit* filterText_ = nullptr;   // 32861
    QComboBox* filterShow_ = nullptr;   // 32862
    QComboBox* filterSatellite_ = nullptr;  // 32863
    SortState sortState_;  // lastSortColumn, lastSortAscending
    // Per list (TV, radio): its rows stand in a sorted order, not table order.
    std::array<bool, 2> listSorted_{};
    // Per list: the column of its last header click while a sort is pending
    // (-1: none), and that click's direction; the list's header shows it.
    std::array<int, 2> sortIndicatorColumn_{-1, -1};
    std::array<bool, 2> sortIndicatorAscending_{true, true};
    int lastHeaderClick_ = -1;  // column of the header click that set sortPending

    // Controls (owned by Qt's parent chain).
    QTabBar* tabs_ = nullptr;
    QTableView* tvList_ = nullptr;
    QTableView* radioList_ = nullptr;
    ChannelListModel* tvModel_ = nullptr;
    ChannelListModel* radioModel_ = nullptr;
    QCheckBox* tvSwitch_ = nullptr;
    QCheckBox* radioSwitch_ = nullptr;
    BannerLabel* satelliteCaption_ = nullptr;  // 1020
    BannerLabel* channelNumber_ = nullptr;     // 1105
    QLabel* pathLabel_ = nullptr;              // 1054
    QLabel* lockIndicator_ = nullptr;          // 1103
    QComboBox* transponderChooser_ = nullptr;  // 1045
    QComboBox* satelliteChooser_ = nullptr;    // 1049
    QComboBox* polarization_ = nullptr;        // 1082
    QComboBox* fec_ = nullptr;                 // 1052
    QCheckBox* pidMode_ = nullptr;             // 1106
    QCheckBox* lockBox_ = nullptr;             // 1004
    QCheckBox* scrambledBox_ = nullptr;        // 1007
    std::array<QCheckBox*, kViewGroups> favoriteBoxes_{};
    std::array<QLabel*, kViewGroups> favoritePositions_{};

    QHash<int, QWidget*> controls_;  // every control by its id
    std::unique_ptr<EditorSaveHooks> hooks_;
    // The file as last loaded or saved, as the writer produces it.
    std::vector<std::uint8_t> savedImage_;
    DiskStamp diskStamp_;

    // The undo history. Its commands count their bytes here, so the stack
    // is declared after the count and goes first.
    std::size_t historyBytes_ = 0;
    std::size_t historyLimit_ = EditHistory::kDefaultLimit;
    bool historyReplaying_ = false;                   // a rebuild: commands change nothing
    std::optional<StepSelection> historySelection_;  // what the last applied step touched
    unsigned historyRefill_ = 0;                      // what the applied steps changed (HistoryRefill)
    std::unique_ptr<QUndoStack> undoStack_;
    QPointer<QUndoView> historyView_;

    // Declared in this order so that the transfers, which use the port, go first.
    std::unique_ptr<ui::PortController> port_;
    std::unique_ptr<ui::TransferController> transfers_;
    bool portStarted_ = false;
};

}  // namespace velmora
