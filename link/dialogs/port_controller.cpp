// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_controller.h"

#include <QMetaObject>
#include <QSettings>
#include <QWidget>
#include <map>
#include <memory>

#include "port_settings_dialog.h"
#include "prompter.h"

namespace velmora::ui {
namespace {

std::unique_ptr<QSettings> openProfile(const QString& path) {
    if (path.isEmpty()) return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

}  // namespace

PortController::PortController(QWidget* dialogParent, Options options, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      dialogParent_(dialogParent),
      port_(flags_, [this](link::PortEvent e, std::uint16_t) {
          // Runs on the watcher thread: hand over to the UI thread and return.
          const unsigned generation = generation_.load(std::memory_order_acquire);
          QMetaObject::invokeMethod(
              this, [this, e, generation] { onPortEvent(e, generation); }, Qt::QueuedConnection);
      }) {
    loadSettings();
    applyDeviceMap(devicePaths());
}

PortController::~PortController() {
    // Stop the watcher before the members its callback uses go away.
    port_.close();
}

void PortController::loadSettings() {
    link::loadSettings(options_.configPath.toStdString(), settings_);
    deriveValues();
    portOpen_ = false;
}

void PortController::deriveValues() {
    portNumber_ = link::portNumberFrom(settings_.port, portNumber_);
    baudRate_ = link::baudRateFrom(settings_.baudRate);
}

bool PortController::handleCommand(int id) {
    switch (id) {
    case kCmdPortSettings: runSettingsDialog(dialogParent_); return true;
    case kCmdOpenPort: togglePort(); return true;
    default: return false;
    }
}

bool PortController::commandChecked(int id) const { return id == kCmdOpenPort && portOpen_; }

bool PortController::commandEnabled(int id) const { return id == kCmdOpenPort || id == kCmdPortSettings; }

void PortController::setStatus(const QString& text) {
    lastStatus_ = text;
    emit statusText(text);
}

void PortController::setPortOpen(bool open) {
    if (portOpen_ == open) return;
    portOpen_ = open;
    emit settingPaneChanged(settingPaneText());
    emit portOpenChanged(open);
}

QString PortController::settingPaneText() const {
    // A closed port shows the line's defaults, worded as an open one's.
    if (!portOpen_) return tr("Setting : %1").arg(QStringLiteral("115200, ") + tr("none") + QStringLiteral(", 8, 1"));
    // The summary's parity is a word; the rest are numbers.
    static const char* const kParity[] = {QT_TR_NOOP("even"), QT_TR_NOOP("odd"), QT_TR_NOOP("none"), QT_TR_NOOP("mark"),
                                          QT_TR_NOOP("space")};
    QStringList parts = QString::fromStdString(link::lineSummary(inForce_)).split(QStringLiteral(", "));
    if (parts.size() == 4)
        for (const char* word : kParity)
            if (parts[1] == QLatin1String(word)) parts[1] = tr(word);
    return tr("Setting : %1").arg(parts.join(QStringLiteral(", ")));
}

void PortController::openPort() {
    if (portOpen_) return;
    if (portNumber_ == 0) {
        setStatus(tr("Please set up the port first."));
        setPortOpen(false);
        return;
    }
    const std::string name = "COM" + std::to_string(portNumber_);
    generation_.fetch_add(1, std::memory_order_acq_rel);
    if (port_.open(name, baudRate_, static_cast<std::uint16_t>(portNumber_), settings_.dataBits, settings_.parity,
                   settings_.stopBits, settings_.flowControl)) {
        inForce_ = settings_;
        openPortNumber_ = portNumber_;
        setStatus(tr("Initialization of Port COM%1 is successful.").arg(portNumber_));
        setPortOpen(true);
    } else {
        // The box says that it failed; the status bar keeps why.
        setStatus(tr("COM%1 (%2): %3")
                      .arg(portNumber_)
                      .arg(QString::fromStdString(port_.devicePath()), QString::fromStdString(port_.lastReason())));
        notice(dialogParent_, tr("Failed initializing port."));
        setPortOpen(false);
    }
}

void PortController::togglePort() {
    if (portOpen_) {
        port_.close();
        setPortOpen(false);
        // The port that was open, even when the settings name another by now.
        setStatus(tr("Port COM%1 is closed.").arg(openPortNumber_));
        return;
    }
    openPort();
}

void PortController::startUp() { togglePort(); }

bool PortController::lineChanged() const {
    // optionIndex reaches no device.
    link::PortSettings chosen = settings_;
    chosen.optionIndex = inForce_.optionIndex;
    return !(chosen == inForce_) ||
           link::SerialPort::devicePathFor("COM" + std::to_string(portNumber_)) != port_.devicePath();
}

bool PortController::runSettingsDialog(QWidget* parent) {
    PortSettingsDialog dialog(parent);
    dialog.setSettings(settings_);
    const QStringList oldPaths = devicePaths();
    dialog.setDevicePaths(oldPaths);
    if (Prompter::current().runDialog(dialog) != QDialog::Accepted) return false;

    // The new values apply to this run even when they cannot be stored;
    // an open port keeps its old line until it is reopened.
    settings_ = dialog.settings();
    deriveValues();

    std::string error;
    if (!link::saveSettings(options_.configPath.toStdString(), settings_, &error)) {
        notice(parent, tr("The port settings could not be saved to %1.\n%2")
                           .arg(options_.configPath, QString::fromLocal8Bit(error.c_str())));
    }
    const QStringList paths = dialog.devicePaths();
    if (paths != oldPaths) {
        if (!storeDevicePaths(paths))
            notice(parent, tr("The port devices could not be saved to the settings."));
        applyDeviceMap(paths);
    }
    if (portOpen_ && lineChanged()) setStatus(tr("The new port settings take effect when the port is opened again."));
    return true;
}

QStringList PortController::devicePaths() const {
    auto profile = openProfile(options_.profilePath);
    QStringList paths;
    profile->beginGroup(QStringLiteral("Ports"));
    for (int i = 1; i <= 4; ++i) paths << profile->value(QStringLiteral("COM%1").arg(i)).toString();
    profile->endGroup();
    return paths;
}

bool PortController::storeDevicePaths(const QStringList& paths) {
    auto profile = openProfile(options_.profilePath);
    profile->beginGroup(QStringLiteral("Ports"));
    for (int i = 0; i < 4; ++i) {
        const QString key = QStringLiteral("COM%1").arg(i + 1);
        if (i < paths.size() && !paths[i].isEmpty())
            profile->setValue(key, paths[i]);
        else
            profile->remove(key);
    }
    profile->endGroup();
    profile->sync();
    return profile->status() == QSettings::NoError;
}

void PortController::applyDeviceMap(const QStringList& paths) {
    std::map<int, std::string> map;
    for (int i = 0; i < paths.size() && i < 4; ++i) {
        if (!paths[i].isEmpty()) map[i + 1] = paths[i].toLocal8Bit().toStdString();
    }
    link::SerialPort::setDeviceMap(std::move(map));
}

void PortController::onPortEvent(link::PortEvent event, unsigned generation) {
    // Left over from a port that has been closed or reopened since.
    if (generation != generation_.load(std::memory_order_acquire) || !portOpen_) return;
    switch (event) {
    case link::PortEvent::RxDownload: emit rxDownload(); break;
    case link::PortEvent::RxUpload: emit rxUpload(); break;
    case link::PortEvent::QueueFull:
        // One box at a time; the watcher keeps receiving meanwhile.
        if (queueFullShowing_) break;
        queueFullShowing_ = true;
        notice(dialogParent_, tr("serial port QueueRead FULL!"));
        queueFullShowing_ = false;
        break;
    case link::PortEvent::WatchError:
        notice(dialogParent_,
               tr("Error while creating ThreadWatchComm, %1").arg(QString::fromStdString(port_.portName())));
        break;
    case link::PortEvent::PortLost: {
        port_.close();
        setPortOpen(false);
        const QString text = tr("Port COM%1 was lost: the serial device stopped responding or was unplugged.")
                                 .arg(port_.portNumber());
        setStatus(text);
        notice(dialogParent_, text);
        break;
    }
    }
}

}  // namespace velmora::ui
