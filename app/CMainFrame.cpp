// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QUndoView>
#include <QStyle>
#include <QFileInfo>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "CArdelEditView.h"
#include "about_box.h"
#include "languages.h"
#include "prompter.h"

namespace velmora {

namespace {

struct CommandText {
    int id;
    const char* text;
};

// Prompt and tooltip of each command that has them.
constexpr CommandText kCommandTexts[] = {
    {command::kOpen, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Open an existing document\nOpen")},
    {command::kSave, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Save the File\nFile Save")},
    {command::kPrint, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Print the active document\nPrint")},
    {command::kPrintPreview, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Display full pages\nPrint Preview")},
    {command::kPrintSetup, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Change the printer and printing options\nPrint Setup")},
    {command::kExit, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Quit the application; prompts to save documents\nExit")},
    {command::kTvChannels, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Viewing the TV Channel\nTV Channel")},
    {command::kRadioChannels, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Viewing the Radio Channel\nRadio Channel")},
    {command::kFavourites, QT_TRANSLATE_NOOP("velmora::CMainFrame", "View the Favorite Channel\nFavorite Channel")},
    {command::kPortSettings, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Serial Port Setting\nSerial Port")},
    {command::kDownload, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Download the Data\nDownload")},
    {command::kMoveUp, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Move the selected channels up by one place\nMove Up")},
    {command::kMoveDown, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Move the selected channels down by one place\nMove Down")},
    {command::kMoveToTop, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Move the selected channels to the top of the list\nMove to Top")},
    {command::kMoveToBottom, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Move the selected channels to the bottom of the list\nMove to Bottom")},
    {command::kMoveTo, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Give the selected channels a new position\nMove To")},
    {command::kApplyOrder, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Put both lists in the order of another channel file\nApply Order From")},
    {command::kRemoveDuplicates, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Remove channels stored twice, keeping their favourite entries\nRemove Duplicates")},
    {command::kExportList, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Write both channel lists to a CSV file for a spreadsheet\nExport List")},
    {command::kCopyRows, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Copy the selected rows to the clipboard as text\nCopy Rows")},
    {command::kUpload, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Upload the Data from the receiver\nUpload")},
    {command::kUndo, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Undo the last change of the channel lists\nUndo")},
    {command::kRedo, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Redo the change undone last\nRedo")},
    {command::kUndoHistory, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Show the changes that can be undone and redone\nUndo History")},
    {command::kShowChanges, QT_TRANSLATE_NOOP("velmora::CMainFrame", "List what Save would change in the file on disk\nShow Changes")},
    {command::kCompareWith, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Compare the open list with another channel file\nCompare With")},
    {command::kVersions, QT_TRANSLATE_NOOP("velmora::CMainFrame", "The earlier versions of this file kept before each save\nVersions")},
    {command::kRevert, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Read the file again from disk, dropping the unsaved changes\nRevert")},
    {command::kReviewBeforeSaving, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Show the changes before each save, with Save and Cancel\nReview Before Saving")},
    {command::kToggleToolbar, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Show or hide the toolbar\nToggle ToolBar")},
    {command::kToggleStatusBar, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Show or hide the status bar\nToggle StatusBar")},
    // Without it the About toolbar button would have no tooltip at all.
    {command::kAbout, QT_TRANSLATE_NOOP("velmora::CMainFrame", "Display program information, version number and copyright\nAbout")},
};

// The profile settings: the file the options name, else the default ones.
std::unique_ptr<QSettings> openProfile(const QString& path) {
    if (path.isEmpty()) return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

const char* const kCloseQuestion = QT_TRANSLATE_NOOP("velmora::CMainFrame", "Save changes to the All Data Channels?");

}  // namespace

QString commandString(int id) {
    for (const CommandText& c : kCommandTexts)
        if (c.id == id) return QCoreApplication::translate("velmora::CMainFrame", c.text);
    return QString();
}

QString commandPrompt(int id) { return commandString(id).section('\n', 0, 0); }

QString commandTooltip(int id) {
    const QString s = commandString(id);
    return s.contains('\n') ? s.section('\n', 1) : QString();
}

CMainFrame::CMainFrame(QWidget* parent, ViewOptions options)
    : QMainWindow(parent), profilePath_(options.port.profilePath) {
    setObjectName("CMainFrame");
    setWindowTitle(ui::text(ui::kAppTitle));

    view_ = new CArdelEditView(this, std::move(options));
    setCentralWidget(view_);

    createMenus();
    createToolBar();
    createStatusBar();
    createAccelerators();
    // View > Undo History: beside the lists, hidden until asked for.
    history_ = new QDockWidget(tr("Undo History"), this);
    history_->setObjectName("undo-history-dock");
    history_->setWidget(view_->createHistoryView(history_));
    addDockWidget(Qt::RightDockWidgetArea, history_);
    history_->hide();
    connect(history_, &QDockWidget::visibilityChanged, this, &CMainFrame::updateCommandStates);

    // An empty message (a selection back to one row) gives the pane its idle text again.
    connect(view_, &CArdelEditView::statusText, this,
            [this](const QString& text) { messagePane_->setText(text.isEmpty() ? idleText() : text); });
    connect(view_, &CArdelEditView::commandStateChanged, this, &CMainFrame::updateCommandStates);
    connect(view_, &CArdelEditView::fileOpened, this, [this](const QString& path) {
        recentFiles_.add(path);
        updateRecentFilesMenu();
        showFileName(path);
    });
    // The title's unsaved marker follows what Save would write.
    unsavedCheck_ = new QTimer(this);
    unsavedCheck_->setSingleShot(true);
    unsavedCheck_->setInterval(150);
    connect(unsavedCheck_, &QTimer::timeout, this, [this] {
        if (windowTitle().contains(QLatin1String("[*]"))) setWindowModified(view_->hasUnsavedChanges());
    });
    connect(view_, &CArdelEditView::formEdited, unsavedCheck_, qOverload<>(&QTimer::start));
    resize(firstStartSize());
    updateCommandStates();
}

void CMainFrame::showFileName(const QString& path) {
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - ") + ui::text(ui::kAppTitle));
    setWindowModified(view_->hasUnsavedChanges());
}

QSize CMainFrame::firstStartSize() const {
    // The list takes what the form leaves; it needs its columns, its
    // scroll bar and its frame.
    const QTableView* list = view_->tvList();
    const int listWidth = list->horizontalHeader()->length() + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth();
    const QSize hint = sizeHint();
    return {hint.width() - list->sizeHint().width() + listWidth + 8, std::max(hint.height(), 720)};
}

void CMainFrame::showWithSavedGeometry(const QSettings& settings) {
    view_->setReviewBeforeSaving(settings.value(QStringLiteral("Editor/ReviewBeforeSaving"), false).toBool());
    if (restoreGeometry(settings.value(QStringLiteral("MainFrame/Geometry")).toByteArray()))
        show();
    else
        showMaximized();
}

void CMainFrame::saveGeometryTo(QSettings& settings) const {
    settings.setValue(QStringLiteral("MainFrame/Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("Editor/ReviewBeforeSaving"), view_->reviewBeforeSaving());
}

CMainFrame::~CMainFrame() {
    // Closing the window hides the dock once the frame's members are gone.
    if (history_) history_->disconnect(this);
}

QAction* CMainFrame::addCommand(QMenu* menu, int id, const QString& caption, const QString& icon) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::number(id));
    action->setStatusTip(commandPrompt(id));
    const QString tip = commandTooltip(id);
    // A command without a tooltip shows its caption, without mnemonic or keys.
    action->setToolTip(tip.isEmpty() ? caption.section('\t', 0, 0).remove('&').remove("...") : tip);
    if (!icon.isEmpty()) action->setIcon(QIcon(icon));
    action->setMenuRole(QAction::NoRole);
    connect(action, &QAction::triggered, this, [this, id] { executeCommand(id); });
    menu->addAction(action);
    actions_.insert(id, action);
    return action;
}

void CMainFrame::createMenus() {
    using namespace command;
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName("menu-file");
    fileMenu_ = file;
    addCommand(file, kOpen, tr("&Open...\tCtrl+O"), ":/images/toolbar/open.png");
    addCommand(file, kSave, tr("&Save\tCtrl+S"), ":/images/toolbar/save.png");
    addCommand(file, kRevert, tr("Re&vert"));
    file->addSeparator();
    addCommand(file, kShowChanges, tr("Show &Changes\tCtrl+Shift+D"));
    addCommand(file, kCompareWith, tr("Co&mpare With..."));
    addCommand(file, kVersions, tr("Versio&ns..."));
    addCommand(file, kExportList, tr("&Export List..."));
    file->addSeparator();
    addCommand(file, kPrint, tr("&Print...\tCtrl+P"), ":/images/toolbar/print.png");
    addCommand(file, kPrintPreview, tr("Print Pre&view"));
    addCommand(file, kPrintSetup, tr("P&rint Setup..."));
    file->addSeparator();
    addCommand(file, kExit, tr("E&xit"));

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName("menu-edit");
    addCommand(edit, kUndo, tr("&Undo\tCtrl+Z"))->setIcon(QIcon::fromTheme("edit-undo", style()->standardIcon(QStyle::SP_ArrowBack)));
    addCommand(edit, kRedo, tr("&Redo\tCtrl+Shift+Z"))->setIcon(QIcon::fromTheme("edit-redo", style()->standardIcon(QStyle::SP_ArrowForward)));
    edit->addSeparator();
    addCommand(edit, kNew, tr("&New\tCtrl+N"));
    addCommand(edit, kCut, tr("Cu&t"));
    addCommand(edit, kPaste, tr("&Paste"));
    // Ctrl+C belongs to the lists themselves (the view binds it there).
    addCommand(edit, kCopyRows, tr("&Copy Rows\tCtrl+C"));
    edit->addSeparator();
    addCommand(edit, kDelete, tr("&Delete\tCtrl+D"));
    edit->addSeparator();
    addCommand(edit, kMoveUp, tr("Move &Up\tAlt+Up"));
    addCommand(edit, kMoveDown, tr("Move Do&wn\tAlt+Down"));
    addCommand(edit, kMoveToTop, tr("Move to To&p\tAlt+Home"));
    addCommand(edit, kMoveToBottom, tr("Move to &Bottom\tAlt+End"));
    addCommand(edit, kMoveTo, tr("&Move To...\tCtrl+M"));
    edit->addSeparator();
    addCommand(edit, kApplyOrder, tr("Apply &Order From..."));

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName("menu-view");
    addCommand(view, kTvChannels, tr("&TV Channels"), ":/images/toolbar/tv.png");
    addCommand(view, kRadioChannels, tr("&Radio Channels"), ":/images/toolbar/radio.png");
    view->addSeparator();
    addCommand(view, kFavourites, tr("&Favourites..."), ":/images/toolbar/favorites.png");
    addCommand(view, kUndoHistory, tr("Undo &History"))->setCheckable(true);
    view->addSeparator();
    addCommand(view, kReviewBeforeSaving, tr("Review Before &Saving"))->setCheckable(true);
    view->addSeparator();
    createLanguageMenu(view);

    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName("menu-tools");
    addCommand(tools, kRemoveDuplicates, tr("Remove &Duplicates..."));

    QMenu* port = bar->addMenu(tr("&Port"));
    port->setObjectName("menu-port");
    addCommand(port, kOpenPort, tr("&Open Port"))->setCheckable(true);
    addCommand(port, kPortSettings, tr("Port &Settings..."), ":/images/toolbar/settings.png");
    port->addSeparator();
    addCommand(port, kDownload, tr("&Download to Receiver..."), ":/images/toolbar/download.png");
    addCommand(port, kUpload, tr("&Upload from Receiver..."), ":/images/toolbar/upload.png");

    QMenu* window = bar->addMenu(tr("&Window"));
    window->setObjectName("menu-window");
    addCommand(window, kToggleToolbar, tr("&Toolbar"))->setCheckable(true);
    addCommand(window, kToggleStatusBar, tr("&Status Bar"))->setCheckable(true);

    QMenu* about = bar->addMenu(tr("&About"));
    about->setObjectName("menu-about");
    addCommand(about, kAbout, tr("&About VelmoraEdit..."), ":/images/toolbar/about.png");

    // Menus show the state of the moment they open.
    for (QMenu* menu : {file, edit, view, tools, port, window, about})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::createLanguageMenu(QMenu* view) {
    QMenu* menu = view->addMenu(tr("&Language"));
    menu->setObjectName("menu-language");
    menu->menuAction()->setObjectName(QString::number(command::kLanguageMenu));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const QString current = languageSetting(*openProfile(profilePath_));
    auto add = [&](int id, const QString& text, const QString& code) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::number(id));
        action->setCheckable(true);
        action->setChecked(code == current);
        action->setMenuRole(QAction::NoRole);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    };
    add(command::kLanguageSystem, tr("&System default"), QString());
    menu->addSeparator();
    int id = command::kLanguageSystem + 1;
    for (const Language& l : kLanguages) add(id++, QString::fromUtf8(l.name), QString::fromLatin1(l.code));
}

void CMainFrame::chooseLanguage(const QString& code) {
    const std::unique_ptr<QSettings> profile = openProfile(profilePath_);
    if (languageSetting(*profile) == code) return;
    storeLanguageSetting(*profile, code);
    profile->sync();
    ui::notice(this, tr("The language changes when VelmoraEdit starts again."));
}

void CMainFrame::createToolBar() {
    using namespace command;
    toolBar_ = new QToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName("129");
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const int toolbarSlots[] = {kOpen, kSave, 0, kUndo, kRedo, 0, kTvChannels, kRadioChannels, kFavourites, 0,
                         kDownload, kUpload, 0, kPortSettings, kPrint, 0, kAbout};
    for (int id : toolbarSlots) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(actions_.value(id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    // Hiding it by other means (its context menu, closing it while floating)
    // must show in the Window menu too.
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("statusbar");

    messagePane_ = new QLabel(idleText(), bar);
    messagePane_->setObjectName("message-pane");
    messagePane_->setMinimumWidth(200);
    bar->addWidget(messagePane_, 1);

    auto addPane = [bar](const char* name, const QString& text) {
        auto* pane = new QLabel(text, bar);
        pane->setObjectName(name);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
        bar->addPermanentWidget(pane);
        return pane;
    };
    QLabel* setting = addPane("129-pane", view_->portController().settingPaneText());
    // The line of the port in use, as opens, closes and a lost device change it.
    connect(view_, &CArdelEditView::settingPaneText, setting, &QLabel::setText);
    addPane("cap", tr("CAP"));
    addPane("num", tr("NUM"));
    addPane("scrl", tr("SCRL"));
}

void CMainFrame::createAccelerators() {
    using namespace command;
    struct Accelerator {
        QKeySequence keys;
        int id;
    };
    // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Insert, Shift+Insert, Shift+Delete, F6 and
    // Shift+F6 are left unbound: those commands have no handler, so the keys
    // do nothing to the channel lists. Undo and Redo act on the lists; in an
    // editable field of the form the view gives their keys to the field.
    const Accelerator table[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), kOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), kSaveButton},
        {QKeySequence(Qt::CTRL | Qt::Key_N), kNewButton},
        {QKeySequence(Qt::CTRL | Qt::Key_D), kDeleteButton},
        {QKeySequence(Qt::CTRL | Qt::Key_F), kSearchButton},
        {QKeySequence(Qt::CTRL | Qt::Key_P), kPrint},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), kShowChanges},
        {QKeySequence(Qt::ALT | Qt::Key_F4), kExit},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), kUndo},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), kUndo},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), kRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), kRedo},
        {QKeySequence(Qt::ALT | Qt::Key_Up), kMoveUp},
        {QKeySequence(Qt::ALT | Qt::Key_Down), kMoveDown},
        {QKeySequence(Qt::ALT | Qt::Key_Home), kMoveToTop},
        {QKeySequence(Qt::ALT | Qt::Key_End), kMoveToBottom},
        {QKeySequence(Qt::CTRL | Qt::Key_M), kMoveTo},
        {QKeySequence(Qt::CTRL | Qt::Key_L), kFilterText},
    };
    QMap<int, QAction*> byId;  // one action per command, with all its keys
    for (const Accelerator& a : table) {
        if (QAction* known = byId.value(a.id)) {
            known->setShortcuts(known->shortcuts() << a.keys);
            continue;
        }
        auto* action = new QAction(this);
        byId.insert(a.id, action);
        action->setObjectName(QStringLiteral("accel-%1").arg(a.id));
        action->setShortcut(a.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = a.id;
        connect(action, &QAction::triggered, this, [this, id] {
            // A key for a menu command follows that command's enabling, as
            // its menu item does; a key for a form button has no rule of its
            // own and leaves the decision to the button's handler.
            if (QAction* menuAction = actions_.value(id)) {
                updateCommandStates();
                if (!menuAction->isEnabled()) return;
            }
            executeCommand(id);
        });
        addAction(action);
    }
}

bool CMainFrame::frameCommand(int id) {
    switch (id) {
    case command::kExit:
        close();
        return true;
    case command::kAbout:
        showAbout();
        return true;
    case command::kToggleToolbar:
        toolBar_->setVisible(!toolBar_->isVisibleTo(this));
        return true;
    case command::kToggleStatusBar:
        statusBar()->setVisible(!statusBar()->isVisibleTo(this));
        return true;
    case command::kUndoHistory:
        history_->setVisible(!history_->isVisibleTo(this));
        return true;
    default:
        return false;
    }
}

bool CMainFrame::executeCommand(int id) {
    const bool handled = frameCommand(id) || (view_ && view_->handleCommand(id));
    updateCommandStates();
    return handled;
}

void CMainFrame::updateCommandStates() {
    if (unsavedCheck_) unsavedCheck_->start();
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        const int id = it.key();
        QAction* action = it.value();
        switch (id) {
        case command::kExit:
        case command::kAbout:
            action->setEnabled(true);
            break;
        case command::kToggleToolbar:
            action->setEnabled(true);
            action->setChecked(toolBar_->isVisibleTo(this));
            break;
        case command::kToggleStatusBar:
            action->setEnabled(true);
            action->setChecked(statusBar()->isVisibleTo(this));
            break;
        case command::kUndoHistory:
            if (!history_) break;
            action->setEnabled(true);
            action->setChecked(history_->isVisibleTo(this));
            // Its clicks are Undo and Redo: they follow the same rules.
            history_->widget()->setEnabled(view_->commandEnabled(command::kUndo) || view_->commandEnabled(command::kRedo));
            break;
        case command::kUndo:
        case command::kRedo: {
            action->setEnabled(view_->commandEnabled(id));
            const QString text = id == command::kUndo ? view_->undoText() : view_->redoText();
            const QString keys = id == command::kUndo ? QStringLiteral("Ctrl+Z") : QStringLiteral("Ctrl+Shift+Z");
            action->setText(QStringLiteral("&") + text + QLatin1Char('\t') + keys);
            action->setToolTip(text);
            break;
        }
        default:
            action->setEnabled(view_ && view_->commandEnabled(id));
            if (action->isCheckable()) action->setChecked(view_ && view_->commandChecked(id));
            break;
        }
    }
}

void CMainFrame::showAbout() {
    AboutBox box(this);
    ui::Prompter::current().runDialog(box);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Fly-by prompts of menus and toolbar buttons go to the message pane;
        // when the pointer leaves, the pane returns to the idle text.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (messagePane_) messagePane_->setText(tip.isEmpty() ? idleText() : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_ && view_->shouldAskSaveOnClose()) {
        // A failed save (the view has said why) keeps the window open with
        // the edits: closing now would throw them away.
        if (ui::confirm(this, tr(kCloseQuestion)) && !view_->saveButton()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace velmora
