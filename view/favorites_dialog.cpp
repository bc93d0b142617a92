// SPDX-License-Identifier: GPL-3.0-or-later
#include "favorites_dialog.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>

#include "channel_edit.h"
#include "edit_history.h"
#include "form_field.h"
#include "list_drag.h"
#include "prompter.h"

namespace velmora {
namespace {

QString id(int n) { return QString::number(n); }

QString nameOf(const GroupName& name) { return QString::fromLatin1(fieldText(name)); }

}  // namespace

FavoritesDialog::FavoritesDialog(ChannelDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(id(kTemplate));
    setWindowTitle(tr("Favorite Channel"));

    ListDrag::Hooks hooks;
    hooks.mayBegin = [](QAbstractItemView* list, int row) { return row >= 0 && row < list->model()->rowCount(); };
    hooks.begun = [this](QAbstractItemView* list, int row) { dragBegun(list, row); };
    hooks.dropped = [this](QAbstractItemView* list, int row) { dropped(list, row); };
    hooks.cancelled = [this](QAbstractItemView*) { fillList(groupMode_, currentGroup_); };
    drag_ = new ListDrag(std::move(hooks), this);

    // Groups the file does not have are never written: they stay off, as
    // their boxes on the form do.
    const int groups = db_.tablesAllocated() ? std::min<int>(db_.groupCount(), kViewGroups) : 0;
    auto* groupButtons = new QButtonGroup(this);
    auto* names = new QGridLayout;
    for (int k = 0; k < static_cast<int>(kViewGroups); ++k) {
        const auto g = static_cast<std::size_t>(k);
        auto* button = new QRadioButton(QStringLiteral("-----"), this);
        button->setObjectName(id(kGroupButtonIds[g]));
        groupButtons->addButton(button, k);
        connect(button, &QRadioButton::clicked, this, [this, k] { selectGroup(k); });
        // As the form's name fields: what the file's 23 single-byte characters hold.
        auto* edit = new FormField(this);
        edit->setObjectName(id(kNameEditIds[g]));
        edit->setMaxLength(static_cast<int>(kGroupNameSize - 1));
        edit->setValidator(new Latin1Validator(edit, [this] { emit textRefused(); }));
        edit->setReadOnly(true);
        if (g < db_.groupNames.size()) edit->setText(nameOf(db_.groupNames[g]));
        edit->installEventFilter(this);
        button->setEnabled(k < groups);
        edit->setEnabled(k < groups);
        names->addWidget(button, k, 0);
        names->addWidget(edit, k, 1);
        groupButtons_[g] = button;
        nameEdits_[g] = edit;
    }

    tvButton_ = new QRadioButton(tr("TV"), this);
    tvButton_->setObjectName(id(kTvButton));
    radioButton_ = new QRadioButton(tr("Radio"), this);
    radioButton_->setObjectName(id(kRadioButton));
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(tvButton_);
    kinds->addButton(radioButton_);
    connect(tvButton_, &QRadioButton::clicked, this, [this] { setKind(ChannelKind::Tv); });
    connect(radioButton_, &QRadioButton::clicked, this, [this] { setKind(ChannelKind::Radio); });
    tvCaption_ = new QLabel(tr("TV Favorites:"), this);
    tvCaption_->setObjectName(id(kTvCaption));
    radioCaption_ = new QLabel(tr("Radio Favorites:"), this);
    radioCaption_->setObjectName(id(kRadioCaption));
    groupName_ = new QLabel(this);
    groupName_->setObjectName(id(kGroupName));
    QFont bold = groupName_->font();
    bold.setBold(true);
    groupName_->setFont(bold);

    // All twenty lists share one place; one is shown at a time. Entries run
    // down a column and on into the next one to the right.
    auto* lists = new QGridLayout;
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        for (std::size_t g = 0; g < kViewGroups; ++g) {
            auto* list = new QListView(this);
            const int listId = kind == ChannelKind::Tv ? kTvListIds[g] : kRadioListIds[g];
            list->setObjectName(id(listId));
            list->setModel(new QStringListModel(list));
            list->setViewMode(QListView::ListMode);
            list->setFlow(QListView::TopToBottom);
            list->setWrapping(true);
            list->setResizeMode(QListView::Adjust);
            // Each entry as wide as its own text, so that whole names show
            // (a column is as wide as its longest entry); the list scrolls
            // sideways when the columns are wider than the list.
            list->setUniformItemSizes(false);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            list->setEditTriggers(QAbstractItemView::NoEditTriggers);
            list->setSelectionMode(listId == 1116 ? QAbstractItemView::SingleSelection
                                                  : QAbstractItemView::ExtendedSelection);
            list->hide();
            drag_->addList(list, ListDrag::ScrollBack::PastSecondRowOrOverNoRow);
            lists->addWidget(list, 0, 0);
            (kind == ChannelKind::Tv ? tvLists_ : radioLists_)[g] = list;
        }
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(id(kOk));
    // Enter never ends the dialog.
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &FavoritesDialog::accept);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(id(kCancel));
    cancel->setAutoDefault(false);
    cancel->hide();

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(tvButton_);
    kindRow->addWidget(radioButton_);
    kindRow->addStretch(1);
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(tvCaption_);
    captionRow->addWidget(radioCaption_);
    captionRow->addWidget(groupName_, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(kindRow);
    right->addLayout(captionRow);
    right->addLayout(lists, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(names);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    // 296 by 218 dialog units: a quarter of the average character width and
    // an eighth of the line height each.
    const QFontMetrics fm(font());
    resize(296 * fm.averageCharWidth() / 4, 218 * fm.height() / 8);

    groupMode_ = ChannelKind::Tv;
    tvButton_->setChecked(true);
    radioCaption_->hide();
    selectGroup(0);
    // Opening must not put a name edit into editing.
    listOf(groupMode_, currentGroup_)->setFocus();
}

FavoritesDialog::~FavoritesDialog() {
    // The edits' focus-out at destruction must not store or ask anything.
    for (QLineEdit* edit : nameEdits_) edit->removeEventFilter(this);
}

QListView* FavoritesDialog::listOf(ChannelKind kind, int group) const {
    return (kind == ChannelKind::Tv ? tvLists_ : radioLists_)[static_cast<std::size_t>(group)];
}

bool FavoritesDialog::locate(const QAbstractItemView* list, ChannelKind& kind, int& group) const {
    for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio}) {
        for (int g = 0; g < static_cast<int>(kViewGroups); ++g) {
            if (listOf(k, g) != list) continue;
            kind = k;
            group = g;
            return true;
        }
    }
    return false;
}

