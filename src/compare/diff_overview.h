#pragma once

#include <QWidget>

#include "compare/diff_buckets.h"

// The overview bar beside a comparison pane: the pane's file from top to
// bottom, each pixel row darker the more of its bytes differ, with a frame
// round the part the pane shows. It paints from the per-bucket counts, never
// from single bytes. A click asks to scroll the pane to the offset under the
// pointer.
class DiffOverview : public QWidget {
    Q_OBJECT
  public:
    explicit DiffOverview(QWidget* parent = nullptr);

    // The counts the bar shows; call update() after changing them.
    [[nodiscard]] orvel::DiffBuckets& buckets() { return buckets_; }
    // Starts over for a file of `length` bytes with no differences.
    void Reset(orvel::Offset length);

    // The pane shows bytes [first, end).
    void SetShown(orvel::Offset first, orvel::Offset end);

    // The offset the bar's pixel row `y` starts at.
    [[nodiscard]] orvel::Offset OffsetAt(int y) const;

    [[nodiscard]] QSize sizeHint() const override;

  signals:
    void offsetClicked(orvel::Offset offset);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    orvel::DiffBuckets buckets_;
    orvel::Offset shownFirst_ = 0;
    orvel::Offset shownEnd_ = 0;
};
