#include "view/dump_printer.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

void PrintDumpText(QPrinter& printer, const orvel::DumpText& text, const QFont& font) {
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &printer);
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const QRect page = painter.viewport();
    // The page number stands 200 units above the bottom of the drawing
    // rectangle, whose last 300 units are kept free of text.
    const int textBottom = page.height() - 300;
    const orvel::Offset linesPerPage = std::max(1, textBottom / lineHeight);
    const orvel::Offset pages = (text.LineCount() + linesPerPage - 1) / linesPerPage;
    const orvel::Offset firstPage = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const orvel::Offset lastPage =
        printer.toPage() > 0 ? std::min<orvel::Offset>(printer.toPage(), pages) : pages;
    for (orvel::Offset number = firstPage; number <= lastPage; ++number) {
        if (number != firstPage)
            printer.newPage();
        painter.drawText(page.width() / 2 - 100, page.height() - 200, QString::number(number));
        const orvel::Offset first = (number - 1) * linesPerPage;
        const orvel::Offset last = std::min(first + linesPerPage, text.LineCount());
        for (orvel::Offset line = first; line < last; ++line) {
            const std::string lineText = text.LineText(line);
            painter.drawText(
                0, static_cast<int>(line - first) * lineHeight + metrics.ascent(),
                QString::fromLatin1(lineText.data(), static_cast<int>(lineText.size())));
        }
    }
    painter.end();
}
