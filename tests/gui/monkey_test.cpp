// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk through the editor window: long sequences of user
// actions on the real frame, with every question, chooser, menu and drag
// answered at random, and after each action the invariants that no sequence
// may break. MONKEY_SEED and MONKEY_STEPS choose the run; MONKEY_LOG names a
// file that receives every step as it starts (scripts/monkey.sh shows its
// tail after a crash). A run is replayed exactly by its seed, and a part of
// it by MONKEY_REPLAY, a file of such steps (to shorten a failing run).
#include <QContextMenuEvent>
#include <QDrag>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QUndoView>

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <tuple>
#include <utility>

#include "CMainFrame.h"
#include "channel_list_menu.h"
#include "channel_list_model.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "favorites_dialog.h"
#include "file_check.h"
#include "list_filter.h"
#include "sample_data.h"
#include "move_to_dialog.h"
#include "search_dialog.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

using Rng = std::mt19937;

int pick(Rng& rng, std::integral auto size) {
    const int n = static_cast<int>(size);
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}
bool chance(Rng& rng, int percent) { return pick(rng, 100) < percent; }

// One action with the seed of everything it chooses: a step replays alone.
struct Step {
    std::string action;
    std::uint32_t arg;
};

// Answers every question at random from the running step's generator; a
// dialog nobody set out to answer is a fault, as it would hang a user's run.
class RandomPrompter : public ui::ScriptedPrompter {
public:
    Rng fallback;  // questions asked outside a step (start-up)
    Rng* rng = &fallback;
    QStringList unanswered;

    ui::Answer message(QWidget* parent, const QString& caption, const QString& text, ui::Buttons buttons,
                       ui::Icon icon) override {
        ScriptedPrompter::message(parent, caption, text, buttons, icon);
        if (messages.size() > 50) messages.clear();
        const bool yes = chance(*rng, 50);
        if (buttons == ui::Buttons::Ok) return ui::Answer::Ok;
        if (buttons == ui::Buttons::YesNo) return yes ? ui::Answer::Yes : ui::Answer::No;
        return yes ? ui::Answer::Ok : ui::Answer::Cancel;
    }
    int runDialog(QDialog& dialog) override {
        if (!dialogHandler) unanswered << QString::fromLatin1(dialog.metaObject()->className());
        return ScriptedPrompter::runDialog(dialog);
    }
};

// Texts a user might type into a field: fitting, too long, not Latin-1, empty.
QString randomText(Rng& rng, int field) {
    static const QString letters = QString::fromUtf8("ABCDEFGHKLMNOPRSTZabcdefxyz 0123456789-+.éüßÆ");
    static const QString foreign = QString::fromUtf8("Ω€漢ж😀");
    const auto letter = [&] { return letters[pick(rng, letters.size())]; };
    QString out;
    switch (pick(rng, 4)) {
    case 0:  // fitting
        if (QList{1028, 1030, 1000, 1033, 1035, 1089, 1091}.contains(field)) {  // hex fields
            for (int i = 0, n = 1 + pick(rng, 4); i < n; ++i) out += QStringLiteral("0123456789abcdef")[pick(rng, 16)];
        } else if (field == 1080 || field == 1051) {
            out = QString::number(pick(rng, 70000));
        } else if (field == 1062) {
            out = QStringLiteral("%1.%2%3").arg(pick(rng, 181)).arg(pick(rng, 10)).arg(chance(rng, 50) ? 'E' : 'W');
        } else {
            for (int i = 0, n = 1 + pick(rng, 20); i < n; ++i) out += letter();
        }
        break;
    case 1:  // too long
        for (int i = 0; i < 30 + pick(rng, 30); ++i) out += letter();
        break;
    case 2:  // characters a channel file cannot hold among others
        for (int i = 0; i < 1 + pick(rng, 8); ++i)
            out += chance(rng, 50) ? foreign.mid(pick(rng, 4), 1) : letters.mid(pick(rng, 20), 1);
        break;
    }
    return out;
}

ChannelDatabase randomDatabase(Rng& rng) {
    SampleOptions o;
    o.satellites = 1 + static_cast<unsigned>(pick(rng, 4));
    o.transponders = o.satellites + static_cast<unsigned>(pick(rng, 8));
    o.tv = static_cast<unsigned>(pick(rng, 4) == 0 ? pick(rng, 3) : pick(rng, 30));
    o.radio = static_cast<unsigned>(pick(rng, 12));
    o.groups = static_cast<unsigned>(pick(rng, 12));
    o.seed = rng();
    return makeSampleDatabase(o);
}

