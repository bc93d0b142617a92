// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window with a channel file loaded into a PNG, for the
// documentation: shell_screenshot CHANNEL_FILE OUTPUT.png [WIDTHxHEIGHT]
#include <QApplication>
#include <QPixmap>
#include <QTableView>
#include <cstdio>

#include "CArdelEditView.h"
#include "CMainFrame.h"
#include "resources_init.h"
#include "scripted_prompter.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: shell_screenshot CHANNEL_FILE OUTPUT.png [WIDTHxHEIGHT]\n");
        return 2;
    }
    QApplication::setApplicationName("VelmoraEdit");
    velmora::initResources();
    QApplication::setWindowIcon(QIcon(":/images/app.png"));

    QSize size(1280, 800);
    if (argc > 3) {
        const QStringList wh = QString::fromLocal8Bit(argv[3]).split('x');
        if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
    }

    velmora::ui::ScriptedPrompter prompter;
    prompter.openPaths.push_back(QString::fromLocal8Bit(argv[1]));

    velmora::CMainFrame frame;
    frame.resize(size);
    frame.show();
    frame.view()->initialUpdate();
    frame.executeCommand(velmora::command::kOpen);
    if (!frame.view()->flags().fileLoaded) {
        std::fprintf(stderr, "could not open %s: %s\n", argv[1], qPrintable(prompter.texts().join("; ")));
        return 1;
    }
    QApplication::processEvents();
    const QPixmap shot = frame.grab();
    if (!shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
