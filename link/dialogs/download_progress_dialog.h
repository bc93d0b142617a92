// SPDX-License-Identifier: GPL-3.0-or-later
// Modal progress window of a download (PC -> receiver): what is being sent,
// over which line, how far it has got, and the only way to give up (Cancel).
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace velmora::ui {

class DownloadProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 186;
    static constexpr int kBar = 1027, kProgressText = 1030, kModel = 1006, kHardware = 1137, kSoftware = 1015,
                         kPort = 1005, kSpeed = 1142, kCancel = 2;

    explicit DownloadProgressDialog(QWidget* parent = nullptr);

    // Position 0 of `total`; fills the information rows.
    void setup(std::uint32_t total, const QString& model, std::uint32_t hardwareVersion,
               std::uint32_t softwareVersion, const QString& port, const QString& speed);

    std::uint32_t total() const { return total_; }
    std::uint32_t position() const { return position_; }

    // Version texts from the "%.4x" digits s of the value (length L):
    // hardware s[0].s[L-2..L-1].s[1..2], software s[0].s[2..3].s[L-2..L-1].
    static QString hardwareVersionText(std::uint32_t value);
    static QString softwareVersionText(std::uint32_t value);

public slots:
    void setPosition(std::uint32_t position);
    // The transfer finished: close exactly as Cancel does.
    void finish();

private:
    void showPosition();

    std::uint32_t total_ = 0;
    std::uint32_t position_ = 0;
    QProgressBar* bar_;
    QLabel* progressText_;
    QLabel* model_;
    QLabel* hardware_;
    QLabel* software_;
    QLabel* port_;
    QLabel* speed_;
    QPushButton* cancel_;
};

}  // namespace velmora::ui
