// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the 10000-row TV list of a capacity-sized file: a whole job into
// a PDF (about 150 A4 pages), and Print Preview from the command until its
// first page is on screen. Qt's offscreen platform, real CArdelEditView.
#include <QDialog>
#include <QFile>
#include <QPrintPreviewWidget>

#include "bench_support.h"

namespace {

using Fixture = velmora::bench::FormFixture;
Fixture& fixture() { return velmora::bench::fixture<Fixture>(); }

void BM_PrintPdf10000Rows(benchmark::State& state) {
    Fixture& f = fixture();
    const QString pdf = f.dir.filePath(QStringLiteral("list.pdf"));
    for (auto _ : state) {
        if (!f.view->printListToPdf(pdf, velmora::ChannelKind::Tv)) state.SkipWithError("PDF not written");
    }
    state.counters["rows"] = f.view->listPrinter().layout().rowCount;
    state.counters["pages"] = f.view->listPrinter().layout().pageCount;
    state.counters["bytes"] = static_cast<double>(QFile(pdf).size());
}
BENCHMARK(BM_PrintPdf10000Rows)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// File > Print Preview until the dialog has painted its first page.
void BM_PreviewFirstPage10000Rows(benchmark::State& state) {
    Fixture& f = fixture();
    int pages = 0;
    f.prompter.dialogHandler = [&pages](QDialog& dialog) {
        dialog.show();
        QCoreApplication::processEvents();
        if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) pages = preview->pageCount();
        return int(QDialog::Rejected);
    };
    for (auto _ : state) f.view->handleCommand(57609);
    f.prompter.dialogHandler = nullptr;
    if (pages < 2) state.SkipWithError("the preview showed no pages");
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PreviewFirstPage10000Rows)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) { return velmora::bench::runBenchmarks<Fixture>(argc, argv); }
