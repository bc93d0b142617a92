// SPDX-License-Identifier: GPL-3.0-or-later
// The channel file named on the command line, and the File menu's recent files.
#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "command_line.h"
#include "shell_fixture.h"

namespace velmora::test {
namespace {

class StartupAndRecent : public ShellTest {
protected:
    QAction* recent(int i) const { return frame->findChild<QAction*>(QString::number(command::kRecentFile1 + i)); }
    QStringList recentCaptions() const {
        QStringList out;
        for (int i = 0; recent(i); ++i) out << recent(i)->text();
        return out;
    }
};

TEST_F(StartupAndRecent, AFileOnTheCommandLineOpensOnceTheWindowIsUp) {
    const QString good = writeSampleFile(dir.path(), "good.bin"), bad = dir.filePath("bad.sgn");
    QFile::copy(good, bad);
    QFile(bad).resize(100);
    const QString cases[][2] = {{good, ""}, {bad, "The file ends"}, {dir.filePath("gone.bin"), "Cannot open"}};
    for (const auto& [file, message] : cases) {
        SCOPED_TRACE(file.toStdString());
        prompter.messages.clear();
        frame = std::make_unique<CMainFrame>();
        openWhenShown(*frame, file);
        EXPECT_FALSE(frame->view()->flags().fileLoaded) << "not before the event loop runs";
        QCoreApplication::processEvents();
        EXPECT_EQ(frame->view()->flags().fileLoaded, message.isEmpty());
        EXPECT_EQ(prompter.texts().join("|").section("|", 0, 0).left(message.size()), message);
        EXPECT_EQ(recentCaptions(), message.isEmpty() ? QStringList{"&1 good.bin"} : QStringList{});
    }
    EXPECT_TRUE(prompter.openRequests.isEmpty()) << "no file chooser";
}

TEST_F(StartupAndRecent, MenuListsTheFourLatestAboveExitAndOpensThem) {
    QStringList paths;
    for (const char* name : {"a.bin", "b.bin", "c&d.bin", "e.sgn", "f.bin"}) {
        paths << writeSampleFile(dir.path(), name);
        openThroughMenu(paths.last());
    }
    EXPECT_EQ(recentCaptions(), (QStringList{"&1 f.bin", "&2 e.sgn", "&3 c&&d.bin", "&4 b.bin"}));
    EXPECT_EQ(recent(1)->statusTip(), paths[3]);
    const QList<QAction*> items = frame->findChild<QMenu*>("menu-file")->actions();
    EXPECT_EQ(items.indexOf(recent(3)) + 2, items.indexOf(frame->commandAction(command::kExit))) << "above Exit";

    recent(2)->trigger();  // opened, and moved to the top
    EXPECT_EQ(frame->view()->flags().filePath, paths[2].toStdString());
    EXPECT_EQ(recentCaptions().first(), "&1 c&&d.bin");
    // A file that has gone leaves the list with a message; the form keeps its file.
    QFile::remove(paths[4]);
    recent(1)->trigger();
    EXPECT_TRUE(prompter.texts().value(0).startsWith(paths[4]));
    EXPECT_EQ(recentCaptions(), (QStringList{"&1 c&&d.bin", "&2 e.sgn", "&3 b.bin"}));
    EXPECT_EQ(frame->view()->flags().filePath, paths[2].toStdString());
}

}  // namespace
}  // namespace velmora::test
