// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_list_menu.h"

#include <QCoreApplication>

#include "prompter.h"

namespace velmora {

ChannelListMenu::ChannelListMenu(ChannelKind kind, const State& state, QWidget* parent) : menu_(parent) {
    menu_.setObjectName(QStringLiteral("channel-list-menu"));
    const bool edit = state.editActive;
    const auto add = [this](Item id, const char* text, bool enabled) {
        QAction* a = menu_.addAction(QCoreApplication::translate("velmora::ChannelListMenu", text));
        a->setData(static_cast<int>(id));
        a->setEnabled(enabled);
    };
    if (edit) add(Header, kind == ChannelKind::Tv ? QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "<TV channel>") : QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "<Radio channel>"), true);
    add(New, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "New  (&N)"), edit && state.canNew);
    // The TV list's grayed Cut is written with one blank.
    const bool cut = edit && state.canCut;
    add(Cut, edit && !cut && kind == ChannelKind::Tv ? QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Cut (&X)") : QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Cut  (&X)"), cut);
    add(Paste, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Paste(&P)"), edit && state.canPaste);
    add(Delete, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Del  (&D)"), edit && state.canDelete);
    menu_.addSeparator();
    const bool move = edit && state.canMove;
    add(MoveUp, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Move Up"), move && state.canStep);
    add(MoveDown, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Move Down"), move && state.canStep);
    add(MoveToTop, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Move to Top"), move);
    add(MoveToBottom, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Move to Bottom"), move);
    add(MoveTo, QT_TRANSLATE_NOOP("velmora::ChannelListMenu", "Move To..."), move);
}

ChannelListMenu::Item ChannelListMenu::exec(const QPoint& at) {
    const QAction* chosen = ui::Prompter::current().popupMenu(menu_, at);
    if (!chosen || !chosen->isEnabled()) return Header;
    return static_cast<Item>(chosen->data().toInt());
}

}  // namespace velmora
