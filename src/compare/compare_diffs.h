#pragma once

#include <QObject>
#include <vector>

#include "compare/diff_list.h"
#include "document/binary_document.h"

class ComparedFileView;
class DiffListModel;
class DiffOverview;
class DiffPanel;
class PaneSync;
class QMainWindow;
class QTimer;
class ShellServices;

namespace orvel {
class CompareDocument;
}

// What a comparison window shows of the differences besides the colours: the
// list of runs in the differences panel, the overview bar beside each pane,
// synchronised scrolling along the runs, and Copy to Other File. Fed with the
// compare worker's batches as they are painted. GUI thread only.
class CompareDiffs : public QObject {
    Q_OBJECT
  public:
    // Docks the panel in `dock` and puts an overview bar beside each pane.
    CompareDiffs(ShellServices& shell, orvel::CompareDocument& doc, ComparedFileView* first,
                 ComparedFileView* second, QMainWindow* dock, QObject* parent = nullptr);
    ~CompareDiffs() override;

    [[nodiscard]] const orvel::DiffList& diffs() const { return diffs_; }
    [[nodiscard]] DiffPanel* panel() const { return panel_; }
    [[nodiscard]] DiffOverview* overview(orvel::ComparedFile which) const;
    [[nodiscard]] PaneSync& sync() const { return *sync_; }

    // Gives the panel the width of its columns, once the window has its size.
    void FitPanel();

    // A new comparison in `colouring` starts: no runs yet.
    void Begin(orvel::DiffColouring colouring);
    // A batch of the running comparison. The panel and the bars show the
    // batches now and then while it runs, so that they cost it little.
    void Add(const std::vector<orvel::AlignedEdit>& edits);
    // The comparison's scan is over: everything shows, with `note` (why part
    // of the files went byte for byte; may be empty) under the totals.
    void ScanEnded(const QString& note);

    // Selects run `row` in both panes.
    void ChooseRow(int row);
    // Copy to Other File from pane `source`: the run at the source pane's
    // caret, else the one chosen in the panel, copied into the other file as
    // one undoable step; the run's colours and row go (an undo of the step
    // brings them back). Says why when there is no run to copy, the files
    // changed since they were compared, or the copy failed.
    void CopyToOtherFile(orvel::ComparedFile source);

  private:
    // A copy that settled a row, kept so that an undo of it (or a redo) can
    // give the row back (or take it again).
    struct Copy {
        int row;
        orvel::AlignedEdit edit;
        orvel::ComparedFile target;
        orvel::BinaryDocument::Revision before;
        orvel::BinaryDocument::Revision after;
    };

    [[nodiscard]] ComparedFileView* view(orvel::ComparedFile which) const;
    [[nodiscard]] int RowToCopy(orvel::ComparedFile source) const;
    // Paints `edit`'s colours (or clears them) in both panes.
    void PaintRow(const orvel::AlignedEdit& edit, bool clear);
    // Paints every row again in pane `which`, whose marks a change of its
    // length has dropped.
    void RepaintPane(orvel::ComparedFile which);
    void RebuildOverviews();
    // Shows what the batches added.
    void Refresh();
    // After an edit of a file: an undo or redo of a copy moves its row.
    void CheckCopies();
    // After row `edit` was settled into `target`, or given back.
    void Settled(const orvel::AlignedEdit& edit, orvel::ComparedFile target);

    ShellServices& shell_;
    orvel::CompareDocument& doc_;
    ComparedFileView* first_;
    ComparedFileView* second_;
    orvel::DiffList diffs_;
    orvel::DiffColouring colouring_ = orvel::DiffColouring::kPlain;
    DiffListModel* model_;
    QMainWindow* dock_;
    DiffPanel* panel_;
    DiffOverview* overviews_[2];
    PaneSync* sync_;
    QTimer* refresh_;
    std::vector<Copy> done_;
    std::vector<Copy> undone_;
    bool checkQueued_ = false;
    // The files' revisions the rows agree with; once either moves elsewhere
    // the rows are stale until the next comparison.
    orvel::BinaryDocument::Revision known_[2] = {0, 0};
    bool stale_ = false;
    int observers_[2] = {0, 0};
};
