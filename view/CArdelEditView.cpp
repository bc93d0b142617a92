// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the form: every control under its numeric id, the start-up
// enabled states, and the Enter/Escape key filter.
#include "CArdelEditView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

#include "banner_label.h"
#include "channel_list_model.h"
#include "editor_save_hooks.h"
#include "form_field.h"
#include "transfer_controller.h"

namespace velmora {
namespace {

constexpr int kPanelWidth = 430;
constexpr int kPanelHeight = 560;

// Position labels of favourite groups 0..9, in group order.
constexpr std::array<int, kViewGroups> kFavoriteLabelIds{1098, 1099, 1100, 1101, 1102, 1109, 1111, 1112, 1113, 1114};

// A channel list moves by rows, as any list does: Home and End go to the
// first and last row (a table would go to the first and last column of the
// row, which with whole-row selection moves nothing).
class ChannelListView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const int rows = model() ? model()->rowCount() : 0;
        if ((action == MoveHome || action == MoveEnd) && rows > 0) {
            const int column = currentIndex().isValid() ? currentIndex().column() : 0;
            return model()->index(action == MoveHome ? 0 : rows - 1, column);
        }
        return QTableView::moveCursor(action, modifiers);
    }

    // A plain press on a row of a selection of several keeps the selection,
    // so that a drag can take all of it; the release without a drag selects
    // that row alone, as a click does.
    void mousePressEvent(QMouseEvent* event) override {
        keptRow_ = -1;
        const QModelIndex index = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && index.isValid() &&
            selectionModel()->isRowSelected(index.row()) &&
            (selectionModel()->selection().size() > 1 || selectionModel()->selection().front().height() > 1)) {
            keptRow_ = index.row();
            setFocus(Qt::MouseFocusReason);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            return;
        }
        QTableView::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (keptRow_ >= 0) return;
        QTableView::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (keptRow_ < 0) {
            QTableView::mouseReleaseEvent(event);
            return;
        }
        const int row = keptRow_;
        keptRow_ = -1;
        if (row < model()->rowCount())
            selectionModel()->setCurrentIndex(model()->index(row, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

private:
    int keptRow_ = -1;
};

}  // namespace

CArdelEditView::CArdelEditView(QWidget* parent, ViewOptions options)
    : QWidget(parent), db_(std::make_unique<ChannelDatabase>()), hooks_(std::make_unique<EditorSaveHooks>(*this)) {
    historyLimit_ = options.historyLimit;
    setObjectName(QStringLiteral("101"));
    buildForm();
    setUpMoves();
    setUpHistory();
    setStartupState();
    // Every change of state is announced by this signal; the lists' marks follow it.
    connect(this, &CArdelEditView::commandStateChanged, this, &CArdelEditView::showListMarks);
    connect(this, &CArdelEditView::commandStateChanged, this, &CArdelEditView::updateFilterBarState);
    qApp->installEventFilter(this);
    setUpReceiverLink(std::move(options));
}

CArdelEditView::~CArdelEditView() {
    if (qApp) qApp->removeEventFilter(this);
}

void CArdelEditView::initialUpdate() {
    // The form is fully laid out by the constructor. A late call must not
    // undo a loaded file's state.
    if (!flags_.fileLoaded) setStartupState();
    // The start-up open is a toggle: running it a second time would close
    // the port again.
    if (!portStarted_) {
        portStarted_ = true;
        port_->startUp();
        emit commandStateChanged();
    }
}

QWidget* CArdelEditView::control(int id) const { return controls_.value(id, nullptr); }

QLineEdit* CArdelEditView::field(int id) const { return qobject_cast<QLineEdit*>(control(id)); }

void CArdelEditView::setControlEnabled(int id, bool enabled) {
    if (QWidget* w = control(id)) w->setEnabled(enabled);
}

QLabel* CArdelEditView::addLabel(QWidget* parent, int id, const QString& text, int x, int y, int w, int h) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(id));
    label->setGeometry(x, y, w, h);
    controls_.insert(id, label);
    return label;
}

