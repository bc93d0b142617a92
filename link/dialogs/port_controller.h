// SPDX-License-Identifier: GPL-3.0-or-later
// Owns the serial port and its settings for the editor view: the Open port
// and Port settings commands, the start-up open, status texts, and the
// hand-over of watcher notifications to the UI thread.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <atomic>
#include <string>

#include "port_settings.h"
#include "serial_port.h"

class QWidget;

namespace velmora::ui {

struct PortControllerOptions {
    // config.ini, relative to the current directory by default.
    QString configPath = QString::fromLatin1(link::kConfigFile);
    // Profile file holding the device of each COM number (group "Ports",
    // keys "COM1".."COM4"); empty means the application's own profile.
    QString profilePath;
};

class PortController : public QObject {
    Q_OBJECT
public:
    static constexpr int kCmdPortSettings = 32813;
    static constexpr int kCmdOpenPort = 32814;

    using Options = PortControllerOptions;

    // Reads (or creates) config.ini and the device mapping at once.
    explicit PortController(QWidget* dialogParent = nullptr, Options options = Options(), QObject* parent = nullptr);
    ~PortController() override;  // closes the port and stops its watcher

    // Command routing from the view; false for ids this controller does not own.
    bool handleCommand(int id);
    bool commandChecked(int id) const;
    bool commandEnabled(int id) const;

    void loadSettings();
    void openPort();
    void togglePort();
    // Returns true when the user confirmed the dialog.
    bool runSettingsDialog(QWidget* parent);
    // The automatic Open port when the editor first shows.
    void startUp();

    link::SerialPort& serialPort() { return port_; }
    link::LinkFlags& flags() { return flags_; }
    const link::PortSettings& settings() const { return settings_; }
    // The settings the open port was opened with; the dialog may have changed
    // settings() since, which apply from the next open.
    const link::PortSettings& settingsInForce() const { return inForce_; }
    bool portOpen() const { return portOpen_; }
    int portNumber() const { return portNumber_; }
    // Text of the status bar's settings pane: the open port's line, or the
    // default text while no port is open.
    QString settingPaneText() const;
    int baudRate() const { return baudRate_; }
    const QString& lastStatus() const { return lastStatus_; }
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

    QStringList devicePaths() const;  // COM1..COM4, from the profile

signals:
    void statusText(const QString& text);
    void settingPaneChanged(const QString& text);
    void rxDownload();
    void rxUpload();
    void portOpenChanged(bool open);

private:
    void onPortEvent(link::PortEvent event, unsigned generation);
    void setStatus(const QString& text);
    void setPortOpen(bool open);
    void deriveValues();
    // The settings chosen now would open another device or line than the open port's.
    bool lineChanged() const;
    void applyDeviceMap(const QStringList& paths);
    bool storeDevicePaths(const QStringList& paths);

    Options options_;
    QPointer<QWidget> dialogParent_;
    link::LinkFlags flags_;
    // Counts opens, so a notification from a port that has since been
    // closed (and maybe reopened) is recognised as stale.
    std::atomic<unsigned> generation_{0};
    link::SerialPort port_;
    link::PortSettings settings_;
    link::PortSettings inForce_;
    int portNumber_ = 0;
    int openPortNumber_ = 0;
    int baudRate_ = 0;
    bool portOpen_ = false;
    bool queueFullShowing_ = false;
    QString lastStatus_;
};

}  // namespace velmora::ui
