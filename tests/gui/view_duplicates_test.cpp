// SPDX-License-Identifier: GPL-3.0-or-later
// Tools > Remove Duplicates: when it is offered, its question, and what Save
// writes after it. Which channels are copies is core's and tested there.
#include "view_test_support.h"

namespace velmora::test {
namespace {

constexpr int kRemoveDuplicates = 32860;
constexpr int kUndo = 57643;

// letteredDatabase gives every second TV channel the same ids: A, C, E are
// one service and B, D, F another.
class DuplicatesTest : public ViewTest {
protected:
    std::string savedNames() {
        const ChannelDatabase db = saved();
        std::string names;
        for (int i = 0; i < db.tvCount; ++i) names += fieldText(db.tv[i].name) + (db.tv[i].locked ? "*" : "");
        return names + " " + memberNames(db, ChannelKind::Tv);
    }
};

TEST_F(DuplicatesTest, AsksThenRemovesTheCopiesKeepingTheirEntries) {
    const QString question = QStringLiteral(
        "TV channels: 4 duplicates; radio channels: 0 duplicates.\nRemove 4 duplicate channels? Each keeps the first "
        "of its copies and its favourite entries.");
    const struct {
        int tv;
        std::vector<std::string> groups;
        bool edit, yes, undo;
        QStringList texts;
        std::string result;
    } cases[] = {
        {6, {"EBA", "C"}, true, true, false, {question}, "AB 0:BA 1:A"},
        {6, {"EBA", "C"}, true, true, true, {question}, "ABCDEF 0:EBA 1:C"},  // one step undoes it all
        {6, {"EBA", "C"}, true, false, false, {question}, "ABCDEF 0:EBA 1:C"},
        {2, {"BA"}, true, true, false, {QStringLiteral("No duplicate channels found.")}, "AB 0:BA"},
        {6, {"EBA", "C"}, false, true, false, {}, ""},  // outside edit mode the command is not offered
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tv);
        open(writeDatabase(letteredDatabase(c.tv, c.groups)));
        if (c.edit) click(1040);
        EXPECT_EQ(view->commandEnabled(kRemoveDuplicates), c.edit);
        prompter->messages.clear();
        prompter->answers = {c.yes ? ui::Answer::Yes : ui::Answer::No};
        view->handleCommand(kRemoveDuplicates);
        EXPECT_EQ(prompter->texts(), c.texts);
        if (c.undo) view->handleCommand(kUndo);
        if (c.edit) {
            EXPECT_EQ(savedNames(), c.result);
        }
    }
}

}  // namespace
}  // namespace velmora::test
