// SPDX-License-Identifier: GPL-3.0-or-later
// Matching two capacity-sized lists (10000 TV and 10000 radio channels) that
// differ by 1000 moves and 100 renames: the diff and the reorder plan, in
// process. bench/diff_reorder.sh times the whole commands.
#include <benchmark/benchmark.h>

#include "diff_pair.h"
#include "list_diff.h"
#include "list_reorder.h"

namespace {

const velmora::bench::DiffPair& pair() {
    static const velmora::bench::DiffPair p = velmora::bench::makeDiffPair();
    return p;
}

void BM_DiffCapacityLists(benchmark::State& state) {
    const auto& p = pair();
    for (auto _ : state) benchmark::DoNotOptimize(velmora::diffLists(p.a, p.b).tv.moved.size());
}
BENCHMARK(BM_DiffCapacityLists)->Unit(benchmark::kMillisecond);

void BM_ReorderCapacityList(benchmark::State& state) {
    const auto& p = pair();
    velmora::ChannelDatabase db = p.b;
    for (auto _ : state) {
        const velmora::ReorderPlan plan = velmora::planReorder(db, p.a, true);
        if (velmora::applyReorder(db, plan) != velmora::EditStatus::Done) state.SkipWithError("reorder failed");
    }
}
BENCHMARK(BM_ReorderCapacityList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
