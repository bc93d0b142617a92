// SPDX-License-Identifier: GPL-3.0-or-later
// The lists to and from a spreadsheet: File > Export List…, Edit > Copy Rows
// (Ctrl+C in a list) and a list (CSV or TSV) as the reference of Edit >
// Apply Order From…. Copy puts text on the clipboard only; nothing pastes
// text into the lists.
#include <QKeyEvent>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QTableView>

#include <algorithm>
#include <functional>

#include "CArdelEditView.h"
#include "apply_order_dialog.h"
#include "order_report.h"
#include "channel_writer.h"
#include "list_csv.h"
#include "prompter.h"

namespace velmora {
namespace {

constexpr const char* kListFilter = QT_TRANSLATE_NOOP("velmora::CArdelEditView", "Lists (*.csv *.tsv)|*.csv;*.tsv|All Files(*.*)|*|");
// Far above a capacity list (about 4 MB); a bigger file is not one.
constexpr qint64 kLargestList = 64 << 20;

// Takes the copy keys (Ctrl+C and the platform's others) from a list.
class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(QObject* parent, std::function<void()> copy) : QObject(parent), copy_(std::move(copy)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->matches(QKeySequence::Copy)) return QObject::eventFilter(watched, event);
        // Claimed as the list's own key, so that no window shortcut takes it.
        event->accept();
        if (event->type() == QEvent::KeyPress) copy_();
        return true;
    }

private:
    std::function<void()> copy_;
};

}  // namespace

bool CArdelEditView::exportListAvailable() const { return flags_.fileLoaded && db_->tablesAllocated(); }

void CArdelEditView::exportListCommand() {
    if (!exportListAvailable()) return;
    ui::FileRequest request;
    request.caption = tr("Export List");
    request.defaultSuffix = QStringLiteral("csv");
    request.initialName = QFileInfo(QString::fromStdString(flags_.filePath)).completeBaseName() + QStringLiteral(".csv");
    request.filter = ui::qtFilter(tr(kListFilter));
    const QString path = ui::Prompter::current().saveFile(this, request);
    if (path.isEmpty()) return;
    // The committed tables: what Save would write, in file order.
    const char separator = path.endsWith(QStringLiteral(".tsv"), Qt::CaseInsensitive) ? '\t' : ',';
    const std::string text = exportListCsv(*db_, ListChoice::Both, separator);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const SaveResult r = writeFileAtomically(path.toStdString(), std::span<const std::uint8_t>(bytes, text.size()));
    if (!r.ok)
        ui::notice(this, tr("The list cannot be written: %1\n%2").arg(QString::fromStdString(r.error), path));
}

QString CArdelEditView::selectedRowsText(ChannelKind kind) const {
    const QTableView* list = listOf(kind);
    const QAbstractItemModel* model = list->model();
    QModelIndexList rows = list->selectionModel()->selectedRows(0);
    // As shown: a sort reorders the model's rows, a hidden row is not shown.
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    auto line = [&](auto cellText) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) cells << cellText(c).replace(QLatin1Char('\t'), QLatin1Char(' '));
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString text = line([&](int c) { return model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(); });
    for (const QModelIndex& row : rows) {
        if (list->isRowHidden(row.row())) continue;
        text += line([&](int c) { return model->index(row.row(), c).data(Qt::DisplayRole).toString(); });
    }
    return text;
}

bool CArdelEditView::copyRowsAvailable() const {
    return activeList_ != ActiveList::None && listOf(activeKind())->selectionModel()->hasSelection();
}

void CArdelEditView::copyRowsCommand() {
    if (!copyRowsAvailable()) return;
    QGuiApplication::clipboard()->setText(selectedRowsText(activeKind()));
}

void CArdelEditView::installCopyRowsKey(QTableView* list, ChannelKind kind) {
    // On the list alone, and ahead of the list's own copy of the current
    // cell: Ctrl+C elsewhere on the form copies field text as usual.
    auto* filter = new CopyKeyFilter(list, [this, list, kind] {
        if (list->selectionModel()->hasSelection()) QGuiApplication::clipboard()->setText(selectedRowsText(kind));
    });
    list->installEventFilter(filter);
}

bool CArdelEditView::isListReference(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(4);
    return !head.isEmpty() && !isChannelFileImage(std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
}

void CArdelEditView::applyListOrderFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestList) {
        ui::notice(this, tr("The list cannot be read; the order of the lists was not changed.\n%1").arg(path));
        return;
    }
    const QByteArray bytes = file.readAll();
    // A list edited in a spreadsheet brings back its names and the groups its
    // columns name; the dialog's report says what is taken before OK.
    CsvOrderOptions options;
    options.names = true;
    options.groupsWhenNamed = true;
    CsvOrder order;
    std::string error;
    if (!planCsvOrder(*db_, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), options, order,
                      error)) {
        ui::notice(this, tr("The list is not one this editor can read; the order of the lists was not changed.\n%1\n%2")
                             .arg(QString::fromStdString(error), path));
        return;
    }
    ApplyOrderDialog dialog(this, path, reportOfListOrder(order));
    if (ui::Prompter::current().runDialog(dialog) != QDialog::Accepted) return;
    commitShownRecords();  // before the rows move under the form
    EditStep step;
    if (applyCsvOrder(*db_, order, &step) != EditStatus::Done) return;
    showAppliedOrder(std::move(step), path, order.plan.tvOrder, order.plan.radioOrder);
}

}  // namespace velmora
