// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/windows/librarymodel.h"

namespace kivalto {

namespace {

QString utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString cellText(const LibraryRow& row, LibraryColumn column)
{
    switch (column) {
    case LibraryColumn::Favourite: return row.favourite ? QStringLiteral("\u2605") : QString();
    case LibraryColumn::Name: return utf8(row.name);
    case LibraryColumn::System: return utf8(row.system);
    case LibraryColumn::Region: return utf8(row.region);
    case LibraryColumn::Status: return utf8(row.status);
    case LibraryColumn::Played: return row.timesPlayed ? QString::number(row.timesPlayed) : QString();
    case LibraryColumn::LastPlayed: return utf8(lastPlayedText(row.lastPlayed));
    case LibraryColumn::PlayTime: return utf8(playTimeText(row.playSeconds));
    }
    return {};
}

} // namespace

int LibraryTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.shown().size());
}

int LibraryTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kLibraryColumnCount; }

const LibraryRow* LibraryTableModel::rowAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return &list_.rows()[listIndexAt(row)];
}

QVariant LibraryTableModel::data(const QModelIndex& index, int role) const
{
    const LibraryRow* row = rowAt(index.row());
    if (!row)
        return {};
    const auto column = static_cast<LibraryColumn>(index.column());
    if (role == Qt::DisplayRole)
        return cellText(*row, column);
    if (role == Qt::AccessibleTextRole && column == LibraryColumn::Favourite)
        return row->favourite ? QStringLiteral("Favourite") : QString();
    if (role == Qt::ToolTipRole && column == LibraryColumn::Name)
        return QString::fromLocal8Bit(row->path.data(), static_cast<qsizetype>(row->path.size()));
    return {};
}

QVariant LibraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kLibraryColumnCount)
        return {};
    const auto column = static_cast<LibraryColumn>(section);
    if (role == Qt::DisplayRole)
        return column == LibraryColumn::Favourite ? QStringLiteral("\u2605") : QString(columnHeading(column));
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return QString(columnHeading(column));
    return {};
}

void LibraryTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kLibraryColumnCount)
        return;
    beginResetModel();
    list_.sortBy(static_cast<LibraryColumn>(column), order == Qt::AscendingOrder);
    endResetModel();
}

void LibraryTableModel::changeList(const std::function<void(LibraryList&)>& change)
{
    beginResetModel();
    change(list_);
    endResetModel();
}

void LibraryTableModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, kLibraryColumnCount - 1));
}

} // namespace kivalto
