#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

#include "compare/diff_list.h"

namespace orvel {
class BinaryDocument;
}

// The rows of the differences panel: one per run of the comparison's DiffList,
// with where the run lies in each file, its length and the first bytes of each
// side. Cells are made as the view asks for them, so a million runs cost no
// more than the few rows in sight. The model is the one that changes the list,
// telling the view of each change.
class DiffListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Kind, OffsetInFile1, OffsetInFile2, Length, File1Bytes, File2Bytes, Columns };

    // The files give the bytes shown; all three must outlive the model.
    DiffListModel(orvel::DiffList& diffs, const orvel::BinaryDocument& file1,
                  const orvel::BinaryDocument& file2, QObject* parent = nullptr);

    [[nodiscard]] const orvel::DiffList& diffs() const { return diffs_; }

    void Clear();
    // Adds a batch of a running comparison to the list; the view sees it
    // after ShowTaken.
    void Take(const std::vector<orvel::AlignedEdit>& edits);
    // Tells the view of the rows taken since the last time.
    void ShowTaken();
    // See DiffList::Settle and Unsettle (every row taken shows first).
    orvel::AlignedEdit Settle(int row, orvel::ComparedFile target);
    void Unsettle(int row, const orvel::AlignedEdit& edit, orvel::ComparedFile target);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

  private:
    orvel::DiffList& diffs_;
    int shown_ = 0;  // the rows the view knows of
    QFont font_;
    const orvel::BinaryDocument& file1_;
    const orvel::BinaryDocument& file2_;
};