void FavoritesDialog::fillList(ChannelKind kind, int group) {
    QStringList rows;
    if (db_.tablesAllocated() && group < db_.groupCount()) {
        const auto g = static_cast<std::size_t>(group);
        const std::size_t start = db_.groupMemberOffset(kind, g);
        const int count = db_.memberCounts(kind)[g];
        const auto& members = db_.members(kind);
        rows.reserve(count);
        for (int i = 1; i <= count && start + static_cast<std::size_t>(i) - 1 < members.size(); ++i) {
            // An entry naming no channel (a damaged file) shows its number alone.
            const ChannelEntry* ch = db_.channelAt(kind, members[start + static_cast<std::size_t>(i) - 1]);
            rows << QString::number(i).rightJustified(3, QLatin1Char('0')) + QLatin1Char(' ') +
                        (ch ? QString::fromLatin1(fieldText(ch->name)) : QString());
        }
    }
    QListView* list = listOf(kind, group);
    const int scrolled = list->horizontalScrollBar()->value();
    static_cast<QStringListModel*>(list->model())->setStringList(rows);
    // A refill after a drag leaves the columns where the user was looking.
    if (list->isVisible()) {
        list->doItemsLayout();
        list->horizontalScrollBar()->setValue(scrolled);
    }
}

void FavoritesDialog::selectGroup(int group) {
    const auto g = static_cast<std::size_t>(group);
    groupName_->setText(nameEdits_[g]->text());
    groupButtons_[g]->setChecked(true);
    for (std::size_t k = 0; k < kViewGroups; ++k) {
        tvLists_[k]->hide();
        radioLists_[k]->hide();
    }
    currentGroup_ = group;
    fillList(groupMode_, group);
    listOf(groupMode_, group)->show();
}

