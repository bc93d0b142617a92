// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of the tables. Every change a person makes to the tables
// is one step: core's operations describe it (table_changes.h), a command on
// Qt's undo stack keeps it under its name, and Undo and Redo hand it back to
// core, which puts the committed tables back exactly; the lists are then
// refilled and select the channels the step touched.
//
// A sorted list: Undo and Redo put both lists back into table order and the
// working tables follow the committed ones again, as after a move. A step can
// shift, insert or remove any row, so a sorted order kept over it would name
// other records; the sort is a view of the tables, and no data is lost by
// ending it (every edit made while sorted is already in its record).
//
// The history holds at most historyLimit_ bytes (64 MB): when a new step
// passes it, the oldest steps go first. Qt's stack only drops commands by
// count, so the kept ones are moved onto a fresh stack; to do that rarely it
// drops an eighth of the limit more, as long as 200 steps remain.
#include <QCheckBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableView>
#include <QUndoStack>
#include <QUndoView>

#include "CArdelEditView.h"
#include "channel_list_model.h"
#include "record_edit.h"

namespace velmora {
namespace {

constexpr int kMinKeptSteps = 200;
// What a command costs beside its step: the object, Qt's private part, its text.
constexpr std::size_t kCommandOverhead = 160;

// What a list shows of the tables a step changed: a channel's row, and in
// every row its transponder and satellite. Favourite entries and group names
// show only on the form, which the reselection fills afresh.
enum HistoryRefill : unsigned { kTvRows = 1, kRadioRows = 2, kTransponders = 4, kSatellites = 8 };

unsigned refillOf(const EditStep& step) {
    unsigned refill = 0;
    const auto rows = [](ChannelKind kind) { return kind == ChannelKind::Tv ? kTvRows : kRadioRows; };
    for (const TableChange& change : step.changes)
        refill |= std::visit(
            [&](const auto& c) -> unsigned {
                using C = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<C, ChannelsMoved> || std::is_same_v<C, ChannelsReordered> ||
                              std::is_same_v<C, ChannelsRemoved> || std::is_same_v<C, LockChanged> ||
                              std::is_same_v<C, ChannelReplaced>)
                    return rows(c.kind);
                if constexpr (std::is_same_v<C, TranspondersRemoved> || std::is_same_v<C, TransponderReplaced>)
                    return kTransponders | kTvRows | kRadioRows;
                if constexpr (std::is_same_v<C, SatellitesRemoved> || std::is_same_v<C, SatelliteReplaced>)
                    return kSatellites | kTvRows | kRadioRows;
                if constexpr (std::is_same_v<C, TablesReplaced>) return kTvRows | kRadioRows | kTransponders | kSatellites;
                return 0;
            },
            change);
    return refill;
}

QString quoted(const std::string& name) { return QLatin1Char('\'') + QString::fromLatin1(name) + QLatin1Char('\''); }

bool sameSection(const FavoriteSection& a, const FavoriteSection& b) {
    return a.groupCount == b.groupCount && a.names == b.names && a.tvCounts == b.tvCounts &&
           a.radioCounts == b.radioCounts && a.tvMembers == b.tvMembers && a.radioMembers == b.radioMembers;
}

}  // namespace

// One kept step. Its first redo comes from the push, after the operation has
// already changed the tables: that one does nothing.
class HistoryCommand : public QUndoCommand {
public:
    HistoryCommand(CArdelEditView& view, EditStep step, const QString& text, bool applied)
        : QUndoCommand(text), view_(view), step_(std::move(step)), skipRedo_(applied) {
        bytes_ = stepBytes(step_) + kCommandOverhead + static_cast<std::size_t>(text.size()) * sizeof(QChar);
        view_.historyBytes_ += bytes_;
    }
    ~HistoryCommand() override { view_.historyBytes_ -= bytes_; }
    void undo() override { view_.applyHistoryStep(step_, true); }
    void redo() override {
        if (std::exchange(skipRedo_, false)) return;
        view_.applyHistoryStep(step_, false);
    }
    std::size_t bytes() const { return bytes_; }
    EditStep takeStep() { return std::move(step_); }

private:
    CArdelEditView& view_;
    EditStep step_;
    std::size_t bytes_ = 0;
    bool skipRedo_;
};

void CArdelEditView::setUpHistory() {
    undoStack_ = std::make_unique<QUndoStack>();
    // Once per Undo, Redo or click in the history view, however many steps
    // it went over: the lists are refilled once.
    connect(undoStack_.get(), &QUndoStack::indexChanged, this, [this] { showHistoryStep(); });
}

bool CArdelEditView::fieldUndoKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || edit->isReadOnly() || !isAncestorOf(edit)) return false;
    const QKeyCombination keys = static_cast<QKeyEvent*>(event)->keyCombination();
    const bool undo = keys == (Qt::CTRL | Qt::Key_Z) || keys == (Qt::ALT | Qt::Key_Backspace);
    const bool redo = keys == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z) || keys == (Qt::CTRL | Qt::Key_Y);
    if (!undo && !redo) return false;
    // The override keeps the window's Undo and Redo from taking the keys;
    // the press then goes to the field alike on every keyboard scheme.
    event->accept();
    if (event->type() == QEvent::KeyPress) undo ? edit->undo() : edit->redo();
    return true;
}

