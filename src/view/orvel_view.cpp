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

#include "document/orvel_doc.h"
#include "ui/qt_string.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"
#include "ui/wait_cursor.h"
#include "view/dump_printer.h"
#include "view/styled_line.h"
#include "view/typing.h"

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

// How often a drag held outside the viewport scrolls, and how many lines
// (or columns) a step may go at most, however far the pointer is.
constexpr int kDragScrollMs = 40;
constexpr int kDragScrollReach = 3;

}  // namespace

COrvelView::COrvelView(ShellServices& shell, COrvelDoc* doc, QWidget* parent)
    : COrvelView(
          shell,
          ViewSource{&doc->data(), orvel::DumpStyle::kSingleFile, &doc->data(), doc, &doc->job(),
                     [doc] { return doc->IsIdle(); }, [doc] { return doc->job().running(); }},
          parent) {}

COrvelView::COrvelView(ShellServices& shell, ViewSource source, QWidget* parent)
    : QAbstractScrollArea(parent),
      shell_(shell),
      source_(std::move(source)),
      dump_(source_.data->bytes(), source_.style),
      lines_(font()) {
    setFont(DumpFont());
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
        viewport()->update(at.x() - 1, at.y(), 3, lineHeight());
    });
    dragScrollTimer_.setInterval(kDragScrollMs);
    connect(&dragScrollTimer_, &QTimer::timeout, this, [this] { DragScrollStep(); });
    UpdateScrollBars();
    // The caret starts on the high digit of the first byte. The view has no
    // size yet, so it must not scroll to it: the text opens at its top.
    const Offset first = std::min(layout().LineColToTextPos(0, 9), dump_.Length());
    selection_ = {first, first};
}

COrvelView::~COrvelView() {
    data().RemoveObserver(observerId_);
}

Offset COrvelView::topLine() const {
    return verticalScrollBar()->value();
}

int COrvelView::VisibleLines() const {
    return std::max(1, viewport()->height() / lineHeight());
}

int COrvelView::VisibleColumns() const {
    return std::max(1, (viewport()->width() - kMargin) / charWidth());
}

orvel::CellGrid COrvelView::Grid() const {
    return lines_.Grid(kMargin - horizontalScrollBar()->value() * charWidth());
}

void COrvelView::UpdateScrollBars() {
    const Offset lines = dump_.LineCount();
    const int visible = VisibleLines();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<Offset>(0, lines - visible)));
    verticalScrollBar()->setPageStep(visible);
    const int columns = VisibleColumns();
    horizontalScrollBar()->setRange(0, std::max(0, orvel::kLineStride - columns));
    horizontalScrollBar()->setPageStep(columns);
}

QPoint COrvelView::PositionToPoint(Offset pos) const {
    const Offset line = dump_.LineOfPosition(pos);
    const int column = static_cast<int>(pos - dump_.LineStart(line));
    const orvel::CellGrid grid = Grid();
    return {grid.ColumnX(column), grid.LineY(static_cast<int>(line - topLine()))};
}

Offset COrvelView::GridPosition(int line, int column) const {
    const Offset textLine = std::clamp<Offset>(topLine() + line, 0, dump_.LineCount() - 1);
    return dump_.LineStart(textLine) + std::clamp(column, 0, dump_.LineLength(textLine));
}

Offset COrvelView::CellAt(QPoint point) const {
    const orvel::CellGrid grid = Grid();
    return GridPosition(grid.LineAt(point.y()), grid.ColumnAt(point.x()));
}

Offset COrvelView::BoundaryNear(QPoint point) const {
    const orvel::CellGrid grid = Grid();
    return GridPosition(grid.LineAt(point.y()), grid.BoundaryNear(point.x()));
}

// Only typing moves the caret without ending the document's typing step.
void COrvelView::SetSelection(orvel::TextSelection selection) {
    data().EndTyping();
    ShowSelection(selection);
}

void COrvelView::ShowSelection(orvel::TextSelection selection) {
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
    const int columns = VisibleColumns();
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
    viewport()->update(0, static_cast<int>(first - top) * lineHeight(), viewport()->width(),
                       static_cast<int>(last - first + 1) * lineHeight());
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
    if (edit.kind == orvel::EditKind::kGroupEnd)
        return;
    if (edit.RebuildsDump()) {
        marks_.Clear();
        UpdateScrollBars();
        ShowSelection(selection_);  // clamps to the new text
        viewport()->update();
        return;
    }
    const Offset firstLine = dump_.FirstDataTextLine() + edit.offset / 16;
    const Offset lastLine = dump_.FirstDataTextLine() + (edit.offset + edit.newLength - 1) / 16;
    RepaintLines(firstLine, lastLine);
}

void COrvelView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().base());
    const orvel::CellGrid grid = Grid();
    const Offset top = topLine();
    const Offset firstLine = top + grid.LineAt(event->rect().top());
    const Offset lastLine =
        std::min(top + grid.LineAt(event->rect().bottom()), dump_.LineCount() - 1);
    const DumpLinePainter::Colors colors{palette().text().color(),
                                         palette().highlightedText().color(),
                                         palette().highlight().color()};
    for (Offset line = firstLine; line <= lastLine; ++line) {
        lines_.Draw(painter, grid.left, grid.LineY(static_cast<int>(line - top)),
                    orvel::StyleDumpLine(dump_, marks_, line, selection_), colors);
    }
    if (hasFocus() && caretVisible_) {
        const QPoint at = PositionToPoint(selection_.caret);
        painter.fillRect(at.x(), at.y(), 1, lineHeight(), palette().text());
    }
}

