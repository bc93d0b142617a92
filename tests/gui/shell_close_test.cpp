// SPDX-License-Identifier: GPL-3.0-or-later
// The question on closing the main window, whichever way it is closed.
#include <QDir>
#include <QLineEdit>

#include "channel_reader.h"
#include "shell_fixture.h"

namespace velmora::test {
namespace {

const char* const kQuestion = "Save changes to the All Data Channels?";

class ClosePrompt : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkpath("disk"));
        path = writeSampleFile(dir.path() + "/disk");
        ASSERT_FALSE(path.isEmpty());
        original = readAll(path);
        frame->show();
    }

    void loadAndEdit() {
        openThroughMenu(path);
        ASSERT_TRUE(frame->view()->handleCommand(1040));  // Edit
        ASSERT_TRUE(frame->view()->flags().editActive);
    }

    QLineEdit* channelName() { return frame->view()->findChild<QLineEdit*>("1026"); }

    QString path;
    QByteArray original;
};

TEST_F(ClosePrompt, RightAfterStartUpClosesWithoutAQuestion) {
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ClosePrompt, AfterALoadWithoutEditClosesWithoutAQuestion) {
    openThroughMenu(path);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ClosePrompt, AfterEditAsksAndNoClosesWithoutWriting) {
    loadAndEdit();
    ASSERT_NE(channelName(), nullptr);
    channelName()->setText("Changed Name");
    prompter.answers.push_back(ui::Answer::No);
    EXPECT_TRUE(frame->close());
    ASSERT_EQ(prompter.messages.size(), 1);
    const ui::RecordedMessage& m = prompter.messages.first();
    EXPECT_EQ(m.text, kQuestion);
    EXPECT_EQ(m.caption, "Ardel Editor");
    EXPECT_EQ(m.buttons, ui::Buttons::YesNo);
    EXPECT_EQ(m.icon, ui::Icon::Exclamation);
    EXPECT_EQ(readAll(path), original);
}

TEST_F(ClosePrompt, YesSavesTheEditsBeforeClosing) {
    loadAndEdit();
    ASSERT_NE(channelName(), nullptr);
    channelName()->setText("Changed Name");
    prompter.answers.push_back(ui::Answer::Yes);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompter.texts(), QStringList{kQuestion});
    const QByteArray saved = readAll(path);
    EXPECT_NE(saved, original);
    EXPECT_TRUE(saved.contains("Changed Name"));
    ChannelDatabase reread;
    EXPECT_TRUE(loadChannelFile(path.toStdString(), reread).ok());
}

// A Save does not end the questions: an edit after it is asked for too.
TEST_F(ClosePrompt, EditsAfterASaveAreAskedForToo) {
    loadAndEdit();
    ASSERT_TRUE(frame->view()->saveButton());
    channelName()->setText("After Save");
    prompter.answers.push_back(ui::Answer::Yes);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompter.texts(), QStringList{kQuestion});
    EXPECT_TRUE(readAll(path).contains("After Save"));
}

TEST_F(ClosePrompt, ExitAsksTheSameQuestion) {
    loadAndEdit();
    prompter.answers.push_back(ui::Answer::No);
    frame->commandAction(command::kExit)->trigger();
    EXPECT_EQ(prompter.texts(), QStringList{kQuestion});
    EXPECT_FALSE(frame->isVisible());
}

// The save behind Yes can fail (the disk went away). Closing then would lose
// every edit, so the window stays open with them; the next close asks again.
TEST_F(ClosePrompt, AFailedSaveKeepsTheWindowOpen) {
    loadAndEdit();
    channelName()->setText("Kept Edit");
    ASSERT_TRUE(QDir(dir.path() + "/disk").removeRecursively());
    prompter.answers.push_back(ui::Answer::Yes);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    ASSERT_GE(prompter.messages.size(), 2) << "the question and the save error";
    EXPECT_EQ(prompter.messages.first().text, kQuestion);
    EXPECT_TRUE(prompter.messages.last().text.contains(path)) << prompter.messages.last().text.toStdString();
    EXPECT_EQ(channelName()->text(), "Kept Edit");
    EXPECT_TRUE(frame->view()->flags().editActive);

    prompter.answers.push_back(ui::Answer::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(prompter.messages.last().text, kQuestion);
}

}  // namespace
}  // namespace velmora::test
