// SPDX-License-Identifier: GPL-3.0-or-later
// "Save changes to the All Data Channels?" before File > Open replaces the
// tables: asked whenever something would be lost, after a Save as well.
#include "view_test_support.h"

namespace velmora::test {
namespace {

enum class Step { Edit, Save, Cancel, Rename, SameServiceId, Frequency, TablesChanged, Sort, Cut, OtherRow };

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    bool asked;
};
void PrintTo(const Sequence& s, std::ostream* os) { *os << s.name; }

class UnsavedTest : public SmallFileTest, public ::testing::WithParamInterface<Sequence> {
protected:
    void run(Step step) {
        switch (step) {
        case Step::Edit: click(1040); break;
        case Step::Save: click(1041); break;
        case Step::Cancel: click(1043); break;
        case Step::Rename: type(1026, QStringLiteral("Renamed")); break;
        case Step::SameServiceId: type(1028, QStringLiteral("0x1c")); break;  // shown as "001c"
        case Step::Frequency: showPage(1); type(1080, QStringLiteral("11748")); break;
        // As a box click, a delete or a transfer's header does: straight into the tables.
        case Step::TablesChanged: view->database().tvMembers[0] = 1; break;
        case Step::Sort: clickHeader(1017, 1); break;
        case Step::Cut: view->handleCommand(32786); break;
        case Step::OtherRow: selectRow(1017, 1); break;
        }
    }
};

TEST_P(UnsavedTest, OpeningAnotherFileAsksOnlyWhenSomethingIsUnsaved) {
    for (Step step : GetParam().steps) run(step);
    const qsizetype before = prompter->messages.size();
    open(path);  // answered No
    EXPECT_EQ(prompter->texts().mid(before),
              GetParam().asked ? QStringList{QStringLiteral("Save changes to the All Data Channels?")} : QStringList{});
}

const Sequence kSequences[] = {
    {"LoadOnly", {}, false},
    {"EditWithoutSave", {Step::Edit}, true},
    {"EditSave", {Step::Edit, Step::Save}, false},
    {"EditSaveRename", {Step::Edit, Step::Save, Step::Rename}, true},
    {"SameValueOtherText", {Step::Edit, Step::Save, Step::SameServiceId}, false},
    {"ChangeThenCancel", {Step::Edit, Step::Save, Step::Frequency, Step::Cancel}, false},
    {"TablesChanged", {Step::TablesChanged}, true},
    {"TablesChangedSaved", {Step::TablesChanged, Step::Edit, Step::Save}, false},
    // A sort alone writes every row back to its own record: nothing to lose.
    {"SortOnly", {Step::Sort}, false},
    {"SortedSaved", {Step::Edit, Step::Save, Step::Sort}, false},
    {"SortedThenRenamed", {Step::Edit, Step::Save, Step::Sort, Step::Rename}, true},
    {"CutPending", {Step::Edit, Step::Save, Step::Cut}, false},
    {"RenamedThenOtherRow", {Step::Edit, Step::Save, Step::Rename, Step::OtherRow}, true},
};
INSTANTIATE_TEST_SUITE_P(Sequences, UnsavedTest, ::testing::ValuesIn(kSequences),
                         [](const ::testing::TestParamInfo<Sequence>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
