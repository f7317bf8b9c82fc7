// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pathsettings.h"

#include "platform/textfield.h"

namespace kivalto {

PathsFile readPathsFile(std::string_view bytes)
{
    PathsFile file;
    StringCharSource src(bytes);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    while (file.read < PathFieldCount && reader.tryField(file.values[static_cast<std::size_t>(file.read)]))
        ++file.read;
    file.cut = reader.cut();
    return file;
}

std::string pathFieldLabel(PathField f)
{
    static const char* const labels[PathFieldCount] = {
        "ROM Directory", "SPCPlay Directory", "Kivalto Directory", "ROM Unzip Directory", "Full Vesa 2 Path",
        "SnesKey Directory", "Save ROM Settings to"};
    return labels[static_cast<int>(f)];
}

std::string writePathsFile(const PathValues& values)
{
    TextFileBuilder out;
    for (const auto& v : values)
        out.line(v);
    return out.bytes();
}

void upperCasePaths(PathValues& values)
{
    for (auto& v : values)
        v = toUpper(v);
}

void addTrailingBackslashes(PathValues& values)
{
    for (PathField f : {PathField::ROMPath, PathField::snespath, PathField::GUIDIr, PathField::unZipdir, PathField::skeydir}) {
        auto& v = values[static_cast<std::size_t>(f)];
        if (v.empty() || v.back() != '\\')
            v += '\\';
    }
}

namespace {

std::string withBackslash(std::string_view dir)
{
    std::string out(dir);
    if (out.empty() || out.back() != '\\')
        out += '\\';
    return out;
}

} // namespace

std::string defaultPathsFile(std::string_view kivaltoDir)
{
    const std::string dir = withBackslash(kivaltoDir);
    return writePathsFile({dir + "ROMS\\", "C:\\SPCPLAY\\", dir, "C:\\UTILS\\", "", "C:\\SNESKEY\\", ""});
}

std::optional<std::string> pathsFileForFolder(const std::optional<std::string>& current, std::string_view dosDir)
{
    if (!current)
        return defaultPathsFile(dosDir);
    // The third line names the folder the file was made for; the Paths
    // window's Save upper-cases, so the comparison ignores case.
    const std::string upper = toUpper(*current);
    std::size_t start = 0;
    for (int line = 0; line < 2; ++line) {
        const std::size_t end = upper.find("\r\n", start);
        if (end == std::string::npos)
            return std::nullopt;
        start = end + 2;
    }
    const std::string madeFor = upper.substr(start, upper.find("\r\n", start) - start);
    if (madeFor == toUpper(withBackslash(dosDir)) || upper != toUpper(defaultPathsFile(madeFor)))
        return std::nullopt;
    return defaultPathsFile(dosDir);
}

} // namespace kivalto
