// delete, move and fav: the editor's Delete, Cut and Paste and favourite box
// clicks on a file, each followed by what Save writes. Positions are 1-based
// as the editor shows them; the table operations are the editor's own.
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "channel_edit.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "commands.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitFailure = 2;

const char* kindName(ChannelKind kind) { return kind == ChannelKind::Tv ? "TV" : "radio"; }

bool load(const std::string& path, ChannelDatabase& db) { return loadForCommand(path, db); }

// Every write of these verbs goes through here: atomically to OUT, or over
// FILE (kept as FILE.bak first) when no OUT was given. Returns the exit code.
int saveEdited(const std::string& file, const std::string& out, bool noBackup, ChannelDatabase& db) {
    const std::string& target = out.empty() ? file : out;
    if (out.empty() && !noBackup && !keepBackup(file)) return kExitFailure;
    SaveOptions options;
    options.currentTransponder = defaultCurrentTransponder(db);
    const SaveResult r = writeChannelFile(target, db, options);
    if (!r.ok) {
        std::cerr << "velmora: cannot save " << target << ": " << r.error << "\n";
        return kExitFailure;
    }
    return 0;
}

int refuse(const std::string& file, const std::string& why) {
    std::cerr << "velmora: " << file << ": " << why << "; nothing written\n";
    return kExitFailure;
}

std::string outside(const char* what, int n, int count) {
    return "there is no " + std::string(what) + " " + std::to_string(n) + " (the file has " + std::to_string(count) + ")";
}

struct Args {
    std::string file, out, what, kind, action;
    int n = 0, to = 0, group = 0;
    bool noBackup = false;
};

const std::map<std::string, ChannelKind> kKinds{{"tv", ChannelKind::Tv}, {"radio", ChannelKind::Radio}};

int runDelete(const Args& a) {
    ChannelDatabase db;
    if (!load(a.file, db)) return kExitFailure;
    if (a.what == "transponder" || a.what == "satellite") {
        const bool tp = a.what == "transponder";
        const DeleteResult r = tp ? deleteTransponder(db, a.n - 1) : deleteSatellite(db, a.n - 1);
        if (r.status != EditStatus::Done)
            return refuse(a.file, outside(a.what.c_str(), a.n, tp ? db.transponderCount : db.satelliteCount));
        std::cout << "deleted " << a.what << " " << a.n << " with "
                  << (tp ? "" : std::to_string(r.transpondersRemoved) + " transponders, ") << r.tvRemoved << " TV and "
                  << r.radioRemoved << " radio channels"
                  << (tp && r.satellitesRemoved ? "; its satellite went too, no transponder is left on it" : "") << "\n";
    } else {
        const ChannelKind kind = kKinds.at(a.what);
        if (removeChannel(db, kind, a.n - 1) != EditStatus::Done)
            return refuse(a.file, outside((std::string(kindName(kind)) + " channel").c_str(), a.n, db.channelCount(kind)));
    }
    return saveEdited(a.file, a.out, a.noBackup, db);
}

int runMove(const Args& a) {
    ChannelDatabase db;
    if (!load(a.file, db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    const std::string what = std::string(kindName(kind)) + " channel";
    const std::optional<HeldChannel> held = holdChannel(db, kind, a.n - 1);
    if (!held) return refuse(a.file, outside(what.c_str(), a.n, db.channelCount(kind)));
    if (moveChannel(db, *held, a.to - 1) != EditStatus::Done)
        return refuse(a.file, outside(what.c_str(), a.to, db.channelCount(kind)));
    return saveEdited(a.file, a.out, a.noBackup, db);
}

int runFav(const Args& a) {
    ChannelDatabase db;
    if (!load(a.file, db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    const bool add = a.action == "add";
    const FavoriteChange r =
        add ? addFavorite(db, kind, a.group - 1, a.n - 1) : removeFavorite(db, kind, a.group - 1, a.n - 1);
    switch (r.status) {
    case EditStatus::Done:
        break;
    case EditStatus::AlreadyMember:
    case EditStatus::NotMember:
        // What was asked for holds already; the file is written all the same.
        std::cerr << "velmora: " << editStatusText(r.status) << "\n";
        break;
    case EditStatus::NoSuchGroup:
        return refuse(a.file, "there is no favourite group " + std::to_string(a.group) + " (the file has " +
                                  std::to_string(db.groupCount()) + ")");
    case EditStatus::NoSuchChannel:
        return refuse(a.file,
                      outside((std::string(kindName(kind)) + " channel").c_str(), a.n, db.channelCount(kind)));
    default:
        return refuse(a.file, editStatusText(r.status));
    }
    return saveEdited(a.file, a.out, a.noBackup, db);
}

}  // namespace

void addEditCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<Args>();
    auto common = [&](CLI::App* cmd) {
        cmd->add_option("FILE", args->file, "channel file (.bin, .sgn)")->required();
    };
    auto output = [&](CLI::App* cmd) {
        cmd->add_option("-o,--output", args->out, "write here instead of over FILE")->check(fileName());
        cmd->add_flag("--no-backup", args->noBackup, "without -o: do not keep FILE as FILE.bak before writing over it");
    };

    auto* del = app.add_subcommand(
        "delete", "Delete a channel, or a transponder or satellite with everything on it, as the editor's Delete does");
    common(del);
    del->add_option("WHAT", args->what, "tv, radio, transponder or satellite")
        ->required()
        ->check(CLI::IsMember({"tv", "radio", "transponder", "satellite"}));
    del->add_option("N", args->n, "its number as the editor shows it, from 1")->required();
    output(del);
    del->callback([args, &exitCode] { exitCode = runDelete(*args); });

    auto* move = app.add_subcommand("move", "Move channel FROM so that it stands at TO, as Cut and Paste do");
    common(move);
    move->add_option("KIND", args->kind, "tv or radio")->required()->check(CLI::IsMember({"tv", "radio"}));
    move->add_option("FROM", args->n, "number of the channel to move, from 1")->required();
    move->add_option("TO", args->to, "number of the channel selected for Paste, from 1")->required();
    output(move);
    move->callback([args, &exitCode] { exitCode = runMove(*args); });

    auto* fav = app.add_subcommand("fav", "Tick or untick a channel's favourite box: add appends it to the group, "
                                          "remove takes its entry out");
    common(fav);
    fav->add_option("KIND", args->kind, "tv or radio")->required()->check(CLI::IsMember({"tv", "radio"}));
    fav->add_option("N", args->n, "number of the channel, from 1")->required();
    fav->add_option("ACTION", args->action, "add or remove")->required()->check(CLI::IsMember({"add", "remove"}));
    fav->add_option("GROUP", args->group, "favourite box 1 to 10, in the editor's order")
        ->required()
        ->check(CLI::Range(1, static_cast<int>(kViewGroups)));
    output(fav);
    fav->callback([args, &exitCode] { exitCode = runFav(*args); });
}

}  // namespace velmora::cli
