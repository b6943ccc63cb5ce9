#pragma once

#include <QApplication>
#include <QList>
#include <QTest>
#include <QWidget>

// The widgets that Tab visits in the (shown and active) window of `start`,
// from `start` round to it again.
inline QList<QWidget*> TabStops(QWidget* start) {
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget*> stops{start};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr || now == start)
            break;
        stops << now;
    }
    return stops;
}

// Presses `key` on the widget that has the focus.
inline void PressOnFocus(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}
