// SPDX-License-Identifier: GPL-3.0-or-later
// Archives that tests and benches hand to the unpacker and the Library,
// written with libarchive: a ZIP of the members as given (names unchecked),
// or a gzip stream of one member.
#pragma once

#include <archive.h>
#include <archive_entry.h>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kivalto::test {

using ArchiveMembers = std::vector<std::pair<std::string, std::string>>;

inline void writeArchive(const std::filesystem::path& path, const ArchiveMembers& members, bool gzip = false)
{
    archive* a = archive_write_new();
    if (gzip) {
        archive_write_add_filter_gzip(a);
        archive_write_set_format_raw(a);
    } else {
        archive_write_set_format_zip(a);
    }
    archive_write_open_filename(a, path.c_str());
    for (const auto& [member, data] : members) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, member.c_str());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, static_cast<la_int64_t>(data.size()));
        archive_write_header(a, e);
        archive_write_data(a, data.data(), data.size());
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

} // namespace kivalto::test
