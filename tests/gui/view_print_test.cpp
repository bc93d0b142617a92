// Printing from the form: enabling, which list and file name reach the
// printout, the screen's columns in the layout, the preview's page keys.
#include <QFile>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>

#include "sample_data.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

constexpr int kPrint = 57607;
constexpr int kPreview = 57609;

using PrintTest = ViewTest;

TEST_F(PrintTest, PrintAndPreviewNeedACurrentRow) {
    SampleOptions none;  // a file without channels: no list has a current row
    none.tv = none.radio = 0;
    open(writeDatabase(makeSampleDatabase(none)));
    for (int id : {kPrint, kPreview}) {
        EXPECT_FALSE(view->commandEnabled(id)) << id;
        EXPECT_TRUE(view->handleCommand(id));  // an accelerator still gets here
    }
    EXPECT_TRUE(prompter->dialogsRun.isEmpty());
    EXPECT_TRUE(view->commandEnabled(57606));  // Print Setup
    view->handleCommand(57606);
    EXPECT_EQ(prompter->dialogsRun, QStringList{QStringLiteral("QPageSetupDialog")});
    open(writeDatabase(smallDatabase()));
    EXPECT_TRUE(view->commandEnabled(kPrint) && view->commandEnabled(kPreview));
}

TEST_F(PrintTest, PrintsTheListLastUsedUnderTheLoadedFilesName) {
    QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    prompter->dialogHandler = [&pdf](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    };
    const struct {
        const char* file;
        int list;
        const QTableView* printed;
    } cases[] = {{"first.bin", 1128, view->tvList()}, {"second.bin", 1129, view->radioList()}};
    for (const auto& c : cases) {
        open(writeDatabase(smallDatabase(), QString::fromLatin1(c.file)));
        click(c.list);
        QFile::remove(pdf);
        view->handleCommand(kPrint);
        EXPECT_TRUE(QFile::exists(pdf)) << c.file;
        EXPECT_EQ(view->listPrinter().source(), c.printed) << c.file;
        EXPECT_EQ(view->listPrinter().subtitle(), QString::fromLatin1(c.file));
    }
    EXPECT_EQ(prompter->dialogsRun, QStringList(2, QStringLiteral("QPrintDialog")));

    // A job that cannot start says so.
    pdf = dir.filePath(QStringLiteral("no/folder/out.pdf"));
    view->handleCommand(kPrint);
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_EQ(prompter->messages[0].text, QStringLiteral("The channel list could not be printed on %1.").arg(pdf));
}

TEST_F(PrintTest, ScreenColumnOrderAndWidthsReachThePrintout) {
    open(writeDatabase(smallDatabase()));
    QHeaderView* header = view->tvList()->horizontalHeader();
    header->moveSection(3, 0);
    header->resizeSection(1, 120);
    ASSERT_TRUE(view->printListToPdf(dir.filePath(QStringLiteral("cols.pdf")), ChannelKind::Tv));
    const PageLayout& layout = view->listPrinter().layout();
    std::vector<int> order;
    for (const PrintColumn& c : layout.columns) order.push_back(c.column);
    ASSERT_EQ(order, (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(layout.columns[2].right - layout.columns[2].start, static_cast<int>(120 * layout.scale));
}

TEST_F(PrintTest, PreviewTurnsPagesWithPageKeysAndClosesWithEscape) {
    SampleOptions options;
    options.tv = 300;
    open(writeDatabase(makeSampleDatabase(options)));
    std::vector<int> pagesSeen;  // page count, then the page after each key
    bool closed = false;
    prompter->dialogHandler = [&](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* pages = dialog.findChild<QPrintPreviewWidget*>();
        pagesSeen.push_back(pages->pageCount());
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
            QTest::keyClick(keys, key);
            pagesSeen.push_back(pages->currentPage());
        }
        QTest::keyClick(keys, Qt::Key_Escape);
        closed = !dialog.isVisible();
        return dialog.result();
    };
    view->handleCommand(kPreview);
    ASSERT_EQ(pagesSeen.size(), 4u);
    EXPECT_GT(pagesSeen[0], 2);
    EXPECT_EQ(std::vector<int>(pagesSeen.begin() + 1, pagesSeen.end()), (std::vector<int>{2, 3, 2}));
    EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace velmora::test
