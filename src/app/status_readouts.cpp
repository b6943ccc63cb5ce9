#include "app/status_readouts.h"

#include <QLabel>
#include <QStatusBar>

#include "inspector/caret_readouts.h"
#include "ui/qt_string.h"
#include "view/orvel_view.h"

namespace {

QLabel* AddPane(QStatusBar* bar, const char* name) {
    auto* pane = new QLabel;
    pane->setObjectName(QString::fromLatin1(name));
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->hide();
    bar->addPermanentWidget(pane);
    return pane;
}

}  // namespace

StatusReadouts::StatusReadouts(QStatusBar* bar)
    : QObject(bar),
      offset_(AddPane(bar, "offsetReadout")),
      selection_(AddPane(bar, "selectionReadout")),
      size_(AddPane(bar, "sizeReadout")),
      differences_(AddPane(bar, "differencesReadout")) {}

void StatusReadouts::Follow(COrvelView* view) {
    if (view == view_)
        return;
    disconnect(moved_);
    disconnect(edited_);
    view_ = view;
    shown_.reset();
    if (view != nullptr) {
        moved_ = connect(view, &COrvelView::selectionChanged, this, &StatusReadouts::Schedule);
        edited_ = connect(view, &COrvelView::bytesEdited, this, &StatusReadouts::Schedule);
    }
    Refresh();
}

void StatusReadouts::ShowDifferences(const QString& text) {
    differences_->setText(text);
    differences_->setVisible(!text.isEmpty());
}

// A burst of moves and edits (a run of typing, an undo of many steps) is
// shown once, when control returns to the event loop.
void StatusReadouts::Schedule() {
    if (scheduled_)
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, &StatusReadouts::Refresh, Qt::QueuedConnection);
}

void StatusReadouts::Refresh() {
    scheduled_ = false;
    if (view_ == nullptr) {
        for (QLabel* pane : {offset_, selection_, size_})
            pane->hide();
        return;
    }
    const orvel::CaretPlace place =
        orvel::PlaceOf(view_->layout(), view_->selection(), view_->data().size());
    if (shown_ == place)
        return;
    if (!shown_ || shown_->size != place.size) {
        size_->setText(ToQString(orvel::SizeReadout(place.size)));
        // Wide enough for the largest offset, so the panes stay put as the caret moves.
        offset_->setMinimumWidth(
            offset_->fontMetrics().horizontalAdvance(ToQString(orvel::OffsetReadout(place.size))) +
            2 * offset_->frameWidth() + 8);
    }
    offset_->setText(ToQString(orvel::OffsetReadout(place.caret)));
    if (place.selCount > 0)
        selection_->setText(ToQString(orvel::SelectionReadout(place.selFirst, place.selCount)));
    selection_->setVisible(place.selCount > 0);
    offset_->show();
    size_->show();
    shown_ = place;
}