// First index that points outside its table; empty when there is none.
// During a New the working tables are the data.
std::string outsideTable(const ChannelDatabase& db, bool working) {
    const auto& tps = working ? db.workingTransponders : db.transponders;
    for (std::size_t i = 0; i < db.transponderCount; ++i)
        if (tps[i].satelliteIndex >= db.satelliteCount) return "transponder " + std::to_string(i) + " names no satellite";
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const auto& channels = working ? db.workingChannels(kind) : db.channels(kind);
        for (std::size_t i = 0; i < db.channelCount(kind); ++i)
            if (channels[i].transponderIndex >= db.transponderCount) return "channel " + std::to_string(i) + " names no transponder";
        const auto& members = working ? db.workingMembers(kind) : db.members(kind);
        for (std::size_t e = 0; e < db.totalMembers(kind); ++e)
            if (members[e] >= db.channelCount(kind)) return "favourite entry " + std::to_string(e) + " names no channel";
    }
    return {};
}

// The first table in which `file` differs from the committed tables of `mem`.
// A save during a New gives the band rule to memory alone (the New's
// satellites are written from its working table): bands are then not compared.
std::string differingTable(const ChannelDatabase& mem, const ChannelDatabase& file, bool newPending) {
    auto same = [](const auto& a, const auto& b, std::size_t n) { return std::equal(a.begin(), a.begin() + n, b.begin()); };
    auto sameSatellite = [newPending](SatelliteEntry a, SatelliteEntry b) {
        if (newPending) a.band = b.band;
        return a == b;
    };
    if (std::tuple(mem.satelliteCount, mem.transponderCount, mem.tvCount, mem.radioCount, mem.groupCount()) !=
        std::tuple(file.satelliteCount, file.transponderCount, file.tvCount, file.radioCount, file.groupCount()))
        return "counts";
    if (!std::equal(mem.satellites.begin(), mem.satellites.begin() + mem.satelliteCount, file.satellites.begin(), sameSatellite))
        return "satellites";
    if (!same(mem.transponders, file.transponders, mem.transponderCount)) return "transponders";
    if (!same(mem.tv, file.tv, mem.tvCount) || !same(mem.radio, file.radio, mem.radioCount)) return "channels";
    if (!same(mem.groupNames, file.groupNames, mem.groupCount())) return "group names";
    for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio})
        if (!same(mem.memberCounts(k), file.memberCounts(k), mem.groupCount()) ||
            !same(mem.members(k), file.members(k), mem.totalMembers(k)))
            return "favourite entries";
    return {};
}

std::tuple<ino_t, off_t, long, long> stamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return {st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// Types `text` key by key into `edit`.
void typeKeys(QWidget* edit, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &key);
    }
}

class MonkeyTest : public ViewTest {
public:
    // The form helpers of ViewTest work on the frame's own view.
    void SetUp() override {
        QApplication::setApplicationName(QStringLiteral("monkey-tests"));  // its own recent files
        ViewTest::SetUp();
        view.reset();
        prompter.reset();  // before the next one installs itself
        random = new RandomPrompter;
        prompter.reset(random);
        frame = std::make_unique<CMainFrame>(nullptr, scratchOptions());
        frame->resize(1100, 640);
        frame->show();
        view.reset(frame->view());
        view->initialUpdate();
        frame->executeCommand(command::kUndoHistory);  // shown, for its clicks
        // A new step ends the branch above it; the point it makes is known
        // once the action is over (a commit may make several at once).
        QObject::connect(view.get(), &CArdelEditView::stepRecorded, [this] {
            historyPoints.resize(static_cast<std::size_t>(view->undoStack()->index()));
        });
        frame->updateCommandStates();
        // A real modal window (one that went round the prompter) would wait
        // for a user forever: close it and count it as a fault.
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && !inHandler) {
                random->unanswered << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        watchdog.start(50);
    }
    void TearDown() override {
        watchdog.stop();
        QObject::disconnect(&watchdog, nullptr, nullptr, nullptr);
        (void)view.release();
        frame.reset();
        prompter.reset();
    }

    // Opens a file generated from `seed`, the start of every run.
    void start(std::uint32_t seed) {
        history.clear();
        Rng rng(seed);
        random->rng = &rng;
        ChannelDatabase db = randomDatabase(rng);
        const QString first = dir.filePath(QStringLiteral("start.bin"));
        ASSERT_TRUE(writeChannelFile(first.toStdString(), db, SaveOptions{}).ok);
        random->openPaths.push_back(first);
        menu(command::kOpen);
        random->rng = &random->fallback;
        ASSERT_TRUE(view->flags().fileLoaded);
        noteOpened();
    }

    // Replays `steps` on the start file of `seed`; the fault text, empty when sound.
    std::string runSteps(std::uint32_t seed, const std::vector<Step>& steps) {
        start(seed);
        std::string fault;
        for (auto s = steps.begin(); s != steps.end() && fault.empty(); ++s) fault = perform(*s);
        return fault;
    }
    // Runs `steps` from `seed`; the fault text, empty when the run was clean.
    std::string runRandom(std::uint32_t seed, long steps) {
        start(seed);
        Rng master(seed);
        int total = 0;
        for (const auto& a : actions) total += a.weight;
        for (long i = 0; i < steps; ++i) {
            int w = pick(master, total);
            auto chosen = actions.begin();
            while (w >= chosen->weight) w -= (chosen++)->weight;
            if (std::string fault = perform({chosen->name, static_cast<std::uint32_t>(master())}); !fault.empty())
                return "step " + std::to_string(i) + ": " + fault;
        }
        return {};
    }

