// SPDX-License-Identifier: GPL-3.0-or-later
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

constexpr int kPrint = 57607, kPreview = 57609, kSetup = 57606;

using PrintTest = ViewTest;

TEST_F(PrintTest, PrintAndPreviewNeedACurrentRow) {
    SampleOptions none;  // a file without channels: no list has a current row
    none.tv = none.radio = 0;
    open(writeDatabase(makeSampleDatabase(none)));
    for (int id : {kPrint, kPreview}) {
        EXPECT_FALSE(view->commandEnabled(id)) << id;
        EXPECT_TRUE(view->handleCommand(id));  // an accelerator still gets here
    }
    EXPECT_TRUE(view->commandEnabled(kSetup));
    view->handleCommand(kSetup);
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
    for (const auto& [file, list] : {std::pair{"first.bin", 1128}, {"second.bin", 1129}}) {
        open(writeDatabase(smallDatabase(), QString::fromLatin1(file)));
        click(list);
        QFile::remove(pdf);
        view->handleCommand(kPrint);
        EXPECT_TRUE(QFile::exists(pdf)) << file;
        EXPECT_EQ(view->listPrinter().source(), list == 1128 ? view->tvList() : view->radioList()) << file;
        EXPECT_EQ(view->listPrinter().subtitle(), QString::fromLatin1(file));
    }
    EXPECT_EQ(prompter->dialogsRun, QStringList(2, QStringLiteral("QPrintDialog")));

    pdf = dir.filePath(QStringLiteral("no/folder/out.pdf"));  // a job that cannot start says so
    view->handleCommand(kPrint);
    EXPECT_EQ(prompter->texts(), QStringList{QStringLiteral("The channel list could not be printed on %1.").arg(pdf)});
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
    std::vector<int> pages;  // page count, then the page after each key; 0 once closed
    QStringList counter;     // the toolbar's page number after each key
    prompter->dialogHandler = [&](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        pages.push_back(std::min(preview->pageCount(), 3));
        QLineEdit* number = nullptr;  // the one line edit that is not the zoom box's
        for (QLineEdit* e : dialog.findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(e->parentWidget())) number = e;
        QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp}) {
            QTest::keyClick(keys, key);
            pages.push_back(preview->currentPage());
            counter << (number ? number->text() : QString());
        }
        QTest::keyClick(keys, Qt::Key_Escape);
        pages.push_back(dialog.isVisible());
        return dialog.result();
    };
    view->handleCommand(kPreview);
    EXPECT_EQ(pages, (std::vector<int>{3, 2, 3, 2, 0}));
    EXPECT_EQ(counter, QStringList({"2", "3", "2"}));
}

}  // namespace
}  // namespace velmora::test
