// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/windows/romcataloguemodel.h"

#include "platform/qt/text.h"

namespace kivalto {

RomCatalogueModel::RomCatalogueModel(std::array<QIcon, 3> icons, QObject* parent)
    : QAbstractListModel(parent), icons_(std::move(icons))
{
}

int RomCatalogueModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant RomCatalogueModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const RomEntry& e = entries_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return qs(e.text);
    case Qt::DecorationRole:
        if (e.icon >= kRomIcon && e.icon <= kUpIcon)
            return icons_[static_cast<std::size_t>(e.icon - kRomIcon)];
        return {};
    default:
        return {};
    }
}

void RomCatalogueModel::setEntries(std::vector<RomEntry> entries)
{
    if (entries.size() > kMaxRomEntries)
        entries.resize(kMaxRomEntries);
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

void RomCatalogueModel::append(const std::vector<RomEntry>& entries)
{
    const std::size_t room = kMaxRomEntries - entries_.size();
    const std::size_t n = std::min(room, entries.size());
    if (n == 0)
        return;
    beginInsertRows({}, count(), count() + static_cast<int>(n) - 1);
    entries_.insert(entries_.end(), entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(n));
    endInsertRows();
}

std::string RomCatalogueModel::text(int position) const
{
    if (position < 1 || position > count())
        return {};
    return entries_[static_cast<std::size_t>(position - 1)].text;
}

} // namespace kivalto
