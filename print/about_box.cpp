// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_box.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace velmora {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("100");
    setWindowTitle(tr("About VelmoraEdit"));

    auto* icon = new QLabel(this);
    icon->setObjectName("icon");
    icon->setPixmap(QIcon(":/images/app.png").pixmap(32, 32));

    auto* version = new QLabel(versionLine(), this);
    version->setObjectName("version");
    auto* description = new QLabel(descriptionLine(), this);
    description->setObjectName("description");
    auto* licence = new QLabel(licenceText(), this);
    licence->setObjectName("licence");
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* close = new QPushButton(tr("OK"), this);
    close->setObjectName("1");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(description, 1, 1);
    layout->addWidget(licence, 2, 1);
    layout->addWidget(close, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutBox::versionLine() { return tr("VelmoraEdit Version 1.0"); }

QString AboutBox::licenceText() {
    return tr("Release %1\n"
              "Copyright \u00a9 The VelmoraEdit developers\n"
              "Licensed under the GNU General Public License, version 3 or later\n"
              "(GPL-3.0-or-later). There is NO WARRANTY, to the extent permitted by law.")
        .arg(QStringLiteral(VELMORA_RELEASE));
}

QString AboutBox::descriptionLine() { return tr("Channel list editor for Velmora receivers"); }

}  // namespace velmora
