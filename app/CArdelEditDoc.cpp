// SPDX-License-Identifier: GPL-3.0-or-later
#include "CArdelEditDoc.h"

namespace velmora {

CArdelEditDoc::CArdelEditDoc(QObject* parent) : QObject(parent) {}

bool CArdelEditDoc::onNewDocument() {
    title_.clear();
    return true;
}

bool CArdelEditDoc::onOpenDocument(const QString& path) {
    // Only the name is kept (the window title shows the application alone).
    title_ = path;
    return true;
}

}  // namespace velmora
