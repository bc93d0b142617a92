// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save of a capacity-sized channel file: 255 satellites, 1000
// transponders, 10000 TV and 10000 radio channels, 125 groups holding 10000
// members of each kind, a 60000-byte extra block.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "channel_reader.h"
#include "channel_writer.h"
#include "sample_data.h"

namespace {

const std::vector<std::uint8_t>& capacityFile() {
    static const std::vector<std::uint8_t> bytes = velmora::serializeUnchanged(
        velmora::makeSampleDatabase(velmora::SampleOptions::capacity()));
    return bytes;
}

void BM_LoadCapacityFile(benchmark::State& state) {
    const auto& bytes = capacityFile();
    for (auto _ : state) {
        velmora::ChannelDatabase db;
        const auto r = velmora::readChannelFile(bytes, db);
        if (!r.ok()) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db.tvCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadCapacityFile)->Unit(benchmark::kMillisecond);

// From a file on disk, as File > Open does.
void BM_LoadCapacityFileFromDisk(benchmark::State& state) {
    char path[] = "/tmp/velmora-bench-XXXXXX";
    const int fd = ::mkstemp(path);
    const auto& bytes = capacityFile();
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        state.SkipWithError("cannot write a temporary file");
        return;
    }
    ::close(fd);
    for (auto _ : state) {
        velmora::ChannelDatabase db;
        if (!velmora::loadChannelFile(path, db).ok()) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db.tvCount);
    }
    ::unlink(path);
}
BENCHMARK(BM_LoadCapacityFileFromDisk)->Unit(benchmark::kMillisecond);

// The bytes of a save: commits, copy-backs, band rule, lengths, checksum, CRC.
void BM_BuildCapacityFile(benchmark::State& state) {
    velmora::ChannelDatabase db;
    (void)velmora::readChannelFile(capacityFile(), db);
    velmora::SaveOptions options;
    options.currentTransponder = velmora::defaultCurrentTransponder(db);
    for (auto _ : state) benchmark::DoNotOptimize(velmora::buildChannelFile(db, options).size());
}
BENCHMARK(BM_BuildCapacityFile)->Unit(benchmark::kMillisecond);

// A whole save as the editor does it: build, write a temporary file, flush it
// to disk, rename it over the target.
void BM_SaveCapacityFileToDisk(benchmark::State& state) {
    velmora::ChannelDatabase db;
    (void)velmora::readChannelFile(capacityFile(), db);
    velmora::SaveOptions options;
    options.currentTransponder = velmora::defaultCurrentTransponder(db);
    const std::string path = "/tmp/velmora-bench-save-" + std::to_string(::getpid()) + ".bin";
    for (auto _ : state) {
        const auto r = velmora::writeChannelFile(path, db, options);
        if (!r.ok) state.SkipWithError(r.error.c_str());
    }
    ::unlink(path.c_str());
}
BENCHMARK(BM_SaveCapacityFileToDisk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
