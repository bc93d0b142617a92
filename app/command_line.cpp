#include "command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CMainFrame.h"

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
