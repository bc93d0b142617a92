// SPDX-License-Identifier: GPL-3.0-or-later
#include "device_box.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QDir>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QLineEdit>

namespace velmora::ui {

// Rows of devices: the popup shows path and name, the field takes the path.
class DeviceListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setDevices(const std::vector<link::SerialDevice>& devices) {
        beginResetModel();
        devices_ = devices;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(devices_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const link::SerialDevice& d = devices_[static_cast<std::size_t>(index.row())];
        const QString path = QString::fromStdString(d.path);
        switch (role) {
        case Qt::EditRole: return path;
        case Qt::DisplayRole: return QStringLiteral("%1 \u2014 %2").arg(QString::fromStdString(d.name), path);
        case Qt::ToolTipRole: return QString::fromStdString(d.name);
        default: return {};
        }
    }

private:
    std::vector<link::SerialDevice> devices_;
};

DeviceBox::DeviceBox(QWidget* parent, const QString& root)
    : QComboBox(parent), root_(root), model_(new DeviceListModel(this)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(24);
    setModel(model_);
    settle_.setSingleShot(true);
    settle_.setInterval(300);
    connect(&settle_, &QTimer::timeout, this, &DeviceBox::refresh);
    auto changed = [this] {
        refresh();
        settle_.start();
    };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, changed);
    refresh();
}

QString DeviceBox::text() const { return currentText().trimmed(); }

void DeviceBox::setText(const QString& path) {
    const int row = findData(path, Qt::EditRole, Qt::MatchExactly);
    setCurrentIndex(row);
    if (row < 0) setEditText(path);
}

void DeviceBox::setPlaceholderText(const QString& text) { lineEdit()->setPlaceholderText(text); }

void DeviceBox::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    lineEdit()->setReadOnly(readOnly);
}

// Arrow keys and the wheel would pick another entry.
void DeviceBox::keyPressEvent(QKeyEvent* event) {
    if (readOnly_)
        event->ignore();
    else
        QComboBox::keyPressEvent(event);
}

void DeviceBox::wheelEvent(QWheelEvent* event) {
    if (readOnly_)
        event->ignore();
    else
        QComboBox::wheelEvent(event);
}

void DeviceBox::refresh() {
    watch();
    std::vector<link::SerialDevice> found = link::findSerialDevices(root_.toStdString());
    if (found == devices_) return;
    // Resetting the list clears the field; what was there goes back.
    const QString shown = currentText();
    devices_ = std::move(found);
    model_->setDevices(devices_);
    setText(shown);
}

void DeviceBox::showPopup() {
    if (readOnly_) return;
    refresh();
    // By-id paths are long: the list may be wider than the box.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth() + 8);
    QComboBox::showPopup();
}

void DeviceBox::watch() {
    const QDir dev(QDir(root_).filePath(QStringLiteral("dev")));
    for (const QString& folder : {dev.path(), dev.filePath(QStringLiteral("serial")),
                                  dev.filePath(QStringLiteral("serial/by-id"))}) {
        if (!watcher_.directories().contains(folder) && QDir(folder).exists()) watcher_.addPath(folder);
    }
}

}  // namespace velmora::ui
