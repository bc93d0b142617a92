// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Apply Order From…: what the reorder would do, with OK to apply it.
#pragma once

#include <QDialog>
#include <QString>

namespace velmora {

class ApplyOrderDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 200;
    static constexpr int kReference = 1170, kReport = 1171, kOk = 1, kCancel = 2;

    // `report`: one line per finding, as the command line prints it.
    ApplyOrderDialog(QWidget* parent, const QString& referencePath, const QString& report);
};

}  // namespace velmora
