// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/romtitle.h"

namespace kivalto {

namespace {

bool endsWithIgnoreCase(std::string_view name, std::string_view tail)
{
    return name.size() >= tail.size() && equalsIgnoreCase(name.substr(name.size() - tail.size()), tail);
}

// The upper-cased name without its last `cut` characters, then the marker.
std::string nameTitle(std::string_view name, std::size_t cut, char marker)
{
    std::string title = toUpper(name.substr(0, name.size() > cut ? name.size() - cut : 0));
    title.push_back(marker);
    return title;
}

bool isBad(unsigned char c)
{
    return !(c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'));
}

} // namespace

std::vector<std::string> defaultHeaderPositions() { return {"33217", "32705", "65985", "29889"}; }

bool ReadFileCharSource::fill()
{
    len_ = file_.readAt(next_, buf_.data(), chunk_);
    pos_ = 0;
    next_ += len_;
    chunk_ = std::min(chunk_ * 4, buf_.size());
    return len_ > 0;
}

std::string cutImplausible(std::string candidate)
{
    int counter = 0;
    for (std::size_t k = 1; k <= candidate.size(); ++k) {
        if (isBad(static_cast<unsigned char>(candidate[k - 1])))
            counter += 2;
        if (counter > 2) {
            candidate.resize(k - 2);
            break;
        }
        if (counter > 0)
            --counter;
    }
    return candidate;
}

std::string ReadRomTitle(std::string_view name, ReadFile& file, const std::vector<std::string>& headerPositions)
{
    if (endsWithIgnoreCase(name, "ZIP"))
        return nameTitle(name, 4, kArchiveMarker);
    if (endsWithIgnoreCase(name, "GZ"))
        return nameTitle(name, 3, kArchiveMarker);
    for (const char* other : {"BIN", "SMD", "NES", "PCE", "IDX"})
        if (endsWithIgnoreCase(name, other))
            return nameTitle(name, 4, kNameMarker);

    for (const std::string& text : headerPositions) {
        const long position = parseNumber(text);
        if (position < 1)
            throw TextReadError();
        ReadFileCharSource source(file, static_cast<std::uint64_t>(position - 1));
        TextFieldReader reader(source);
        std::string candidate = cutImplausible(toUpper(reader.fieldPrefix(kTitleLength)));
        if (candidate.size() >= kMinTitleLength)
            return candidate;
    }
    return nameTitle(name, 4, kNameMarker);
}

} // namespace kivalto
