// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_list_model.h"

#include <algorithm>

#include <QApplication>
#include <QBrush>
#include <QPainter>
#include <QStyle>

#include "list_order.h"

namespace velmora {

const std::array<const char*, ChannelListModel::kColumns> ChannelListModel::kHeaders{
    QT_TR_NOOP("Number"), QT_TR_NOOP("Channel Name"), QT_TR_NOOP("Transponder"), QT_TR_NOOP("Satellite Name")};
const std::array<int, ChannelListModel::kColumns> ChannelListModel::kWidths{80, 195, 160, 130};

ChannelRow formatChannelRow(const ChannelDatabase& db, ChannelKind kind, int n) {
    const ChannelRowText text = channelRowText(db, kind, n);
    ChannelRow row;
    for (std::size_t c = 0; c < row.cells.size(); ++c) row.cells[c] = QString::fromLatin1(text.cells[c]);
    row.image = text.scrambled ? 0 : 1;
    return row;
}

ChannelListModel::ChannelListModel(QObject* parent)
    : QAbstractTableModel(parent), scrambledIcon_(QStringLiteral(":/images/scrambled.png")) {}

void ChannelListModel::setRows(std::vector<ChannelRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    shown_.reset();
    shownOf_.clear();
    endResetModel();
}

void ChannelListModel::setRow(int row, ChannelRow texts) {
    if (row < 0 || row >= listRowCount()) return;
    rows_[static_cast<std::size_t>(row)] = std::move(texts);
    if (const int at = shownRow(row); at >= 0) emit dataChanged(index(at, 0), index(at, kColumns - 1));
}

void ChannelListModel::setShownRows(std::optional<std::vector<int>> listRows) {
    beginResetModel();
    shown_ = std::move(listRows);
    shownOf_.clear();
    if (shown_) {
        shownOf_.assign(rows_.size(), -1);
        std::size_t kept = 0;
        for (const int r : *shown_) {
            if (r < 0 || static_cast<std::size_t>(r) >= rows_.size() || shownOf_[static_cast<std::size_t>(r)] >= 0) continue;
            shownOf_[static_cast<std::size_t>(r)] = static_cast<int>(kept);
            (*shown_)[kept++] = r;
        }
        shown_->resize(kept);
    }
    endResetModel();
}

int ChannelListModel::listRow(int shownRow) const {
    if (!shown_) return shownRow >= 0 && shownRow < listRowCount() ? shownRow : -1;
    return shownRow >= 0 && static_cast<std::size_t>(shownRow) < shown_->size() ? (*shown_)[static_cast<std::size_t>(shownRow)]
                                                                                : -1;
}

int ChannelListModel::shownRow(int listRow) const {
    if (listRow < 0 || listRow >= listRowCount()) return -1;
    return shown_ ? shownOf_[static_cast<std::size_t>(listRow)] : listRow;
}

int ChannelListModel::nearestShownRow(int listRow) const {
    const int n = rowCount();
    if (n == 0) return -1;
    if (!shown_) return std::clamp(listRow, 0, n - 1);
    const auto at = std::lower_bound(shown_->begin(), shown_->end(), listRow);
    return at == shown_->end() ? n - 1 : static_cast<int>(at - shown_->begin());
}

void ChannelListModel::clear() { setRows({}); }

void ChannelListModel::reorder(std::span<const int> order) {
    if (order.size() != rows_.size()) return;
    std::vector<ChannelRow> moved;
    moved.reserve(rows_.size());
    for (int from : order) moved.push_back(std::move(rows_[static_cast<std::size_t>(from)]));
    setRows(std::move(moved));
}

std::vector<QByteArray> ChannelListModel::columnBytes(int column) const {
    std::vector<QByteArray> out;
    if (column < 0 || column >= kColumns) return out;
    out.reserve(rows_.size());
    for (const ChannelRow& r : rows_) out.push_back(r.cells[static_cast<std::size_t>(column)].toLatin1());
    return out;
}

const QString& ChannelListModel::cell(int row, int column) const {
    static const QString empty;
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || column < 0 || column >= kColumns) return empty;
    return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

const ChannelRow* ChannelListModel::row(int r) const {
    if (r < 0 || static_cast<std::size_t>(r) >= rows_.size()) return nullptr;
    return &rows_[static_cast<std::size_t>(r)];
}

void ChannelListModel::setMarkedNumber(int number) {
    setMarkedNumbers(number > 0 ? std::vector<int>{number} : std::vector<int>{});
}

void ChannelListModel::setMarkedNumbers(std::vector<int> numbers) {
    if (numbers == markedNumbers_) return;
    markedNumbers_ = std::move(numbers);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1), {Qt::ForegroundRole});
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(shown_ ? shown_->size() : rows_.size());
}

int ChannelListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    const ChannelRow* r = row(listRow(index.row()));
    if (!r || index.column() < 0 || index.column() >= kColumns) return {};
    switch (role) {
    case Qt::DisplayRole:
        return r->cells[static_cast<std::size_t>(index.column())];
    case Qt::DecorationRole:
        if (index.column() == 0 && r->image == 0) return scrambledIcon_;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::ForegroundRole:
        if (!markedNumbers_.empty() &&
            std::binary_search(markedNumbers_.begin(), markedNumbers_.end(), r->cells[0].toInt()))
            return QBrush(QColor(Qt::gray));
        return {};
    default:
        return {};
    }
}

QString ChannelListModel::headerText(int column) {
    return tr(kHeaders[static_cast<std::size_t>(column)]);
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole) return headerText(section);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

const QStaticText& ChannelCellDelegate::shaped(const QString& text, const QFont& font) const {
    if (!(font == cacheFont_) || shaped_.size() >= kCacheLimit) {
        shaped_.clear();
        cacheFont_ = font;
    }
    auto it = shaped_.find(text);
    if (it == shaped_.end()) {
        QStaticText st(text);
        st.setTextFormat(Qt::PlainText);
        st.setPerformanceHint(QStaticText::AggressiveCaching);
        st.prepare(QTransform(), font);
        it = shaped_.insert(text, st);
    }
    return it.value();
}

void ChannelCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The lists are left to right and left aligned; anything else takes the
    // stock painting.
    if (opt.direction != Qt::LeftToRight || !(opt.displayAlignment & Qt::AlignLeft) ||
        opt.displayAlignment & Qt::AlignRight) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The style draws the background, selection, picture and focus frame;
    // without a text it shapes nothing. Its text box starts where the text
    // would start and, for a text too wide for the cell, ends at the cell's
    // right edge: the room the text has.
    const QString text = opt.text;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (text.isEmpty()) return;

    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    textRect.setRight(opt.rect.right());
    textRect.adjust(margin, 0, -margin, 0);
    if (textRect.width() <= 0) return;

    QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) group = QPalette::Inactive;
    painter->save();
    painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                 : QPalette::Text));
    painter->setFont(opt.font);
    painter->setClipRect(textRect, Qt::IntersectClip);
    const QStaticText& st = shaped(text, opt.font);
    if (st.size().width() <= textRect.width()) {
        const QSize size = st.size().toSize();
        const QRect at = QStyle::alignedRect(opt.direction, opt.displayAlignment, size, textRect);
        painter->drawStaticText(at.topLeft(), st);
    } else {
        // Too wide for its column (a narrowed column or an odd name): the
        // rare case keeps the plain elided drawing.
        const QString elided = opt.fontMetrics.elidedText(text, opt.textElideMode, textRect.width());
        painter->drawText(textRect, static_cast<int>(opt.displayAlignment) | Qt::TextSingleLine, elided);
    }
    painter->restore();
}

}  // namespace velmora
