// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the application icon, two lines of text, the release and
// licence, and a close button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    static QString versionLine();
    static QString descriptionLine();
    // The release number and the licence the program is distributed under.
    static QString licenceText();
};

}  // namespace velmora
