// Edit > Apply Order From…: when it is offered, and that it reaches the
// reorder, the dialog and the lists. The matching itself is tested in core.
#include <QDialog>
#include <QPlainTextEdit>

#include "channel_edit.h"
#include "channel_reader.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

constexpr int kApplyOrder = 32795;

class ApplyOrderTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        path = writeDatabase(smallDatabase());
        // The same channels, TV in reverse order and the radio pair swapped.
        ChannelDatabase ref = smallDatabase();
        applyChannelOrder(ref, ChannelKind::Tv, std::vector<int>{2, 1, 0});
        applyChannelOrder(ref, ChannelKind::Radio, std::vector<int>{1, 0});
        refPath = writeDatabase(ref, QStringLiteral("ref.bin"));
        open(path);
    }
    QString path, refPath;
};

TEST_F(ApplyOrderTest, OfferedInEditModeWhileNothingIsPending) {
    EXPECT_FALSE(view->commandEnabled(kApplyOrder));
    click(1040);
    EXPECT_TRUE(view->commandEnabled(kApplyOrder));
    for (bool EditFlags::*pending : {&EditFlags::cutPending, &EditFlags::sortPending, &EditFlags::newRecordPending}) {
        view->flags().*pending = true;
        EXPECT_FALSE(view->commandEnabled(kApplyOrder));
        view->flags().*pending = false;
    }
}

TEST_F(ApplyOrderTest, ReportThenBothListsInTheReferenceOrderAndSaveWritesIt) {
    click(1040);
    selectRow(1017, 0);  // Das Erste, last in the reference
    QString report;
    prompter->openPaths = {refPath, refPath};
    prompter->dialogHandler = [&](QDialog& d) {
        report = d.findChild<QPlainTextEdit*>("1171")->toPlainText();
        return report.isEmpty() || prompter->dialogsRun.size() > 1 ? QDialog::Rejected : QDialog::Accepted;
    };
    ASSERT_TRUE(view->handleCommand(kApplyOrder));
    EXPECT_TRUE(report.startsWith("TV: 3 of 3 channels matched (3 by ids, 0 by name)")) << report.toStdString();
    EXPECT_EQ(cell(1017, 0, 1), "TV Norge");
    EXPECT_EQ(cell(1017, 2, 1), "Das Erste");
    EXPECT_EQ(selectedRow(1017), 2);  // the selection followed its channel
    EXPECT_EQ(cell(1018, 0, 1), "NRK P1");

    view->handleCommand(kApplyOrder);  // rejected: nothing changes
    EXPECT_EQ(cell(1017, 0, 1), "TV Norge");

    click(1041);
    ChannelDatabase saved;
    ASSERT_TRUE(loadChannelFile(path.toStdString(), saved).ok());
    EXPECT_EQ(fieldText(saved.tv[0].name), "TV Norge");
    EXPECT_EQ(fieldText(saved.radio[0].name), "NRK P1");
    EXPECT_EQ(saved.tvMembers[0], 0);  // News: TV Norge, then Das Erste
    EXPECT_EQ(saved.tvMembers[1], 2);
}

}  // namespace
}  // namespace velmora::test
