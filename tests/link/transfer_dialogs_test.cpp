// SPDX-License-Identifier: GPL-3.0-or-later
// The Download to receiver and Upload from receiver commands with their
// progress dialogs, on the offscreen platform: the PC side runs through the
// real port controller on a pseudo-terminal, and the test plays the receiver
// on the master side, byte by byte or with the virtual receiver.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "download_progress_dialog.h"
#include "port_controller.h"
#include "prompter.h"
#include "scripted_prompter.h"
#include "transfer_controller.h"
#include "transfer_test_files.h"
#include "upload_progress_dialog.h"
#include "virtual_receiver.h"

namespace velmora::ui {
namespace {

using link::Bytes;
using velmora::test::makeFile;

bool processUntil(const std::function<bool()>& pred, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

QString text(QDialog& d, int id) {
    auto* l = d.findChild<QLabel*>(QString::number(id));
    EXPECT_NE(l, nullptr) << id;
    return l ? l->text() : QString();
}

void writeFile(const QString& path, const Bytes& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                              static_cast<std::streamsize>(bytes.size()));
}
Bytes readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

class TransferDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(pty.open()) << pty.error;
        ::setenv("VELMORA_COM1", pty.slavePath.c_str(), 1);
        PortController::Options o;
        o.configPath = dir.filePath(QStringLiteral("config.ini"));
        o.profilePath = dir.filePath(QStringLiteral("profile.ini"));
        port = std::make_unique<PortController>(nullptr, o);
        port->openPort();
        ASSERT_TRUE(port->portOpen()) << port->lastStatus().toStdString();
        transfers = std::make_unique<TransferController>(*port, [this](const FileHeader& h) { applied.push_back(h); });
    }
    void TearDown() override {
        stopReceiver();
        transfers.reset();
        port.reset();
        ::unsetenv("VELMORA_COM1");
    }

    // Receiver side, by hand.
    void send(const Bytes& b) { ASSERT_EQ(::write(pty.master, b.data(), b.size()), static_cast<ssize_t>(b.size())); }
    Bytes receive(std::size_t n, int ms = 3000) {
        Bytes got;
        processUntil(
            [&] {
                std::uint8_t buf[4096];
                const ssize_t r = ::read(pty.master, buf, std::min(sizeof buf, n - got.size()));
                if (r > 0) got.insert(got.end(), buf, buf + r);
                return got.size() >= n;
            },
            ms);
        return got;
    }
    // Receiver side, automatic.
    void startReceiver(link::VirtualReceiver::Options o) {
        box = std::make_unique<link::VirtualReceiver>(std::move(o));
        link::ReceiverLine line;
        line.heldSlave = pty.slave;
        line.requestInterval = 0.05;
        receiverThread = std::thread([this, line] { link::serveReceiver(pty.master, *box, line, &stop); });
    }
    void stopReceiver() {
        stop = true;
        if (receiverThread.joinable()) receiverThread.join();
    }

    QString filePath(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    link::PseudoTerminal pty;
    ScriptedPrompter prompter;
    std::unique_ptr<PortController> port;
    std::unique_ptr<TransferController> transfers;
    std::vector<FileHeader> applied;
    std::unique_ptr<link::VirtualReceiver> box;
    std::thread receiverThread;
    std::atomic<bool> stop{false};
};

TEST(ProgressDialogs, versionTextsSliceTheHexDigits) {
    EXPECT_EQ(DownloadProgressDialog::hardwareVersionText(0x1234), QStringLiteral("1.34.23"));
    EXPECT_EQ(DownloadProgressDialog::softwareVersionText(0x1234), QStringLiteral("1.34.34"));
    EXPECT_EQ(DownloadProgressDialog::hardwareVersionText(66051), QStringLiteral("1.03.02"));
    EXPECT_EQ(DownloadProgressDialog::softwareVersionText(66051), QStringLiteral("1.20.03"));
    EXPECT_EQ(DownloadProgressDialog::hardwareVersionText(0x12345678), QStringLiteral("1.78.23"));
    EXPECT_EQ(DownloadProgressDialog::softwareVersionText(0x12345678), QStringLiteral("1.34.78"));
    EXPECT_EQ(DownloadProgressDialog::hardwareVersionText(0), QStringLiteral("0.00.00"));
}

TEST(ProgressDialogs, controlsByIdAndFinishClosesLikeCancel) {
    DownloadProgressDialog d;
    EXPECT_EQ(d.objectName(), QStringLiteral("186"));
    d.setup(1500, QStringLiteral("VM-9000"), 0x1234, 66051, QStringLiteral("Com2"), QStringLiteral("57600"));
    EXPECT_EQ(text(d, 1030), QStringLiteral("0/1500"));
    d.setPosition(1088);
    EXPECT_EQ(text(d, 1030), QStringLiteral("1088/1500"));
    EXPECT_EQ(d.findChild<QProgressBar*>(QStringLiteral("1027"))->maximum(), 1500);
    EXPECT_EQ(d.findChild<QProgressBar*>(QStringLiteral("1027"))->value(), 1088);
    EXPECT_NE(d.findChild<QPushButton*>(QStringLiteral("2")), nullptr);
    d.show();
    d.finish();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);

