#include "compare/compare_diffs.h"

#include <QMainWindow>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <new>

#include "compare/compare_document.h"
#include "compare/compared_file_view.h"
#include "compare/diff_list_model.h"
#include "compare/diff_overview.h"
#include "compare/diff_panel.h"
#include "compare/pane_sync.h"
#include "ui/shell_services.h"
#include "ui/user_prompts.h"

using orvel::AlignedEdit;
using orvel::ComparedFile;
using orvel::Offset;

namespace {

// How often the panel and the bars show the batches of a running comparison.
constexpr int kRefreshMs = 150;
constexpr int kNarrowestPanel = 160;

constexpr ComparedFile kFiles[] = {ComparedFile::kFirst, ComparedFile::kSecond};

ComparedFile Other(ComparedFile which) {
    return which == ComparedFile::kFirst ? ComparedFile::kSecond : ComparedFile::kFirst;
}

constexpr char kChangedSinceComparedText[] =
    "The files have changed since they were compared; compare them again first.";

int Index(ComparedFile which) {
    return which == ComparedFile::kFirst ? 0 : 1;
}

}  // namespace

CompareDiffs::CompareDiffs(ShellServices& shell, orvel::CompareDocument& doc,
                           ComparedFileView* first, ComparedFileView* second, QMainWindow* dock,
                           QObject* parent)
    : QObject(parent),
      shell_(shell),
      doc_(doc),
      first_(first),
      second_(second),
      model_(new DiffListModel(diffs_, doc.file(ComparedFile::kFirst),
                               doc.file(ComparedFile::kSecond), this)),
      dock_(dock),
      panel_(new DiffPanel(model_, dock)),
      sync_(new PaneSync(first, second, diffs_, this)),
      refresh_(new QTimer(this)) {
    refresh_->setSingleShot(true);
    refresh_->setInterval(kRefreshMs);
    connect(refresh_, &QTimer::timeout, this, &CompareDiffs::Refresh);
    // Beside the panes, so that they keep the window's height between them.
    dock->addDockWidget(Qt::RightDockWidgetArea, panel_);
    connect(panel_, &DiffPanel::rowChosen, this, &CompareDiffs::ChooseRow);
    for (const ComparedFile which : kFiles) {
        ComparedFileView* pane = view(which);
        auto* bar = new DiffOverview;
        overviews_[Index(which)] = bar;
        pane->pane()->AddBeside(bar);
        bar->Reset(doc_.file(which).size());
        connect(bar, &DiffOverview::offsetClicked, this, [pane](Offset offset) {
            pane->verticalScrollBar()->setValue(
                static_cast<int>(pane->dump().FirstDataTextLine() + offset / 16));
        });
        const auto shown = [pane, bar] {
            const Offset top =
                std::max<Offset>(0, pane->topLine() - pane->dump().FirstDataTextLine());
            const Offset lines = pane->viewport()->height() / std::max(1, pane->lineHeight());
            bar->SetShown(top * 16, (top + lines) * 16);
        };
        connect(pane->verticalScrollBar(), &QScrollBar::valueChanged, bar, shown);
        connect(pane->verticalScrollBar(), &QScrollBar::rangeChanged, bar, shown);
        // An undo or redo tells of its changes one by one: the rows are
        // looked at once it is over.
        observers_[Index(which)] = doc_.file(which).AddObserver([this](const orvel::ByteEdit&) {
            if (checkQueued_ || stale_)
                return;
            checkQueued_ = true;
            QTimer::singleShot(0, this, [this] { CheckCopies(); });
        });
    }
}

CompareDiffs::~CompareDiffs() {
    for (const ComparedFile which : kFiles)
        doc_.file(which).RemoveObserver(observers_[Index(which)]);
}

ComparedFileView* CompareDiffs::view(ComparedFile which) const {
    return which == ComparedFile::kFirst ? first_ : second_;
}

DiffOverview* CompareDiffs::overview(ComparedFile which) const {
    return overviews_[Index(which)];
}

