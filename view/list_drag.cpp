// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_drag.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>

#include "prompter.h"

namespace velmora {

const char* const ListDrag::kMimeType = "application/x-velmora-list-row";

namespace {

// Drawn over the row under the cursor. A child of the viewport: moving it
// repaints just the row it leaves and the row it covers.
class DropHighlight : public QWidget {
public:
    explicit DropHighlight(QAbstractItemView* list) : QWidget(list->viewport()), list_(list) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(110);
        p.fillRect(rect(), fill);
        // The outline is the style's own drop indicator of item views.
        QStyleOption opt;
        opt.initFrom(this);
        opt.rect = rect();
        style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemDrop, &opt, &p, list_);
    }

private:
    QAbstractItemView* list_;
};

// The row at `pos`; with `wholeRow`, a row-selecting list also has its row
// beside its last column.
int rowAt(const QAbstractItemView* list, const QPoint& pos, bool wholeRow = false) {
    QModelIndex index = list->indexAt(pos);
    if (!index.isValid() && wholeRow && list->selectionBehavior() == QAbstractItemView::SelectRows &&
        list->model()->rowCount() > 0) {
        const int x = list->visualRect(list->model()->index(0, 0)).center().x();
        index = list->indexAt(QPoint(x, pos.y()));
    }
    return index.isValid() ? index.row() : -1;
}

QRect rowRect(const QAbstractItemView* list, int row) {
    QRect r = list->visualRect(list->model()->index(row, 0));
    // A row-selecting list highlights whole rows, as its selection does.
    if (list->selectionBehavior() == QAbstractItemView::SelectRows) {
        r.setLeft(0);
        r.setRight(list->viewport()->width() - 1);
    }
    return r;
}

}  // namespace

// Escape and Enter end a drag. Installed on the application while a drag
// runs, and again once the drag loop has started, so that it sees the keys
// before the platform's drag, which swallows every key but Escape.
class ListDrag::KeyCatcher : public QObject {
public:
    explicit KeyCatcher(ListDrag& drag) : QObject(&drag), drag_(drag) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (event->type() == QEvent::KeyPress) drag_.cancelFromKey();
        return true;
    }

private:
    ListDrag& drag_;
};

ListDrag::ListDrag(Hooks hooks, QObject* parent) : QObject(parent), hooks_(std::move(hooks)) {
    keys_ = new KeyCatcher(*this);
    scrollTimer_.setInterval(kScrollIntervalMs);
    connect(&scrollTimer_, &QTimer::timeout, this, [this] {
        if (!scrollStep(false)) scrollTimer_.stop();
    });
}

ListDrag::~ListDrag() {
    if (qApp) qApp->removeEventFilter(keys_);
}

void ListDrag::addList(QAbstractItemView* list, ScrollBack back) {
    lists_.push_back({list, back});
    list->viewport()->installEventFilter(this);
    // Only drags of this class are taken (see takesDrop); the view's own
    // drop handling never runs.
    list->viewport()->setAcceptDrops(true);
}

QAbstractItemView* ListDrag::listOfViewport(QObject* watched) const {
    for (const Registered& r : lists_)
        if (r.list && r.list->viewport() == watched) return r.list;
    return nullptr;
}

ListDrag::ScrollBack ListDrag::scrollBackOf(const QAbstractItemView* list) const {
    for (const Registered& r : lists_)
        if (r.list == list) return r.back;
    return ScrollBack::ToFirstRow;
}

bool ListDrag::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (QAbstractItemView* list = listOfViewport(watched)) return handleMouse(list, event);
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        if (QAbstractItemView* list = listOfViewport(watched)) return handleDrag(list, event);
        return false;
    default:
        return false;
    }
}

