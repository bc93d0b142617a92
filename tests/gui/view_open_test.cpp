// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open: what a good file puts on the form, how a bad file is refused,
// and which file Save writes afterwards.
#include <QTableView>
#include <filesystem>

#include "channel_reader.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

using OpenTest = ViewTest;

TEST_F(OpenTest, GoodFileFillsBothListsAndSelectsFirstTvRow) {
    EXPECT_EQ(text(1001), QStringLiteral("-----"));
    const QString path = writeDatabase(smallDatabase());
    open(path);

    ASSERT_EQ(prompter->openRequests.size(), 1);
    EXPECT_EQ(prompter->openRequests[0].defaultSuffix, QStringLiteral("bin"));
    EXPECT_EQ(prompter->openRequests[0].initialName, QStringLiteral("*.bin"));
    EXPECT_EQ(prompter->openRequests[0].filter,
              QStringLiteral("Velmora Binary Files(*.bin,*.sgn) (*.bin *.sgn);;All Files(*.*) (*)"));
    EXPECT_TRUE(prompter->messages.isEmpty());

    ASSERT_EQ(rows(1017), 3);
    const QStringList tv0{"0001", "Das Erste", "11747 H 27500 3/4", "Astra 1KR"};
    const QStringList tv2{"0003", "TV Norge", "10872 V 25000 7/8", "Thor 6"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(cell(1017, 0, c), tv0[c]);
        EXPECT_EQ(cell(1017, 2, c), tv2[c]);
    }
    ASSERT_EQ(rows(1018), 2);
    const QStringList radio1{"0002", "NRK P1", "10872 V 25000 7/8", "Thor 6"};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(cell(1018, 1, c), radio1[c]);

    // Only scrambled rows carry the picture.
    auto* tv = find<QTableView>(1017);
    EXPECT_TRUE(tv->model()->index(0, 0).data(Qt::DecorationRole).isNull());
    EXPECT_FALSE(tv->model()->index(1, 0).data(Qt::DecorationRole).isNull());

    EXPECT_EQ(selectedRow(1017), 0);
    EXPECT_EQ(text(1026), QStringLiteral("Das Erste"));
    EXPECT_TRUE(shown(1017));
    EXPECT_FALSE(shown(1018));
    EXPECT_TRUE(find<QCheckBox>(1128)->isChecked());
    EXPECT_EQ(text(1054), path);
    EXPECT_EQ(view->flags().filePath, path.toStdString());
    EXPECT_TRUE(view->flags().fileLoaded);
    EXPECT_FALSE(view->flags().editActive);

    // Viewing state.
    for (int id : {1040, 1128, 1129}) EXPECT_TRUE(enabled(id)) << id;
    for (int id : {1069, 1041, 1042, 1043, 1004, 1007, 1106, 1045, 1049}) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(editable(1026));

    // Group names on the first two boxes, empty names beyond the count.
    EXPECT_EQ(text(1001), QStringLiteral("News"));
    EXPECT_EQ(text(1002), QStringLiteral("Sport"));
    EXPECT_EQ(text(1003), QString());
    EXPECT_TRUE(enabled(1001));

    auto* chooser = find<QComboBox>(1045);
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->itemText(0), QStringLiteral("11747H  27500  3/4"));
    EXPECT_EQ(chooser->itemText(1), QStringLiteral("12188V  27500  AUTO"));
}

