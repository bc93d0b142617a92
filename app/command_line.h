// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's command line: "velmoraedit [FILE]". A channel file named there
// (as a file manager or the desktop entry passes it) is opened as File > Open
// does, once the window is up.
#pragma once

#include <QString>

class QCommandLineParser;

namespace velmora {

class CMainFrame;

// --help or --version: text on the terminal, no window and no display needed.
bool onlyTextRequested(int argc, char** argv);
// --help, --version and the optional FILE.
void addEditorArguments(QCommandLineParser& parser);
// After parsing: --help and --version print and end the program, as does
// more than one FILE (a usage error, exit code 2). Returns FILE, or an empty
// string when none was given.
QString editorFileArgument(QCommandLineParser& parser);

// --compare A B: the changes window between two channel files, without the
// editor. -1 when not asked for, else the exit code (2: a usage error or a
// file that cannot be read).
int runCompare(QCommandLineParser& parser);

// Opens `file` in the frame's form as soon as the event loop runs. A file
// that is rejected or cannot be read says why and leaves the form empty.
void openWhenShown(CMainFrame& frame, const QString& file);

}  // namespace velmora
