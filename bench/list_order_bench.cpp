// SPDX-License-Identifier: GPL-3.0-or-later
// Header-click sorting and the search by name over a capacity-sized list
// (10000 TV rows of the capacity sample): every column in both directions,
// starting from table order, from the order that same click gives (already
// sorted) and from the opposite order (reversed): the two slow cases of a
// quicksort that takes the last row as pivot.
#include <benchmark/benchmark.h>

#include "list_order.h"
#include "sample_data.h"

namespace {

using velmora::ChannelRowText;

const std::vector<ChannelRowText>& capacityRows() {
    static const std::vector<ChannelRowText> rows = [] {
        const velmora::ChannelDatabase db = velmora::makeSampleDatabase(velmora::SampleOptions::capacity());
        std::vector<ChannelRowText> out;
        for (int n = 0; n < db.tvCount; ++n) out.push_back(velmora::channelRowText(db, velmora::ChannelKind::Tv, n));
        return out;
    }();
    return rows;
}

std::vector<std::string_view> column(const std::vector<int>& order, int c) {
    std::vector<std::string_view> keys;
    for (int r : order) keys.push_back(capacityRows()[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)]);
    return keys;
}

// Args: column 0..3; 1 ascending, 0 descending; input 0 table order,
// 1 already in this click's order, 2 in the opposite order.
void BM_SortColumn(benchmark::State& state) {
    const int c = static_cast<int>(state.range(0));
    const bool ascending = state.range(1) != 0;
    std::vector<int> input(capacityRows().size());
    for (std::size_t i = 0; i < input.size(); ++i) input[i] = static_cast<int>(i);
    if (state.range(2) != 0)
        input = velmora::sortListByColumn(column(input, c), state.range(2) == 1 ? ascending : !ascending);
    const std::vector<std::string_view> keys = column(input, c);
    for (auto _ : state) {
        const std::vector<int> order = velmora::sortListByColumn(keys, ascending);
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(BM_SortColumn)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 0}, {0, 1, 2}})
    ->ArgNames({"column", "ascending", "input"})
    ->Unit(benchmark::kMillisecond);

void BM_SearchByName10000(benchmark::State& state) {
    std::vector<int> table(capacityRows().size());
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<int>(i);
    const std::vector<std::string_view> names = column(table, 1);
    const std::string wanted = velmora::upperLatin1(names.back());
    for (auto _ : state) benchmark::DoNotOptimize(velmora::findChannelByName(names, wanted));
}
BENCHMARK(BM_SearchByName10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
