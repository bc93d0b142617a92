// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files of the File menu.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "CMainFrame.h"
#include "prompter.h"

namespace velmora {

void CMainFrame::updateRecentFilesMenu() {
    // The chosen entry may be the one running this: delete it later, and
    // free its id for the new entries at once.
    for (QAction* old : recentActions_) {
        fileMenu_->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    recentActions_.clear();
    QAction* exit = actions_.value(command::kExit);
    const QStringList& entries = recentFiles_.entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries.at(i);
        QString name = QFileInfo(path).fileName();
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name.replace('&', QStringLiteral("&&"))), this);
        action->setObjectName(QString::number(command::kRecentFile1 + i));
        action->setStatusTip(path);
        action->setMenuRole(QAction::NoRole);
        connect(action, &QAction::triggered, this, [this, path] { openRecentFile(path); });
        fileMenu_->insertAction(exit, action);
        recentActions_ << action;
    }
    if (!entries.isEmpty()) recentActions_ << fileMenu_->insertSeparator(exit);
}

void CMainFrame::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        recentFiles_.remove(path);
        updateRecentFilesMenu();
        ui::notice(this, tr("%1\nThis file no longer exists and has been removed from the list of recent files.")
                             .arg(path));
        return;
    }
    view_->openFile(path);
    updateCommandStates();
}

}  // namespace velmora
