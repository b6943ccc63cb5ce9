#include "compare/diff_list_model.h"

#include <QFontDatabase>
#include <algorithm>
#include <climits>

#include "document/binary_document.h"

using orvel::AlignedEdit;
using orvel::ComparedFile;
using orvel::Offset;

namespace {

// The bytes of a row shown in the panel, at most.
constexpr Offset kShownBytes = 8;

QString Hex(Offset value) {
    return QString::number(value, 16).toUpper();
}

// The first bytes of [first, end) of `file`, "4D 5A 90..." when there are more.
QString LeadingBytes(const orvel::BinaryDocument& file, Offset first, Offset end) {
    QString text;
    end = std::min(end, file.size());
    for (Offset i = first; i < end && i < first + kShownBytes; ++i) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(file.at(i), 2, 16, QLatin1Char('0')).toUpper();
    }
    if (end - first > kShownBytes)
        text += QStringLiteral("...");
    return text;
}

QString KindText(orvel::AlignedEditKind kind) {
    switch (kind) {
        case orvel::AlignedEditKind::kChange:
            return QStringLiteral("Changed");
        case orvel::AlignedEditKind::kDelete:
            return QStringLiteral("Only in File1");
        case orvel::AlignedEditKind::kInsert:
            return QStringLiteral("Only in File2");
    }
    return {};
}

}  // namespace

DiffListModel::DiffListModel(orvel::DiffList& diffs, const orvel::BinaryDocument& file1,
                             const orvel::BinaryDocument& file2, QObject* parent)
    : QAbstractTableModel(parent),
      diffs_(diffs),
      font_(QFontDatabase::systemFont(QFontDatabase::FixedFont)),
      file1_(file1),
      file2_(file2) {}

void DiffListModel::Clear() {
    beginResetModel();
    diffs_.Clear();
    shown_ = 0;
    endResetModel();
}

void DiffListModel::Take(const std::vector<AlignedEdit>& edits) {
    for (const AlignedEdit& edit : edits)
        (void)diffs_.Add(edit);
}

// A batch may have lengthened the last row shown.
void DiffListModel::ShowTaken() {
    const int all = static_cast<int>(std::min<std::size_t>(diffs_.size(), INT_MAX));
    if (shown_ > 0)
        emit dataChanged(index(shown_ - 1, 0), index(shown_ - 1, Columns - 1));
    if (all > shown_) {
        beginInsertRows({}, shown_, all - 1);
        shown_ = all;
        endInsertRows();
    }
}

AlignedEdit DiffListModel::Settle(int row, ComparedFile target) {
    ShowTaken();
    beginRemoveRows({}, row, row);
    const AlignedEdit settled = diffs_.Settle(static_cast<std::size_t>(row), target);
    --shown_;
    endRemoveRows();
    if (row < rowCount())
        emit dataChanged(index(row, 0), index(rowCount() - 1, Columns - 1));
    return settled;
}

void DiffListModel::Unsettle(int row, const AlignedEdit& edit, ComparedFile target) {
    ShowTaken();
    beginInsertRows({}, row, row);
    diffs_.Unsettle(static_cast<std::size_t>(row), edit, target);
    ++shown_;
    endInsertRows();
    if (row + 1 < rowCount())
        emit dataChanged(index(row + 1, 0), index(rowCount() - 1, Columns - 1));
}

int DiffListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shown_;
}

int DiffListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant DiffListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::FontRole && index.column() != Kind)
        return font_;
    if (role != Qt::DisplayRole)
        return {};
    const AlignedEdit& edit = diffs_[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
        case Kind:
            return KindText(edit.kind);
        case OffsetInFile1:
            return Hex(edit.offsetA);
        case OffsetInFile2:
            return Hex(edit.offsetB);
        case Length:
            return Hex(edit.length);
        case File1Bytes:
            return LeadingBytes(file1_, edit.offsetA, edit.endA());
        case File2Bytes:
            return LeadingBytes(file2_, edit.offsetB, edit.endB());
        default:
            return {};
    }
}

QVariant DiffListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const kTitles[] = {"Kind",   "File1 Offset", "File2 Offset",
                                          "Length", "File1 Bytes",  "File2 Bytes"};
    return section >= 0 && section < Columns ? QString::fromLatin1(kTitles[section]) : QVariant();
}
