#include "compare/barred_splitter_wnd.h"

CBarredSplitterWnd::CBarredSplitterWnd(QWidget* parent) : QSplitter(Qt::Vertical, parent) {
    setChildrenCollapsible(false);
    // Only a drag of the bar moves it; setSizes does not.
    connect(this, &QSplitter::splitterMoved, this, [this] { userMoved_ = true; });
}

void CBarredSplitterWnd::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    if (userMoved_ || count() != 2)
        return;
    const int shared = height() - handleWidth();
    setSizes({shared - shared / 2, shared / 2});
}
