#pragma once

#include <QSplitter>

// The splitter of a comparison window: two rows, one pane per file. Of the
// height h that the panes share, the upper one gets h - h div 2 whenever the
// splitter changes size, until the user moves the bar; from then on the panes
// keep the split the user chose.
class CBarredSplitterWnd : public QSplitter {
    Q_OBJECT
  public:
    explicit CBarredSplitterWnd(QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool userMoved_ = false;
};
