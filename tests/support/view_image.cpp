#include "support/view_image.h"

#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "view/orvel_view.h"

namespace orvel::test {

namespace {

int Channel(QRgb pixel, int c) {
    return c == 0 ? qRed(pixel) : c == 1 ? qGreen(pixel) : qBlue(pixel);
}
int Channel(QColor colour, int c) {
    return Channel(colour.rgb(), c);
}

bool IsInk(QRgb pixel, QColor background) {
    constexpr int kInkDistance = 96;
    for (int c = 0; c < 3; ++c) {
        if (std::abs(Channel(pixel, c) - Channel(background, c)) > kInkDistance)
            return true;
    }
    return false;
}

}  // namespace

QImage ShownImage(const QWidget* widget) {
    const QWidget* window = widget->window();
    const QPoint at = widget->mapTo(window, QPoint(0, 0));
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage RenderedImage(COrvelView* view) {
    return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect CellRect(const COrvelView* view, Offset pos, int cells) {
    return {view->PositionToPoint(pos), QSize(cells * view->charWidth(), view->lineHeight())};
}

double InkCoverage(QRgb pixel, QColor background, QColor ink) {
    int strongest = 0;
    for (int c = 1; c < 3; ++c) {
        if (std::abs(Channel(ink, c) - Channel(background, c)) >
            std::abs(Channel(ink, strongest) - Channel(background, strongest)))
            strongest = c;
    }
    const int range = Channel(ink, strongest) - Channel(background, strongest);
    if (range == 0)
        return 0;
    return static_cast<double>(Channel(pixel, strongest) - Channel(background, strongest)) / range;
}

bool ShowsColour(const QImage& image, QRect area, QColor background, QColor colour) {
    constexpr double kSolid = 0.6;
    constexpr double kTolerance = 48;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const double coverage = InkCoverage(pixel, background, colour);
            if (coverage < kSolid)
                continue;
            bool matches = true;
            for (int c = 0; c < 3; ++c) {
                const double expected = Channel(background, c) +
                                        coverage * (Channel(colour, c) - Channel(background, c));
                matches = matches && std::abs(Channel(pixel, c) - expected) < kTolerance;
            }
            if (matches)
                return true;
        }
    }
    return false;
}

bool Underlined(const QImage& image, QRect cell, int baseline) {
    cell &= image.rect();
    for (int y = baseline + 1; y <= cell.bottom(); ++y) {
        bool across = true;
        for (int x = cell.left(); x <= cell.right() && across; ++x)
            across = qGray(image.pixel(x, y)) < 128;
        if (across)
            return true;
    }
    return false;
}

std::vector<InkSpan> InkSpans(const QImage& image, QRect band, QColor background, int mergeGap) {
    band &= image.rect();
    std::vector<InkSpan> spans;
    for (int x = band.left(); x <= band.right(); ++x) {
        bool ink = false;
        for (int y = band.top(); y <= band.bottom() && !ink; ++y)
            ink = IsInk(image.pixel(x, y), background);
        if (!ink)
            continue;
        if (!spans.empty() && x - spans.back().last - 1 < mergeGap) {
            spans.back().last = x;
        } else {
            spans.push_back({x, x});
        }
    }
    return spans;
}

}  // namespace orvel::test
