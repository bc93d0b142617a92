// Printing from the form: which list and file name reach the printout, the
// enabling of Print and Print Preview, the preview's page keys, and the
// screen's column order and widths carried into the page layout.
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
constexpr int kPrintSetup = 57606;

class PrintTest : public ViewTest {
protected:
    // The print dialog answered with "print to this PDF file".
    void answerPrintDialog(const QString& pdf) {
        prompter->dialogHandler = [pdf](QDialog& dialog) {
            QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return int(QDialog::Accepted);
        };
    }
};

TEST_F(PrintTest, PrintAndPreviewNeedACurrentRow) {
    SampleOptions none;
    none.tv = none.radio = 0;
    for (const QString& file : {QString(), writeDatabase(makeSampleDatabase(none))}) {
        SCOPED_TRACE(file.toStdString());
        if (!file.isEmpty()) open(file);
        for (int id : {kPrint, kPreview}) {
            EXPECT_FALSE(view->commandEnabled(id));
            EXPECT_TRUE(view->handleCommand(id));  // an accelerator still reaches it
        }
        EXPECT_TRUE(prompter->dialogsRun.isEmpty());
        EXPECT_TRUE(view->commandEnabled(kPrintSetup));
    }
    open(writeDatabase(smallDatabase()));
    EXPECT_TRUE(view->commandEnabled(kPrint));
    EXPECT_TRUE(view->commandEnabled(kPreview));
}

TEST_F(PrintTest, PrintsTheListLastActedOnUnderTheLoadedFilesName) {
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    answerPrintDialog(pdf);
    open(writeDatabase(smallDatabase(), QStringLiteral("first.bin")));
    view->handleCommand(kPrint);
    EXPECT_EQ(prompter->dialogsRun, QStringList{QStringLiteral("QPrintDialog")});
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(view->listPrinter().source(), view->tvList());
    EXPECT_EQ(view->listPrinter().subtitle(), QStringLiteral("first.bin"));

    click(1129);
    open(writeDatabase(smallDatabase(), QStringLiteral("second.bin")));
    click(1129);
    QFile::remove(pdf);
    view->handleCommand(kPrint);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(view->listPrinter().source(), view->radioList());
    EXPECT_EQ(view->listPrinter().subtitle(), QStringLiteral("second.bin"));
    EXPECT_EQ(view->listPrinter().layout().rowCount, 2);

    // A cancelled dialog prints nothing.
    prompter->dialogHandler = nullptr;
    QFile::remove(pdf);
    view->handleCommand(kPrint);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintTest, ScreenColumnOrderAndWidthsReachThePrintout) {
    open(writeDatabase(smallDatabase()));
    QHeaderView* header = view->tvList()->horizontalHeader();
    header->moveSection(3, 0);
    header->resizeSection(1, 120);
    ASSERT_TRUE(view->printListToPdf(dir.filePath(QStringLiteral("cols.pdf")), ChannelKind::Tv));
    const PageLayout& layout = view->listPrinter().layout();
    ASSERT_EQ(layout.columns.size(), 4u);
    std::vector<int> order;
    for (const PrintColumn& c : layout.columns) order.push_back(c.column);
    EXPECT_EQ(order, (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(layout.columns[2].right - layout.columns[2].start, static_cast<int>(120 * layout.scale));
}

TEST_F(PrintTest, PreviewTurnsPagesWithPageKeysAndClosesWithEscape) {
    SampleOptions options;
    options.tv = 300;
    open(writeDatabase(makeSampleDatabase(options)));
    struct Seen {
        int pages = 0, afterDown = 0, afterUp = 0;
        bool closed = false;
    } seen;
    prompter->dialogHandler = [&seen](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* pages = dialog.findChild<QPrintPreviewWidget*>();
        seen.pages = pages->pageCount();
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
        QTest::keyClick(keys, Qt::Key_PageDown);
        seen.afterDown = pages->currentPage();
        QTest::keyClick(keys, Qt::Key_PageUp);
        seen.afterUp = pages->currentPage();
        QTest::keyClick(keys, Qt::Key_Escape);
        seen.closed = !dialog.isVisible();
        return dialog.result();
    };
    view->handleCommand(kPreview);
    EXPECT_EQ(prompter->dialogsRun, QStringList{QStringLiteral("print-preview")});
    EXPECT_GT(seen.pages, 1);
    EXPECT_EQ(seen.afterDown, 2);
    EXPECT_EQ(seen.afterUp, 1);
    EXPECT_TRUE(seen.closed);
}

}  // namespace
}  // namespace velmora::test
