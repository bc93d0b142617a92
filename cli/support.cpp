// SPDX-License-Identifier: GPL-3.0-or-later
#include "support.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "channel_reader.h"

namespace velmora::cli {
namespace {
constexpr int kExitFailure = 2;
bool fileWritten = false;
}

bool loadForCommand(const std::string& path, ChannelDatabase& db, std::vector<std::uint8_t>* bytes,
                    std::size_t* parsedSize) {
    const LoadResult r = loadChannelFile(path == "-" ? "/dev/stdin" : path, db, ReadOptions{.workingTables = false}, bytes);
    if (!r.ok()) {
        for (std::string m : r.messages) {
            if (r.status == LoadStatus::CannotOpen)
                m[0] = 'c';  // "cannot open PATH: reason", as the other messages say it
            else
                m = (path == "-" ? std::string("standard input") : path) + ": " + m;
            std::cerr << "velmora: " << m << "\n";
        }
        return false;
    }
    if (parsedSize) *parsedSize = r.consumed;
    return true;
}

CLI::Validator fileName() {
    return CLI::Validator([](std::string& text) { return text.empty() ? std::string("must name a file") : ""; }, "");
}

CLI::Validator positiveSeconds() {
    return CLI::Validator(
        [](std::string& text) {
            char* end = nullptr;
            errno = 0;
            const double v = std::strtod(text.c_str(), &end);
            if (text.empty() || *end != '\0' || std::isnan(v) || !(v > 0))
                return std::string("must be a positive number of seconds");
            return std::string();
        },
        "");
}

std::chrono::milliseconds millis(double seconds) {
    const double ms = seconds * 1000.0 + 0.5;
    // The transfer runner holds a limit this long at the end of its clock.
    if (!(ms < 9.0e18)) return std::chrono::milliseconds::max();
    return std::chrono::milliseconds(static_cast<long long>(ms));
}

void guardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free number is `fd` itself.
        const int got = ::open("/dev/null", (fd == 0 ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
        if (got >= 0 && got != fd) ::close(got);
    }
}

void preferLargePages() {
    // Everything from the heap (no separate mapping per table), kept after
    // free so the second file of diff and reorder reuses the first one's
    // pages, and the heap grown once by a margin that holds a capacity file.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const auto top = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    const std::uintptr_t from = (top + kLargePage - 1) & ~(kLargePage - 1);
    // Only whole aligned large pages can be large: a block that is never
    // used (nor touched past its first page) fills the heap up to the first
    // boundary, so the tables come after it.
    [[maybe_unused]] static void* volatile padding = nullptr;
    if (from > top) padding = std::malloc(from - top);
    const auto end = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    if (end > from) ::madvise(reinterpret_cast<void*>(from), end - from, MADV_HUGEPAGE);
}

int refuseUnknownCommand(CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return 0;
    const std::string name = argv[1];
    std::string list;
    for (const CLI::App* sub : app.get_subcommands({})) {
        if (sub->get_name() == name) return 0;
        list += (list.empty() ? "" : ", ") + sub->get_name();
    }
    std::cerr << "velmora: unknown command '" << printable(name, false) << "'\nCommands: " << list << "\n";
    return kExitFailure;
}

int reportParseError(CLI::App& app, const CLI::ParseError& e) {
    // --help and --version print to stdout and end well.
    if (e.get_exit_code() == 0) return finishStandardOutput(app.exit(e));
    std::string text = e.what();
    // "--baud: must be ..." reads better as "--baud must be ...".
    if (const auto at = text.find(": must "); at != std::string::npos) text.erase(at, 1);
    std::cerr << "velmora: " << text << "\nRun 'velmora --help' for the commands, 'velmora COMMAND --help' for "
              << "their options.\n";
    return kExitFailure;
}

void noteFileWritten() { fileWritten = true; }

int finishStandardOutput(int exitCode) {
    // errno still holds the reason of a write that failed earlier, when the
    // buffer was already dropped and this flush has nothing left to fail on.
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && !std::ferror(stdout) && std::cout.good()) return exitCode;
    const int err = errno;
    std::cerr << "velmora: cannot write to standard output" << (err ? std::string(": ") + std::strerror(err) : "")
              << (fileWritten ? "; the file was written all the same" : "") << "\n";
    // Exit 2 promises that nothing was changed: a script may retry on it.
    return fileWritten ? exitCode : kExitFailure;
}

}  // namespace velmora::cli
