#include "channel_list_menu.h"

#include "prompter.h"

namespace velmora {

ChannelListMenu::ChannelListMenu(ChannelKind kind, const State& state, QWidget* parent) : menu_(parent) {
    menu_.setObjectName(QStringLiteral("channel-list-menu"));
    const bool edit = state.editActive;
    const auto add = [this](Item id, const char* text, bool enabled) {
        QAction* a = menu_.addAction(QString::fromLatin1(text));
        a->setData(static_cast<int>(id));
        a->setEnabled(enabled);
    };
    if (edit) add(Header, kind == ChannelKind::Tv ? "<TV channel>" : "<Radio channel>", true);
    add(New, "New  (&N)", edit && state.canNew);
    // The TV list's grayed Cut is written with one blank.
    const bool cut = edit && state.canCut;
    add(Cut, edit && !cut && kind == ChannelKind::Tv ? "Cut (&X)" : "Cut  (&X)", cut);
    add(Paste, "Paste(&P)", edit && state.canPaste);
    add(Delete, "Del  (&D)", edit && state.canDelete);
    menu_.addSeparator();
    const bool move = edit && state.canMove;
    add(MoveUp, "Move Up", move && state.canStep);
    add(MoveDown, "Move Down", move && state.canStep);
    add(MoveToTop, "Move to Top", move);
    add(MoveToBottom, "Move to Bottom", move);
    add(MoveTo, "Move To...", move);
}

ChannelListMenu::Item ChannelListMenu::exec(const QPoint& at) {
    const QAction* chosen = ui::Prompter::current().popupMenu(menu_, at);
    if (!chosen || !chosen->isEnabled()) return Header;
    return static_cast<Item>(chosen->data().toInt());
}

}  // namespace velmora
