// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_commands.h"

#include <fstream>
#include <iostream>
#include <algorithm>
#include <memory>
#include <optional>

#include "channel_writer.h"
#include "in_place.h"
#include "list_csv.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitFailure = 2;
// Far above a capacity list (about 4 MB); a bigger file is not one.
constexpr std::streamoff kLargestList = 64 << 20;

bool readText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "velmora: cannot read " << printable(path, false) << "\n";
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size > kLargestList) {
        std::cerr << "velmora: " << printable(path, false) << " is too large to be a channel list\n";
        return false;
    }
    in.seekg(0);
    text.resize(static_cast<std::size_t>(std::max<std::streamoff>(size, 0)));
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        std::cerr << "velmora: cannot read " << printable(path, false) << "\n";
        return false;
    }
    return true;
}

struct ExportArgs {
    std::string file, list, out;
    bool tsv = false;
};

int runExport(const ExportArgs& args) {
    ChannelDatabase db;
    if (!loadForCommand(args.file, db)) return kExitFailure;
    const ListChoice choice = args.list == "tv" ? ListChoice::Tv : args.list == "radio" ? ListChoice::Radio : ListChoice::Both;
    const std::string text = exportListCsv(db, choice, args.tsv ? '\t' : ',');
    if (args.out.empty() || args.out == "-") {
        std::cout << text;
        return 0;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const SaveResult r = writeFileAtomically(args.out, std::span<const std::uint8_t>(bytes, text.size()));
    if (!r.ok) {
        std::cerr << "velmora: cannot write " << printable(args.out, false) << ": " << r.error << "\n";
        return kExitFailure;
    }
    noteFileWritten();
    const int tv = choice == ListChoice::Radio ? 0 : db.tvCount, radio = choice == ListChoice::Tv ? 0 : db.radioCount;
    std::cout << "exported " << tv << " TV and " << radio << " radio channels to " << printable(args.out, false) << "\n";
    return 0;
}

}  // namespace

bool isListFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[4] = {};
    in.read(head, sizeof head);
    return in.gcount() > 0 && !isChannelFileImage(std::string_view(head, static_cast<std::size_t>(in.gcount())));
}

int runListReorder(const ListReorderArgs& args) {
    FileEdit edit(args.file, args.out, args.noBackup || args.dryRun);
    ChannelDatabase db;
    std::string text;
    if (!(args.dryRun ? loadForCommand(args.file, db) : edit.load(db)) || !readText(args.like, text)) return kExitFailure;
    CsvOrderOptions options;
    options.radioDefault = args.radio;
    options.names = args.names;
    options.withFavorites = args.withFavorites;
    CsvOrder order;
    std::string error;
    if (!planCsvOrder(db, text, options, order, error)) {
        std::cerr << "velmora: " << printable(args.like, false) << ": " << error << "; nothing written\n";
        return kExitFailure;
    }
    const std::string report = csvOrderReportText(order, args.verbose);
    if (args.dryRun) {
        std::cout << report << "Dry run: nothing written.\n";
        return 0;
    }
    std::optional<ChannelDatabase> before;
    if (edit.inPlace()) before = db;
    const EditStatus applied = applyCsvOrder(db, order);
    if (applied != EditStatus::Done) {
        std::cerr << "velmora: " << editStatusText(applied) << "\n";
        return kExitFailure;
    }
    if (before && sameTables(*before, db)) {
        edit.report() << report;
        return edit.saveUnchanged(db);
    }
    std::string done = report + "reordered like " + args.like;
    if (args.names) done += ", names taken from it";
    if (args.withFavorites) done += ", favourite groups taken from it";
    return edit.save(db, done);
}

void addExportCommand(CLI::App& app, int& exitCode) {
    auto args = std::make_shared<ExportArgs>();
    auto* cmd = app.add_subcommand("export", "Write the channel lists of FILE as CSV (a header row, TV rows first), to "
                                             "standard output or OUT");
    cmd->add_option("FILE", args->file, "channel file to export (- for standard input)")->required();
    cmd->add_option("LIST", args->list, "tv or radio: only that list")->check(CLI::IsMember({"tv", "radio"}));
    cmd->add_option("-o,--output", args->out, "write OUT (whole or not at all) instead of standard output")->check(fileName());
    cmd->add_flag("--tsv", args->tsv, "separate the cells with tabs instead of commas");
    cmd->callback([args, &exitCode] { exitCode = runExport(*args); });
}

}  // namespace velmora::cli
