// SPDX-License-Identifier: GPL-3.0-or-later
// Menu, toolbar, status bar and command routing of the main frame.
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QSettings>
#include <QTableView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "shell_fixture.h"

namespace velmora::test {
namespace {

using FrameStructure = ShellTest;

struct MenuItem {
    int id;  // 0: separator
    const char* caption;
};

QList<MenuItem> itemsOf(QMenu* menu) {
    QList<MenuItem> out;
    for (QAction* a : menu->actions()) out.append({a->isSeparator() ? 0 : a->objectName().toInt(), nullptr});
    return out;
}

QList<int> idsOf(const QList<MenuItem>& items) {
    QList<int> ids;
    for (const MenuItem& m : items) ids.append(m.id);
    return ids;
}

TEST_F(FrameStructure, TitleNamesTheFileWithItsUnsavedMarker) {
    EXPECT_EQ(frame->windowTitle(), "VelmoraEdit");
    openThroughMenu(writeSampleFile(dir.path()));
    EXPECT_EQ(frame->windowTitle(), "sample.bin[*] - VelmoraEdit");
    EXPECT_FALSE(frame->isWindowModified());
    frame->view()->handleCommand(1040);
    auto* name = frame->view()->findChild<QLineEdit*>("1026");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_X);
    QTRY_VERIFY(frame->isWindowModified());
    frame->view()->handleCommand(1041);
    QTRY_VERIFY(!frame->isWindowModified());
}

TEST_F(FrameStructure, FirstStartShowsTheFourColumnsAndTheWindowKeepsItsPlace) {
    QSettings settings(dir.filePath("profile.ini"), QSettings::IniFormat);
    frame->showWithSavedGeometry(settings);  // nothing stored yet
    const QTableView* list = frame->view()->tvList();
    EXPECT_GE(list->viewport()->width(), list->horizontalHeader()->length());
    frame->showNormal();
    frame->setGeometry(60, 50, 1111, 777);
    frame->saveGeometryTo(settings);
    CMainFrame next;
    next.showWithSavedGeometry(settings);
    EXPECT_EQ(next.geometry().size(), QSize(1111, 777));
}

TEST_F(FrameStructure, SevenMenusInOrderWithTheirCommandsAndSeparators) {
    const QList<QAction*> menus = frame->menuBar()->actions();
    ASSERT_EQ(menus.size(), 7);
    const QStringList titles = {"&File", "&Edit", "&View", "&Tools", "&Port", "&Window", "&About"};
    const QList<QList<int>> expected = {
        {57601, 32792, 32843, 0, 32840, 32841, 32842, 32850, 0, 57607, 57609, 57606, 0, 57665},
        {57643, 57644, 0, 32812, 32786, 32811, 32851, 0, 32776, 0, 32820, 32821, 32822, 32823, 32824, 0, 32795},
        {32789, 32790, 0, 32788, 32830, 0, 32844, 0, 32879},
        {32860},
        {32814, 32813, 0, 32784, 32815},
        {59392, 59393},
        {57664},
    };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(titles[i].toStdString());
        EXPECT_EQ(menus[i]->text(), titles[i]);
        ASSERT_NE(menus[i]->menu(), nullptr);
        EXPECT_EQ(idsOf(itemsOf(menus[i]->menu())), expected[i]);
        for (QAction* a : menus[i]->menu()->actions()) {
            if (a->isSeparator()) continue;
            EXPECT_TRUE(a->text().contains('&')) << a->text().toStdString();
            EXPECT_EQ(frame->findChild<QAction*>(a->objectName()), a) << "ids are unique";
        }
    }
}

TEST_F(FrameStructure, ViewLanguageStoresTheChoiceForTheNextStart) {
    ViewOptions options;
    options.port.profilePath = dir.filePath("profile.ini");
    auto first = std::make_unique<CMainFrame>(nullptr, options);
    const auto item = [&](int id) { return first->findChild<QAction*>(QString::number(id)); };
    ASSERT_NE(item(32870), nullptr);
    EXPECT_TRUE(item(32870)->isChecked()) << "nothing stored: the desktop's language";
    const struct { int id; const char* name; QVariant stored; } table[] = {
        {32877, "Русский", "ru"}, {32871, "English", "en"}, {32870, "&System default", QVariant()}, {32872, "Deutsch", "de"}};
    for (const auto& row : table) {
        item(row.id)->trigger();
        EXPECT_EQ(item(row.id)->text(), QString::fromUtf8(row.name));
        EXPECT_EQ(QSettings(options.port.profilePath, QSettings::IniFormat).value("Editor/Language"), row.stored);
        EXPECT_EQ(prompter.texts().last(), "The language changes when VelmoraEdit starts again.");
    }
    first = std::make_unique<CMainFrame>(nullptr, options);
    EXPECT_TRUE(item(32872)->isChecked()) << "the next start shows the stored choice";
}

