// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <span>
#include <optional>
#include <unordered_set>

#include "codes.h"
#include "csv_text.h"
#include "list_match.h"
#include "printable.h"

namespace velmora {
namespace {

enum Column {
    kKind, kNumber, kName, kFrequency, kPolarisation, kSymbolRate, kFec, kSatellite, kLongitude, kServiceId,
    kNetworkId, kTransponderId, kVideoPid, kAudioPid, kPmtPid, kPcrPid, kScrambled, kLocked, kColumnCount
};
constexpr std::array<const char*, kColumnCount> kHeaders{
    "Kind", "Number", "Name", "Frequency", "Polarisation", "Symbol Rate", "FEC", "Satellite", "Longitude",
    "Service ID", "Network ID", "Transponder ID", "Video PID", "Audio PID", "PMT PID", "PCR PID", "Scrambled",
    "Locked"};

void appendHex4(std::string& out, unsigned v) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const char text[4] = {kDigits[v >> 12 & 15], kDigits[v >> 8 & 15], kDigits[v >> 4 & 15], kDigits[v & 15]};
    out.append(text, 4);
}

void appendDecimal(std::string& out, unsigned v) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    out.append(buf, end);
}

// The channel's number, at least four digits: "0007".
void appendNumber4(std::string& out, std::size_t index) {
    const unsigned v = static_cast<unsigned>(index + 1);
    if (v >= 10000) return appendDecimal(out, v);
    const char text[4] = {static_cast<char>('0' + v / 1000), static_cast<char>('0' + v / 100 % 10),
                          static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
    out.append(text, 4);
}

// A fixed-size Latin-1 field (up to its first NUL) as UTF-8.
void appendUtf8(std::string& out, std::span<const std::uint8_t> field) {
    for (const std::uint8_t c : field) {
        if (c == 0) break;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

// Each channel's places in the groups, channel by channel: (group, 1-based
// place) pairs in group order, so that a row costs only the groups it is in.
struct GroupPlaces {
    std::vector<std::uint32_t> first;  // per channel, into `entries`; one more at the end
    std::vector<std::pair<std::uint16_t, std::uint16_t>> entries;
};

GroupPlaces groupPlaces(const ChannelDatabase& db, ChannelKind kind) {
    const std::size_t groups = std::min<std::size_t>(db.groupCount(), kGroupCapacity);
    const std::size_t n = db.channelCount(kind);
    const auto& list = db.members(kind);
    GroupPlaces out;
    out.first.assign(n + 1, 0);
    std::vector<std::pair<std::size_t, std::size_t>> spans(groups);  // start and count in `list`
    for (std::size_t g = 0, at = 0; g < groups; ++g) {
        const std::size_t count = std::min<std::size_t>(db.memberCounts(kind)[g], list.size() - std::min(at, list.size()));
        spans[g] = {at, count};
        for (std::size_t j = 0; j < count; ++j)
            if (list[at + j] < n) ++out.first[list[at + j] + 1];
        at += db.memberCounts(kind)[g];
    }
    for (std::size_t i = 0; i < n; ++i) out.first[i + 1] += out.first[i];
    out.entries.resize(out.first[n]);
    std::vector<std::uint32_t> fill(out.first.begin(), out.first.end() - 1);
    for (std::size_t g = 0; g < groups; ++g)
        for (std::size_t j = 0; j < spans[g].second; ++j) {
            const std::uint16_t ch = list[spans[g].first + j];
            if (ch < n) out.entries[fill[ch]++] = {static_cast<std::uint16_t>(g), static_cast<std::uint16_t>(j + 1)};
        }
    return out;
}

// The cells a channel takes from its transponder and satellite, as row text:
// Frequency to Longitude, and Network ID with Transponder ID. Many channels
// share a transponder, so each is formatted once.
struct TransponderCells {
    std::string tuning, ids;
    bool made = false;
};

const TransponderCells& transponderCells(const ChannelDatabase& db, const TransponderEntry& tp, char separator,
                                         std::vector<TransponderCells>& cache) {
    TransponderCells& c = cache[static_cast<std::size_t>(&tp - db.transponders.data())];
    if (c.made) return c;
    c.made = true;
    std::string cell;
    appendDecimal(c.tuning, tp.frequency);
    c.tuning += separator;
    appendCsvCell(c.tuning, polarizationText(tp.polarization));
    c.tuning += separator;
    appendDecimal(c.tuning, tp.symbolRate);
    c.tuning += separator;
    appendCsvCell(c.tuning, fecText(tp.fec));
    c.tuning += separator;
    if (const SatelliteEntry* sat = db.satelliteOf(tp)) {
        appendUtf8(cell, sat->name);
        appendCsvCell(c.tuning, cell);
        c.tuning += separator;
        appendCsvCell(c.tuning, longitudeText(sat->longitude));
    } else {
        c.tuning += separator;
    }
    appendHex4(c.ids, tp.networkId);
    c.ids += separator;
    appendHex4(c.ids, tp.transponderId);
    return c;
}

// Straight into `out`: a capacity list is millions of cells, mostly empty
// group cells, so no cell is made as a string of its own.
void exportKind(const ChannelDatabase& db, ChannelKind kind, char separator, std::string& out) {
    const std::size_t groups = std::min<std::size_t>(db.groupCount(), kGroupCapacity);
    const GroupPlaces places = groupPlaces(db, kind);
    std::vector<TransponderCells> cache(db.transponders.size());
    const TransponderCells none{std::string(5, separator), std::string(1, separator), true};
    std::string name;
    const auto yesNo = [&out](bool v) { out.append(v ? "Yes" : "No", v ? 3 : 2); };
    for (std::size_t i = 0; i < db.channelCount(kind); ++i) {
        const ChannelEntry& ch = db.channels(kind)[i];
        out += kind == ChannelKind::Tv ? "TV" : "Radio";
        out += separator;
        appendNumber4(out, i);
        out += separator;
        name.clear();
        appendUtf8(name, ch.name);
        appendCsvCell(out, name);
        out += separator;
        // A damaged file may refer past its tables: those cells stay empty.
        const TransponderEntry* tp = db.transponderOf(ch);
        const TransponderCells& tpCells = tp ? transponderCells(db, *tp, separator, cache) : none;
        out += tpCells.tuning;
        out += separator;
        appendHex4(out, ch.serviceId);
        out += separator;
        out += tpCells.ids;
        for (const unsigned pid : {unsigned{ch.videoPid}, unsigned{ch.audioPid}, unsigned{ch.pmtPid}, unsigned{ch.pcrPid}}) {
            out += separator;
            appendHex4(out, pid);
        }
        out += separator;
        yesNo(ch.scrambled);
        out += separator;
        yesNo(ch.locked);
        // One cell per group, "3", or "3 9" for a channel the group lists
        // twice; the places come in group order.
        std::size_t opened = 0;  // group cells begun
        for (std::uint32_t e = places.first[i]; e < places.first[i + 1]; ++e) {
            const std::size_t g = places.entries[e].first;
            if (g >= opened) {
                out.append(g + 1 - opened, separator);
                opened = g + 1;
            } else {
                out += ' ';
            }
            appendDecimal(out, places.entries[e].second);
        }
        out.append(groups - opened, separator);
        out += "\r\n";
    }
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Whether `s` is `lowerWord` in any case.
bool sameLetters(std::string_view s, std::string_view lowerWord) {
    if (s.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i] >= 'A' && s[i] <= 'Z' ? static_cast<char>(s[i] - 'A' + 'a') : s[i];
        if (c != lowerWord[i]) return false;
    }
    return true;
}

// Strict number cells: what the export writes, nothing read in another base.
std::optional<unsigned> decimalCell(std::string_view s) {
    if (s.empty() || s.size() > 5) return std::nullopt;
    unsigned v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    return v <= 0xFFFF ? std::optional<unsigned>(v) : std::nullopt;
}

std::optional<unsigned> hexCell(std::string_view s) {
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.remove_prefix(2);
    if (s.empty() || s.size() > 4) return std::nullopt;
    unsigned v = 0;
    for (char c : s) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0) return std::nullopt;
        v = v * 16 + static_cast<unsigned>(d);
    }
    return v;
}

std::optional<unsigned> polarisationCell(std::string_view s) {
    const std::string l = lower(s);
    if (l == "h" || l == "horizontal" || l == "0") return 0;
    if (l == "v" || l == "vertical" || l == "1") return 1;
    return std::nullopt;
}

// "019.2E", "30W", "030.0w": tenths of a degree east, 0..3599.
std::optional<unsigned> longitudeCell(std::string_view s) {
    if (s.empty()) return std::nullopt;
    bool west = false;
    const char last = s.back();
    if (last == 'E' || last == 'e' || last == 'W' || last == 'w') {
        west = last == 'W' || last == 'w';
        s.remove_suffix(1);
    }
    const std::size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    const std::string_view tenth = dot == std::string_view::npos ? std::string_view("0") : s.substr(dot + 1);
    const auto w = decimalCell(whole), t = decimalCell(tenth);
    if (!w || !t || tenth.size() != 1) return std::nullopt;
    const unsigned v = *w * 10 + *t;
    if (v > 1800) return std::nullopt;
    return west ? (3600 - v) % 3600 : v % 3600;
}

struct Layout {
    std::array<int, kColumnCount> at;  // column of each known header, -1 when absent
    std::vector<int> groupColumn;       // per group of the file
};

Layout layoutOf(const CsvTable& table, const ChannelDatabase& db) {
    Layout layout;
    layout.at.fill(-1);
    std::vector<char> known(table.header.size(), 0);
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        const std::string h = lower(table.header[c]);
        for (std::size_t k = 0; k < kColumnCount; ++k) {
            // The lists call the name "Channel Name": rows copied from them work too.
            const bool match = h == lower(kHeaders[k]) || (k == kName && h == "channel name");
            if (match && layout.at[k] < 0) {
                layout.at[k] = static_cast<int>(c);
                known[c] = 1;
            }
        }
    }
    // A group named like a fixed column takes the later one of the two.
    const std::size_t groups = std::min<std::size_t>(db.groupCount(), kGroupCapacity);
    layout.groupColumn.assign(groups, -1);
    std::vector<char> taken(table.header.size(), 0);
    for (std::size_t g = 0; g < groups; ++g) {
        const std::string name = latin1ToUtf8(fieldText(db.groupNames[g]));
        for (std::size_t c = 0; c < table.header.size(); ++c)
            if (!known[c] && !taken[c] && table.header[c] == name) {
                layout.groupColumn[g] = static_cast<int>(c);
                taken[c] = 1;
                break;
            }
    }
    return layout;
}

