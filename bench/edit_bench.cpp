// Table operations on a capacity-sized file: 10000 TV and 10000 radio
// channels, 10000 favourite entries of each kind over 125 groups. Satellite 0
// carries a quarter of all channels.
//
//   edit_bench [benchmark flags]     run the benchmarks
//   edit_bench --write-file PATH     write that file (for bench/delete_vs_cp.sh)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <numeric>
#include <vector>

#include "channel_edit.h"
#include "channel_writer.h"
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

}  // namespace

int main(int argc, char** argv) {
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
