// SPDX-License-Identifier: GPL-3.0-or-later
// delete, move, fav and lock: the editor's Delete, Cut and Paste, keyboard
// moves, favourite and lock box clicks on a file, each followed by what Save
// writes. Positions are 1-based as the editor shows them, and every verb takes
// a list of them; the table operations are the editor's own, for sets.
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
    std::string file, out, what, kind, action, list, to;
    int group = 0;
    bool noBackup = false;
};

const std::map<std::string, ChannelKind> kKinds{{"tv", ChannelKind::Tv}, {"radio", ChannelKind::Radio}};
const std::map<std::string, MoveDirection> kDirections{
    {"up", MoveDirection::Up}, {"down", MoveDirection::Down}, {"top", MoveDirection::Top}, {"bottom", MoveDirection::Bottom}};

// The listed positions of a table of `count` (already checked for their
// form); nullopt, with the refusal printed, when one lies beyond it.
std::optional<std::vector<int>> listed(const Args& a, const std::string& what, int count) {
    const PositionList list = *parsePositions(a.list);
    if (const int beyond = list.firstAbove(count)) {
        refuse(a.file, outside(what, beyond, count));
        return std::nullopt;
    }
    return list.indices();
}

// "5 TV channels"
std::string channelsText(ChannelKind kind, int n) {
    return counted(n, std::string(kindName(kind)) + " channel", std::string(kindName(kind)) + " channels");
}

// "; 2 were in it already"
std::string others(int n, const std::string& were) {
    return n ? "; " + std::to_string(n) + (n == 1 ? " was " : " were ") + were : "";
}

int runDelete(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const int membersBefore = allMembers(db);
    auto entries = [&] { return membersBefore - allMembers(db); };
    if (a.what == "transponder" || a.what == "satellite") {
        const bool tp = a.what == "transponder";
        const int count = tp ? db.transponderCount : db.satelliteCount;
        const auto set = listed(a, a.what, count);
        if (!set) return kExitFailure;
        const int n = set->front() + 1;
        const std::size_t at = static_cast<std::size_t>(set->front());
        const std::string label = tp ? "(" + transponderLabel(db, db.transponders[at]) + ")"
                                     : nameOf(fieldText(db.satellites[at].name));
        const DeleteResult r = tp ? deleteTransponders(db, *set) : deleteSatellites(db, *set);
        if (r.status != EditStatus::Done) return refuse(a.file, editStatusText(r.status));
        const bool one = set->size() == 1;
        std::string done = one ? "deleted " + a.what + " " + std::to_string(n) + " " + label
                               : "deleted " + counted(static_cast<int>(set->size()), a.what, a.what + "s");
        const std::string with =
            joined({tp ? "" : counted(r.transpondersRemoved, "transponder", "transponders"),
                    r.tvRemoved ? counted(r.tvRemoved, "TV channel", "TV channels") : "",
                    r.radioRemoved ? counted(r.radioRemoved, "radio channel", "radio channels") : "",
                    entries() ? counted(entries(), "favourite entry", "favourite entries") : ""});
        if (!with.empty()) done += " with " + with;
        if (tp && r.satellitesRemoved)
            done += one ? "; its satellite went too, no transponder is left on it"
                        : "; " + counted(r.satellitesRemoved, "satellite", "satellites") +
                              (r.satellitesRemoved == 1 ? " went too, no transponder is left on it"
                                                        : " went too, no transponder is left on them");
        return edit.save(db, done);
    }
    const ChannelKind kind = kKinds.at(a.what);
    const auto set = listed(a, std::string(kindName(kind)) + " channel", db.channelCount(kind));
    if (!set) return kExitFailure;
    const std::string what =
        set->size() == 1 ? channelText(db, kind, set->front() + 1) : channelsText(kind, static_cast<int>(set->size()));
    const DeleteResult r = removeChannels(db, kind, *set);
    if (r.status != EditStatus::Done) return refuse(a.file, editStatusText(r.status));
    return edit.save(db, "deleted " + what +
                             (entries() ? " and " + counted(entries(), "favourite entry", "favourite entries") : ""));
}

