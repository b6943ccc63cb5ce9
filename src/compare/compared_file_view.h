#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include "compare/compare_engine.h"
#include "compare/diff_navigation.h"
#include "view/orvel_view.h"

class CCompareFilesDoc;

// The wrapper of one splitter pane: a one-line title bar above the pane's view
// (and whatever goes beside it).
class CBarredWnd : public QWidget {
    Q_OBJECT
  public:
    // `title` is the text the bar shows until the view's first update.
    CBarredWnd(const QString& title, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* titleBar() const { return m_wndTitleBar; }
    // Puts `view` below the title bar; it takes the rest of the pane.
    void SetView(QWidget* view);
    // Puts `widget` to the right of the view, as tall as it.
    void AddBeside(QWidget* widget);

  private:
    QLabel* m_wndTitleBar;
    QHBoxLayout* body_;
};

// The hex view of one file of a comparison, in a comparison pane's dump style.
// Typing and every view command work on this pane's file only and set that
// file's changed flag; the view adds the difference navigation.
class ComparedFileView : public COrvelView {
    Q_OBJECT
  public:
    ComparedFileView(ShellServices& shell, CCompareFilesDoc* doc, orvel::ComparedFile which,
                     CBarredWnd* pane);

    [[nodiscard]] orvel::ComparedFile file() const { return which_; }
    [[nodiscard]] CBarredWnd* pane() const { return pane_; }
    // The pane that navigation selects the same byte in.
    void setPartner(ComparedFileView* partner) { partner_ = partner; }

    // Titles the pane with the file's path (" File1: " / " File2: " and the path).
    void OnUpdate();
    // Colours byte `offset` in this pane's difference colour and selects its
    // two hex digits.
    void ShowDiffByte(orvel::Offset offset);

    // Find First, Last, Next or Prev Diff: shows the byte it finds in both
    // panes, or asks for a click.
    void NavigateDiff(orvel::DiffCommand command);

  signals:
    // The view got the focus: it becomes the window's active pane.
    void activated();

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    CCompareFilesDoc* doc_;
    orvel::ComparedFile which_;
    CBarredWnd* pane_;
    ComparedFileView* partner_ = nullptr;
};

// The upper pane: the first file, differences in red.
class CComparedFile1View final : public ComparedFileView {
    Q_OBJECT
  public:
    CComparedFile1View(ShellServices& shell, CCompareFilesDoc* doc, CBarredWnd* pane)
        : ComparedFileView(shell, doc, orvel::ComparedFile::kFirst, pane) {}
};

// The lower pane: the second file, differences in blue.
class CComparedFile2View final : public ComparedFileView {
    Q_OBJECT
  public:
    CComparedFile2View(ShellServices& shell, CCompareFilesDoc* doc, CBarredWnd* pane)
        : ComparedFileView(shell, doc, orvel::ComparedFile::kSecond, pane) {}
};
