#include "csv_text.h"

#include <algorithm>
#include <array>

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
    Reader(std::string_view text, char separator) : text_(text), sep_(separator) {}

    bool atEnd() const { return at_ >= text_.size(); }
    int line() const { return line_; }
    void setWanted(std::vector<char> wanted) { wanted_ = std::move(wanted); }

    // One record into `cells`; false with `error` set when it is malformed.
    // The strings of `cells` are reused from row to row: a wide table would
    // otherwise allocate every cell of every row anew.
    // Cells outside `wanted` (once set) are read but left empty; `lastText`
    // is the index of the last cell holding text, -1 for none.
    bool record(std::vector<std::string>& cells, int& lastText, std::string& error) {
        std::size_t n = 0;
        lastText = -1;
        for (;;) {
            skipBlanks();
            if (n == cells.size()) cells.emplace_back();
            std::string& cell = cells[n++];
            cell.clear();
            const bool keep = wanted_.empty() || (n <= wanted_.size() && wanted_[n - 1]);
            bool text = false;
            if (peek() == '"') {
                const std::size_t start = at_;
                if (!quotedCell(cell, keep, error)) return false;
                text = at_ - start > 2 || !cell.empty();
            } else {
                const std::size_t start = at_;
                while (!atEnd() && text_[at_] != sep_ && !isLineEnd(text_[at_])) ++at_;
                std::string_view raw = text_.substr(start, at_ - start);
                while (!raw.empty() && isBlank(raw.back())) raw.remove_suffix(1);
                text = !raw.empty();
                if (keep) cell = raw;
            }
            if (text) lastText = static_cast<int>(n - 1);
            if (peek() == sep_ && !atEnd()) {
                ++at_;
                continue;
            }
            cells.resize(n);
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

    bool quotedCell(std::string& cell, bool keep, std::string& error) {
        const int opened = line_;
        ++at_;
        for (;;) {
            if (atEnd()) {
                line_ = opened;
                error = "a quoted cell is not closed";
                return false;
            }
            const char c = text_[at_++];
            if (c == '"') {
                if (peek() != '"' || atEnd()) break;
                ++at_;
            } else if (c == '\n' || (c == '\r' && peek() != '\n')) {
                ++line_;
            }
            if (keep) cell += c;
        }
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
    std::vector<char> wanted_;  // empty: every cell
};

}  // namespace

CsvResult readCsv(std::string_view text, CsvTable& table, const ColumnPick& pick) {
    table = CsvTable{};
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    table.separator = detectSeparator(text);
    Reader reader(text, table.separator);
    std::vector<std::string> cells;
    std::vector<int> picked;
    bool haveHeader = false;
    while (!reader.atEnd()) {
        const int line = reader.line();
        std::string error;
        int lastText = -1;
        if (!reader.record(cells, lastText, error))
            return {false, reader.line(), "line " + std::to_string(reader.line()) + ": " + error};
        if (lastText < 0) continue;  // a row of empty cells
        if (!haveHeader) {
            table.header = cells;
            haveHeader = true;
            if (pick) {
                picked = pick(table.header);
                std::vector<char> wanted(table.header.size(), 0);
                for (int c : picked) wanted[static_cast<std::size_t>(c)] = 1;
                reader.setWanted(std::move(wanted));
            }
            continue;
        }
        // Spreadsheets pad rows with empty cells; only text beyond the header is refused.
        if (static_cast<std::size_t>(lastText) >= table.header.size())
            return {false, line, "line " + std::to_string(line) + ": " + std::to_string(cells.size()) +
                                     " cells, but the header has " + std::to_string(table.header.size())};
        cells.resize(table.header.size());
        CsvRow row{line, {}};
        if (pick) {
            row.cells.reserve(picked.size());
            for (int c : picked) row.cells.push_back(cells[static_cast<std::size_t>(c)]);
        } else {
            row.cells = cells;
        }
        table.rows.push_back(std::move(row));
    }
    return {true, 0, {}};
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
