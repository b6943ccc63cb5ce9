#include "search/hit_list_model.h"

#include <utility>

#include "search/hit_context.h"

HitListModel::HitListModel(const orvel::BinaryDocument& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {}

void HitListModel::SetHits(std::vector<orvel::Offset> hits, orvel::Offset length) {
    beginResetModel();
    hits_ = std::move(hits);
    length_ = length;
    endResetModel();
}

int HitListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(hits_.size());
}

int HitListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant HitListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const orvel::Offset offset = hits_[static_cast<std::size_t>(index.row())];
    if (index.column() == 0)
        return QString::number(offset, 16).toUpper();
    return QString::fromLatin1(orvel::HitContextText(doc_.bytes().span(), offset, length_).c_str());
}

QVariant HitListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == 0 ? QStringLiteral("Offset") : QStringLiteral("Bytes");
}
