// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velmora {
namespace {

bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// The separator is the one of comma, semicolon and tab that the header line
// uses most outside quotes; a header of one column is read as comma-separated.
char detectSeparator(std::string_view text) {
    std::array<int, 3> counts{};
    constexpr std::array<char, 3> kCandidates{',', ';', '\t'};
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (isLineEnd(c)) break;
        for (std::size_t k = 0; k < kCandidates.size(); ++k) counts[k] += c == kCandidates[k];
    }
    const auto best = std::max_element(counts.begin(), counts.end());  // the first of equals wins
    return *best > 0 ? kCandidates[static_cast<std::size_t>(best - counts.begin())] : ',';
}

class Reader {
public:
    Reader(std::string_view text, char separator) : text_(text), sep_(separator) {
        kind_['\r'] = kind_['\n'] = kStop;
        kind_[static_cast<unsigned char>(separator)] = kStop;
        for (const char blank : {' ', '\t'})
            if (blank != separator) kind_[static_cast<unsigned char>(blank)] = kBlank;
    }

    bool atEnd() const { return at_ >= text_.size(); }
    int line() const { return line_; }
    void setWanted(std::vector<char> wanted) { wanted_ = std::move(wanted); }

    // One record: its cells that hold text and are wanted (every cell until
    // `wanted` is set) are appended to `out`; `count` is the number of cells,
    // `lastText` the index of the last one holding text, -1 for none. False
    // with `error` set when the record is malformed.
    bool record(std::vector<CsvCell>& out, std::deque<std::string>& unquoted, std::size_t& count, int& lastText,
                std::string& error) {
        lastText = -1;
        const char* const begin = text_.data();
        const char* const end = begin + text_.size();
        const char* p = begin + at_;
        const char sep = sep_;
        std::uint64_t seps = 0;  // eight separators
        std::memset(&seps, static_cast<unsigned char>(sep), sizeof seps);
        for (std::uint32_t n = 0;; ++n) {
            // Most cells of a wide list are empty: a run of separators is
            // passed eight at a time, each closing one empty cell.
            const char* const run = p;
            for (std::uint64_t word = 0; end - p >= 8; p += 8) {
                std::memcpy(&word, p, sizeof word);
                if (word != seps) break;
            }
            while (p != end && *p == sep) ++p;
            n += static_cast<std::uint32_t>(p - run);
            while (p != end && kindOf(*p) == kBlank) ++p;
            std::string_view cell;
            if (p != end && *p == '"') {
                at_ = static_cast<std::size_t>(p - begin);
                if (!quotedCell(cell, unquoted, error)) return false;
                p = begin + at_;
            } else {
                const char* const start = p;
                while (p != end && kindOf(*p) != kStop) ++p;
                const char* last = p;
                while (last != start && kindOf(last[-1]) == kBlank) --last;
                cell = std::string_view(start, static_cast<std::size_t>(last - start));
            }
            if (!cell.empty()) {
                lastText = static_cast<int>(n);
                if (wanted_.empty() || (n < wanted_.size() && wanted_[n])) out.push_back({n, cell});
            }
            if (p != end && *p == sep) {
                ++p;
                continue;
            }
            count = n + 1;
            at_ = static_cast<std::size_t>(p - begin);
            endLine();
            return true;
        }
    }

private:
    char peek() const { return atEnd() ? '\0' : text_[at_]; }
    bool isBlank(char c) const { return (c == ' ' || c == '\t') && c != sep_; }
    void skipBlanks() {
        while (!atEnd() && isBlank(text_[at_])) ++at_;
    }
    void endLine() {
        if (peek() == '\r') ++at_;
        if (peek() == '\n' && !atEnd()) ++at_;
        ++line_;
    }

    // What stands between the quotes, a doubled quote read as one.
    bool quotedCell(std::string_view& cell, std::deque<std::string>& unquoted, std::string& error) {
        const int opened = line_;
        const std::size_t start = ++at_;
        std::string* copy = nullptr;  // once a doubled quote is met
        for (;;) {
            const std::size_t close = text_.find('"', at_);
            const std::size_t stop = close == std::string_view::npos ? text_.size() : close;
            for (std::size_t k = at_; k < stop; ++k)
                if (text_[k] == '\n' || (text_[k] == '\r' && (k + 1 >= text_.size() || text_[k + 1] != '\n'))) ++line_;
            if (copy) copy->append(text_.substr(at_, stop - at_));
            if (close == std::string_view::npos) {
                at_ = text_.size();
                line_ = opened;
                error = "a quoted cell is not closed";
                return false;
            }
            at_ = close + 1;
            if (peek() != '"' || atEnd()) break;
            if (!copy) copy = &unquoted.emplace_back(text_.substr(start, close - start));
            *copy += '"';
            ++at_;
        }
        cell = copy ? std::string_view(*copy) : text_.substr(start, at_ - 1 - start);
        skipBlanks();
        if (!atEnd() && text_[at_] != sep_ && !isLineEnd(text_[at_])) {
            error = "text after the closing quote of a cell";
            return false;
        }
        return true;
    }