bool ListDrag::handleMouse(QAbstractItemView* list, QEvent* event) {
    auto* e = static_cast<QMouseEvent*>(event);
    const QPoint pos = e->position().toPoint();
    if (event->type() == QEvent::MouseButtonPress) {
        pressList_.clear();
        if (e->button() == Qt::LeftButton && !active()) {
            pressList_ = list;
            pressPos_ = pos;
            pressRow_ = rowAt(list, pos);
            pressAsked_ = false;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        pressList_.clear();
        return false;
    }
    if (pressList_ != list || !(e->buttons() & Qt::LeftButton) || pressRow_ < 0) return false;
    if (!pressAsked_) {
        pressAsked_ = true;
        pressMayDrag_ = hooks_.mayBegin && hooks_.mayBegin(list, pressRow_);
    }
    if (!pressMayDrag_) return false;
    // Swallowed, so that the list does not select rows as the button moves.
    if ((pos - pressPos_).manhattanLength() < QApplication::startDragDistance()) return true;
    const int row = pressRow_;
    pressList_.clear();
    run(list, row);
    return true;
}

void ListDrag::run(QAbstractItemView* list, int row) {
    source_ = list;
    dragRow_ = row;
    dropRow_ = -1;
    dropped_ = false;
    dropTarget_ = -1;
    cancelled_ = false;
    cursor_ = QPoint(-1, -1);
    highlight_ = new DropHighlight(list);
    highlight_->hide();
    if (hooks_.begun) hooks_.begun(list, row);

    // Qt deletes a drag it ran itself; one played by a test is deleted here.
    QPointer<QDrag> drag = new QDrag(list->viewport());
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kMimeType), QByteArray::number(row));
    drag->setMimeData(data);
    drag->setPixmap(rowPicture(list, row, hooks_.caption ? hooks_.caption(list, row) : QString()));
    drag->setHotSpot(kHotSpot);

    qApp->installEventFilter(keys_);
    QTimer::singleShot(0, keys_, [this] {
        if (active()) qApp->installEventFilter(keys_);
    });
    ui::Prompter::current().runDrag(*drag, Qt::MoveAction);
    qApp->removeEventFilter(keys_);
    if (drag) drag->deleteLater();

    scrollTimer_.stop();
    delete highlight_;
    const QPointer<QAbstractItemView> from = source_;
    source_.clear();
    dropRow_ = -1;
    if (!from) return;
    if (dropped_ && !cancelled_) {
        if (hooks_.dropped) hooks_.dropped(from, dropTarget_);
    } else if (hooks_.cancelled) {
        hooks_.cancelled(from);
    }
}

bool ListDrag::takesDrop(const QAbstractItemView* list, const QMimeData* data) const {
    return active() && !cancelled_ && list == source_ && data && data->hasFormat(QString::fromLatin1(kMimeType));
}

