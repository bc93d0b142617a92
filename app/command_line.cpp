// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CMainFrame.h"
#include "changes_window.h"
#include "channel_reader.h"
#include "list_diff.h"

namespace velmora {

bool onlyTextRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

void addEditorArguments(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Channel list editor for Velmora satellite receivers"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Channel file to open (.bin, .sgn)."),
                                 QStringLiteral("[FILE]"));
    parser.addOption({QStringLiteral("compare"), QStringLiteral("Show what changed from channel file A to B.")});
}

int runCompare(QCommandLineParser& parser) {
    if (!parser.isSet(QStringLiteral("compare"))) return -1;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        std::fputs("velmoraedit: --compare takes two channel files: --compare A B\n", stderr);
        return 2;
    }
    ChannelDatabase a, b;
    for (const auto& [path, db] : {std::pair{files[0], &a}, std::pair{files[1], &b}}) {
        const LoadResult loaded = loadChannelFile(path.toStdString(), *db);
        if (loaded.ok()) continue;
        for (const std::string& message : loaded.messages)
            std::fprintf(stderr, "velmoraedit: %s: %s\n", qPrintable(path), message.c_str());
        return 2;
    }
    ChangesWindow window;
    window.showDiff(diffLists(a, b), a, b, files[0], files[1]);
    window.show();
    return QApplication::exec();
}

QString editorFileArgument(QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "velmoraedit: one channel file at a time, not %lld\n",
                     static_cast<long long>(files.size()));
        std::exit(2);
    }
    return files.value(0);
}

void openWhenShown(CMainFrame& frame, const QString& file) {
    // The form shows the path, and the recent-file list keeps it: make it
    // independent of the folder the editor was started in.
    const QString path = QFileInfo(file).absoluteFilePath();
    QPointer<CMainFrame> target(&frame);
    QTimer::singleShot(0, &frame, [target, path] {
        if (!target) return;
        target->view()->openFile(path);
        target->updateCommandStates();
    });
}

}  // namespace velmora
