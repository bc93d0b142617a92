// SPDX-License-Identifier: GPL-3.0-or-later
#include "diff_commands.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "channel_reader.h"
#include "channel_writer.h"
#include "codes.h"
#include "commands.h"
#include "csv_commands.h"
#include "in_place.h"
#include "list_diff.h"
#include "list_reorder.h"
#include "support.h"

namespace velmora::cli {
namespace {

using json = nlohmann::ordered_json;

constexpr int kExitDiffers = 1;
constexpr int kExitFailure = 2;

// Reads and parses a channel file; prints why and returns false when it cannot.
bool loadFile(const std::string& path, ChannelDatabase& db) { return loadForCommand(path, db); }

std::string number(int index) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.4d", index + 1);
    return buf;
}

// "0005 -> 0007", "0012" (added) or "0005" (removed).
std::string places(const DiffEntry& e, std::string (*show)(int)) {
    if (e.a < 0) return show(e.b);
    if (e.b < 0) return show(e.a);
    return show(e.a) + " -> " + show(e.b);
}

std::string plain(int index) { return std::to_string(index + 1); }

std::string fieldsText(const DiffEntry& e) {
    std::string out;
    for (const std::string& f : e.fields) {
        out += (out.empty() ? ": " : ", ") + f;
        if (f == "name" && !e.aName.empty()) out += " (was " + velmora::quoted(e.aName) + ")";
    }
    return out;
}

void printChannels(const char* kind, const ChannelListDiff& d) {
    for (const auto& e : d.added) std::cout << kind << " added " << places(e, number) << " " << velmora::quoted(e.name) << "\n";
    for (const auto& e : d.removed) std::cout << kind << " removed " << places(e, number) << " " << velmora::quoted(e.name) << "\n";
    for (const auto& e : d.changed)
        std::cout << kind << " changed " << places(e, number) << " " << velmora::quoted(e.name) << fieldsText(e) << "\n";
    for (const auto& e : d.moved) std::cout << kind << " moved " << places(e, number) << " " << velmora::quoted(e.name) << "\n";
}

void printMembers(const std::string& group, const char* kind, const MemberDiff& d) {
    for (const auto& e : d.added)
        std::cout << group << kind << " member added at " << places(e, plain) << " " << velmora::quoted(e.name) << "\n";
    for (const auto& e : d.removed)
        std::cout << group << kind << " member removed from " << places(e, plain) << " " << velmora::quoted(e.name) << "\n";
    for (const auto& e : d.moved)
        std::cout << group << kind << " member moved " << places(e, plain) << " " << velmora::quoted(e.name) << "\n";
}

void printFavorites(const std::vector<GroupDiff>& groups) {
    for (const GroupDiff& g : groups) {
        const std::string head = "favourites " + std::to_string(g.group + 1) + " " + velmora::quoted(g.bName ? *g.bName : *g.aName) + ": ";
        if (!g.aName || !g.bName) {
            // A whole group: its members are in the JSON; one line here.
            const bool removed = !g.bName;
            std::cout << head << "group " << (removed ? "removed" : "added") << " with "
                      << (removed ? g.tv.removed : g.tv.added).size() << " tv and "
                      << (removed ? g.radio.removed : g.radio.added).size() << " radio members\n";
            continue;
        }
        if (g.renamed()) std::cout << head << "renamed from " << velmora::quoted(*g.aName) << "\n";
        printMembers(head, "tv", g.tv);
        printMembers(head, "radio", g.radio);
    }
}

void printTable(const char* what, const TableDiff& d, const std::function<std::string(const DiffEntry&)>& label) {
    for (const auto& e : d.added) std::cout << what << " added " << places(e, number) << " " << label(e) << "\n";
    for (const auto& e : d.removed) std::cout << what << " removed " << places(e, number) << " " << label(e) << "\n";
    for (const auto& e : d.changed)
        std::cout << what << " changed " << places(e, number) << " " << label(e) << fieldsText(e) << "\n";
}

void printDiff(const ListDiff& d, const ChannelDatabase& a, const ChannelDatabase& b) {
    printChannels("tv", d.tv);
    printChannels("radio", d.radio);
    printFavorites(d.favorites);
    printTable("transponder", d.transponders, [](const DiffEntry& e) { return e.name; });
    printTable("satellite", d.satellites, [&](const DiffEntry& e) {
        const SatelliteEntry& s = e.b >= 0 ? b.satellites[static_cast<std::size_t>(e.b)] : a.satellites[static_cast<std::size_t>(e.a)];
        return longitudeText(s.longitude) + " " + velmora::quoted(e.name);
    });
}

json entryJson(const DiffEntry& e, bool withFields) {
    json j;
    j["a"] = e.a < 0 ? json(nullptr) : json(e.a + 1);
    j["b"] = e.b < 0 ? json(nullptr) : json(e.b + 1);
    j["name"] = latin1ToUtf8(e.name);
    if (withFields) j["fields"] = e.fields;
    return j;
}

json entries(const std::vector<DiffEntry>& list, bool withFields = false) {
    json out = json::array();
    for (const auto& e : list) out.push_back(entryJson(e, withFields));
    return out;
}

json diffJson(const ListDiff& d) {
    auto channels = [](const ChannelListDiff& c) {
        return json{{"added", entries(c.added)}, {"removed", entries(c.removed)},
                    {"changed", entries(c.changed, true)}, {"moved", entries(c.moved)}};
    };
    auto members = [](const MemberDiff& m) {
        return json{{"added", entries(m.added)}, {"removed", entries(m.removed)}, {"moved", entries(m.moved)}};
    };
    auto table = [](const TableDiff& t) {
        return json{{"added", entries(t.added)}, {"removed", entries(t.removed)}, {"changed", entries(t.changed, true)}};
    };
    json favorites = json::array();
    for (const GroupDiff& g : d.favorites)
        favorites.push_back({{"group", g.group + 1},
                             {"a", g.aName ? json(latin1ToUtf8(*g.aName)) : json(nullptr)},
                             {"b", g.bName ? json(latin1ToUtf8(*g.bName)) : json(nullptr)},
                             {"tv", members(g.tv)},
                             {"radio", members(g.radio)}});
    return {{"tv", channels(d.tv)},
            {"radio", channels(d.radio)},
            {"favorites", std::move(favorites)},
            {"transponders", table(d.transponders)},
            {"satellites", table(d.satellites)}};
}

struct ReorderArgs {
    std::string file, like, out;
    bool dryRun = false, withFavorites = false, verbose = false, noBackup = false;
    bool radio = false, names = false;
};

int runReorder(const ReorderArgs& args) {
    if (isListFile(args.like))
        return runListReorder({args.file, args.like, args.out, args.dryRun, args.withFavorites, args.verbose,
                               args.noBackup, args.radio, args.names});
    if (args.radio || args.names) {
        std::cerr << "velmora: --radio and --names take a list (CSV or TSV) as the reference, not a channel file\n";
        return kExitFailure;
    }
    FileEdit edit(args.file, args.out, args.noBackup || args.dryRun);
    ChannelDatabase db, reference;
    if (!(args.dryRun ? loadFile(args.file, db) : edit.load(db)) || !loadFile(args.like, reference))
        return kExitFailure;
    if (args.withFavorites && reference.groupCount() == 0) {
        // Taking them would empty every group of FILE.
        std::cerr << "velmora: " << args.like << " has no favourite groups to take; nothing written\n";
        return kExitFailure;
    }
    const ReorderPlan plan = planReorder(db, reference, args.withFavorites);
    const std::string report = reorderReportText(plan.report, args.verbose);
    if (args.dryRun) {
        std::cout << report << "Dry run: nothing written.\n";
        return 0;
    }
    std::optional<ChannelDatabase> before;
    if (edit.inPlace()) before = db;
    const EditStatus applied = applyReorder(db, plan);
    if (applied != EditStatus::Done) {
        std::cerr << "velmora: " << editStatusText(applied) << "\n";
        return kExitFailure;
    }
    if (before && sameTables(*before, db)) {
        std::cout << report;
        return edit.saveUnchanged(db);
    }
    // As a save from the editor right after opening the reordered file; the
    // report is printed once the result is written.
    return edit.save(db, report + "reordered like " + args.like +
                             (args.withFavorites ? ", favourite groups taken from it" : ""));
}

}  // namespace

