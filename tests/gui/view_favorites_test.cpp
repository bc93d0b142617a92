// The favourites dialog's wiring to core's group-entry operations (whose
// arithmetic the core tests cover): what it shows, the question for an
// emptied name, drags, and what OK and the close box do to the form and file.
#include <QDrag>
#include <QFile>
#include <QListView>
#include <QMimeData>
#include <QTest>

#include "channel_reader.h"
#include "favorites_dialog.h"
#include "list_drag.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

enum class End { Ok, CloseBox };

class FavoritesTest : public ViewTest {
protected:
    // TV channels A..J, radio a and b; eight groups "G0".."G7": 0 holds TV
    // [F C J], 3 TV [A E] and radio [b], 4 TV [H], 6 TV [D] and radio [a].
    void SetUp() override {
        ViewTest::SetUp();
        ChannelDatabase db = smallDatabase();
        db.tvCount = 10;
        for (int i = 0; i < 10; ++i) {
            db.tv[i] = db.tv[i % 3];
            setFieldText(db.tv[i].name, std::string(1, char('A' + i)));
        }
        for (int i = 0; i < 2; ++i) setFieldText(db.radio[i].name, std::string(1, char('a' + i)));
        db.general.favoriteGroupCount = 8;
        const std::vector<std::uint16_t> tv{3, 0, 0, 2, 1, 0, 1, 0}, tvMembers{5, 2, 9, 0, 4, 7, 3};
        const std::vector<std::uint16_t> radio{0, 0, 0, 1, 0, 0, 1, 0}, radioMembers{1, 0};
        for (std::size_t k = 0; k < 8; ++k) setFieldText(db.groupNames[k], "G" + std::to_string(k));
        std::copy(tv.begin(), tv.end(), db.tvMemberCount.begin());
        std::copy(tvMembers.begin(), tvMembers.end(), db.tvMembers.begin());
        std::copy(radio.begin(), radio.end(), db.radioMemberCount.begin());
        std::copy(radioMembers.begin(), radioMembers.end(), db.radioMembers.begin());
        db.syncWorkingTables();
        original = fileBytes(db, 0);
        reopen();
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
            if (end == End::Ok) QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("1")), Qt::LeftButton);
            else dialog.close();
            return dialog.result();
        };
        EXPECT_TRUE(view->handleCommand(32788));
    }
    // Groups with members as "k:names", TV then radio, of the saved file or,
    // when nothing was saved, of the tables.
    std::string groups() const {
        ChannelDatabase file;
        const bool saved = loadChannelFile(path.toStdString(), file).ok();
        const ChannelDatabase& db = saved ? file : view->database();
        QString out = saved ? QStringLiteral("saved") : QStringLiteral("unsaved");
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            if (kind == ChannelKind::Radio) out += " |";
            for (std::size_t k = 0, e = 0; k < db.groupCount(); ++k) {
                if (db.memberCounts(kind)[k] > 0) out += QStringLiteral(" %1:").arg(k);
                for (int j = 0; j < db.memberCounts(kind)[k]; ++j)
                    out += QString::fromLatin1(fieldText(db.channels(kind)[db.members(kind)[e++]].name));
            }
        }
        return out.toStdString();
    }
    static QStringList entries(FavoritesDialog& d, int listId) {
        auto* list = d.findChild<QListView*>(QString::number(listId));
        QStringList out;
        for (int r = 0; r < list->model()->rowCount(); ++r) out << list->model()->index(r, 0).data().toString();
        return list->isVisible() ? out : QStringList{QStringLiteral("hidden")};
    }
    template <class T>
    static T* in(FavoritesDialog& d, int id) { return d.findChild<T*>(QString::number(id)); }
    void leaveName(FavoritesDialog& d) { in<QWidget>(d, 1046)->setFocus(Qt::MouseFocusReason); }

    QString path = dir.filePath(QStringLiteral("channels.bin"));
    std::vector<std::uint8_t> original;
};

const char* const kStart = " 0:FCJ 3:AE 4:H 6:D | 3:b 6:a";