void FavoritesDialog::setKind(ChannelKind kind) {
    groupMode_ = kind;
    (kind == ChannelKind::Tv ? tvButton_ : radioButton_)->setChecked(true);
    tvCaption_->setVisible(kind == ChannelKind::Tv);
    radioCaption_->setVisible(kind == ChannelKind::Radio);
    selectGroup(currentGroup_);
}

bool FavoritesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return QDialog::eventFilter(watched, event);
    for (int k = 0; k < static_cast<int>(kViewGroups); ++k) {
        if (nameEdits_[static_cast<std::size_t>(k)] != watched) continue;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (event->type() == QEvent::FocusIn) {
            if (editing_ != k) nameEntered(k);
        } else if (editing_ == k && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // Another window or the edit's own menu taking the focus ends no editing.
            nameLeft(k);
        }
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void FavoritesDialog::nameEntered(int group) {
    const auto g = static_cast<std::size_t>(group);
    editing_ = group;
    nameEdits_[g]->setReadOnly(false);
    previousName_[g] = nameEdits_[g]->text();
    selectGroup(group);
}

void FavoritesDialog::nameLeft(int group) {
    const auto g = static_cast<std::size_t>(group);
    editing_ = -1;
    QLineEdit* edit = nameEdits_[g];
    edit->setReadOnly(true);
    const QString name = edit->text();
    if (name.isEmpty() && db_.memberCounts(groupMode_)[g] > 0) {
        if (!ui::confirm(this, tr("Input the Favorite Name, or Related channel will be deleted, proceed saving?"))) {
            edit->setText(previousName_[g]);
            if (currentGroup_ == group) groupName_->setText(previousName_[g]);
            return;
        }
        clearGroupEntries(db_, groupMode_, group, &step_);
        if (lastMove_ && lastMove_->kind == groupMode_ && lastMove_->group == group) lastMove_.reset();
        fillList(groupMode_, group);
    }
    // Unchanged, the stored bytes stay as they are (a full 24-byte name too).
    if (name != previousName_[g]) {
        const GroupName before = db_.groupNames[g];
        setFieldText(db_.groupNames[g], name.toLatin1().toStdString());
        noteGroupRename(db_, group, before, step_);
    }
    if (currentGroup_ == group) groupName_->setText(name);
}

void FavoritesDialog::done(int result) {
    // Closing ends the editing of a name as leaving its edit does.
    if (editing_ >= 0) nameLeft(editing_);
    QDialog::done(result);
}

void FavoritesDialog::keyPressEvent(QKeyEvent* event) {
    // Neither closes the dialog; during a drag they cancel it (ListDrag).
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FavoritesDialog::dragBegun(QAbstractItemView*, int row) {
    dragFrom_ = row;
    groupChanged_ = true;
}

void FavoritesDialog::dropped(QAbstractItemView* list, int row) {
    ChannelKind kind = ChannelKind::Tv;
    int group = 0;
    if (!locate(list, kind, group)) return;
    // Below the last entry: the end, once the entry has left its place.
    const int to = row >= 0 ? row : list->model()->rowCount() - 1;
    if (moveGroupEntry(db_, kind, group, dragFrom_, to, &step_) != EditStatus::Done) {
        fillList(kind, group);
        return;
    }
    lastMove_ = Move{kind, group, to};
    fillList(kind, group);
    // The moved entry stays in sight, as the row the list works on.
    const QModelIndex moved = list->model()->index(to, 0);
    list->selectionModel()->setCurrentIndex(moved, QItemSelectionModel::ClearAndSelect);
    list->scrollTo(moved);
}

}  // namespace velmora
