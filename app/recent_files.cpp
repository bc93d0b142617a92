// SPDX-License-Identifier: GPL-3.0-or-later
#include "recent_files.h"

#include <QSettings>

namespace velmora {

namespace {
const char* const kGroup = "Recent File List";
QString key(int i) { return QStringLiteral("File%1").arg(i + 1); }
}  // namespace

void RecentFileList::load(QSettings& settings) {
    entries_.clear();
    settings.beginGroup(kGroup);
    for (int i = 0; i < capacity_; ++i) {
        const QString path = settings.value(key(i)).toString();
        if (!path.isEmpty() && !entries_.contains(path)) entries_.append(path);
    }
    settings.endGroup();
}

void RecentFileList::save(QSettings& settings) const {
    settings.beginGroup(kGroup);
    for (int i = 0; i < capacity_; ++i) {
        if (i < entries_.size())
            settings.setValue(key(i), entries_.at(i));
        else
            settings.remove(key(i));
    }
    settings.endGroup();
}

void RecentFileList::add(const QString& path) {
    if (path.isEmpty() || capacity_ <= 0) return;
    entries_.removeAll(path);
    entries_.prepend(path);
    while (entries_.size() > capacity_) entries_.removeLast();
}

void RecentFileList::remove(const QString& path) { entries_.removeAll(path); }

}  // namespace velmora
