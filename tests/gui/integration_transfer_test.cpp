// SPDX-License-Identifier: GPL-3.0-or-later
// Both receiver transfers from the editor window, end to end: the virtual
// receiver plays the set-top box on the master side of the pseudo-terminal,
// the editor drives the real port, watcher, queue and state machines.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "channel_reader.h"
#include "integration_fixture.h"
#include "transfer_controller.h"
#include "transfer_protocol.h"

namespace velmora::test {
namespace {

FileHeader headerOf(const QString& path) {
    ChannelDatabase db;
    EXPECT_TRUE(loadChannelFile(path.toStdString(), db).ok()) << path.toStdString();
    return db.header;
}

class Transfers : public EditorOnLine {
protected:
    void TearDown() override {
        stopReceiver();
        EditorOnLine::TearDown();
    }

    void startReceiver(link::VirtualReceiver::Options options) {
        box = std::make_unique<link::VirtualReceiver>(std::move(options));
        box->onDownloadComplete = [this](const link::VirtualReceiver& r) {
            std::lock_guard<std::mutex> lock(storedMutex);
            stored = r.received();
            return true;
        };
        link::ReceiverLine line;
        line.heldSlave = pty.slave;
        line.requestInterval = 0.05;
        receiverThread = std::thread([this, line] { link::serveReceiver(pty.master, *box, line, &stop); });
    }
    void stopReceiver() {
        stop = true;
        if (receiverThread.joinable()) receiverThread.join();
    }
    Bytes storedByReceiver() {
        std::lock_guard<std::mutex> lock(storedMutex);
        return stored;
    }

    // Runs the progress dialogs for real, as a user waiting would; a stuck
    // transfer gives up after a while instead of hanging the test.
    void runDialogsModally() {
        prompter.dialogHandler = [this](QDialog& d) {
            dialogs.append(d.objectName());
            QTimer::singleShot(20000, &d, &QDialog::reject);
            return d.exec();
        };
    }

    // File > Open of `path` through the scripted chooser.
    void openInEditor(const QString& path) {
        prompter.openPaths.push_back(path);
        ASSERT_TRUE(frame->executeCommand(57601));
        ASSERT_TRUE(view().flags().fileLoaded);
    }

    std::unique_ptr<link::VirtualReceiver> box;
    std::thread receiverThread;
    std::atomic<bool> stop{false};
    std::mutex storedMutex;
    Bytes stored;
    QStringList dialogs;
};

TEST_F(Transfers, DownloadSendsTheChosenFileByteExactAndTakesItsHeader) {
    const QString loaded = writeChannelFile(QStringLiteral("loaded.bin"), 0x0101, "LOADED");
    const QString chosen = writeChannelFile(QStringLiteral("chosen.bin"), 0x20304, "VM-9000", 40);
    const Bytes file = readBytes(chosen);
    startEditor();
    openInEditor(loaded);
    ASSERT_EQ(view().database().header.headerParam2, 0x0101u);

    startReceiver({});
    runDialogsModally();
    prompter.openPaths.push_back(chosen);
    action(32784)->trigger();

    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Download OK")});
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("186")}) << "the dialog closed by itself";
    ASSERT_EQ(prompter.openRequests.size(), 2);
    EXPECT_EQ(prompter.openRequests[1].defaultSuffix, QStringLiteral("bin"));
    EXPECT_EQ(prompter.openRequests[1].initialName, QStringLiteral("*.bin;*.sgn"));

    const Bytes got = storedByReceiver();
    ASSERT_EQ(got.size(), link::downloadImageSize(file.size()));
    EXPECT_TRUE(std::equal(file.begin(), file.end(), got.begin())) << "header and data as on disk";
    EXPECT_TRUE(std::all_of(got.begin() + static_cast<long>(file.size()), got.end(), [](std::uint8_t b) { return b == 0xFF; }));

    // The loaded tables stay; their header now is the sent file's, and the
    // next Save writes it.
    EXPECT_EQ(view().database().header, headerOf(chosen));
    EXPECT_EQ(view().flags().filePath, loaded.toStdString());
    EXPECT_FALSE(view().portController().flags().downloadArmed.load());
    ASSERT_TRUE(view().handleCommand(1040));
    ASSERT_TRUE(view().handleCommand(1041));
    const FileHeader saved = headerOf(loaded);
    EXPECT_EQ(saved.headerParam2, 0x20304u);
    EXPECT_EQ(saved.modelText(), "VM-9000");
}