QLineEdit* CArdelEditView::addField(QWidget* parent, int id, int x, int y, int w, int maxLength) {
    auto* edit = new FormField(parent);
    edit->setObjectName(QString::number(id));
    edit->setGeometry(x, y, w, 22);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    edit->setReadOnly(true);
    controls_.insert(id, edit);
    return edit;
}

QPushButton* CArdelEditView::addButton(QWidget* parent, int id, const QString& text, int x, int y, int w) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setGeometry(x, y, w, 26);
    button->setAutoDefault(false);
    controls_.insert(id, button);
    return button;
}

void CArdelEditView::buildForm() {
    auto* panel = new QWidget(this);
    panel->setFixedSize(kPanelWidth, kPanelHeight);

    tabs_ = new QTabBar(panel);
    tabs_->setObjectName(QStringLiteral("1044"));
    tabs_->addTab(tr("Channel"));
    tabs_->addTab(tr("Transponder"));
    tabs_->addTab(tr("Satellite"));
    tabs_->setGeometry(10, 6, kPanelWidth - 20, 26);
    controls_.insert(1044, tabs_);
    connect(tabs_, &QTabBar::currentChanged, this, &CArdelEditView::onTabChanged);

    // Group boxes first so that they lie beneath the controls they frame.
    auto addGroup = [&](int id, const QString& title, int x, int y, int w, int h) {
        auto* box = new QGroupBox(title, panel);
        box->setObjectName(QString::number(id));
        box->setGeometry(x, y, w, h);
        controls_.insert(id, box);
    };
    addGroup(1036, tr("Channel"), 10, 74, 410, 140);
    addGroup(1037, tr("PID"), 10, 218, 410, 90);
    addGroup(1038, tr("Favorites"), 10, 312, 410, 100);
    addGroup(1067, QString(), 10, 40, 410, 260);
    addGroup(1039, QString(), 10, 448, 410, 44);

    buildChannelPage(panel);
    buildTransponderPage(panel);
    buildSatellitePage(panel);
    // Number fields take only texts their parse stores exactly as typed.
    using Kind = NumberValidator::Kind;
    auto* hex = new NumberValidator(Kind::Hex16, this);
    for (int id : {1028, 1030, 1000, 1033, 1035, 1089, 1091}) field(id)->setValidator(hex);
    auto* dec = new NumberValidator(Kind::Dec16, this);
    for (int id : {1080, 1051}) field(id)->setValidator(dec);
    field(1062)->setValidator(new NumberValidator(Kind::Longitude, this));

    addButton(panel, 1040, tr("Edit"), 20, 457, 74);
    addButton(panel, 1069, tr("New"), 99, 457, 74);
    addButton(panel, 1041, tr("Save"), 178, 457, 74);
    addButton(panel, 1042, tr("Delete"), 257, 457, 74);
    addButton(panel, 1043, tr("Cancel"), 336, 457, 74);
    addButton(panel, 1009, tr("Search"), 336, 502, 74);
    for (int id : {1040, 1069, 1041, 1042, 1043, 1009}) {
        connect(qobject_cast<QPushButton*>(control(id)), &QPushButton::clicked, this,
                [this, id] { handleCommand(id); });
    }

    tvSwitch_ = new QCheckBox(tr("TV"), panel);
    tvSwitch_->setObjectName(QStringLiteral("1128"));
    tvSwitch_->setGeometry(20, 504, 80, 22);
    controls_.insert(1128, tvSwitch_);
    radioSwitch_ = new QCheckBox(tr("Radio"), panel);
    radioSwitch_->setObjectName(QStringLiteral("1129"));
    radioSwitch_->setGeometry(110, 504, 80, 22);
    controls_.insert(1129, radioSwitch_);
    connect(tvSwitch_, &QCheckBox::clicked, this, [this] { handleCommand(1128); });
    connect(radioSwitch_, &QCheckBox::clicked, this, [this] { handleCommand(1129); });

    // The current date, kept on the form but never shown.
    QLabel* date = addLabel(panel, 1085,
                            QLocale::c().toString(QDateTime::currentDateTime(), QStringLiteral("dddd, MMMM dd, yyyy")),
                            200, 530, 220);
    date->setVisible(false);

    // Whatever the user changes on the form may make Save write something new.
    for (QWidget* w : std::as_const(controls_)) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            connect(edit, &QLineEdit::textEdited, this, &CArdelEditView::formEdited);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            connect(combo, &QComboBox::activated, this, &CArdelEditView::formEdited);
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            connect(box, &QCheckBox::clicked, this, &CArdelEditView::formEdited);
    }

    auto* listArea = new QWidget(this);
    buildLists(listArea);

    pathLabel_ = new QLabel(this);
    pathLabel_->setObjectName(QStringLiteral("1054"));
    controls_.insert(1054, pathLabel_);

    auto* top = new QHBoxLayout;
    top->addWidget(panel, 0, Qt::AlignTop);
    top->addWidget(listArea, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addWidget(pathLabel_);
}

