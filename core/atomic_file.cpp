#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "atomic_file.h"
#include "channel_writer.h"

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

std::string errnoText(int err) { return std::strerror(err); }

// Follows symlinks so that saving through a link replaces the file it points
// at and keeps the link.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char buf[PATH_MAX];
        if (::realpath(path.c_str(), buf)) return buf;
    }
    return path;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

int createTemporary(const std::string& target, std::string& tmpPath) {
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    const std::string folder = folderOf(target);
    const std::string base = target.substr(target.find_last_of('/') == std::string::npos ? 0 : target.find_last_of('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(rng()));
        tmpPath = folder + "/." + base + "." + suffix + ".tmp";
        const int fd = ::open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

SaveResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    return writeFileAtomically(path, [&](int fd) { return detail::writeAll(fd, bytes.data(), bytes.size()); });
}

SaveResult writeFileAtomically(const std::string& path, const std::function<int(int fd)>& produce) {
    const std::string target = resolveTarget(path);
    std::string tmp;
    const int fd = createTemporary(target, tmp);
    if (fd < 0) return {false, errnoText(errno)};

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return SaveResult{false, errnoText(err)};
    };

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return abandon(EISDIR);
        // Keep the old file's permissions (and owner where we may).
        if (::fchmod(fd, old.st_mode & 07777) != 0) return abandon(errno);
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) { /* not permitted for ordinary users; keep ours */ }
    }

    if (const int err = produce(fd)) return abandon(err);
    if (::fdatasync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return {false, errnoText(err)};
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return {false, errnoText(err)};
    }
    // Make the rename itself durable; a failure here leaves a complete file.
    const int dirFd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

}  // namespace velmora
