// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the shell tests: a scratch directory with a generated
// channel file, and a frame driven through scripted dialogs.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "CArdelEditView.h"
#include "CMainFrame.h"
#include "channel_writer.h"
#include "sample_data.h"
#include "scripted_prompter.h"

namespace velmora::test {

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes a small generated channel file; returns its path or "" on failure.
inline QString writeSampleFile(const QString& dir, const QString& name = QStringLiteral("sample.bin")) {
    SampleOptions options;
    options.tv = 12;
    options.radio = 5;
    ChannelDatabase db = makeSampleDatabase(options);
    const QString path = dir + "/" + name;
    return writeChannelFile(path.toStdString(), db, SaveOptions{}).ok ? path : QString();
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        frame = std::make_unique<CMainFrame>();
        frame->view()->initialUpdate();
        frame->updateCommandStates();
    }

    // File > Open of `path` through the scripted file chooser.
    void openThroughMenu(const QString& path) {
        prompter.openPaths.push_back(path);
        ASSERT_TRUE(frame->executeCommand(command::kOpen));
        ASSERT_TRUE(frame->view()->flags().fileLoaded);
    }

    QTemporaryDir dir;
    ui::ScriptedPrompter prompter;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace velmora::test
