// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Apply Order From…: both lists take the order of a reference file,
// matched channel by channel as `velmora reorder` does; the favourite
// entries follow their channels, the groups stay the file's own.
#include <algorithm>

#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTableView>

#include "CArdelEditView.h"
#include "apply_order_dialog.h"
#include "order_report.h"
#include "channel_reader.h"
#include "list_reorder.h"
#include "core_texts.h"
#include "prompter.h"

namespace velmora {

bool CArdelEditView::wholeTablesEditable() const {
    // A pending New, sort or cut holds rows or positions that an operation
    // on the whole committed tables would invalidate.
    return flags_.editActive && db_->tablesAllocated() && !flags_.cutPending && !flags_.sortPending &&
           !flags_.newRecordPending;
}

bool CArdelEditView::applyOrderAvailable() const { return wholeTablesEditable(); }

void CArdelEditView::applyOrderFrom() {
    if (!applyOrderAvailable()) return;
    ui::FileRequest request;
    request.caption = tr("Apply Order From");
    request.defaultSuffix = QStringLiteral("bin");
    request.initialName = QStringLiteral("*.bin");
    request.filter = ui::qtFilter(ui::text(ui::kChannelFileFilter)) +
                     QStringLiteral(";;") + tr("Lists (*.csv *.tsv)");
    const QString path = ui::Prompter::current().openFile(this, request);
    if (path.isEmpty()) return;
    if (isListReference(path)) {
        applyListOrderFrom(path);  // a list from a spreadsheet (CArdelEditView_lists_csv.cpp)
        return;
    }

    ChannelDatabase reference;
    const LoadResult loaded = loadChannelFile(path.toStdString(), reference);
    if (!loaded.ok()) {
        // The reader's texts speak of "the file" as if it were the open one;
        // the message says which file is meant and that the lists are untouched.
        QString text = loaded.status == LoadStatus::CannotOpen
                           ? tr("The reference file cannot be read; the order of the lists was not changed.")
                           : tr("The reference file is damaged; the order of the lists was not changed.");
        // Its format errors say nothing more; other reasons (too short, too
        // large, unreadable) do.
        if (loaded.status != LoadStatus::BadMagic && loaded.status != LoadStatus::BadChannelMagic)
            for (const std::string& message : loaded.messages) text += QLatin1Char('\n') + ui::coreText(message);
        ui::notice(this, text + QLatin1Char('\n') + path);
        return;
    }
    const ReorderPlan plan = planReorder(*db_, reference, false);
    ApplyOrderDialog dialog(this, path, reportOfOrder(plan.report));
    if (ui::Prompter::current().runDialog(dialog) != QDialog::Accepted) return;
    commitShownRecords();  // before the rows move under the form
    EditStep step;
    if (applyReorder(*db_, plan, &step) != EditStatus::Done) return;
    showAppliedOrder(std::move(step), path, plan.tvOrder, plan.radioOrder);
}

void CArdelEditView::showAppliedOrder(EditStep&& step, const QString& path, const std::vector<int>& tvOrder,
                                      const std::vector<int>& radioOrder) {
    recordStep(std::move(step), tr("Apply Order From '%1'").arg(QFileInfo(path).fileName()));
    const QScopedValueRollback hold(formCommitHeld_, true);

    // The selected channel of each list stays selected at its new place.
    auto follow = [](int& row, const std::vector<int>& order) {
        const auto at = std::find(order.begin(), order.end(), row);
        if (at != order.end()) row = static_cast<int>(at - order.begin());
    };
    follow(selectedTvRow_, tvOrder);
    follow(selectedRadioRow_, radioOrder);
    // Names may have changed too: the hidden list is refilled, the shown one
    // refreshed and reselected.
    if (activeList_ != ActiveList::Tv) fillTvList();
    if (activeList_ != ActiveList::Radio) fillRadioList();
    refreshLists();
    emit commandStateChanged();
}

}  // namespace velmora
