// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a channel list as the user sees it: column headings, column order
// and relative widths of the list on screen, a title block on every page and
// the page number at the foot. It reads the list's header and cell texts, not
// the channel database, so a sorted list prints sorted.
#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QPointer>
#include <QString>
#include <memory>

#include "list_layout.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QPrinter;
class QTableView;

namespace velmora {

class ListPrinter {
public:
    static constexpr const char* kTitle = QT_TRANSLATE_NOOP("velmora::ListPrinter", "Velmora Channel List");

    ListPrinter();
    ~ListPrinter();

    const QString& title() const { return title_; }
    const QString& subtitle() const { return subtitle_; }
    void setSubtitle(const QString& subtitle) { subtitle_ = subtitle; }
    // The list to print: the TV list or the radio list.
    const QTableView* source() const;
    void setSource(const QTableView* list);

    // The steps of one job. prepare() forgets the last job's numbers;
    // begin() creates the fonts for `device`, measures and lays out the pages
    // and returns the page count; end() drops the fonts.
    void prepare();
    int begin(QPaintDevice& device);
    void printPage(QPainter& painter, int page) const;
    void end();

    // A whole job on `device`: pages `fromPage` to `toPage` (0 for the first
    // or last page), each after the first on a new sheet. False when the
    // device cannot be painted on.
    bool print(QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

    const PageLayout& layout() const { return layout_; }

    // The printer of Print Setup, Print and Print Preview, kept for the run
    // so that a choice made once holds for the next job.
    QPrinter& printer();

private:
    struct Fonts;

    QString title_;
    QString subtitle_;
    QPointer<const QTableView> source_;
    PageLayout layout_;
    std::unique_ptr<Fonts> fonts_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace velmora
