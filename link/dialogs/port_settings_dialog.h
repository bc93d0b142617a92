// SPDX-License-Identifier: GPL-3.0-or-later
// The port settings dialog: port, line parameters and (on Linux) the device
// that stands behind each COM number.
#pragma once

#include <QDialog>
#include <QStringList>

#include "port_settings.h"

class QButtonGroup;
class QComboBox;
class QLabel;

namespace velmora::ui {

class DeviceBox;

class PortSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids (objectNames).
    static constexpr int kPort = 1012, kBaud = 1013, kOption1 = 1014, kOption2 = 1015, kDataBits = 1016,
                         kParity = 1017, kStopBits = 1018, kFlowNone = 1019, kFlowXonXoff = 1020, kFlowRts = 1021,
                         kFlowXonRts = 1022;

    explicit PortSettingsDialog(QWidget* parent = nullptr);

    void setSettings(const link::PortSettings& settings);
    // The texts as shown (chosen or typed); -1 for an option group with no
    // button checked.
    link::PortSettings settings() const;

    // Device paths of COM1..COM4 (index 0..3); empty means the default. A
    // device set by VELMORA_COMn is shown, read-only, and not taken back.
    void setDevicePaths(const QStringList& paths);
    QStringList devicePaths() const;

    // Selects the first entry that begins with `text` (ignoring case), or
    // puts `text` into the edit field when none does.
    static void selectOrShow(QComboBox* box, const QString& text);

private:
    static void checkPosition(QButtonGroup* group, int position);
    static int checkedPosition(const QButtonGroup* group);
    // What the settings file keeps for the choice of `box`.
    static QString storedText(const QComboBox* box);

    QComboBox* port_;
    QComboBox* baud_;
    QComboBox* dataBits_;
    QComboBox* parity_;
    QComboBox* stopBits_;
    QButtonGroup* option_;
    QButtonGroup* flow_;
    DeviceBox* devices_[4];
    QLabel* deviceLabels_[4];
    QStringList storedPaths_;  // returned for devices set by the environment
};

}  // namespace velmora::ui