// The panel takes what the panes leave once they show whole lines, between
// a narrow minimum and its own preferred width.
void CompareDiffs::FitPanel() {
    int hidden = 0;
    for (const ComparedFileView* view : {first_, second_})
        hidden = std::max(hidden, view->horizontalScrollBar()->maximum() * view->charWidth());
    const int width = std::clamp(panel_->width() - hidden, kNarrowestPanel,
                                 std::max(kNarrowestPanel, panel_->sizeHint().width()));
    dock_->resizeDocks({panel_}, {width}, Qt::Horizontal);
}

void CompareDiffs::Begin(orvel::DiffColouring colouring) {
    colouring_ = colouring;
    refresh_->stop();
    model_->Clear();
    done_.clear();
    undone_.clear();
    stale_ = false;
    for (const ComparedFile which : kFiles) {
        known_[Index(which)] = doc_.file(which).revision();
        overview(which)->Reset(doc_.file(which).size());
    }
    panel_->SetNote({});
    panel_->UpdateTotals();
}

void CompareDiffs::Add(const std::vector<AlignedEdit>& edits) {
    model_->Take(edits);
    for (const AlignedEdit& edit : edits)
        orvel::AddEdit(overview(ComparedFile::kFirst)->buckets(),
                       overview(ComparedFile::kSecond)->buckets(), edit);
    if (!refresh_->isActive())
        refresh_->start();
}

void CompareDiffs::Refresh() {
    model_->ShowTaken();
    for (const ComparedFile which : kFiles)
        overview(which)->update();
    panel_->UpdateTotals();
}

void CompareDiffs::ScanEnded(const QString& note) {
    refresh_->stop();
    Refresh();
    panel_->SetNote(note);
}

void CompareDiffs::ChooseRow(int row) {
    if (row < 0 || row >= static_cast<int>(diffs_.size()))
        return;
    const AlignedEdit& edit = diffs_[static_cast<std::size_t>(row)];
    for (const ComparedFile which : kFiles) {
        ComparedFileView* pane = view(which);
        const Offset start = orvel::EditStart(edit, which);
        const Offset end = orvel::EditEnd(edit, which);
        const orvel::DumpLayout layout = pane->layout();
        if (end > start) {
            pane->SetSelection(
                {layout.ByteToHexPos(start).high, layout.ByteToHexPos(end - 1).low + 1});
        } else {
            pane->SetCaret(layout.ByteToHexPos(start).high);
        }
    }
}

int CompareDiffs::RowToCopy(ComparedFile source) const {
    const orvel::TextSelection selection = view(source)->selection();
    const Offset byte = view(source)->layout().TextPosToByte(selection.min());
    if (byte >= 0) {
        if (const auto row = diffs_.RowAt(source, byte))
            return static_cast<int>(*row);
    }
    return panel_->currentRow();
}

void CompareDiffs::CopyToOtherFile(ComparedFile source) {
    if (checkQueued_)
        CheckCopies();
    if (stale_) {
        shell_.prompts().Tell(view(source), QString::fromUtf8(kChangedSinceComparedText));
        return;
    }
    const int row = RowToCopy(source);
    if (row < 0 || row >= static_cast<int>(diffs_.size())) {
        shell_.prompts().Tell(view(source),
                              QStringLiteral("Please choose a run of differences to copy first!"));
        return;
    }
    const AlignedEdit edit = diffs_[static_cast<std::size_t>(row)];
    const ComparedFile target = Other(source);
    orvel::BinaryDocument& to = doc_.file(target);
    const auto from = doc_.file(source).bytes().span();
    const Offset start = orvel::EditStart(edit, target);
    const Offset replaced = orvel::EditEnd(edit, target) - start;
    const std::vector<std::uint8_t> bytes(from.begin() + orvel::EditStart(edit, source),
                                          from.begin() + orvel::EditEnd(edit, source));
    const orvel::BinaryDocument::Revision before = to.revision();
    orvel::EditOutcome outcome = orvel::EditOutcome::kDone;
    {
        orvel::EditGroup group(to, "Copy to Other File");
        if (static_cast<Offset>(bytes.size()) == replaced) {
            outcome = to.ReplaceRange(start, bytes);
        } else {
            // The new bytes go in first: a failed insert changes nothing.
            if (!bytes.empty())
                outcome = to.InsertRange(start, bytes);
            if (outcome == orvel::EditOutcome::kDone && replaced > 0)
                outcome = to.RemoveBytes(start + static_cast<Offset>(bytes.size()), replaced);
        }
    }
    if (outcome != orvel::EditOutcome::kDone) {
        if (to.revision() != before)
            (void)to.Undo();  // the half that was made
        view(target)->ReportOutcome(outcome);
        return;
    }
    done_.push_back({row, edit, target, before, to.revision()});
    known_[Index(target)] = to.revision();
    undone_.clear();
    PaintRow(edit, true);
    model_->Settle(row, target);
    Settled(edit, target);
}

