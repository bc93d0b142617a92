// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam through which the program asks the user anything: message
// boxes, questions, file choosers and modal dialogs. The program installs the
// real Qt implementation; tests install ScriptedPrompter and answer in advance.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <Qt>

class QAction;
class QDialog;
class QDrag;
class QMenu;
class QPoint;
class QWidget;

namespace velmora::ui {

enum class Icon { None, Information, Exclamation, Warning, Question, Critical };
enum class Buttons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct FileRequest {
    QString caption;
    QString defaultSuffix;  // e.g. "bin"
    QString initialName;    // e.g. "*.bin"
    QString filter;         // Qt filter string, ";;"-separated
    bool confirmOverwrite = true;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
                           Icon icon) = 0;
    // Empty string when cancelled.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileRequest& request) = 0;
    // Runs a modal dialog; returns QDialog::Accepted or Rejected.
    virtual int runDialog(QDialog& dialog) = 0;
    // Pops up `menu` at the screen position `at`; the chosen action, or
    // nullptr when the menu was dismissed.
    virtual QAction* popupMenu(QMenu& menu, const QPoint& at);
    // Runs `drag` until it is dropped or cancelled; returns what the target
    // did (Qt::IgnoreAction when nothing took the drop).
    virtual Qt::DropAction runDrag(QDrag& drag, Qt::DropActions actions);
    // Ends the drag runDrag is running, as Escape does.
    virtual void cancelDrag();

    // The installed prompter (the real one unless a test installed another).
    static Prompter& current();
    // Installs `p` (not owned); nullptr restores the real prompter.
    static void install(Prompter* p);
};

// Shorthands used throughout the program.
inline constexpr const char* kAppTitle = QT_TRANSLATE_NOOP("velmora::ui::Prompter", "VelmoraEdit");
// Channel file choosers (in qtFilter's form); "*" rather than "*.*" so that
// "All Files" also lists names without a dot.
inline constexpr const char* kChannelFileFilter =
    QT_TRANSLATE_NOOP("velmora::ui::Prompter", "Velmora Binary Files(*.bin,*.sgn)|*.bin;*.sgn|All Files(*.*)|*|");
inline constexpr const char* kConfirmCaption = QT_TRANSLATE_NOOP("velmora::ui::Prompter", "Ardel Editor");

// One of the constants above in the current language.
QString text(const char* constant);

// Plain notice: application title, OK button.
void notice(QWidget* parent, const QString& text);
// The program's own confirmation: "Ardel Editor", Yes/No, exclamation icon.
bool confirm(QWidget* parent, const QString& text, Icon icon = Icon::Exclamation);

// Converts a filter written as "Label|*.bin|All Files(*.*)|*.*|" into Qt's form.
QString qtFilter(const QString& pipeFilter);

}  // namespace velmora::ui
