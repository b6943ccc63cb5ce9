#include "compare/compare_tool_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "compare/compare_command_table.h"

namespace Cmd = orvel::Cmd;

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

void DrawMagnifier(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(200, 230, 255));
    painter.drawEllipse(QRect(4, 3, 6, 6));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(10, 9, 12, 11);
}

// An arrow pointing up (or down) in the middle of the button, with an
// optional bar at its tip.
void DrawArrow(QPainter& painter, bool up, bool bar) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    const int tip = up ? (bar ? 4 : 2) : (bar ? 10 : 12);
    const int dir = up ? 1 : -1;
    painter.drawPolygon(
        QPolygon({QPoint(8, tip), QPoint(3, tip + 5 * dir), QPoint(13, tip + 5 * dir)}));
    const int stemFrom = tip + 5 * dir;
    const int stemTo = up ? 12 : 2;
    painter.drawRect(
        QRect(QPoint(6, std::min(stemFrom, stemTo)), QPoint(10, std::max(stemFrom, stemTo))));
    if (bar)
        painter.drawRect(QRect(2, up ? 1 : 12, 12, 2));
}

void DrawStart(QPainter& painter) {
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(QRect(0, 0, kWidth - 1, kHeight - 1));
    DrawMagnifier(painter);
}

struct Picture {
    orvel::CommandId cmd;
    void (*draw)(QPainter&);
};

constexpr Picture kPictures[] = {
    {Cmd::OpStartCompare, DrawStart},
    {Cmd::OpStopCompare, DrawMagnifier},
    {Cmd::OpFindPrevDiff, [](QPainter& painter) { DrawArrow(painter, true, false); }},
    {Cmd::OpFindNextDiff, [](QPainter& painter) { DrawArrow(painter, false, false); }},
    {Cmd::OpFindFirstDiff, [](QPainter& painter) { DrawArrow(painter, true, true); }},
    {Cmd::OpFindLastDiff, [](QPainter& painter) { DrawArrow(painter, false, true); }},
};

}  // namespace

QIcon CompareToolIcon(orvel::CommandId cmd) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    for (const Picture& picture : kPictures) {
        if (picture.cmd == cmd)
            picture.draw(painter);
    }
    painter.end();
    return QIcon(pixmap);
}