    std::string perform(const Step& step) {
        history.push_back(step);
        if (history.size() > 30) history.pop_front();
        if (log) {
            std::fprintf(log, "{\"%s\", %uu},\n", step.action.c_str(), step.arg);
            std::fflush(log);
        }
        newBeforeStep = view->flags().newRecordPending;
        // The counts before a step that may begin a New.
        if (!newBeforeStep && (step.action == "new" || step.action == "menu")) countsBeforeNew = counts(view->database());
        Rng rng(step.arg);
        random->rng = &rng;
        for (const auto& a : actions)
            if (step.action == a.name) a.run(rng);
        // Nothing the step set up may answer for a later one: its handlers
        // hold references to its locals.
        random->rng = &random->fallback;
        random->dialogHandler = nullptr;
        random->menuHandler = nullptr;
        random->dragHandler = nullptr;
        random->openPaths.clear();
        QApplication::processEvents();
        if (std::string fault = historyMismatch(step.action); !fault.empty()) return fault;
        return invariants();
    }

    // The bytes of the committed tables at each point of the history, as the
    // walk last saw them; after Undo, Redo or a history click the tables
    // must give those bytes again.
    std::vector<std::optional<std::vector<std::uint8_t>>> historyPoints;
    std::string historyMismatch(const std::string& action) {
        const QUndoStack* stack = view->undoStack();
        if (stack->count() == 0) historyPoints.clear();  // opened afresh
        if (view->flags().newRecordPending) return {};  // the counts are the New's
        const auto at = static_cast<std::size_t>(stack->index());
        if (historyPoints.size() <= at) historyPoints.resize(at + 1);
        ChannelDatabase copy = view->database();
        std::vector<std::uint8_t> bytes = buildChannelFile(copy, SaveOptions{});
        if (action == "undo" || action == "redo" || action == "history")
            if (historyPoints[at] && *historyPoints[at] != bytes)
                return action + " to point " + std::to_string(at) + ": the tables differ from when the walk was there";
        historyPoints[at] = std::move(bytes);
        return {};
    }
    void undoRedo(Rng& rng, bool undo) {
        if (chance(rng, 50)) return menu(undo ? command::kUndo : command::kRedo);
        // The keys, wherever the focus is: in a field they undo its typing.
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : frame.get();
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::AltModifier},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}, {Qt::Key_Y, Qt::ControlModifier}};
        const auto& [key, modifiers] = keys[(undo ? 0 : 2) + pick(rng, 2)];
        QTest::keyClick(focus, key, modifiers);
    }
    void historyClick(Rng& rng) {
        auto* history = frame->findChild<QUndoView*>(QStringLiteral("undo-history"));
        const int n = history->model()->rowCount();
        if (!history->isEnabled() || n == 0) return;
        const QModelIndex row = history->model()->index(pick(rng, n), 0);
        history->scrollTo(row);
        QTest::mouseClick(history->viewport(), Qt::LeftButton, {}, history->visualRect(row).center());
    }

    static constexpr std::array kBoxes{1001, 1002, 1003, 1006, 1008, 1005, 1010, 1011, 1012, 1013, 1004, 1004, 1106};
    static constexpr std::array kFields{1026, 1028, 1089, 1091, 1080, 1051, 1056, 1062, 1030, 1000, 1033, 1035};
    struct Action {
        const char* name;
        int weight;
        std::function<void(Rng&)> run;
    };
    const std::vector<Action> actions = {
        {"select", 16, [this](Rng& r) { if (const int n = rows(visibleList())) selectRow(visibleList(), pick(r, n)); }},
        {"switch", 3, [this](Rng& r) { userClick(chance(r, 50) ? 1128 : 1129); }},
        {"tab", 5, [this](Rng& r) { showPage(pick(r, 3)); }},
        {"edit", 6, [this](Rng&) { userClick(1040); }},
        {"type", 12, [this](Rng& r) { typeText(r); }},
        {"choose", 4, [this](Rng& r) { chooseItem(r); }},
        {"new", 4, [this](Rng&) { userClick(1069); }},
        {"delete", 3, [this](Rng&) { userClick(1042); }},
        {"cancel", 4, [this](Rng&) { userClick(1043); }},
        {"save", 4, [this](Rng& r) { chance(r, 50) ? userClick(1041) : menu(command::kSave); }},
        {"box", 7, [this](Rng& r) { userClick(kBoxes[pick(r, kBoxes.size())]); }},
        {"cut", 3, [this](Rng& r) { chance(r, 50) ? menu(command::kCut) : listMenu(r, 2); }},
        {"paste", 4, [this](Rng& r) { chance(r, 50) ? menu(command::kPaste) : listMenu(r, 3); }},
        {"menu", 3, [this](Rng& r) { listMenu(r, pick(r, 6) - 1); }},
        {"drag", 4, [this](Rng& r) { drag(r); }},
        {"header", 4, [this](Rng& r) { clickHeader(visibleList(), pick(r, ChannelListModel::kColumns)); }},
        {"search", 2, [this](Rng& r) { search(r); }},
        {"favourites", 2, [this](Rng& r) { favorites(r); }},
        {"open", 1, [this](Rng& r) { openFile(r); }},
        {"failsave", 2, [this](Rng& r) { failingSave(r); }},
        {"refuse", 1, [this](Rng& r) { refusedOpen(r); }},
        {"undo", 5, [this](Rng& r) { undoRedo(r, true); }},
        {"redo", 3, [this](Rng& r) { undoRedo(r, false); }},
        {"history", 2, [this](Rng& r) { historyClick(r); }},
        {"extend", 8, [this](Rng& r) { extendSelection(r); }},
        {"keymove", 5, [this](Rng& r) { keyMove(r); }},
        {"moveto", 2, [this](Rng& r) { moveTo(r); }},
        {"delkey", 2, [this](Rng&) { QTest::keyClick(find<QTableView>(visibleList()), Qt::Key_Delete); }},
        {"filter", 8, [this](Rng& r) { filterStep(r); }},
        {"dedupe", 2, [this](Rng&) { menu(command::kRemoveDuplicates); }},
    };

    // The filter bar: typing (a piece of a shown name or anything), Backspace,
    // Escape, Ctrl+L, and the Show and satellite choosers by key or pick.
    void filterStep(Rng& rng) {
        auto* edit = find<QLineEdit>(32861);
        if (!edit->isEnabled()) return;
        switch (pick(rng, 6)) {
        case 0:
        case 1: {
            const int list = visibleList();
            const QString text = rows(list) > 0 && chance(rng, 60)
                                     ? cell(list, pick(rng, rows(list)), 1).mid(pick(rng, 3), 1 + pick(rng, 3))
                                     : randomText(rng, 1026).left(1 + pick(rng, 3));
            if (chance(rng, 50)) QTest::keyClick(frame.get(), Qt::Key_L, Qt::ControlModifier);
            else edit->setFocus(Qt::MouseFocusReason);
            typeKeys(edit, text);
            break;
        }
        case 2:
            QTest::keyClick(edit, chance(rng, 70) ? Qt::Key_Backspace : Qt::Key_Escape);
            break;
        default: {
            auto* combo = find<QComboBox>(chance(rng, 70) ? 32862 : 32863);
            if (chance(rng, 50)) {
                combo->setFocus();
                QTest::keyClick(combo, std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End}[pick(rng, 4)]);
            } else {
                combo->setCurrentIndex(pick(rng, combo->count()));
            }
        }
        }
    }

    // Shift or Ctrl with a click or a key: a range, a toggled row, every row.
    void extendSelection(Rng& rng) {
        auto* list = find<QTableView>(visibleList());
        const int n = rows(visibleList());
        if (n == 0) return;
        switch (pick(rng, 4)) {
        case 0:
        case 1:
            QTest::mouseClick(list->viewport(), Qt::LeftButton, chance(rng, 50) ? Qt::ShiftModifier : Qt::ControlModifier,
                              rowCenter(list, pick(rng, n)));
            break;
        case 2:
            QTest::keyClick(list, chance(rng, 50) ? Qt::Key_Down : Qt::Key_Up, Qt::ShiftModifier);
            break;
        default:
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            break;
        }
    }
    // Up, Down, Top or Bottom, from the Edit menu or the list menu.
    void keyMove(Rng& rng) {
        const int which = pick(rng, 4);
        chance(rng, 50) ? menu(command::kMoveUp + which) : listMenu(rng, ChannelListMenu::MoveUp + which);
    }
    // Any position the spin box takes, typed past its ends too; OK or Cancel.
    void moveTo(Rng& rng) {
        random->dialogHandler = [&](QDialog& d) {
            if (auto* box = d.findChild<QSpinBox*>(QString::number(MoveToDialog::kPosition)))
                box->setValue(pick(rng, box->maximum() + 2));
            return chance(rng, 80) ? QDialog::Accepted : QDialog::Rejected;
        };
        chance(rng, 50) ? menu(command::kMoveTo) : listMenu(rng, ChannelListMenu::MoveTo);
    }

    // A save whose write fails: the file is a link into a folder that is gone
    // for the length of the step.
    void failingSave(Rng& rng) {
        const QString file = QString::fromStdString(view->flags().filePath), aside = file + ".aside";
        if (!QFile::rename(file, aside)) return;
        QFile::link(dir.filePath(QStringLiteral("gone/channels.bin")), file);
        chance(rng, 50) ? userClick(1041) : menu(command::kSave);
        QFile::remove(file);
        QFile::rename(aside, file);
    }
    // File > Open of a file that is gone or not a channel file.
    void refusedOpen(Rng& rng) {
        const QString path = dir.filePath(QStringLiteral("refused.bin"));
        writeBytes(path, {'n', 'o', 't', ' ', 'a', ' ', 'l', 'i', 's', 't'});
        random->openPaths.push_back(chance(rng, 50) ? path : dir.filePath(QStringLiteral("missing.bin")));
        menu(command::kOpen);
    }

    void typeText(Rng& rng) {
        const int id = kFields[pick(rng, kFields.size())];
        auto* edit = find<QLineEdit>(id);
        if (!edit->isVisible() || !edit->isEnabled()) return;
        type(id, QString());
        typeKeys(edit, randomText(rng, id));
    }
    void chooseItem(Rng& rng) {
        auto* combo = find<QComboBox>(std::array{1082, 1052, 1045, 1049}[pick(rng, 4)]);
        if (!combo->isVisible() || !combo->isEnabled()) return;
        combo->setFocus();
        QTest::keyClick(combo, std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End}[pick(rng, 4)]);
    }
    // Ends on a row, below the last row, by Escape, or outside the list.
    void drag(Rng& rng) {
        auto* list = find<QTableView>(visibleList());
        const int n = rows(visibleList());
        if (n == 0) return;
        const int from = pick(rng, n), over = pick(rng, n), end = pick(rng, 4);
        QWidget* vp = list->viewport();
        const auto at = [list](int r) { return rowCenter(list, r); };
        random->dragHandler = [&, vp](QDrag& d) {
            dragOver(vp, end == 1 ? QPoint(20, vp->height() - 5) : at(over), d.mimeData(), end == 2, end == 3);
            return Qt::IgnoreAction;
        };
        const int dragsBefore = random->dragsRun;
        pressAndMove(vp, at(from), {0, QApplication::startDragDistance() + 1});
        if (random->dragsRun == dragsBefore) {  // no drag began: the button comes up on the row
            QMouseEvent release(QEvent::MouseButtonRelease, at(from), vp->mapToGlobal(at(from)), Qt::LeftButton,
                                Qt::NoButton, {});
            QApplication::sendEvent(vp, &release);
        }
    }
    void search(Rng& rng) {
        const int list = visibleList();
        const QString text = rows(list) > 0 && chance(rng, 70)
                                 ? cell(list, pick(rng, rows(list)), 1).left(1 + pick(rng, 6))
                                 : randomText(rng, 1026);
        random->dialogHandler = [&](QDialog& d) {
            if (auto* edit = d.findChild<QLineEdit*>(QString::number(SearchDialog::kSearchText))) edit->setText(text);
            return chance(rng, 80) ? QDialog::Accepted : QDialog::Rejected;
        };
        userClick(1009);
    }
    void favorites(Rng& rng) {
        random->dialogHandler = [&](QDialog& d) {
            inHandler = true;
            auto& dialog = static_cast<FavoritesDialog&>(d);
            dialog.show();
            dialog.activateWindow();
            QApplication::processEvents();  // usually active now; the wait below polls in 10 ms sleeps
            if (!dialog.isActiveWindow()) (void)QTest::qWaitForWindowActive(&dialog);
            for (int i = 0, n = pick(rng, 5); i < n; ++i) favoritesStep(rng, dialog);
            chance(rng, 60) ? QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("1")), Qt::LeftButton)
                            : void(dialog.close());
            inHandler = false;
            return dialog.result();
        };
        menu(command::kFavourites);
    }
    void favoritesStep(Rng& rng, FavoritesDialog& d) {
        auto in = [&](int id) { return d.findChild<QWidget*>(QString::number(id)); };
        const auto k = static_cast<std::size_t>(pick(rng, kViewGroups));
        const auto group = static_cast<std::size_t>(d.currentGroup());
        const int listId = (d.groupMode() == ChannelKind::Tv ? FavoritesDialog::kTvListIds : FavoritesDialog::kRadioListIds)[group];
        switch (pick(rng, 4)) {
        case 0:
            if (in(FavoritesDialog::kGroupButtonIds[k])->isEnabled())
                QTest::mouseClick(in(FavoritesDialog::kGroupButtonIds[k]), Qt::LeftButton);
            break;
        case 1:
            QTest::mouseClick(in(chance(rng, 50) ? FavoritesDialog::kTvButton : FavoritesDialog::kRadioButton), Qt::LeftButton);
            break;
        case 2: {  // rename, or empty the name
            auto* edit = static_cast<QLineEdit*>(in(FavoritesDialog::kNameEditIds[k]));
            if (!edit->isEnabled()) break;
            edit->setFocus(Qt::MouseFocusReason);
            edit->clear();
            typeKeys(edit, chance(rng, 40) ? QString() : randomText(rng, 1026));
            in(FavoritesDialog::kTvButton)->setFocus(Qt::MouseFocusReason);
            break;
        }
        default: {  // a drag within the group shown
            auto* list = static_cast<QListView*>(in(listId));
            const int n = list->model()->rowCount();
            if (n == 0 || !list->isVisible()) break;
            QWidget* vp = list->viewport();
            const auto at = [&](int r) { return list->visualRect(list->model()->index(r, 0)).center(); };
            const int from = pick(rng, n), over = pick(rng, n);
            const bool escape = chance(rng, 20);
            random->dragHandler = [&](QDrag& drag) {
                dragOver(vp, at(over), drag.mimeData(), escape, false);
                return Qt::IgnoreAction;
            };
            pressAndMove(vp, at(from), {0, QApplication::startDragDistance() + 1});
            random->dragHandler = nullptr;
        }
        }
    }
    void openFile(Rng& rng) {
        ChannelDatabase db = randomDatabase(rng);
        const QString path = dir.filePath(QStringLiteral("open%1.bin").arg(++opened));
        const int damage = pick(rng, 6);
        if (damage == 0 && db.tvCount > 0)  // an index outside its table, in a file otherwise sound
            db.tv[static_cast<std::size_t>(pick(rng, db.tvCount))].transponderIndex = 999;
        std::vector<std::uint8_t> bytes = buildChannelFile(db, SaveOptions{});
        if (damage == 1) bytes.resize(static_cast<std::size_t>(pick(rng, bytes.size())));  // cut short
        for (int i = 0, n = damage == 2 ? 1 + pick(rng, 4) : 0; i < n; ++i)  // a few bytes changed anywhere
            bytes[static_cast<std::size_t>(pick(rng, bytes.size()))] ^= static_cast<std::uint8_t>(1 + pick(rng, 255));
        writeBytes(path, bytes);
        random->openPaths.push_back(path);
        menu(command::kOpen);
    }

    std::string invariants() {
        if (!random->unanswered.isEmpty()) return "dialog left unanswered: " + random->unanswered.join(' ').toStdString();
        const ChannelDatabase& db = view->database();
        const EditFlags& f = view->flags();
        if (!f.fileLoaded) return "no file loaded";
        // A New that ended without being saved (Cancel, a refused Open, after
        // failed saves) leaves the committed tables as they were before it.
        const bool written = f.filePath != lastPath || stamp(lastPath) != lastStamp;
        // The New itself changes only the working tables and the counts (the
        // step may have committed the form first, on a selection change).
        if (f.newRecordPending && !newBeforeStep && countsBeforeNew) {
            newSnapshot = db;
            std::tie(newSnapshot->satelliteCount, newSnapshot->transponderCount, newSnapshot->tvCount,
                     newSnapshot->radioCount) = *std::exchange(countsBeforeNew, std::nullopt);
        }
        if (!f.newRecordPending && newBeforeStep && !written && newSnapshot)
            if (std::string changed = differingTable(db, *newSnapshot, false); !changed.empty())
                return "a New ended unsaved, and its " + changed + " are not as before it";
        if (!f.newRecordPending) newSnapshot.reset();
        // Checked first: another file opened decides which indices may lie outside.
        if (std::string saved = savedFileMismatch(); !saved.empty()) return saved;
        if (db.satelliteCount > kMaxSatellitesInFile || db.transponderCount > kTransponderCapacity ||
            db.tvCount > kChannelCapacity || db.radioCount > kChannelCapacity || db.groupCount() > kGroupCapacity ||
            db.totalMembers(ChannelKind::Tv) > kMemberCapacity || db.totalMembers(ChannelKind::Radio) > kMemberCapacity)
            return "a count beyond its capacity";
        if (!loadedOutside)
            if (std::string outside = outsideTable(db, f.newRecordPending); !outside.empty()) return outside;
        if (!f.newRecordPending)
            for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio})
                if (std::string wrong = listMismatch(kind); !wrong.empty()) return wrong;
        return {};
    }

    // Each row shows its record: the committed one in table order, or, while
    // sorted, the one its Number cell names, which its working row holds.
    // A filtered list shows exactly the rows whose channels match, in order.
    std::string listMismatch(ChannelKind kind) const {
        const ChannelDatabase& db = view->database();
        auto* model = static_cast<ChannelListModel*>(find<QTableView>(kind == ChannelKind::Tv ? 1017 : 1018)->model());
        const std::string name = kind == ChannelKind::Tv ? "TV" : "radio";
        const bool sorted = view->flags().sortPending;
        if (model->listRowCount() != db.channelCount(kind)) return name + " list: row count";
        const ChannelFilter& filter = view->listFilter();
        const std::vector<char> match = matchingChannels(db, kind, filter);
        int shown = 0;
        std::vector<bool> seen(db.channelCount(kind));
        for (int r = 0; r < model->listRowCount(); ++r) {
            const int record = model->cell(r, 0).toInt() - 1;
            const auto rec = static_cast<std::size_t>(record);
            const auto where = [&] { return name + " row " + std::to_string(r); };
            if (record < 0 || record >= model->listRowCount() || seen[rec]) return where() + ": Number cell";
            const bool matches = !filter.active() || (!view->filterUnmatchable() && match[rec]);
            if (matches != (model->shownRow(r) >= 0)) return where() + (matches ? ": matches but hidden" : ": shown but no match");
            if (matches && model->shownRow(r) != shown++) return where() + ": shown out of order";
            seen[rec] = true;
            if (!sorted && record != r) return where() + ": out of table order without a sort";
            const ChannelRow expect = formatChannelRow(db, kind, record);
            if (expect.cells != model->row(r)->cells || expect.image != model->row(r)->image)
                return where() + ": cells differ from record " + std::to_string(record);
            if (sorted && db.workingChannels(kind)[static_cast<std::size_t>(r)] != db.channels(kind)[rec])
                return where() + ": working record differs from record " + std::to_string(record);
        }
        if (model->rowCount() != shown) return name + " list: shown row count";
        return {};
    }

    // After a save the file reads back, `check` finds nothing, and it holds
    // the committed tables.
    std::string savedFileMismatch() {
        const bool sameFile = view->flags().filePath == lastPath;
        // A save renames a new file into place: an unchanged stamp is an unchanged file.
        if (sameFile && stamp(lastPath) == lastStamp) return {};
        const std::vector<std::uint8_t> bytes = readBytes(QString::fromStdString(lastPath));
        std::string fault;
        if (bytes != lastBytes) {
            ChannelDatabase read;
            const LoadResult r = readChannelFile(bytes, read, ReadOptions{false});
            if (!r.ok()) return "the saved file does not read back: " + r.text();
            const auto findings = cli::fileFindings(read, bytes, r.consumed);
            if (!findings.empty() && !loadedOutside && !loadedFindings) return "check finds: " + findings.front();
            if (sameFile) fault = differingTable(view->database(), read, newBeforeStep);
            if (!fault.empty()) fault = "the saved file differs from memory in its " + fault;
        }
        if (!sameFile) {
            noteOpened();
        } else {
            lastBytes = bytes;
            lastStamp = stamp(lastPath);
        }
        return fault;
    }
    void noteOpened() {
        lastPath = view->flags().filePath;
        lastStamp = stamp(lastPath);
        lastBytes = readBytes(QString::fromStdString(lastPath));
        loadedOutside = !outsideTable(view->database(), false).empty();
        // A damaged header byte (an unknown usage type) is kept as read.
        ChannelDatabase read;
        const LoadResult r = readChannelFile(lastBytes, read, ReadOptions{false});
        loadedFindings = r.ok() && !cli::fileFindings(read, lastBytes, r.consumed).empty();
    }

    // The middle of row `r`, scrolled into view.
    // What a user's mouse sends to `vp` in a drag over `at`: it ends by a drop,
    // by Escape and a drop, or by leaving.
    static void dragOver(QWidget* vp, QPoint at, const QMimeData* mime, bool escape, bool leave) {
        sendDrag<QDragEnterEvent>(vp, mime, at);
        sendDrag<QDragMoveEvent>(vp, mime, at);
        if (escape) QTest::keyClick(vp, Qt::Key_Escape);
        if (!leave) return sendDrag<QDropEvent>(vp, mime, at);
        QDragLeaveEvent left;
        QApplication::sendEvent(vp, &left);
    }
    static QPoint rowCenter(QTableView* list, int r) {
        list->scrollTo(list->model()->index(r, 1));
        return list->visualRect(list->model()->index(r, 1)).center();
    }
    int visibleList() const { return find<QTableView>(1018)->isVisible() ? 1018 : 1017; }
    // A click a user can make: on a shown, enabled control.
    void userClick(int id) {
        if (QWidget* w = find<QWidget>(id); w->isVisible() && w->isEnabled()) click(id);
    }
    // A menu command, when the menu offers it.
    void menu(int id) {
        frame->updateCommandStates();
        if (QAction* a = frame->commandAction(id); a && a->isEnabled()) a->trigger();
    }
    // Right click on a random row and the list menu's item `item` (-1: dismissed).
    void listMenu(Rng& rng, int item) {
        const int id = visibleList();
        auto* list = find<QTableView>(id);
        if (rows(id) == 0) return;
        const QPoint at = rowCenter(list, pick(rng, rows(id)));
        random->menuHandler = [item](QMenu& m) -> QAction* {
            for (QAction* a : m.actions())
                if (a->isEnabled() && a->data().toInt() == item && item > 0) return a;
            return nullptr;
        };
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &e);
    }

    std::string report(const std::string& fault, std::uint32_t seed) const {
        std::string out = "fault with MONKEY_SEED=" + std::to_string(seed) + ": " + fault + "\nlast steps:\n";
        for (const Step& s : history) out += "  {\"" + s.action + "\", " + std::to_string(s.arg) + "u},\n";
        return out;
    }

    RandomPrompter* random = nullptr;
    std::unique_ptr<CMainFrame> frame;
    QTimer watchdog;
    bool inHandler = false;
    std::deque<Step> history;
    std::FILE* log = nullptr;
    std::string lastPath;
    std::vector<std::uint8_t> lastBytes;
    std::tuple<ino_t, off_t, long, long> lastStamp;
    bool loadedOutside = false;  // the file as loaded had indices outside their tables
    bool loadedFindings = false;  // or anything else check finds
    int opened = 0;
    bool newBeforeStep = false;
    static std::tuple<std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t> counts(const ChannelDatabase& db) {
        return {db.satelliteCount, db.transponderCount, db.tvCount, db.radioCount};
    }
    std::optional<std::tuple<std::uint16_t, std::uint16_t, std::uint16_t, std::uint16_t>> countsBeforeNew;
    std::optional<ChannelDatabase> newSnapshot;  // the tables as the pending New found them
};

