#include "view/orvel_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "app/main_frame.h"
#include "app/orvel_app.h"
#include "app/wait_cursor.h"
#include "document/orvel_doc.h"
#include "view/color_table.h"
#include "view/dump_printer.h"
#include "view/typing.h"
#include "view/view_command_handlers.h"

using orvel::Cmd;
using orvel::Offset;

namespace {

constexpr int kMargin = 2;

// The dump's font: Courier 10 pt, or a fixed-pitch face of the same size where
// Courier is missing.
QFont DumpFont() {
    QFont font(QStringLiteral("Courier"));
    font.setPointSize(10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(10);
    }
    return font;
}

// The header labels "00" to "0F" and "0123456789ABCDEF" are underlined.
bool IsHeaderLabelColumn(int column) {
    if (column >= 60 && column < 76)
        return true;
    if (column >= 9 && column < 33)
        return (column - 9) % 3 != 2;
    if (column >= 34 && column < 58)
        return (column - 34) % 3 != 2;
    return false;
}

}  // namespace

COrvelView::COrvelView(COrvelDoc* doc, QWidget* parent)
    : COrvelView(ViewSource{&doc->data(), orvel::DumpStyle::SingleFile, doc, &doc->data(), doc,
                            [doc] { return doc->data().IsMarkIdle(); }},
                 parent) {}

COrvelView::COrvelView(ViewSource source, QWidget* parent)
    : QAbstractScrollArea(parent),
      source_(std::move(source)),
      dump_(source_.data->bytes(), source_.style) {
    setFont(DumpFont());
    const QFontMetrics metrics(font());
    charWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    lineHeight_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAcceptDrops(true);
    setAcceptDrops(true);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    observerId_ =
        data().AddObserver([this](const orvel::ByteEdit& edit) { OnDocumentEdited(edit); });
    caretTimer_.setInterval(
        QApplication::cursorFlashTime() > 0 ? QApplication::cursorFlashTime() / 2 : 500);
    connect(&caretTimer_, &QTimer::timeout, this, [this] {
        caretVisible_ = !caretVisible_;
        const QPoint at = PositionToPoint(selection_.caret);
        viewport()->update(at.x() - 1, at.y(), 3, lineHeight_);
    });
    UpdateScrollBars();
    // The caret starts on the high digit of the first byte.
    SetCaret(layout().LineColToTextPos(0, 9));
    handlers_ = CreateViewCommandHandlers(*this);
}

COrvelView::~COrvelView() {
    data().RemoveObserver(observerId_);
}

Offset COrvelView::topLine() const {
    return verticalScrollBar()->value();
}

int COrvelView::VisibleLines() const {
    return std::max(1, viewport()->height() / lineHeight_);
}

void COrvelView::UpdateScrollBars() {
    const Offset lines = dump_.LineCount();
    const int visible = VisibleLines();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<Offset>(0, lines - visible)));
    verticalScrollBar()->setPageStep(visible);
    const int columns = std::max(1, (viewport()->width() - kMargin) / charWidth_);
    horizontalScrollBar()->setRange(0, std::max(0, orvel::kLineStride - columns));
    horizontalScrollBar()->setPageStep(columns);
}

QPoint COrvelView::PositionToPoint(Offset pos) const {
    const Offset line = dump_.LineOfPosition(pos);
    const Offset column = pos - dump_.LineStart(line);
    return {kMargin + static_cast<int>(column - horizontalScrollBar()->value()) * charWidth_,
            static_cast<int>(line - topLine()) * lineHeight_};
}

Offset COrvelView::PointToPosition(QPoint point) const {
    const Offset line = std::clamp<Offset>(
        topLine() + point.y() / lineHeight_ - (point.y() < 0 ? 1 : 0), 0, dump_.LineCount() - 1);
    const int column =
        (point.x() - kMargin + charWidth_ / 2) / charWidth_ + horizontalScrollBar()->value();
    return dump_.LineStart(line) + std::clamp(column, 0, dump_.LineLength(line));
}

void COrvelView::SetSelection(orvel::TextSelection selection) {
    const Offset length = dump_.Length();
    selection.anchor = std::clamp<Offset>(selection.anchor, 0, length);
    selection.caret = std::clamp<Offset>(selection.caret, 0, length);
    const orvel::TextSelection old = selection_;
    selection_ = selection;
    caretVisible_ = true;
    if (hasFocus())
        caretTimer_.start();
    EnsureCaretVisible();
    RepaintLines(dump_.LineOfPosition(std::min(old.min(), selection.min())),
                 dump_.LineOfPosition(std::max(old.max(), selection.max())));
}

