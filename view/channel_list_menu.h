// SPDX-License-Identifier: GPL-3.0-or-later
// The right-click menu of the TV and radio lists: in edit mode a header that
// names the list, then New, Cut, Paste and Del, then the moves of the
// selection; outside edit mode the items alone, grayed.
#pragma once

#include <QMenu>

#include "channel_database.h"

namespace velmora {

class ChannelListMenu {
public:
    // What exec returns; Header also stands for a dismissed menu.
    enum Item { Header = 0, New = 1, Cut = 2, Paste = 3, Delete = 4, MoveUp, MoveDown, MoveToTop, MoveToBottom, MoveTo };

    struct State {
        bool editActive = false;
        bool canNew = false;
        bool canCut = false;
        bool canPaste = false;
        bool canDelete = false;
        bool canMove = false;  // the moves of the selection
        bool canStep = true;   // Move Up and Down besides (not while filtered)
    };

    ChannelListMenu(ChannelKind kind, const State& state, QWidget* parent = nullptr);

    QMenu& menu() { return menu_; }
    // Pops up at the screen position `at` (through the prompter) and
    // returns the chosen item.
    Item exec(const QPoint& at);

private:
    QMenu menu_;
};

}  // namespace velmora
