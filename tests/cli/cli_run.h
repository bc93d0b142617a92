// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the velmora tool as a script would and collects what it says.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "test_files.h"

namespace velmora::test {

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

// `args` are already shell-quoted; a time limit keeps a hang from stalling the
// suite. Standard output goes to `stdoutTo` when given ("&-" closes it).
inline CliRun velmora(const std::string& args, const std::string& stdoutTo = "") {
    TempDir tmp;
    const std::string cmd = "timeout 20 " + std::string(VELMORA_CLI) + " " + args + " >" +
                            (stdoutTo.empty() ? tmp.path("out") : stdoutTo) + " 2>" + tmp.path("err");
    const int status = std::system(cmd.c_str());
    const auto out = readBytes(tmp.path("out")), err = readBytes(tmp.path("err"));
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, {out.begin(), out.end()}, {err.begin(), err.end()}};
}

inline std::string q(const std::string& s) { return "'" + s + "'"; }

}  // namespace velmora::test