TEST_F(FrameStructure, StatusPromptsAndTooltipsComeFromTheStringTable) {
    const struct {
        int id;
        const char* prompt;
        const char* tip;
    } table[] = {
        {57601, "Open an existing document", "Open"},
        {32792, "Save the File", "File Save"},
        {57607, "Print the active document", "Print"},
        {57609, "Display full pages", "Print Preview"},
        {57606, "Change the printer and printing options", "Print Setup"},
        {57665, "Quit the application; prompts to save documents", "Exit"},
        {32789, "Viewing the TV Channel", "TV Channel"},
        {32790, "Viewing the Radio Channel", "Radio Channel"},
        {32788, "View the Favorite Channel", "Favorite Channel"},
        {32795, "Put both lists in the order of another channel file", "Apply Order From"},
        {32813, "Serial Port Setting", "Serial Port"},
        {32784, "Download the Data", "Download"},
        {32815, "Upload the Data from the receiver", "Upload"},
        {59392, "Show or hide the toolbar", "Toggle ToolBar"},
        {59393, "Show or hide the status bar", "Toggle StatusBar"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.id);
        QAction* a = frame->commandAction(row.id);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->statusTip(), row.prompt);
        EXPECT_EQ(a->toolTip(), row.tip);
    }
    for (int id : {32812, 32786, 32811, 32776, 32814}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(frame->commandAction(id)->statusTip().isEmpty());
    }
}

TEST_F(FrameStructure, ToolbarSlotsOfThirtyTwoPixels) {
    QToolBar* bar = frame->findChild<QToolBar*>("129");
    ASSERT_EQ(bar, frame->toolBar());
    EXPECT_EQ(bar->iconSize(), QSize(32, 32));
    EXPECT_TRUE(bar->isMovable());
    EXPECT_EQ(frame->toolBarArea(bar), Qt::TopToolBarArea);
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    const QList<int> toolbarSlots = {57601, 32792, 0, 57643, 57644, 0, 32789, 32790, 32788, 0, 32784, 32815, 0, 32813, 57607, 0, 57664};
    QList<int> ids;
    for (QAction* a : bar->actions()) {
        ids.append(a->isSeparator() ? 0 : a->objectName().toInt());
        if (a->isSeparator()) continue;
        SCOPED_TRACE(a->objectName().toStdString());
        EXPECT_FALSE(a->icon().isNull());
        EXPECT_FALSE(a->toolTip().isEmpty());
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->autoRaise()) << "flat buttons";
    }
    EXPECT_EQ(ids, toolbarSlots);
}

TEST_F(FrameStructure, StatusBarHasItsFivePanesAndIdleText) {
    QStatusBar* bar = frame->statusBar();
    {
        // Before the form's initial update has reported on the serial port.
        CMainFrame fresh;
        EXPECT_EQ(fresh.messagePane()->text(), "Ready");
    }
    auto* setting = bar->findChild<QLabel*>("129-pane");
    ASSERT_NE(setting, nullptr);
    EXPECT_EQ(setting->text(), "Setting : 115200, none, 8, 1");
    for (const char* name : {"cap", "num", "scrl"}) ASSERT_NE(bar->findChild<QLabel*>(name), nullptr) << name;
    EXPECT_EQ(bar->findChild<QLabel*>("cap")->text(), "CAP");
    EXPECT_EQ(bar->findChild<QLabel*>("num")->text(), "NUM");
    EXPECT_EQ(bar->findChild<QLabel*>("scrl")->text(), "SCRL");
    // Left to right: message, setting, CAP, NUM, SCRL.
    frame->show();
    QList<int> xs;
    for (const char* name : {"message-pane", "129-pane", "cap", "num", "scrl"})
        xs.append(bar->findChild<QLabel*>(name)->mapTo(frame.get(), QPoint(0, 0)).x());
    EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end()));
}