std::uint32_t envNumber(const char* name, std::uint32_t fallback) {
    bool ok = false;
    const auto n = qgetenv(name).toULong(&ok);
    return ok ? static_cast<std::uint32_t>(n) : fallback;
}

TEST_F(MonkeyTest, RandomActionsKeepTablesListsAndSavedFilesSound) {
    const std::uint32_t seed = envNumber("MONKEY_SEED", 1);
    if (const QByteArray path = qgetenv("MONKEY_LOG"); !path.isEmpty()) log = std::fopen(path.constData(), "w");
    std::string fault;
    if (const QByteArray replay = qgetenv("MONKEY_REPLAY"); !replay.isEmpty()) {
        // Steps as a failing run printed them, one per line: {"name", 123u},
        QFile file(QString::fromLocal8Bit(replay));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << replay.constData();
        std::vector<Step> steps;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (const QList<QByteArray> parts = line.trimmed().split('"'); parts.size() >= 3)
                steps.push_back({parts[1].toStdString(), static_cast<std::uint32_t>(parts[2].mid(1).trimmed().chopped(3).toULong())});
        fault = runSteps(seed, steps);
    } else {
        fault = runRandom(seed, envNumber("MONKEY_STEPS", 2000));
    }
    if (log) std::fclose(log);
    EXPECT_TRUE(fault.empty()) << report(fault, seed);
}

