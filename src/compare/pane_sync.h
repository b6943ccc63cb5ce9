#pragma once

#include <QObject>

#include "compare/diff_list.h"

class COrvelView;

// Synchronised scrolling of a comparison's two panes: while it is on, every
// scroll of one pane (scroll bar, wheel, paging, a caret move that scrolls)
// brings the other to the offset across, as the comparison's rows map it (the
// same offset until an aligned comparison says otherwise), and to the same
// column. The pane that follows never leads back.
class PaneSync : public QObject {
    Q_OBJECT
  public:
    PaneSync(COrvelView* first, COrvelView* second, const orvel::DiffList& diffs,
             QObject* parent = nullptr);

    [[nodiscard]] bool enabled() const { return enabled_; }
    // Turning it on brings the second pane to the first at once.
    void setEnabled(bool on);
    // Brings the pane other than `leader` to it now (when on).
    void Follow(orvel::ComparedFile leader);

  private:
    [[nodiscard]] COrvelView* view(orvel::ComparedFile which) const;
    void FollowColumn(orvel::ComparedFile leader);

    COrvelView* first_;
    COrvelView* second_;
    const orvel::DiffList& diffs_;
    bool enabled_ = false;
    bool following_ = false;  // a follower's own scroll is not a lead
};
