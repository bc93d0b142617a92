// SPDX-License-Identifier: GPL-3.0-or-later
// The lists' filter and duplicate channels on a capacity-sized file: 10000
// TV channels, 10000 favourite entries over 125 groups, every tenth channel
// a copy of the one before it (1000 duplicates).
//
//   filter_bench [benchmark flags]
//   filter_bench --write-file PATH   write that file (for bench/dedupe_vs_resave.sh)
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "channel_writer.h"
#include "duplicates.h"
#include "list_filter.h"
#include "sample_data.h"

namespace {

using velmora::ChannelDatabase;
using velmora::ChannelKind;

const ChannelDatabase& copiesDatabase() {
    static const ChannelDatabase db = [] {
        ChannelDatabase d = velmora::makeSampleDatabase(velmora::SampleOptions::capacity());
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio})
            for (std::size_t i = 9; i < d.channelCount(kind); i += 10) {
                auto& table = d.channels(kind);
                table[i].serviceId = table[i - 1].serviceId;
                table[i].transponderIndex = table[i - 1].transponderIndex;
            }
        d.syncWorkingTables();
        return d;
    }();
    return db;
}

std::vector<int> allRows(const ChannelDatabase& db) {
    std::vector<int> rows(db.tvCount);
    for (int i = 0; i < db.tvCount; ++i) rows[static_cast<std::size_t>(i)] = i;
    return rows;
}

// One keystroke's worth of core work: the rows that match the new text.
void BM_FilterKeystroke(benchmark::State& state) {
    const ChannelDatabase& db = copiesDatabase();
    const std::vector<int> rows = allRows(db);
    velmora::ChannelFilter f{"sp"};
    for (auto _ : state) benchmark::DoNotOptimize(velmora::filterRows(db, ChannelKind::Tv, f, rows));
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FilterNoGroupFreeOnSatellite(benchmark::State& state) {
    const ChannelDatabase& db = copiesDatabase();
    const std::vector<int> rows = allRows(db);
    velmora::ChannelFilter f{"", velmora::ShowChoice::NoGroup, -1, 0};
    for (auto _ : state) benchmark::DoNotOptimize(velmora::filterRows(db, ChannelKind::Tv, f, rows));
}
BENCHMARK(BM_FilterNoGroupFreeOnSatellite)->Unit(benchmark::kMicrosecond);

void BM_FindDuplicates(benchmark::State& state) {
    const ChannelDatabase& db = copiesDatabase();
    for (auto _ : state) benchmark::DoNotOptimize(velmora::findDuplicates(db, ChannelKind::Tv));
}
BENCHMARK(BM_FindDuplicates)->Unit(benchmark::kMicrosecond);

// Removal with its undo step (as the editor records it); the copy of the
// file between runs is not timed.
void BM_RemoveDuplicates(benchmark::State& state) {
    const ChannelDatabase& source = copiesDatabase();
    const velmora::Duplicates found = velmora::findDuplicates(source, ChannelKind::Tv);
    ChannelDatabase db;
    for (auto _ : state) {
        state.PauseTiming();
        db = source;
        velmora::EditStep step;
        state.ResumeTiming();
        benchmark::DoNotOptimize(velmora::removeDuplicates(db, ChannelKind::Tv, found, &step));
    }
}
BENCHMARK(BM_RemoveDuplicates)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-file") == 0) {
        ChannelDatabase db = copiesDatabase();
        velmora::SaveOptions options;
        return velmora::writeChannelFile(argv[2], db, options).ok ? 0 : 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
