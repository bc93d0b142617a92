// The rows of one channel list (TV or radio), formatted once when the list is
// filled: 10000 rows must fill and scroll without per-row widget items.
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

    void setRows(std::vector<ChannelRow> rows);
    void setRow(int row, ChannelRow texts);
    void clear();
    // Row i takes the row that stood at order[i] (a permutation of the rows),
    // in one reset.
    void reorder(std::span<const int> order);
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