    std::string_view text_;
    char sep_;
    std::size_t at_ = 0;
    int line_ = 1;
    enum : std::uint8_t { kText, kStop, kBlank };  // kStop ends a cell outside quotes
    std::uint8_t kindOf(char c) const { return kind_[static_cast<unsigned char>(c)]; }
    std::array<std::uint8_t, 256> kind_{};
    std::vector<char> wanted_;      // empty: every cell
};

}  // namespace

CsvResult readCsvCells(std::string_view text, CsvCellTable& table, const ColumnPick& pick) {
    table = CsvCellTable{};
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    table.separator = detectSeparator(text);
    Reader reader(text, table.separator);
    table.first.push_back(0);
    bool haveHeader = false;
    while (!reader.atEnd()) {
        const int line = reader.line();
        std::string error;
        std::size_t count = 0;
        int lastText = -1;
        if (!reader.record(table.cells, table.unquoted, count, lastText, error))
            return {false, reader.line(), "line " + std::to_string(reader.line()) + ": " + error};
        const std::size_t from = table.first.back();
        if (lastText < 0) continue;  // a row of empty cells
        if (!haveHeader) {
            table.header.assign(count, {});
            for (std::size_t c = from; c < table.cells.size(); ++c)
                table.header[table.cells[c].column] = table.cells[c].text;
            table.cells.resize(from);
            haveHeader = true;
            if (pick) {
                std::vector<char> wanted(table.header.size(), 0);
                for (int c : pick(table.header)) wanted[static_cast<std::size_t>(c)] = 1;
                reader.setWanted(std::move(wanted));
            }
            continue;
        }
        // Spreadsheets pad rows with empty cells; only text beyond the header is refused.
        if (static_cast<std::size_t>(lastText) >= table.header.size())
            return {false, line, "line " + std::to_string(line) + ": " + std::to_string(count) +
                                     " cells, but the header has " + std::to_string(table.header.size())};
        table.lines.push_back(line);
        table.first.push_back(static_cast<std::uint32_t>(table.cells.size()));
    }
    return {true, 0, {}};
}

CsvResult readCsv(std::string_view text, CsvTable& table, const ColumnPick& pick) {
    table = CsvTable{};
    CsvCellTable cells;
    std::vector<int> picked;
    const auto keep = [&](const std::vector<std::string>& header) {
        picked = pick(header);
        return picked;
    };
    const CsvResult r = pick ? readCsvCells(text, cells, keep) : readCsvCells(text, cells);
    table.separator = cells.separator;
    table.header = std::move(cells.header);
    if (!r.ok) return r;
    std::vector<std::string> all;
    for (std::size_t i = 0; i < cells.rowCount(); ++i) {
        all.assign(table.header.size(), {});
        for (const CsvCell& c : cells.row(i)) all[c.column] = c.text;
        CsvRow row{cells.lines[i], {}};
        if (pick) {
            row.cells.reserve(picked.size());
            for (int c : picked) row.cells.push_back(all[static_cast<std::size_t>(c)]);
        } else {
            row.cells = std::move(all);
        }
        table.rows.push_back(std::move(row));
    }
    return r;
}

void appendCsvCell(std::string& out, std::string_view c) {
    // Every separator the reader may guess is quoted, so that the header
    // always tells the same one; blanks at the ends and a leading byte
    // order mark would be lost otherwise.
    bool quote = !c.empty() && (c.front() == ' ' || c.back() == ' ' || c.substr(0, 3) == "\xEF\xBB\xBF");
    for (std::size_t k = 0; k < c.size() && !quote; ++k) {
        const char ch = c[k];
        quote = ch == ',' || ch == ';' || ch == '\t' || ch == '"' || ch == '\r' || ch == '\n';
    }
    if (!quote) {
        out += c;
        return;
    }
    out += '"';
    for (char ch : c) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

void appendCsvRow(std::string& out, const std::vector<std::string>& cells, char separator) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += separator;
        appendCsvCell(out, cells[i]);
    }
    out += "\r\n";
}

}  // namespace velmora
