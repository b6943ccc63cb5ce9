#include "app/command_actions.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include "app/menu_tables.h"
#include "app/toolbar_tables.h"
#include "ui/menu_entry.h"
#include "ui/qt_string.h"

CommandActions::CommandActions(const orvel::CommandRegistry& registry, QWidget& window,
                               std::function<void(orvel::CommandId)> run)
    : registry_(registry) {
    for (const orvel::CommandRegistry::Row& row : registry.rows()) {
        const orvel::CommandInfo& info = row.info;
        auto* action = new QAction(ToQString(info.menuText), &window);
        QObject::connect(action, &QAction::triggered, &window, [run, id = info.id] { run(id); });
        action->setStatusTip(ToQString(info.prompt));
        if (!info.toolTip.empty())
            action->setToolTip(ToQString(info.toolTip));
        action->setCheckable(info.checkable);
        // Pictures belong to the buttons; the menus stay text only.
        action->setIconVisibleInMenu(false);
        QList<QKeySequence> keys;
        for (const std::string_view key : info.keys) {
            if (!key.empty())
                keys.append(QKeySequence::fromString(ToQString(key)));
        }
        if (!keys.isEmpty()) {
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            window.addAction(action);  // keys work whichever menu bar is shown
        }
        actions_[info.id] = action;
    }
}

QAction* CommandActions::action(orvel::CommandId id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QToolBar* CommandActions::MakeToolBar(const orvel::Toolbar& layout,
                                      QIcon (*icon)(orvel::CommandId)) const {
    auto* bar = new QToolBar(ToQString(layout.title));
    if (layout.id != 0)
        bar->setObjectName(QStringLiteral("toolbar%1").arg(layout.id));
    bar->setIconSize(QSize(16, 15));
    for (const orvel::CommandId id : layout.buttons) {
        if (id == orvel::Cmd::None) {
            bar->addSeparator();
            continue;
        }
        QAction* button = actions_.at(id);
        button->setIcon(icon(id));
        bar->addAction(button);
    }
    return bar;
}

void CommandActions::Update(const orvel::CommandRoute& route) const {
    for (const orvel::CommandRegistry::Row& row : registry_.rows()) {
        QAction* action = actions_.at(row.info.id);
        const orvel::CommandState state = registry_.State(row.info.id, route);
        action->setEnabled(state.enabled);
        action->setText(ToQString(orvel::NamedMenuEntry(row.info.menuText, state.name)));
        if (state.checked)
            action->setCheckable(true);  // a running Mark command shows checked
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}