TEST_F(FavoritesTest, DragsReorderTheShownGroupAndAnyDragMakesOkSave) {
    const struct {
        int row, over;
        bool escape;
        const char* after;
        int selected;  // TV row the form shows after OK
    } cases[] = {
        {2, 0, false, "saved 0:JFC 3:AE 4:H 6:D | 3:b 6:a", 9},  // the entry moved last is selected
        {1, 1, false, "saved 0:FCJ 3:AE 4:H 6:D | 3:b 6:a", 2},  // onto its own row
        {0, 2, true, "saved 0:FCJ 3:AE 4:H 6:D | 3:b 6:a", 0},   // cancelled: the selection stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        reopen();
        run([&](FavoritesDialog& d) {
            auto* list = in<QListView>(d, 1087);
            EXPECT_EQ(entries(d, 1087), QStringList({"001 F", "002 C", "003 J"}));
            QWidget* vp = list->viewport();
            const auto at = [&](int r) { return list->visualRect(list->model()->index(r, 0)).center(); };
            prompter->dragHandler = [&](QDrag& drag) {
                for (QEvent::Type t : {QEvent::DragEnter, QEvent::DragMove, QEvent::Drop}) {
                    if (t == QEvent::Drop && c.escape) QTest::keyClick(vp, Qt::Key_Escape);
                    QDropEvent e(at(c.over), Qt::MoveAction, drag.mimeData(), Qt::LeftButton, {}, t);
                    QApplication::sendEvent(vp, &e);
                }
                return Qt::IgnoreAction;
            };
            const QPoint from = at(c.row), to = from + QPoint(0, QApplication::startDragDistance() + 1);
            QMouseEvent press(QEvent::MouseButtonPress, from, vp->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(vp, &press);
            QMouseEvent move(QEvent::MouseMove, to, vp->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(vp, &move);
            EXPECT_EQ(entries(d, 1087).size(), 3);
            EXPECT_TRUE(d.groupChanged());
        });
        EXPECT_EQ(groups(), c.after);
        EXPECT_EQ(selectedRow(1017), c.selected);
        EXPECT_EQ(text(1026), QString(QChar('A' + c.selected))) << "the form shows that channel";
    }
}

TEST_F(FavoritesTest, EmptyingANamedGroupAsksAndYesEmptiesItsShownKind) {
    for (const ui::Answer answer : {ui::Answer::Yes, ui::Answer::No}) {
        const bool yes = answer == ui::Answer::Yes;
        reopen();
        prompter->answers = {answer};
        run([&](FavoritesDialog& d) {
            auto* edit = in<QLineEdit>(d, 1160);
            EXPECT_TRUE(edit->isReadOnly());
            edit->setFocus(Qt::MouseFocusReason);
            EXPECT_FALSE(edit->isReadOnly());
            EXPECT_EQ(entries(d, 1089), QStringList({"001 A", "002 E"})) << "the focus selects group 3";
            edit->clear();
            leaveName(d);
            EXPECT_TRUE(edit->isReadOnly());
            EXPECT_EQ(edit->text(), yes ? "" : "G3");
            EXPECT_EQ(entries(d, 1089), yes ? QStringList() : QStringList({"001 A", "002 E"}));
        });
        ASSERT_EQ(prompter->messages.size(), 1);
        const ui::RecordedMessage m = prompter->messages[0];
        EXPECT_EQ(m.text, "Input the Favorite Name, or Related channel will be deleted, proceed saving?");
        EXPECT_EQ(std::tuple(m.caption, m.buttons, m.icon), std::tuple("Ardel Editor", ui::Buttons::YesNo, ui::Icon::Exclamation));
        EXPECT_EQ(groups(), yes ? "unsaved 0:FCJ 4:H 6:D | 3:b 6:a" : std::string("unsaved") + kStart);
        EXPECT_EQ(text(1006), yes ? "" : "G3");
        EXPECT_EQ(std::pair(find<QCheckBox>(1006)->isChecked(), text(1101)), yes ? std::pair(false, QString("000")) : std::pair(true, QString("001")))
            << "the marks of channel A follow";
    }
}

TEST_F(FavoritesTest, NamesAreLatin1Of23AndReachTheBoxesOnlyThroughOk) {
    for (const End end : {End::CloseBox, End::Ok}) {
        reopen();
        run([&](FavoritesDialog& d) {
            auto* edit = in<QLineEdit>(d, 1149);
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            for (const QChar ch : QString::fromUtf8("Spört € Channel Number One Two")) {
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(edit, &key);
            }
            EXPECT_EQ(edit->text(), QString::fromUtf8("Spört  Channel Number O"));
            leaveName(d);
        }, end);
        EXPECT_EQ(fieldText(view->database().groupNames[1]), "Sp\xF6rt  Channel Number O");
        EXPECT_EQ(text(1002), end == End::Ok ? QString::fromUtf8("Spört  Channel Number O") : "G1");
        EXPECT_EQ(groups(), std::string("unsaved") + kStart) << "a rename saves nothing";
    }
}

TEST_F(FavoritesTest, SwitchingTheKindKeepsTheGroupAndKeysNeverClose) {
    run([&](FavoritesDialog& d) {
        EXPECT_FALSE(in<QWidget>(d, 1054)->isEnabled()) << "group 9: the file has eight";
        EXPECT_FALSE(in<QWidget>(d, 1166)->isEnabled());
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
    // A pending New keeps its member lists apart until Save or Cancel.
    click(1040);
    click(1069);
    EXPECT_FALSE(view->commandEnabled(32788));
    view->handleCommand(32788);
    EXPECT_EQ(prompter->dialogsRun, QStringList({"166"}));
}

}  // namespace
}  // namespace velmora::test
