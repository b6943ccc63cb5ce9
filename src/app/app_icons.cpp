#include "app/app_icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/command_catalog.h"

namespace Cmd = orvel::Cmd;
using orvel::CommandId;

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);

// A sheet of paper with a folded top-right corner.
void Page(QPainter& p, QRectF r) {
    const qreal fold = 3;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void TextLines(QPainter& p, QRectF r, int count) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + 2.5 + 2 * i;
        p.drawLine(QPointF(r.left() + 1.5, y), QPointF(r.right() - 1.5, y));
    }
}

// A digit three pixels wide and five high, its top-left pixel at `at`; drawn
// pixel by pixel, so that it reads at 16 x 15 whatever fonts there are.
void SmallDigit(QPainter& p, char digit, QPointF at) {
    static constexpr const char* kOne[] = {".#.", "##.", ".#.", ".#.", "###"};
    static constexpr const char* kTwo[] = {"##.", "..#", ".#.", "#..", "###"};
    const char* const* rows = digit == '1' ? kOne : kTwo;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (rows[y][x] == '#')
                p.fillRect(QRectF(at.x() + x, at.y() + y, 1, 1), kInk);
        }
    }
}

// A floppy disk; a numbered one (Save File1, Save File2) carries its number on
// a white label.
void Disk(QPainter& p, char number = 0) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(50, 80, 160));
    p.drawRect(QRectF(1.5, 0.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 0.5, 9, 5));
    if (number == 0) {
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 8.5, 7, 5));
        return;
    }
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 6.5, 9, 7));
    SmallDigit(p, number, QPointF(6, 8));
}

// A strip of byte cells in the given colours, as the marks colour the dump.
void Cells(QPainter& p, std::initializer_list<QColor> colors, qreal y) {
    qreal x = 0.5;
    const qreal w = 15.0 / static_cast<qreal>(colors.size());
    p.setPen(QPen(kInk, 1));
    for (const QColor& color : colors) {
        p.setBrush(color);
        p.drawRect(QRectF(x, y, w, 4));
        x += w;
    }
}

const QColor kRed(220, 30, 30);
const QColor kBlue(30, 60, 220);
const QColor kGreen(20, 170, 40);
const QColor kYellow(240, 210, 0);

void DrawNew(QPainter& p) {
    Page(p, QRectF(3.5, 0.5, 9, 13));
}

void DrawOpen(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 190, 60));
    p.drawRect(QRectF(0.5, 3.5, 12, 10));
    p.drawRect(QRectF(0.5, 2.5, 5, 1));
    QPolygonF flap({{3.5, 6.5}, {15.5, 6.5}, {12.5, 13.5}, {0.5, 13.5}});
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(flap);
}

void DrawCompare(QPainter& p) {
    Page(p, QRectF(0.5, 0.5, 7, 13));
    Page(p, QRectF(8.5, 0.5, 7, 13));
    p.setPen(QPen(kRed, 1));
    p.drawLine(QPointF(2, 7.5), QPointF(6, 7.5));
    p.drawLine(QPointF(10, 7.5), QPointF(14, 7.5));
}

void DrawSave(QPainter& p) {
    Disk(p);
}

void DrawSaveFile1(QPainter& p) {
    Disk(p, '1');
}

void DrawSaveFile2(QPainter& p) {
    Disk(p, '2');
}

void DrawCut(QPainter& p) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(5, 0.5), QPointF(10, 9));
    p.drawLine(QPointF(11, 0.5), QPointF(6, 9));
    p.setPen(QPen(kBlue, 1.2));
    p.drawEllipse(QRectF(2, 9, 4, 4));
    p.drawEllipse(QRectF(10, 9, 4, 4));
}

void DrawCopy(QPainter& p) {
    Page(p, QRectF(0.5, 0.5, 8, 10));
    Page(p, QRectF(6.5, 3.5, 8, 10));
    TextLines(p, QRectF(6.5, 4.5, 8, 10), 3);
}

void DrawPaste(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 120, 60));
    p.drawRect(QRectF(1.5, 1.5, 9, 12));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 0.5, 5, 2));
    Page(p, QRectF(7.5, 5.5, 7, 8));
}

void DrawPrint(QPainter& p) {
    Page(p, QRectF(4.5, 0.5, 7, 6));
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(0.5, 6.5, 15, 5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 10.5, 9, 3));
    p.setPen(kGreen);
    p.drawPoint(QPointF(13, 8));
}

