// SPDX-License-Identifier: GPL-3.0-or-later
#include "versions_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

VersionsDialog::VersionsDialog(QWidget* parent, const QString& file) : QDialog(parent) {
    setObjectName(QStringLiteral("versions-dialog"));
    setWindowTitle(tr("Versions"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Kept versions of %1, newest first").arg(file), this));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("versions-list"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Kept"), tr("TV"), tr("Radio"), tr("Changes to the open list")});
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* compare = buttons->addButton(tr("&Compare"), QDialogButtonBox::ActionRole);
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    compare->setObjectName(QStringLiteral("versions-compare"));
    restore->setObjectName(QStringLiteral("versions-restore"));
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(compare, &QPushButton::clicked, this, [this] {
        if (!selectedPath().isEmpty()) emit compareRequested(selectedPath());
    });
    connect(restore, &QPushButton::clicked, this, [this] {
        if (!selectedPath().isEmpty()) emit restoreRequested(selectedPath());
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { emit compareRequested(selectedPath()); });
    layout->addWidget(buttons);
    resize(640, 360);
}

void VersionsDialog::addVersion(const QString& path, const QString& time, int tv, int radio, const QString& summary) {
    auto* item = new QTreeWidgetItem(list_, {time, QString::number(tv), QString::number(radio), summary});
    item->setData(0, Qt::UserRole, path);
    item->setToolTip(0, path);
    if (list_->topLevelItemCount() == 1) list_->setCurrentItem(item);
}

QString VersionsDialog::selectedPath() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

}  // namespace velmora
