// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-file list kept in the user's settings and shown in the File
// menu; every successful open adds to it. Loaded at start, written back at
// exit.
#pragma once

#include <QStringList>

class QSettings;

namespace velmora {

class RecentFileList {
public:
    explicit RecentFileList(int capacity) : capacity_(capacity) {}

    // Reads "Recent File List/File1".."FileN"; empty entries are skipped.
    void load(QSettings& settings);
    void save(QSettings& settings) const;
    // Most recent first; an existing entry moves to the front.
    void add(const QString& path);
    void remove(const QString& path);

    const QStringList& entries() const { return entries_; }
    int capacity() const { return capacity_; }

private:
    int capacity_;
    QStringList entries_;
};

}  // namespace velmora
