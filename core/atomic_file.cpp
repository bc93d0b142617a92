// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace velmora {
namespace detail {
namespace {
std::atomic<WriteFunction> gWrite{nullptr};
}
WriteFunction setWriteFunctionForTesting(WriteFunction fn) { return gWrite.exchange(fn); }

int writeAll(int fd, const void* data, std::size_t size) {
    const WriteFunction fn = gWrite.load();
    const auto* p = static_cast<const std::uint8_t*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = fn ? fn(fd, p + done, size - done) : ::write(fd, p + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}
}  // namespace detail

namespace {

SaveResult failure(const std::string& reason) { return {false, reason}; }

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A short name: the target's own name may already be as long as a name can be.
int createTemporary(const std::string& folder, std::string& tmpPath) {
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "/.velmora-%012llx.tmp",
                      static_cast<unsigned long long>(rng() & 0xFFFFFFFFFFFFull));
        tmpPath = folder + name;
        const int fd = ::open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

// Follows symbolic links one by one, so that a dangling link leads to the
// file it names (which the save then creates) instead of being replaced.
std::string resolveSymlinks(const std::string& path) {
    std::string p = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(p.c_str(), buf, sizeof buf);
        if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buf) return p;
        const std::string link(buf, static_cast<std::size_t>(n));
        p = link[0] == '/' || p.find('/') == std::string::npos ? link : folderOf(p) + "/" + link;
    }
    return p;  // a loop: stat() below reports it
}

SaveResult PendingFile::fail(int err) {
    discard();
    return failure(std::strerror(err));
}

SaveResult PendingFile::begin(const std::string& path) {
    discard();
    if (path.empty()) return failure(std::strerror(ENOENT));
    target_ = resolveSymlinks(path);
    struct stat old {};
    replacing_ = ::stat(target_.c_str(), &old) == 0;
    if (!replacing_ && errno != ENOENT) return failure(std::strerror(errno));
    if (replacing_) {
        if (S_ISDIR(old.st_mode)) return failure(std::strerror(EISDIR));
        if (!S_ISREG(old.st_mode)) return failure(kTextNotRegular);
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0)
            return failure(errno == EACCES ? kTextReadOnly : std::strerror(errno));
    }
    std::string tmp;
    fd_ = createTemporary(folderOf(target_), tmp);
    if (fd_ < 0) return failure(std::strerror(errno));
    tmp_ = tmp;
    if (replacing_) {
        // Keep the old file's permissions (and owner where we may).
        if (::fchmod(fd_, old.st_mode & 07777) != 0) return fail(errno);
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) { /* not permitted for ordinary users; keep ours */ }
    }
    return {};
}

int PendingFile::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) return EBADF;
    return detail::writeAll(fd_, bytes.data(), bytes.size());
}

SaveResult PendingFile::finish() {
    if (!active()) return failure(std::strerror(EBADF));
    if (fd_ < 0) return {};
    if (::fdatasync(fd_) != 0) return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    return {};
}

SaveResult PendingFile::commit() {
    if (const SaveResult r = finish(); !r.ok) return r;
    if (::rename(tmp_.c_str(), target_.c_str()) != 0) return fail(errno);
    tmp_.clear();
    // Make the rename itself durable; a failure here leaves a complete file.
    const int dirFd = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

void PendingFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tmp_.empty()) ::unlink(tmp_.c_str());
    tmp_.clear();
}

SaveResult checkSaveTarget(const std::string& path) {
    PendingFile probe;
    return probe.begin(path);
}

SaveResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    return writeFileAtomically(path, [&](int fd) { return detail::writeAll(fd, bytes.data(), bytes.size()); });
}

SaveResult writeFileAtomically(const std::string& path, const std::function<int(int fd)>& produce) {
    PendingFile file;
    if (const SaveResult r = file.begin(path); !r.ok) return r;
    if (const int err = produce(file.fd())) {
        file.discard();
        return failure(std::strerror(err));
    }
    return file.commit();
}

}  // namespace velmora
