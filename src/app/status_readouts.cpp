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
      watch_([this] { Refresh(); }, this),
      offset_(AddPane(bar, "offsetReadout")),
      selection_(AddPane(bar, "selectionReadout")),
      size_(AddPane(bar, "sizeReadout")),
      differences_(AddPane(bar, "differencesReadout")) {}

void StatusReadouts::Follow(COrvelView* view) {
    if (!watch_.Watch(view))
        return;
    shown_.reset();
    Refresh();
}

void StatusReadouts::ShowDifferences(const QString& text) {
    differences_->setText(text);
    differences_->setVisible(!text.isEmpty());
}

void StatusReadouts::Refresh() {
    const COrvelView* view = watch_.view();
    if (view == nullptr) {
        for (QLabel* pane : {offset_, selection_, size_})
            pane->hide();
        return;
    }
    const orvel::CaretPlace place =
        orvel::PlaceOf(view->layout(), view->selection(), view->data().size());
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
