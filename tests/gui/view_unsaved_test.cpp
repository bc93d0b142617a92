// "Save changes to the All Data Channels?" before File > Open replaces the
// tables: asked whenever something would be lost, after a Save as well.
#include "view_test_support.h"

namespace velmora::test {
namespace {

enum class Step {
    Edit,
    Save,
    Cancel,
    Rename,
    RenameBack,
    ServiceIdSameValue,      // "0x1c" for the shown "001c"
    LongitudeSameValue,      // "19.2e" for the shown "019.2E"
    FrequencyChanged,
    OtherPolarization,
    LockTicked,
    MembersChanged,          // as a box click or a delete changes them
    SortPending,
    HeaderFromTransfer,      // a download takes over the chosen file's header
};

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    bool asked;
};
void PrintTo(const Sequence& s, std::ostream* os) { *os << s.name; }

class UnsavedTest : public ViewTest, public ::testing::WithParamInterface<Sequence> {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        path = writeDatabase(smallDatabase());
        open(path);
    }
    void run(Step step) {
        switch (step) {
        case Step::Edit: click(1040); break;
        case Step::Save: click(1041); break;
        case Step::Cancel: click(1043); break;
        case Step::Rename: type(1026, QStringLiteral("Renamed")); break;
        case Step::RenameBack: type(1026, QStringLiteral("Das Erste")); break;
        case Step::ServiceIdSameValue: type(1028, QStringLiteral("0x1c")); break;
        case Step::LongitudeSameValue: showPage(2); type(1062, QStringLiteral("19.2e")); break;
        case Step::FrequencyChanged: showPage(1); type(1080, QStringLiteral("11748")); break;
        case Step::OtherPolarization: showPage(1); find<QComboBox>(1082)->setCurrentIndex(1); break;
        case Step::LockTicked: click(1004); break;
        case Step::MembersChanged: view->database().tvMembers[0] = 1; break;
        case Step::SortPending: view->flags().sortPending = true; break;
        case Step::HeaderFromTransfer: {
            ChannelDatabase other = smallDatabase();
            other.header.headerParam2 = 0x2222;
            prompter->openPaths.push_back(writeDatabase(other, QStringLiteral("other.bin")));
            view->handleCommand(32784);  // the progress window is closed at once
            break;
        }
        }
    }
    QString path;
};

TEST_P(UnsavedTest, OpeningAnotherFileAsksOnlyWhenSomethingIsUnsaved) {
    for (Step step : GetParam().steps) run(step);
    EXPECT_EQ(view->shouldAskSaveOnClose(), GetParam().asked);
    const int before = static_cast<int>(prompter->messages.size());
    prompter->answers.push_back(ui::Answer::No);
    open(path);
    const QStringList asked = prompter->texts().mid(before);
    EXPECT_EQ(asked, GetParam().asked ? QStringList{QStringLiteral("Save changes to the All Data Channels?")}
                                      : QStringList{});
}

const Sequence kSequences[] = {
    {"LoadOnly", {}, false},
    {"EditWithoutSave", {Step::Edit}, true},
    {"EditSave", {Step::Edit, Step::Save}, false},
    {"EditSaveRename", {Step::Edit, Step::Save, Step::Rename}, true},
    {"EditSaveRenameBack", {Step::Edit, Step::Save, Step::Rename, Step::RenameBack}, false},
    {"SameServiceIdOtherText", {Step::Edit, Step::Save, Step::ServiceIdSameValue}, false},
    {"SameLongitudeOtherText", {Step::Edit, Step::Save, Step::LongitudeSameValue}, false},
    {"ChangeThenCancel", {Step::Edit, Step::Save, Step::FrequencyChanged, Step::Cancel}, false},
    {"PolarizationPicked", {Step::Edit, Step::Save, Step::OtherPolarization}, true},
    {"LockTicked", {Step::Edit, Step::Save, Step::LockTicked}, true},
    {"TablesChanged", {Step::Edit, Step::Save, Step::MembersChanged}, true},
    {"SortPending", {Step::Edit, Step::Save, Step::SortPending}, true},
    {"HeaderFromTransfer", {Step::HeaderFromTransfer}, true},
    {"HeaderFromTransferSaved", {Step::HeaderFromTransfer, Step::Edit, Step::Save}, false},
};

INSTANTIATE_TEST_SUITE_P(Sequences, UnsavedTest, ::testing::ValuesIn(kSequences),
                         [](const ::testing::TestParamInfo<Sequence>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
