// SPDX-License-Identifier: GPL-3.0-or-later
#include "print_pdf.h"

#include <QCommandLineParser>
#include <QDialog>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <utility>

#include "CArdelEditView.h"
#include "CMainFrame.h"
#include "prompter.h"

namespace velmora {
namespace {

const char* const kPrintPdf = "print-pdf";
const char* const kRadio = "radio";

// Answers File > Open with the file of the command line and keeps every
// message for the error output; nothing else is asked of anyone.
class BatchPrompter final : public ui::Prompter {
public:
    explicit BatchPrompter(QString path) : path_(std::move(path)) { install(this); }
    ~BatchPrompter() override { install(nullptr); }
    BatchPrompter(const BatchPrompter&) = delete;
    BatchPrompter& operator=(const BatchPrompter&) = delete;

    ui::Answer message(QWidget*, const QString&, const QString& text, ui::Buttons buttons, ui::Icon) override {
        messages << text;
        return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No;
    }
    QString openFile(QWidget*, const ui::FileRequest&) override { return std::exchange(path_, QString()); }
    QString saveFile(QWidget*, const ui::FileRequest&) override { return {}; }
    int runDialog(QDialog&) override { return QDialog::Rejected; }

    QStringList messages;

private:
    QString path_;
};

int refuse(const QString& text) {
    std::fprintf(stderr, "velmoraedit: %s\n", qPrintable(text));
    return 2;
}

}  // namespace

bool printPdfRequested(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-pdf") == 0 || std::strncmp(argv[i], "--print-pdf=", 12) == 0) return true;
    }
    return false;
}

void addPrintPdfOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption(
        QString::fromLatin1(kPrintPdf),
        QStringLiteral("Print the TV channel list of FILE into OUT.pdf (A4, 600 dpi) and exit."),
        QStringLiteral("OUT.pdf")));
    parser.addOption(QCommandLineOption(QString::fromLatin1(kRadio),
                                        QStringLiteral("With --print-pdf: print the radio channel list instead.")));
}

int runPrintPdf(const QCommandLineParser& parser) {
    if (!parser.isSet(QString::fromLatin1(kPrintPdf))) return -1;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) return refuse(QStringLiteral("--print-pdf needs exactly one channel FILE"));
    const QString file = files.first();
    const QString out = parser.value(QString::fromLatin1(kPrintPdf));

    // The form reads or creates its port settings; a printout must leave the
    // user's config.ini and profile alone.
    QTemporaryDir scratch;
    if (!scratch.isValid()) return refuse(QStringLiteral("no temporary folder: %1").arg(scratch.errorString()));
    ViewOptions options;
    options.port.configPath = scratch.filePath(QStringLiteral("config.ini"));
    options.port.profilePath = scratch.filePath(QStringLiteral("ports.ini"));

    BatchPrompter prompter(file);
    CArdelEditView view(nullptr, options);
    view.handleCommand(command::kOpen);
    if (!view.flags().fileLoaded) {
        const QString why = prompter.messages.isEmpty() ? QStringLiteral("cannot be opened")
                                                        : prompter.messages.join(QStringLiteral(" "));
        return refuse(QStringLiteral("%1: %2").arg(file, why));
    }
    const ChannelKind kind = parser.isSet(QString::fromLatin1(kRadio)) ? ChannelKind::Radio : ChannelKind::Tv;
    if (!view.printListToPdf(out, kind)) return refuse(QStringLiteral("%1: cannot be written").arg(out));
    return 0;
}

}  // namespace velmora
