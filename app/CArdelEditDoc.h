// SPDX-License-Identifier: GPL-3.0-or-later
// The document of the editor's single-document shell. It holds nothing: all
// channel data lives in the view, and channel files are read only through
// File > Open. A file named on the command line therefore reads nothing.
#pragma once

#include <QObject>
#include <QString>

namespace velmora {

class CArdelEditDoc : public QObject {
    Q_OBJECT
public:
    explicit CArdelEditDoc(QObject* parent = nullptr);

    // The start-up command: a new, empty document. Never fails.
    bool onNewDocument();
    // A file given on the command line: accepted, nothing is read.
    bool onOpenDocument(const QString& path);

    QString title() const { return title_; }

private:
    QString title_;
};

}  // namespace velmora
