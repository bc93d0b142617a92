// SPDX-License-Identifier: GPL-3.0-or-later
#include "version_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "atomic_file.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// Folder names stay below the usual 255-byte limit; a longer path keeps its
// head for the reader and a hash of the whole for uniqueness.
constexpr std::size_t kMaxFolderName = 240;

std::string escapePath(const std::string& path) {
    std::string out;
    out.reserve(path.size() + 16);
    for (const char c : path) {
        if (c == '%') out += "%25";
        else if (c == '/') out += "%2F";
        else out += c;
    }
    if (out.size() > kMaxFolderName) {
        char hash[24];
        std::snprintf(hash, sizeof hash, "~%016zx", std::hash<std::string>{}(path));
        out = out.substr(0, kMaxFolderName - std::strlen(hash)) + hash;
    }
    return out;
}

std::string absolutePath(const std::string& file) {
    fs::path p = resolveSymlinks(file);
    if (p.is_relative()) {
        std::error_code ec;
        p = fs::current_path(ec) / p;
    }
    return p.lexically_normal().string();
}

std::string versionName(std::time_t t, int sequence) {
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char buf[48];
    std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &tm);
    std::string name = buf;
    if (sequence > 0) name += "-" + std::to_string(sequence);
    return name + ".bin";
}

// The inverse of versionName; false for any other file (temporaries too).
bool parseVersionName(const std::string& name, std::time_t& t, int& sequence) {
    int y, mo, d, h, mi, s, n = 0;
    char z;
    if (name.size() < 20 || name.compare(name.size() - 4, 4, ".bin") != 0) return false;
    if (std::sscanf(name.c_str(), "%4d%2d%2dT%2d%2d%2d%c%n", &y, &mo, &d, &h, &mi, &s, &z, &n) != 7 || z != 'Z')
        return false;
    sequence = 0;
    const std::string rest = name.substr(static_cast<std::size_t>(n), name.size() - 4 - static_cast<std::size_t>(n));
    if (!rest.empty()) {
        if (rest[0] != '-' || rest.size() < 2 || rest.find_first_not_of("0123456789", 1) != std::string::npos)
            return false;
        sequence = std::atoi(rest.c_str() + 1);
    }
    std::tm tm{};
    tm.tm_year = y - 1900, tm.tm_mon = mo - 1, tm.tm_mday = d, tm.tm_hour = h, tm.tm_min = mi, tm.tm_sec = s;
    t = ::timegm(&tm);
    return true;
}

std::vector<StoredVersion> listFolder(const std::string& folder) {
    std::vector<StoredVersion> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        StoredVersion v;
        if (!parseVersionName(it->path().filename().string(), v.time, v.sequence)) continue;
        struct stat st {};
        if (::stat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        v.path = it->path().string();
        v.size = static_cast<std::uint64_t>(st.st_size);
        out.push_back(std::move(v));
    }
    std::sort(out.begin(), out.end(), [](const StoredVersion& a, const StoredVersion& b) {
        return a.time != b.time ? a.time > b.time : a.sequence > b.sequence;
    });
    return out;
}

bool sameContent(const std::string& path, std::span<const std::uint8_t> content) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return bytes.size() == content.size() && std::equal(bytes.begin(), bytes.end(), content.begin(),
                                                        [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

KeepResult failed(const std::string& what, int err) {
    KeepResult r;
    r.ok = false;
    r.error = what + ": " + std::strerror(err);
    return r;
}

}  // namespace

std::string defaultVersionRoot() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string base;
    // Relative values are to be ignored: they would move with the working folder.
    if (data && data[0] == '/') base = data;
    else if (const char* home = std::getenv("HOME"); home && *home) base = std::string(home) + "/.local/share";
    else base = ".";
    return base + "/VelmoraEdit/versions";
}

std::string versionTimeText(std::time_t t) {
    std::tm tm{};
    ::localtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

VersionStore::VersionStore(std::string root, VersionLimits limits) : root_(std::move(root)), limits_(limits) {}

std::string VersionStore::folderFor(const std::string& file) const { return root_ + "/" + escapePath(absolutePath(file)); }

std::vector<StoredVersion> VersionStore::versions(const std::string& file) const { return listFolder(folderFor(file)); }

KeepResult VersionStore::keepCurrent(const std::string& file, std::time_t now) {
    const std::string real = resolveSymlinks(file);
    struct stat st {};
    if (::stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    std::ifstream in(real, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) return failed("cannot read " + real, errno ? errno : EIO);
    return keep(file, bytes, now);
}

KeepResult VersionStore::keep(const std::string& file, std::span<const std::uint8_t> content, std::time_t now) {
    const std::string folder = folderFor(file);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return failed("cannot create the version folder " + folder, ec.value());

    const std::vector<StoredVersion> existing = listFolder(folder);
    if (!existing.empty() && existing.front().size == content.size() && sameContent(existing.front().path, content))
        return {};

    std::string tmp = folder + "/.keep-XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return failed("cannot write to the version folder " + folder, errno);
    const int err = detail::writeAll(fd, content.data(), content.size());
    if (::close(fd) != 0 && err == 0) {
        const int closeErr = errno;
        ::unlink(tmp.c_str());
        return failed("cannot write a version into " + folder, closeErr);
    }
    if (err != 0) {
        ::unlink(tmp.c_str());
        return failed("cannot write a version into " + folder, err);
    }
    // link() never replaces: a name another save took within the same
    // second (in this process or another) moves this one to the next number.
    // A clock set back must not file the new version under an older time.
    std::time_t t = now;
    int sequence = 0;
    if (!existing.empty() && existing.front().time >= t) t = existing.front().time, sequence = existing.front().sequence + 1;
    KeepResult result;
    for (;; ++sequence) {
        const std::string target = folder + "/" + versionName(t, sequence);
        if (::link(tmp.c_str(), target.c_str()) == 0) {
            result.path = target;
            break;
        }
        if (errno != EEXIST) {
            const int linkErr = errno;
            ::unlink(tmp.c_str());
            return failed("cannot write a version into " + folder, linkErr);
        }
    }
    ::unlink(tmp.c_str());
    result.kept = true;
    prune(folder, result.path);
    return result;
}

void VersionStore::prune(const std::string& folder, const std::string& keepPath) {
    std::vector<StoredVersion> own = listFolder(folder);
    for (std::size_t i = static_cast<std::size_t>(std::max(limits_.perFile, 1)); i < own.size(); ++i)
        ::unlink(own[i].path.c_str());

    // The size limit is over the whole store: the oldest versions of any file go first.
    std::vector<StoredVersion> all;
    std::uint64_t total = 0;
    std::error_code ec;
    for (fs::directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_directory(ec)) continue;
        for (StoredVersion& v : listFolder(it->path().string())) {
            total += v.size;
            all.push_back(std::move(v));
        }
    }
    if (total <= limits_.totalBytes) return;
    std::sort(all.begin(), all.end(), [](const StoredVersion& a, const StoredVersion& b) {
        return a.time != b.time ? a.time < b.time : a.sequence < b.sequence;
    });
    for (const StoredVersion& v : all) {
        if (total <= limits_.totalBytes) break;
        if (v.path == keepPath) continue;
        if (::unlink(v.path.c_str()) == 0) total -= v.size;
    }
}

}  // namespace velmora
