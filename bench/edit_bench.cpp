// SPDX-License-Identifier: GPL-3.0-or-later
// Table operations on a capacity-sized file: 10000 TV and 10000 radio
// channels, 10000 favourite entries of each kind over 125 groups. Satellite 0
// carries a quarter of all channels.
//
//   edit_bench [benchmark flags]     run the benchmarks
//   edit_bench --write-file PATH     write that file (for bench/delete_vs_cp.sh)
//   edit_bench --step-sizes          bytes of undo steps, and how many fit in 64 MB
//
// Benchmarks with an argument time the operation without (0) and with (1)
// recording its undo step.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <array>
#include <cstring>
#include <numeric>
#include <vector>

#include "channel_edit.h"
#include "channel_writer.h"
#include "edit_history.h"
#include "sample_data.h"

namespace {

using velmora::ChannelDatabase;
using velmora::ChannelKind;

// Every fourth channel of each kind on satellite 0's transponders, the rest
// on the others.
const ChannelDatabase& quarterDatabase() {
    static const ChannelDatabase db = [] {
        ChannelDatabase d = velmora::makeSampleDatabase(velmora::SampleOptions::capacity());
        std::vector<std::uint16_t> on, off;
        for (std::size_t t = 0; t < d.transponderCount; ++t)
            (d.transponders[t].satelliteIndex == 0 ? on : off).push_back(static_cast<std::uint16_t>(t));
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            for (std::size_t i = 0; i < d.channelCount(kind); ++i) {
                const auto& pool = i % 4 == 0 ? on : off;
                d.channels(kind)[i].transponderIndex = pool[(i / 4) % pool.size()];
            }
        }
        d.syncWorkingTables();
        return d;
    }();
    return db;
}

void BM_MoveFirstToLast(benchmark::State& state) {
    ChannelDatabase db = quarterDatabase();
    const int last = db.tvCount - 1;
    for (auto _ : state) {
        const auto held = velmora::holdChannel(db, ChannelKind::Tv, 0);
        benchmark::DoNotOptimize(velmora::moveChannel(db, *held, last));
    }
}
BENCHMARK(BM_MoveFirstToLast)->Unit(benchmark::kMicrosecond);

void BM_ApplyReversedOrder(benchmark::State& state) {
    ChannelDatabase db = quarterDatabase();
    std::vector<int> order(db.tvCount);
    std::iota(order.rbegin(), order.rend(), 0);
    for (auto _ : state) benchmark::DoNotOptimize(velmora::applyChannelOrder(db, ChannelKind::Tv, order));
}
BENCHMARK(BM_ApplyReversedOrder)->Unit(benchmark::kMicrosecond);

// Each run starts from the whole file again; the copy is not timed.
template <class Op>
void onFreshCopy(benchmark::State& state, Op op) {
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = quarterDatabase();
        state.ResumeTiming();
        op(db);
        benchmark::DoNotOptimize(db.tvCount);
    }
}

void BM_DeleteFirstChannel(benchmark::State& state) {
    onFreshCopy(state, [](ChannelDatabase& db) { velmora::removeChannel(db, ChannelKind::Tv, 0); });
}
BENCHMARK(BM_DeleteFirstChannel)->Unit(benchmark::kMicrosecond);

void BM_DeleteQuarterSatellite(benchmark::State& state) {
    onFreshCopy(state, [](ChannelDatabase& db) { velmora::deleteSatellite(db, 0); });
}
BENCHMARK(BM_DeleteQuarterSatellite)->Unit(benchmark::kMillisecond);

// ---- sets of channels ----

std::vector<int> everySecond(int count) {
    std::vector<int> out;
    for (int i = 0; i < count; i += 2) out.push_back(i);
    return out;
}

// The capacity file with its favourite groups thinned to 5000 TV entries,
// so that 5000 more fit; and the same after those 5000 went into group 0.
const ChannelDatabase& halfMembers(bool added) {
    static const std::array<ChannelDatabase, 2> dbs = [] {
        ChannelDatabase d = quarterDatabase();
        auto& counts = d.memberCounts(ChannelKind::Tv);
        for (std::size_t g = d.groupCount(); g-- > 0 && d.totalMembers(ChannelKind::Tv) > 5000;) counts[g] = 0;
        counts[0] = static_cast<std::uint16_t>(counts[0] - (d.totalMembers(ChannelKind::Tv) - 5000));
        ChannelDatabase full = d;
        velmora::addFavorites(full, ChannelKind::Tv, 0, everySecond(full.tvCount));
        return std::array<ChannelDatabase, 2>{d, full};
    }();
    return dbs[added ? 1 : 0];
}

