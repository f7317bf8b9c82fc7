// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/romcatalogue.h"

#include "platform/textfield.h"
#include "platform/dosfs.h"
#include "roms/hostfile.h"
#include "roms/romtitle.h"

namespace kivalto {

std::vector<RomEntry> scanRomFolder(const std::filesystem::path& hostFolder, const std::vector<std::string>& files,
                                    const std::vector<std::string>& folderPaths,
                                    const std::vector<std::string>& headerPositions,
                                    const std::function<void(std::size_t)>& filesRead)
{
    std::vector<RomEntry> entries;
    entries.reserve(std::min(files.size() + folderPaths.size() + 1, kMaxRomEntries));
    const auto full = [&entries] { return entries.size() >= kMaxRomEntries; };

    HostFolder folder(hostFolder);
    if (!folder.ok())
        return entries;
    HostFile file;
    const CaseTable letters;
    for (const std::string& name : files) {
        if (full() || !file.open(folder, name))
            return entries;
        try {
            entries.push_back({ReadRomTitle(name, file, headerPositions, letters), kRomIcon});
        } catch (const TextReadError&) {
            return entries;
        } catch (const FileError&) {
            return entries;
        }
        file.close();
        if (filesRead)
            filesRead(entries.size());
    }
    for (const std::string& path : folderPaths) {
        if (full())
            return entries;
        entries.push_back({LastPathComponent(path), kFolderIcon});
    }
    if (!full())
        entries.push_back({std::string(kUpEntry), kUpIcon});
    return entries;
}

std::string staticListBytes(const std::vector<RomEntry>& entries)
{
    TextFileBuilder out;
    for (const RomEntry& e : entries)
        out.line(e.text);
    return out.bytes();
}

std::vector<RomEntry> parseStaticList(std::string_view bytes, bool* cut)
{
    FieldList list = readFieldList(bytes);
    std::vector<RomEntry> entries;
    entries.reserve(std::min(list.fields.size(), kMaxRomEntries));
    for (std::string& text : list.fields) {
        if (entries.size() == kMaxRomEntries) {
            list.cut = true;
            break;
        }
        entries.push_back({std::move(text), kRomIcon});
    }
    if (cut)
        *cut = list.cut;
    return entries;
}

std::string romNamesBytes(const std::vector<std::string>& files, const std::vector<RomEntry>& entries)
{
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i < files.size())
            out += files[i];
        out += " = ";
        out += entries[i].text;
        out += "\r\n";
    }
    return out;
}

std::string romNameText(std::string_view fileName, std::string_view title)
{
    std::string out(fileName);
    out += " (";
    out += title;
    out += ")";
    return out;
}

std::string snapshotBase(std::string_view romFileName)
{
    const auto dot = romFileName.find('.');
    return dot == std::string_view::npos ? std::string() : std::string(romFileName.substr(0, dot + 1));
}

std::string subFolderOf(std::string_view folder, std::string_view entryText)
{
    std::string out(folder);
    if (out.empty() || out.back() != '\\')
        out += '\\';
    out += entryText;
    return out;
}

std::string upFolderOf(std::string_view folder)
{
    const std::size_t last = LastPathComponent(folder).size();
    return std::string(folder.substr(0, folder.size() - std::min(last, folder.size())));
}

} // namespace kivalto
