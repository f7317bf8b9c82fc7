#include "app/pathsettings.h"

#include "app/textfield.h"

namespace kivalto {

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

} // namespace kivalto
