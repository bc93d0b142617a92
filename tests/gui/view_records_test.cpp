// The form's wiring of favourite boxes, the lock box, New and Delete to the
// table operations (whose arithmetic the core tests cover), and the mended
// faults around them.
#include <QDir>

#include "channel_reader.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

class RecordsTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        path = writeDatabase(smallDatabase());
        open(path);
    }
    ChannelDatabase saved() {
        click(1041);
        ChannelDatabase db;
        EXPECT_TRUE(loadChannelFile(path.toStdString(), db).ok());
        return db;
    }
    std::vector<std::uint16_t> members(ChannelKind kind, std::size_t group) const {
        const ChannelDatabase& db = view->database();
        const auto at = db.members(kind).begin() + static_cast<std::ptrdiff_t>(db.groupMemberOffset(kind, group));
        return {at, at + db.memberCounts(kind)[group]};
    }
    bool checked(int id) const { return find<QCheckBox>(id)->isChecked(); }
    QString path;
};

using Members = std::vector<std::uint16_t>;

TEST_F(RecordsTest, FavouriteBoxesShowAndChangeTheActiveListsGroups) {
    EXPECT_EQ(text(1001), QStringLiteral("News"));
    EXPECT_EQ(text(1002), QStringLiteral("Sport"));
    // TV 0 is second in News and first in Sport; the file has two groups only.
    EXPECT_TRUE(checked(1001) && checked(1002));
    EXPECT_EQ(text(1098), QStringLiteral("002"));
    EXPECT_EQ(text(1099), QStringLiteral("001"));
    EXPECT_FALSE(checked(1003));
    EXPECT_TRUE(enabled(1001));
    for (int id : {1003, 1006, 1013}) EXPECT_FALSE(enabled(id)) << id;

    click(1001);  // out of News ...
    EXPECT_EQ(text(1098), QStringLiteral("000"));
    EXPECT_EQ(members(ChannelKind::Tv, 0), Members{2});
    selectRow(1017, 1);
    click(1001);  // ... and ZDF takes the place TV 0 left
    EXPECT_EQ(text(1098), QStringLiteral("002"));
    EXPECT_EQ(members(ChannelKind::Tv, 0), (Members{2, 1}));
    click(1002);  // appended to Sport
    EXPECT_EQ(text(1099), QStringLiteral("002"));
    EXPECT_EQ(members(ChannelKind::Tv, 1), (Members{0, 1}));

    click(1129);
    click(1001);  // radio 0 joins the radio side of News; TV stays as it was
    EXPECT_EQ(members(ChannelKind::Radio, 0), (Members{1, 0}));
    EXPECT_EQ(members(ChannelKind::Tv, 0), (Members{2, 1}));
    click(1040);
    EXPECT_EQ(saved().radioMembers[1], 0);
}

TEST_F(RecordsTest, LockBoxChangesTheChannelAtOnce) {
    click(1040);
    selectRow(1017, 2);
    EXPECT_TRUE(checked(1004));
    EXPECT_FALSE(enabled(1007));
    click(1004);
    EXPECT_EQ(view->database().tv[2].locked, 0);
    selectRow(1017, 0);
    EXPECT_EQ(saved().tv[2].locked, 0);
}

TEST_F(RecordsTest, NewOnEachPagePreparesCancelsAndSaves) {
    const auto original = readBytes(path);
    for (int page : {0, 1, 2}) {
        SCOPED_TRACE(page);
        click(1040);
        selectRow(1017, 1);
        showPage(page);
        click(1069);
        EXPECT_EQ(text(1026), page == 2 ? QStringLiteral("<inserted>") : QStringLiteral("<inseted>"));
        EXPECT_EQ(text(1028), page == 2 ? QString() : QStringLiteral("0000"));
        for (int id : {1069, 1042, 1001, 1040}) EXPECT_FALSE(enabled(id)) << id;
        for (int id : {1041, 1043}) EXPECT_TRUE(enabled(id)) << id;
        if (page > 0) {
            EXPECT_FALSE(editable(1058));
        }
        click(1043);
        EXPECT_EQ(view->database().tvCount, 3);
        EXPECT_EQ(text(1026), QStringLiteral("ZDF"));
        click(1069);
        showPage(0);
        type(1026, QStringLiteral("Neu"));
        const ChannelDatabase db = saved();
        ASSERT_EQ(db.tvCount, 4);
        const std::size_t at = page == 2 ? 3 : 1;
        EXPECT_EQ(fieldText(db.tv[at].name), "Neu");
        EXPECT_EQ(rows(1017), 4);
        // Every other channel keeps its transponder; the new one has its own.
        EXPECT_EQ(db.transponders[db.tv[page == 2 ? 1 : 2].transponderIndex].transponderId, 0x03fb);
        EXPECT_EQ(db.transponderCount, page == 0 ? 3 : 4);
        EXPECT_EQ(db.satelliteCount, page == 2 ? 3 : 2);
        if (page == 2) {
            EXPECT_EQ(db.transponders[db.tv[3].transponderIndex].satelliteIndex, 2);
        }
        // News still names TV Norge and Das Erste.
        EXPECT_EQ(fieldText(db.tv[db.tvMembers[0]].name), "TV Norge");
        EXPECT_EQ(fieldText(db.tv[db.tvMembers[1]].name), "Das Erste");
        writeBytes(path, original);
        open(path);
    }
}

