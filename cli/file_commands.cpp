// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "channel_reader.h"
#include "channel_writer.h"
#include "checksum.h"
#include "byte_order.h"
#include "commands.h"
#include "file_check.h"
#include "in_place.h"
#include "json_dump.h"
#include "sample_data.h"
#include "support.h"
#include "transfer_protocol.h"

namespace velmora::cli {
namespace {

constexpr int kExitFindings = 1;
constexpr int kExitFailure = 2;

struct Loaded {
    std::vector<std::uint8_t> bytes;
    ChannelDatabase db;
    std::size_t parsedSize = 0;  // bytes up to the end of the CRC trailer
};

bool load(const std::string& path, Loaded& out) { return loadForCommand(path, out.db, &out.bytes, &out.parsedSize); }

std::string hex16(unsigned v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", v & 0xFFFFu);
    return buf;
}
std::string hex32(unsigned v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

void printInfo(const std::string& path, const Loaded& f) {
    const ChannelDatabase& db = f.db;
    ChannelDatabase saved = db;
    const std::vector<std::uint8_t> expect = buildChannelFile(saved, SaveOptions{});
    // Judged as send judges it.
    const std::uint16_t usage = db.header.usageType;
    const char* group = !link::downloadAccepts(usage) ? "unknown: send refuses it"
                        : link::isMGroup(usage)       ? "M group"
                                                      : "C group";
    std::cout << "File:              " << printable(path, false) << " (" << f.bytes.size() << " bytes)\n"
              << "Usage type:        " << hex16(usage) << " (" << group << ")\n"
              << "Model:             " << printable(db.header.modelText(), true) << "\n"
              << "Hardware version:  " << hex32(db.header.headerParam2) << "\n"
              << "Software version:  " << hex32(db.header.headerParam3) << "\n"
              << "Satellites:        " << db.satelliteCount << "\n"
              << "Transponders:      " << db.transponderCount << "\n"
              << "TV channels:       " << db.tvCount << "\n"
              << "Radio channels:    " << db.radioCount << "\n"
              << "Favourite groups:  " << db.groupCount() << " (" << db.totalMembers(ChannelKind::Tv) << " TV, "
              << db.totalMembers(ChannelKind::Radio) << " radio members)\n"
              << "Extra block:       " << (db.hasExtraBlock ? std::to_string(db.extraLength) + " bytes" : std::string("none"))
              << "\n"
              << "dataLength:        stored " << db.header.dataLength << ", recomputed " << saved.header.dataLength << "\n"
              << "channelDataLength: stored " << db.blockHead.channelDataLength << ", recomputed "
              << saved.blockHead.channelDataLength << "\n"
              << "checksum:          stored " << hex16(db.header.checksum) << ", recomputed " << hex16(saved.header.checksum)
              << "\n"
              << "CRC:               stored " << hex16(db.crcTrailer) << ", recomputed "
              << hex16(readU16BE(&expect[expect.size() - 2])) << "\n";
}

}  // namespace

void addFileCommands(CLI::App& app, int& exitCode) {
    auto file = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();

    auto* info = app.add_subcommand("info", "Summary of a channel file: usage type, model, versions, counts, lengths, checksum, CRC");
    info->add_option("FILE", *file, "channel file (.bin, .sgn; - for standard input)")->required();
    info->callback([file, &exitCode] {
        Loaded f;
        if (!load(*file, f)) { exitCode = kExitFailure; return; }
        printInfo(*file, f);
    });

    auto* dump = app.add_subcommand("dump", "The whole channel file as JSON on stdout");
    dump->add_option("FILE", *file, "channel file (- for standard input)")->required();
    dump->callback([file, &exitCode] {
        Loaded f;
        if (!load(*file, f)) { exitCode = kExitFailure; return; }
        std::cout << toJson(f.db).dump(2) << "\n";
    });

    auto* check = app.add_subcommand("check", "Exit 0 when lengths, checksum, CRC and every index are right; else list the findings and exit 1");
    check->add_option("FILE", *file, "channel file (- for standard input)")->required();
    check->callback([file, &exitCode] {
        Loaded f;
        if (!load(*file, f)) { exitCode = kExitFailure; return; }
        const auto found = fileFindings(f.db, f.bytes, f.parsedSize);
        for (const auto& line : found) std::cout << *file << ": " << line << "\n";
        const std::span<const std::uint8_t> tail(f.bytes.data() + f.parsedSize, f.bytes.size() - f.parsedSize);
        if (isTransferPadding(tail))
            std::cout << *file << ": note: " << tail.size()
                      << " bytes of 0xFF padding follow the CRC trailer, as a transfer leaves them; a save drops them\n";
        exitCode = found.empty() ? 0 : kExitFindings;
    });

    auto* resave = app.add_subcommand("resave", "Open and save at once, as the editor does: recomputes lengths, checksum and CRC");
    resave->add_option("FILE", *file, "channel file (- reads standard input, needs -o)")->required();
    resave->add_option("-o,--output", *out, "write here instead of over FILE (- for standard output)")->check(fileName());
    auto noBackup = std::make_shared<bool>(false);
    resave->add_flag("--no-backup", *noBackup, "without -o: do not keep FILE as FILE.bak before writing over it");
    resave->callback([file, out, noBackup, &exitCode] {
        FileEdit edit(*file, *out, *noBackup);
        ChannelDatabase db;
        exitCode = edit.load(db) ? edit.save(db, "") : kExitFailure;
    });

    auto opts = std::make_shared<SampleOptions>();
    auto seed = std::make_shared<std::uint64_t>(1);
    auto max = std::make_shared<bool>(false);
    auto* sample = app.add_subcommand("sample", "Write a valid, realistic demo channel file");
    sample->add_option("-o,--output", *out, "file to write (- for standard output)")->required()->check(fileName());
    const std::pair<const char*, unsigned*> counts[] = {{"--satellites", &opts->satellites},
                                                        {"--transponders", &opts->transponders},
                                                        {"--tv", &opts->tv},
                                                        {"--radio", &opts->radio},
                                                        {"--groups", &opts->groups},
                                                        {"--extra", &opts->extraBytes}};
    const std::size_t limits[] = {kMaxSatellitesInFile, kTransponderCapacity, kChannelCapacity,
                                  kChannelCapacity,     kGroupCapacity,       kExtraCapacity};
    const char* helps[] = {"number of satellites", "number of transponders", "number of TV channels",
                           "number of radio channels", "number of favourite groups",
                           "bytes of the extra block (0: none)"};
    for (std::size_t i = 0; i < std::size(counts); ++i)
        sample->add_option(counts[i].first, *counts[i].second, std::string(helps[i]) + ", at most " + std::to_string(limits[i]))
            ->capture_default_str()
            ->transform(wholeNumber(0, limits[i]));
    sample->add_option("--seed", *seed, "seed of the generator")
        ->capture_default_str()
        ->transform(wholeNumber(0, UINT64_MAX));
    sample->add_flag("--max", *max, "fill every table to its capacity");
    sample->callback([sample, opts, seed, max, out, &exitCode] {
        const char* problem = nullptr;
        const bool anyCount = sample->count("--satellites") + sample->count("--transponders") + sample->count("--tv") +
                                  sample->count("--radio") + sample->count("--groups") + sample->count("--extra") >
                              0;
        if (*max && anyCount)
            problem = "--max fills every table; it cannot be combined with counts";
        else if (!*max && opts->transponders > 0 && opts->satellites == 0)
            problem = "transponders need a satellite: --satellites must be at least 1";
        else if (!*max && (opts->tv > 0 || opts->radio > 0) && opts->transponders == 0)
            problem = "channels need a transponder: --transponders must be at least 1";
        if (problem) {
            std::cerr << "velmora: " << problem << "\n";
            exitCode = kExitFailure;
            return;
        }
        SampleOptions o = *max ? SampleOptions::capacity() : *opts;
        o.seed = *seed;
        const ChannelDatabase db = makeSampleDatabase(o);
        const std::vector<std::uint8_t> bytes = serializeUnchanged(db);
        if (!writeOutput(*out, bytes)) exitCode = kExitFailure;
    });
}

}  // namespace velmora::cli