void CArdelEditView::recordStep(EditStep step, const QString& text) {
    if (step.empty() || !undoStack_) return;
    auto* command = new HistoryCommand(*this, std::move(step), text, true);
    if (command->bytes() > historyLimit_) {
        // Older steps cannot be undone past one that is not kept.
        delete command;
        clearHistory();
        emit statusText(tr("\"%1\" is too large to be undone; the undo history was cleared").arg(text));
        emit commandStateChanged();
        return;
    }
    undoStack_->push(command);  // drops the steps that could have been redone
    if (historyBytes_ > historyLimit_) keepHistoryWithinLimit();
    emit stepRecorded();
    emit commandStateChanged();
}

void CArdelEditView::keepHistoryWithinLimit() {
    const int count = undoStack_->count();
    const int index = undoStack_->index();
    auto at = [&](int i) { return static_cast<const HistoryCommand*>(undoStack_->command(i)); };
    // Only after a push, so every step is done and the oldest can go.
    std::size_t bytes = historyBytes_;
    int drop = 0;
    while (drop < count - 1 && bytes > historyLimit_) bytes -= at(drop++)->bytes();
    while (drop < count - kMinKeptSteps && bytes > historyLimit_ - historyLimit_ / 8) bytes -= at(drop++)->bytes();
    std::vector<std::pair<EditStep, QString>> kept;
    kept.reserve(static_cast<std::size_t>(count - drop));
    for (int i = drop; i < count; ++i)
        kept.emplace_back(const_cast<HistoryCommand*>(at(i))->takeStep(), undoStack_->text(i));
    {
        const QScopedValueRollback replay(historyReplaying_, true);
        const QSignalBlocker quiet(undoStack_.get());
        undoStack_->clear();
        for (auto& [step, text] : kept) undoStack_->push(new HistoryCommand(*this, std::move(step), text, true));
        undoStack_->setIndex(index - drop);
    }
    if (historyView_) {
        historyView_->setStack(nullptr);
        historyView_->setStack(undoStack_.get());
    }
    emit statusText(tr("The oldest undo steps were dropped to keep the history within %1 MB")
                        .arg(historyLimit_ >> 20));
}

void CArdelEditView::clearHistory() {
    if (undoStack_) undoStack_->clear();
    historySelection_.reset();
}

bool CArdelEditView::historyAvailable() const {
    // A pending New or cut holds rows the steps know nothing of; a running
    // drag holds a channel by its index.
    return flags_.fileLoaded && db_->tablesAllocated() && !flags_.newRecordPending && !flags_.cutPending &&
           !listUpdateInProgress_;
}

QString CArdelEditView::undoText() const {
    const QString step = undoStack_->undoText();
    return step.isEmpty() ? tr("Undo") : tr("Undo %1").arg(step);
}

QString CArdelEditView::redoText() const {
    const QString step = undoStack_->redoText();
    return step.isEmpty() ? tr("Redo") : tr("Redo %1").arg(step);
}

void CArdelEditView::undoCommand() {
    if (!historyAvailable()) return;
    // What was typed goes into its record first, as when the selection moves
    // away: it is then the newest step, and Undo takes it back.
    commitShownRecords();
    if (undoStack_->canUndo()) undoStack_->undo();
    emit commandStateChanged();
}

void CArdelEditView::redoCommand() {
    if (!historyAvailable()) return;
    // A typed edit is a new step: it ends what could have been redone.
    commitShownRecords();
    if (undoStack_->canRedo()) undoStack_->redo();
    emit commandStateChanged();
}

void CArdelEditView::applyHistoryStep(const EditStep& step, bool undo) {
    if (historyReplaying_) return;
    undo ? undoStep(*db_, step) : redoStep(*db_, step);
    historySelection_ = stepSelection(step, undo);
    historyRefill_ |= refillOf(step);
}

