// SPDX-License-Identifier: GPL-3.0-or-later
#include "apply_order_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

ApplyOrderDialog::ApplyOrderDialog(QWidget* parent, const QString& referencePath, const QString& report)
    : QDialog(parent) {
    setObjectName(QString::number(kDialogId));
    setWindowTitle(tr("Apply Order From %1").arg(QFileInfo(referencePath).fileName()));

    auto* reference = new QLabel(tr("Put both lists in the order of %1?").arg(referencePath), this);
    reference->setObjectName(QString::number(kReference));
    reference->setWordWrap(true);

    // A long list of unmatched channels scrolls instead of growing the dialog.
    auto* text = new QPlainTextEdit(report, this);
    text->setObjectName(QString::number(kReport));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setMinimumSize(560, 160);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QString::number(kOk));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QString::number(kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reference);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
}

}  // namespace velmora
