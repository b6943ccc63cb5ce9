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
        case orvel::AlignedEditKind::Change:
            return QStringLiteral("Changed");
        case orvel::AlignedEditKind::Delete:
            return QStringLiteral("Only in File1");
        case orvel::AlignedEditKind::Insert:
            return QStringLiteral("Only in File2");
    }
    return {};
}

}  // namespace

DiffListModel::DiffListModel(orvel::DiffList& diffs, const orvel::BinaryDocument& file1,
                             const orvel::BinaryDocument& file2, QObject* parent)
    : QAbstractTableModel(parent), diffs_(diffs), file1_(file1), file2_(file2) {}

void DiffListModel::Clear() {
    beginResetModel();
    diffs_.Clear();
    endResetModel();
}

// Only the rows a batch adds are announced; a batch that lengthens the last
// row repaints it.
void DiffListModel::Append(const std::vector<AlignedEdit>& edits) {
    const int before = rowCount();
    for (const AlignedEdit& edit : edits)
        (void)diffs_.Add(edit);
    const int after = rowCount();
    if (before > 0)
        emit dataChanged(index(before - 1, 0), index(before - 1, Columns - 1));
    if (after > before) {
        beginInsertRows({}, before, after - 1);
        endInsertRows();
    }
}

AlignedEdit DiffListModel::Settle(int row, ComparedFile target) {
    beginRemoveRows({}, row, row);
    const AlignedEdit settled = diffs_.Settle(static_cast<std::size_t>(row), target);
    endRemoveRows();
    if (row < rowCount())
        emit dataChanged(index(row, 0), index(rowCount() - 1, Columns - 1));
    return settled;
}

void DiffListModel::Unsettle(int row, const AlignedEdit& edit, ComparedFile target) {
    beginInsertRows({}, row, row);
    diffs_.Unsettle(static_cast<std::size_t>(row), edit, target);
    endInsertRows();
    if (row + 1 < rowCount())
        emit dataChanged(index(row + 1, 0), index(rowCount() - 1, Columns - 1));
}

int DiffListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(std::min<std::size_t>(diffs_.size(), INT_MAX));
}

int DiffListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant DiffListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::FontRole && index.column() != Kind)
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
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
