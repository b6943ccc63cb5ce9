#include "compare/diff_overview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kWidth = 14;

}  // namespace

DiffOverview::DiffOverview(QWidget* parent) : QWidget(parent) {
    setFixedWidth(kWidth);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Where the differences lie; click to go there"));
}

QSize DiffOverview::sizeHint() const {
    return {kWidth, 100};
}

void DiffOverview::Reset(orvel::Offset length) {
    buckets_ = orvel::DiffBuckets(length);
    update();
}

void DiffOverview::SetShown(orvel::Offset first, orvel::Offset end) {
    if (first == shownFirst_ && end == shownEnd_)
        return;
    shownFirst_ = first;
    shownEnd_ = end;
    update();
}

orvel::Offset DiffOverview::OffsetAt(int y) const {
    const orvel::Offset length = buckets_.length();
    if (length == 0 || height() <= 0)
        return 0;
    const int row = std::clamp(y, 0, height() - 1);
    return row * length / height();
}

// Any difference in a row shows; more of them make it darker.
void DiffOverview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const std::vector<orvel::DiffBuckets::Strip> strips = buckets_.Strips(height());
    for (int y = 0; y < static_cast<int>(strips.size()); ++y) {
        const orvel::DiffBuckets::Strip& strip = strips[static_cast<std::size_t>(y)];
        if (strip.differing == 0)
            continue;
        const double share =
            static_cast<double>(strip.differing) / static_cast<double>(strip.end - strip.first);
        const int alpha = 96 + static_cast<int>(159 * std::min(1.0, share));
        painter.fillRect(1, y, width() - 2, 1, QColor(220, 0, 0, alpha));
    }
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const orvel::Offset length = buckets_.length();
    if (length > 0 && shownEnd_ > shownFirst_) {
        const auto rowOf = [&](orvel::Offset pos) {
            return static_cast<int>(std::min(pos, length) * height() / length);
        };
        const int top = rowOf(shownFirst_);
        const int bottom = std::max(rowOf(shownEnd_), top + 2);
        painter.setPen(palette().highlight().color());
        painter.drawRect(0, top, width() - 1, bottom - top - 1);
    }
}

void DiffOverview::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit offsetClicked(OffsetAt(event->position().toPoint().y()));
}
