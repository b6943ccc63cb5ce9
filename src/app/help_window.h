#pragma once

#include <QWidget>

class QTextBrowser;

namespace orvel {
class CommandRegistry;
}

// The help window: every menu's commands with their keys and prompts, and
// every key with its command, built from the command registry and the menus.
// One window, raised again by later help commands; it deletes itself when
// closed.
class HelpWnd : public QWidget {
    Q_OBJECT
  public:
    HelpWnd(const orvel::CommandRegistry& commands, QWidget* parent = nullptr);

    [[nodiscard]] QString text() const;

  private:
    QTextBrowser* browser_;
};
