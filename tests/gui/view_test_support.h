// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the editor form tests: a small channel file with known
// values, and a fixture holding a shown form with scripted dialogs.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CArdelEditView.h"
#include "channel_database.h"
#include "scripted_prompter.h"

namespace velmora::test {

// Two satellites, three transponders, three TV and two radio channels, two
// favourite groups; every value is chosen so that each field is recognisable.
ChannelDatabase smallDatabase();
// The bytes a save of `db` produces (band rule on `currentTransponder`).
std::vector<std::uint8_t> fileBytes(ChannelDatabase db, int currentTransponder);
std::vector<std::uint8_t> readBytes(const QString& path);
void writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes);
// smallDatabase with `tvCount` TV channels named A, B, ... and its radio ones
// a, b; favourite group k is named "Gk" and holds the TV channels named by
// tvGroups[k] and the radio ones named by radioGroups[k] (none when absent).
ChannelDatabase letteredDatabase(int tvCount, const std::vector<std::string>& tvGroups,
                                 const std::vector<std::string>& radioGroups = {});
// The groups holding channels of `kind` as "k:names", joined by blanks.
std::string memberNames(const ChannelDatabase& db, ChannelKind kind);

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `db` to a file in the temporary folder and returns its path.
    QString writeDatabase(const ChannelDatabase& db, const QString& name = QStringLiteral("channels.bin"));
    // File > Open answered with `path`.
    void open(const QString& path);
    void click(int id);
    void selectRow(int listId, int row);  // a mouse click on the row
    void showPage(int page);              // a click on the tab
    void type(int id, const QString& text);  // replaces a field's text by typing

    template <class T>
    T* find(int id) const {
        T* w = view->findChild<T*>(QString::number(id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return w;
    }
    QString text(int id) const;  // text of a field, label or combo box
    bool editable(int id) const { return !find<QLineEdit>(id)->isReadOnly(); }
    bool enabled(int id) const { return find<QWidget>(id)->isEnabled(); }
    bool shown(int id) const { return !find<QWidget>(id)->isHidden(); }
    QString cell(int listId, int row, int column) const;
    int rows(int listId) const;
    int selectedRow(int listId) const;
    ChannelDatabase saved();  // Save, then the file at `path` read back
    void clickHeader(int listId, int column, int times = 1);
    // Left button pressed at `at` and moved by `by`: enough to start a drag.
    static void pressAndMove(QWidget* viewport, QPoint at, QPoint by);
    // A drag event E (enter, move or drop) carrying `data` at `pos`.
    template <class E>
    static void sendDrag(QWidget* viewport, const QMimeData* data, QPoint pos) {
        E e(pos, Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &e);
    }
    // Options that keep the port settings in the temporary folder.
    ViewOptions scratchOptions() const {
        ViewOptions options;
        options.port.configPath = dir.filePath(QStringLiteral("config.ini"));
        options.port.profilePath = dir.filePath(QStringLiteral("ports.ini"));
        return options;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("channels.bin"));
    std::unique_ptr<ui::ScriptedPrompter> prompter;
    std::unique_ptr<CArdelEditView> view;
};

// The form with the small database opened from `path`.
class SmallFileTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        open(writeDatabase(smallDatabase()));
    }
};

}  // namespace velmora::test
