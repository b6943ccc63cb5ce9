#include "view/dump_printer.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

using orvel::Offset;

namespace {

constexpr int kFooterHeight = 300;
constexpr int kPageNumberRise = 200;

}  // namespace

DumpPages::DumpPages(const orvel::DumpText& text, const orvel::MarkStore& marks, const QFont& font,
                     orvel::MarkDisplay display, const QPaintDevice& device, QRect page)
    : text_(text),
      marks_(marks),
      font_(font, &device),
      display_(display),
      lines_(font, &device),
      page_(page),
      linesPerPage_(std::max(1, (page.height() - kFooterHeight) / lines_.lineHeight())) {}

Offset DumpPages::pageCount() const {
    return (text_.LineCount() + linesPerPage_ - 1) / linesPerPage_;
}

void DumpPages::Paint(QPainter& painter, Offset number) const {
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(page_.left() + page_.width() / 2 - 100,
                     page_.top() + page_.height() - kPageNumberRise, QString::number(number));
    const DumpLinePainter::Colors colors{Qt::black, Qt::black, Qt::transparent, display_};
    const Offset first = (number - 1) * linesPerPage_;
    const Offset last = std::min(first + linesPerPage_, text_.LineCount());
    for (Offset line = first; line < last; ++line) {
        lines_.Draw(painter, page_.left(),
                    page_.top() + static_cast<int>(line - first) * lines_.lineHeight(),
                    orvel::StyleDumpLine(text_, marks_, line, {}), colors);
    }
}

void PrintDumpText(QPrinter& printer, const orvel::DumpText& text, const orvel::MarkStore& marks,
                   const QFont& font, orvel::MarkDisplay display) {
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const DumpPages pages(text, marks, font, display, printer, painter.viewport());
    const Offset firstPage = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const Offset lastPage = printer.toPage() > 0
                                ? std::min<Offset>(printer.toPage(), pages.pageCount())
                                : pages.pageCount();
    for (Offset number = firstPage; number <= lastPage; ++number) {
        if (number != firstPage)
            printer.newPage();
        pages.Paint(painter, number);
    }
    painter.end();
}
