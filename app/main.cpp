// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "command_line.h"
#include "languages.h"
#include "port_settings.h"
#include "print_pdf.h"
#include "prompter.h"
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
    const bool printing = velmora::printPdfRequested(argc, argv) || velmora::onlyTextRequested(argc, argv);
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
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    velmora::initResources();
    QApplication::setWindowIcon(QIcon(":/images/app.png"));

    QCommandLineParser parser;
    velmora::addEditorArguments(parser);
    velmora::addPrintPdfOptions(parser);
    if (!parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "velmoraedit: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (const int rc = velmora::runCompare(parser); rc >= 0) return rc;
    const QString file = velmora::editorFileArgument(parser);
    // After --help, --version and --compare, which stay English as the manual
    // page and scripts read them; before any window or printout exists, as
    // those take their texts when made.
    velmora::installTranslations(velmora::languageSetting(QSettings()));
    if (const int rc = velmora::runPrintPdf(parser); rc >= 0) return rc;

    QSettings settings;

    velmora::CArdelEditDoc document;
    const bool started = file.isEmpty() ? document.onNewDocument() : document.onOpenDocument(file);
    if (!started) return 1;

    velmora::ViewOptions options;
    options.port.configPath = QString::fromStdString(velmora::link::locateConfigFile());
    velmora::CMainFrame frame(nullptr, options);
    frame.recentFiles().load(settings);
    frame.updateRecentFilesMenu();
    frame.showWithSavedGeometry(settings);
    frame.repaint();
    frame.view()->initialUpdate();
    frame.updateCommandStates();
    if (!file.isEmpty()) velmora::openWhenShown(frame, file);

    const int rc = QApplication::exec();
    frame.recentFiles().save(settings);
    frame.saveGeometryTo(settings);
    return rc;
}
