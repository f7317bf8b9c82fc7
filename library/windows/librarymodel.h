// SPDX-License-Identifier: GPL-3.0-or-later
// The Library's table: a read-only view of the rows a LibraryList shows,
// so a hundred thousand ROMs cost no widget each.
#pragma once

#include "library/librarylist.h"

#include <QAbstractTableModel>
#include <functional>

namespace kivalto {

class LibraryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LibraryTableModel(LibraryList& list, QObject* parent = nullptr) : QAbstractTableModel(parent), list_(list) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    // Changes the list wholesale (search, filter, new rows) as the view expects.
    void changeList(const std::function<void(LibraryList&)>& change);
    // One row's values changed (the favourite mark).
    void rowChanged(int row);

    // The list's row shown at table row `row`.
    const LibraryRow* rowAt(int row) const;
    std::size_t listIndexAt(int row) const { return list_.shown()[static_cast<std::size_t>(row)]; }

private:
    LibraryList& list_;
};

} // namespace kivalto
