// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/romcatalogue.h"

#include "platform/textfield.h"
#include "platform/dosfs.h"
#include "roms/hostfile.h"
#include "roms/romtitle.h"

#include <cstring>

namespace kivalto {

namespace {

// Serves small reads from one window that ends at the end of the read, so
// that the first header position (33216) also brings in the second (32704,
// 512 bytes before it): a ROM without a copier header costs one read too.
class WindowedFile final : public ReadFile {
public:
    explicit WindowedFile(ReadFile& file) : file_(file) {}
    void reset() { valid_ = false; }
    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        if (size > window_.size())
            return file_.readAt(offset, buffer, size);
        const bool inside = offset >= start_ && offset + size <= start_ + len_;
        const bool pastEnd = offset >= start_ && len_ < window_.size();  // the window reached the file's end
        if (!valid_ || (!inside && !pastEnd)) {
            start_ = offset + size > window_.size() ? offset + size - window_.size() : 0;
            len_ = file_.readAt(start_, window_.data(), window_.size());
            valid_ = true;
        }
        if (offset >= start_ + len_)
            return 0;
        const std::size_t n = std::min<std::uint64_t>(size, start_ + len_ - offset);
        std::memcpy(buffer, window_.data() + (offset - start_), n);
        return n;
    }
    std::uint64_t size() const override { return file_.size(); }
    std::uint64_t bytesRead() const override { return file_.bytesRead(); }

private:
    ReadFile& file_;
    std::array<char, 1024> window_{};
    std::uint64_t start_ = 0;
    std::size_t len_ = 0;
    bool valid_ = false;
};

} // namespace

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
    WindowedFile windowed(file);
    for (const std::string& name : files) {
        if (full() || !file.open(folder, name))
            return entries;
        windowed.reset();
        try {
            entries.push_back({ReadRomTitle(name, windowed, headerPositions), kRomIcon});
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
