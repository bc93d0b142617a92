// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar above the lists: a text anywhere in the name, a Show choice
// and a satellite. Both lists show only the rows whose channels match; the
// matching itself is core's (list_filter), the same as `velmora list`'s.
//
// Filtering hides rows in the list models and touches neither the tables nor
// the rows' order, so a sorted list stays sorted and every row still names
// its record by its Number cell.
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

#include "CArdelEditView.h"
#include "channel_list_model.h"
#include "codes.h"

namespace velmora {
namespace {

constexpr int kFilterTextId = 32861;
constexpr int kFilterShowId = 32862;
constexpr int kFilterSatelliteId = 32863;

// What an item of the Show chooser stands for (its item data).
enum ShowItem : int { All, Free, Scrambled, Locked, GroupsHeading, NoGroup, Duplicates, FirstGroup = 100 };

ChannelFilter filterFor(const QString& text, int show, int satellite) {
    ChannelFilter f;
    f.text = text.toLatin1().toStdString();
    switch (show) {
    case Free: f.show = ShowChoice::Free; break;
    case Scrambled: f.show = ShowChoice::Scrambled; break;
    case Locked: f.show = ShowChoice::Locked; break;
    case NoGroup: f.show = ShowChoice::NoGroup; break;
    case Duplicates: f.show = ShowChoice::Duplicates; break;
    default:
        if (show >= FirstGroup) {
            f.show = ShowChoice::InGroup;
            f.group = show - FirstGroup;
        }
        break;
    }
    f.satellite = satellite;
    return f;
}

// Items as (text, data); the chooser is rebuilt only when they differ.
using Items = std::vector<std::pair<QString, int>>;

bool sameItems(const QComboBox* box, const Items& items) {
    if (box->count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i) != items[static_cast<std::size_t>(i)].first ||
            box->itemData(i).toInt() != items[static_cast<std::size_t>(i)].second)
            return false;
    return true;
}

// Puts `items` into `box`, keeping the chosen item where it is still
// offered, the first item otherwise. A group is the same group under a new
// name (by its data); a satellite is known by its name and position, since
// a deleted satellite shifts the indices of those after it.
void setItems(QComboBox* box, const Items& items, bool reset, bool byText) {
    const int chosen = box->currentIndex() >= 0 ? box->currentData().toInt() : items.front().second;
    const QString chosenText = box->currentText();
    if (!sameItems(box, items)) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const auto& [text, data] : items) box->addItem(text, data);
    }
    const int at = reset ? 0 : byText ? box->findText(chosenText) : box->findData(chosen);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

}  // namespace

QWidget* CArdelEditView::buildFilterBar(QWidget* area) {
    auto* bar = new QWidget(area);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    filterText_ = new QLineEdit(bar);
    filterText_->setObjectName(QString::number(kFilterTextId));
    filterText_->setPlaceholderText(tr("Filter channels"));
    filterText_->setClearButtonEnabled(true);
    filterShow_ = new QComboBox(bar);
    filterShow_->setObjectName(QString::number(kFilterShowId));
    filterShow_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    filterSatellite_ = new QComboBox(bar);
    filterSatellite_->setObjectName(QString::number(kFilterSatelliteId));
    filterSatellite_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row->addWidget(filterText_, 1);
    row->addWidget(filterShow_);
    row->addWidget(filterSatellite_);
    controls_.insert(kFilterTextId, filterText_);
    controls_.insert(kFilterShowId, filterShow_);
    controls_.insert(kFilterSatelliteId, filterSatellite_);
    syncFilterChoices(true);
    // Every keystroke filters at once: the lists show the matches within a frame.
    connect(filterText_, &QLineEdit::textChanged, this, &CArdelEditView::filterEdited);
    connect(filterShow_, &QComboBox::currentIndexChanged, this, &CArdelEditView::filterEdited);
    connect(filterSatellite_, &QComboBox::currentIndexChanged, this, &CArdelEditView::filterEdited);
    return bar;
}

void CArdelEditView::syncFilterChoices(bool reset) {
    const bool loaded = db_->tablesAllocated();
    Items show = {{tr("All channels"), All}, {tr("Free only"), Free}, {tr("Scrambled only"), Scrambled},
                  {tr("Locked"), Locked}};
    const std::size_t groups = loaded ? db_->groupCount() : 0;
    if (groups > 0) show.emplace_back(tr("In favourite group…"), GroupsHeading);
    for (std::size_t g = 0; g < groups && g < db_->groupNames.size(); ++g)
        show.emplace_back(QStringLiteral("  ") + QString::fromLatin1(fieldText(db_->groupNames[g])),
                          FirstGroup + static_cast<int>(g));
    show.emplace_back(tr("In no favourite group"), NoGroup);
    show.emplace_back(tr("Duplicates"), Duplicates);
    Items satellites = {{tr("All satellites"), -1}};
    for (std::size_t i = 0; loaded && i < db_->satelliteCount; ++i) {
        const SatelliteEntry& sat = db_->satellites[i];
        satellites.emplace_back(tr("%1 (%2)").arg(QString::fromLatin1(fieldText(sat.name)),
                                                  QString::fromLatin1(longitudeText(sat.longitude))),
                                static_cast<int>(i));
    }
    const bool updating = std::exchange(filterBarUpdating_, true);
    setItems(filterShow_, show, reset, false);
    // The heading names what follows it; it is not a choice of its own.
    if (auto* items = qobject_cast<QStandardItemModel*>(filterShow_->model())) {
        const int heading = filterShow_->findData(GroupsHeading);
        if (heading >= 0) items->item(heading)->setEnabled(false);
    }
    setItems(filterSatellite_, satellites, reset, true);
    filterBarUpdating_ = updating;
}

