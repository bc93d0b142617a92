// SPDX-License-Identifier: GPL-3.0-or-later
// The record editor: Edit, Save, Cancel, the PID Mode box, the button
// states, the field limits, and the mended faults around saving.
#include <QDir>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "channel_reader.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

class EditorTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        path = writeDatabase(smallDatabase());
        open(path);
    }
    void pick(int comboId, const QString& item) {
        auto* combo = find<QComboBox>(comboId);
        combo->setCurrentIndex(combo->findText(item));
    }
    QString path;
};

TEST_F(EditorTest, EditMakesTheFieldsEditable) {
    click(1040);
    EXPECT_TRUE(view->flags().editActive);
    for (int id : {1026, 1028, 1089, 1091, 1080, 1051, 1056, 1062}) EXPECT_TRUE(editable(id)) << id;
    // TV 0 has PID Mode off: none of the PID fields are open; the transponder
    // number is never read back, so it never opens.
    for (int id : {1030, 1033, 1035, 1000, 1058}) EXPECT_FALSE(editable(id)) << id;
    // Read-only fields look it: the window colour behind their text.
    auto base = [&](int id) { return find<QLineEdit>(id)->palette().color(QPalette::Base); };
    EXPECT_EQ(base(1058), view->palette().color(QPalette::Window));
    EXPECT_NE(base(1026), base(1058));
    for (int id : {1082, 1052, 1106, 1004, 1069, 1041, 1042, 1043, 1001}) EXPECT_TRUE(enabled(id)) << id;
    for (int id : {1049, 1045, 1040, 1007}) EXPECT_FALSE(enabled(id)) << id;
    for (int id : {32792, 32812, 32776}) EXPECT_TRUE(view->commandEnabled(id)) << id;

    click(1106);  // PID Mode on
    for (int id : {1030, 1033, 1035}) EXPECT_TRUE(editable(id)) << id;
    EXPECT_FALSE(editable(1000));
    click(1106);
    for (int id : {1030, 1033, 1035, 1000}) EXPECT_FALSE(editable(id)) << id;

    selectRow(1017, 1);  // PID Mode on for this channel: its PIDs open up
    EXPECT_TRUE(editable(1030));
    EXPECT_FALSE(editable(1000));
    EXPECT_TRUE(view->shouldAskSaveOnClose());
}

TEST_F(EditorTest, SaveWritesExactlyTheEditedFields) {
    selectRow(1017, 1);
    click(1040);
    type(1026, QStringLiteral("ZDF HD"));
    type(1028, QStringLiteral("1A"));
    click(1106);  // PID Mode off
    showPage(1);
    type(1080, QStringLiteral("11954"));
    type(1089, QStringLiteral("0x3f"));
    pick(1082, QStringLiteral("Horizontal"));
    pick(1052, QStringLiteral("3/4"));
    showPage(2);
    type(1056, QStringLiteral("Astra 1L"));
    type(1062, QStringLiteral("030.0W"));
    click(1041);

    ChannelDatabase expected = smallDatabase();
    setFieldText(expected.tv[1].name, "ZDF HD");
    expected.tv[1].serviceId = 0x001A;
    expected.tv[1].pidMode = 0;
    expected.transponders[1].frequency = 11954;
    expected.transponders[1].transponderId = 0x3f;
    expected.transponders[1].polarization = 0;
    expected.transponders[1].fec = 3;
    setFieldText(expected.satellites[0].name, "Astra 1L");
    expected.satellites[0].longitude = 3300;
    EXPECT_EQ(readBytes(path), fileBytes(expected, 1));

    EXPECT_TRUE(prompter->messages.isEmpty());
    EXPECT_TRUE(view->flags().savedOnce);
    EXPECT_TRUE(view->flags().editActive);
    EXPECT_FALSE(view->shouldAskSaveOnClose());
    EXPECT_EQ(cell(1017, 1, 1), QStringLiteral("ZDF HD"));
    EXPECT_EQ(cell(1017, 1, 2), QStringLiteral("11954 H 27500 3/4"));
    EXPECT_EQ(selectedRow(1017), 1);
    EXPECT_EQ(text(1028), QStringLiteral("001a"));
    EXPECT_EQ(text(1062), QStringLiteral("030.0W"));
    EXPECT_EQ(find<QComboBox>(1045)->itemText(1), QStringLiteral("11954H  27500  3/4"));
    for (int id : {1069, 1041, 1042, 1043, 1001}) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_FALSE(editable(1058));
    EXPECT_TRUE(editable(1089));
    // Saved data is what a later New, sort or cut starts from.
    EXPECT_EQ(view->database().workingTv[1], view->database().tv[1]);
    EXPECT_EQ(view->database().workingSatellites[0], view->database().satellites[0]);
}