int runMove(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    const int count = db.channelCount(kind);
    const std::string what = std::string(kindName(kind)) + " channel";
    const auto set = listed(a, what, count);
    if (!set) return kExitFailure;
    const int k = static_cast<int>(set->size());
    const std::string moved = k == 1 ? channelText(db, kind, set->front() + 1) : channelsText(kind, k);
    const auto direction = kDirections.find(a.to);
    MoveResult r;
    if (direction != kDirections.end()) {
        r = moveChannels(db, kind, *set, direction->second);
    } else {
        const std::uint64_t to = *parseDecimal(a.to);
        if (to > static_cast<std::uint64_t>(count - k + 1))
            return refuse(a.file, k == 1 ? outside(what, static_cast<int>(to), count)
                                         : moved + " cannot start at " + a.to + " (the file has " +
                                               std::to_string(count) + ": TO from 1 to " +
                                               std::to_string(count - k + 1) + ")");
        r = moveChannels(db, kind, *set, static_cast<int>(to) - 1);
    }
    if (r.status != EditStatus::Done) return refuse(a.file, editStatusText(r.status));
    if (!r.changed) return edit.saveUnchanged(db);
    // A step of a scattered set has no one place to name.
    const bool step = k > 1 && (a.to == "up" || a.to == "down");
    return edit.save(db, "moved " + moved + (step ? " " + a.to + " one place" : " to " + std::to_string(r.now.front() + 1)));
}

int runFav(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    if (a.group > db.groupCount())
        return refuse(a.file, "there is no favourite group " + std::to_string(a.group) + " (the file has " +
                                  std::to_string(db.groupCount()) + ")");
    const auto set = listed(a, std::string(kindName(kind)) + " channel", db.channelCount(kind));
    if (!set) return kExitFailure;
    const bool add = a.action == "add", one = set->size() == 1;
    const int k = static_cast<int>(set->size());
    const std::string channels = one ? channelText(db, kind, set->front() + 1) : channelsText(kind, k);
    const std::string group = groupText(db, a.group);
    // Remove takes each channel's last entry: the one its favourite box shows.
    const FavoriteChange r = add ? addFavorites(db, kind, a.group - 1, *set)
                                 : removeFavorites(db, kind, a.group - 1, *set, FavoriteRemoval::LastEntry);
    switch (r.status) {
    case EditStatus::Done:
        break;
    case EditStatus::AlreadyMember:
    case EditStatus::NotMember:
        // What was asked for holds already.
        std::cerr << "velmora: "
                  << (one ? channels + (add ? " is already in " : " is not in ")
                          : add ? "all " + channels + " are already in " : "none of the " + channels + " is in ")
                  << group << "\n";
        return edit.saveUnchanged(db);
    default:
        return refuse(a.file, editStatusText(r.status));
    }
    if (add) {
        const std::string places = r.changed == 1 ? " at place " + std::to_string(r.position)
                                                  : " at places " + std::to_string(r.position) + " to " +
                                                        std::to_string(r.position + r.changed - 1);
        return edit.save(db, "added " + (one ? channels : channelsText(kind, r.changed)) + " to " + group + places +
                                 others(k - r.changed, "in it already"));
    }
    std::string done = "removed " + (one ? channels : channelsText(kind, r.changed)) + " from " + group;
    if (one) {
        // A channel the group listed twice keeps its earlier entry.
        const std::vector<int> left = favoritePlaces(db, kind, a.group - 1, set->front());
        if (!left.empty())
            done += " at place " + std::to_string(r.position) + "; its earlier entry stays at place " +
                    std::to_string(left.back());
    }
    return edit.save(db, done + others(k - r.changed, "not in it"));
}