TEST_F(OpenTest, HeaderAndColumnLayout) {
    open(writeDatabase(smallDatabase()));
    auto* tv = find<QTableView>(1017);
    const QStringList headers{"Number", "Channel Name", "Transponder", "Satellite Name"};
    const int widths[] = {80, 195, 160, 130};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(tv->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(tv->columnWidth(c), widths[c]);
    }
    EXPECT_TRUE(tv->showGrid());
    EXPECT_EQ(tv->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(tv->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(OpenTest, SecondFileReplacesEverything) {
    open(writeDatabase(smallDatabase()));
    ChannelDatabase other = smallDatabase();
    other.tvCount = 1;
    other.transponderCount = 1;
    other.general.favoriteGroupCount = 0;
    other.tvMemberCount[0] = other.radioMemberCount[0] = other.tvMemberCount[1] = 0;
    other.radio[0].transponderIndex = other.radio[1].transponderIndex = 0;
    const QString second = writeDatabase(other, QStringLiteral("second.bin"));
    open(second);
    EXPECT_EQ(rows(1017), 1);
    EXPECT_EQ(find<QComboBox>(1045)->count(), 1);
    EXPECT_EQ(text(1001), QString());
    EXPECT_EQ(text(1054), second);
}

TEST_F(OpenTest, FileWithoutTvChannelsShowsNothingOfThePreviousFile) {
    open(writeDatabase(smallDatabase()));
    selectRow(1017, 2);
    ChannelDatabase radioOnly = smallDatabase();
    radioOnly.tvCount = 0;
    radioOnly.tvMemberCount[0] = radioOnly.tvMemberCount[1] = 0;
    const QString path = writeDatabase(radioOnly, QStringLiteral("radio-only.bin"));
    open(path);
    EXPECT_EQ(rows(1017), 0);
    EXPECT_EQ(view->activeList(), CArdelEditView::ActiveList::None);
    for (int id : {1026, 1028, 1080, 1056, 1062}) EXPECT_EQ(text(id), QString()) << id;
    EXPECT_EQ(text(1020), QString());

    // An edit without a shown record changes nothing in the file.
    click(1040);
    type(1026, QStringLiteral("Stale"));
    showPage(2);
    type(1056, QStringLiteral("Stale"));
    click(1041);
    EXPECT_EQ(readBytes(path), fileBytes(radioOnly, -1));
}

TEST_F(OpenTest, BadMagicGivesBothMessagesAndRestoresTheForm) {
    const QString good = writeDatabase(smallDatabase());
    open(good);
    std::vector<std::uint8_t> bad = fileBytes(smallDatabase(), 0);
    bad[0] = 0x00;
    const QString badPath = dir.filePath(QStringLiteral("bad.bin"));
    writeBytes(badPath, bad);
    selectRow(1017, 2);
    open(badPath);

    // Each names the refused file under its text.
    EXPECT_EQ(prompter->texts(), QStringList({"Invalid Data Format!!!\n" + badPath,
                                              "Invalid Data Format, Check the Source File\n" + badPath}));
    for (const auto& m : prompter->messages) {
        EXPECT_EQ(m.caption, QStringLiteral("VelmoraEdit"));
        EXPECT_EQ(m.buttons, ui::Buttons::Ok);
    }
    // The previous tables stay; the list and row shown stay, and the form
    // enters editing.
    EXPECT_EQ(view->database().tvCount, 3);
    EXPECT_TRUE(shown(1017) && !shown(1018));
    EXPECT_EQ(selectedRow(1017), 2);
    EXPECT_EQ(text(1026), QStringLiteral("TV Norge"));
    EXPECT_TRUE(view->flags().editActive);
    EXPECT_FALSE(enabled(1040));
    EXPECT_TRUE(enabled(1041));
    EXPECT_TRUE(editable(1026));

    // The rejected file never becomes the save target.
    EXPECT_EQ(text(1054), good);
    EXPECT_EQ(view->flags().filePath, good.toStdString());
    view->saveButton();
    EXPECT_EQ(readBytes(badPath), bad);
    EXPECT_EQ(readBytes(good), fileBytes(smallDatabase(), 0));
}

// A pending cut keeps a reselection from showing marks; the refusal clears
// it, and the restored channel (radio 0, first of "News") shows them again.
TEST_F(OpenTest, RefusedFileShowsTheRestoredChannelsMarks) {
    ChannelDatabase db = smallDatabase();
    db.radioMembers[0] = 0;
    open(writeDatabase(db));
    click(1129);
    view->flags().cutPending = true;
    writeBytes(dir.filePath(QStringLiteral("bad.bin")), std::vector<std::uint8_t>(100, 0));
    open(dir.filePath(QStringLiteral("bad.bin")));
    EXPECT_EQ(text(1026), QStringLiteral("Bayern 3"));
    EXPECT_EQ(text(1098), QStringLiteral("001"));
}

TEST_F(OpenTest, RejectedFirstFileLeavesTheFormReadOnly) {
    std::vector<std::uint8_t> bytes = fileBytes(smallDatabase(), 0);
    bytes[64] = 0x05;  // second magic value
    const QString path = dir.filePath(QStringLiteral("bad.bin"));
    writeBytes(path, bytes);
    open(path);

    EXPECT_EQ(prompter->texts(), QStringList{"Invalid Data Format, Check the Source File\n" + path});
    EXPECT_FALSE(view->flags().fileLoaded);
    EXPECT_TRUE(view->flags().filePath.empty());
    EXPECT_EQ(text(1054), QString());
    for (int id : {1040, 1069, 1041, 1042, 1043, 1128, 1129, 1001}) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(editable(1026));

    // Save has nowhere to go: nothing is written, nothing is asked.
    view->handleCommand(1041);
    EXPECT_EQ(readBytes(path), bytes);
    EXPECT_EQ(prompter->messages.size(), 1);
}

TEST_F(OpenTest, DamagedOrOversizedFileShowsTheReasonAndKeepsTheOldData) {
    const QString good = writeDatabase(smallDatabase());
    open(good);
    std::vector<std::uint8_t> cut = fileBytes(smallDatabase(), 0);
    cut.resize(200);  // ends inside the channel records
    const QString cutPath = dir.filePath(QStringLiteral("cut.bin"));
    writeBytes(cutPath, cut);
    const QString bigPath = dir.filePath(QStringLiteral("big.bin"));
    writeBytes(bigPath, fileBytes(smallDatabase(), 0));
    std::filesystem::resize_file(bigPath.toStdString(), kReadLimit + 1);  // sparse
    for (const auto& [path, reason] : {std::pair{cutPath, "ends before"}, std::pair{bigPath, "too large"}}) {
        prompter->messages.clear();
        open(path);
        // (The second open first offers to save: the rejection put the form into editing.)
        ASSERT_FALSE(prompter->messages.isEmpty());
        EXPECT_TRUE(prompter->messages.back().text.contains(QString::fromLatin1(reason))) << reason;
        EXPECT_EQ(view->database().tvCount, 3);
        EXPECT_EQ(view->flags().filePath, good.toStdString());
    }
}

TEST_F(OpenTest, CancelledChooserChangesNothing) {
    const QString good = writeDatabase(smallDatabase());
    open(good);
    selectRow(1017, 2);
    view->handleCommand(57601);  // no path queued: cancelled
    EXPECT_EQ(selectedRow(1017), 2);
    EXPECT_TRUE(find<QCheckBox>(1001)->isChecked());  // TV 2 is member 1 of "News"
    EXPECT_EQ(text(1098), QStringLiteral("001"));
    EXPECT_EQ(text(1026), QStringLiteral("TV Norge"));
    EXPECT_EQ(view->flags().filePath, good.toStdString());
}

TEST_F(OpenTest, PendingEditsAreOfferedForSavingFirst) {
    const QString first = writeDatabase(smallDatabase());
    const QString second = writeDatabase(smallDatabase(), QStringLiteral("second.bin"));
    open(first);
    click(1040);
    type(1026, QStringLiteral("Renamed"));

    prompter->answers.push_back(ui::Answer::No);
    open(second);
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_EQ(prompter->messages[0].text, QStringLiteral("Save changes to the All Data Channels?"));
    EXPECT_EQ(prompter->messages[0].caption, QStringLiteral("Ardel Editor"));
    EXPECT_EQ(prompter->messages[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(prompter->messages[0].icon, ui::Icon::Exclamation);
    EXPECT_EQ(readBytes(first), fileBytes(smallDatabase(), 0));  // No: nothing written
    EXPECT_FALSE(view->flags().editActive);

    click(1040);
    type(1026, QStringLiteral("Renamed"));
    prompter->answers.push_back(ui::Answer::Yes);
    open(first);
    EXPECT_EQ(prompter->messages.size(), 2);
    EXPECT_EQ(cell(1017, 0, 1), QStringLiteral("Das Erste"));  // the edit went into second.bin
    EXPECT_EQ(view->flags().filePath, first.toStdString());
    ChannelDatabase reread;
    ASSERT_TRUE(loadChannelFile(second.toStdString(), reread).ok());
    EXPECT_EQ(fieldText(reread.tv[0].name), "Renamed");

    // After one save the question is not asked again in this run.
    click(1040);
    open(second);
    EXPECT_EQ(prompter->messages.size(), 2);
}

}  // namespace
}  // namespace velmora::test
