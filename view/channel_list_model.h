// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of one channel list (TV or radio), formatted once when the list is
// filled: 10000 rows must fill and scroll without per-row widget items.
//
// A filter hides rows without touching them: the model keeps the whole list
// ("list rows", in table or sorted order) and shows the list rows the filter
// lets through, so a keystroke in the filter rebuilds one vector of indices,
// not 10000 rows of text. The view's own API (rowCount, data) counts shown
// rows; cell, row and setRow take list rows.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QStaticText>
#include <QString>
#include <QStyledItemDelegate>
#include <QByteArray>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "channel_database.h"
#include "list_order.h"

namespace velmora {

struct ChannelRow {
    std::array<QString, 4> cells;  // Number, Channel Name, Transponder, Satellite Name
    int image = 1;                 // 0 = scrambled picture; 1 = none
};

// Cell texts and picture of channel n of the committed table of `kind`.
ChannelRow formatChannelRow(const ChannelDatabase& db, ChannelKind kind, int n);

class ChannelListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = kListColumns;
    static const std::array<const char*, kColumns> kHeaders;
    static const std::array<int, kColumns> kWidths;
    // The heading of `column` in the current language.
    static QString headerText(int column);

    explicit ChannelListModel(QObject* parent = nullptr);

    // A new list, every row shown.
    void setRows(std::vector<ChannelRow> rows);
    void setRow(int row, ChannelRow texts);
    void clear();
    // Row i takes the row that stood at order[i] (a permutation of the rows),
    // in one reset; every row is shown again.
    void reorder(std::span<const int> order);
    // Only these list rows are shown, ascending; nullopt shows all of them.
    void setShownRows(std::optional<std::vector<int>> listRows);
    bool filtered() const { return shown_.has_value(); }
    int listRowCount() const { return static_cast<int>(rows_.size()); }
    // The list row a shown row stands for, and the shown row of a list row
    // (-1 when the filter hides it or it does not exist).
    int listRow(int shownRow) const;
    int shownRow(int listRow) const;
    // The shown row at or after `listRow` in list order, else the last one
    // before it; -1 when nothing is shown.
    int nearestShownRow(int listRow) const;
    // The texts of one column as the file's single-byte texts, row by row.
    std::vector<QByteArray> columnBytes(int column) const;
    const QString& cell(int row, int column) const;
    const ChannelRow* row(int row) const;
    // The row whose Number cell holds `number` is drawn greyed (0: none).
    void setMarkedNumber(int number);
    // Several rows at once (a block held for Paste): ascending numbers.
    void setMarkedNumbers(std::vector<int> numbers);
    int markedNumber() const { return markedNumbers_.empty() ? 0 : markedNumbers_.front(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ChannelRow> rows_;
    std::optional<std::vector<int>> shown_;  // list rows shown, ascending
    std::vector<int> shownOf_;               // per list row its shown row, -1 hidden (while filtered)
    QIcon scrambledIcon_;
    std::vector<int> markedNumbers_;
};

// Paints the list cells as the style does, but keeps the shaped text of each
// cell: a jump through the list repaints every visible cell, and shaping and
// laying out each text three times over dominated that repaint.
class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Texts whose shaping is kept (bounded; emptied when it fills up).
    static constexpr int kCacheLimit = 4096;
    int cachedTexts() const { return static_cast<int>(shaped_.size()); }

private:
    const QStaticText& shaped(const QString& text, const QFont& font) const;

    mutable QHash<QString, QStaticText> shaped_;
    mutable QFont cacheFont_;
};

}  // namespace velmora
