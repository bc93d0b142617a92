// SPDX-License-Identifier: GPL-3.0-or-later
// The user's serial port choice and line parameters, kept in the seven-line
// text file config.ini: in the current directory when one is there, else in
// the user's configuration folder.
#pragma once

#include <string>

namespace velmora::link {

inline constexpr const char* kConfigFile = "config.ini";
// Its folder under the user's configuration folder.
inline constexpr const char* kConfigFolder = "VelmoraEdit";
// Longest word taken from a text line of config.ini.
inline constexpr std::size_t kMaxConfigWord = 63;

struct PortSettings {
    std::string dataBits = "8";     // line 1
    int optionIndex = 0;            // line 2
    int flowControl = 0;            // line 3: 0 None, 1 Xon/Xoff, 2 RTS, 3 Xon/RTS
    std::string parity = "None";    // line 4
    std::string port = "Com1";      // line 5
    std::string baudRate = "115200";  // line 6
    std::string stopBits = "1";     // line 7

    bool operator==(const PortSettings&) const = default;
};

enum class LoadStatus {
    Read,          // config.ini existed; lines that could not be read kept their defaults
    Created,       // config.ini was missing and has been written with the defaults
    CreateFailed,  // config.ini was missing and could not be written; defaults in use
};

// Where config.ini is read and created: the current folder's config.ini when
// it exists (as it always was), else $XDG_CONFIG_HOME/VelmoraEdit/config.ini,
// with ~/.config for XDG_CONFIG_HOME when that is unset, empty or relative.
// Without a usable home folder it stays in the current folder. Null pointers
// stand for unset variables.
std::string configFilePath(bool currentFolderHasConfig, const char* xdgConfigHome, const char* home);
// configFilePath for this process; creates the configuration folder (mode
// 0700) when config.ini is to go there.
std::string locateConfigFile();

// Resets `settings` to the defaults, then reads `path`. A missing file is
// created with the seven default lines.
LoadStatus loadSettings(const std::string& path, PortSettings& settings);

// Rewrites `path` with the seven lines. Writes a temporary file beside it and
// renames it over the old one, so a failure never leaves a half-written
// config.ini. On failure returns false, fills `error` and leaves `path` as it
// was.
bool saveSettings(const std::string& path, const PortSettings& settings, std::string* error = nullptr);

// The seven lines exactly as saveSettings writes them.
std::string settingsText(const PortSettings& settings);

// Port number from the fourth character of "Com1".."Com4"; any other text
// leaves `current` unchanged.
int portNumberFrom(const std::string& portText, int current);

// Decimal value of the baud-rate text (leading digits; 0 when there are none
// or the value does not fit an int).
int baudRateFrom(const std::string& baudText);

// The line an open with these settings gives, as the status bar shows it:
// "9600, even, 7, 2" (baud, parity, data bits, stop bits). Parity goes by
// its first letter and stop bits by the text as the driver reads them.
std::string lineSummary(const PortSettings& settings);

}  // namespace velmora::link