void CArdelEditView::showHistoryStep() {
    if (!historySelection_) return;
    const StepSelection touched = *std::exchange(historySelection_, std::nullopt);
    const unsigned refill = std::exchange(historyRefill_, 0) | (flags_.sortPending ? kTvRows | kRadioRows : 0);
    const QScopedValueRollback hold(formCommitHeld_, true);
    flags_.sortPending = false;
    db_->syncWorkingTables();
    rowDeleted_ = false;
    // Put-back places name channels by index: they may name others now.
    groupRemovedFlag_.fill(false);
    groupRemovedEntries_ = {};
    if (refill & kTransponders) fillTransponderChooser();
    showFavoriteCaptions();
    if (refill & kTvRows) fillTvList();
    if (refill & kRadioRows) fillRadioList();
    // Favourite entries change no row's text but may change what matches.
    if (!(refill & kTvRows)) applyFilter(ChannelKind::Tv, false);
    if (!(refill & kRadioRows)) applyFilter(ChannelKind::Radio, false);

    ChannelKind kind = activeKind();
    int row = selectedRow();
    if (touched.channelsTouched) {
        const int count = db_->channelCount(touched.kind);
        if (count > 0 || activeList_ == ActiveList::None) kind = touched.kind;
        if (kind == touched.kind) row = touched.channels.empty() ? touched.row : touched.channels.front();
    }
    const int count = db_->channelCount(kind);
    row = std::clamp(row, 0, std::max(count - 1, 0));
    if ((kind == ChannelKind::Tv) != tvSwitch_->isChecked()) kind == ChannelKind::Tv ? tvSwitch() : radioSwitch();
    (kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_) = count > 0 ? row : -1;
    for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio}) {
        int& other = k == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
        other = std::min(other, db_->channelCount(k) - 1);
    }
    if (count > 0) {
        QTableView* list = listOf(kind);
        list->setFocus();
        selectListRow(list, row);
        if (touched.channelsTouched && kind == touched.kind && touched.channels.size() > 1) {
            // Every channel of a block step (those the filter shows).
            addListRowsToSelection(list, touched.channels);
            showSelectionMarks();
            showSelectionCount();
        }
    } else {
        emptyFormAfterLastChannel();
    }
    updateRecordButtons();
    emit commandStateChanged();
    emit formEdited();  // the title's unsaved marker
}

QUndoView* CArdelEditView::createHistoryView(QWidget* parent) {
    auto* history = new QUndoView(undoStack_.get(), parent);
    history->setObjectName(QStringLiteral("undo-history"));
    history->setEmptyLabel(tr("As opened"));
    historyView_ = history;
    return history;
}

// ---- what a save changes ----

CArdelEditView::RecordSnapshot CArdelEditView::snapshotRecords() const {
    RecordSnapshot s;
    const ChannelDatabase& db = *db_;
    const auto part = [](const auto& table, std::size_t n) { return std::vector(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(n)); };
    s.satellites = part(db.satellites, db.satelliteCount);
    s.extras = part(db.satelliteExtra, db.satelliteCount);
    s.transponders = part(db.transponders, db.transponderCount);
    s.tv = part(db.tv, db.tvCount);
    s.radio = part(db.radio, db.radioCount);
    s.favorites = favoriteSection(db);
    return s;
}

void CArdelEditView::recordSave(const RecordSnapshot& before, const std::optional<NewRecord>& inserted) {
    // Each record the save changed: its commits, the band rule, a sorted
    // row's copy-back. Without a New every record keeps its index.
    const auto edits = [&](const ChannelDatabase& db, auto&& keep) {
        for (std::size_t i = 0; i < before.satellites.size() && i < db.satelliteCount; ++i) {
            EditStep step;
            noteSatelliteEdit(db, static_cast<int>(i), before.satellites[i], before.extras[i], step);
            keep(std::move(step), tr("Edit Satellite %1").arg(quoted(fieldText(db.satellites[i].name))));
        }
        for (std::size_t i = 0; i < before.transponders.size() && i < db.transponderCount; ++i) {
            EditStep step;
            noteTransponderEdit(db, static_cast<int>(i), before.transponders[i], step);
            keep(std::move(step), tr("Edit Transponder %1").arg(i + 1));
        }
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            const auto& was = kind == ChannelKind::Tv ? before.tv : before.radio;
            for (std::size_t i = 0; i < was.size() && i < db.channelCount(kind); ++i) {
                EditStep step;
                noteChannelEdit(db, kind, static_cast<int>(i), was[i], step);
                keep(std::move(step), tr("Edit Channel %1").arg(quoted(fieldText(db.channels(kind)[i].name))));
            }
        }
    };
    if (!inserted) {
        edits(*db_, [this](EditStep step, const QString& text) { recordStep(std::move(step), text); });
        return;
    }
    // A New with what was typed while it was pending is one step: the edits
    // in the coordinates before the insertion, then the insertion.
    EditStep insertion = newRecordStep(*db_, *inserted);
    ChannelDatabase without = *db_;
    undoStep(without, insertion);
    EditStep step;
    edits(without, [&step](EditStep part, const QString&) {
        for (TableChange& c : part.changes) step.changes.push_back(std::move(c));
    });
    if (!sameSection(favoriteSection(without), before.favorites)) noteFavoritesReplaced(without, before.favorites, step);
    for (TableChange& c : insertion.changes) step.changes.push_back(std::move(c));
    static const char* const kNames[] = {QT_TR_NOOP("New Channel"), QT_TR_NOOP("New Transponder"), QT_TR_NOOP("New Satellite")};
    recordStep(std::move(step), tr(kNames[static_cast<int>(inserted->page)]));
}

}  // namespace velmora