// The columns a row is matched and named by; the groups' are read apart.
constexpr std::array<Column, 6> kMatchColumns{kKind, kName, kServiceId, kFrequency, kPolarisation, kLongitude};

constexpr std::size_t matchSlot(Column c) {
    for (std::size_t k = 0; k < kMatchColumns.size(); ++k)
        if (kMatchColumns[k] == c) return k;
    return kMatchColumns.size();
}

struct Row {
    int line = 0;
    std::array<std::string_view, kMatchColumns.size()> cells;  // views into the list
    std::string_view cell(Column c) const { return cells[matchSlot(c)]; }
    std::string name;  // Latin-1
    bool nameOk = false;
    std::string nameProblem;
};

const char* kindWord(ChannelKind k) { return k == ChannelKind::Tv ? "TV" : "Radio"; }

std::string rowLabel(ChannelKind kind, const std::string& utf8Name) {
    return std::string(kindWord(kind)) + " row " + quoted(utf8Name, false);
}

}  // namespace

bool isChannelFileImage(std::string_view bytes) {
    return bytes.size() >= 4 && static_cast<unsigned char>(bytes[0]) == 0x55 && static_cast<unsigned char>(bytes[1]) == 0xAA &&
           static_cast<unsigned char>(bytes[2]) == 0x55 && static_cast<unsigned char>(bytes[3]) == 0xAA;
}

