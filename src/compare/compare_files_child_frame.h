#pragma once

#include <QMdiSubWindow>
#include <memory>
#include <optional>

#include "compare/compare_engine.h"
#include "compare/compare_worker.h"
#include "ui/command_frame.h"

class CompareDiffs;
class CBarredSplitterWnd;
class CBarredWnd;
class CCompareFilesDoc;
class CComparedFile1View;
class CComparedFile2View;
class ComparedFileView;
class QToolBar;
class ShellServices;

// The frame of a comparison window: the "Compare Files" toolbar above a
// vertical splitter with one pane per file (the first file above), each with
// an overview bar of its differences, and the differences panel docked beside
// them.
// The panes scroll together while Synchronize Panes is on (the setting a new
// window starts with is the one chosen last). Owns the comparison document and
// its compare worker, opens maximised, and asks the document's close guard
// before it closes.
class CCompareFilesChildFrame : public QMdiSubWindow, public CommandFrame {
    Q_OBJECT
  public:
    // `compareBar` is the toolbar the shell made of the comparison's commands;
    // the frame takes it.
    CCompareFilesChildFrame(ShellServices& shell, std::unique_ptr<CCompareFilesDoc> doc,
                            QToolBar* compareBar, QWidget* parent = nullptr);
    ~CCompareFilesChildFrame() override;

    [[nodiscard]] CCompareFilesDoc* document() const { return doc_.get(); }
    [[nodiscard]] CComparedFile1View* view1() const { return m_pView1; }
    [[nodiscard]] CComparedFile2View* view2() const { return m_pView2; }
    [[nodiscard]] ComparedFileView* view(orvel::ComparedFile which) const;
    [[nodiscard]] QToolBar* compareBar() const { return m_wndCompareBar; }
    [[nodiscard]] CBarredSplitterWnd* splitter() const { return m_wndSplitter; }
    // The pane that has, or last had, the focus.
    [[nodiscard]] ComparedFileView* activeView() const { return activeView_; }
    // How the last comparison ended; nothing before the first and while one runs.
    [[nodiscard]] const std::optional<orvel::CompareResult>& lastComparison() const {
        return lastComparison_;
    }

    // Shows the frame; the first time maximised.
    void ActivateFrame();

    [[nodiscard]] CompareDiffs& diffs() const { return *diffs_; }

    // Start Compare, Compare Aligned, Stop Compare.
    void OnStartCompare();
    void OnCompareAligned();
    void OnStopCompare();
    // Copy to Other File, from the active pane.
    void OnCopyToOtherFile();
    // Synchronize Panes; the choice is remembered for new windows.
    [[nodiscard]] bool syncPanes() const;
    void OnSyncPanes();
    // F6 and Shift+F6: with two panes the next and the previous one are both
    // the other.
    void ActivateOtherPane();

    [[nodiscard]] orvel::CommandTarget* activeViewTarget() const override;
    [[nodiscard]] orvel::DocumentTarget* documentTarget() const override;
    [[nodiscard]] orvel::MenuBarKind menuKind() const override {
        return orvel::MenuBarKind::kComparison;
    }
    [[nodiscard]] CloseGuard& closeGuard() const override;

  signals:
    // Another pane became the active one.
    void activeViewChanged();
    // A comparison started or ended (lastComparison changed).
    void comparisonChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void SetActiveView(ComparedFileView* view);
    // Forgets the last comparison's result and list before a new one starts.
    void BeginComparison(orvel::DiffColouring colouring);
    void UpdateTitle();

    ShellServices& shell_;
    std::unique_ptr<CCompareFilesDoc> doc_;
    CompareWorker worker_;
    QToolBar* m_wndCompareBar;
    CBarredSplitterWnd* m_wndSplitter = nullptr;
    CComparedFile1View* m_pView1 = nullptr;
    CComparedFile2View* m_pView2 = nullptr;
    ComparedFileView* activeView_ = nullptr;
    std::optional<orvel::CompareResult> lastComparison_;
    CompareDiffs* diffs_ = nullptr;
    bool m_bFirstActivate = true;
};
