#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "inspector/caret_place.h"
#include "view/view_watch.h"

class COrvelView;
class QLabel;
class QStatusBar;

// The status bar's panes about the active view: the caret's offset, the
// selection (while there is one), the file's size and, in a comparison window
// once a comparison has run, its number of differences. They follow the
// view's caret and bytes; the texts are worked out once per turn of the event
// loop, and only when the place changed.
// GUI thread only.
class StatusReadouts final : public QObject {
    Q_OBJECT
  public:
    // Adds the panes to `bar` as permanent widgets, so the ones added after
    // them (the lock-key indicators) stand to their right.
    explicit StatusReadouts(QStatusBar* bar);

    // Follows `view`; null shows no pane.
    void Follow(COrvelView* view);
    // The differences pane's text; empty hides it.
    void ShowDifferences(const QString& text);

    // The panes, by what they show.
    [[nodiscard]] QLabel* offsetPane() const { return offset_; }
    [[nodiscard]] QLabel* selectionPane() const { return selection_; }
    [[nodiscard]] QLabel* sizePane() const { return size_; }
    [[nodiscard]] QLabel* differencesPane() const { return differences_; }

  private:
    void Refresh();

    ViewWatch watch_;
    QLabel* offset_;
    QLabel* selection_;
    QLabel* size_;
    QLabel* differences_;
    std::optional<orvel::CaretPlace> shown_;
};
