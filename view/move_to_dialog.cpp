// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_to_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <QVBoxLayout>

namespace velmora {

MoveToDialog::MoveToDialog(QWidget* parent, int selected, int current, int last) : QDialog(parent) {
    setObjectName(QString::number(kDialogId));
    setWindowTitle(tr("Move To"));

    position_ = new QSpinBox(this);
    position_->setObjectName(QString::number(kPosition));
    position_->setRange(1, std::max(1, last));
    position_->setValue(std::clamp(current, 1, std::max(1, last)));
    position_->selectAll();

    const QString what = selected == 1 ? tr("the channel") : tr("the %n channels", nullptr, selected);
    auto* range = new QLabel(tr("New position of %1 (1 to %2):").arg(what).arg(last), this);
    range->setObjectName(QString::number(kRange));
    range->setBuddy(position_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::number(kOk));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QString::number(kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addWidget(position_);
    layout->addWidget(buttons);
}

int MoveToDialog::position() const { return position_->value(); }

}  // namespace velmora