TEST_F(EditorTest, SaveRightAfterLoadReproducesTheFile) {
    const std::vector<std::uint8_t> before = readBytes(path);
    view->handleCommand(32792);
    EXPECT_EQ(readBytes(path), before);
    view->handleCommand(1041);  // the accelerator's id: the same handling
    EXPECT_EQ(readBytes(path), before);
}

TEST_F(EditorTest, PidModeOfTheShownChannelIsKept) {
    selectRow(1017, 1);  // PID Mode on, chosen while only viewing
    click(1040);
    EXPECT_TRUE(find<QCheckBox>(1106)->isChecked());
    click(1041);
    EXPECT_EQ(readBytes(path), fileBytes(smallDatabase(), 1));
}

TEST_F(EditorTest, BandFollowsTheSavedFrequency) {
    click(1040);  // TV 0: transponder 0 on satellite 0 (Ku band)
    showPage(1);
    type(1080, QStringLiteral("4000"));
    click(1041);
    ChannelDatabase reread;
    ASSERT_TRUE(loadChannelFile(path.toStdString(), reread).ok());
    EXPECT_EQ(reread.satellites[0].band, 0);
    EXPECT_EQ(reread.transponders[0].frequency, 4000);
}

TEST_F(EditorTest, DropDownsSaveTheShownTransponderValue) {
    click(1040);
    showPage(1);
    // A pick made for transponder 0 ...
    pick(1082, QStringLiteral("Vertical"));
    pick(1052, QStringLiteral("1/2"));
    // ... goes into transponder 0 when another channel is shown, and is not
    // carried to transponder 1.
    selectRow(1017, 1);
    EXPECT_EQ(text(1082), QStringLiteral("Vertical"));
    EXPECT_EQ(text(1052), QStringLiteral("AUTO"));
    click(1041);
    ChannelDatabase expected = smallDatabase();
    expected.transponders[0].polarization = 1;
    expected.transponders[0].fec = 1;
    EXPECT_EQ(readBytes(path), fileBytes(expected, 1));

    selectRow(1017, 0);
    EXPECT_EQ(text(1082), QStringLiteral("Vertical"));
    EXPECT_EQ(text(1052), QStringLiteral("1/2"));
}

TEST_F(EditorTest, CancelPutsTheStoredValuesBack) {
    selectRow(1017, 2);
    click(1040);
    type(1026, QStringLiteral("Changed"));
    showPage(1);
    type(1080, QStringLiteral("1"));
    click(1043);
    EXPECT_EQ(text(1026), QStringLiteral("TV Norge"));
    EXPECT_EQ(text(1080), QStringLiteral("10872"));
    EXPECT_EQ(selectedRow(1017), 2);
    EXPECT_TRUE(view->flags().editActive);  // Cancel keeps edit mode
    for (int id : {1069, 1041, 1042, 1043, 1001}) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_EQ(readBytes(path), fileBytes(smallDatabase(), 0));
    // Nothing of the cancelled edit reaches a later save.
    click(1041);
    EXPECT_EQ(readBytes(path), fileBytes(smallDatabase(), 2));
}

