// SPDX-License-Identifier: GPL-3.0-or-later
// The search dialog: one name field and OK. Closing it any other way cancels.
#pragma once

#include <QDialog>

class QLineEdit;

namespace velmora {

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 194;
    static constexpr int kSearchText = 1030;

    // The field is empty at every opening: each search makes a new dialog.
    explicit SearchDialog(QWidget* parent = nullptr);
    QString searchText() const;

private:
    QLineEdit* text_;
};

}  // namespace velmora
