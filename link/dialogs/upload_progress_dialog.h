// SPDX-License-Identifier: GPL-3.0-or-later
// Modal progress window of an upload (receiver -> PC): where the file goes,
// how many bytes have come, and Cancel.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;
class QPushButton;

namespace velmora::ui {

class UploadProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 190;
    static constexpr int kPath = 1143, kCount = 1144, kSpare = 1145, kCancel = 2;

    explicit UploadProgressDialog(QWidget* parent = nullptr);

    // Shows the path and the count "0".
    void setup(const QString& path);

public slots:
    // Bytes of completed blocks so far, shown with a trailing blank.
    void setCount(std::uint32_t uploadTotal);
    void finish();

private:
    QLabel* path_;
    QLabel* count_;
    QLabel* spare_;
    QPushButton* cancel_;
};

}  // namespace velmora::ui
