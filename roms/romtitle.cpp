// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/romtitle.h"

namespace kivalto {

namespace {

bool endsWithIgnoreCase(std::string_view name, std::string_view tail, const CaseTable& letters)
{
    return name.size() >= tail.size() && letters.equal(name.substr(name.size() - tail.size()), tail);
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

bool endsField(char c) { return c == ',' || c == '\r' || c == '\n'; }

// The file's bytes around the header positions, read once per window: the
// first position (33216) brings in the second (32704, 512 bytes before
// it), so a ROM with or without a copier header costs one read.
class HeaderWindow {
public:
    explicit HeaderWindow(ReadFile& file) : file_(file) {}
    // The bytes from `offset` to the end of the window; empty past the
    // end of the file.
    std::string_view from(std::uint64_t offset)
    {
        if (!valid_ || offset < start_ || offset >= start_ + len_) {
            start_ = offset + kAhead > buf_.size() ? offset + kAhead - buf_.size() : 0;
            len_ = file_.readAt(start_, buf_.data(), buf_.size());
            valid_ = true;
        }
        if (offset >= start_ + len_)
            return {};
        return {buf_.data() + (offset - start_), static_cast<std::size_t>(start_ + len_ - offset)};
    }

private:
    static constexpr std::size_t kAhead = 64;  // bytes read past a position: a title and its blanks
    ReadFile& file_;
    std::array<char, 1024> buf_;  // filled by each read before use
    std::uint64_t start_ = 0;
    std::size_t len_ = 0;
    bool valid_ = false;
};

// The candidate read through the file itself, for a field that runs past
// the window (long runs of blanks) or a position past the end of the file.
std::string candidateFromFile(ReadFile& file, std::uint64_t offset)
{
    ReadFileCharSource source(file, offset);
    TextFieldReader reader(source);
    return cutImplausible(toUpper(reader.fieldPrefix(kTitleLength)));
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

std::size_t plausibleLength(std::string_view candidate)
{
    int counter = 0;
    for (std::size_t k = 1; k <= candidate.size(); ++k) {
        if (isBad(static_cast<unsigned char>(candidate[k - 1])))
            counter += 2;
        if (counter > 2)
            return k - 2;
        if (counter > 0)
            --counter;
    }
    return candidate.size();
}

std::string cutImplausible(std::string candidate)
{
    candidate.resize(plausibleLength(candidate));
    return candidate;
}

// The field rule of TextFieldReader::fieldPrefix, over bytes in memory.
std::optional<std::string> headerCandidateFromBytes(std::string_view bytes, const CaseTable& letters)
{
    std::array<char, kTitleLength> out;
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t'))
        ++i;
    if (i == bytes.size())
        return std::nullopt;
    if (bytes[i] == '"') {
        for (++i; n < kTitleLength; ++i) {
            if (i == bytes.size())
                return std::nullopt;
            if (bytes[i] == '"')
                break;
            out[n++] = bytes[i];
        }
    } else {
        // A run of spaces is kept only when more of the field follows it.
        std::size_t pendingSpaces = 0;
        for (; n < kTitleLength; ++i) {
            if (i == bytes.size())
                return std::nullopt;
            const char c = bytes[i];
            if (endsField(c))
                break;
            if (c == ' ') {
                ++pendingSpaces;
                continue;
            }
            for (; pendingSpaces > 0 && n < kTitleLength; --pendingSpaces)
                out[n++] = ' ';
            pendingSpaces = 0;
            if (n < kTitleLength)
                out[n++] = c;
        }
    }
    for (std::size_t k = 0; k < n; ++k)
        out[k] = letters.upper(out[k]);
    return std::string(out.data(), plausibleLength({out.data(), n}));
}

std::string ReadRomTitle(std::string_view name, ReadFile& file, const std::vector<std::string>& headerPositions)
{
    return ReadRomTitle(name, file, headerPositions, CaseTable());
}

std::string ReadRomTitle(std::string_view name, ReadFile& file, const std::vector<std::string>& headerPositions,
                         const CaseTable& letters)
{
    if (endsWithIgnoreCase(name, "ZIP", letters))
        return nameTitle(name, 4, kArchiveMarker);
    if (endsWithIgnoreCase(name, "GZ", letters))
        return nameTitle(name, 3, kArchiveMarker);
    for (const char* other : {"BIN", "SMD", "NES", "PCE", "IDX"})
        if (endsWithIgnoreCase(name, other, letters))
            return nameTitle(name, 4, kNameMarker);

    HeaderWindow window(file);
    for (const std::string& text : headerPositions) {
        const long position = parseNumber(text);
        if (position < 1)
            throw TextReadError();
        const auto offset = static_cast<std::uint64_t>(position - 1);
        std::optional<std::string> judged = headerCandidateFromBytes(window.from(offset), letters);
        std::string candidate = judged ? std::move(*judged) : candidateFromFile(file, offset);
        if (candidate.size() >= kMinTitleLength)
            return candidate;
    }
    return nameTitle(name, 4, kNameMarker);
}

} // namespace kivalto
