// SPDX-License-Identifier: GPL-3.0-or-later
#include "upload_progress_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ui {

UploadProgressDialog::UploadProgressDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kDialogId));
    setWindowTitle(tr("Upload from receiver \u2014 pulling"));
    setModal(true);

    path_ = new QLabel(this);
    path_->setObjectName(QString::number(kPath));
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    count_ = new QLabel(this);
    count_->setObjectName(QString::number(kCount));
    spare_ = new QLabel(this);
    spare_->setObjectName(QString::number(kSpare));

    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QString::number(kCancel));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("Saving to:"), path_);
    form->addRow(tr("Bytes received:"), count_);
    form->addRow(QString(), spare_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void UploadProgressDialog::setup(const QString& path) {
    path_->setText(path);
    count_->setText(QStringLiteral("0"));
    spare_->clear();
}

void UploadProgressDialog::setCount(std::uint32_t uploadTotal) {
    count_->setText(QStringLiteral("%1 ").arg(uploadTotal));
}

void UploadProgressDialog::finish() { reject(); }

}  // namespace velmora::ui
