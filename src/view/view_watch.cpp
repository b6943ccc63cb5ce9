#include "view/view_watch.h"

#include <utility>

#include "view/orvel_view.h"

ViewWatch::ViewWatch(std::function<void()> changed, QObject* parent)
    : QObject(parent), changed_(std::move(changed)) {}

COrvelView* ViewWatch::view() const {
    return view_;
}

bool ViewWatch::Watch(COrvelView* view) {
    if (view == view_)
        return false;
    disconnect(moved_);
    disconnect(edited_);
    view_ = view;
    if (view != nullptr) {
        moved_ = connect(view, &COrvelView::selectionChanged, this, &ViewWatch::Schedule);
        edited_ = connect(view, &COrvelView::bytesEdited, this, &ViewWatch::Schedule);
    }
    return true;
}

// A burst of moves and edits (a run of typing, an undo of many steps) is told
// once, when control returns to the event loop.
void ViewWatch::Schedule() {
    if (scheduled_)
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scheduled_ = false;
            changed_();
        },
        Qt::QueuedConnection);
}