TEST_F(Transfers, UploadStoresTheReceiversFileByteExactAndTakesItsHeader) {
    const QString served = writeChannelFile(QStringLiteral("in-box.bin"), 0x0707, "BOX-1", 60);
    const Bytes file = readBytes(served);
    startEditor();
    link::VirtualReceiver::Options options;
    options.serve = file;
    startReceiver(std::move(options));
    runDialogsModally();
    const QString out = dir.filePath(QStringLiteral("pulled.bin"));
    prompter.savePaths.push_back(out);
    action(32815)->trigger();

    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("UpLoad Complete(C)!!")});
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("190")});
    ASSERT_EQ(prompter.saveRequests.size(), 1);
    EXPECT_TRUE(prompter.saveRequests[0].confirmOverwrite);

    const Bytes back = readBytes(out);
    ASSERT_EQ(back.size(), link::downloadImageSize(file.size()));
    EXPECT_TRUE(std::equal(file.begin(), file.end(), back.begin()));
    EXPECT_EQ(view().database().header, headerOf(served));
    EXPECT_FALSE(view().portController().flags().uploadArmed.load());
    EXPECT_FALSE(view().flags().fileLoaded) << "an uploaded file is opened with File > Open";

    // And it opens like any other channel file.
    openInEditor(out);
    EXPECT_EQ(view().database().header, headerOf(served));
}

TEST_F(Transfers, BothDirectionsOneAfterTheOtherOnTheSameOpenPort) {
    const QString chosen = writeChannelFile(QStringLiteral("a.bin"), 0x1234, "A", 20);
    const Bytes file = readBytes(chosen);
    startEditor();
    link::VirtualReceiver::Options options;
    options.serve = file;
    startReceiver(std::move(options));
    runDialogsModally();
    prompter.openPaths.push_back(chosen);
    action(32784)->trigger();
    const QString out = dir.filePath(QStringLiteral("b.bin"));
    prompter.savePaths.push_back(out);
    action(32815)->trigger();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("Download OK"), QStringLiteral("UpLoad Complete(C)!!")}));
    const Bytes back = readBytes(out);
    ASSERT_GE(back.size(), file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), back.begin()));
    EXPECT_TRUE(action(32814)->isChecked());
}

TEST_F(Transfers, ACapacitySizedFileGoesBothWaysThroughTheWindow) {
    // About a thousand blocks each way: every acknowledgement must reach the
    // UI thread, however the watcher's wake-ups fall.
    ChannelDatabase db = makeSampleDatabase(SampleOptions::capacity());
    const QString chosen = dir.filePath(QStringLiteral("capacity.bin"));
    ASSERT_TRUE(velmora::writeChannelFile(chosen.toStdString(), db, SaveOptions{}).ok);
    const Bytes file = readBytes(chosen);
    ASSERT_GT(file.size(), 900u * 1024u);
    startEditor();
    link::VirtualReceiver::Options options;
    options.serve = file;
    startReceiver(std::move(options));
    runDialogsModally();
    prompter.openPaths.push_back(chosen);
    action(32784)->trigger();
    const QString out = dir.filePath(QStringLiteral("capacity-back.bin"));
    prompter.savePaths.push_back(out);
    action(32815)->trigger();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("Download OK"), QStringLiteral("UpLoad Complete(C)!!")}));
    const Bytes got = storedByReceiver();
    ASSERT_EQ(got.size(), link::downloadImageSize(file.size()));
    EXPECT_TRUE(std::equal(file.begin(), file.end(), got.begin()));
    const Bytes back = readBytes(out);
    ASSERT_EQ(back.size(), got.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), back.begin()));
}

