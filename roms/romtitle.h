// SPDX-License-Identifier: GPL-3.0-or-later
// The title of one ROM file: from its name for archives and other systems'
// files, otherwise from the SNES internal header at the first of the
// header positions that yields a plausible text.
#pragma once

#include "platform/textfield.h"
#include "platform/dosfs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// Marker ending a title made from a compressed file's name.
inline constexpr char kArchiveMarker = '*';
// Marker ending a title made from any other file's name.
inline constexpr char kNameMarker = '\'';
inline constexpr std::size_t kTitleLength = 19;
inline constexpr std::size_t kMinTitleLength = 9;

// The 1-based byte positions of the header title (LoROM with copier header,
// LoROM, HiROM with copier header, and a fourth); the main window's
// Headerlst starts with these.
std::vector<std::string> defaultHeaderPositions();

// Reads a ReadFile forward from an offset in chunks that start small and
// grow, so that a short field costs one small read however long the file.
class ReadFileCharSource final : public CharSource {
public:
    ReadFileCharSource(ReadFile& file, std::uint64_t offset) : file_(file), next_(offset) {}
    int peek() override { return pos_ < len_ || fill() ? static_cast<unsigned char>(buf_[pos_]) : -1; }
    int get() override { return pos_ < len_ || fill() ? static_cast<unsigned char>(buf_[pos_++]) : -1; }

private:
    bool fill();
    ReadFile& file_;
    std::uint64_t next_;
    std::size_t chunk_ = 64;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
    std::array<char, 4096> buf_{};
};

// Cuts a candidate just before the first of two adjacent characters that
// are not a space, digit or capital letter.
std::string cutImplausible(std::string candidate);
// The length cutImplausible keeps.
std::size_t plausibleLength(std::string_view candidate);

// The candidate title at a header position, judged from bytes in memory
// that start there: the first kTitleLength characters of the field read
// there, upper-cased and cut as cutImplausible does. Empty when the bytes
// end before the candidate is settled; the caller then reads on from the
// file.
std::optional<std::string> headerCandidateFromBytes(std::string_view bytes, const CaseTable& letters = CaseTable());

// The title of the file listed as `name`. Throws TextReadError when a
// header position lies at or past the end of the file, and FileError when
// reading fails; the directory scan ends on either.
std::string ReadRomTitle(std::string_view name, ReadFile& file,
                         const std::vector<std::string>& headerPositions = defaultHeaderPositions());
// The same with the letter case taken from `letters`, made once for a
// whole directory scan.
std::string ReadRomTitle(std::string_view name, ReadFile& file, const std::vector<std::string>& headerPositions,
                         const CaseTable& letters);

} // namespace kivalto
