// SPDX-License-Identifier: GPL-3.0-or-later
// velmoraedit FILE --print-pdf OUT.pdf [--radio] run as a script runs it: the
// text of the PDF it writes, and its refusals.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "shell_fixture.h"

namespace velmora::test {
namespace {

// Exit code and error output (or standard output) of `program`.
std::pair<int, QString> run(const QString& program, const QStringList& args, bool errors = true) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(errors ? process.readAllStandardError() : process.readAllStandardOutput())};
}

TEST(PrintPdf, PagesHoldTitleHeadingsEveryRowInListOrderAndTheirNumber) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    SampleOptions options;
    options.tv = 150;
    options.radio = 3;
    const QString file = dir.filePath(QStringLiteral("channels.bin")), pdf = dir.filePath(QStringLiteral("list.pdf"));
    ChannelDatabase db = makeSampleDatabase(options);
    ASSERT_TRUE(writeChannelFile(file.toStdString(), db, SaveOptions{}).ok);
    for (const int rows : {150, 3}) {
        SCOPED_TRACE(rows);
        const QStringList args{file, "--print-pdf", pdf};
        const auto [code, errors] = run(VELMORAEDIT, rows == 3 ? args + QStringList{"--radio"} : args);
        ASSERT_EQ(code, 0) << errors.toStdString();
        const QStringList pages = run("pdftotext", {"-layout", pdf, "-"}, false).second.split('\f', Qt::SkipEmptyParts);
        EXPECT_EQ(pages.size() > 1, rows == 150);
        QList<int> numbers, expected;
        for (int p = 0; p < pages.size(); ++p) {
            for (const char* s : {"Velmora Channel List", "channels.bin", "Number", "Channel Name", "Transponder",
                                  "Satellite Name"})
                EXPECT_TRUE(pages[p].contains(QLatin1String(s))) << "page " << p + 1 << ": " << s;
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()))) << p + 1;
            // Each row line starts with the channel's number.
            static const QRegularExpression rowLine("^\\s*(\\d{4,})\\s", QRegularExpression::MultilineOption);
            for (auto it = rowLine.globalMatch(pages[p]); it.hasNext();) numbers << it.next().captured(1).toInt();
        }
        for (int n = 1; n <= rows; ++n) expected << n;
        EXPECT_EQ(numbers, expected);
    }
}

TEST(PrintPdf, RefusesWithExitCode2AndWritesNothing) {
    QTemporaryDir dir;
    const QString good = writeSampleFile(dir.path()), damaged = dir.filePath(QStringLiteral("damaged.bin"));
    QFile::copy(good, damaged);
    QFile(damaged).resize(100);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const std::pair<QStringList, const char*> cases[] = {
        {{dir.filePath(QStringLiteral("missing.bin")), "--print-pdf", pdf}, "cannot be opened"},
        {{damaged, "--print-pdf", pdf}, "The file ends before"},
        {{good, "--print-pdf", dir.filePath(QStringLiteral("no/folder/out.pdf"))}, "cannot be written"},
        {{"--print-pdf", pdf}, "needs exactly one channel FILE"},
    };
    for (const auto& [args, message] : cases) {
        const auto [code, errors] = run(VELMORAEDIT, args);
        EXPECT_EQ(code, 2) << message;
        EXPECT_TRUE(errors.contains(QLatin1String(message))) << errors.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << message;
    }
}

}  // namespace
}  // namespace velmora::test
