// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor benchmarks share: channel files written into a scratch
// folder, the form opened on a capacity-sized file with its settings kept in
// that folder, one fixture per program built on first use, and the body of
// main() on Qt's offscreen platform.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <pty.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "CArdelEditView.h"
#include "channel_writer.h"
#include "resources_init.h"
#include "sample_data.h"
#include "scripted_prompter.h"

namespace velmora::bench {

// Every table at its capacity unless `db` is given.
inline bool writeFile(const QString& path, ChannelDatabase db = makeSampleDatabase(SampleOptions::capacity())) {
    return writeChannelFile(path.toStdString(), db, SaveOptions{}).ok;
}

// The editor form on a capacity-sized file (10000 TV and 10000 radio channels).
struct FormFixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("capacity.bin"));
    ui::ScriptedPrompter prompter;
    std::unique_ptr<CArdelEditView> view;

    FormFixture() {
        writeFile(path);
        ViewOptions options;
        options.port.configPath = dir.filePath(QStringLiteral("config.ini"));
        options.port.profilePath = dir.filePath(QStringLiteral("ports.ini"));
        view = std::make_unique<CArdelEditView>(nullptr, options);
        view->resize(1280, 800);
        view->show();
        view->initialUpdate();
        open();
    }
    void open() {
        prompter.openPaths.push_back(path);
        view->handleCommand(57601);
        QCoreApplication::processEvents();
    }
};

template <class Fixture>
std::unique_ptr<Fixture>& heldFixture() {
    static std::unique_ptr<Fixture> held;
    return held;
}

// Built on first use, so that only the benchmarks chosen pay for it.
template <class Fixture>
Fixture& fixture() {
    auto& held = heldFixture<Fixture>();
    if (!held) held = std::make_unique<Fixture>();
    return *held;
}

// The form opens COM1 at start-up: it gets a pseudo-terminal of its own
// rather than a real serial device of the machine. The fixture goes before
// the QApplication does.
template <class Fixture>
int runBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The versions a save keeps stay out of the user's data folder.
    QTemporaryDir dataHome;
    ::setenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit().constData(), 1);
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0) ::setenv("VELMORA_COM1", ::ttyname(slave), 0);
    initResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    heldFixture<Fixture>().reset();
    return 0;
}

}  // namespace velmora::bench
