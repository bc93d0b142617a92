// Start-up of the editor: settings, document, main frame and form.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CArdelEditDoc.h"
#include "CArdelEditView.h"
#include "CMainFrame.h"
#include "print_pdf.h"
#include "prompter.h"
#include "recent_files.h"
#include "resources_init.h"

namespace {

bool envSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// Qt aborts with a message about platform plugins when there is no display;
// say plainly what is missing instead.
bool displayAvailable(int argc, char** argv) {
    if (envSet("DISPLAY") || envSet("WAYLAND_DISPLAY") || envSet("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const bool printing = velmora::printPdfRequested(argc, argv);
    if (printing && !envSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!printing && !displayAvailable(argc, argv)) {
        std::fputs(
            "velmoraedit needs a graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
            "Start it from a desktop session, or set QT_QPA_PLATFORM (for example "
            "QT_QPA_PLATFORM=offscreen) to run it without one.\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(velmora::ui::kAppTitle));
    QApplication::setOrganizationName("Local AppWizard-Generated Applications");
    velmora::initResources();
    QApplication::setWindowIcon(QIcon(":/images/app.png"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Channel file (.bin, .sgn)."));
    velmora::addPrintPdfOptions(parser);
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "velmoraedit: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (const int rc = velmora::runPrintPdf(parser); rc >= 0) return rc;

    QSettings settings;
    velmora::RecentFileList recentFiles(4);
    recentFiles.load(settings);

    // A file named on the command line reaches only the document, which reads
    // nothing; channel files are opened with File > Open.
    velmora::CArdelEditDoc document;
    const QStringList files = parser.positionalArguments();
    const bool started = !files.isEmpty() ? document.onOpenDocument(files.first()) : document.onNewDocument();
    if (!started) return 1;

    velmora::CMainFrame frame;
    frame.showMaximized();
    frame.repaint();
    frame.view()->initialUpdate();
    frame.updateCommandStates();

    const int rc = QApplication::exec();
    recentFiles.save(settings);
    return rc;
}