void COrvelView::EnsureCaretVisible() {
    const Offset line = dump_.LineOfPosition(selection_.caret);
    const int visible = VisibleLines();
    if (line < topLine()) {
        verticalScrollBar()->setValue(static_cast<int>(line));
    } else if (line >= topLine() + visible) {
        verticalScrollBar()->setValue(static_cast<int>(line - visible + 1));
    }
    const int column = static_cast<int>(selection_.caret - dump_.LineStart(line));
    const int columns = std::max(1, (viewport()->width() - kMargin) / charWidth_);
    QScrollBar* horizontal = horizontalScrollBar();
    if (column < horizontal->value()) {
        horizontal->setValue(column);
    } else if (column >= horizontal->value() + columns) {
        horizontal->setValue(column - columns + 1);
    }
}

void COrvelView::RepaintLines(Offset firstTextLine, Offset lastTextLine) {
    const Offset top = topLine();
    const Offset first = std::max(firstTextLine, top);
    const Offset last = std::min(lastTextLine, top + VisibleLines());
    if (first > last)
        return;
    viewport()->update(0, static_cast<int>(first - top) * lineHeight_, viewport()->width(),
                       static_cast<int>(last - first + 1) * lineHeight_);
}

void COrvelView::MarksChanged(Offset first, Offset last) {
    const Offset firstLine = dump_.FirstDataTextLine() + std::min(first, last) / 16;
    const Offset lastLine = dump_.FirstDataTextLine() + std::max(first, last) / 16;
    RepaintLines(firstLine, lastLine);
}

void COrvelView::ClearAllMarks() {
    marks_.Clear();
    viewport()->update();
}

// A change of the number or order of bytes rebuilds the dump, which drops
// every mark; a change of values rewrites the bytes' cells and keeps them.
void COrvelView::OnDocumentEdited(const orvel::ByteEdit& edit) {
    if (edit.kind == orvel::ByteEdit::Kind::Structure) {
        marks_.Clear();
        UpdateScrollBars();
        SetSelection(selection_);  // clamps to the new text
        viewport()->update();
        return;
    }
    const Offset firstLine = dump_.FirstDataTextLine() + edit.first / 16;
    const Offset lastLine = dump_.FirstDataTextLine() + (edit.first + edit.count - 1) / 16;
    RepaintLines(firstLine, lastLine);
}

void COrvelView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().base());
    painter.setFont(font());
    const Offset top = topLine();
    const Offset firstLine = top + event->rect().top() / lineHeight_;
    const Offset lastLine =
        std::min(top + event->rect().bottom() / lineHeight_, dump_.LineCount() - 1);
    for (Offset line = firstLine; line <= lastLine; ++line) {
        DrawLine(painter, line, static_cast<int>(line - top) * lineHeight_);
    }
    if (hasFocus() && caretVisible_) {
        const QPoint at = PositionToPoint(selection_.caret);
        painter.fillRect(at.x(), at.y(), 1, lineHeight_, palette().text());
    }
}

// Draws one text line in runs of equal colour, selection and underline.
void COrvelView::DrawLine(QPainter& painter, Offset textLine, int y) const {
    const std::string text = dump_.LineText(textLine);
    const Offset lineStart = dump_.LineStart(textLine);
    const int length = static_cast<int>(text.size());
    const bool header = textLine == dump_.HeaderTextLine();
    const Offset selFirst = std::clamp<Offset>(selection_.min() - lineStart, 0, length + 1);
    const Offset selLast = std::clamp<Offset>(selection_.max() - lineStart, 0, length + 1);
    const int x0 = kMargin - horizontalScrollBar()->value() * charWidth_;
    const QColor textColour = palette().text().color();
    const QColor selectedText = palette().highlightedText().color();

    // The colour of each column: a byte's two digits and its character cell
    // carry the byte's mark.
    std::array<orvel::MarkColor, orvel::kLineStride> colours{};
    const Offset dataLine = textLine - dump_.FirstDataTextLine();
    if (!marks_.empty() && dataLine >= 0) {
        const Offset first = dataLine * 16;
        marks_.Runs(first, first + 15, [&](const orvel::PaintRun& run) {
            for (Offset byte = run.first; byte <= run.last; ++byte) {
                const int k = static_cast<int>(byte - first);
                const orvel::ByteCols cols = orvel::ByteInLineToCols(k);
                colours[cols.high] = colours[cols.low] = colours[orvel::kCharColumn + k] =
                    run.color;
            }
            return true;
        });
    }

    struct Style {
        bool selected;
        bool underline;
        orvel::MarkColor colour;
        bool operator==(const Style&) const = default;
    };
    const auto styleAt = [&](int column) {
        return Style{column >= selFirst && column < selLast, header && IsHeaderLabelColumn(column),
                     colours[column]};
    };
    int column = 0;
    while (column < length) {
        const Style style = styleAt(column);
        int end = column + 1;
        while (end < length && styleAt(end) == style)
            ++end;
        const QRect cells(x0 + column * charWidth_, y, (end - column) * charWidth_, lineHeight_);
        if (style.selected)
            painter.fillRect(cells, palette().highlight());
        QFont runFont = font();
        runFont.setUnderline(style.underline);
        painter.setFont(runFont);
        if (style.colour != orvel::MarkColor::Black) {
            const orvel::Rgb rgb = orvel::MarkColorRgb(style.colour);
            painter.setPen(QColor(rgb.red, rgb.green, rgb.blue));
        } else {
            painter.setPen(style.selected ? selectedText : textColour);
        }
        painter.drawText(cells.x(), y + ascent_,
                         QString::fromLatin1(text.data() + column, end - column));
        column = end;
    }
    // A selected line break shows as one selected cell after the line.
    if (selFirst <= length && selLast > length && textLine + 1 < dump_.LineCount()) {
        painter.fillRect(x0 + length * charWidth_, y, charWidth_, lineHeight_,
                         palette().highlight());
    }
}

void COrvelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void COrvelView::MoveCaretBy(orvel::CaretMove move, bool extend) {
    const Offset caret =
        orvel::MoveCaret(dump_, selection_.caret, move, VisibleLines(), desiredColumn_);
    SetSelection({extend ? selection_.anchor : caret, caret});
}

void COrvelView::keyPressEvent(QKeyEvent* event) {
    using orvel::CaretMove;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Left:
            return MoveCaretBy(control ? CaretMove::WordLeft : CaretMove::Left, shift);
        case Qt::Key_Right:
            return MoveCaretBy(control ? CaretMove::WordRight : CaretMove::Right, shift);
        case Qt::Key_Up:
            return MoveCaretBy(CaretMove::Up, shift);
        case Qt::Key_Down:
            return MoveCaretBy(CaretMove::Down, shift);
        case Qt::Key_Home:
            return MoveCaretBy(control ? CaretMove::TextStart : CaretMove::LineStart, shift);
        case Qt::Key_End:
            return MoveCaretBy(control ? CaretMove::TextEnd : CaretMove::LineEnd, shift);
        case Qt::Key_PageUp:
            return MoveCaretBy(CaretMove::PageUp, shift);
        case Qt::Key_PageDown:
            return MoveCaretBy(CaretMove::PageDown, shift);
        default:
            break;
    }
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && text.size() == 1 && text[0].unicode() < 0x80) {
        TypeCharacter(static_cast<char>(text[0].unicode()));
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// Typing changes one byte in place through the document (which repaints the
// byte's cells in every view of it) and moves the caret.
bool COrvelView::TypeCharacter(char ch) {
    orvel::BinaryDocument& bytes = data();
    const orvel::TypingResult result =
        orvel::TypeChar(selection_, static_cast<unsigned char>(ch), bytes.bytes().span(),
                        bytes.endMarker(), layout());
    if (result.change)
        bytes.SetByte(result.change->offset, result.change->value);
    if (result.selection != selection_) {
        desiredColumn_ = -1;
        SetSelection(result.selection);
    }
    return result.handled;
}

void COrvelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const Offset pos = PointToPosition(event->position().toPoint());
    desiredColumn_ = -1;
    selecting_ = true;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    SetSelection({extend ? selection_.anchor : pos, pos});
}

void COrvelView::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_)
        return;
    SetSelection({selection_.anchor, PointToPosition(event->position().toPoint())});
}

void COrvelView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        selecting_ = false;
}

void COrvelView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const orvel::TextSelection word =
        orvel::WordAt(dump_, PointToPosition(event->position().toPoint()));
    SetSelection(word);
}

void COrvelView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    caretVisible_ = true;
    caretTimer_.start();
    viewport()->update();
}

void COrvelView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    caretTimer_.stop();
    viewport()->update();
}

// Files dropped on a view open in windows of their own, like drops on the frame.
void COrvelView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void COrvelView::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            COrvelApp::instance()->mainFrame()->OpenDocumentFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}

void COrvelView::PrintTo(QPrinter& printer) const {
    PrintDumpText(printer, dump_, font());
}

void COrvelView::Print() {
    QPrinter& printer = COrvelApp::instance()->printer();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    WaitCursor wait;
    PrintTo(printer);
}

bool COrvelView::OnCommand(Cmd cmd) {
    for (const auto& handler : handlers_) {
        if (handler->OnCommand(cmd))
            return true;
    }
    switch (cmd) {
        case Cmd::EditSelectAll:
            SetSelection({0, dump_.Length()});
            return true;
        case Cmd::FilePrint:
            Print();
            return true;
        default:
            return false;
    }
}

bool COrvelView::OnUpdateCommand(Cmd cmd, CommandState& state) {
    for (const auto& handler : handlers_) {
        if (handler->OnUpdateCommand(cmd, state))
            return true;
    }
    switch (cmd) {
        case Cmd::EditSelectAll:
            state.enabled = true;
            return true;
        case Cmd::FilePrint:
            state.enabled = IsMarkIdle();
            return true;
        default:
            return false;
    }
}
