// SPDX-License-Identifier: GPL-3.0-or-later
// The whole command table at work: while editing, every command of the menus
// and the form's keys is offered (Paste only once something is cut) and
// reaches a handler. Places, prompts and keys are checked in shell_frame_test.
#include <QAction>
#include <QPushButton>

#include "shell_fixture.h"

namespace velmora::test {
namespace {

using CommandTable = ShellTest;

TEST_F(CommandTable, WhileEditingEveryCommandButPasteIsOfferedAndReachesItsHandler) {
    const int ids[] = {57601, 32792, 57607, 57609, 57606, 57665, 32812, 32786, 32811, 32776, 32795, 32789, 32790,
                       32788, 32814, 32813, 32784, 32815, 59392, 59393, 57664, 1041, 1069, 1042, 1009};
    openThroughMenu(writeSampleFile(dir.path()));
    frame->executeCommand(1040);  // Edit
    for (int id : ids) {
        QAction* action = frame->commandAction(id);
        auto* button = frame->view()->findChild<QPushButton*>(QString::number(id));
        EXPECT_EQ(action ? action->isEnabled() : button->isEnabled(), id != 32811) << id;
    }
    // The scripted dialogs cancel whatever a command opens.
    for (int id : ids) EXPECT_TRUE(frame->executeCommand(id)) << id;
}

}  // namespace
}  // namespace velmora::test
