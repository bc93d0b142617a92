// SPDX-License-Identifier: GPL-3.0-or-later
// velmora list: a channel list as the editor shows it, one row per line, the
// four cell texts separated by tabs. --sort gives the order of one click on
// that column's header after opening, --descending that of a second click.
// --filter, --show and --satellite keep the rows the editor's filter bar
// would show, in the order shown.
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "list_filter.h"
#include "list_order.h"
#include "numbers.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitFailure = 2;

struct ListArgs {
    std::string file, kind, sort, filter, show;
    int satellite = 0;
    bool descending = false;
};

const std::map<std::string, ShowChoice> kShows{{"free", ShowChoice::Free},
                                               {"scrambled", ShowChoice::Scrambled},
                                               {"locked", ShowChoice::Locked},
                                               {"nofav", ShowChoice::NoGroup},
                                               {"duplicates", ShowChoice::Duplicates}};

// The filter the options name; nullopt, with the refusal printed, when a
// group or satellite lies beyond the file's.
std::optional<ChannelFilter> filterOf(const ListArgs& a, const ChannelDatabase& db) {
    ChannelFilter f;
    // Names are Latin-1; a text with a character beyond it can match none.
    if (!utf8ToLatin1(a.filter, f.text)) f.text = std::string(1, '\0');
    if (const auto show = kShows.find(a.show); show != kShows.end()) f.show = show->second;
    if (a.show.starts_with("group:")) {
        f.show = ShowChoice::InGroup;
        f.group = static_cast<int>(*parseDecimal(a.show.substr(6))) - 1;
        if (f.group >= db.groupCount()) {
            std::cerr << "velmora: " << a.file << ": there is no favourite group " << f.group + 1 << " (the file has "
                      << db.groupCount() << ")\n";
            return std::nullopt;
        }
    }
    if (a.satellite > 0) {
        f.satellite = a.satellite - 1;
        if (a.satellite > db.satelliteCount) {
            std::cerr << "velmora: " << a.file << ": there is no satellite " << a.satellite << " (the file has "
                      << db.satelliteCount << ")\n";
            return std::nullopt;
        }
    }
    return f;
}

const std::map<std::string, int> kColumns{{"number", 0}, {"name", 1}, {"transponder", 2}, {"satellite", 3}};

int runList(const ListArgs& a) {
    ChannelDatabase db;
    if (!loadForCommand(a.file, db)) return kExitFailure;
    const ChannelKind kind = a.kind == "tv" ? ChannelKind::Tv : ChannelKind::Radio;
    const auto filter = filterOf(a, db);
    if (!filter) return kExitFailure;
    std::vector<ChannelRowText> rows;
    rows.reserve(db.channelCount(kind));
    for (int n = 0; n < db.channelCount(kind); ++n) rows.push_back(channelRowText(db, kind, n));

    if (!a.sort.empty()) {
        const int column = kColumns.at(a.sort);
        SortState clicks;
        for (int click = 0; click < (a.descending ? 2 : 1); ++click) {
            std::vector<std::string_view> keys;
            keys.reserve(rows.size());
            for (const ChannelRowText& r : rows) keys.push_back(r.cells[static_cast<std::size_t>(column)]);
            const std::vector<int> order = sortListByColumn(keys, clicks.click(column));
            std::vector<ChannelRowText> sorted;
            sorted.reserve(rows.size());
            for (int from : order) sorted.push_back(std::move(rows[static_cast<std::size_t>(from)]));
            rows = std::move(sorted);
        }
    }
    if (filter->active()) {
        // The whole list's order, thinned: the rows keep where the sort left them.
        std::vector<int> records;
        records.reserve(rows.size());
        for (const ChannelRowText& r : rows) records.push_back(static_cast<int>(*parseDecimal(r.cells[0])) - 1);
        const std::vector<char> match = matchingChannels(db, kind, *filter);
        std::vector<ChannelRowText> kept;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (match[static_cast<std::size_t>(records[i])]) kept.push_back(std::move(rows[i]));
        rows = std::move(kept);
    }

    std::string out;
    for (const ChannelRowText& r : rows) {
        for (std::size_t c = 0; c < r.cells.size(); ++c) {
            if (c) out += '\t';
            // A control character in a name must neither drive the terminal
            // nor split the line: it is shown as \xNN (a backslash as \\).
            out += printable(r.cells[c], true);
        }
        out += '\n';
    }
    std::cout << out;
    return 0;
}

}  // namespace

void addListCommands(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<ListArgs>();
    auto* list = app.add_subcommand("list", "Print the TV or radio list as the editor shows it: Number, Channel Name, "
                                            "Transponder and Satellite Name, separated by tabs");
    list->add_option("FILE", args->file, "channel file (.bin, .sgn; - for standard input)")->required();
    list->add_option("KIND", args->kind, "tv or radio")->required()->check(CLI::IsMember({"tv", "radio"}));
    auto* sort = list->add_option("--sort", args->sort, "the order one click on this column's header gives")
                     ->check(CLI::IsMember({"number", "name", "transponder", "satellite"}));
    list->add_flag("--descending", args->descending, "the order of a second click on the same header")->needs(sort);
    list->add_option("--filter", args->filter, "only channels whose name contains TEXT, ignoring case");
    list->add_option("--show", args->show,
                     "only free, scrambled or locked channels, those in favourite group N (group:N, 1-based in file "
                     "order), those in no group (nofav), or those with a duplicate (duplicates)")
        ->check(CLI::Validator(
            [](std::string& text) -> std::string {
                if (kShows.count(text)) return {};
                if (text.starts_with("group:")) {
                    const auto n = parseDecimal(text.substr(6));
                    if (n && *n >= 1 && *n <= kGroupCapacity) return {};
                }
                return "SHOW must be free, scrambled, locked, nofav, duplicates or group:N (N from 1 to 125)";
            },
            "SHOW"));
    list->add_option("--satellite", args->satellite, "only channels on satellite N (1-based)")
        ->transform(wholeNumber(1, kMaxSatellitesInFile));
    list->callback([args, &exitCode] { exitCode = runList(*args); });
}

}  // namespace velmora::cli
