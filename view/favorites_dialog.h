// SPDX-License-Identifier: GPL-3.0-or-later
// View > Favourites: the favourite groups of the open file, one group and
// one kind (TV or radio) at a time. Groups are renamed in their name edits,
// emptied by clearing a name, and their entries reordered by dragging. Every
// change goes into the tables at once; the form takes the names, and saves
// after a reorder, when the dialog ends with OK (CArdelEditView_favorites.cpp).
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "channel_database.h"
#include "table_changes.h"

class QAbstractItemView;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;
class QStringListModel;

namespace velmora {

class ListDrag;

class FavoritesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 166;
    // Controls of groups 0..9, in group order.
    static constexpr std::array<int, kViewGroups> kGroupButtonIds{1132, 1133, 1047, 1048, 1049,
                                                                  1050, 1051, 1052, 1053, 1054};
    static constexpr std::array<int, kViewGroups> kNameEditIds{1148, 1149, 1159, 1160, 1161,
                                                               1162, 1163, 1164, 1165, 1166};
    static constexpr std::array<int, kViewGroups> kTvListIds{1087, 1113, 1114, 1089, 1090,
                                                             1091, 1092, 1093, 1094, 1095};
    static constexpr std::array<int, kViewGroups> kRadioListIds{1088, 1115, 1116, 1118, 1119,
                                                                1120, 1121, 1122, 1123, 1124};
    static constexpr int kTvButton = 1046, kRadioButton = 1117, kTvCaption = 1110, kRadioCaption = 1111,
                         kGroupName = 1134, kOk = 1, kCancel = 2;

    // Where the entry moved last now stands in its group.
    struct Move {
        ChannelKind kind;
        int group;
        int position;  // 0-based
    };

    explicit FavoritesDialog(ChannelDatabase& db, QWidget* parent = nullptr);
    ~FavoritesDialog() override;

    // A drag was started (even one dropped where it began): OK saves.
    bool groupChanged() const { return groupChanged_; }
    std::optional<Move> lastMove() const { return lastMove_; }
    // Every change of the session to the tables, in order.
    EditStep takeStep() { return std::move(step_); }
    ChannelKind groupMode() const { return groupMode_; }
    int currentGroup() const { return currentGroup_; }
    ListDrag* listDrag() const { return drag_; }

    // The name being edited is finished (stored, or asked about) first.
    void done(int result) override;

signals:
    // A typed character the file's texts cannot hold was refused.
    void textRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListView* listOf(ChannelKind kind, int group) const;
    bool locate(const QAbstractItemView* list, ChannelKind& kind, int& group) const;
    void fillList(ChannelKind kind, int group);
    void selectGroup(int group);
    void setKind(ChannelKind kind);
    void nameEntered(int group);
    void nameLeft(int group);
    void dragBegun(QAbstractItemView* list, int row);
    void dropped(QAbstractItemView* list, int row);

    ChannelDatabase& db_;
    ChannelKind groupMode_ = ChannelKind::Tv;
    int currentGroup_ = 0;
    int editing_ = -1;  // the group whose name edit has the focus
    std::array<QString, kViewGroups> previousName_;
    bool groupChanged_ = false;
    int dragFrom_ = -1;  // entry the running drag took
    std::optional<Move> lastMove_;
    EditStep step_;

    std::array<QRadioButton*, kViewGroups> groupButtons_{};
    std::array<QLineEdit*, kViewGroups> nameEdits_{};
    std::array<QListView*, kViewGroups> tvLists_{}, radioLists_{};
    QRadioButton* tvButton_ = nullptr;
    QRadioButton* radioButton_ = nullptr;
    QLabel* tvCaption_ = nullptr;
    QLabel* radioCaption_ = nullptr;
    QLabel* groupName_ = nullptr;
    ListDrag* drag_ = nullptr;
};

}  // namespace velmora