TEST_F(EditorTest, TypedFieldsGoIntoTheirRecordWhenTheSelectionMoves) {
    const auto original = readBytes(path);
    const struct {
        int page, id;
        const char* typed;
        bool sorted;
    } cases[] = {{0, 1026, "Typed", false}, {0, 1026, "Typed", true}, {1, 1080, "12345", false}, {2, 1056, "Typed Sat", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << c.sorted);
        writeBytes(path, original);
        open(path);
        click(1040);
        if (c.sorted) clickHeader(1017, 1, 2);  // names Z to A: TV 0 on row 2
        const int row = selectedRow(1017);
        showPage(c.page);
        type(c.id, QString::fromLatin1(c.typed));
        selectRow(1017, row == 2 ? 0 : 2);
        EXPECT_TRUE(cell(1017, row, c.page + 1).startsWith(c.typed)) << "the list shows it";
        selectRow(1017, row);
        click(1043);  // Cancel puts the shown record's fields back: they hold the edit now
        EXPECT_EQ(text(c.id), QString::fromLatin1(c.typed));
        const ChannelDatabase db = saved();
        EXPECT_EQ(c.page == 0   ? fieldText(db.tv[0].name)
                  : c.page == 1 ? std::to_string(db.transponders[0].frequency)
                                : fieldText(db.satellites[0].name),
                  c.typed);
    }
}

TEST_F(EditorTest, ASaveOverAFileChangedOnDiskAsksFirst) {
    click(1040);
    type(1026, QStringLiteral("Mine"));
    ChannelDatabase theirs = smallDatabase();
    setFieldText(theirs.tv[1].name, "Theirs");
    writeBytes(path, fileBytes(theirs, 0));
    prompter->answers = {ui::Answer::No};
    click(1041);
    ASSERT_EQ(prompter->messages.size(), 1);
    const auto& m = prompter->messages[0];
    EXPECT_EQ(m.caption + ": " + m.text, "Ardel Editor: The file has changed on disk since it was opened. Overwrite it?");
    EXPECT_TRUE(m.buttons == ui::Buttons::YesNo && m.icon == ui::Icon::Exclamation);
    EXPECT_EQ(readBytes(path), fileBytes(theirs, 0)) << "No saves nothing";
    prompter->answers = {ui::Answer::Yes};
    EXPECT_EQ(fieldText(saved().tv[0].name), "Mine");
    click(1041);  // the file is the one this save wrote: no question
    EXPECT_EQ(prompter->messages.size(), 2);
}

TEST_F(EditorTest, NewAndDeleteFollowTheStateAndSaveEntersEditing) {
    view->handleCommand(32792);  // Ctrl+S right after the load
    EXPECT_TRUE(editable(1026) && !enabled(1040));
    open(path);
    clickHeader(1017, 1);  // a sort before Edit refuses New and Delete
    click(1040);
    EXPECT_FALSE(enabled(1069) || enabled(1042));
    click(1043);
    view->handleCommand(32786);  // Cut, then an Open whose chooser is cancelled ends it
    view->handleCommand(57601);
    EXPECT_TRUE(enabled(1069) && enabled(1042));
}

TEST_F(EditorTest, NamesAreLimitedToTheirFields) {
    click(1040);
    type(1026, QString(30, QLatin1Char('n')));
    EXPECT_EQ(text(1026), QString(23, QLatin1Char('n')));
    showPage(2);
    type(1056, QString(50, QLatin1Char('s')));
    EXPECT_EQ(text(1056), QString(43, QLatin1Char('s')));
    showPage(1);
    type(1080, QStringLiteral("1234567"));
    EXPECT_EQ(text(1080), QStringLiteral("12345"));
    click(1041);
    ChannelDatabase reread;
    ASSERT_TRUE(loadChannelFile(path.toStdString(), reread).ok());
    EXPECT_EQ(fieldText(reread.tv[0].name), std::string(23, 'n'));
    EXPECT_EQ(fieldText(reread.satellites[0].name), std::string(43, 's'));
    EXPECT_EQ(fieldText(reread.tv[1].name), "ZDF");
}

TEST_F(EditorTest, NumberFieldsRefuseWhatTheyCannotStore) {
    click(1040);
    type(1051, QStringLiteral("99999"));
    type(1062, QStringLiteral("19.2Xw"));
    EXPECT_EQ(text(1051), QStringLiteral("9999"));
    EXPECT_EQ(text(1062), QStringLiteral("19.2W"));
}

// Types characters the test keyboard has no key for, as an input method does.
void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

