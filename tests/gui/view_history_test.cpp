// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo in the form: when they are offered, how they read, what the
// keys do in a field, and what a Save and an Open do to the history. The
// exact restoration of every step is the random walk's and core's to show.
#include <QCheckBox>
#include <QTest>
#include <QUndoStack>

#include "view_test_support.h"

namespace velmora::test {
namespace {

enum class Do { Edit, Box, Lock, Delete, DeleteTransponder, Cut, Paste, New, Save, Rename, Sort, Undo, Redo };

struct Row {
    const char* name;
    std::vector<Do> steps;
    const char* undo;
    const char* redo;
    bool undoOn, redoOn, unsaved;
};
void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

class HistoryTest : public SmallFileTest, public ::testing::WithParamInterface<Row> {
protected:
    void run(Do step) {
        switch (step) {
        case Do::Edit: click(1040); break;
        case Do::Box: click(1001); break;
        case Do::Lock: click(1004); break;
        case Do::Delete: prompter->answers.push_back(ui::Answer::Yes); click(1042); break;
        case Do::DeleteTransponder: showPage(1); prompter->answers.push_back(ui::Answer::Yes); click(1042); break;
        case Do::Cut: view->handleCommand(32786); break;
        case Do::Paste: selectRow(1017, 2); view->handleCommand(32811); break;
        case Do::New: click(1069); break;
        case Do::Save: click(1041); break;
        case Do::Rename: type(1026, QStringLiteral("Renamed")); selectRow(1017, 1); break;
        case Do::Sort: clickHeader(1017, 1); break;
        case Do::Undo: view->handleCommand(57643); break;
        case Do::Redo: view->handleCommand(57644); break;
        }
    }
};

TEST_P(HistoryTest, UndoAndRedoAreOfferedAndNamedAsTheStepsStand) {
    for (Do step : GetParam().steps) run(step);
    EXPECT_EQ(view->undoText(), QString::fromLatin1(GetParam().undo));
    EXPECT_EQ(view->redoText(), QString::fromLatin1(GetParam().redo));
    EXPECT_EQ(view->commandEnabled(57643), GetParam().undoOn);
    EXPECT_EQ(view->commandEnabled(57644), GetParam().redoOn);
    EXPECT_EQ(view->hasUnsavedChanges(), GetParam().unsaved);
    EXPECT_FALSE(view->flags().sortPending) << "Undo ends a sort";
}

const Row kRows[] = {
    {"Opened", {}, "Undo", "Redo", false, false, false},
    {"BoxClick", {Do::Edit, Do::Box}, "Undo Favourite Group 1", "Redo", true, false, true},
    {"BoxUndone", {Do::Edit, Do::Box, Do::Undo}, "Undo", "Redo Favourite Group 1", false, true, false},
    {"BoxRedone", {Do::Edit, Do::Box, Do::Undo, Do::Redo}, "Undo Favourite Group 1", "Redo", true, false, true},
    {"NewStepEndsRedo", {Do::Edit, Do::Box, Do::Undo, Do::Lock}, "Undo Lock Channel", "Redo", true, false, true},
    {"Deleted", {Do::Edit, Do::Delete}, "Undo Delete Channel", "Redo", true, false, true},
    {"DeleteUndone", {Do::Edit, Do::Delete, Do::Undo}, "Undo", "Redo Delete Channel", false, true, false},
    {"TransponderDeleted", {Do::Edit, Do::DeleteTransponder}, "Undo Delete Transponder 1", "Redo", true, false, true},
    {"CutPending", {Do::Edit, Do::Box, Do::Cut}, "Undo Favourite Group 1", "Redo", false, false, true},
    {"Pasted", {Do::Edit, Do::Cut, Do::Paste, Do::Undo, Do::Redo}, "Undo Move Channel", "Redo", true, false, true},
    {"NewPending", {Do::Edit, Do::Box, Do::New}, "Undo Favourite Group 1", "Redo", false, false, true},
    {"NewSaved", {Do::Edit, Do::New, Do::Save}, "Undo New Channel", "Redo", true, false, false},
    {"NewSavedUndone", {Do::Edit, Do::New, Do::Save, Do::Undo}, "Undo", "Redo New Channel", false, true, true},
    {"FormCommitted", {Do::Edit, Do::Rename}, "Undo Edit Channel 'Renamed'", "Redo", true, false, true},
    {"SortedUndo", {Do::Edit, Do::Box, Do::Sort, Do::Undo}, "Undo", "Redo Favourite Group 1", false, true, false},
};
INSTANTIATE_TEST_SUITE_P(Steps, HistoryTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SmallFileTest, UndoKeysInAFieldUndoItsTypingAndTheCommandActsOnTheList) {
    click(1040);
    click(1001);
    type(1026, QStringLiteral("Typed"));
    auto* name = find<QLineEdit>(1026);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Das Erste"));
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Typed"));
    EXPECT_EQ(view->undoText(), QStringLiteral("Undo Favourite Group 1")) << "the keys left the list alone";
    // The command takes what was typed into its record first: that is the step it undoes.
    view->handleCommand(57643);
    EXPECT_EQ(name->text(), QStringLiteral("Das Erste"));
    EXPECT_EQ(view->redoText(), QStringLiteral("Redo Edit Channel 'Typed'"));
    EXPECT_EQ(view->undoText(), QStringLiteral("Undo Favourite Group 1"));
}

TEST_F(SmallFileTest, SaveKeepsTheHistoryAFailedOpenKeepsItAnOpenClearsIt) {
    click(1040);
    click(1001);
    click(1041);
    EXPECT_FALSE(view->hasUnsavedChanges());
    view->handleCommand(57643);
    EXPECT_TRUE(view->hasUnsavedChanges()) << "undone past the save, the list differs from the file";
    std::vector<std::uint8_t> damaged = readBytes(path);
    damaged.resize(damaged.size() / 2);
    const QString cut = dir.filePath(QStringLiteral("cut.bin"));
    writeBytes(cut, damaged);
    open(cut);  // the save question answered No, then refused
    EXPECT_EQ(view->redoText(), QStringLiteral("Redo Favourite Group 1"));
    open(path);
    EXPECT_EQ(view->undoStack()->count(), 0);
    EXPECT_FALSE(view->commandEnabled(57644));
}

TEST_F(ViewTest, AHistoryOverItsLimitDropsItsOldestStepsAndATooLargeStepIsNotKept) {
    for (const std::size_t limit : {std::size_t{1}, std::size_t{2000}}) {
        ViewOptions options = scratchOptions();
        options.historyLimit = limit;
        view = std::make_unique<CArdelEditView>(nullptr, options);
        view->show();
        view->initialUpdate();
        open(writeDatabase(smallDatabase()));
        QStringList status;
        QObject::connect(view.get(), &CArdelEditView::statusText, [&](const QString& t) { status << t; });
        click(1040);
        for (int i = 0; i < 30; ++i) click(1004);  // lock, unlock, …: back as it was
        const int kept = view->undoStack()->count();
        if (limit == 1) {
            EXPECT_EQ(kept, 0);
            EXPECT_TRUE(status.join('\n').contains("is too large to be undone; the undo history was cleared"));
            EXPECT_FALSE(view->commandEnabled(57643));
            continue;
        }
        EXPECT_GT(kept, 0);
        EXPECT_LT(kept, 30);
        EXPECT_TRUE(status.join('\n').contains("The oldest undo steps were dropped")) << status.join('|').toStdString();
        const bool locked = find<QCheckBox>(1004)->isChecked();
        for (int i = 0; i < kept; ++i) view->handleCommand(57643);
        EXPECT_FALSE(view->commandEnabled(57643)) << "the dropped steps are gone";
        EXPECT_EQ(find<QCheckBox>(1004)->isChecked(), locked != (kept % 2 == 1));
    }
}

}  // namespace
}  // namespace velmora::test