// Each Mark command has a shape of its own, not only its colours: single
// bytes scattered over the dump,
void DrawMarkBytes(QPainter& p) {
    Cells(p, {kRed, kPaper, kBlue, kPaper}, 1.5);
    Cells(p, {kPaper, kRed, kPaper, kBlue}, 8.5);
}

// one block across lines,
void DrawMarkBlocks(QPainter& p) {
    Cells(p, {kPaper, kPaper, kPaper, kPaper}, 1.5);
    Cells(p, {kPaper, kPaper, kPaper, kPaper}, 8.5);
    p.setBrush(kGreen);
    p.drawRect(QRectF(4.5, 1.5, 7, 11));
}

// a header, a thin body and a tail, twice,
void DrawMarkPatterns(QPainter& p) {
    for (const qreal y : {1.5, 8.5}) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kRed);
        p.drawRect(QRectF(0.5, y, 4, 4));
        p.setBrush(kBlue);
        p.drawRect(QRectF(4.5, y + 1, 7, 2));
        p.setBrush(kYellow);
        p.drawRect(QRectF(11.5, y, 4, 4));
    }
}

// and units of equal length, coloured and plain by turns.
void DrawMarkUnits(QPainter& p) {
    const QColor units[] = {kRed, kPaper, kBlue, kPaper};
    p.setPen(QPen(kInk, 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(units[i]);
        p.drawRect(QRectF(0.5 + 3.75 * i, 1.5, 3.75, 11));
    }
}

void DrawClearMarks(QPainter& p) {
    Cells(p, {kPaper, kPaper, kPaper, kPaper}, 8.5);
    QPolygonF eraser({{6.5, 1.5}, {14.5, 1.5}, {10.5, 7.5}, {2.5, 7.5}});
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(240, 140, 160));
    p.drawPolygon(eraser);
}

struct Picture {
    CommandId cmd;
    void (*draw)(QPainter&);
};

constexpr Picture kPictures[] = {
    {Cmd::FileNew, DrawNew},
    {Cmd::FileOpen, DrawOpen},
    {Cmd::FileCompare, DrawCompare},
    {Cmd::FileSave, DrawSave},
    {Cmd::FileSaveFile1, DrawSaveFile1},
    {Cmd::FileSaveFile2, DrawSaveFile2},
    {Cmd::EditCutBytes, DrawCut},
    {Cmd::EditCopyBytes, DrawCopy},
    {Cmd::EditPasteBytes, DrawPaste},
    {Cmd::FilePrint, DrawPrint},
    {Cmd::MarkBytes, DrawMarkBytes},
    {Cmd::MarkBlocks, DrawMarkBlocks},
    {Cmd::MarkPatterns, DrawMarkPatterns},
    {Cmd::MarkUnits, DrawMarkUnits},
    {Cmd::MarkClear, DrawClearMarks},
};

void Draw(QPainter& p, CommandId cmd) {
    for (const Picture& picture : kPictures) {
        if (picture.cmd == cmd)
            return picture.draw(p);
    }
}

QPixmap Render(CommandId cmd, int scale) {
    QPixmap pixmap(kWidth * scale, kHeight * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, scale > 1);
    Draw(painter, cmd);
    return pixmap;
}

}  // namespace

QIcon CommandIcon(CommandId cmd) {
    QIcon icon;
    icon.addPixmap(Render(cmd, 1));
    icon.addPixmap(Render(cmd, 2));
    return icon;
}

QImage ApplicationIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    QPainterPath page;
    page.addRoundedRect(QRectF(3, 1, 26, 30), 3, 3);
    p.fillPath(page, QColor(250, 250, 240));
    // The band follows the page's rounded corners; the outline goes over both.
    p.setClipPath(page);
    p.fillRect(QRectF(3, 1, 26, 8), QColor(30, 60, 160));
    p.setClipping(false);
    p.strokePath(page, QPen(kInk, 1.5));
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 1, 26, 8), Qt::AlignCenter, QStringLiteral("0x"));
    const QColor rows[] = {QColor(220, 30, 30), kInk, QColor(20, 150, 40)};
    font.setPixelSize(6);
    p.setFont(font);
    for (int i = 0; i < 3; ++i) {
        p.setPen(rows[i]);
        p.drawText(QRectF(3, 10 + 7 * i, 26, 7), Qt::AlignCenter, QStringLiteral("4D 5A"));
    }
    return image;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : kApplicationIconSizes)
        icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}
