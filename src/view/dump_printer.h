#pragma once

#include <QFont>
#include <QRect>

#include "view/dump_line_painter.h"
#include "view/dump_text.h"
#include "view/mark_store.h"

class QPainter;
class QPrinter;

// The dump laid out on the pages of one device: as many lines per page as fit
// above the footer (the last 300 device units), the page number drawn 200
// units above the bottom. The lines look as the view shows them, with their
// marks (shown as `display` says) and the header labels' underline, nothing
// selected.
class DumpPages {
  public:
    // `page` is the drawing rectangle, in the coordinates of `device`.
    DumpPages(const orvel::DumpText& text, const orvel::MarkStore& marks, const QFont& font,
              orvel::MarkDisplay display, const QPaintDevice& device, QRect page);

    [[nodiscard]] orvel::Offset pageCount() const;
    // Draws page `number` (from 1) with `painter`, which is open on the device.
    void Paint(QPainter& painter, orvel::Offset number) const;

  private:
    const orvel::DumpText& text_;
    const orvel::MarkStore& marks_;
    QFont font_;
    orvel::MarkDisplay display_;
    DumpLinePainter lines_;
    QRect page_;
    orvel::Offset linesPerPage_;
};

// Prints the dump with margins of half an inch on all sides. Honours the
// printer's page range (all pages when it has none).
void PrintDumpText(QPrinter& printer, const orvel::DumpText& text, const orvel::MarkStore& marks,
                   const QFont& font, orvel::MarkDisplay display);