TEST_F(EditorTest, CharactersOutsideLatin1AreRefusedVisibly) {
    click(1040);
    QSignalSpy status(view.get(), &CArdelEditView::statusText);
    type(1026, QStringLiteral("Caf"));
    typeText(find<QLineEdit>(1026), QStringLiteral("\u00e9"));
    EXPECT_EQ(text(1026), QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(status.count(), 0);
    typeText(find<QLineEdit>(1026), QStringLiteral("\u03a9\u20ac"));
    EXPECT_EQ(text(1026), QStringLiteral("Caf\u00e9"));
    EXPECT_GE(status.count(), 1);
    click(1041);
    ChannelDatabase reread;
    ASSERT_TRUE(loadChannelFile(path.toStdString(), reread).ok());
    EXPECT_EQ(fieldText(reread.tv[0].name), "Caf\xe9");  // one byte, as the receiver stores it
}

TEST_F(EditorTest, FailedSaveReportsAndKeepsTheEdits) {
    // Load from a folder that then disappears: the save cannot be written.
    QDir(dir.path()).mkdir(QStringLiteral("gone"));
    const QString lost = dir.filePath(QStringLiteral("gone/channels.bin"));
    writeBytes(lost, fileBytes(smallDatabase(), 0));
    open(lost);
    click(1040);
    type(1026, QStringLiteral("Kept"));
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("gone"))).removeRecursively());

    click(1041);
    ASSERT_EQ(prompter->messages.size(), 1);
    const auto& m = prompter->messages[0];
    EXPECT_EQ(m.caption, QStringLiteral("VelmoraEdit"));
    EXPECT_EQ(m.buttons, ui::Buttons::Ok);
    EXPECT_TRUE(m.text.contains(lost)) << m.text.toStdString();
    EXPECT_GT(m.text.size(), lost.size() + 30);  // a reason as well as the path
    EXPECT_FALSE(view->flags().savedOnce);
    EXPECT_TRUE(view->flags().editActive);
    EXPECT_TRUE(view->shouldAskSaveOnClose());
    EXPECT_EQ(text(1026), QStringLiteral("Kept"));
    EXPECT_TRUE(editable(1026));

    // Once the folder is back the same Save writes the edit.
    QDir(dir.path()).mkdir(QStringLiteral("gone"));
    click(1041);
    EXPECT_EQ(prompter->messages.size(), 1);
    ChannelDatabase reread;
    ASSERT_TRUE(loadChannelFile(lost.toStdString(), reread).ok());
    EXPECT_EQ(fieldText(reread.tv[0].name), "Kept");
}

TEST(EditorBeforeLoad, AcceleratorsDoNothing) {
    ui::ScriptedPrompter prompter;
    CArdelEditView view;
    view.show();
    for (int id : {1041, 1069, 1042, 1040, 1043}) EXPECT_TRUE(view.handleCommand(id)) << id;
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.openRequests.isEmpty());
    EXPECT_FALSE(view.flags().editActive);
    EXPECT_FALSE(view.flags().savedOnce);
    EXPECT_FALSE(view.shouldAskSaveOnClose());
    EXPECT_TRUE(view.findChild<QLineEdit*>(QStringLiteral("1026"))->isReadOnly());
}

TEST_F(EditorTest, TheFirstSaveOfTheRunKeepsTheFileAsItWasAndWithoutThatCopyNothingIsSaved) {
    const std::vector<std::uint8_t> original = readBytes(path);
    ASSERT_TRUE(QDir().mkpath(path + ".bak/in-the-way"));
    click(1040);
    type(1026, QStringLiteral("First"));
    click(1041);
    ASSERT_EQ(prompter->messages.size(), 1);
    EXPECT_TRUE(prompter->messages[0].text.contains("channels.bin.bak")) << prompter->messages[0].text.toStdString();
    EXPECT_EQ(readBytes(path), original);
    ASSERT_TRUE(QDir(path + ".bak").removeRecursively());
    for (const char* name : {"First", "Second"}) {  // later saves leave the copy alone
        type(1026, QString::fromLatin1(name));
        click(1041);
        EXPECT_EQ(readBytes(path + ".bak"), original) << name;
    }
}

}  // namespace
}  // namespace velmora::test
