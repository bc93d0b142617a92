// SPDX-License-Identifier: GPL-3.0-or-later
#include "download_progress_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace velmora::ui {
namespace {

QString id(int n) { return QString::number(n); }

QLabel* valueLabel(int controlId, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(id(controlId));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QString hexDigits(std::uint32_t value) { return QString::asprintf("%.4x", value); }

}  // namespace

QString DownloadProgressDialog::hardwareVersionText(std::uint32_t value) {
    const QString s = hexDigits(value);
    const auto L = s.size();
    return s.mid(0, 1) + QLatin1Char('.') + s.mid(L - 2, 2) + QLatin1Char('.') + s.mid(1, 2);
}

QString DownloadProgressDialog::softwareVersionText(std::uint32_t value) {
    const QString s = hexDigits(value);
    const auto L = s.size();
    return s.mid(0, 1) + QLatin1Char('.') + s.mid(2, 2) + QLatin1Char('.') + s.mid(L - 2, 2);
}

DownloadProgressDialog::DownloadProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(id(kDialogId));
    setWindowTitle(tr("Download to receiver"));
    setModal(true);

    auto* system = new QGroupBox(tr("System information"), this);
    auto* systemForm = new QFormLayout(system);
    model_ = valueLabel(kModel, system);
    hardware_ = valueLabel(kHardware, system);
    software_ = valueLabel(kSoftware, system);
    systemForm->addRow(tr("Model:"), model_);
    systemForm->addRow(tr("Hardware version:"), hardware_);
    systemForm->addRow(tr("Software version:"), software_);

    auto* comm = new QGroupBox(tr("Communication"), this);
    auto* commForm = new QFormLayout(comm);
    port_ = valueLabel(kPort, comm);
    speed_ = valueLabel(kSpeed, comm);
    commForm->addRow(tr("Port:"), port_);
    commForm->addRow(tr("Speed:"), speed_);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(id(kBar));
    bar_->setTextVisible(false);
    progressText_ = valueLabel(kProgressText, this);
    auto* sizeLabel = new QLabel(tr("bytes"), this);

    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(id(kCancel));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(system);
    groups->addWidget(comm);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(progressText_);
    textRow->addWidget(sizeLabel);
    textRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(bar_);
    layout->addLayout(textRow);
    layout->addLayout(buttons);

    setup(0, {}, 0, 0, {}, {});
}

void DownloadProgressDialog::setup(std::uint32_t total, const QString& model, std::uint32_t hardwareVersion,
                                   std::uint32_t softwareVersion, const QString& port, const QString& speed) {
    total_ = total;
    position_ = 0;
    // QProgressBar counts in int; a 32-bit total beyond that is not a channel file.
    bar_->setRange(0, static_cast<int>(std::min<std::uint32_t>(total, INT_MAX)));
    model_->setText(model);
    hardware_->setText(hardwareVersionText(hardwareVersion));
    software_->setText(softwareVersionText(softwareVersion));
    port_->setText(port);
    speed_->setText(speed);
    showPosition();
}

void DownloadProgressDialog::setPosition(std::uint32_t position) {
    position_ = position;
    showPosition();
}

void DownloadProgressDialog::showPosition() {
    bar_->setValue(static_cast<int>(std::min<std::uint32_t>({position_, total_, INT_MAX})));
    progressText_->setText(QStringLiteral("%1/%2").arg(position_).arg(total_));
}

void DownloadProgressDialog::finish() { reject(); }

}  // namespace velmora::ui
