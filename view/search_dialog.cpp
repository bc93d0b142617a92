// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

SearchDialog::SearchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kTemplate));
    setWindowTitle(tr("Search"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Channel Name"), this));
    text_ = new QLineEdit(this);
    text_->setObjectName(QString::number(kSearchText));
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString SearchDialog::searchText() const { return text_->text(); }

}  // namespace velmora