// The shortest sequences that once broke an invariant, each replayed on the
// start file of its seed. Each step's choices come from its number, so a
// change to what an action draws calls for shortening the failing run anew.
TEST_F(MonkeyTest, SequencesThatOnceFailedStaySound) {
    const struct {
        std::uint32_t seed;
        std::vector<Step> steps;
    } cases[] = {
        // A New, then File > Open of a damaged file: Edit ended the New but
        // kept its grown counts; the list lost step with the table.
        {1, {{"open", 3698781345u}, {"edit", 649210240u}, {"switch", 1887227685u}, {"new", 764733340u}, {"open", 462412816u}}},
        // The favourites dialog saved (Edit stays on), New, then Edit: the
        // New ended with its counts grown and no record behind them.
        {2, {{"open", 2521229063u}, {"favourites", 2190151598u}, {"new", 1888701172u}, {"edit", 1755328091u}}},
        // The TV switch during a radio New showed the TV list while radio
        // stayed active; after Cancel a drag in it moved TV channels and left
        // the list showing the old order.
        {14, {{"open", 478858513u}, {"edit", 3540464103u}, {"switch", 3165226628u}, {"menu", 2857482876u},
              {"switch", 282856232u}, {"cancel", 3727170980u}, {"drag", 2436840193u}}},
        // A New, a save whose write failed, then Cancel or a refused Open:
        // the failed save had carried the New into the committed tables, and
        // the discard dropped the list's last channel instead.
        {1, {{"edit", 1u}, {"save", 1u}, {"new", 1u}, {"failsave", 1u}, {"cancel", 1u}}},
        {1, {{"edit", 1u}, {"save", 1u}, {"new", 1u}, {"failsave", 1u}, {"refuse", 1u}}},
        // A New, then an Open of a missing file: the favourite boxes came back
        // on, and a click changed the committed member lists under the New.
        {1, {{"edit", 1u}, {"new", 1u}, {"refuse", 4u}, {"box", 7u}, {"cancel", 1u}}},
    };
    for (const auto& c : cases) {
        if (&c != cases) {  // a fresh window for each
            TearDown();
            SetUp();
        }
        const std::string fault = runSteps(c.seed, c.steps);
        EXPECT_TRUE(fault.empty()) << report(fault, c.seed);
    }
}

}  // namespace
}  // namespace velmora::test
