// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port from the editor window: the start-up open, the Port menu
// toggle with its check mark, the settings dialog, and a device that goes away.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <unistd.h>

#include "integration_fixture.h"
#include "port_controller.h"

namespace velmora::test {
namespace {

const char* const kDefaultConfig = "8\n0\n0\nNone\nCom1\n115200\n1\n";

using StartUp = EditorOnLine;

TEST_F(StartUp, CreatesConfigAndOpensCom1WithCheckMarkAndEnabledButtons) {
    ASSERT_FALSE(QFile::exists(QStringLiteral("config.ini")));
    startEditor();
    EXPECT_EQ(readText(dir.filePath(QStringLiteral("config.ini"))), QString::fromLatin1(kDefaultConfig));
    EXPECT_EQ(pane(), QStringLiteral("Initialization of Port COM1 is successful."));
    EXPECT_TRUE(prompter.messages.isEmpty());
    ASSERT_TRUE(view().portController().portOpen());
    EXPECT_EQ(view().portController().serialPort().devicePath(), pty.slavePath);

    ASSERT_TRUE(action(32814)->isCheckable());
    EXPECT_TRUE(action(32814)->isChecked());
    // Before any file is loaded: the link needs no channel data.
    for (int id : {32814, 32813, 32784, 32815}) EXPECT_TRUE(action(id)->isEnabled()) << id;
    for (int id : {32784, 32815, 32813}) {
        auto* button = qobject_cast<QToolButton*>(frame->toolBar()->widgetForAction(action(id)));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_TRUE(button->isEnabled()) << id;
    }

    // The open at start-up happens once: a late second initial update must
    // not toggle the port closed again.
    view().initialUpdate();
    EXPECT_TRUE(view().portController().portOpen());
    EXPECT_EQ(pane(), QStringLiteral("Initialization of Port COM1 is successful."));
}

TEST_F(StartUp, KeepsAnExistingConfigAndUsesItsPort) {
    QFile f(QStringLiteral("config.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("8\n1\n1\nNone\nCom2\n9600\n1\n");
    f.close();
    ::setenv("VELMORA_COM2", pty.slavePath.c_str(), 1);
    startEditor();
    ::unsetenv("VELMORA_COM2");
    EXPECT_EQ(pane(), QStringLiteral("Initialization of Port COM2 is successful."))
        << view().portController().serialPort().lastError();
    EXPECT_EQ(view().portController().baudRate(), 9600);
    EXPECT_EQ(readText(dir.filePath(QStringLiteral("config.ini"))), QStringLiteral("8\n1\n1\nNone\nCom2\n9600\n1\n"));
}

TEST_F(StartUp, UnopenableDeviceIsReportedInStatusBarAndMessageBox) {
    ::setenv("VELMORA_COM1", dir.filePath(QStringLiteral("no-such-device")).toLocal8Bit().constData(), 1);
    startEditor();
    EXPECT_EQ(pane(), QStringLiteral("COM1 (%1): No such file or directory").arg(dir.filePath("no-such-device")));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Failed initializing port."));
    EXPECT_EQ(prompter.messages[0].caption, QStringLiteral("VelmoraEdit"));
    EXPECT_FALSE(action(32814)->isChecked());
    EXPECT_TRUE(action(32814)->isEnabled()) << "the user can try again";
}

TEST_F(StartUp, PortLineNotNamingACom1To4PortOnlyAsksForSetUp) {
    QFile f(QStringLiteral("config.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("8\n0\n0\nNone\n/dev/ttyUSB0\n115200\n1\n");
    f.close();
    startEditor();
    EXPECT_EQ(pane(), QStringLiteral("Please set up the port first."));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(action(32814)->isChecked());
}

TEST(ViewOptions, ConfigPathIsTakenFromTheOptions) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ui::ScriptedPrompter prompter;
    ::setenv("VELMORA_COM1", dir.filePath(QStringLiteral("absent")).toLocal8Bit().constData(), 1);
    ViewOptions options;
    options.port.configPath = dir.filePath(QStringLiteral("config.ini"));
    options.port.profilePath = dir.filePath(QStringLiteral("profile.ini"));
    {
        CArdelEditView view(nullptr, options);
        EXPECT_EQ(readText(dir.filePath(QStringLiteral("config.ini"))), QString::fromLatin1(kDefaultConfig));
        EXPECT_FALSE(view.portController().portOpen()) << "nothing opens before the initial update";
        EXPECT_TRUE(prompter.messages.isEmpty());
    }
    ::unsetenv("VELMORA_COM1");
}

using PortMenu = EditorOnLine;

TEST_F(PortMenu, OpenPortTogglesThePortAndItsCheckMark) {
    startEditor();
    ASSERT_TRUE(action(32814)->isChecked());

    action(32814)->trigger();
    EXPECT_EQ(pane(), QStringLiteral("Port COM1 is closed."));
    EXPECT_FALSE(action(32814)->isChecked());
    EXPECT_FALSE(view().portController().serialPort().connected());
    EXPECT_FALSE(view().commandChecked(32814));

    action(32814)->trigger();
    EXPECT_EQ(pane(), QStringLiteral("Initialization of Port COM1 is successful."));
    EXPECT_TRUE(action(32814)->isChecked());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PortMenu, SettingsDialogRewritesThePortLineAndLeavesTheOpenPortAlone) {
    startEditor();
    ASSERT_TRUE(view().portController().portOpen());
    const QString statusBefore = pane();

    prompter.dialogHandler = [](QDialog& d) {
        auto* port = d.findChild<QComboBox*>(QStringLiteral("1012"));
        EXPECT_NE(port, nullptr);
        if (!port) return int(QDialog::Rejected);
        EXPECT_EQ(port->currentText(), QStringLiteral("Com1")) << "filled with the current value";
        port->setCurrentIndex(port->findText(QStringLiteral("Com3")));
        return int(QDialog::Accepted);
    };
    action(32813)->trigger();
    ASSERT_EQ(prompter.dialogsRun.size(), 1);
    EXPECT_EQ(readText(dir.filePath(QStringLiteral("config.ini"))),
              QStringLiteral("8\n0\n0\nNone\nCom3\n115200\n1\n"));
    EXPECT_EQ(view().portController().portNumber(), 3);
    // Still the line opened at start-up, still checked; the change waits.
    EXPECT_TRUE(action(32814)->isChecked());
    EXPECT_EQ(view().portController().serialPort().devicePath(), pty.slavePath);
    EXPECT_NE(pane(), statusBefore);
    EXPECT_EQ(pane(), QStringLiteral("The new port settings take effect when the port is opened again."));

    // Cancelled: nothing changes.
    prompter.dialogHandler = [](QDialog& d) {
        d.findChild<QComboBox*>(QStringLiteral("1012"))->setCurrentIndex(0);
        return int(QDialog::Rejected);
    };
    action(32813)->trigger();
    EXPECT_EQ(view().portController().portNumber(), 3);
    EXPECT_EQ(readText(dir.filePath(QStringLiteral("config.ini"))),
              QStringLiteral("8\n0\n0\nNone\nCom3\n115200\n1\n"));
}

// The settings pane and the download window tell the line in use, not the
// settings chosen since; with the port closed a transfer only says so.
TEST_F(PortMenu, StatusAndTransferTextsFollowThePortInUse) {
    startEditor();
    auto* setting = frame->statusBar()->findChild<QLabel*>(QStringLiteral("129-pane"));
    ::setenv("VELMORA_COM2", pty.slavePath.c_str(), 1);
    QString windowPort;
    prompter.dialogHandler = [&](QDialog& d) {
        if (auto* port = d.findChild<QComboBox*>(QStringLiteral("1012"))) {
            port->setCurrentIndex(port->findText(QStringLiteral("Com2")));
            d.findChild<QComboBox*>(QStringLiteral("1013"))->setEditText(QStringLiteral("9600"));
            return int(QDialog::Accepted);
        }
        windowPort = d.findChild<QLabel*>(QStringLiteral("1005"))->text();
        return int(QDialog::Rejected);
    };
    const QString file = writeChannelFile(QStringLiteral("list.bin"), 0x1234, "VM");
    prompter.openPaths = {file, file};
    for (int id : {32813, 32784, 32814, 32784, 32815}) action(id)->trigger();  // settings, download, close, ...
    EXPECT_EQ(windowPort, QStringLiteral("Com1"));
    EXPECT_EQ(setting->text(), QStringLiteral("Setting : 115200, none, 8, 1"));
    EXPECT_EQ(prompter.texts(), QStringList(2, QStringLiteral("You must initialize the serial port.")));
    EXPECT_EQ(prompter.openRequests.size(), 1) << "no file is asked for while the port is closed";

    action(32814)->trigger();  // opened again: the new settings apply
    ::unsetenv("VELMORA_COM2");
    EXPECT_EQ(pane(), QStringLiteral("Initialization of Port COM2 is successful."));
    EXPECT_EQ(setting->text(), QStringLiteral("Setting : 9600, none, 8, 1"));
}

TEST_F(PortMenu, ALostDeviceClearsTheCheckMarkAndSaysSo) {
    startEditor();
    ASSERT_TRUE(action(32814)->isChecked());
    // The far side goes away, as when a USB adapter is pulled out.
    ::close(pty.master);
    pty.master = -1;
    EXPECT_TRUE(processUntil([&] { return !action(32814)->isChecked(); }));
    EXPECT_FALSE(view().portController().portOpen());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("lost"))) << prompter.messages[0].text.toStdString();
    EXPECT_EQ(pane(), prompter.messages[0].text);
}

}  // namespace
}  // namespace velmora::test
