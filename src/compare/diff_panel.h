#pragma once

#include <QDockWidget>

class DiffListModel;
class QLabel;
class QTreeView;

// The differences panel of a comparison window: the totals (runs, differing
// bytes, the bytes only one file has) above the list of runs. Clicking a row
// (or Enter on it) chooses that run.
class DiffPanel : public QDockWidget {
    Q_OBJECT
  public:
    DiffPanel(DiffListModel* model, QWidget* parent = nullptr);

    [[nodiscard]] QTreeView* list() const { return list_; }
    [[nodiscard]] QLabel* totals() const { return totals_; }
    // The row the user chose last, or -1.
    [[nodiscard]] int currentRow() const;
    // Shows `note` under the totals (empty: none), e.g. why part of an aligned
    // comparison went byte for byte.
    void SetNote(const QString& note);
    // Brings the totals up to date with the model.
    void UpdateTotals();

    [[nodiscard]] QSize sizeHint() const override;

  signals:
    void rowChosen(int row);

  private:
    DiffListModel* model_;
    QLabel* totals_;
    QLabel* note_;
    QTreeView* list_;
};
