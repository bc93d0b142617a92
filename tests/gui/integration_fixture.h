// SPDX-License-Identifier: GPL-3.0-or-later
// The editor window on a pseudo-terminal: each test runs in a scratch folder
// (the window reads and writes config.ini in the current directory) with
// COM1 pointing at the slave side of a fresh pseudo-terminal.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CArdelEditView.h"
#include "CMainFrame.h"
#include "channel_writer.h"
#include "sample_data.h"
#include "scripted_prompter.h"
#include "virtual_receiver.h"

namespace velmora::test {

using Bytes = std::vector<std::uint8_t>;

inline bool processUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

inline Bytes readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = f.readAll();
    return Bytes(all.begin(), all.end());
}

inline QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

class EditorOnLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        ASSERT_TRUE(pty.open()) << pty.error;
        ::setenv("VELMORA_COM1", pty.slavePath.c_str(), 1);
    }
    void TearDown() override {
        frame.reset();
        ::unsetenv("VELMORA_COM1");
        QDir::setCurrent(previousDir);
    }

    // The program's start-up: frame, form, then the form's initial update.
    void startEditor() {
        frame = std::make_unique<CMainFrame>();
        frame->view()->initialUpdate();
        frame->updateCommandStates();
    }
    CArdelEditView& view() { return *frame->view(); }
    QAction* action(int id) { return frame->commandAction(id); }
    QString pane() const { return frame->messagePane()->text(); }

    // A generated channel file with its own header values.
    QString writeChannelFile(const QString& name, std::uint32_t hardware, const char* model, int tv = 12) {
        SampleOptions options;
        options.tv = static_cast<unsigned>(tv);
        options.radio = 5;
        ChannelDatabase db = makeSampleDatabase(options);
        db.header.headerParam2 = hardware;
        db.header.headerText.fill(0);
        for (std::size_t i = 0; model[i] != '\0' && i < kHeaderTextSize; ++i)
            db.header.headerText[i] = static_cast<std::uint8_t>(model[i]);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(velmora::writeChannelFile(path.toStdString(), db, SaveOptions{}).ok);
        return path;
    }

    QTemporaryDir dir;
    QString previousDir;
    link::PseudoTerminal pty;
    ui::ScriptedPrompter prompter;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace velmora::test