void CArdelEditView::buildChannelPage(QWidget* panel) {
    auto picture = [&](int id, const char* path, int x, int y, int w, int h) {
        QLabel* label = addLabel(panel, id, QString(), x, y, w, h);
        label->setPixmap(QIcon(QString::fromLatin1(path)).pixmap(w, h));
        return label;
    };
    picture(1048, ":/images/tv.png", 14, 38, 32, 32);
    picture(1151, ":/images/radio.png", 14, 38, 32, 32)->setVisible(false);

    channelNumber_ = new BannerLabel(panel);
    channelNumber_->setObjectName(QStringLiteral("1105"));
    channelNumber_->setGeometry(54, 40, 70, 28);
    channelNumber_->setAlignment(Qt::AlignCenter);
    controls_.insert(1105, channelNumber_);
    satelliteCaption_ = new BannerLabel(panel);
    satelliteCaption_->setObjectName(QStringLiteral("1020"));
    satelliteCaption_->setGeometry(130, 40, 290, 28);
    satelliteCaption_->setAlignment(Qt::AlignCenter);
    controls_.insert(1020, satelliteCaption_);
    // Background, text colour, height, weight: in this order for each.
    satelliteCaption_->setBackgroundColor(QColor(0, 128, 192));
    satelliteCaption_->setTextColor(QColor(255, 255, 255));
    satelliteCaption_->setFontHeight(20);
    satelliteCaption_->setBold(true);
    channelNumber_->setBackgroundColor(QColor(0, 128, 192));
    channelNumber_->setTextColor(QColor(0, 0, 0));
    channelNumber_->setFontHeight(19);
    channelNumber_->setBold(true);

    addLabel(panel, 1023, tr("Transponder"), 20, 94, 90);
    transponderChooser_ = new QComboBox(panel);
    transponderChooser_->setObjectName(QStringLiteral("1045"));
    transponderChooser_->setGeometry(120, 92, 290, 24);
    controls_.insert(1045, transponderChooser_);

    auto* latin1 = new Latin1Validator(this, [this] { rejectNonLatin1(); });
    addLabel(panel, 1025, tr("Channel Name"), 20, 124, 100);
    addField(panel, 1026, 120, 122, 200, static_cast<int>(kChannelNameSize - 1))->setValidator(latin1);
    addLabel(panel, 1027, tr("Service ID"), 20, 154, 100);
    addField(panel, 1028, 120, 152, 60, 4);
    pidMode_ = new QCheckBox(tr("PID Mode"), panel);
    pidMode_->setObjectName(QStringLiteral("1106"));
    pidMode_->setGeometry(20, 184, 120, 22);
    controls_.insert(1106, pidMode_);
    connect(pidMode_, &QCheckBox::clicked, this, [this] { handleCommand(1106); });

    // PID fields, two per row, each with its [HEX] note.
    struct Pid {
        int label, field, hex, maxLength;
        const char* caption;
        int x, y;
    };
    for (const Pid& p : {Pid{1029, 1030, 1093, 0, QT_TR_NOOP("Video PID"), 20, 240}, Pid{1031, 1000, 1094, 4, QT_TR_NOOP("PMT PID"), 220, 240},
                         Pid{1032, 1033, 1095, 0, QT_TR_NOOP("Audio PID"), 20, 274}, Pid{1034, 1035, 1096, 4, QT_TR_NOOP("PCR PID"), 220, 274}}) {
        addLabel(panel, p.label, tr(p.caption), p.x, p.y + 2, 70);
        addField(panel, p.field, p.x + 72, p.y, 60, p.maxLength);
        addLabel(panel, p.hex, tr("[HEX]"), p.x + 136, p.y + 2, 50);
    }

    for (std::size_t k = 0; k < kViewGroups; ++k) {
        const int x = 20 + static_cast<int>(k % 5) * 80;
        const int y = 332 + static_cast<int>(k / 5) * 40;
        auto* box = new QCheckBox(QStringLiteral("-----"), panel);
        box->setObjectName(QString::number(kFavoriteBoxIds[k]));
        box->setGeometry(x, y, 76, 20);
        controls_.insert(kFavoriteBoxIds[k], box);
        favoriteBoxes_[k] = box;
        connect(box, &QCheckBox::clicked, this, [this, k] { handleCommand(kFavoriteBoxIds[k]); });
        favoritePositions_[k] = addLabel(panel, kFavoriteLabelIds[k], QStringLiteral("000"), x + 18, y + 18, 40, 18);
    }

    lockBox_ = new QCheckBox(tr("Lock"), panel);
    lockBox_->setObjectName(QStringLiteral("1004"));
    lockBox_->setGeometry(20, 422, 70, 20);
    controls_.insert(1004, lockBox_);
    connect(lockBox_, &QCheckBox::clicked, this, [this] { handleCommand(1004); });
    lockIndicator_ = picture(1103, ":/images/unlocked.png", 92, 420, 28, 24);
    picture(1104, ":/images/locked.png", 124, 420, 28, 24);
    scrambledBox_ = new QCheckBox(tr("Scrambled"), panel);
    scrambledBox_->setObjectName(QStringLiteral("1007"));
    scrambledBox_->setGeometry(180, 422, 110, 20);
    controls_.insert(1007, scrambledBox_);
}

