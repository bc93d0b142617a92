// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_test_support.h"

#include <QFile>
#include <QHeaderView>
#include <QTabBar>
#include <QTest>

#include "channel_reader.h"
#include "channel_writer.h"
#include "resources_init.h"

namespace velmora::test {
namespace {

void name(std::span<std::uint8_t> field, const char* text) { setFieldText(field, text); }

ChannelEntry channel(std::uint16_t tp, std::uint16_t sid, const char* text, std::uint16_t base, std::uint8_t pidMode,
                     std::uint8_t scrambled, std::uint8_t locked) {
    ChannelEntry c;
    c.transponderIndex = tp;
    c.serviceId = sid;
    name(c.name, text);
    c.pmtPid = base;
    c.videoPid = static_cast<std::uint16_t>(base + 1);
    c.audioPid = static_cast<std::uint16_t>(base + 2);
    c.pcrPid = static_cast<std::uint16_t>(base + 3);
    c.pidMode = pidMode;
    c.scrambled = scrambled;
    c.locked = locked;
    return c;
}

}  // namespace

ChannelDatabase smallDatabase() {
    ChannelDatabase db;
    db.allocateTables();
    db.header.magic = kFileMagic;
    db.header.usageType = 2;
    name(std::span(db.header.headerText.data(), kHeaderTextSize), "TEST MODEL");
    db.blockHead.channelMagic = kChannelMagic;
    db.general.head = {0x01, 20};
    db.satelliteSection.sectionTag = 2;
    db.transponderSection.sectionTag = 3;
    db.channelSection.sectionTag = 4;
    db.favoriteSection.sectionTag = 5;

    db.satelliteCount = 2;
    db.satellites[0] = SatelliteEntry{1, 192, {}};
    name(db.satellites[0].name, "Astra 1KR");
    db.satellites[1] = SatelliteEntry{1, 3592, {}};
    name(db.satellites[1].name, "Thor 6");

    db.transponderCount = 3;
    db.transponders[0] = TransponderEntry{0x0001, 0x044d, 11747, 27500, 0, 3, 0};
    db.transponders[1] = TransponderEntry{0x0001, 0x03fb, 12188, 27500, 1, 0, 0};
    db.transponders[2] = TransponderEntry{0x0046, 0x0010, 10872, 25000, 1, 5, 1};

    db.tvCount = 3;
    db.tv[0] = channel(0, 0x001c, "Das Erste", 0x0064, 0, 0, 0);
    db.tv[1] = channel(1, 0x2b66, "ZDF", 0x0100, 1, 1, 0);
    db.tv[2] = channel(2, 0x0fa1, "TV Norge", 0x0200, 0, 0, 1);
    db.radioCount = 2;
    db.radio[0] = channel(0, 0x0030, "Bayern 3", 0x0300, 0, 0, 0);
    db.radio[1] = channel(2, 0x0f01, "NRK P1", 0x0400, 1, 1, 0);

    db.general.favoriteGroupCount = 2;
    name(db.groupNames[0], "News");
    name(db.groupNames[1], "Sport");
    db.tvMemberCount[0] = 2;  // TV 2 then TV 0
    db.tvMembers[0] = 2;
    db.tvMembers[1] = 0;
    db.radioMemberCount[0] = 1;
    db.radioMembers[0] = 1;
    db.tvMemberCount[1] = 1;
    db.tvMembers[2] = 0;
    db.syncWorkingTables();
    return db;
}

ChannelDatabase letteredDatabase(int tvCount, const std::vector<std::string>& tvGroups,
                                 const std::vector<std::string>& radioGroups) {
    ChannelDatabase db = smallDatabase();
    db.tvCount = static_cast<std::uint16_t>(tvCount);
    db.general.favoriteGroupCount = static_cast<std::uint16_t>(tvGroups.size());
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const char first = kind == ChannelKind::Tv ? 'A' : 'a';
        const auto& groups = kind == ChannelKind::Tv ? tvGroups : radioGroups;
        for (int i = 0; i < db.channelCount(kind); ++i) {
            db.channels(kind)[i] = db.channels(kind)[i % 2];
            setFieldText(db.channels(kind)[i].name, std::string(1, char(first + i)));
        }
        for (std::size_t k = 0, e = 0; k < tvGroups.size(); ++k) {
            setFieldText(db.groupNames[k], "G" + std::to_string(k));
            const std::string names = k < groups.size() ? groups[k] : "";
            db.memberCounts(kind)[k] = static_cast<std::uint16_t>(names.size());
            for (char c : names) db.members(kind)[e++] = static_cast<std::uint16_t>(c - first);
        }
    }
    db.syncWorkingTables();
    return db;
}

