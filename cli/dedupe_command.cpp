// SPDX-License-Identifier: GPL-3.0-or-later
// velmora dedupe: the editor's Tools > Remove Duplicates on a file. Exit 1,
// writing nothing, when there is nothing to remove, so that a script can
// tell "tidy already" from "tidied" as with grep.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "duplicates.h"
#include "in_place.h"
#include "printable.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitNothing = 1;
constexpr int kExitFailure = 2;

struct DedupeArgs {
    std::string file, kind, out;
    bool dryRun = false, noBackup = false;
};

std::string channelName(const ChannelDatabase& db, ChannelKind kind, int index) {
    return quoted(fieldText(db.channels(kind)[static_cast<std::size_t>(index)].name), true, '\'');
}

int runDedupe(const DedupeArgs& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    std::vector<ChannelKind> kinds;
    if (a.kind != "radio") kinds.push_back(ChannelKind::Tv);
    if (a.kind != "tv") kinds.push_back(ChannelKind::Radio);

    std::string lines;
    int total = 0;
    std::vector<Duplicates> found;
    for (const ChannelKind kind : kinds) {
        found.push_back(findDuplicates(db, kind));
        const Duplicates& d = found.back();
        for (std::size_t i = 0; i < d.keptOf.size(); ++i) {
            if (d.keptOf[i] < 0) continue;
            lines += std::string(kind == ChannelKind::Tv ? "tv " : "radio ") + std::to_string(i + 1) + " " +
                     channelName(db, kind, static_cast<int>(i)) + " duplicate of " + std::to_string(d.keptOf[i] + 1) +
                     "\n";
        }
        total += d.removable;
    }
    if (total == 0) {
        edit.report() << "no duplicate channels\n";
        return a.dryRun ? 0 : kExitNothing;
    }
    const std::string sum = std::to_string(total) + (total == 1 ? " duplicate channel" : " duplicate channels");
    if (a.dryRun) {
        std::cout << lines << "would remove " << sum << "\n";
        return 0;
    }
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        const DedupeResult r = removeDuplicates(db, kinds[k], found[k]);
        if (r.status != EditStatus::Done) {
            std::string why = editStatusText(r.status);
            if (!why.empty() && why.back() == '.') why.pop_back();
            std::cerr << "velmora: " << a.file << ": " << why << "; nothing written\n";
            return kExitFailure;
        }
    }
    // The lines say what will be removed; the total, printed once written, that it was.
    return edit.save(db, lines + "removed " + sum);
}

}  // namespace

void addDedupeCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<DedupeArgs>();
    auto* cmd = app.add_subcommand(
        "dedupe", "Remove duplicate channels (equal service id, frequency, polarisation and satellite longitude), "
                  "keeping the first of each and its copies' favourite entries; exit 1, writing nothing, when there "
                  "are none");
    cmd->add_option("FILE", args->file, "channel file (.bin, .sgn; - reads standard input, needs -o)")->required();
    cmd->add_option("KIND", args->kind, "tv or radio; both when left out")->check(CLI::IsMember({"tv", "radio"}));
    cmd->add_option("-o,--output", args->out, "write here instead of over FILE (- for standard output)")
        ->check(fileName());
    cmd->add_flag("--no-backup", args->noBackup, "without -o: do not keep FILE as FILE.bak before writing over it");
    cmd->add_flag("--dry-run", args->dryRun, "only list what would be removed; write nothing");
    cmd->callback([args, &exitCode] { exitCode = runDedupe(*args); });
}

}  // namespace velmora::cli
