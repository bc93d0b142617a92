// SPDX-License-Identifier: GPL-3.0-or-later
// Drag reordering of the rows of item views, for any window that shows lists
// whose rows the user may move: the editor form's channel lists and the
// favourites dialog's member lists.
//
// The host registers its lists and decides, through its hooks, whether a
// drag may begin and what a drop on a row, a drop below the last row, or a
// cancel does. While a drag runs, a picture of the row (its icon and text)
// follows the cursor 8 pixels right of and below it, the row under the cursor
// is drop-highlighted, and the list scrolls while the cursor is on its first
// or last visible row. Only the list the drag began on takes the drop; a
// release anywhere else, Escape and Enter cancel.
//
// Rows are rows of the view's model. The drag runs through ui::Prompter, so
// tests play it with synthesised drag events.
#pragma once

#include <QAbstractItemView>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class QMimeData;
class QPixmap;
class QWidget;

namespace velmora {

class ListDrag : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // The left button, pressed on `row`, has moved: may a drag begin?
        // Must not change anything; false keeps the list's ordinary
        // press-and-move behaviour until the button is released.
        std::function<bool(QAbstractItemView* list, int row)> mayBegin;
        // The drag has begun: take what it moves.
        std::function<void(QAbstractItemView* list, int row)> begun;
        // Released over the list it began on: the row under the cursor, or
        // -1 below the last row.
        std::function<void(QAbstractItemView* list, int row)> dropped;
        // Escape, Enter, or a release anywhere but that list.
        std::function<void(QAbstractItemView* list)> cancelled;
        // Optional: a text the picture shows after the row's (asked once the
        // drag has begun), e.g. how many rows it carries.
        std::function<QString(QAbstractItemView* list, int row)> caption;
    };

    // Where the picture sits relative to the cursor: 8 pixels right and below.
    static constexpr QPoint kHotSpot{-8, -8};
    // The drag's data format; no other program takes it.
    static const char* const kMimeType;
    // Scrolling repeats this often while the cursor rests on an edge row.
    static constexpr int kScrollIntervalMs = 60;

    // How a list scrolls back towards its first row during a drag. Either
    // way it scrolls one step while the cursor is in the band at an edge.
    enum class ScrollBack {
        // Until row 0 is in sight.
        ToFirstRow,
        // Only while the first row in sight is past row 1, and, at each mouse
        // move, also while the cursor is over no row at all.
        PastSecondRowOrOverNoRow,
    };

    explicit ListDrag(Hooks hooks, QObject* parent = nullptr);
    ~ListDrag() override;

    // The list's own autoScroll and autoScrollMargin apply: the margin is the
    // band at each edge where the cursor scrolls the list by one step.
    void addList(QAbstractItemView* list, ScrollBack back = ScrollBack::ToFirstRow);

    bool active() const { return !source_.isNull(); }
    QAbstractItemView* sourceList() const { return source_; }
    int dragRow() const { return dragRow_; }
    // The drop-highlighted row, -1 for none.
    int dropRow() const { return dropRow_; }
    // The widget that draws the drop highlight; nullptr outside a drag.
    QWidget* dropHighlight() const { return highlight_; }

    // The picture a drag of `row` carries: the icon of its first column and
    // the texts of its first two columns, then `caption` when given.
    static QPixmap rowPicture(const QAbstractItemView* list, int row, const QString& caption = QString());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class KeyCatcher;

    QAbstractItemView* listOfViewport(QObject* watched) const;
    bool handleMouse(QAbstractItemView* list, QEvent* event);
    bool handleDrag(QAbstractItemView* list, QEvent* event);
    bool takesDrop(const QAbstractItemView* list, const QMimeData* data) const;
    void run(QAbstractItemView* list, int row);
    void track(QAbstractItemView* list, const QPoint& pos);
    void setDropRow(int row);
    // `moved`: the cursor has just moved, rather than rested.
    bool scrollStep(bool moved);
    ScrollBack scrollBackOf(const QAbstractItemView* list) const;
    void cancelFromKey();

    struct Registered {
        QPointer<QAbstractItemView> list;
        ScrollBack back;
    };

    Hooks hooks_;
    std::vector<Registered> lists_;
    KeyCatcher* keys_ = nullptr;
    QTimer scrollTimer_;

    // Press that may turn into a drag.
    QPointer<QAbstractItemView> pressList_;
    QPoint pressPos_;
    int pressRow_ = -1;
    bool pressMayDrag_ = false;
    bool pressAsked_ = false;

    // The running drag.
    QPointer<QAbstractItemView> source_;
    QPointer<QWidget> highlight_;
    int dragRow_ = -1;
    int dropRow_ = -1;
    QPoint cursor_;  // last position over the source list, viewport coordinates
    bool dropped_ = false;
    int dropTarget_ = -1;
    bool cancelled_ = false;
};

}  // namespace velmora
