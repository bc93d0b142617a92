// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites dialog's wiring to core's group-entry operations (whose
// arithmetic the core tests cover): what it shows, the question for an
// emptied name, drags, and what OK and the close box do to the form and file.
#include <QDrag>
#include <QFile>
#include <QListView>
#include <QMimeData>
#include <QTest>

#include "favorites_dialog.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

enum class End { Ok, CloseBox };

// TV channels A..J, radio a and b; eight groups "G0".."G7": 0 holds TV
// [F C J], 3 TV [A E] and radio [b], 4 TV [H], 6 TV [D] and radio [a].
class FavoritesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        const ChannelDatabase db = letteredDatabase(10, {"FCJ", "", "", "AE", "H", "", "D", ""}, {"", "", "", "b", "", "", "a"});
        original = fileBytes(db, 0);
    }
    void reopen() {
        writeBytes(path, original);
        open(path);
        prompter->messages.clear();
    }

    // Runs View > Favourites with `script`, then ends it; the file is taken
    // away first, so that it exists afterwards only when OK saved it.
    void run(const std::function<void(FavoritesDialog&)>& script, End end = End::Ok) {
        prompter->dialogHandler = [&](QDialog& d) {
            auto& dialog = static_cast<FavoritesDialog&>(d);
            dialog.show();
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            script(dialog);
            QFile::remove(path);
            end == End::Ok ? QTest::mouseClick(in<QWidget>(dialog, 1), Qt::LeftButton) : void(dialog.close());
            return dialog.result();
        };
        EXPECT_TRUE(view->handleCommand(32788));
    }
    // Whether OK saved, then the groups with members, TV | radio.
    std::string groups() const {
        const ChannelDatabase& db = view->database();
        return (QFile::exists(path) ? "saved " : "unsaved ") + memberNames(db, ChannelKind::Tv) + " | " +
               memberNames(db, ChannelKind::Radio);
    }
    static QStringList entries(FavoritesDialog& d, int listId) {
        auto* list = in<QListView>(d, listId);
        QStringList out;
        for (int r = 0; r < list->model()->rowCount(); ++r) out << list->model()->index(r, 0).data().toString();
        return list->isVisible() ? out : QStringList{QStringLiteral("hidden")};
    }
    template <class T>
    static T* in(FavoritesDialog& d, int id) { return d.findChild<T*>(QString::number(id)); }

    std::vector<std::uint8_t> original;
};

TEST_F(FavoritesTest, DragsReorderTheShownGroupAndAnyDragMakesOkSave) {
    // `selected`: the TV row the form shows after OK; `sorted`: the list was
    // sorted by name, descending, in edit mode.
    const struct { int row, over; bool escape, sorted; const char* after; int selected; } cases[] = {
        {0, 2, true, false, "saved 0:FCJ 3:AE 4:H 6:D | 3:b 6:a", 0},  // cancelled: the selection stays
        {2, 0, false, false, "saved 0:JFC 3:AE 4:H 6:D | 3:b 6:a", 9},  // the entry moved last is selected
        {1, 1, false, false, "saved 0:FCJ 3:AE 4:H 6:D | 3:b 6:a", 2},  // onto its own row
        {2, 0, false, true, "saved 0:JFC 3:AE 4:H 6:D | 3:b 6:a", 9},   // the save ends the sort
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        reopen();
        if (c.sorted) {
            click(1040);
            clickHeader(1017, 1, 2);
            ASSERT_EQ(cell(1017, 0, 1), "J");
        }
        run([&](FavoritesDialog& d) {
            auto* list = in<QListView>(d, 1087);
            EXPECT_EQ(entries(d, 1087), QStringList({"001 F", "002 C", "003 J"}));
            QWidget* vp = list->viewport();
            const auto at = [&](int r) { return list->visualRect(list->model()->index(r, 0)).center(); };
            prompter->dragHandler = [&](QDrag& drag) {
                sendDrag<QDragEnterEvent>(vp, drag.mimeData(), at(c.over));
                sendDrag<QDragMoveEvent>(vp, drag.mimeData(), at(c.over));
                if (c.escape) QTest::keyClick(vp, Qt::Key_Escape);
                sendDrag<QDropEvent>(vp, drag.mimeData(), at(c.over));
                return Qt::IgnoreAction;
            };
            pressAndMove(vp, at(c.row), {0, QApplication::startDragDistance() + 1});
        });
        EXPECT_EQ(groups(), c.after);
        EXPECT_EQ(selectedRow(1017), c.selected);
        EXPECT_EQ(cell(1017, c.selected, 1), QChar('A' + c.selected)) << "in table order";
    }
}

