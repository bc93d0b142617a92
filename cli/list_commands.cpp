// velmora list: a channel list as the editor shows it, one row per line, the
// four cell texts separated by tabs. --sort gives the order of one click on
// that column's header after opening, --descending that of a second click.
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "commands.h"
#include "list_order.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitFailure = 2;

struct ListArgs {
    std::string file, kind, sort;
    bool descending = false;
};

const std::map<std::string, int> kColumns{{"number", 0}, {"name", 1}, {"transponder", 2}, {"satellite", 3}};

int runList(const ListArgs& a) {
    ChannelDatabase db;
    if (!loadForCommand(a.file, db)) return kExitFailure;
    const ChannelKind kind = a.kind == "tv" ? ChannelKind::Tv : ChannelKind::Radio;
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
    list->callback([args, &exitCode] { exitCode = runList(*args); });
}

}  // namespace velmora::cli
