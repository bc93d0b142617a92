// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Move To…: the position the selected channels' first one is to take.
#pragma once

#include <QDialog>

class QSpinBox;

namespace velmora {

class MoveToDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 201;
    static constexpr int kPosition = 1172, kRange = 1173, kOk = 1, kCancel = 2;

    // `current`: the 1-based position the first selected channel has now;
    // `last`: the highest position the block can start at (count - k + 1).
    MoveToDialog(QWidget* parent, int selected, int current, int last);

    // 1-based; the spin box takes nothing outside 1..last.
    int position() const;
    QSpinBox* positionBox() const { return position_; }

private:
    QSpinBox* position_ = nullptr;
};

}  // namespace velmora
