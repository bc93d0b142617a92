// SPDX-License-Identifier: GPL-3.0-or-later
#include "in_place.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>

#include "atomic_file.h"
#include "backup_file.h"
#include "channel_writer.h"
#include "support.h"

namespace velmora::cli {
namespace {

constexpr int kExitFailure = 2;
// Long enough for another velmora edit (milliseconds) to end, short enough
// that a script does not hang behind the editor's open file.
constexpr auto kLockWait = std::chrono::seconds(3);
constexpr int kLockBusy = -2;

bool isStdout(const std::string& out) { return out == "-" || out == "/dev/stdout"; }

// The descriptor holding an exclusive flock on the file now at `path`; -1
// when it cannot be opened or locked at all (reading then says why, or the
// file system has no locks), kLockBusy when another holder keeps it.
int lockFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) return -1;
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                ::close(fd);
                return -1;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                return kLockBusy;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // The holder renames its new file over the one we waited on: that
        // new file is the one to lock and read.
        struct stat held {}, now {};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &now) == 0 && held.st_dev == now.st_dev &&
            held.st_ino == now.st_ino)
            return fd;
        ::close(fd);
    }
}

template <class T>
bool sameRange(const std::vector<T>& a, const std::vector<T>& b, std::size_t n) {
    return a.size() >= n && b.size() >= n && std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(n), b.begin());
}

}  // namespace

bool sameTables(const ChannelDatabase& a, const ChannelDatabase& b) {
    if (a.general != b.general || a.satelliteCount != b.satelliteCount || a.transponderCount != b.transponderCount ||
        a.tvCount != b.tvCount || a.radioCount != b.radioCount)
        return false;
    const std::size_t groups = a.groupCount();
    return sameRange(a.satellites, b.satellites, a.satelliteCount) &&
           sameRange(a.satelliteExtra, b.satelliteExtra, a.satelliteCount) &&
           sameRange(a.transponders, b.transponders, a.transponderCount) && sameRange(a.tv, b.tv, a.tvCount) &&
           sameRange(a.radio, b.radio, a.radioCount) && sameRange(a.groupNames, b.groupNames, groups) &&
           sameRange(a.tvMemberCount, b.tvMemberCount, groups) &&
           sameRange(a.radioMemberCount, b.radioMemberCount, groups) &&
           sameRange(a.tvMembers, b.tvMembers, a.totalMembers(ChannelKind::Tv)) &&
           sameRange(a.radioMembers, b.radioMembers, a.totalMembers(ChannelKind::Radio));
}

bool writeOutput(const std::string& out, std::span<const std::uint8_t> bytes) {
    if (!isStdout(out)) {
        const SaveResult r = writeFileAtomically(out, bytes);
        if (!r.ok) {
            std::cerr << "velmora: cannot write " << out << ": " << r.error << "\n";
            return false;
        }
        noteFileWritten();
        return true;
    }
    if (::isatty(STDOUT_FILENO)) {
        std::cerr << "velmora: standard output is a terminal; a channel file is not written to it\n";
        return false;
    }
    std::cout.flush();
    if (const int err = detail::writeAll(STDOUT_FILENO, bytes.data(), bytes.size())) {
        std::cerr << "velmora: cannot write to standard output: " << std::strerror(err) << "\n";
        return false;
    }
    return true;
}

FileEdit::FileEdit(std::string file, std::string out, bool noBackup)
    : file_(std::move(file)), out_(std::move(out)), noBackup_(noBackup) {}

FileEdit::~FileEdit() {
    if (lockFd_ >= 0) ::close(lockFd_);
}

std::ostream& FileEdit::report() const { return isStdout(out_) ? std::cerr : std::cout; }

bool FileEdit::load(ChannelDatabase& db) {
    if (inPlace() && file_ == "-") {
        std::cerr << "velmora: standard input (FILE -) can only be edited with -o OUT\n";
        return false;
    }
    if (inPlace()) {
        lockFd_ = lockFile(file_);
        if (lockFd_ == kLockBusy) {
            lockFd_ = -1;
            std::cerr << "velmora: " << printable(file_, false) << " is being changed by another program\n";
            return false;
        }
    }
    return loadForCommand(file_, db);
}

int FileEdit::save(ChannelDatabase& db, const std::string& done) {
    SaveOptions options;
    options.currentTransponder = defaultCurrentTransponder(db);
    if (isStdout(out_)) {
        if (!writeOutput(out_, buildChannelFile(db, options))) return kExitFailure;
        if (!done.empty()) report() << done << "\n";
        return 0;
    }
    const std::string& target = inPlace() ? file_ : out_;
    PendingBackup backup;
    if (inPlace() && !noBackup_) {
        const BackupResult b = backup.prepare(file_);
        if (!b.ok) {
            std::cerr << "velmora: " << b.error << "; " << file_ << " was not changed\n";
            return kExitFailure;
        }
        if (b.keptOlder)
            std::cerr << "velmora: " << backup.backupPath() << " is read-only: kept as it is, no new backup made\n";
    }
    const SaveResult r = writeChannelFile(target, db, options);
    if (!r.ok) {
        std::cerr << "velmora: cannot save " << target << ": " << r.error << "\n";
        return kExitFailure;
    }
    noteFileWritten();
    if (const BackupResult b = backup.commit(); !b.ok)
        std::cerr << "velmora: " << b.error << "; " << target << " was saved all the same\n";
    if (!done.empty()) report() << done << "\n";
    return 0;
}

int FileEdit::saveUnchanged(ChannelDatabase& db) {
    if (inPlace()) {
        std::cout << "nothing to change\n";
        return 0;
    }
    return save(db, "nothing to change; wrote " + (isStdout(out_) ? std::string("standard output") : out_));
}

}  // namespace velmora::cli
