// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_printer.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTableView>
#include <algorithm>

namespace velmora {

struct ListPrinter::Fonts {
    QFont title, footer, heading, body;
    int headingAscent = 0;
    int bodyAscent = 0;
};

namespace {

// The letters whose printed extent gives a font's average character width.
const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");

// The list's own font with face, size and weight replaced. The faces are the
// common Windows ones; fontconfig maps them to metric-compatible faces, so
// widths and line heights (and so rows per page) come out the same.
QFont printerFont(const QFont& base, const QPaintDevice& device, const char* face, int points, QFont::Weight weight) {
    QFont font = base;
    font.setFamilies({QString::fromLatin1(face)});
    font.setStyleHint(qstrcmp(face, "Arial") == 0 ? QFont::SansSerif : QFont::Serif);
    // Points to device pixels, rounded to the nearest pixel.
    font.setPixelSize(std::max(1, (points * device.logicalDpiY() + 36) / 72));
    font.setWeight(weight);
    font.setItalic(false);
    return font;
}

struct Measure {
    int averageWidth;
    int lineHeight;
};

Measure measure(const QFont& font, QPaintDevice& device) {
    const QFontMetrics metrics(font, &device);
    return {metrics.horizontalAdvance(kLetters) / static_cast<int>(kLetters.size()), metrics.height()};
}

QRect toRect(const PrintBox& b) { return QRect(b.left, b.top, b.width(), b.height()); }

}  // namespace

ListPrinter::ListPrinter() : title_(QCoreApplication::translate("velmora::ListPrinter", kTitle)) {}

ListPrinter::~ListPrinter() = default;

const QTableView* ListPrinter::source() const { return source_; }

void ListPrinter::setSource(const QTableView* list) { source_ = list; }

void ListPrinter::prepare() {
    layout_ = PageLayout();
    fonts_.reset();
}

int ListPrinter::begin(QPaintDevice& device) {
    const QFont screenFont = source_ ? source_->font() : QFont();
    fonts_ = std::make_unique<Fonts>();
    fonts_->title = printerFont(screenFont, device, "Arial", 12, QFont::Bold);
    fonts_->footer = printerFont(screenFont, device, "Arial", 10, QFont::Normal);
    fonts_->heading = printerFont(screenFont, device, "Arial", 9, QFont::Bold);
    fonts_->body = printerFont(screenFont, device, "Times New Roman", 10, QFont::Normal);
    fonts_->headingAscent = QFontMetrics(fonts_->heading, &device).ascent();
    fonts_->bodyAscent = QFontMetrics(fonts_->body, &device).ascent();

    const Measure title = measure(fonts_->title, device);
    const Measure footer = measure(fonts_->footer, device);
    const Measure body = measure(fonts_->body, device);
    PrintMeasures in;
    in.pageWidth = device.width();
    in.pageHeight = device.height();
    in.titleLineHeight = title.lineHeight;
    in.footerLineHeight = footer.lineHeight;
    in.bodyLineHeight = body.lineHeight;
    in.bodyAverageWidth = body.averageWidth;
    if (source_ && source_->model()) {
        in.screenAverageWidth = source_->fontMetrics().averageCharWidth();
        in.rowCount = source_->model()->rowCount();
        const QHeaderView* header = source_->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) in.columnOrder.push_back(header->logicalIndex(visual));
        for (int logical = 0; logical < header->count(); ++logical)
            in.screenWidths.push_back(header->isSectionHidden(logical) ? 0 : header->sectionSize(logical));
    }
    layout_ = layoutPages(in);
    return layout_.pageCount;
}

void ListPrinter::printPage(QPainter& painter, int page) const {
    if (!fonts_ || page < 1 || page > layout_.pageCount) return;
    const PageLayout& l = layout_;
    const int lineFlags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    painter.save();
    painter.setPen(Qt::black);

    painter.fillRect(QRect(l.header.left, l.headerBarTop(), l.header.width(), PageLayout::kBarHeight), Qt::black);
    painter.setFont(fonts_->title);
    painter.drawText(toRect(l.titleLine()), Qt::AlignLeft | lineFlags, title_);
    painter.drawText(toRect(l.titleLine()), Qt::AlignRight | lineFlags, subtitle_);

    // Column by column: one clip per column instead of one per cell keeps a
    // 10000-row printout quick.
    const QAbstractItemModel* model = source_ ? source_->model() : nullptr;
    const RowRange rows = l.rowsOn(page);
    for (const PrintColumn& c : l.columns) {
        if (!model || !c.visible()) continue;
        const int lines = 1 + rows.end - rows.first;
        painter.setClipRect(QRect(c.textLeft, l.lineTop(0), c.right - c.textLeft, lines * l.bodyLineHeight));
        painter.setFont(fonts_->heading);
        painter.drawText(QPoint(c.textLeft, l.lineTop(0) + fonts_->headingAscent),
                         model->headerData(c.column, Qt::Horizontal, Qt::DisplayRole).toString());
        painter.setFont(fonts_->body);
        for (int r = rows.first; r < rows.end; ++r) {
            painter.drawText(QPoint(c.textLeft, l.lineTop(l.lineOf(r)) + fonts_->bodyAscent),
                             model->data(model->index(r, c.column), Qt::DisplayRole).toString());
        }
    }
    painter.setClipping(false);

    painter.fillRect(QRect(l.footer.left, l.footerBarTop(), l.footer.width(), PageLayout::kBarHeight), Qt::black);
    painter.setFont(fonts_->footer);
    painter.drawText(toRect(l.pageNumberLine()), Qt::AlignRight | lineFlags,
                     QCoreApplication::translate("velmora::ListPrinter", "Page %1 of %2").arg(page).arg(l.pageCount));
    painter.restore();
}

void ListPrinter::end() { fonts_.reset(); }

QPrinter& ListPrinter::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool ListPrinter::print(QPagedPaintDevice& device, int fromPage, int toPage) {
    prepare();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const int count = begin(device);
    const int first = fromPage > 0 ? std::min(fromPage, count) : 1;
    const int last = toPage > 0 ? std::clamp(toPage, first, count) : count;
    for (int p = first; p <= last; ++p) {
        if (p > first) device.newPage();
        printPage(painter, p);
    }
    end();
    return painter.end();
}

}  // namespace velmora