TEST_F(FavoritesTest, NamesAreLatin1Of23AndAnEmptiedNamedGroupAsksFirst) {
    const QString typed = QString::fromUtf8("Spört € Channel Number One Two"), kept = QString::fromUtf8("Spört  Channel Number O");
    const char* const kQuestion = "Input the Favorite Name, or Related channel will be deleted, proceed saving?";
    const std::string unchanged = "unsaved 0:FCJ 3:AE 4:H 6:D | 3:b 6:a";
    // A name edit, the form's box of its group, the group; what is typed; the
    // name then in the edit and the tables, and on the box.
    const struct { int edit, box, group; QString type; ui::Answer answer; End end; QString name, caption; std::string groups; } cases[] = {
        {1160, 1006, 3, "", ui::Answer::Yes, End::Ok, "", "", "unsaved 0:FCJ 4:H 6:D | 3:b 6:a"},
        {1160, 1006, 3, "", ui::Answer::No, End::Ok, "G3", "G3", unchanged},
        {1149, 1002, 1, typed, ui::Answer::No, End::CloseBox, kept, kept, unchanged},  // the boxes show what Save writes
        {1149, 1002, 1, typed, ui::Answer::No, End::Ok, kept, kept, unchanged},  // a rename saves nothing
        {1149, 1002, 1, "R&B", ui::Answer::No, End::Ok, "R&B", "R&&B", unchanged},  // shown as is, no mnemonic
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption.toStdString() + " " + c.groups);
        reopen();
        prompter->answers = {c.answer};
        run([&](FavoritesDialog& d) {
            auto* edit = in<QLineEdit>(d, c.edit);
            edit->setFocus(Qt::MouseFocusReason);
            EXPECT_EQ(std::pair(edit->isReadOnly(), d.currentGroup()), std::pair(false, c.group));
            edit->clear();
            for (const QChar ch : c.type) {
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(edit, &key);
            }
            in<QWidget>(d, 1046)->setFocus(Qt::MouseFocusReason);
            EXPECT_EQ(std::pair(edit->isReadOnly(), edit->text()), std::pair(true, c.name));
        }, c.end);
        EXPECT_EQ(prompter->texts(), c.type.isEmpty() ? QStringList{kQuestion} : QStringList());
        for (const ui::RecordedMessage& m : prompter->messages)
            EXPECT_EQ(std::tuple(m.caption, m.buttons, m.icon), std::tuple(QString("Ardel Editor"), ui::Buttons::YesNo, ui::Icon::Exclamation));
        EXPECT_EQ(QString::fromLatin1(fieldText(view->database().groupNames[c.group])), c.name);
        EXPECT_EQ(text(c.box), c.caption);
        EXPECT_EQ(groups(), c.groups);
        // The form shows channel A, a member of group 3 unless it was emptied.
        EXPECT_EQ(find<QCheckBox>(1006)->isChecked(), c.groups == unchanged);
    }
}

TEST_F(FavoritesTest, SwitchingTheKindKeepsTheGroupAndKeysNeverClose) {
    reopen();
    run([&](FavoritesDialog& d) {
        EXPECT_FALSE(in<QWidget>(d, 1054)->isEnabled() || in<QWidget>(d, 1166)->isEnabled()) << "the file has 8 groups";
        QTest::mouseClick(in<QWidget>(d, 1051), Qt::LeftButton);
        QTest::mouseClick(in<QWidget>(d, 1117), Qt::LeftButton);
        EXPECT_EQ(entries(d, 1121), QStringList({"001 a"}));
        EXPECT_EQ(std::pair(in<QWidget>(d, 1110)->isVisible(), in<QWidget>(d, 1111)->isVisible()), std::pair(false, true));
        EXPECT_EQ(in<QLabel>(d, 1134)->text(), "G6");
        QTest::mouseClick(in<QWidget>(d, 1046), Qt::LeftButton);
        EXPECT_EQ(entries(d, 1092), QStringList({"001 D"}));
        EXPECT_EQ(entries(d, 1121), QStringList({"hidden"}));
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) QTest::keyClick(in<QWidget>(d, 1092), key);
        EXPECT_TRUE(d.isVisible());
    });
}

}  // namespace
}  // namespace velmora::test
