// The channel file named on the command line, and the File menu's recent
// files.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>

#include "command_line.h"
#include "shell_fixture.h"

namespace velmora::test {
namespace {

class StartupAndRecent : public ShellTest {
protected:
    QStringList recentCaptions() const {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            if (auto* a = frame->findChild<QAction*>(QString::number(command::kRecentFile1 + i))) out << a->text();
        return out;
    }
    QAction* recent(int i) const { return frame->findChild<QAction*>(QString::number(command::kRecentFile1 + i)); }
};

TEST_F(StartupAndRecent, AFileOnTheCommandLineOpensOnceTheWindowIsUp) {
    const QString good = writeSampleFile(dir.path(), "good.bin");
    QFile bad(dir.filePath("bad.sgn"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(200, 'x'));
    bad.close();
    struct Case {
        QString file;
        bool loaded;
        QString message;  // start of the only message, if any
    };
    const Case cases[] = {
        {good, true, {}},
        {bad.fileName(), false, "Invalid Data Format!!!"},
        {dir.filePath("missing.bin"), false, "Cannot open " + dir.filePath("missing.bin")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        prompter.messages.clear();
        frame = std::make_unique<CMainFrame>();
        frame->view()->initialUpdate();
        openWhenShown(*frame, c.file);
        EXPECT_FALSE(frame->view()->flags().fileLoaded) << "not before the event loop runs";
        QCoreApplication::processEvents();
        EXPECT_EQ(frame->view()->flags().fileLoaded, c.loaded);
        EXPECT_TRUE(prompter.openRequests.isEmpty()) << "no file chooser";
        if (c.message.isEmpty()) {
            EXPECT_TRUE(prompter.messages.isEmpty());
        } else {
            ASSERT_FALSE(prompter.messages.isEmpty());
            EXPECT_TRUE(prompter.messages[0].text.startsWith(c.message)) << prompter.messages[0].text.toStdString();
        }
        EXPECT_EQ(recentCaptions(), c.loaded ? QStringList{"&1 good.bin"} : QStringList{});
    }
}

TEST_F(StartupAndRecent, MenuListsTheFourLatestAboveExitAndOpensThem) {
    QStringList paths;
    for (const char* name : {"a.bin", "b.bin", "c&d.bin", "e.sgn", "f.bin"}) paths << writeSampleFile(dir.path(), name);
    for (const QString& p : paths) openThroughMenu(p);
    EXPECT_EQ(recentCaptions(), (QStringList{"&1 f.bin", "&2 e.sgn", "&3 c&&d.bin", "&4 b.bin"}));
    EXPECT_EQ(recent(1)->statusTip(), paths[3]);
    QMenu* file = frame->findChild<QMenu*>("menu-file");
    const QList<QAction*> items = file->actions();
    const auto exitAt = items.indexOf(frame->commandAction(command::kExit));
    EXPECT_EQ(items.at(exitAt - 1)->isSeparator(), true);
    EXPECT_EQ(items.at(exitAt - 2), recent(3));

    recent(2)->trigger();  // c&d.bin: opened and moved to the top
    EXPECT_EQ(frame->view()->flags().filePath, paths[2].toStdString());
    EXPECT_EQ(recentCaptions().first(), "&1 c&&d.bin");

    // A file that has gone away leaves the list with a message; the form keeps its file.
    ASSERT_TRUE(QFile::remove(paths[4]));
    recent(1)->trigger();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(paths[4]));
    EXPECT_EQ(recentCaptions(), (QStringList{"&1 c&&d.bin", "&2 e.sgn", "&3 b.bin"}));
    EXPECT_EQ(frame->view()->flags().filePath, paths[2].toStdString());
}

}  // namespace
}  // namespace velmora::test
