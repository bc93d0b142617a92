// SPDX-License-Identifier: GPL-3.0-or-later
#include "prompter.h"

#include <QDialog>
#include <QDrag>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

#include "scripted_prompter.h"

namespace velmora::ui {
namespace {

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation:
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

class QtPrompter final : public Prompter {
public:
    Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
                   Icon icon) override {
        QMessageBox box(toQt(icon), caption, text, QMessageBox::NoButton, parent);
        switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return Answer::Ok;
        }
    }
    QString openFile(QWidget* parent, const FileRequest& r) override {
        QFileDialog dlg(parent, r.caption, QString(), r.filter);
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
        dlg.setDefaultSuffix(r.defaultSuffix);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
        return dlg.selectedFiles().first();
    }
    QString saveFile(QWidget* parent, const FileRequest& r) override {
        QFileDialog dlg(parent, r.caption, QString(), r.filter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        dlg.setDefaultSuffix(r.defaultSuffix);
        dlg.setOption(QFileDialog::DontConfirmOverwrite, !r.confirmOverwrite);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
        return dlg.selectedFiles().first();
    }
    int runDialog(QDialog& dialog) override { return dialog.exec(); }
};

QtPrompter& realPrompter() {
    static QtPrompter real;
    return real;
}
Prompter* installed = nullptr;

}  // namespace

QAction* Prompter::popupMenu(QMenu& menu, const QPoint& at) { return menu.exec(at); }

Qt::DropAction Prompter::runDrag(QDrag& drag, Qt::DropActions actions) { return drag.exec(actions); }

void Prompter::cancelDrag() { QDrag::cancel(); }

Prompter& Prompter::current() { return installed ? *installed : realPrompter(); }
void Prompter::install(Prompter* p) { installed = p; }

QString text(const char* constant) { return QCoreApplication::translate("velmora::ui::Prompter", constant); }

void notice(QWidget* parent, const QString& text) {
    Prompter::current().message(parent, ui::text(kAppTitle), text, Buttons::Ok, Icon::None);
}

bool confirm(QWidget* parent, const QString& text, Icon icon) {
    return Prompter::current().message(parent, ui::text(kConfirmCaption), text, Buttons::YesNo, icon) ==
           Answer::Yes;
}

QString qtFilter(const QString& pipeFilter) {
    // "Label|pattern|Label|pattern|" -> "Label (pattern);;Label (pattern)"
    const QStringList parts = pipeFilter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

// ---- ScriptedPrompter ----

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const auto& m : messages) out << m.text;
    return out;
}

Answer ScriptedPrompter::message(QWidget*, const QString& caption, const QString& text, Buttons buttons, Icon icon) {
    messages.append({caption, text, buttons, icon});
    if (!answers.empty() && buttons != Buttons::Ok) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

QString ScriptedPrompter::openFile(QWidget*, const FileRequest& request) {
    openRequests.append(request);
    if (openPaths.empty()) return {};
    QString p = openPaths.front();
    openPaths.pop_front();
    return p;
}

QString ScriptedPrompter::saveFile(QWidget*, const FileRequest& request) {
    saveRequests.append(request);
    if (savePaths.empty()) return {};
    QString p = savePaths.front();
    savePaths.pop_front();
    return p;
}

int ScriptedPrompter::runDialog(QDialog& dialog) {
    dialogsRun << (dialog.objectName().isEmpty() ? QString::fromLatin1(dialog.metaObject()->className())
                                                 : dialog.objectName());
    if (dialogHandler) return dialogHandler(dialog);
    return QDialog::Rejected;
}

QAction* ScriptedPrompter::popupMenu(QMenu& menu, const QPoint& at) {
    menusAt.append(at);
    return menuHandler ? menuHandler(menu) : nullptr;
}

Qt::DropAction ScriptedPrompter::runDrag(QDrag& drag, Qt::DropActions) {
    ++dragsRun;
    return dragHandler ? dragHandler(drag) : Qt::IgnoreAction;
}

void ScriptedPrompter::cancelDrag() { ++dragsCancelled; }

}  // namespace velmora::ui
