// SPDX-License-Identifier: GPL-3.0-or-later
// velmoraedit FILE --print-pdf OUT.pdf [--radio]: the printout of a channel
// file without any window, for scripts and tests.
#pragma once

class QCommandLineParser;

namespace velmora {

// Looked at before Qt starts: a printout needs no display.
bool printPdfRequested(int argc, char** argv);
// --print-pdf OUT.pdf and --radio.
void addPrintPdfOptions(QCommandLineParser& parser);
// Writes the printout the parsed arguments ask for and returns the exit code
// (0 written, 2 refused); -1 when they ask for none.
int runPrintPdf(const QCommandLineParser& parser);

}  // namespace velmora