    UploadProgressDialog u;
    EXPECT_EQ(u.objectName(), QStringLiteral("190"));
    u.setup(QStringLiteral("/tmp/x.bin"));
    EXPECT_EQ(text(u, 1143), QStringLiteral("/tmp/x.bin"));
    EXPECT_EQ(text(u, 1144), QStringLiteral("0"));
    EXPECT_EQ(text(u, 1145), QString());
    u.setCount(1029);
    EXPECT_EQ(text(u, 1144), QStringLiteral("1029 "));
}

TEST_F(TransferDialogsTest, downloadStepByStepShowsProgressAndClosesOnOk) {
    const Bytes file = makeFile(1564);
    const QString path = filePath("list.bin");
    writeFile(path, file);
    prompter.openPaths.push_back(path);
    std::vector<QString> seen;
    prompter.dialogHandler = [&](QDialog& d) {
        bool closed = false;
        QObject::connect(&d, &QDialog::finished, [&] { closed = true; });
        seen = {text(d, 1030), text(d, 1006), text(d, 1137), text(d, 1015), text(d, 1005), text(d, 1142)};
        EXPECT_EQ(d.findChild<QProgressBar*>(QStringLiteral("1027"))->maximum(), 1500);
        send({0x00, 0x01});
        const Bytes header = receive(65);
        EXPECT_EQ(header.size(), 65u);
        EXPECT_TRUE(header.size() == 65 && std::equal(file.begin(), file.begin() + 64, header.begin() + 1));
        send({0x11, 0x10});
        EXPECT_EQ(receive(1029).size(), 1029u);
        send({0x10});
        const Bytes second = receive(1029);
        EXPECT_TRUE(processUntil([&] { return text(d, 1030) == QStringLiteral("1088/1500"); }));
        EXPECT_TRUE(second.size() == 1029 && second[3 + 476] == 0xFF && second[3 + 475] == file[1563]);
        send({0x10});
        EXPECT_EQ(receive(1), Bytes{0x03});
        EXPECT_TRUE(processUntil([&] { return text(d, 1030) == QStringLiteral("1500/1500"); }));
        EXPECT_FALSE(closed);
        send({0x10, 0x10, 0x17});
        EXPECT_TRUE(processUntil([&] { return closed; }));
        return d.result();
    };
    EXPECT_TRUE(transfers->handleCommand(TransferController::kCmdDownload));

    ASSERT_EQ(prompter.openRequests.size(), 1);
    EXPECT_EQ(prompter.openRequests[0].defaultSuffix, QStringLiteral("bin"));
    EXPECT_EQ(prompter.openRequests[0].initialName, QStringLiteral("*.bin;*.sgn"));
    EXPECT_EQ(prompter.openRequests[0].filter,
              QStringLiteral("Velmora Binary Files(*.bin,*.sgn) (*.bin *.sgn);;All Files(*.*) (*)"));
    EXPECT_EQ(prompter.dialogsRun, QStringList{QStringLiteral("186")});
    EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("0/1500"), QStringLiteral("VM-9000"), QStringLiteral("1.34.23"),
                                          QStringLiteral("1.20.03"), QStringLiteral("Com1"), QStringLiteral("115200")}));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Download OK")});
    EXPECT_EQ(prompter.messages[0].caption, QStringLiteral("VelmoraEdit"));
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].dataLength, 1500u);
    EXPECT_FALSE(port->flags().downloadArmed.load());
}