TEST_F(FrameStructure, FlyByPromptsShowInTheMessagePaneAndFallBackToReady) {
    QStatusTipEvent over(frame->commandAction(57601)->statusTip());
    QApplication::sendEvent(frame.get(), &over);
    EXPECT_EQ(frame->messagePane()->text(), "Open an existing document");
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(frame->messagePane()->text(), "Ready");
}

TEST_F(FrameStructure, MenuPromptsLeaveWithTheMenu) {
    frame->show();
    QMenu* file = frame->findChild<QMenu*>("menu-file");
    ASSERT_NE(file, nullptr);
    file->popup(frame->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(frame->commandAction(57665));
    EXPECT_EQ(frame->messagePane()->text(), "Quit the application; prompts to save documents");
    file->hide();
    EXPECT_EQ(frame->messagePane()->text(), "Ready");
}

TEST_F(FrameStructure, ViewStatusTextsGoToTheMessagePane) {
    emit frame->view()->statusText("Port COM1 is closed.");
    EXPECT_EQ(frame->messagePane()->text(), "Port COM1 is closed.");
}

TEST_F(FrameStructure, WindowMenuTogglesToolbarAndStatusBar) {
    frame->show();
    QAction* toolbar = frame->commandAction(59392);
    QAction* status = frame->commandAction(59393);
    ASSERT_TRUE(toolbar->isCheckable());
    ASSERT_TRUE(status->isCheckable());
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(status->isChecked());

    toolbar->trigger();
    EXPECT_FALSE(frame->toolBar()->isVisible());
    EXPECT_FALSE(toolbar->isChecked());
    status->trigger();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(status->isChecked());

    toolbar->trigger();
    status->trigger();
    EXPECT_TRUE(frame->toolBar()->isVisible());
    EXPECT_TRUE(frame->statusBar()->isVisible());
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(status->isChecked());

    // Hidden some other way (its own context menu): the check mark follows.
    frame->toolBar()->hide();
    EXPECT_FALSE(toolbar->isChecked());
}

TEST_F(FrameStructure, EnablingFollowsTheFormState) {
    const QList<int> editOnly = {32792, 32812, 32776};
    const QList<int> afterLoad = {32789, 32790};
    for (int id : editOnly + afterLoad) EXPECT_FALSE(frame->commandAction(id)->isEnabled()) << id;
    for (int id : {57601, 57665, 57664, 59392, 59393}) EXPECT_TRUE(frame->commandAction(id)->isEnabled()) << id;

    const QString path = writeSampleFile(dir.path());
    openThroughMenu(path);
    for (int id : afterLoad) EXPECT_TRUE(frame->commandAction(id)->isEnabled()) << id;
    for (int id : editOnly) EXPECT_FALSE(frame->commandAction(id)->isEnabled()) << id;

    ASSERT_TRUE(frame->view()->handleCommand(1040));  // Edit
    for (int id : editOnly) EXPECT_TRUE(frame->commandAction(id)->isEnabled()) << id;
}

TEST_F(FrameStructure, CommandsTheFormDoesNotHandleAreDisabled) {
    const QString path = writeSampleFile(dir.path());
    openThroughMenu(path);
    frame->view()->handleCommand(1040);
    frame->updateCommandStates();
    for (auto* a : frame->findChildren<QAction*>()) {
        bool ok = false;
        const int id = a->objectName().toInt(&ok);
        if (!ok || id == 57665 || id == 57664 || id == 59392 || id == 59393 || id == 32830) continue;
        if (id >= command::kRecentFile1 && id < command::kRecentFile1 + 4) continue;  // the frame's own
        if (id >= command::kLanguageSystem && id <= command::kLanguageMenu) continue;  // View > Language, too
        SCOPED_TRACE(id);
        EXPECT_EQ(a->isEnabled(), frame->view()->commandEnabled(id));
    }
}

TEST_F(FrameStructure, AboutOpensTheAboutBoxThroughTheDialogSeam) {
    QString seenIcon, seenButton;
    QStringList texts;
    prompter.dialogHandler = [&](QDialog& box) {
        const auto* icon = box.findChild<QLabel*>("icon");
        seenIcon = icon && !icon->pixmap().isNull() ? "icon" : "";
        for (const char* name : {"version", "description", "licence"})
            if (auto* l = box.findChild<QLabel*>(name)) texts.append(l->text());
        if (auto* b = box.findChild<QAbstractButton*>("1")) {
            seenButton = b->text();
            b->click();
        }
        return box.result();
    };
    frame->commandAction(57664)->trigger();
    EXPECT_EQ(prompter.dialogsRun, QStringList{"100"});
    EXPECT_EQ(seenIcon, "icon");
    ASSERT_EQ(texts.size(), 3);
    EXPECT_FALSE(texts[0].isEmpty());
    EXPECT_FALSE(texts[1].isEmpty());
    EXPECT_TRUE(texts[2].contains("GPL-3.0-or-later")) << texts[2].toStdString();
    EXPECT_FALSE(seenButton.isEmpty());
}

// ---- accelerators ----

class Accelerators : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    QAction* accel(int id) { return frame->findChild<QAction*>(QStringLiteral("accel-%1").arg(id)); }
};