bool ListDrag::handleDrag(QAbstractItemView* list, QEvent* event) {
    if (event->type() == QEvent::DragLeave) {
        if (list == source_) {
            scrollTimer_.stop();
            setDropRow(-1);
        }
        return true;
    }
    auto* e = static_cast<QDropEvent*>(event);
    if (!takesDrop(list, e->mimeData())) {
        e->ignore();
        return true;
    }
    const QPoint pos = e->position().toPoint();
    if (event->type() == QEvent::Drop) {
        scrollTimer_.stop();
        dropped_ = true;
        dropTarget_ = rowAt(list, pos, true);
        setDropRow(-1);
    } else {
        track(list, pos);
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    return true;
}

void ListDrag::track(QAbstractItemView* list, const QPoint& pos) {
    cursor_ = pos;
    setDropRow(rowAt(list, pos, true));
    // Each move onto an edge row scrolls one step; resting there keeps
    // scrolling at the timer's pace.
    if (scrollStep(true))
        scrollTimer_.start();
    else
        scrollTimer_.stop();
}

void ListDrag::setDropRow(int row) {
    dropRow_ = row;
    if (!highlight_) return;
    if (row < 0 || !source_) {
        highlight_->hide();
        return;
    }
    const QRect r = rowRect(source_, row);
    if (highlight_->isVisible() && highlight_->geometry() == r) return;
    highlight_->setGeometry(r);
    highlight_->show();
}

bool ListDrag::scrollStep(bool moved) {
    QAbstractItemView* list = source_;
    if (!list || !list->hasAutoScroll() || cursor_.x() < 0) return false;
    const QRect area = list->viewport()->rect();
    if (!area.contains(cursor_)) return false;
    // Lists that flow their rows in columns scroll sideways.
    const bool vertical = list->verticalScrollBar()->maximum() > 0;
    QScrollBar* bar = vertical ? list->verticalScrollBar() : list->horizontalScrollBar();
    if (bar->maximum() <= 0) return false;
    const int at = vertical ? cursor_.y() : cursor_.x();
    const int length = vertical ? area.height() : area.width();
    const int margin = list->autoScrollMargin();
    const bool pastSecond = scrollBackOf(list) == ScrollBack::PastSecondRowOrOverNoRow;
    // Over no row only a move scrolls back: resting there after a step
    // forward would otherwise swing the list to and fro.
    const bool overNoRow = pastSecond && rowAt(list, cursor_) < 0;
    // The row at the top left corner is the first one in sight.
    const bool canGoBack = bar->value() > bar->minimum() && (!pastSecond || rowAt(list, QPoint(1, 1)) > 1);
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    if ((at < margin || (overNoRow && moved)) && canGoBack)
        action = QAbstractSlider::SliderSingleStepSub;
    else if (!overNoRow && at >= length - margin && bar->value() < bar->maximum())
        action = QAbstractSlider::SliderSingleStepAdd;
    if (action == QAbstractSlider::SliderNoAction) return false;
    bar->triggerAction(action);
    setDropRow(rowAt(list, cursor_, true));
    return true;
}

void ListDrag::cancelFromKey() {
    if (!active()) return;
    cancelled_ = true;
    scrollTimer_.stop();
    setDropRow(-1);
    ui::Prompter::current().cancelDrag();
}

QPixmap ListDrag::rowPicture(const QAbstractItemView* list, int row, const QString& caption) {
    const QAbstractItemModel* model = list->model();
    const QModelIndex first = model->index(row, 0);
    const QIcon icon = qvariant_cast<QIcon>(first.data(Qt::DecorationRole));
    QStringList texts;
    for (int c = 0; c < std::min(2, model->columnCount()); ++c) texts << model->index(row, c).data().toString();
    if (!caption.isEmpty()) texts << caption;
    const QString text = texts.join(QStringLiteral("  "));

    const QFontMetrics fm(list->font());
    const QSize iconSize = icon.isNull() ? QSize(0, 0) : list->iconSize();
    const int pad = 4;
    const int height = std::max(iconSize.height(), fm.height()) + 2 * pad;
    const int textX = pad + (iconSize.isEmpty() ? 0 : iconSize.width() + pad);
    const int width = textX + fm.horizontalAdvance(text) + pad;
    const qreal dpr = list->devicePixelRatioF();
    QPixmap picture(QSize(width, height) * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);

    QPainter p(&picture);
    const QPalette& pal = list->palette();
    QColor base = pal.color(QPalette::Base);
    base.setAlpha(220);
    p.fillRect(QRect(0, 0, width, height), base);
    p.setPen(pal.color(QPalette::Highlight));
    p.drawRect(QRect(0, 0, width - 1, height - 1));
    if (!iconSize.isEmpty())
        icon.paint(&p, QRect(QPoint(pad, (height - iconSize.height()) / 2), iconSize));
    p.setPen(pal.color(QPalette::Text));
    p.setFont(list->font());
    p.drawText(QRect(textX, 0, width - textX, height), Qt::AlignLeft | Qt::AlignVCenter, text);
    return picture;
}

}  // namespace velmora