std::string exportListCsv(const ChannelDatabase& db, ListChoice lists, char separator) {
    std::vector<std::string> header(kHeaders.begin(), kHeaders.end());
    const std::size_t groups = db.tablesAllocated() ? std::min<std::size_t>(db.groupCount(), kGroupCapacity) : 0;
    for (std::size_t g = 0; g < groups; ++g) header.push_back(latin1ToUtf8(fieldText(db.groupNames[g])));
    std::string out;
    if (db.tablesAllocated()) out.reserve((std::size_t{db.tvCount} + db.radioCount) * (160 + 2 * groups));
    appendCsvRow(out, header, separator);
    if (!db.tablesAllocated()) return out;
    if (lists != ListChoice::Radio) exportKind(db, ChannelKind::Tv, separator, out);
    if (lists != ListChoice::Tv) exportKind(db, ChannelKind::Radio, separator, out);
    return out;
}

bool planCsvOrder(const ChannelDatabase& db, std::string_view csv, const CsvOrderOptions& options, CsvOrder& order,
                  std::string& error) {
    order = CsvOrder{};
    // Only the cells that hold text, of the columns the order, names and
    // groups need, are kept: a capacity list has 2.5 million group cells,
    // nearly all empty.
    CsvCellTable table;
    Layout layout;
    const bool wantGroups = options.withFavorites || options.groupsWhenNamed;
    const CsvResult read = readCsvCells(csv, table, [&](const std::vector<std::string>& header) {
        CsvTable head;
        head.header = header;
        layout = layoutOf(head, db);
        std::vector<int> keep;
        for (Column c : kMatchColumns)
            if (layout.at[c] >= 0) keep.push_back(layout.at[c]);
        if (wantGroups)
            for (int c : layout.groupColumn)
                if (c >= 0) keep.push_back(c);
        return keep;
    });
    if (!read.ok) {
        error = read.error;
        return false;
    }
    if (table.header.empty()) {
        CsvTable head;
        layout = layoutOf(head, db);
    }
    if (layout.at[kName] < 0 && layout.at[kServiceId] < 0) {
        error = "line 1: no Name or Service ID column";
        return false;
    }
    const bool groupColumns = std::any_of(layout.groupColumn.begin(), layout.groupColumn.end(), [](int c) { return c >= 0; });
    const bool takeGroups = options.withFavorites || (options.groupsWhenNamed && groupColumns);
    if (options.withFavorites && !groupColumns) {
        error = "line 1: no column is named after a favourite group of the file";
        return false;
    }
    // Per header column: its place among the match columns, and its group.
    std::vector<std::uint8_t> slotOf(table.header.size(), kMatchColumns.size());
    for (std::size_t k = 0; k < kMatchColumns.size(); ++k)
        if (layout.at[kMatchColumns[k]] >= 0) slotOf[static_cast<std::size_t>(layout.at[kMatchColumns[k]])] = static_cast<std::uint8_t>(k);
    std::vector<int> groupOf(table.header.size(), -1);
    for (std::size_t g = 0; g < layout.groupColumn.size(); ++g)
        if (layout.groupColumn[g] >= 0) groupOf[static_cast<std::size_t>(layout.groupColumn[g])] = static_cast<int>(g);

    unsigned parts = 0;
    if (layout.at[kServiceId] >= 0) {
        parts = kIdService;
        if (layout.at[kFrequency] >= 0) parts |= kIdFrequency;
        if (layout.at[kPolarisation] >= 0) parts |= kIdPolarization;
        if (layout.at[kLongitude] >= 0) parts |= kIdLongitude;
    }

    // Rows split by kind, each kind's rows keyed as list_match wants them;
    // the group cells of each kind's rows by group, in row order.
    std::array<std::vector<Row>, 2> rows;
    std::array<RowKeys, 2> keys;
    for (RowKeys& k : keys) k.parts = parts;
    struct GroupCell {
        std::uint32_t row;  // in rows[k]
        std::string_view text;
    };
    std::array<std::vector<std::vector<GroupCell>>, 2> groupCells;
    for (auto& g : groupCells) g.resize(takeGroups ? layout.groupColumn.size() : 0);
    for (std::size_t k = 0; k < 2; ++k) {
        rows[k].reserve(table.rowCount());
        keys[k].ids.reserve(table.rowCount());
        keys[k].names.reserve(table.rowCount());
    }
    for (std::size_t r = 0; r < table.rowCount(); ++r) {
        Row row;
        row.line = table.lines[r];
        for (const CsvCell& c : table.row(r))
            if (slotOf[c.column] < kMatchColumns.size()) row.cells[slotOf[c.column]] = c.text;
        ChannelKind kind = options.radioDefault ? ChannelKind::Radio : ChannelKind::Tv;
        const std::string_view kindCell = row.cell(kKind);
        if (sameLetters(kindCell, "tv")) kind = ChannelKind::Tv;
        else if (sameLetters(kindCell, "radio")) kind = ChannelKind::Radio;
        else if (!kindCell.empty()) {
            order.notes.push_back({row.line, "row " + quoted(std::string(row.cell(kName)), false) +
                                                 " matched nothing: its Kind " + quoted(std::string(kindCell), false) +
                                                 " is neither TV nor Radio"});
            continue;
        }
        const std::size_t k = kind == ChannelKind::Tv ? 0 : 1;
        if (takeGroups)
            for (const CsvCell& c : table.row(r))
                if (groupOf[c.column] >= 0)
                    groupCells[k][static_cast<std::size_t>(groupOf[c.column])].push_back({static_cast<std::uint32_t>(rows[k].size()), c.text});
        std::string latin1;
        const std::string_view utf8 = row.cell(kName);
        if (layout.at[kName] < 0) {
            row.nameProblem = "the list has no Name column";
        } else if (!utf8ToLatin1(utf8, latin1)) {
            row.nameProblem = "the name is not Latin-1";
        } else if (latin1.size() > kChannelNameSize - 1) {
            row.nameProblem = "the name is longer than " + std::to_string(kChannelNameSize - 1) + " characters";
        } else if (std::any_of(latin1.begin(), latin1.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
            row.nameProblem = "the name holds a control character";
        } else {
            row.nameOk = true;
            row.name = std::move(latin1);
        }
        std::uint64_t id = 0;
        bool hasIds = parts != 0;
        if (hasIds) {
            const auto sid = hexCell(row.cell(kServiceId));
            const auto freq = (parts & kIdFrequency) ? decimalCell(row.cell(kFrequency)) : std::optional<unsigned>(0);
            const auto pol = (parts & kIdPolarization) ? polarisationCell(row.cell(kPolarisation)) : std::optional<unsigned>(0);
            const auto lon = (parts & kIdLongitude) ? longitudeCell(row.cell(kLongitude)) : std::optional<unsigned>(0);
            hasIds = sid && freq && pol && lon;
            if (hasIds) id = rowIdKey(parts, *sid, *freq, *pol, *lon);
        }
        keys[k].ids.push_back(id);
        keys[k].hasIds.push_back(hasIds);
        keys[k].names.push_back(row.name);
        keys[k].hasName.push_back(row.nameOk);
        rows[k].push_back(std::move(row));
    }

    const ChannelMatching tv = matchRows(db, ChannelKind::Tv, keys[0]);
    const ChannelMatching radio = matchRows(db, ChannelKind::Radio, keys[1]);
    order.plan = planReorder(db, tv, radio);

    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const std::size_t k = kind == ChannelKind::Tv ? 0 : 1;
        const ChannelMatching& m = k == 0 ? tv : radio;
        const std::vector<int>& newOrder = k == 0 ? order.plan.tvOrder : order.plan.radioOrder;
        // Why a row matched nothing: no channel has its keys at all, or the
        // ones that do were taken by earlier rows. Gathered at the first such row.
        std::unordered_set<std::uint64_t> fileIds;
        std::unordered_set<std::string_view> fileNames;
        bool gathered = false;
        const auto gather = [&] {
            if (gathered) return;
            gathered = true;
            for (std::size_t i = 0; i < db.channelCount(kind); ++i) {
                std::uint64_t key = 0;
                if (parts != 0 && channelRowKey(db, db.channels(kind)[i], parts, key)) fileIds.insert(key);
                fileNames.insert(storedName(db.channels(kind)[i]));
            }
        };
        int matched = 0;  // matched rows come first in the new order, in row order
        for (std::size_t r = 0; r < rows[k].size(); ++r) {
            const Row& row = rows[k][r];
            const std::string utf8Name(row.cell(kName));
            if (m.bToA[r] < 0) {
                gather();
                std::string why;
                const bool known = (keys[k].hasIds[r] && fileIds.count(keys[k].ids[r])) ||
                                   (row.nameOk && fileNames.count(row.name));
                if (known) why = "its channel already matched an earlier row";
                else if (!keys[k].hasIds[r] && !row.nameOk)
                    why = parts != 0 ? "its ids are incomplete and " + row.nameProblem : row.nameProblem;
                else
                    why = std::string("no ") + kindWord(kind) + " channel has its " +
                          (keys[k].hasIds[r] && row.nameOk ? "ids or its name" : keys[k].hasIds[r] ? "ids" : "name");
                order.notes.push_back({row.line, rowLabel(kind, utf8Name) + " matched nothing: " + why});
                continue;
            }
            const int index = matched++;
            if (!options.names) continue;
            const ChannelEntry& now = db.channels(kind)[static_cast<std::size_t>(newOrder[static_cast<std::size_t>(index)])];
            if (!row.nameOk) {
                order.notes.push_back({row.line, rowLabel(kind, utf8Name) + ": name not taken, " + row.nameProblem});
                continue;
            }
            if (storedName(now) == row.name) continue;
            ChannelEntry after = now;
            setFieldText(after.name, row.name);
            order.renames.push_back({kind, static_cast<std::uint16_t>(index), now, after});
        }
    }

    if (takeGroups) {
        // The file keeps its groups; a group named by a column takes its
        // members of each kind the list has rows of, ordered by the cells.
        ReorderPlan& plan = order.plan;
        plan.withFavorites = true;
        const std::size_t groups = layout.groupColumn.size();
        plan.groupNames.assign(db.groupNames.begin(), db.groupNames.begin() + static_cast<std::ptrdiff_t>(groups));
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            const std::size_t k = kind == ChannelKind::Tv ? 0 : 1;
            const ChannelMatching& m = k == 0 ? tv : radio;
            const std::vector<int>& newOrder = k == 0 ? plan.tvOrder : plan.radioOrder;
            std::vector<int> newIndex(newOrder.size(), -1);
            for (std::size_t p = 0; p < newOrder.size(); ++p) newIndex[static_cast<std::size_t>(newOrder[p])] = static_cast<int>(p);
            std::vector<int> newRow(rows[k].size(), -1);  // matched rows come first, in row order
            for (std::size_t r = 0, matched = 0; r < rows[k].size(); ++r)
                if (m.bToA[r] >= 0) newRow[r] = static_cast<int>(matched++);
            auto& members = k == 0 ? plan.tvMembers : plan.radioMembers;
            members.assign(groups, {});
            const auto& list = db.members(kind);
            std::size_t at = 0;
            for (std::size_t g = 0; g < groups; ++g) {
                const std::size_t count = db.memberCounts(kind)[g];
                if (layout.groupColumn[g] < 0 || rows[k].empty()) {
                    for (std::size_t j = 0; j < count && at + j < list.size(); ++j)
                        if (list[at + j] < newIndex.size())
                            members[g].push_back(static_cast<std::uint16_t>(newIndex[list[at + j]]));
                    at += count;
                    continue;
                }
                at += count;
                std::vector<std::pair<unsigned, int>> placed;  // cell, new index
                for (const GroupCell& gc : groupCells[k][g]) {
                    const int index = newRow[gc.row];
                    const std::string_view text = gc.text;
                    std::vector<unsigned> cellPlaces;
                    bool valid = true;
                    for (std::size_t p = 0; p < text.size();) {
                        const std::size_t end = std::min(text.find(' ', p), text.size());
                        const auto place = decimalCell(text.substr(p, end - p));
                        if (end > p) {
                            valid = valid && place && *place > 0;
                            if (place) cellPlaces.push_back(*place);
                        }
                        p = end + 1;
                    }
                    if (!valid) {
                        order.notes.push_back({rows[k][gc.row].line, "group " + quoted(table.header[static_cast<std::size_t>(layout.groupColumn[g])], false) +
                                                                         ": " + quoted(std::string(text), false) + " is not a place in the group; cell ignored"});
                        continue;
                    }
                    if (index >= 0)
                        for (unsigned place : cellPlaces) placed.emplace_back(place, index);
                }
                std::stable_sort(placed.begin(), placed.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
                for (const auto& p : placed) members[g].push_back(static_cast<std::uint16_t>(p.second));
                if (k == 0 || rows[0].empty())
                    order.groupsTaken.push_back(table.header[static_cast<std::size_t>(layout.groupColumn[g])]);
            }
        }
    }
    std::stable_sort(order.notes.begin(), order.notes.end(), [](const CsvRowNote& a, const CsvRowNote& b) { return a.line < b.line; });
    return true;
}

EditStatus applyCsvOrder(ChannelDatabase& db, const CsvOrder& order, EditStep* step) {
    const EditStatus s = applyReorder(db, order.plan, step);
    if (s != EditStatus::Done) return s;
    for (const ChannelReplaced& r : order.renames) {
        db.channels(r.kind)[r.index] = r.after;
        if (step) step->changes.emplace_back(r);
    }
    if (!order.renames.empty() && db.hasWorkingTables()) db.syncWorkingTables();
    return EditStatus::Done;
}

std::string csvOrderReportText(const CsvOrder& order, bool verbose) {
    std::string out = reorderReportText(order.plan.report, verbose);
    for (const CsvRowNote& n : order.notes) out += "line " + std::to_string(n.line) + ": " + n.text + "\n";
    if (!order.renames.empty()) out += "Names taken from the list: " + std::to_string(order.renames.size()) + "\n";
    if (!order.groupsTaken.empty()) {
        out += "Favourite groups taken from the list:";
        for (const std::string& g : order.groupsTaken) out += " " + quoted(g, false);
        out += "\n";
    }
    return out;
}

}  // namespace velmora
