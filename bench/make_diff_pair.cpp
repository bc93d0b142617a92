// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the two lists of diff_pair.h as channel files, for timing
// `velmora diff` and `velmora reorder` as whole processes.
#include <cstdio>
#include <cstdlib>

#include "channel_writer.h"
#include "diff_pair.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_diff_pair A.bin B.bin [MOVES [RENAMES]]\n");
        return 2;
    }
    velmora::bench::DiffPair p =
        velmora::bench::makeDiffPair(argc > 3 ? std::atoi(argv[3]) : 1000, argc > 4 ? std::atoi(argv[4]) : 100);
    for (auto [path, db] : {std::pair{argv[1], &p.a}, std::pair{argv[2], &p.b}}) {
        const auto r = velmora::writeChannelFile(path, *db, velmora::SaveOptions{});
        if (!r.ok) {
            std::fprintf(stderr, "cannot write %s: %s\n", path, r.error.c_str());
            return 2;
        }
    }
    return 0;
}
