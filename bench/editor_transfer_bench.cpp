// SPDX-License-Identifier: GPL-3.0-or-later
// Download and upload of a capacity-sized channel file driven from the editor
// window: watcher thread, receive queue, the hand-over to the UI thread and
// the modal progress dialogs, against the virtual receiver on a
// pseudo-terminal (unpaced, so the figures are the PC's and the pty's cost).
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <thread>

#include "CMainFrame.h"
#include "bench_support.h"
#include "transfer_protocol.h"
#include "virtual_receiver.h"

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path;
    std::size_t fileSize = 0;
    velmora::link::PseudoTerminal pty;
    std::unique_ptr<velmora::link::VirtualReceiver> box;
    std::thread receiver;
    std::atomic<bool> stop{false};
    velmora::ui::ScriptedPrompter prompter;
    std::unique_ptr<velmora::CMainFrame> frame;
    bool ready = false;

    Fixture() {
        path = dir.filePath(QStringLiteral("capacity.bin"));
        if (!velmora::bench::writeFile(path)) return;
        fileSize = static_cast<std::size_t>(QFile(path).size());
        if (!pty.open()) return;
        ::setenv("VELMORA_COM1", pty.slavePath.c_str(), 1);
        QDir::setCurrent(dir.path());  // the window's config.ini goes here

        velmora::link::VirtualReceiver::Options options;
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        options.serve = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
        box = std::make_unique<velmora::link::VirtualReceiver>(std::move(options));
        velmora::link::ReceiverLine line;
        line.heldSlave = pty.slave;
        // Asks often while idle, so a download starts at once.
        line.requestInterval = 0.002;
        receiver = std::thread([this, line] { velmora::link::serveReceiver(pty.master, *box, line, &stop); });

        frame = std::make_unique<velmora::CMainFrame>();
        frame->view()->initialUpdate();
        prompter.dialogHandler = [](QDialog& d) {
            QTimer::singleShot(60000, &d, &QDialog::reject);
            return d.exec();
        };
        ready = frame->view()->portController().portOpen();
    }
    ~Fixture() {
        frame.reset();
        stop = true;
        if (receiver.joinable()) receiver.join();
    }
    std::uint32_t blocks() const {
        return static_cast<std::uint32_t>((velmora::link::downloadImageSize(fileSize) - 64) / 1024);
    }
};

Fixture& fixture() { return velmora::bench::fixture<Fixture>(); }

void report(benchmark::State& state, Fixture& f, double totalMs, int runs) {
    state.counters["blocks"] = f.blocks();
    state.counters["ms_per_transfer"] = totalMs / runs;
    state.counters["us_per_block"] = totalMs * 1000.0 / runs / f.blocks();
}

void BM_EditorDownload(benchmark::State& state) {
    Fixture& f = fixture();
    if (!f.ready) {
        state.SkipWithError("no port");
        return;
    }
    double totalMs = 0;
    int runs = 0;
    for (auto _ : state) {
        f.prompter.messages.clear();
        f.prompter.openPaths.push_back(f.path);
        QElapsedTimer t;
        t.start();
        f.frame->executeCommand(32784);
        totalMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        ++runs;
        if (f.prompter.texts() != QStringList{QStringLiteral("Download OK")}) {
            state.SkipWithError("download failed");
            return;
        }
    }
    report(state, f, totalMs, runs);
}
BENCHMARK(BM_EditorDownload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_EditorUpload(benchmark::State& state) {
    Fixture& f = fixture();
    if (!f.ready) {
        state.SkipWithError("no port");
        return;
    }
    const QString out = f.dir.filePath(QStringLiteral("upload.bin"));
    double totalMs = 0;
    int runs = 0;
    for (auto _ : state) {
        f.prompter.messages.clear();
        f.prompter.savePaths.push_back(out);
        QElapsedTimer t;
        t.start();
        f.frame->executeCommand(32815);
        totalMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
        ++runs;
        if (f.prompter.texts() != QStringList{QStringLiteral("UpLoad Complete(C)!!")}) {
            static std::string why;
            why = "upload failed: " + f.prompter.texts().join(QStringLiteral("; ")).toStdString();
            state.SkipWithError(why.c_str());
            return;
        }
    }
    report(state, f, totalMs, runs);
}
BENCHMARK(BM_EditorUpload)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return velmora::bench::runBenchmarks<Fixture>(argc, argv); }
