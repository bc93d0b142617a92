// The About box: the application icon, two lines of text and a close button.
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
};

}  // namespace velmora
