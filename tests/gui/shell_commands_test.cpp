// The whole command table: every command's menu and place in it, toolbar
// slot, accelerator, prompt and tooltip, its enabling while editing, and that
// it reaches a handler.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include "shell_fixture.h"

namespace velmora::test {
namespace {

using CommandTable = ShellTest;

TEST_F(CommandTable, EveryCommandReachesItsHandlerFromEachOfItsPlaces) {
    const struct {
        int id;
        const char* menu;  // nullptr: a form control reached by its key only
        int slot;          // 1-based toolbar slot, 0 for none
        const char* keys;
        const char* prompt;
        const char* tip;   // nullptr: the caption serves as tooltip
        bool editing;      // enabled in the Editing state
    } table[] = {
        {57601, "menu-file", 1, "Ctrl+O", "Open an existing document", "Open", true},
        {32792, "menu-file", 2, "", "Save the File", "File Save", true},
        {57607, "menu-file", 12, "Ctrl+P", "Print the active document", "Print", true},
        {57609, "menu-file", 0, "", "Display full pages", "Print Preview", true},
        {57606, "menu-file", 0, "", "Change the printer and printing options", "Print Setup", true},
        {32812, "menu-edit", 0, "", "", nullptr, true},
        {32786, "menu-edit", 0, "", "", nullptr, true},
        {32811, "menu-edit", 0, "", "", nullptr, false},
        {32776, "menu-edit", 0, "", "", nullptr, true},
        {32795, "menu-edit", 0, "", "Put both lists in the order of another channel file", "Apply Order From", true},
        {32789, "menu-view", 4, "", "Viewing the TV Channel", "TV Channel", true},
        {32790, "menu-view", 5, "", "Viewing the Radio Channel", "Radio Channel", true},
        {32788, "menu-view", 6, "", "View the Favorite Channel", "Favorite Channel", true},
        {32814, "menu-port", 0, "", "", nullptr, true},
        {32813, "menu-port", 11, "", "Serial Port Setting", "Serial Port", true},
        {32784, "menu-port", 8, "", "Download the Data", "Download", true},
        {32815, "menu-port", 9, "", "Upload the Data from the receiver", "Upload", true},
        {59392, "menu-window", 0, "", "Show or hide the toolbar", "Toggle ToolBar", true},
        {59393, "menu-window", 0, "", "Show or hide the status bar", "Toggle StatusBar", true},
        {57664, "menu-about", 14, "", nullptr, "About", true},
        {1041, nullptr, 0, "Ctrl+S", nullptr, nullptr, true},
        {1069, nullptr, 0, "Ctrl+N", nullptr, nullptr, true},
        {1042, nullptr, 0, "Ctrl+D", nullptr, nullptr, true},
        {1009, nullptr, 0, "Ctrl+F", nullptr, nullptr, true},
        {57665, "menu-file", 0, "Alt+F4", "Quit the application; prompts to save documents", "Exit", true},
    };
    openThroughMenu(writeSampleFile(dir.path()));
    frame->executeCommand(1040);  // Edit
    QHash<QString, int> lastPlace;
    for (const auto& c : table) {
        SCOPED_TRACE(c.id);
        QAction* action = c.menu ? frame->commandAction(c.id) : nullptr;
        if (c.menu) {
            ASSERT_NE(action, nullptr);
            const int place = frame->findChild<QMenu*>(c.menu)->actions().indexOf(action);
            EXPECT_GT(place, lastPlace.value(c.menu, -1)) << "in its menu, in order";
            lastPlace[c.menu] = place;
            EXPECT_EQ(action->isEnabled(), c.editing);
            EXPECT_EQ(action->statusTip(), c.prompt ? c.prompt : action->statusTip());
            EXPECT_EQ(action->toolTip(), c.tip ? c.tip : action->toolTip());
        } else {
            EXPECT_EQ(frame->view()->findChild<QPushButton*>(QString::number(c.id))->isEnabled(), c.editing);
        }
        EXPECT_EQ(frame->toolBar()->actions().value(c.slot - 1), c.slot > 0 ? action : nullptr);
        if (*c.keys) {
            EXPECT_EQ(frame->findChild<QAction*>(QStringLiteral("accel-%1").arg(c.id))->shortcut(),
                      QKeySequence(QString::fromLatin1(c.keys)));
        }
    }
    // The scripted dialogs cancel whatever a command opens.
    for (const auto& c : table) EXPECT_TRUE(frame->executeCommand(c.id)) << c.id;
}

}  // namespace
}  // namespace velmora::test