// Another font gives other cells: every pixel position follows it.
void COrvelView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        lines_ = DumpLinePainter(font());
        UpdateScrollBars();
        viewport()->update();
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
            return MoveCaretBy(control ? CaretMove::kWordLeft : CaretMove::kLeft, shift);
        case Qt::Key_Right:
            return MoveCaretBy(control ? CaretMove::kWordRight : CaretMove::kRight, shift);
        case Qt::Key_Up:
            return MoveCaretBy(CaretMove::kUp, shift);
        case Qt::Key_Down:
            return MoveCaretBy(CaretMove::kDown, shift);
        case Qt::Key_Home:
            return MoveCaretBy(control ? CaretMove::kTextStart : CaretMove::kLineStart, shift);
        case Qt::Key_End:
            return MoveCaretBy(control ? CaretMove::kTextEnd : CaretMove::kLineEnd, shift);
        case Qt::Key_PageUp:
            return MoveCaretBy(CaretMove::kPageUp, shift);
        case Qt::Key_PageDown:
            return MoveCaretBy(CaretMove::kPageDown, shift);
        default:
            break;
    }
    const QString text = event->text();
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && text.size() == 1 && text[0].unicode() < 0x80) {
        // Dropped while another thread reads the bytes; caret keys still work.
        if (!source_.typingWaits())
            TypeCharacter(static_cast<char>(text[0].unicode()));
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// Typing changes one byte in place through the document (which repaints the
// byte's cells in every view of it) and moves the caret. The digits typed one
// after another form one step of the undo history; the space bar and backspace
// move the caret by other means and end it.
bool COrvelView::TypeCharacter(char ch) {
    orvel::BinaryDocument& bytes = data();
    const orvel::TypingResult result =
        orvel::TypeChar(selection_, static_cast<unsigned char>(ch), bytes.bytes().span(),
                        bytes.endMarker(), layout());
    if (result.change) {
        const orvel::EditOutcome outcome =
            bytes.TypeByte(result.change->offset, result.change->value);
        if (outcome != orvel::EditOutcome::kDone) {
            ReportOutcome(outcome);
            return true;
        }
    }
    if (result.selection != selection_) {
        desiredColumn_ = -1;
        if (result.change) {
            ShowSelection(result.selection);
        } else {
            SetSelection(result.selection);
        }
    }
    return result.handled;
}

void COrvelView::ReportOutcome(orvel::EditOutcome outcome) {
    const std::string_view message = orvel::OutcomeMessage(outcome);
    if (!message.empty()) {
        shell_.prompts().Tell(this, ToQString(message), UserPrompts::Icon::kStop);
    }
}

// A press puts the caret before the cell under the pointer, so a click on a
// digit makes that digit the one typing replaces; a drag extends the
// selection to the cell boundary nearest the pointer.
void COrvelView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const Offset pos = CellAt(event->position().toPoint());
    desiredColumn_ = -1;
    selecting_ = true;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    SetSelection({extend ? selection_.anchor : pos, pos});
}

void COrvelView::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_)
        return;
    ExtendDragTo(event->position().toPoint());
    if (viewport()->rect().contains(dragPoint_)) {
        dragScrollTimer_.stop();
    } else if (!dragScrollTimer_.isActive()) {
        dragScrollTimer_.start();
    }
}

void COrvelView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    selecting_ = false;
    dragScrollTimer_.stop();
}

void COrvelView::ExtendDragTo(QPoint point) {
    dragPoint_ = point;
    // Outside the viewport the caret goes a few lines at most past its edge;
    // moving the caret there scrolls the view.
    const QRect reach = viewport()->rect().adjusted(
        -kDragScrollReach * charWidth(), -kDragScrollReach * lineHeight(),
        kDragScrollReach * charWidth(), kDragScrollReach * lineHeight());
    const QPoint held(std::clamp(point.x(), reach.left(), reach.right()),
                      std::clamp(point.y(), reach.top(), reach.bottom()));
    SetSelection({selection_.anchor, BoundaryNear(held)});
}

// While the button is held outside the viewport, the view keeps scrolling
// towards the pointer and the selection keeps growing, as in a text control.
void COrvelView::DragScrollStep() {
    if (!selecting_ || viewport()->rect().contains(dragPoint_)) {
        dragScrollTimer_.stop();
        return;
    }
    ExtendDragTo(dragPoint_);
}

void COrvelView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    SetSelection(orvel::WordAt(dump_, CellAt(event->position().toPoint())));
}

// Typing in another view of the same bytes starts a step of its own.
void COrvelView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    data().EndTyping();
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
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    shell_.OpenDocumentFiles(paths);
    event->acceptProposedAction();
}

void COrvelView::PrintTo(QPrinter& printer) const {
    PrintDumpText(printer, dump_, marks_, font());
}

void COrvelView::Print() {
    QPrinter& printer = shell_.printer();
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    WaitCursor wait;
    PrintTo(printer);
}