TEST_F(Accelerators, KeysCarryTheirCommandIds) {
    const struct {
        QKeySequence keys;
        int id;
    } table[] = {
        {QKeySequence("Ctrl+O"), 57601}, {QKeySequence("Ctrl+S"), 1041}, {QKeySequence("Ctrl+N"), 1069},
        {QKeySequence("Ctrl+D"), 1042},  {QKeySequence("Ctrl+F"), 1009}, {QKeySequence("Ctrl+P"), 57607},
        {QKeySequence("Alt+F4"), 57665}, {QKeySequence("Ctrl+Z"), 57643}, {QKeySequence("Ctrl+Shift+Z"), 57644},
        {QKeySequence("Ctrl+L"), 32861},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.id);
        ASSERT_NE(accel(row.id), nullptr);
        EXPECT_EQ(accel(row.id)->shortcut(), row.keys);
    }
    EXPECT_EQ(accel(57643)->shortcuts().value(1), QKeySequence("Alt+Backspace"));
    EXPECT_EQ(accel(57644)->shortcuts().value(1), QKeySequence("Ctrl+Y"));
}

TEST_F(Accelerators, StandardEditKeysAreBoundToNothing) {
    const QList<QKeySequence> unbound = {QKeySequence("Ctrl+C"), QKeySequence("Ctrl+V"),     QKeySequence("Ctrl+X"),
                                         QKeySequence("Ctrl+Ins"),   QKeySequence("Shift+Ins"),
                                         QKeySequence("Shift+Del"), QKeySequence("F6")};
    for (QAction* a : frame->findChildren<QAction*>())
        for (const QKeySequence& keys : unbound)
            EXPECT_FALSE(a->shortcuts().contains(keys)) << a->objectName().toStdString() << " "
                                                         << keys.toString().toStdString();
}

TEST_F(Accelerators, CtrlOOpensTheFileChooser) {
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompter.openRequests.size(), 1);
}

TEST_F(Accelerators, CtrlSBeforeAnyLoadDoesNothing) {
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.saveRequests.isEmpty());
    EXPECT_FALSE(frame->view()->flags().savedOnce);
}

TEST_F(Accelerators, CtrlSSavesLikeTheSaveButton) {
    const QString path = writeSampleFile(dir.path());
    openThroughMenu(path);
    frame->view()->handleCommand(1040);  // Edit
    ASSERT_TRUE(frame->view()->flags().editActive);
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(frame->view()->flags().savedOnce);
}

TEST_F(Accelerators, WorkWhileATextFieldHasTheFocus) {
    const QString path = writeSampleFile(dir.path());
    openThroughMenu(path);
    frame->view()->handleCommand(1040);  // Edit
    auto* name = frame->view()->findChild<QLineEdit*>("1026");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }));
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(frame->view()->flags().savedOnce) << "Ctrl+S saved";
    EXPECT_NE(name->text(), QString()) << "the field kept its text";
}

TEST_F(Accelerators, AltF4ClosesThroughTheSavePrompt) {
    const QString path = writeSampleFile(dir.path());
    openThroughMenu(path);
    frame->view()->handleCommand(1040);
    prompter.answers.push_back(ui::Answer::No);
    QTest::keyClick(frame.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(prompter.texts(), QStringList{"Save changes to the All Data Channels?"});
    EXPECT_FALSE(frame->isVisible());
}

}  // namespace
}  // namespace velmora::test
