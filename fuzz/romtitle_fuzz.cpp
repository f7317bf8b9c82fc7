// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the header title reader and the field rule under it. The first
// bytes choose the file name and four header positions (kept small so that
// short inputs reach them); the rest is the file.
#include "platform/textfield.h"
#include "roms/memoryfile.h"
#include "roms/romtitle.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace kivalto;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool isGood(unsigned char c) { return c == ' ' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

// fieldPrefix must agree with the start of the whole field.
void checkFieldPrefix(std::string_view data)
{
    StringCharSource whole(data), prefix(data);
    TextFieldReader a(whole), b(prefix);
    std::string field;
    if (!a.tryField(field)) {
        try {
            b.fieldPrefix(kTitleLength);
            check(false);
        } catch (const TextReadError&) {
        }
        return;
    }
    check(b.fieldPrefix(kTitleLength) == field.substr(0, kTitleLength));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 5)
        return 0;
    static const char* const names[] = {"GAME.SMC", "Game.1", "a.zip", "b.GZ", "c.bin", "x", ""};
    const std::string name = names[bytes[0] % 7];
    std::vector<std::string> positions;
    for (int i = 1; i <= 4; ++i)
        positions.push_back(std::to_string(1 + bytes[i]));
    const std::string_view data(reinterpret_cast<const char*>(bytes) + 5, size - 5);

    checkFieldPrefix(data);

    MemoryReadFile file(data);
    std::string title;
    try {
        title = ReadRomTitle(name, file, positions);
    } catch (const TextReadError&) {
        return 0;
    }
    check(!title.empty());
    const char last = title.back();
    if ((last == kArchiveMarker || last == kNameMarker) && title.size() <= name.size() + 1)
        return 0;  // a name-based title
    check(title.size() >= kMinTitleLength && title.size() <= kTitleLength);
    for (std::size_t k = 1; k < title.size(); ++k)
        check(isGood(static_cast<unsigned char>(title[k - 1])) || isGood(static_cast<unsigned char>(title[k])));
    return 0;
}