int runLock(const Args& a) {
    FileEdit edit(a.file, a.out, a.noBackup);
    ChannelDatabase db;
    if (!edit.load(db)) return kExitFailure;
    const ChannelKind kind = kKinds.at(a.kind);
    const auto set = listed(a, std::string(kindName(kind)) + " channel", db.channelCount(kind));
    if (!set) return kExitFailure;
    const bool on = a.action == "on", one = set->size() == 1;
    const int k = static_cast<int>(set->size());
    const std::string channels = one ? channelText(db, kind, set->front() + 1) : channelsText(kind, k);
    int already = 0;
    for (const int i : *set) already += (db.channels(kind)[static_cast<std::size_t>(i)].locked != 0) == on;
    if (already == k) {
        std::cerr << "velmora: "
                  << (one ? channels + (on ? " is already locked" : " is not locked")
                          : on ? "all " + channels + " are already locked" : "none of the " + channels + " is locked")
                  << "\n";
        return edit.saveUnchanged(db);
    }
    const EditStatus status = setLocked(db, kind, *set, on);
    if (status != EditStatus::Done) return refuse(a.file, editStatusText(status));
    return edit.save(db, (on ? "locked " : "unlocked ") + (one ? channels : channelsText(kind, k - already)) +
                             others(already, on ? "locked already" : "not locked"));
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
    auto kind = [&](CLI::App* cmd) {
        cmd->add_option("KIND", args->kind, "tv or radio")->required()->check(CLI::IsMember({"tv", "radio"}));
    };
    auto positions = [&](CLI::App* cmd, const char* what) {
        cmd->add_option("LIST", args->list,
                        std::string(what) + ", 1-based as the editor shows them: 7, 3-9 or 1,4,10-12 (ranges "
                                            "inclusive, a position named twice counts once; a reversed range or a "
                                            "position the file does not have exits 2, writing nothing)")
            ->required()
            ->transform(positionList());
    };

    auto* del = app.add_subcommand(
        "delete", "Delete channels, or transponders or satellites with everything on them, as the editor's Delete "
                  "does; several at once end as if deleted one by one from the highest number down");
    common(del);
    del->add_option("WHAT", args->what, "tv, radio, transponder or satellite")
        ->required()
        ->check(CLI::IsMember({"tv", "radio", "transponder", "satellite"}));
    positions(del, "their numbers");
    output(del);
    del->callback([args, &exitCode] { exitCode = runDelete(*args); });

    auto* move = app.add_subcommand(
        "move", "Move the listed channels, in their order, so that they stand at TO, TO+1, ..., as Cut and Paste do; "
                "or one place up or down, or to the top or bottom, as the editor's Alt+arrow keys do");
    common(move);
    kind(move);
    positions(move, "numbers of the channels to move");
    move->add_option("TO", args->to,
                     "where the first of them ends, from 1 to the channel count minus the listed ones plus 1 (for one "
                     "channel: the number of the channel selected for Paste); or up, down, top, bottom")
        ->required()
        ->transform(CLI::Validator(
            [number = wholeNumber(1, INT_MAX)](std::string& text) {
                if (kDirections.count(text)) return std::string();
                return number(text).empty() ? std::string() : numberRule(1, INT_MAX) + ", or up, down, top or bottom";
            },
            ""));
    output(move);
    move->callback([args, &exitCode] { exitCode = runMove(*args); });

    auto* fav = app.add_subcommand(
        "fav", "Enter channels into a favourite group or take them out, as their favourite boxes do: add appends the "
               "listed channels that are not yet in the group, in table order; remove takes out the last entry of "
               "each listed channel in it");
    common(fav);
    kind(fav);
    positions(fav, "numbers of the channels");
    fav->add_option("ACTION", args->action, "add or remove")->required()->check(CLI::IsMember({"add", "remove"}));
    fav->add_option("GROUP", args->group, "favourite group, 1 to the file's group count (at most 125), in file order")
        ->required()
        ->transform(wholeNumber(1, kGroupCapacity));
    output(fav);
    fav->callback([args, &exitCode] { exitCode = runFav(*args); });

    auto* lock = app.add_subcommand("lock", "Lock or unlock channels, as the lock box does");
    common(lock);
    kind(lock);
    positions(lock, "numbers of the channels");
    lock->add_option("STATE", args->action, "on or off")->required()->check(CLI::IsMember({"on", "off"}));
    output(lock);
    lock->callback([args, &exitCode] { exitCode = runLock(*args); });
}

}  // namespace velmora::cli
