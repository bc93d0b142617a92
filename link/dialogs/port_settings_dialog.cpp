// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_settings_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "device_box.h"
#include "serial_port.h"

namespace velmora::ui {
namespace {

QString id(int n) { return QString::number(n); }

QComboBox* makeBox(QWidget* parent, int controlId, QStringList entries, bool sorted = false) {
    auto* box = new QComboBox(parent);
    box->setObjectName(id(controlId));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    if (sorted) entries.sort(Qt::CaseInsensitive);
    box->addItems(entries);
    return box;
}

QString fromStd(const std::string& s) { return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size())); }
std::string toStd(const QString& s) { return s.toLocal8Bit().toStdString(); }

}  // namespace

PortSettingsDialog::PortSettingsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PortSettingsDialog"));
    setWindowTitle(tr("Serial Port Setting"));

    port_ = makeBox(this, kPort, {QStringLiteral("Com1"), QStringLiteral("Com2"), QStringLiteral("Com3"),
                                  QStringLiteral("Com4")},
                    true);
    baud_ = makeBox(this, kBaud,
                    {QStringLiteral("110"), QStringLiteral("300"), QStringLiteral("600"), QStringLiteral("1200"),
                     QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("14400"),
                     QStringLiteral("19200"), QStringLiteral("28800"), QStringLiteral("38400"),
                     QStringLiteral("56000"), QStringLiteral("57600"), QStringLiteral("115200"),
                     QStringLiteral("128000"), QStringLiteral("256000")});
    dataBits_ = makeBox(this, kDataBits,
                        {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                         QStringLiteral("8")});
    // The settings file keeps the English parity names whatever the language
    // shown: the line reads them by their first letter.
    parity_ = makeBox(this, kParity, {});
    for (const char* name : {QT_TR_NOOP("Even"), QT_TR_NOOP("Odd"), QT_TR_NOOP("None"), QT_TR_NOOP("Mark"),
                             QT_TR_NOOP("Space")})
        parity_->addItem(tr(name), QString::fromLatin1(name));
    stopBits_ = makeBox(this, kStopBits, {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});

    auto* line = new QFormLayout;
    line->addRow(tr("Port"), port_);
    line->addRow(tr("Baud rate"), baud_);
    line->addRow(tr("Data bits"), dataBits_);
    line->addRow(tr("Parity"), parity_);
    line->addRow(tr("Stop bits"), stopBits_);

    option_ = new QButtonGroup(this);
    auto* optionBox = new QGroupBox(tr("Option"), this);
    auto* optionLayout = new QHBoxLayout(optionBox);
    const int optionIds[] = {kOption1, kOption2};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(tr("Option %1").arg(i + 1), optionBox);
        b->setObjectName(id(optionIds[i]));
        option_->addButton(b, i);
        optionLayout->addWidget(b);
    }

    flow_ = new QButtonGroup(this);
    auto* flowBox = new QGroupBox(tr("Flow control"), this);
    auto* flowLayout = new QHBoxLayout(flowBox);
    const int flowIds[] = {kFlowNone, kFlowXonXoff, kFlowRts, kFlowXonRts};
    const QString flowNames[] = {tr("None"), tr("Xon/Xoff"), tr("RTS"), tr("Xon/RTS")};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(flowNames[i], flowBox);
        b->setObjectName(id(flowIds[i]));
        flow_->addButton(b, i);
        flowLayout->addWidget(b);
    }

    // Which device each COM number opens; kept in the profile, not config.ini.
    // Each offers the serial devices present, and takes any typed path.
    auto* deviceBox = new QGroupBox(tr("Devices"), this);
    auto* deviceLayout = new QFormLayout(deviceBox);
    for (int i = 0; i < 4; ++i) {
        devices_[i] = new DeviceBox(deviceBox);
        devices_[i]->setObjectName(QStringLiteral("device%1").arg(i + 1));
        devices_[i]->setPlaceholderText(QStringLiteral("/dev/ttyS%1").arg(i));
        deviceLabels_[i] = new QLabel(QStringLiteral("COM%1").arg(i + 1), deviceBox);
        deviceLayout->addRow(deviceLabels_[i], devices_[i]);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(optionBox);
    layout->addWidget(flowBox);
    layout->addWidget(deviceBox);
    layout->addWidget(buttons);

    setSettings(link::PortSettings{});
}

void PortSettingsDialog::selectOrShow(QComboBox* box, const QString& text) {
    for (int i = 0; i < box->count(); ++i) {
        const QVariant stored = box->itemData(i);
        if ((stored.isValid() ? stored.toString() : box->itemText(i)).startsWith(text, Qt::CaseInsensitive)) {
            box->setCurrentIndex(i);
            return;
        }
    }
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

void PortSettingsDialog::checkPosition(QButtonGroup* group, int position) {
    // An out-of-range stored index leaves every button of the group clear.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == position);
    group->setExclusive(true);
}

QString PortSettingsDialog::storedText(const QComboBox* box) {
    // A listed item, unless the text was typed over: the item's stored form.
    const int i = box->currentIndex();
    if (i >= 0 && box->itemData(i).isValid() && box->currentText() == box->itemText(i)) return box->itemData(i).toString();
    return box->currentText();
}

int PortSettingsDialog::checkedPosition(const QButtonGroup* group) { return group->checkedId(); }

void PortSettingsDialog::setSettings(const link::PortSettings& s) {
    selectOrShow(port_, fromStd(s.port));
    selectOrShow(baud_, fromStd(s.baudRate));
    selectOrShow(dataBits_, fromStd(s.dataBits));
    selectOrShow(parity_, fromStd(s.parity));
    selectOrShow(stopBits_, fromStd(s.stopBits));
    checkPosition(option_, s.optionIndex);
    checkPosition(flow_, s.flowControl);
}

link::PortSettings PortSettingsDialog::settings() const {
    link::PortSettings s;
    s.dataBits = toStd(dataBits_->currentText());
    s.optionIndex = checkedPosition(option_);
    s.flowControl = checkedPosition(flow_);
    s.parity = toStd(storedText(parity_));
    s.port = toStd(port_->currentText());
    s.baudRate = toStd(baud_->currentText());
    s.stopBits = toStd(stopBits_->currentText());
    return s;
}

void PortSettingsDialog::setDevicePaths(const QStringList& paths) {
    storedPaths_ = paths;
    for (int i = 0; i < 4; ++i) {
        // VELMORA_COMn wins over the stored choice: show the device really
        // used, and keep the stored one untouched.
        const QString env = fromStd(link::SerialPort::environmentDevice(i + 1));
        const bool overridden = !env.isEmpty();
        devices_[i]->setText(overridden ? env : i < paths.size() ? paths[i] : QString());
        devices_[i]->setReadOnly(overridden);
        deviceLabels_[i]->setText(overridden ? tr("COM%1 (set by VELMORA_COM%1)").arg(i + 1)
                                             : QStringLiteral("COM%1").arg(i + 1));
    }
}

QStringList PortSettingsDialog::devicePaths() const {
    QStringList out;
    for (int i = 0; i < 4; ++i) {
        if (devices_[i]->isReadOnly())
            out << (i < storedPaths_.size() ? storedPaths_[i] : QString());
        else
            out << devices_[i]->text().trimmed();
    }
    return out;
}

}  // namespace velmora::ui
