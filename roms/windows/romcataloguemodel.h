// SPDX-License-Identifier: GPL-3.0-or-later
// The model of the main window's title list: the RomCatalogue as shown.
// One reset per fill keeps a scan of thousands of entries cheap.
#pragma once

#include "roms/romcatalogue.h"

#include <QAbstractListModel>
#include <QIcon>
#include <array>
#include <vector>

namespace kivalto {

class RomCatalogueModel : public QAbstractListModel {
    Q_OBJECT
public:
    // `icons`: the ROM, folder and UP entries' icons.
    RomCatalogueModel(std::array<QIcon, 3> icons, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Replaces the whole list (at most kMaxRomEntries are kept).
    void setEntries(std::vector<RomEntry> entries);
    // Adds entries at the end while there is room.
    void append(const std::vector<RomEntry>& entries);
    void clear() { setEntries({}); }

    const std::vector<RomEntry>& entries() const { return entries_; }
    int count() const { return static_cast<int>(entries_.size()); }
    // Text of entry p (from 1); empty beyond the list.
    std::string text(int position) const;

private:
    std::vector<RomEntry> entries_;
    std::array<QIcon, 3> icons_;  // ROM, folder, UP
};

} // namespace kivalto