void CArdelEditView::buildTransponderPage(QWidget* panel) {
    addLabel(panel, 1057, tr("Transponder No."), 20, 56, 120);
    addField(panel, 1058, 150, 54, 60, 0);
    addLabel(panel, 1076, tr("Transponder ID"), 20, 86, 120);
    addField(panel, 1089, 150, 84, 60, 4);
    addLabel(panel, 1073, tr("Satellite"), 20, 116, 120);
    satelliteChooser_ = new QComboBox(panel);
    satelliteChooser_->setObjectName(QStringLiteral("1049"));
    satelliteChooser_->setGeometry(150, 114, 260, 24);
    controls_.insert(1049, satelliteChooser_);
    addLabel(panel, 1078, tr("Network ID"), 20, 146, 120);
    addField(panel, 1091, 150, 144, 60, 4);
    addLabel(panel, 1079, tr("Frequency (MHz)"), 20, 176, 120);
    addField(panel, 1080, 150, 174, 80, 5);
    addLabel(panel, 1081, tr("Polarization"), 20, 206, 120);
    polarization_ = new QComboBox(panel);
    polarization_->setObjectName(QStringLiteral("1082"));
    polarization_->setGeometry(150, 204, 120, 24);
    polarization_->addItems({tr("Horizontal"), tr("Vertical")});
    polarization_->setCurrentIndex(-1);
    controls_.insert(1082, polarization_);
    addLabel(panel, 1083, tr("Symbol Rate (kS/s)"), 20, 236, 120);
    addField(panel, 1051, 150, 234, 80, 5);
    addLabel(panel, 1084, tr("FEC"), 20, 266, 120);
    fec_ = new QComboBox(panel);
    fec_->setObjectName(QStringLiteral("1052"));
    fec_->setGeometry(150, 264, 120, 24);
    fec_->addItems({tr("AUTO"), QStringLiteral("1/2"), QStringLiteral("2/3"), QStringLiteral("3/4"),
                    QStringLiteral("5/6"), QStringLiteral("7/8")});
    fec_->setCurrentIndex(-1);
    controls_.insert(1052, fec_);
}

