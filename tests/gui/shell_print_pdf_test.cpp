// velmoraedit FILE --print-pdf OUT.pdf [--radio] run as a script runs it: the
// text of the PDF it writes, and its refusals.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "shell_fixture.h"

namespace velmora::test {
namespace {

// Exit code and error output of the editor.
std::pair<int, QString> runEditor(const QStringList& args) {
    QProcess editor;
    editor.start(QStringLiteral(VELMORAEDIT), args);
    editor.waitForFinished(60000);
    return {editor.exitStatus() == QProcess::NormalExit ? editor.exitCode() : -1,
            QString::fromLocal8Bit(editor.readAllStandardError())};
}

TEST(PrintPdf, PagesHoldTitleHeadingsEveryRowInListOrderAndTheirNumber) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    SampleOptions options;
    options.tv = 150;
    options.radio = 3;
    ChannelDatabase db = makeSampleDatabase(options);
    const QString file = dir.filePath(QStringLiteral("channels.bin"));
    ASSERT_TRUE(writeChannelFile(file.toStdString(), db, SaveOptions{}).ok);

    for (const int rows : {150, 3}) {
        SCOPED_TRACE(rows);
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        const auto [code, errors] = runEditor(QStringList{file, QStringLiteral("--print-pdf"), pdf} +
                                              (rows == 3 ? QStringList{QStringLiteral("--radio")} : QStringList{}));
        ASSERT_EQ(code, 0) << errors.toStdString();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        text.waitForFinished(60000);
        const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        EXPECT_EQ(pages.size() > 1, rows == 150);
        QList<int> numbers, expected;
        for (int p = 0; p < pages.size(); ++p) {
            for (const char* s : {"Velmora Channel List", "channels.bin", "Number", "Channel Name", "Transponder",
                                  "Satellite Name"})
                EXPECT_TRUE(pages[p].contains(QLatin1String(s))) << "page " << p + 1 << ": " << s;
            EXPECT_TRUE(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()))) << p + 1;
            // Each row line starts with the channel's number.
            static const QRegularExpression rowLine(QStringLiteral("^\\s*(\\d{4,})\\s"),
                                                    QRegularExpression::MultilineOption);
            for (auto it = rowLine.globalMatch(pages[p]); it.hasNext();) numbers << it.next().captured(1).toInt();
        }
        for (int n = 1; n <= rows; ++n) expected << n;
        EXPECT_EQ(numbers, expected);
    }
}

TEST(PrintPdf, RefusesWithExitCode2AndWritesNothing) {
    QTemporaryDir dir;
    const QString good = writeSampleFile(dir.path());
    const QString damaged = dir.filePath(QStringLiteral("damaged.bin"));
    QFile::copy(good, damaged);
    QFile(damaged).resize(100);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString option = QStringLiteral("--print-pdf");
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{dir.filePath(QStringLiteral("missing.bin")), option, pdf}, "cannot be opened"},
        {{damaged, option, pdf}, "The file ends before"},
        {{good, option, dir.filePath(QStringLiteral("no/folder/out.pdf"))}, "cannot be written"},
        {{option, pdf}, "needs exactly one channel FILE"},
    };
    for (const auto& c : cases) {
        const auto [code, errors] = runEditor(c.args);
        EXPECT_EQ(code, 2) << c.message;
        EXPECT_TRUE(errors.contains(QLatin1String(c.message))) << errors.toStdString();
        EXPECT_FALSE(QFile::exists(pdf)) << c.message;
    }
}

}  // namespace
}  // namespace velmora::test
