// delete, move and fav: the editor's Delete, Cut and Paste and favourite box
// clicks on a file, each followed by what Save writes. Positions are 1-based
// as the editor shows them; the table operations are the editor's own.
#include <climits>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "channel_edit.h"
#include "commands.h"
#include "in_place.h"
#include "list_diff.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitFailure = 2;

const char* kindName(ChannelKind kind) { return kind == ChannelKind::Tv ? "TV" : "radio"; }

int refuse(const std::string& file, std::string why) {
    // The core's texts are sentences; here they stand before "; nothing written".
    if (!why.empty() && why.back() == '.') why.pop_back();
    std::cerr << "velmora: " << file << ": " << why << "; nothing written\n";
    return kExitFailure;
}

std::string outside(const std::string& what, int n, int count) {
    return "there is no " + what + " " + std::to_string(n) + " (the file has " + std::to_string(count) + ")";
}

// "1 favourite entry", "2 favourite entries".
std::string counted(int n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "a", "a and b", "a, b and c"; the non-empty parts only.
std::string joined(const std::vector<std::string>& parts) {
    std::vector<std::string> some;
    for (const auto& p : parts)
        if (!p.empty()) some.push_back(p);
    std::string out;
    for (std::size_t i = 0; i < some.size(); ++i)
        out += (i == 0 ? "" : i + 1 == some.size() ? " and " : ", ") + some[i];
    return out;
}

std::string nameOf(const std::string& latin1) { return velmora::quoted(latin1, true, '\''); }

// "tv 12 'News 24'"
std::string channelText(const ChannelDatabase& db, ChannelKind kind, int n) {
    const ChannelEntry* ch = db.channelAt(kind, static_cast<std::size_t>(n - 1));
    return std::string(kind == ChannelKind::Tv ? "tv " : "radio ") + std::to_string(n) +
           (ch ? " " + nameOf(fieldText(ch->name)) : std::string());
}

std::string groupText(const ChannelDatabase& db, int group) {
    return "favourite group " + std::to_string(group) + " " + nameOf(fieldText(db.groupNames[static_cast<std::size_t>(group - 1)]));
}

int allMembers(const ChannelDatabase& db) {
    return static_cast<int>(db.totalMembers(ChannelKind::Tv) + db.totalMembers(ChannelKind::Radio));
}

struct Args {
    std::string file, out, what, kind, action;
    int n = 0, to = 0, group = 0;
    bool noBackup = false;
};

const std::map<std::string, ChannelKind> kKinds{{"tv", ChannelKind::Tv}, {"radio", ChannelKind::Radio}};

int runDelete(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const int membersBefore = allMembers(db);
    auto entries = [&] { return membersBefore - allMembers(db); };
    if (a.what == "transponder" || a.what == "satellite") {
        const bool tp = a.what == "transponder";
        const int count = tp ? db.transponderCount : db.satelliteCount;
        if (a.n > count) return refuse(a.file, outside(a.what, a.n, count));
        const std::size_t at = static_cast<std::size_t>(a.n - 1);
        const std::string label = tp ? "(" + transponderLabel(db, db.transponders[at]) + ")"
                                     : nameOf(fieldText(db.satellites[at].name));
        const DeleteResult r = tp ? deleteTransponder(db, a.n - 1) : deleteSatellite(db, a.n - 1);
        if (r.status != EditStatus::Done) return refuse(a.file, outside(a.what, a.n, count));
        std::string done = "deleted " + a.what + " " + std::to_string(a.n) + " " + label;
        const std::string with =
            joined({tp ? "" : counted(r.transpondersRemoved, "transponder", "transponders"),
                    r.tvRemoved ? counted(r.tvRemoved, "TV channel", "TV channels") : "",
                    r.radioRemoved ? counted(r.radioRemoved, "radio channel", "radio channels") : "",
                    entries() ? counted(entries(), "favourite entry", "favourite entries") : ""});
        if (!with.empty()) done += " with " + with;
        if (tp && r.satellitesRemoved) done += "; its satellite went too, no transponder is left on it";
        return edit.save(db, done);
    }
    const ChannelKind kind = kKinds.at(a.what);
    const std::string what = channelText(db, kind, a.n);
    if (removeChannel(db, kind, a.n - 1) != EditStatus::Done)
        return refuse(a.file, outside(std::string(kindName(kind)) + " channel", a.n, db.channelCount(kind)));
    return edit.save(db, "deleted " + what +
                             (entries() ? " and " + counted(entries(), "favourite entry", "favourite entries") : ""));
}

int runMove(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    const std::string what = std::string(kindName(kind)) + " channel";
    const std::optional<HeldChannel> held = holdChannel(db, kind, a.n - 1);
    if (!held) return refuse(a.file, outside(what, a.n, db.channelCount(kind)));
    const std::string moved = channelText(db, kind, a.n);
    // Only an edit in place needs to know whether anything changed.
    std::optional<ChannelDatabase> before;
    if (edit.inPlace()) before = db;
    if (moveChannel(db, *held, a.to - 1) != EditStatus::Done)
        return refuse(a.file, outside(what, a.to, db.channelCount(kind)));
    if (before && sameTables(*before, db)) return edit.saveUnchanged(db);
    return edit.save(db, "moved " + moved + " to " + std::to_string(a.to));
}

int runFav(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    if (a.group > db.groupCount())
        return refuse(a.file, "there is no favourite group " + std::to_string(a.group) + " (the file has " +
                                  std::to_string(db.groupCount()) + ")");
    const bool add = a.action == "add";
    const std::string channel = channelText(db, kind, a.n), group = groupText(db, a.group);
    const int membersBefore = allMembers(db);
    const FavoriteChange r =
        add ? addFavorite(db, kind, a.group - 1, a.n - 1) : removeFavorite(db, kind, a.group - 1, a.n - 1);
    switch (r.status) {
    case EditStatus::Done:
        break;
    case EditStatus::AlreadyMember:
    case EditStatus::NotMember:
        // What was asked for holds already.
        std::cerr << "velmora: " << channel << (add ? " is already in " : " is not in ") << group << "\n";
        return edit.saveUnchanged(db);
    case EditStatus::NoSuchChannel:
        return refuse(a.file, outside(std::string(kindName(kind)) + " channel", a.n, db.channelCount(kind)));
    default:
        return refuse(a.file, editStatusText(r.status));
    }
    const int removed = membersBefore - allMembers(db);
    return edit.save(db, add ? "added " + channel + " to " + group + " at place " + std::to_string(r.position)
                             : "removed " + channel + " from " + group +
                                   (removed > 1 ? " (" + std::to_string(removed) + " entries)" : ""));
}

}  // namespace

void addEditCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<Args>();
    auto common = [&](CLI::App* cmd) {
        cmd->add_option("FILE", args->file, "channel file (.bin, .sgn; - reads standard input, needs -o)")->required();
    };
    auto output = [&](CLI::App* cmd) {
        cmd->add_option("-o,--output", args->out, "write here instead of over FILE (- for standard output)")
            ->check(fileName());
        cmd->add_flag("--no-backup", args->noBackup, "without -o: do not keep FILE as FILE.bak before writing over it");
    };
    auto position = [](CLI::App* cmd, const char* name, int& target, const char* help) {
        cmd->add_option(name, target, help)->required()->transform(wholeNumber(1, INT_MAX));
    };

    auto* del = app.add_subcommand(
        "delete", "Delete a channel, or a transponder or satellite with everything on it, as the editor's Delete does");
    common(del);
    del->add_option("WHAT", args->what, "tv, radio, transponder or satellite")
        ->required()
        ->check(CLI::IsMember({"tv", "radio", "transponder", "satellite"}));
    position(del, "N", args->n, "its number as the editor shows it, from 1");
    output(del);
    del->callback([args, &exitCode] { exitCode = runDelete(*args); });

    auto* move = app.add_subcommand("move", "Move channel FROM so that it stands at TO, as Cut and Paste do");
    common(move);
    move->add_option("KIND", args->kind, "tv or radio")->required()->check(CLI::IsMember({"tv", "radio"}));
    position(move, "FROM", args->n, "number of the channel to move, from 1");
    position(move, "TO", args->to, "number of the channel selected for Paste, from 1");
    output(move);
    move->callback([args, &exitCode] { exitCode = runMove(*args); });

    auto* fav = app.add_subcommand("fav", "Enter a channel into a favourite group or take it out, as its favourite box "
                                          "does: add appends it to the group, remove takes its entries out");
    common(fav);
    fav->add_option("KIND", args->kind, "tv or radio")->required()->check(CLI::IsMember({"tv", "radio"}));
    position(fav, "N", args->n, "number of the channel, from 1");
    fav->add_option("ACTION", args->action, "add or remove")->required()->check(CLI::IsMember({"add", "remove"}));
    fav->add_option("GROUP", args->group, "favourite group, 1 to the file's group count (at most 125), in file order")
        ->required()
        ->transform(wholeNumber(1, kGroupCapacity));
    output(fav);
    fav->callback([args, &exitCode] { exitCode = runFav(*args); });
}

}  // namespace velmora::cli
