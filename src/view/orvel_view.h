#pragma once

#include <QAbstractScrollArea>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "document/binary_document.h"
#include "ui/command_route.h"
#include "view/caret_navigation.h"
#include "view/dump_line_painter.h"
#include "view/dump_text.h"
#include "view/mark_store.h"

class CloseGuard;
class COrvelDoc;
class DocumentJob;
class QPrinter;
class ShellServices;

// What a hex view shows: the bytes of one file, the dump style (a single-file
// window or a comparison pane), the marking state, close guard and job of its
// document, whether the document is free of workers, and whether typing must
// wait.
struct ViewSource {
    orvel::BinaryDocument* data;
    orvel::DumpStyle style;
    orvel::MarkingState* marking;
    CloseGuard* closeGuard;
    DocumentJob* job;
    std::function<bool()> isMarkIdle;
    // True while typed characters are dropped (another thread reads the bytes).
    std::function<bool()> typingWaits;
};

// The state that another subsystem's commands keep for one view (its Find
// dialog, remembered dialog settings, its marking run): made on first use,
// ended before the view.
class ViewPart {
  public:
    virtual ~ViewPart() = default;
};

// The hex view of a single-file window: a virtual text view of the dump text.
// It paints only the visible lines, each computed from the bytes; scrolls in
// lines (a 4 GiB file has 2^28 of them); keeps a caret and selection in text
// positions with the moves of a read-only text control; and passes typed
// characters to the typing rules. Every view of a document shows the
// document's current bytes: the document tells its views of every edit. It is
// the first link of the command route.
class COrvelView : public QAbstractScrollArea, public orvel::CommandTarget {
    Q_OBJECT
  public:
    COrvelView(ShellServices& shell, COrvelDoc* doc, QWidget* parent = nullptr);
    COrvelView(ShellServices& shell, ViewSource source, QWidget* parent);
    ~COrvelView() override;

    // The shell services of the view and the commands acting on it.
    [[nodiscard]] ShellServices& shell() const { return shell_; }

    // The bytes the view shows and edits.
    [[nodiscard]] orvel::BinaryDocument& data() const { return *source_.data; }
    // The state of the marking run that may own the document (shared by every
    // view of it), and the document's close guard.
    [[nodiscard]] orvel::MarkingState& marking() const { return *source_.marking; }
    [[nodiscard]] CloseGuard& closeGuard() const { return *source_.closeGuard; }
    // The document's background job (open, save, export).
    [[nodiscard]] DocumentJob& documentJob() const { return *source_.job; }
    // True while no worker (a marking run, a comparison, a job) owns the
    // document; the editing commands wait otherwise.
    [[nodiscard]] bool IsMarkIdle() const { return source_.isMarkIdle(); }
    [[nodiscard]] const orvel::DumpText& dump() const { return dump_; }
    [[nodiscard]] orvel::DumpLayout layout() const { return dump_.layout(); }

    [[nodiscard]] orvel::TextSelection selection() const { return selection_; }
    // Sets the selection (anchor, caret) and scrolls the caret into view. The
    // caret moves by other means than typing: the typing step ends.
    void SetSelection(orvel::TextSelection selection);
    void SetCaret(orvel::Offset pos) { SetSelection({pos, pos}); }

    // Geometry, in viewport coordinates: the top-left pixel of a text
    // position's cell; the position of the cell under a pixel (where a click
    // puts the caret); the position at the cell boundary nearest a pixel
    // (where a drag extends the selection to).
    [[nodiscard]] QPoint PositionToPoint(orvel::Offset pos) const;
    [[nodiscard]] orvel::Offset CellAt(QPoint point) const;
    [[nodiscard]] orvel::Offset BoundaryNear(QPoint point) const;
    [[nodiscard]] int lineHeight() const { return lines_.lineHeight(); }
    [[nodiscard]] int charWidth() const { return lines_.cellWidth(); }
    [[nodiscard]] orvel::Offset topLine() const;

    // The colour marks of the view's bytes. After changing them, call
    // MarksChanged with the range so the cells are repainted.
    [[nodiscard]] orvel::MarkStore& marks() { return marks_; }
    void MarksChanged(orvel::Offset first, orvel::Offset last);
    // Drops every mark (what a rebuild of the dump does).
    void ClearAllMarks();

    // Tells the user why an edit changed nothing (no message for kDone or kDeclined).
    void ReportOutcome(orvel::EditOutcome outcome);

    // Prints the dump on `printer` (the page range the printer holds).
    void PrintTo(QPrinter& printer) const;
    // File Print: the print dialog, then the dump on the shell's printer.
    void Print();

    // The view's part of type Part (constructible from the view), made on
    // first use.
    template <class Part>
    [[nodiscard]] Part& part() {
        for (const auto& made : parts_) {
            if (auto* found = dynamic_cast<Part*>(made.get()))
                return *found;
        }
        return static_cast<Part&>(*parts_.emplace_back(std::make_unique<Part>(*this)));
    }

  signals:
    // The caret or the selection moved.
    void selectionChanged();
    // The bytes changed: an edit of the document, in this view or another.
    void bytesEdited();

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void OnDocumentEdited(const orvel::ByteEdit& edit);
    // SetSelection without ending the typing step.
    void ShowSelection(orvel::TextSelection selection);
    void UpdateScrollBars();
    void EnsureCaretVisible();
    void RepaintLines(orvel::Offset firstTextLine, orvel::Offset lastTextLine);
    [[nodiscard]] int VisibleLines() const;
    [[nodiscard]] int VisibleColumns() const;
    [[nodiscard]] orvel::CellGrid Grid() const;
    // The text position of (line, column) of the grid, clamped into the text.
    [[nodiscard]] orvel::Offset GridPosition(int line, int column) const;
    void ExtendDragTo(QPoint point);
    void DragScrollStep();
    void MoveCaretBy(orvel::CaretMove move, bool extend);
    bool TypeCharacter(char ch);

    ShellServices& shell_;
    ViewSource source_;
    orvel::DumpText dump_;
    orvel::MarkStore marks_;
    orvel::TextSelection selection_;
    int desiredColumn_ = -1;
    int observerId_ = 0;
    // What the commands that follow the history could do after the last edit.
    struct EditAvailability {
        bool canUndo = false;
        bool canRedo = false;
        bool modified = false;
        friend bool operator==(const EditAvailability&, const EditAvailability&) = default;
    };
    EditAvailability availability_;
    DumpLinePainter lines_;
    bool caretVisible_ = true;
    bool selecting_ = false;
    QTimer caretTimer_;
    // Keeps a drag selection growing while the pointer is held outside the viewport.
    QTimer dragScrollTimer_;
    QPoint dragPoint_;
    // Last, so that they go first: a part may still use the view.
    std::vector<std::unique_ptr<ViewPart>> parts_;
};