std::string memberNames(const ChannelDatabase& db, ChannelKind kind) {
    std::string out;
    for (std::size_t k = 0, e = 0; k < db.groupCount(); ++k) {
        if (db.memberCounts(kind)[k] == 0) continue;
        out += (out.empty() ? "" : " ") + std::to_string(k) + ":";
        for (int j = 0; j < db.memberCounts(kind)[k]; ++j) out += fieldText(db.channels(kind)[db.members(kind)[e++]].name);
    }
    return out;
}

std::vector<std::uint8_t> fileBytes(ChannelDatabase db, int currentTransponder) {
    SaveOptions options;
    options.currentTransponder = currentTransponder;
    return buildChannelFile(db, options);
}

std::vector<std::uint8_t> readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = f.readAll();
    return {data.begin(), data.end()};
}

void writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void ViewTest::SetUp() {
    static bool resources = false;
    if (!resources) {
        initResources();
        resources = true;
    }
    ASSERT_TRUE(dir.isValid());
    prompter = std::make_unique<ui::ScriptedPrompter>();
    view = std::make_unique<CArdelEditView>();
    view->resize(1100, 640);
    view->show();
    view->initialUpdate();
}

void ViewTest::TearDown() {
    view.reset();
    prompter.reset();
}

QString ViewTest::writeDatabase(const ChannelDatabase& db, const QString& fileName) {
    const QString path = dir.filePath(fileName);
    writeBytes(path, fileBytes(db, 0));
    return path;
}

void ViewTest::open(const QString& path) {
    prompter->openPaths.push_back(path);
    EXPECT_TRUE(view->handleCommand(57601));
}

void ViewTest::click(int id) {
    QWidget* w = find<QWidget>(id);
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    } else {
        QTest::mouseClick(w, Qt::LeftButton);
    }
}

void ViewTest::selectRow(int listId, int row) {
    auto* list = find<QTableView>(listId);
    const QModelIndex index = list->model()->index(row, 1);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void ViewTest::showPage(int page) {
    auto* tabs = find<QTabBar>(1044);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
}

void ViewTest::type(int id, const QString& text) {
    auto* edit = find<QLineEdit>(id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString ViewTest::text(int id) const {
    QWidget* w = find<QWidget>(id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* b = qobject_cast<QCheckBox*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return {};
}

QString ViewTest::cell(int listId, int row, int column) const {
    auto* list = find<QTableView>(listId);
    return list->model()->index(row, column).data().toString();
}

int ViewTest::rows(int listId) const { return find<QTableView>(listId)->model()->rowCount(); }

int ViewTest::selectedRow(int listId) const {
    const auto selected = find<QTableView>(listId)->selectionModel()->selectedRows();
    return selected.size() == 1 ? selected.first().row() : -1;
}

ChannelDatabase ViewTest::saved() {
    click(1041);
    ChannelDatabase db;
    EXPECT_TRUE(loadChannelFile(path.toStdString(), db).ok());
    return db;
}

void ViewTest::clickHeader(int listId, int column, int times) {
    QHeaderView* header = find<QTableView>(listId)->horizontalHeader();
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {header->sectionViewportPosition(column) + 5, 5});
}

void ViewTest::pressAndMove(QWidget* viewport, QPoint at, QPoint by) {
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &press);
    QMouseEvent move(QEvent::MouseMove, at + by, viewport->mapToGlobal(at + by), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
}

}  // namespace velmora::test
