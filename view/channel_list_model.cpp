#include "channel_list_model.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include "codes.h"

namespace velmora {

const std::array<const char*, ChannelListModel::kColumns> ChannelListModel::kHeaders{"Number", "Channel Name",
                                                                                     "Transponder", "Satellite Name"};
const std::array<int, ChannelListModel::kColumns> ChannelListModel::kWidths{80, 195, 160, 130};

ChannelRow formatChannelRow(const ChannelDatabase& db, ChannelKind kind, int n) {
    ChannelRow row;
    const ChannelEntry* ch = db.channelAt(kind, static_cast<std::size_t>(n));
    if (!ch) return row;
    row.cells[0] = QString::asprintf("%.4d", n + 1);
    row.cells[1] = QString::fromLatin1(fieldText(ch->name));
    // A damaged file may point past the tables: such cells stay empty.
    if (const TransponderEntry* tp = db.transponderOf(*ch)) {
        row.cells[2] = QString::fromLatin1(
            transponderCellText(tp->frequency, tp->polarization, tp->symbolRate, tp->fec));
        if (const SatelliteEntry* sat = db.satelliteOf(*tp)) row.cells[3] = QString::fromLatin1(fieldText(sat->name));
    }
    row.image = ch->scrambled == 1 ? 0 : 1;
    return row;
}

ChannelListModel::ChannelListModel(QObject* parent)
    : QAbstractTableModel(parent), scrambledIcon_(QStringLiteral(":/images/scrambled.png")) {}

void ChannelListModel::setRows(std::vector<ChannelRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ChannelListModel::clear() { setRows({}); }

const QString& ChannelListModel::cell(int row, int column) const {
    static const QString empty;
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || column < 0 || column >= kColumns) return empty;
    return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
}

const ChannelRow* ChannelListModel::row(int r) const {
    if (r < 0 || static_cast<std::size_t>(r) >= rows_.size()) return nullptr;
    return &rows_[static_cast<std::size_t>(r)];
}

int ChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChannelListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ChannelListModel::data(const QModelIndex& index, int role) const {
    const ChannelRow* r = row(index.row());
    if (!r || index.column() < 0 || index.column() >= kColumns) return {};
    switch (role) {
    case Qt::DisplayRole:
        return r->cells[static_cast<std::size_t>(index.column())];
    case Qt::DecorationRole:
        if (index.column() == 0 && r->image == 0) return scrambledIcon_;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant ChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(kHeaders[static_cast<std::size_t>(section)]);
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