TEST_F(Transfers, ChoosersCancelledArmNothing) {
    startEditor();
    action(32784)->trigger();
    action(32815)->trigger();
    EXPECT_TRUE(prompter.dialogsRun.isEmpty());
    EXPECT_FALSE(view().portController().flags().downloadArmed.load());
    EXPECT_FALSE(view().portController().flags().uploadArmed.load());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(Transfers, CancelDisarmsAndLaterBytesStayQueued) {
    const QString chosen = writeChannelFile(QStringLiteral("c.bin"), 0x1234, "C");
    startEditor();
    prompter.openPaths.push_back(chosen);
    bool armedWhileShown = false;
    prompter.dialogHandler = [&](QDialog& d) {
        armedWhileShown = view().portController().flags().downloadArmed.load();
        d.findChild<QPushButton*>(QStringLiteral("2"))->click();
        return d.result();
    };
    action(32784)->trigger();
    EXPECT_TRUE(armedWhileShown);
    EXPECT_FALSE(view().portController().flags().downloadArmed.load());

    // A request after the cancel is not answered with a header.
    const std::uint8_t request = 0x01;
    ASSERT_EQ(::write(pty.master, &request, 1), 1);
    EXPECT_TRUE(processUntil([&] { return view().portController().serialPort().queue().count() == 1; }));
    std::uint8_t reply = 0;
    EXPECT_FALSE(processUntil([&] { return ::read(pty.master, &reply, 1) == 1; }, 200));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // Upload: the request goes out when the dialog opens; Cancel disarms.
    const QString out = dir.filePath(QStringLiteral("never.bin"));
    prompter.savePaths.push_back(out);
    bool uploadArmedWhileShown = false;
    prompter.dialogHandler = [&](QDialog& d) {
        uploadArmedWhileShown = view().portController().flags().uploadArmed.load();
        d.reject();
        return int(QDialog::Rejected);
    };
    action(32815)->trigger();
    EXPECT_TRUE(uploadArmedWhileShown);
    EXPECT_FALSE(view().portController().flags().uploadArmed.load());
    EXPECT_TRUE(processUntil([&] { return ::read(pty.master, &reply, 1) == 1; }));
    EXPECT_EQ(reply, 0x01);
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(Transfers, EscapeInAProgressDialogCancelsIt) {
    // The form swallows Enter and Escape for its own controls; the dialogs
    // it opens are windows of their own and keep both keys.
    const QString chosen = writeChannelFile(QStringLiteral("e.bin"), 0x1234, "E");
    startEditor();
    prompter.openPaths.push_back(chosen);
    bool closedByEscape = false;
    prompter.dialogHandler = [&](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        closedByEscape = !d.isVisible();
        return d.result();
    };
    action(32784)->trigger();
    EXPECT_TRUE(closedByEscape);
    EXPECT_FALSE(view().portController().flags().downloadArmed.load());
    EXPECT_EQ(view().transfers().downloadMachine().state(), link::DownloadState::Idle);
}

TEST_F(Transfers, FileOpenDisarmsBothDirectionsFirst) {
    startEditor();
    link::LinkFlags& flags = view().portController().flags();
    flags.downloadArmed.store(true);
    flags.uploadArmed.store(true);
    // Even when the chooser is then cancelled.
    ASSERT_TRUE(frame->executeCommand(57601));
    EXPECT_FALSE(flags.downloadArmed.load());
    EXPECT_FALSE(flags.uploadArmed.load());

    flags.uploadArmed.store(true);
    openInEditor(writeChannelFile(QStringLiteral("d.bin"), 1, "D"));
    EXPECT_FALSE(flags.uploadArmed.load());
}

TEST_F(Transfers, ARefusedFileLeavesTheLoadedHeaderAlone) {
    const QString loaded = writeChannelFile(QStringLiteral("loaded.bin"), 0x0101, "LOADED");
    startEditor();
    openInEditor(loaded);
    const FileHeader before = view().database().header;
    // Not a channel file: wrong magic.
    QFile junk(dir.filePath(QStringLiteral("junk.bin")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(200, '\x11'));
    junk.close();
    prompter.openPaths.push_back(junk.fileName());
    action(32784)->trigger();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Invalid Data Format!!!")});
    EXPECT_TRUE(prompter.dialogsRun.isEmpty());
    EXPECT_EQ(view().database().header, before);
    EXPECT_FALSE(view().portController().flags().downloadArmed.load());
}

}  // namespace
}  // namespace velmora::test
