// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

namespace velmora::link {
namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// First white-space separated word of a line, at most kMaxConfigWord chars.
std::string firstWord(const std::string& line) {
    std::size_t b = 0;
    while (b < line.size() && isSpace(line[b])) ++b;
    std::size_t e = b;
    while (e < line.size() && !isSpace(line[e])) ++e;
    return line.substr(b, std::min(e - b, kMaxConfigWord));
}

void readText(const std::string& line, std::string& field) {
    std::string w = firstWord(line);
    if (!w.empty()) field = std::move(w);
}

void readNumber(const std::string& line, int& field) {
    std::size_t b = 0;
    while (b < line.size() && isSpace(line[b])) ++b;
    std::size_t e = b;
    while (e < line.size() && !isSpace(line[e])) ++e;
    if (e == b) return;
    const char* first = line.data() + b;
    if (*first == '+') ++first;  // from_chars does not take a plus sign
    int value = 0;
    const auto [ptr, ec] = std::from_chars(first, line.data() + e, value);
    if (ec == std::errc() && ptr == line.data() + e) field = value;
}

// A value typed into the dialog must not break the one-value-per-line layout.
std::string oneLine(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string settingsText(const PortSettings& s) {
    std::string t;
    t += oneLine(s.dataBits) + '\n';
    t += std::to_string(s.optionIndex) + '\n';
    t += std::to_string(s.flowControl) + '\n';
    t += oneLine(s.parity) + '\n';
    t += oneLine(s.port) + '\n';
    t += oneLine(s.baudRate) + '\n';
    t += oneLine(s.stopBits) + '\n';
    return t;
}

LoadStatus loadSettings(const std::string& path, PortSettings& settings) {
    settings = PortSettings{};
    std::ifstream in(path, std::ios::binary);
    if (!in) return saveSettings(path, settings) ? LoadStatus::Created : LoadStatus::CreateFailed;

    std::string line;
    auto next = [&]() -> bool { return static_cast<bool>(std::getline(in, line)); };
    if (next()) readText(line, settings.dataBits);
    if (next()) readNumber(line, settings.optionIndex);
    if (next()) readNumber(line, settings.flowControl);
    if (next()) readText(line, settings.parity);
    if (next()) readText(line, settings.port);
    if (next()) readText(line, settings.baudRate);
    if (next()) readText(line, settings.stopBits);
    return LoadStatus::Read;
}

bool saveSettings(const std::string& path, const PortSettings& settings, std::string* error) {
    auto failed = [&](const std::string& what, int err) {
        if (error) *error = what + ": " + std::strerror(err);
        return false;
    };
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return failed("cannot create a file beside " + path, errno);

    const std::string text = settingsText(settings);
    int err = 0;
    if (!writeAll(fd, text)) err = errno ? errno : EIO;
    if (err == 0 && ::fchmod(fd, 0644) != 0) err = errno;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return failed("cannot write " + path, err);
    }
    return true;
}

std::string configFilePath(bool currentFolderHasConfig, const char* xdgConfigHome, const char* home) {
    if (currentFolderHasConfig) return kConfigFile;
    std::string base;
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/')
        base = xdgConfigHome;
    else if (home != nullptr && home[0] == '/')
        base = std::string(home) + "/.config";
    else
        return kConfigFile;
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/" + kConfigFolder + "/" + kConfigFile;
}

std::string locateConfigFile() {
    const std::string path =
        configFilePath(::access(kConfigFile, F_OK) == 0, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (path != kConfigFile) {
        // Creating the file reports the failure if the folder cannot be made.
        std::error_code ignored;
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (std::filesystem::create_directories(folder, ignored))
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
    }
    return path;
}

int portNumberFrom(const std::string& portText, int current) {
    if (portText.size() < 4) return current;
    const char c = portText[3];
    if (c >= '1' && c <= '4') return c - '0';
    return current;
}

int baudRateFrom(const std::string& baudText) {
    std::size_t b = 0;
    while (b < baudText.size() && isSpace(baudText[b])) ++b;
    long long value = 0;
    std::size_t i = b;
    for (; i < baudText.size() && std::isdigit(static_cast<unsigned char>(baudText[i])); ++i) {
        value = value * 10 + (baudText[i] - '0');
        if (value > std::numeric_limits<int>::max()) return 0;
    }
    return static_cast<int>(value);
}

std::string lineSummary(const PortSettings& settings) {
    std::string parity;
    switch (settings.parity.empty() ? '\0' : settings.parity[0]) {
    case 'E': parity = "even"; break;
    case 'O': parity = "odd"; break;
    case 'N': parity = "none"; break;
    case 'M': parity = "mark"; break;
    case 'S': parity = "space"; break;
    default:
        for (const char c : settings.parity) parity += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string stop = settings.stopBits == "1" ? "1" : settings.stopBits.size() > 1 ? "1.5" : "2";
    return std::to_string(baudRateFrom(settings.baudRate)) + ", " + parity + ", " + settings.dataBits + ", " + stop;
}

}  // namespace velmora::link
