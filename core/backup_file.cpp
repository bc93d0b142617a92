// SPDX-License-Identifier: GPL-3.0-or-later
#include "backup_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "atomic_file.h"

namespace velmora {
namespace {

BackupResult failed(const std::string& what, int err) { return {false, false, false, what + ": " + std::strerror(err)}; }

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

int copyAll(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        if (const int err = detail::writeAll(to, buffer.data(), static_cast<std::size_t>(n))) return err;
    }
}

bool inGroup(gid_t gid) {
    if (gid == ::getegid()) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    for (int i = 0; i < n; ++i)
        if (groups[static_cast<std::size_t>(i)] == gid) return true;
    return false;
}

// The write bit of the class the user falls in; root counts as the owner.
bool readOnlyByMode(const struct stat& st) {
    const uid_t uid = ::geteuid();
    if (uid == 0 || uid == st.st_uid) return (st.st_mode & S_IWUSR) == 0;
    if (inGroup(st.st_gid)) return (st.st_mode & S_IWGRP) == 0;
    return (st.st_mode & S_IWOTH) == 0;
}

}  // namespace

std::string backupPathFor(const std::string& path) { return resolveSymlinks(path) + ".bak"; }

BackupResult PendingBackup::prepare(const std::string& path) {
    discard();
    const std::string file = resolveSymlinks(path);
    backup_ = backupPathFor(path);
    const int source = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (source < 0) {
        if (errno == ENOENT) return {};
        return failed("cannot read " + file, errno);
    }
    struct stat st {};
    const int statErr = ::fstat(source, &st) != 0 ? errno : (S_ISREG(st.st_mode) ? 0 : EINVAL);
    if (statErr != 0) {
        ::close(source);
        return failed("cannot back up " + file, statErr);
    }
    // The save that follows would refuse such a file: no backup of a file
    // that is not going to change.
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        ::close(source);
        return {false, false, false, file + ": " + kTextReadOnly};
    }
    if (struct stat old {}; ::stat(backup_.c_str(), &old) == 0) {
        // Found now, not by the rename after the save has already been made.
        const int oldErr = S_ISDIR(old.st_mode) ? EISDIR : S_ISREG(old.st_mode) ? 0 : EINVAL;
        if (oldErr != 0 || readOnlyByMode(old)) {
            ::close(source);
            if (oldErr != 0) return failed("cannot write " + backup_, oldErr);
            return {true, false, true, {}};
        }
    }

    // A short temporary name: the backup's own name may already be near the
    // file system's limit.
    std::string tmp = folderOf(backup_) + "/.bak-XXXXXX";
    const int copy = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (copy < 0) {
        const int err = errno;
        ::close(source);
        return failed("cannot write " + backup_, err);
    }
    int err = copyAll(source, copy);
    ::close(source);
    if (err == 0 && ::fchmod(copy, st.st_mode & 0777) != 0) err = errno;
    if (err == 0 && ::fchown(copy, st.st_uid, st.st_gid) != 0) { /* only root may give files away; keep ours */ }
    if (err == 0 && ::fdatasync(copy) != 0) err = errno;
    if (::close(copy) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return failed("cannot write " + backup_, err);
    }
    tmp_ = tmp;
    return {true, true, false, {}};
}

BackupResult PendingBackup::commit() {
    if (!pending()) return {};
    if (::rename(tmp_.c_str(), backup_.c_str()) != 0) {
        const int err = errno;
        discard();
        return failed("cannot write " + backup_, err);
    }
    tmp_.clear();
    return {true, true, false, {}};
}

void PendingBackup::discard() {
    if (!tmp_.empty()) ::unlink(tmp_.c_str());
    tmp_.clear();
}

}  // namespace velmora
