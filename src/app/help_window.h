#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: every menu's commands with their keys and prompts, and
// the keys of the accelerator table, built from the program's own tables.
// One window, raised again by later help commands; it deletes itself when
// closed.
class CHelpWnd : public QWidget {
    Q_OBJECT
  public:
    explicit CHelpWnd(QWidget* parent = nullptr);

    [[nodiscard]] QString text() const;

  private:
    QTextBrowser* browser_;
};
