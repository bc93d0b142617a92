// SPDX-License-Identifier: GPL-3.0-or-later
// The changes window's grouping, the review before a save, and a kept
// version restored and saved again. The version store itself and the diff
// are covered in core.
#include <QDialog>
#include <QTreeWidget>

#include "changes_window.h"
#include "channel_edit.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "list_diff.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

QStringList topTexts(const QTreeWidget* tree) {
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = tree->topLevelItem(i);
        QString line = top->text(0);
        for (int c = 0; c < top->childCount(); ++c) line += QStringLiteral(" / ") + top->child(c)->text(0);
        out << line;
    }
    return out;
}

TEST(ChangesWindowTest, GroupsWhatChangedWithCountsInTheHeaders) {
    const ChannelDatabase a = letteredDatabase(4, {"ABC"});
    const struct {
        const char* name;
        std::function<void(ChannelDatabase&)> edit;
        QStringList tops;
        QString summary;
    } cases[] = {
        {"nothing", [](ChannelDatabase&) {}, {"No changes"}, "No changes"},
        {"a rename and a move",
         [](ChannelDatabase& b) {
             setFieldText(b.tv[1].name, "Bee");
             moveChannel(b, *holdChannel(b, ChannelKind::Tv, 3), 0);
         },
         {"TV channels (2) / changed (1) / moved (1)"}, "1 changed, 1 moved"},
        {"a removal and a group renamed",
         [](ChannelDatabase& b) {
             removeChannel(b, ChannelKind::Radio, 0);
             setFieldText(b.groupNames[0], "News");
         },
         {"Radio channels (1) / removed (1)", "Favourite groups (1) / 1 \"News\""}, "1 removed, 1 favourite group"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ChannelDatabase b = a;
        c.edit(b);
        ChangesWindow window;
        const ListDiff d = diffLists(a, b);
        window.showDiff(d, a, b, "A", "B");
        EXPECT_EQ(topTexts(window.tree()).join('|').toStdString(), c.tops.join('|').toStdString());
        EXPECT_EQ(ChangesWindow::summary(d).toStdString(), c.summary.toStdString());
    }
    // A changed channel names each field with its old and new value.
    ChannelDatabase b = a;
    setFieldText(b.tv[1].name, "Bee");
    ChangesWindow window;
    window.showDiff(diffLists(a, b), a, b, "A", "B");
    const QTreeWidgetItem* changed = window.tree()->topLevelItem(0)->child(0)->child(0);
    EXPECT_EQ(changed->child(0)->text(0), QStringLiteral("name: \"B\" → \"Bee\""));
}

class VersionsTest : public SmallFileTest {
protected:
    void SetUp() override {
        SmallFileTest::SetUp();
        view->setVersionStore(std::make_unique<VersionStore>(dir.filePath("versions").toStdString()));
        QObject::connect(view.get(), &CArdelEditView::statusText, [this](const QString& t) { status << t; });
    }
    void rename(const QString& name) {
        click(1040);
        selectRow(1017, 0);
        type(1026, name);
    }
    QStringList status;
};

TEST_F(VersionsTest, ReviewBeforeSavingCancelSavesNothing) {
    const auto before = readBytes(path);
    view->handleCommand(32844);
    EXPECT_TRUE(view->commandChecked(32844));
    rename(QStringLiteral("Renamed"));
    QStringList shown;
    for (const int answer : {QDialog::Rejected, QDialog::Accepted}) {
        prompter->dialogHandler = [&](QDialog& d) {
            shown = topTexts(d.findChild<QTreeWidget*>("changes-tree"));
            return answer;
        };
        EXPECT_EQ(view->saveButton(), answer == QDialog::Accepted);
        EXPECT_EQ(shown.value(0), QStringLiteral("TV channels (1) / changed (1)"));
        EXPECT_EQ(readBytes(path) == before, answer == QDialog::Rejected);
        EXPECT_EQ(view->versionStore().versions(path.toStdString()).size(), answer == QDialog::Accepted ? 1u : 0u);
    }
}

TEST_F(VersionsTest, ARestoredVersionIsUnsavedUntilSaveWritesIt) {
    const auto original = readBytes(path);
    rename(QStringLiteral("First"));
    ASSERT_TRUE(view->saveButton());
    rename(QStringLiteral("Second"));
    ASSERT_TRUE(view->saveButton());
    const auto kept = view->versionStore().versions(path.toStdString());
    ASSERT_EQ(kept.size(), 2u);  // newest first: the file as the first save left it, then as opened
    EXPECT_EQ(readBytes(QString::fromStdString(kept[1].path)), original);

    ASSERT_TRUE(view->restoreVersion(kept[1].path));
    EXPECT_TRUE(view->hasUnsavedChanges());
    view->handleCommand(32840);  // Show Changes follows the list until the save
    EXPECT_EQ(topTexts(view->changesWindow()->tree()).value(0).toStdString(), "TV channels (1) / changed (1)");
    EXPECT_EQ(readBytes(path) == original, false);
    // A store that cannot be written says so; the save goes on.
    view->setVersionStore(std::make_unique<VersionStore>(path.toStdString() + "/not-a-folder"));
    ASSERT_TRUE(view->saveButton());
    EXPECT_EQ(readBytes(path), original);
    QCoreApplication::processEvents();
    EXPECT_EQ(topTexts(view->changesWindow()->tree()).value(0).toStdString(), "No changes");
    EXPECT_TRUE(status.filter("The earlier version was not kept").size() == 1) << status.join('\n').toStdString();
}

TEST_F(VersionsTest, ARestoreIsOneStepThatUndoGivesBackAndRedoMakesAgain) {
    const auto original = readBytes(path);
    rename(QStringLiteral("First"));
    ASSERT_TRUE(view->saveButton());
    rename(QStringLiteral("Typed"));
    selectRow(1017, 1);
    const auto saved = [&] { return serializeUnchanged(view->tablesAsSaved()); };
    const auto beforeRestore = saved();
    const std::string version = view->versionStore().versions(path.toStdString()).at(0).path;
    ASSERT_TRUE(view->restoreVersion(version));
    EXPECT_EQ(saved(), original);
    EXPECT_EQ(view->undoText(), QStringLiteral("Undo Restore Version"));
    for (const bool undo : {true, false, true}) {
        view->handleCommand(undo ? 57643 : 57644);
        EXPECT_EQ(saved(), undo ? beforeRestore : original);
    }
    EXPECT_EQ(view->undoText(), QStringLiteral("Undo Edit Channel 'Typed'")) << "the earlier steps stay";
    // What is typed but not yet committed comes back with the list.
    rename(QStringLiteral("Again"));
    ASSERT_TRUE(view->restoreVersion(version));
    view->handleCommand(57643);
    EXPECT_EQ(fieldText(view->tablesAsSaved().tv[0].name), "Again");
}

}  // namespace
}  // namespace velmora::test
