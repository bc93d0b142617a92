// SPDX-License-Identifier: GPL-3.0-or-later
// The editor in German: the menu bar through the real start-up's
// translations, and the printout of the real program.
#include <QMenuBar>
#include <QProcess>
#include <QTranslator>

#include "languages.h"
#include "shell_fixture.h"

namespace velmora::test {
namespace {

using Language = ShellTest;

TEST_F(Language, GermanStartTranslatesTheMenuBarAndThePrintout) {
    const QStringList english = {"&File", "&Edit", "&View", "&Tools", "&Port", "&Window", "&About"};
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("velmoraedit_de"), QStringLiteral(VELMORA_QM_DIR)));
    QCoreApplication::installTranslator(&german);
    {
        CMainFrame frame(nullptr, ViewOptions{});
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions()) titles << a->text();
        ASSERT_EQ(titles.size(), english.size());
        int translated = 0;  // "&Port" is German too
        for (int i = 0; i < titles.size(); ++i) {
            EXPECT_EQ(titles[i], german.translate("velmora::CMainFrame", english[i].toUtf8().constData()));
            translated += titles[i] != english[i];
        }
        EXPECT_GE(translated, 4);
    }
    QCoreApplication::removeTranslator(&german);
    // The page line's words before its number, as the German file has them.
    const QString page = german.translate("velmora::ListPrinter", "Page %1 of %2").section("%1", 0, 0).trimmed();
    ASSERT_FALSE(page.isEmpty());

    // The program itself, as a German desktop starts it.
    const QString file = writeSampleFile(dir.path(), "de.bin");
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("VELMORA_LANGUAGE");
    env.insert("LANGUAGE", "de");
    env.insert("LANG", "de_DE.UTF-8");
    editor.setProcessEnvironment(env);
    editor.setWorkingDirectory(dir.path());
    editor.start(QStringLiteral(VELMORAEDIT), {file, "--print-pdf", dir.filePath("de.pdf")});
    ASSERT_TRUE(editor.waitForFinished(30000));
    QProcess text;
    text.start("pdftotext", {dir.filePath("de.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(page + " 1")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("Page 1 of")) << printed.toStdString();
}

}  // namespace
}  // namespace velmora::test
