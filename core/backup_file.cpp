#include "backup_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "atomic_file.h"

namespace velmora {
namespace {

BackupResult failed(const std::string& what, int err) {
    return {false, false, what + ": " + std::strerror(err)};
}

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

}  // namespace

std::string backupPathFor(const std::string& path) { return path + ".bak"; }

BackupResult writeBackup(const std::string& path) {
    const std::string backup = backupPathFor(path);
    const int source = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (source < 0) {
        if (errno == ENOENT) return {};
        return failed("cannot read " + path, errno);
    }
    struct stat st {};
    const int statErr = ::fstat(source, &st) != 0 ? errno : (S_ISREG(st.st_mode) ? 0 : EINVAL);
    if (statErr != 0) {
        ::close(source);
        return failed("cannot back up " + path, statErr);
    }
    // The save that follows would refuse such a file: no backup of a file
    // that is not going to change.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        ::close(source);
        return {false, false, path + ": " + kTextReadOnly};
    }

    // A short temporary name: the backup's own name may already be near the
    // file system's limit.
    std::string tmp = folderOf(backup) + "/.bak-XXXXXX";
    const int copy = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (copy < 0) {
        const int err = errno;
        ::close(source);
        return failed("cannot write " + backup, err);
    }
    int err = copyAll(source, copy);
    ::close(source);
    if (err == 0 && ::fchmod(copy, st.st_mode & 0777) != 0) err = errno;
    if (err == 0 && ::fchown(copy, st.st_uid, st.st_gid) != 0) { /* only root may give files away; keep ours */ }
    if (err == 0 && ::fdatasync(copy) != 0) err = errno;
    if (::close(copy) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmp.c_str(), backup.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return failed("cannot write " + backup, err);
    }
    return {true, true, {}};
}

}  // namespace velmora
