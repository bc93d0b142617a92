// The recent-file list kept in the user's settings. Nothing in the editor
// adds to it or shows it; it is loaded at start and written back at exit so
// that entries other tools put there survive.
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

    const QStringList& entries() const { return entries_; }
    int capacity() const { return capacity_; }

private:
    int capacity_;
    QStringList entries_;
};

}  // namespace velmora