TEST_F(TransferDialogsTest, refusalKeepsDialogOpenAndCancelStopsFeedingTheMachine) {
    const QString path = filePath("list.bin");
    writeFile(path, makeFile(3000));
    prompter.openPaths.push_back(path);
    prompter.dialogHandler = [&](QDialog& d) {
        send({0x01});
        receive(65);
        send({0x12});
        EXPECT_TRUE(processUntil([&] { return prompter.texts().contains(QStringLiteral("H/W version error")); }));
        EXPECT_TRUE(d.result() == 0 && !port->flags().downloadArmed.load());
        d.findChild<QPushButton*>(QStringLiteral("2"))->click();
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdDownload);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("H/W version error")});

    // Cancelled in the middle: later acknowledgements stay queued and send nothing.
    prompter.openPaths.push_back(path);
    prompter.dialogHandler = [&](QDialog& d) {
        send({0x01});
        receive(65);
        send({0x10});
        receive(1029);
        d.findChild<QPushButton*>(QStringLiteral("2"))->click();
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdDownload);
    EXPECT_FALSE(port->flags().downloadArmed.load());
    send({0x10});
    EXPECT_TRUE(processUntil([&] { return port->serialPort().queue().count() == 1; }));
    EXPECT_TRUE(receive(1, 200).empty());
    EXPECT_EQ(transfers->downloadMachine().state(), link::DownloadState::Idle);
    EXPECT_EQ(transfers->downloadMachine().downloadOffset(), 64u);
}

TEST_F(TransferDialogsTest, aLostPortEndsTheWaitingWindow) {
    const QString path = filePath("list.bin");
    writeFile(path, makeFile(1564));
    prompter.openPaths.push_back(path);
    prompter.dialogHandler = [&](QDialog& d) {
        bool closed = false;
        QObject::connect(&d, &QDialog::finished, [&] { closed = true; });
        ::close(pty.master);  // the adapter is pulled out
        pty.master = -1;
        EXPECT_TRUE(processUntil([&] { return closed; }));
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdDownload);
    EXPECT_FALSE(port->portOpen());
    EXPECT_FALSE(port->flags().downloadArmed.load());
}

TEST_F(TransferDialogsTest, filesTheDownloadRefusesLeaveTheLoadedHeaderAlone) {
    const std::pair<Bytes, const char*> cases[] = {
        {makeFile(1564, {.usageType = 0x05}), "Invalid Data Format"},
        {makeFile(1564, {.magicOk = false}), "Invalid Data Format!!!"},
    };
    for (const auto& [bytes, message] : cases) {
        const QString path = filePath("bad.bin");
        writeFile(path, bytes);
        prompter.openPaths.push_back(path);
        prompter.messages.clear();
        transfers->handleCommand(TransferController::kCmdDownload);
        EXPECT_EQ(prompter.texts(), QStringList{QString::fromLatin1(message)});
        EXPECT_TRUE(prompter.dialogsRun.isEmpty());
        EXPECT_TRUE(applied.empty());
        EXPECT_FALSE(port->flags().downloadArmed.load());
    }
    // A file that cannot be opened is passed over silently.
    prompter.openPaths.push_back(filePath("missing.bin"));
    prompter.messages.clear();
    transfers->handleCommand(TransferController::kCmdDownload);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(TransferDialogsTest, unknownUsageTypeShowsItsMessageAndTheEditorCarriesOn) {
    const QString path = filePath("usage1.bin");
    writeFile(path, makeFile(1564, {.usageType = 1}));
    prompter.openPaths.push_back(path);
    prompter.dialogHandler = [&](QDialog& d) {
        send({0x01});
        EXPECT_TRUE(processUntil([&] { return !prompter.messages.isEmpty(); }));
        EXPECT_FALSE(port->flags().downloadArmed.load());
        EXPECT_TRUE(receive(1, 200).empty());  // no header went out
        d.reject();
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdDownload);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Unknown Usage Type")});
}

TEST_F(TransferDialogsTest, uploadStepByStepCountsBlocksAndStoresTheFile) {
    const Bytes file = makeFile(64 + 2048, {.usageType = 3});
    const QString out = filePath("up.bin");
    prompter.savePaths.push_back(out);
    std::vector<QString> counts;
    prompter.dialogHandler = [&](QDialog& d) {
        bool closed = false;
        QObject::connect(&d, &QDialog::finished, [&] { closed = true; });
        EXPECT_EQ(text(d, 1143), out);
        counts.push_back(text(d, 1144));
        EXPECT_EQ(receive(1), Bytes{0x01});
        Bytes header{0x08};
        header.insert(header.end(), file.begin(), file.begin() + 64);
        send(header);
        EXPECT_EQ(receive(1), Bytes{0x10});
        for (int k = 0; k < 2; ++k) {
            const auto block = link::makeDataBlock(
                std::span<const std::uint8_t, 1024>(file.data() + 64 + k * 1024, 1024));
            send(Bytes(block.begin(), block.begin() + 1000));
            send(Bytes(block.begin() + 1000, block.end()));
            EXPECT_EQ(receive(1), Bytes{0x10});
            processUntil([&] { return text(d, 1144) != counts.back(); });
            counts.push_back(text(d, 1144));
        }
        send({0x03});
        EXPECT_EQ(receive(1), Bytes{0x17});
        EXPECT_TRUE(processUntil([&] { return closed; }));
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdUpload);
    ASSERT_EQ(prompter.saveRequests.size(), 1);
    EXPECT_TRUE(prompter.saveRequests[0].confirmOverwrite);
    EXPECT_EQ(prompter.dialogsRun, QStringList{QStringLiteral("190")});
    EXPECT_EQ(counts, (std::vector<QString>{QStringLiteral("0"), QStringLiteral("1029 "), QStringLiteral("2058 ")}));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("UpLoad Complete(C)!!")});
    EXPECT_EQ(readFile(out), file);
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].usageType, 3);
    EXPECT_FALSE(port->flags().uploadArmed.load());
}

