// SPDX-License-Identifier: GPL-3.0-or-later
// File > Versions…: the kept versions of the open file, newest first, with
// what changed from each to the open list; Compare and Restore act on the
// selected one.
#pragma once

#include <QDialog>
#include <QString>

class QTreeWidget;

namespace velmora {

class VersionsDialog : public QDialog {
    Q_OBJECT
public:
    VersionsDialog(QWidget* parent, const QString& file);
    void addVersion(const QString& path, const QString& time, int tv, int radio, const QString& summary);
    QTreeWidget* list() const { return list_; }
    // The path of the selected version; empty for none.
    QString selectedPath() const;

signals:
    void compareRequested(const QString& path);
    void restoreRequested(const QString& path);

private:
    QTreeWidget* list_ = nullptr;
};

}  // namespace velmora
