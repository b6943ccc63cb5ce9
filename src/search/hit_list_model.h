#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "document/binary_document.h"

// The hits of a Find All as the panel lists them: the offset and the bytes
// around each hit, made when a row is shown (a million hits cost their
// offsets only). The bytes are read from the document as they are now.
class HitListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit HitListModel(const orvel::BinaryDocument& doc, QObject* parent = nullptr);

    // The hits of a pattern of `length` bytes, in ascending order.
    void SetHits(std::vector<orvel::Offset> hits, orvel::Offset length);
    void Clear() { SetHits({}, 0); }
    [[nodiscard]] const std::vector<orvel::Offset>& hits() const { return hits_; }
    [[nodiscard]] orvel::Offset length() const { return length_; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

  private:
    const orvel::BinaryDocument& doc_;
    std::vector<orvel::Offset> hits_;
    orvel::Offset length_ = 0;
};