TEST_F(TransferDialogsTest, uploadWhoseFileCannotBeCreatedReportsAndAcceptsNothing) {
    const QString out = filePath("no-such-dir/up.bin");
    prompter.savePaths.push_back(out);
    prompter.dialogHandler = [&](QDialog& d) {
        receive(1);
        const Bytes file = makeFile(1564);
        send(Bytes(file.begin(), file.begin() + 64));
        EXPECT_TRUE(processUntil([&] { return !prompter.messages.isEmpty(); }));
        EXPECT_TRUE(receive(1, 200).empty());
        d.reject();
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdUpload);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Cannot create the file ") + out +
                                            QStringLiteral("\nNo such file or directory")});
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_TRUE(applied.empty());
}

TEST_F(TransferDialogsTest, aCancelledUploadLeavesTheChosenFileAsItWas) {
    const Bytes old(500, 0x42);
    const QString out = filePath("mine.bin");
    writeFile(out, old);
    prompter.savePaths.push_back(out);
    prompter.dialogHandler = [&](QDialog& d) {
        receive(1);
        const Bytes file = makeFile(64 + 3 * 1024);
        send(Bytes(file.begin(), file.begin() + 64));
        EXPECT_EQ(receive(1), Bytes{0x10});  // the output exists now
        d.reject();                          // Cancel and Escape
        return d.result();
    };
    transfers->handleCommand(TransferController::kCmdUpload);
    EXPECT_EQ(readFile(out), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // config.ini and mine.bin
}

TEST_F(TransferDialogsTest, bothTransfersAgainstTheVirtualReceiverInModalLoops) {
    const Bytes file = makeFile(64 + 200 * 1024 + 333, {.usageType = 0x80, .headerParam5 = 0});
    const QString path = filePath("m.bin");
    writeFile(path, file);
    startReceiver({});
    prompter.dialogHandler = [](QDialog& d) {
        QTimer::singleShot(20000, &d, &QDialog::reject);
        return d.exec();
    };
    prompter.openPaths.push_back(path);
    transfers->handleCommand(TransferController::kCmdDownload);
    const QString out = filePath("back.bin");
    prompter.savePaths.push_back(out);
    transfers->handleCommand(TransferController::kCmdUpload);
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("Download OK"), QStringLiteral("UpLoad Complete(M)!!")}));
    const Bytes back = readFile(out);
    ASSERT_EQ(back.size(), link::downloadImageSize(file.size()));
    EXPECT_TRUE(std::equal(file.begin(), file.end(), back.begin()));
}

}  // namespace
}  // namespace velmora::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
