// velmoraedit FILE --print-pdf OUT.pdf [--radio], run as a script runs it:
// the text of the PDF it writes, and its refusals.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "shell_fixture.h"

namespace velmora::test {
namespace {

struct EditorRun {
    int exitCode = -1;
    QString errors;
};

EditorRun runEditor(const QStringList& args) {
    QProcess editor;
    editor.start(QStringLiteral(VELMORAEDIT), args);
    editor.waitForFinished(60000);
    return {editor.exitStatus() == QProcess::NormalExit ? editor.exitCode() : -1,
            QString::fromLocal8Bit(editor.readAllStandardError())};
}

// The pages of the PDF as text, one string per page.
QStringList pdfPages(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
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
        const QString pdf = dir.filePath(QStringLiteral("list-%1.pdf").arg(rows));
        QStringList args{file, QStringLiteral("--print-pdf"), pdf};
        if (rows == 3) args << QStringLiteral("--radio");
        const EditorRun run = runEditor(args);
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const QStringList pages = pdfPages(pdf);
        ASSERT_EQ(pages.size() > 1, rows == 150);
        QList<int> numbers;
        const QRegularExpression rowLine(QStringLiteral("^\\s*(\\d{4,})\\s"));
        for (int p = 0; p < pages.size(); ++p) {
            const QString& page = pages[p];
            for (const char* text : {"Velmora Channel List", "channels.bin", "Number", "Channel Name", "Transponder",
                                     "Satellite Name"})
                EXPECT_TRUE(page.contains(QLatin1String(text))) << "page " << p + 1 << ": " << text;
            EXPECT_TRUE(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size()))) << p + 1;
            for (const QString& line : page.split(QLatin1Char('\n'))) {
                const auto match = rowLine.match(line);
                if (match.hasMatch()) numbers << match.captured(1).toInt();
            }
        }
        QList<int> expected;
        for (int n = 1; n <= rows; ++n) expected << n;
        EXPECT_EQ(numbers, expected);
    }
}

TEST(PrintPdf, RefusesWithExitCode2AndWritesNothing) {
    QTemporaryDir dir;
    const QString good = writeSampleFile(dir.path());
    const QString damaged = dir.filePath(QStringLiteral("damaged.bin"));
    QFile(good).copy(damaged);
    QFile(damaged).resize(100);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{dir.filePath(QStringLiteral("missing.bin")), QStringLiteral("--print-pdf"), pdf}, "cannot be opened"},
        {{damaged, QStringLiteral("--print-pdf"), pdf}, "The file ends before"},
        {{good, QStringLiteral("--print-pdf"), dir.filePath(QStringLiteral("no/such/folder/out.pdf"))},
         "cannot be written"},
        {{QStringLiteral("--print-pdf"), pdf}, "needs exactly one channel FILE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const EditorRun run = runEditor(c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.contains(QLatin1String(c.message))) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

}  // namespace
}  // namespace velmora::test