TEST_F(RecordsTest, DeleteAsksOnEachPageAndCascades) {
    struct Case {
        int page;
        ui::Answer answer;
        const char* question;
        int tv, radio, transponders, satellites;
    };
    const auto original = readBytes(path);
    for (const Case& c : {Case{0, ui::Answer::No, "Marked channel will be deleted, proceed saving?", 3, 2, 3, 2},
                          Case{0, ui::Answer::Yes, "Marked channel will be deleted, proceed saving?", 2, 2, 3, 2},
                          Case{1, ui::Answer::Yes, "All channels related to this transponder will be deleted, proceed SAVING?", 2, 1, 2, 2},
                          Case{2, ui::Answer::Yes, "All channels and transponders related to this satellite will be deleted, proceed SAVING?", 1, 1, 1, 1}}) {
        SCOPED_TRACE(c.question);
        writeBytes(path, original);
        open(path);
        click(1040);
        showPage(c.page);
        prompter->messages.clear();
        prompter->answers = {c.answer};
        click(1042);
        ASSERT_EQ(prompter->messages.size(), 1);
        const auto& m = prompter->messages[0];
        EXPECT_EQ(m.text, QString::fromLatin1(c.question));
        EXPECT_EQ(m.caption, QStringLiteral("Ardel Editor"));
        EXPECT_EQ(m.buttons, ui::Buttons::YesNo);
        EXPECT_EQ(m.icon, ui::Icon::Warning);
        const ChannelDatabase db = saved();
        EXPECT_EQ(db.tvCount, c.tv);
        EXPECT_EQ(db.radioCount, c.radio);
        EXPECT_EQ(db.transponderCount, c.transponders);
        EXPECT_EQ(db.satelliteCount, c.satellites);
        EXPECT_EQ(rows(1017), c.tv);
        EXPECT_EQ(selectedRow(1017), 0);
    }
}

TEST_F(RecordsTest, LastChannelEndsTheDataAndEmptyTablesRefuse) {
    click(1040);
    prompter->answers = {ui::Answer::Yes, ui::Answer::Yes, ui::Answer::Yes};
    for (int i = 0; i < 3; ++i) click(1042);
    EXPECT_EQ(prompter->texts().back(), QStringLiteral("End of Data"));
    EXPECT_EQ(text(1026), QStringLiteral("Null"));
    EXPECT_EQ(find<QComboBox>(1082)->count(), 2);  // the drop-downs keep their items
    EXPECT_EQ(find<QComboBox>(1052)->count(), 6);
    click(1042);
    EXPECT_EQ(prompter->texts().back(), QStringLiteral("Not Delete!!"));

    // Radio channels can still go, though no TV channel is left.
    click(1129);
    prompter->answers = {ui::Answer::Yes};
    click(1042);
    const ChannelDatabase db = saved();
    EXPECT_EQ(db.tvCount, 0);
    EXPECT_EQ(db.radioCount, 1);
    EXPECT_EQ(db.transponders[0].frequency, 11747);  // the emptied form wrote nothing
}

TEST_F(RecordsTest, FailedSaveLeavesTheListsShowingWhatTheNextSaveWrites) {
    QDir(dir.path()).mkdir(QStringLiteral("gone"));
    path = dir.filePath(QStringLiteral("gone/channels.bin"));
    writeBytes(path, fileBytes(smallDatabase(), 0));
    open(path);
    click(1040);
    type(1026, QStringLiteral("Kept"));
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("gone"))).removeRecursively());
    click(1041);
    selectRow(1017, 1);
    selectRow(1017, 0);
    EXPECT_EQ(text(1026), QStringLiteral("Kept"));
    QDir(dir.path()).mkdir(QStringLiteral("gone"));
    EXPECT_EQ(fieldText(saved().tv[0].name), "Kept");
}

TEST_F(RecordsTest, UneditedOddValuesSurviveASave) {
    ChannelDatabase odd = smallDatabase();
    odd.tv[1].name.fill('Z');               // no terminating zero
    odd.transponders[2].polarization = 2;  // no item names it
    odd.tv[0].transponderIndex = 9;        // outside the table
    writeBytes(path, fileBytes(odd, 0));
    open(path);
    selectRow(1017, 1);
    selectRow(1017, 0);
    EXPECT_EQ(text(1020), QString());  // no satellite, not the one shown before
    click(1040);
    selectRow(1017, 1);
    EXPECT_EQ(fieldText(saved().tv[1].name), std::string(24, 'Z'));
    selectRow(1017, 2);
    EXPECT_EQ(saved().transponders[2].polarization, 2);
}

}  // namespace
}  // namespace velmora::test
