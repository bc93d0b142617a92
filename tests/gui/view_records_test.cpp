// SPDX-License-Identifier: GPL-3.0-or-later
// The form's wiring of favourite boxes, the lock box, New and Delete to the
// table operations (whose arithmetic the core tests cover), and the mended
// faults around them.
#include <QDir>

#include "view_test_support.h"

namespace velmora::test {
namespace {

class RecordsTest : public SmallFileTest {
protected:
    std::vector<std::uint16_t> members(ChannelKind kind) const {  // group 0
        const auto& list = view->database().members(kind);
        return {list.begin(), list.begin() + view->database().memberCounts(kind)[0]};
    }
    bool checked(int id) const { return find<QCheckBox>(id)->isChecked(); }
    static std::array<int, 4> counts(const ChannelDatabase& db) {
        return {db.tvCount, db.radioCount, db.transponderCount, db.satelliteCount};
    }
};

TEST_F(RecordsTest, FavouriteBoxesShowAndChangeTheActiveListsGroups) {
    // TV 0 is second in News and first in Sport; the file has two groups only.
    EXPECT_EQ(text(1001), QStringLiteral("News"));
    EXPECT_TRUE(checked(1001) && checked(1002) && !checked(1003) && enabled(1002));
    EXPECT_EQ(text(1098) + text(1099) + text(1100), QStringLiteral("002001000"));
    EXPECT_FALSE(enabled(1003) || enabled(1013));

    click(1001);
    EXPECT_EQ(text(1098), QStringLiteral("000"));
    EXPECT_EQ(members(ChannelKind::Tv), std::vector<std::uint16_t>{2});
    selectRow(1017, 1);
    click(1001);  // ZDF takes the place TV 0 left
    EXPECT_EQ(text(1098), QStringLiteral("002"));
    click(1129);
    click(1001);  // radio 0 joins the radio side; TV stays
    EXPECT_EQ(members(ChannelKind::Radio), (std::vector<std::uint16_t>{1, 0}));
    EXPECT_EQ(members(ChannelKind::Tv), (std::vector<std::uint16_t>{2, 1}));

    // The lock box changes the channel at once; the scrambled box only shows.
    click(1128);
    click(1040);
    selectRow(1017, 2);
    EXPECT_TRUE(checked(1004) && !enabled(1007));
    click(1004);
    selectRow(1017, 0);
    EXPECT_EQ(saved().tv[2].locked, 0);
}

TEST_F(RecordsTest, NewOnEachPageCancelsAndSaves) {
    for (int page : {0, 1, 2}) {
        SCOPED_TRACE(page);
        click(1040);
        selectRow(1017, 1);
        showPage(page);
        click(1069);
        EXPECT_EQ(text(1026), page == 2 ? QStringLiteral("<inserted>") : QStringLiteral("<inseted>"));
        EXPECT_FALSE(enabled(1069) || enabled(1042) || enabled(1001) || enabled(1040));
        EXPECT_TRUE(enabled(1041) && enabled(1043));
        EXPECT_FALSE(editable(1058));  // never read back, never editable
        const int tv = view->database().tvCount;
        click(1043);
        EXPECT_EQ(view->database().tvCount, tv - 1);
        EXPECT_EQ(text(1026), cell(1017, 1, 1));
        click(1069);
        const QString third = cell(1017, page == 2 ? 2 : 1, 1);  // at row 2 after the save
        selectRow(1017, 2);  // the form stays on the new record
        const ChannelDatabase db = saved();
        EXPECT_EQ(QString::fromLatin1(fieldText(db.tv[2].name)), third);
        EXPECT_EQ(counts(db), (std::array{tv, 2, 3 + page, page == 2 ? 3 : 2}));
    }
}

TEST_F(RecordsTest, DeleteAsksOnEachPageAndCascades) {
    const auto original = readBytes(path);
    const struct {
        int page;
        ui::Answer answer;
        const char* question;
        std::array<int, 4> counts;
    } cases[] = {
        {0, ui::Answer::No, "Marked channel will be deleted, proceed saving?", {3, 2, 3, 2}},
        {0, ui::Answer::Yes, "Marked channel will be deleted, proceed saving?", {2, 2, 3, 2}},
        {1, ui::Answer::Yes, "All channels related to this transponder will be deleted, proceed SAVING?", {2, 1, 2, 2}},
        {2, ui::Answer::Yes, "All channels and transponders related to this satellite will be deleted, proceed SAVING?",
         {1, 1, 1, 1}},
    };
    for (const auto& c : cases) {
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
        EXPECT_EQ(m.caption + m.text, QStringLiteral("Ardel Editor") + QString::fromLatin1(c.question));
        EXPECT_TRUE(m.buttons == ui::Buttons::YesNo && m.icon == ui::Icon::Warning);
        EXPECT_EQ(counts(saved()), c.counts);
    }
}

TEST_F(RecordsTest, LastChannelEndsTheDataAndEmptyTablesRefuse) {
    click(1040);
    prompter->answers = {ui::Answer::Yes, ui::Answer::Yes, ui::Answer::Yes};
    for (int i = 0; i < 3; ++i) click(1042);
    EXPECT_EQ(prompter->texts().back(), QStringLiteral("End of Data"));
    EXPECT_EQ(text(1026), QStringLiteral("Null"));
    EXPECT_EQ(find<QComboBox>(1082)->count() + find<QComboBox>(1052)->count(), 8);  // items stay
    click(1042);
    EXPECT_EQ(prompter->texts().back(), QStringLiteral("Not Delete!!"));

    click(1129);  // radio channels can still go, though no TV channel is left
    prompter->answers = {ui::Answer::Yes};
    click(1042);
    const ChannelDatabase db = saved();
    EXPECT_EQ(db.radioCount, 1);
    EXPECT_EQ(db.transponders[0].frequency, 11747);  // the emptied form wrote nothing
}

TEST_F(RecordsTest, FailedSaveLeavesTheListsShowingWhatTheNextSaveWrites) {
    QDir(dir.path()).mkdir(QStringLiteral("gone"));
    path = writeDatabase(smallDatabase(), QStringLiteral("gone/channels.bin"));
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

TEST_F(RecordsTest, APendingNewLeavesTheTablesAsTheyWereThroughFailedSavesAndRefusedOpens) {
    enum End { Cancel, DamagedOpen, MissingOpenBoxCancel };
    const struct {
        int page;
        bool failSave;
        End end;
    } cases[] = {
        {0, true, Cancel}, {1, true, Cancel}, {0, true, DamagedOpen}, {0, false, MissingOpenBoxCancel},
    };
    const ChannelDatabase lettered = letteredDatabase(6, {"AB", "CD", "EF"});
    QDir(dir.path()).mkdir(QStringLiteral("gone"));
    writeBytes(dir.filePath(QStringLiteral("damaged.bin")), {'n', 'o', 't'});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.page << c.failSave << c.end);
        path = writeDatabase(lettered, QStringLiteral("gone/channels.bin"));
        open(path);
        click(1040);
        click(1041);  // the run's backup is made: a later save goes as far as the write
        selectRow(1017, 2);
        showPage(c.page);
        click(1069);
        if (c.failSave) {
            ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("gone"))).removeRecursively());
            click(1041);
            EXPECT_TRUE(view->flags().newRecordPending);
            QDir(dir.path()).mkdir(QStringLiteral("gone"));
        }
        if (c.end == DamagedOpen) open(dir.filePath(QStringLiteral("damaged.bin")));  // "Save changes?" No
        if (c.end == MissingOpenBoxCancel) {
            open(dir.filePath(QStringLiteral("missing.bin")));
            EXPECT_FALSE(enabled(1001));
            click(1002);
        }
        if (c.end != DamagedOpen) click(1043);
        const ChannelDatabase db = saved();
        std::string names;
        for (int i = 0; i < db.tvCount; ++i) names += fieldText(db.tv[i].name);
        EXPECT_EQ(names, "ABCDEF");
        EXPECT_EQ(memberNames(db, ChannelKind::Tv), "0:AB 1:CD 2:EF");
        EXPECT_EQ(counts(db), counts(lettered));
    }
}

TEST_F(RecordsTest, AChannelAGroupListsTwiceGoesBackToBothPlaces) {
    open(writeDatabase(letteredDatabase(4, {"ABAC"})));
    click(1001);
    click(1001);
    EXPECT_EQ(text(1098), QStringLiteral("003"));
    EXPECT_EQ(memberNames(view->database(), ChannelKind::Tv), "0:ABAC");
}

TEST_F(RecordsTest, UneditedOddValuesSurviveASave) {
    ChannelDatabase odd = smallDatabase();
    odd.tv[1].name.fill('Z');               // no terminating zero
    odd.transponders[2].polarization = 2;  // no item names it
    odd.tv[0].transponderIndex = 9;        // outside the table
    open(writeDatabase(odd));
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
