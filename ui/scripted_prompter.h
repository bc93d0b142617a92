// SPDX-License-Identifier: GPL-3.0-or-later
// Test double for Prompter: answers from queues and records every request.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <deque>
#include <functional>

#include "prompter.h"

namespace velmora::ui {

struct RecordedMessage {
    QString caption;
    QString text;
    Buttons buttons;
    Icon icon;
};

class ScriptedPrompter : public Prompter {
public:
    ScriptedPrompter() { install(this); }
    ~ScriptedPrompter() override { install(nullptr); }

    // Answers for questions, in order; Yes/No boxes answer No and OK boxes Ok
    // when the queue is empty.
    std::deque<Answer> answers;
    // Paths returned by the file choosers, in order; empty when exhausted
    // (as if cancelled).
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    // Called with each modal dialog; returns the result. When unset, dialogs
    // are rejected. Lets a test fill fields and press OK.
    std::function<int(QDialog&)> dialogHandler;
    // Picks from each popup menu; when unset, menus are dismissed.
    std::function<QAction*(QMenu&)> menuHandler;
    // Plays each drag (sends the drag events a user's mouse would cause) and
    // returns its result; when unset, drags end without a drop.
    std::function<Qt::DropAction(QDrag&)> dragHandler;

    QList<RecordedMessage> messages;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QStringList dialogsRun;  // objectName or class name of each dialog
    QList<QPoint> menusAt;   // screen position of each popup menu
    int dragsRun = 0;
    int dragsCancelled = 0;

    QStringList texts() const;  // texts of all messages shown so far

    Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
                   Icon icon) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    int runDialog(QDialog& dialog) override;
    QAction* popupMenu(QMenu& menu, const QPoint& at) override;
    Qt::DropAction runDrag(QDrag& drag, Qt::DropActions actions) override;
    void cancelDrag() override;
};

}  // namespace velmora::ui
