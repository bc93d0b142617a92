// SPDX-License-Identifier: GPL-3.0-or-later
// The device behind one COM number: an editable drop-down of the serial
// devices present (each shown with its name), in which any path may still be
// typed. The list follows adapters being plugged in and pulled out while it
// is shown; the text chosen or typed stays in the field either way.
#pragma once

#include <QComboBox>
#include <QFileSystemWatcher>
#include <QTimer>
#include <vector>

#include "serial_devices.h"

namespace velmora::ui {

class DeviceListModel;

class DeviceBox : public QComboBox {
    Q_OBJECT
public:
    // `root` is "/" on a real system; tests pass a fake tree.
    explicit DeviceBox(QWidget* parent = nullptr, const QString& root = QStringLiteral("/"));

    // Shaped like a line edit's, so the dialog treats the box as a text field.
    QString text() const;  // the device path, trimmed; empty for the default
    void setText(const QString& path);
    void setPlaceholderText(const QString& text);
    // Shows a device the user cannot change here: no typing, no list.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    // Reads the devices present again.
    void refresh();

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void watch();

    QString root_;
    std::vector<link::SerialDevice> devices_;
    DeviceListModel* model_;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // udev adds the by-id names a moment after the node
    bool readOnly_ = false;
};

}  // namespace velmora::ui