template <class Op>
void setOperation(benchmark::State& state, const ChannelDatabase& from, Op op) {
    const std::vector<int> set = everySecond(from.tvCount);
    velmora::EditStep step;
    velmora::EditStep* record = state.range(0) ? &step : nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = from;
        step = {};
        state.ResumeTiming();
        op(db, set, record);
        benchmark::DoNotOptimize(db.tvCount);
    }
}

void BM_DeleteEverySecondChannel(benchmark::State& state) {
    setOperation(state, quarterDatabase(), [](ChannelDatabase& db, const std::vector<int>& set, velmora::EditStep* step) {
        velmora::removeChannels(db, ChannelKind::Tv, set, step);
    });
}
BENCHMARK(BM_DeleteEverySecondChannel)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MoveEverySecondToTop(benchmark::State& state) {
    setOperation(state, quarterDatabase(), [](ChannelDatabase& db, const std::vector<int>& set, velmora::EditStep* step) {
        velmora::moveChannels(db, ChannelKind::Tv, set, velmora::MoveDirection::Top, step);
    });
}
BENCHMARK(BM_MoveEverySecondToTop)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MoveBlockOf1000DownOne(benchmark::State& state) {
    setOperation(state, quarterDatabase(), [](ChannelDatabase& db, const std::vector<int>&, velmora::EditStep* step) {
        std::vector<int> block(1000);
        std::iota(block.begin(), block.end(), 4000);
        velmora::moveChannels(db, ChannelKind::Tv, block, velmora::MoveDirection::Down, step);
    });
}
BENCHMARK(BM_MoveBlockOf1000DownOne)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FavoriteAdd5000(benchmark::State& state) {
    setOperation(state, halfMembers(false), [](ChannelDatabase& db, const std::vector<int>& set, velmora::EditStep* step) {
        velmora::addFavorites(db, ChannelKind::Tv, 0, set, 0, step);
    });
}
BENCHMARK(BM_FavoriteAdd5000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FavoriteRemove5000(benchmark::State& state) {
    setOperation(state, halfMembers(true), [](ChannelDatabase& db, const std::vector<int>& set, velmora::EditStep* step) {
        velmora::removeFavorites(db, ChannelKind::Tv, 0, set, velmora::FavoriteRemoval::LastEntry, step);
    });
}
BENCHMARK(BM_FavoriteRemove5000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Lock5000(benchmark::State& state) {
    setOperation(state, quarterDatabase(), [](ChannelDatabase& db, const std::vector<int>& set, velmora::EditStep* step) {
        velmora::setLocked(db, ChannelKind::Tv, set, true, step);
    });
}
BENCHMARK(BM_Lock5000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Undo and redo of the delete of every second channel, back and forth.
void BM_UndoRedoDeleteEverySecond(benchmark::State& state) {
    ChannelDatabase db = quarterDatabase();
    velmora::EditStep step;
    velmora::removeChannels(db, ChannelKind::Tv, everySecond(db.tvCount), &step);
    for (auto _ : state) {
        velmora::undoStep(db, step);
        velmora::redoStep(db, step);
    }
}
BENCHMARK(BM_UndoRedoDeleteEverySecond)->Unit(benchmark::kMicrosecond);

int stepSizes() {
    ChannelDatabase db = quarterDatabase();
    velmora::EditStep remove, move, satellite;
    velmora::removeChannels(db, ChannelKind::Tv, everySecond(db.tvCount), &remove);
    db = quarterDatabase();
    const auto held = velmora::holdChannel(db, ChannelKind::Tv, 0);
    velmora::moveChannel(db, *held, db.tvCount - 1, &move);
    db = quarterDatabase();
    velmora::deleteSatellite(db, 0, &satellite);
    for (const auto& [what, step] : {std::pair{"delete every second TV channel", &remove},
                                     std::pair{"move the first TV channel to the end", &move},
                                     std::pair{"delete satellite 0 (5000 channels)", &satellite}}) {
        const std::size_t bytes = velmora::stepBytes(*step);
        std::printf("%-40s %9zu bytes, %8zu steps in 64 MB\n", what, bytes, velmora::EditHistory::kDefaultLimit / bytes);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--step-sizes") == 0) return stepSizes();
    if (argc == 3 && std::strcmp(argv[1], "--write-file") == 0) {
        ChannelDatabase db = quarterDatabase();
        const auto r = velmora::writeChannelFile(argv[2], db, velmora::SaveOptions{});
        if (!r.ok) std::fprintf(stderr, "cannot write %s: %s\n", argv[2], r.error.c_str());
        return r.ok ? 0 : 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