void CArdelEditView::buildSatellitePage(QWidget* panel) {
    // Shares the "Satellite" label (1073) with the satellite chooser.
    addField(panel, 1056, 150, 114, 260, static_cast<int>(kSatelliteNameSize - 1))
        ->setValidator(new Latin1Validator(this, [this] { rejectNonLatin1(); }));
    addLabel(panel, 1061, tr("Longitude"), 20, 146, 120);
    addField(panel, 1062, 150, 144, 80, 0);
    addLabel(panel, 1107, QStringLiteral("( 180.0E ~ 180.0W )"), 240, 146, 170);
}

void CArdelEditView::buildLists(QWidget* area) {
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    // The filter bar is built after the lists (it reads their models) and
    // placed above them.
    auto* filterRow = new QVBoxLayout;
    layout->addLayout(filterRow);
    auto makeList = [&](int id, int captionId, const QString& caption, ChannelKind kind) {
        QLabel* label = new QLabel(caption, area);
        label->setObjectName(QString::number(captionId));
        controls_.insert(captionId, label);
        auto* model = new ChannelListModel(this);
        auto* list = new ChannelListView(area);
        list->setObjectName(QString::number(id));
        list->setModel(model);
        list->setItemDelegate(new ChannelCellDelegate(list));
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Tab leaves the list for the next control instead of walking its cells.
        list->setTabKeyNavigation(false);
        list->setShowGrid(true);
        list->setWordWrap(false);
        list->setIconSize(QSize(32, 16));
        list->verticalHeader()->setVisible(false);
        // Fixed row heights: sizing 10000 rows to their contents is slow.
        list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        list->verticalHeader()->setDefaultSectionSize(20);
        list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        list->horizontalHeader()->setHighlightSections(false);
        for (int c = 0; c < ChannelListModel::kColumns; ++c)
            list->setColumnWidth(c, ChannelListModel::kWidths[static_cast<std::size_t>(c)]);
        // The selection stays visible when the list loses the focus.
        QPalette pal = list->palette();
        pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
        pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     pal.color(QPalette::Active, QPalette::HighlightedText));
        list->setPalette(pal);
        connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, kind](int column) { headerClicked(kind, column); });
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, kind] { listSelectionMoved(kind); });
        connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, kind] { listSelectionMoved(kind); });
        controls_.insert(id, list);
        installCopyRowsKey(list, kind);
        layout->addWidget(label);
        layout->addWidget(list, 1);
        return std::pair{list, model};
    };
    std::tie(tvList_, tvModel_) = makeList(1017, 1127, tr("TV Channel List"), ChannelKind::Tv);
    std::tie(radioList_, radioModel_) = makeList(1018, 1108, tr("Radio Channel List"), ChannelKind::Radio);
    radioList_->setVisible(false);
    control(1108)->setVisible(false);
    filterRow->addWidget(buildFilterBar(area));
}

void CArdelEditView::setStartupState() {
    for (int id : {1009, 1040, 1069, 1041, 1042, 1043, 1128, 1129}) setControlEnabled(id, false);
    enterReadOnlyState();
    setFavoriteBoxesEnabled(false);
    scrambledBox_->setEnabled(false);
    updateFilterBarState();
    applyPage(currentTab_);
}

bool CArdelEditView::eventFilter(QObject* watched, QEvent* event) {
    if (fieldUndoKey(watched, event)) return true;
    if (filterKey(watched, event)) return true;
    // A press in the history view goes back or forward from the tables as
    // they are: what was typed goes into its record first.
    if (historyView_ && ((event->type() == QEvent::MouseButtonPress && watched == historyView_->viewport()) ||
                         (event->type() == QEvent::KeyPress && watched == historyView_)))
        commitShownRecords();
    // Enter and Escape never reach the form's controls (no default button
    // fires, no field is left half-committed). A running drag would end here.
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget))) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) return true;
            // The Delete key in a list deletes its selected channels, as the
            // Channel page's Delete does.
            if (key == Qt::Key_Delete && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
                (watched == tvList_ || watched == radioList_) && flags_.editActive) {
                if (activeList_ != ActiveList::None && kindOf(static_cast<QAbstractItemView*>(widget)) == activeKind() &&
                    !explainSortRefusal() && canEditRows())
                    deleteChannels(tr("Marked channel will be deleted, proceed saving?"),
                                   QT_TR_N_NOOP("%n marked channels will be deleted, proceed saving?"), true);
                emit commandStateChanged();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