void addDiffCommands(CLI::App& app, int& exitCode) {
    auto a = std::make_shared<std::string>(), b = std::make_shared<std::string>();
    auto asJson = std::make_shared<bool>(false);
    auto* diff = app.add_subcommand("diff", "What changed from channel file A to B; exit 0 when nothing differs, 1 when "
                                            "something does, 2 when a file cannot be read");
    diff->add_option("A", *a, "the older channel file (- for standard input)")->required();
    diff->add_option("B", *b, "the newer channel file (- for standard input)")->required();
    diff->add_flag("--json", *asJson, "one JSON object instead of one line per finding (docs/diff-and-reorder.md)");
    diff->callback([a, b, asJson, &exitCode] {
        ChannelDatabase dbA, dbB;
        if (!loadFile(*a, dbA) || !loadFile(*b, dbB)) {
            exitCode = kExitFailure;
            return;
        }
        const ListDiff d = diffLists(dbA, dbB);
        if (*asJson)
            std::cout << diffJson(d).dump(2) << "\n";
        else
            printDiff(d, dbA, dbB);
        exitCode = d.empty() ? 0 : kExitDiffers;
    });

    auto args = std::make_shared<ReorderArgs>();
    auto* reorder = app.add_subcommand("reorder", "Put the channels of FILE in the order of REF; unmatched channels "
                                                  "follow in their current order");
    reorder->add_option("FILE", args->file, "channel file to reorder")->required();
    reorder->add_option("--like", args->like, "reference whose order to take: a channel file, or a list (CSV or TSV, "
                                              "as export writes it) matched row by row")->required();
    reorder->add_option("-o,--output", args->out, "write here instead of over FILE (- for standard output)")->check(fileName());
    reorder->add_flag("--dry-run", args->dryRun, "print the report and write nothing");
    reorder->add_flag("--no-backup", args->noBackup, "without -o: do not keep FILE as FILE.bak before writing over it");
    reorder->add_flag("--with-favorites", args->withFavorites,
                      "also take REF's favourite groups, mapped onto FILE's matched channels (refused when REF has none); "
                      "with a list: the membership and order of each group of FILE that a column header names");
    reorder->add_flag("-v,--verbose", args->verbose, "list every channel that did not match");
    reorder->add_flag("--radio", args->radio, "with a list: rows without a Kind column are radio channels");
    reorder->add_flag("--names", args->names, "with a list: also take each matched channel's name from its Name column");
    reorder->callback([args, &exitCode] { exitCode = runReorder(*args); });
}

}  // namespace velmora::cli