void CompareDiffs::PaintRow(const AlignedEdit& edit, bool clear) {
    for (const ComparedFile which : kFiles) {
        if (const auto run = orvel::DiffPaintRun(edit, which, colouring_)) {
            try {
                if (clear)
                    view(which)->marks().ClearRange(run->first, run->last);
                else
                    view(which)->marks().Paint(*run);
            } catch (const std::bad_alloc&) {
                return;  // the colours are only a help; the edit stands
            }
            view(which)->MarksChanged(run->first, run->last);
        }
    }
}

void CompareDiffs::RepaintPane(ComparedFile which) {
    ComparedFileView* pane = view(which);
    pane->ClearAllMarks();
    try {
        for (std::size_t row = 0; row < diffs_.size(); ++row) {
            if (const auto run = orvel::DiffPaintRun(diffs_[row], which, colouring_))
                pane->marks().Paint(*run);
        }
    } catch (const std::bad_alloc&) {
    }
}

void CompareDiffs::RebuildOverviews() {
    for (const ComparedFile which : kFiles)
        overview(which)->Reset(doc_.file(which).size());
    for (std::size_t row = 0; row < diffs_.size(); ++row)
        orvel::AddEdit(overview(ComparedFile::kFirst)->buckets(),
                       overview(ComparedFile::kSecond)->buckets(), diffs_[row]);
}

// A change of the target's length dropped that pane's marks: the rows paint
// it again. Otherwise only the copied run changed colour.
void CompareDiffs::Settled(const AlignedEdit& edit, ComparedFile target) {
    if (orvel::EditEnd(edit, target) - orvel::EditStart(edit, target) !=
        orvel::EditEnd(edit, Other(target)) - orvel::EditStart(edit, Other(target)))
        RepaintPane(target);
    RebuildOverviews();
    panel_->UpdateTotals();
}

// Only the copies' own undo and redo keep the rows true; any other edit of
// either file leaves them behind the bytes.
void CompareDiffs::CheckCopies() {
    if (!checkQueued_)
        return;  // looked at already
    checkQueued_ = false;
    if (stale_)
        return;
    if (!done_.empty() && doc_.file(done_.back().target).revision() == done_.back().before) {
        const Copy copy = done_.back();
        done_.pop_back();
        undone_.push_back(copy);
        known_[Index(copy.target)] = copy.before;
        model_->Unsettle(copy.row, copy.edit, copy.target);
        PaintRow(copy.edit, false);
        Settled(copy.edit, copy.target);
    } else if (!undone_.empty() &&
               doc_.file(undone_.back().target).revision() == undone_.back().after) {
        const Copy copy = undone_.back();
        undone_.pop_back();
        done_.push_back(copy);
        known_[Index(copy.target)] = copy.after;
        PaintRow(copy.edit, true);
        model_->Settle(copy.row, copy.target);
        Settled(copy.edit, copy.target);
    }
    for (const ComparedFile which : kFiles)
        stale_ = stale_ || doc_.file(which).revision() != known_[Index(which)];
}