void CArdelEditView::updateFilterBarState() {
    // A pending New edits a record the lists do not show yet; the filter
    // waits for its Save or Cancel.
    const bool on = flags_.fileLoaded && !flags_.newRecordPending;
    for (QWidget* w : {static_cast<QWidget*>(filterText_), static_cast<QWidget*>(filterShow_),
                       static_cast<QWidget*>(filterSatellite_)})
        w->setEnabled(on);
}

void CArdelEditView::filterEdited() {
    if (filterBarUpdating_) return;
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio})
        applyFilter(kind, activeList_ != ActiveList::None && kind == activeKind());
    showSelectionCount();
    emit commandStateChanged();
}

void CArdelEditView::applyFilter(ChannelKind kind, bool reselect) {
    const QString text = filterText_->text();
    filter_ = filterFor(text, filterShow_->currentData().toInt(), filterSatellite_->currentData().toInt());
    // A character the file's texts cannot hold matches no name.
    filterUnmatchable_ = false;
    for (const QChar c : text) filterUnmatchable_ = filterUnmatchable_ || c.unicode() > 0xFF;

    ChannelListModel* model = modelOf(kind);
    if (!filter_.active() && !model->filtered()) return;
    QTableView* list = listOf(kind);
    // The selection as list rows, before the reset drops it.
    std::vector<int> selected;
    if (reselect) {
        // Read from the ranges: selectedRows() walks every range per row.
        for (const QItemSelectionRange& range : list->selectionModel()->selection())
            for (int r = range.top(); r <= range.bottom(); ++r) selected.push_back(model->listRow(r));
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    }
    std::optional<std::vector<int>> shown;
    if (filter_.active()) {
        shown.emplace();
        const int count = db_->tablesAllocated() ? db_->channelCount(kind) : 0;
        if (!filterUnmatchable_ && count > 0) {
            const std::vector<char> match = matchingChannels(*db_, kind, filter_);
            shown->reserve(static_cast<std::size_t>(model->listRowCount()));
            for (int r = 0; r < model->listRowCount(); ++r) {
                const int record = model->cell(r, 0).toInt() - 1;
                if (record >= 0 && record < count && match[static_cast<std::size_t>(record)]) shown->push_back(r);
            }
        }
    }
    model->setShownRows(std::move(shown));
    if (!reselect) return;
    // The current channel stays selected where it still matches; otherwise
    // its nearest shown neighbour takes over and the form follows it.
    const int current = kind == ChannelKind::Tv ? selectedTvRow_ : selectedRadioRow_;
    const int at = model->shownRow(current) >= 0 ? model->shownRow(current) : model->nearestShownRow(current);
    if (at < 0) return;
    const QModelIndex index = model->index(at, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    addListRowsToSelection(list, selected);
    list->scrollTo(index);
}

void CArdelEditView::addListRowsToSelection(QTableView* list, const std::vector<int>& listRows) {
    if (listRows.size() < 2) return;
    const auto* model = static_cast<const ChannelListModel*>(list->model());
    std::vector<int> rows;
    rows.reserve(listRows.size());
    for (const int r : listRows)
        if (const int at = model->shownRow(r); at >= 0) rows.push_back(at);
    std::sort(rows.begin(), rows.end());
    // Runs of neighbouring rows as one range each: one selection change.
    QItemSelection selection;
    const int last = model->columnCount() - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) ++j;
        selection.select(model->index(rows[i], 0), model->index(rows[j], last));
        i = j + 1;
    }
    // The ranges span whole rows already: the Rows flag would widen them
    // again, merging each into the others, which for thousands of runs is
    // most of the time a keystroke takes.
    list->selectionModel()->select(selection, QItemSelectionModel::Select);
}

void CArdelEditView::refilterLists() {
    refilterScheduled_ = false;
    if (!listFiltered() || flags_.newRecordPending || listUpdateInProgress_) return;
    filterEdited();
}

void CArdelEditView::scheduleRefilter() {
    // A commit runs inside the selection change that leaves its record:
    // the rows change once that change is over.
    if (!listFiltered() || refilterScheduled_) return;
    refilterScheduled_ = true;
    QTimer::singleShot(0, this, &CArdelEditView::refilterLists);
}

void CArdelEditView::clearFilter() {
    if (!listFiltered() && !modelOf(ChannelKind::Tv)->filtered() && !modelOf(ChannelKind::Radio)->filtered()) return;
    {
        const bool updating = std::exchange(filterBarUpdating_, true);
        filterText_->clear();
        filterShow_->setCurrentIndex(0);
        filterSatellite_->setCurrentIndex(0);
        filterBarUpdating_ = updating;
    }
    filterEdited();
}

void CArdelEditView::focusFilter() {
    if (!filterText_->isEnabled()) return;
    filterText_->setFocus(Qt::ShortcutFocusReason);
    filterText_->selectAll();
}

bool CArdelEditView::filterKey(QObject* watched, QEvent* event) {
    if (watched != filterText_ || event->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    filterText_->clear();
    return true;
}

bool CArdelEditView::currentRowShown() const {
    if (activeList_ == ActiveList::None) return false;
    return modelOf(activeKind())->shownRow(selectedRow()) >= 0;
}

}  // namespace velmora
