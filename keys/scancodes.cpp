// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/scancodes.h"

#include "platform/textfield.h"

#include <limits>
#include <stdexcept>
#include <string>

namespace kivalto {

bool readScanCodeTable(std::string_view data, ScanCodeTable& table)
{
    StringCharSource src(data);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    std::string field;
    for (auto& entry : table.codes) {
        // A field cut at the limit is no number, whatever its first part.
        if (!reader.tryField(field) || reader.cut())
            return false;
        long value = 0;
        try {
            value = parseNumber(field);
        } catch (const std::invalid_argument&) {
            return false;
        }
        if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
            return false;
        entry = static_cast<std::int16_t>(value);
    }
    return true;
}

std::optional<int> scanCodeOfKey(const ScanCodeTable& table, std::string_view key)
{
    if (key.empty())
        return std::nullopt;
    const char c = key.front();
    const bool letter = c >= 'A' && c <= 'Z';
    const bool digit = c >= '0' && c <= '9';
    if (!letter && !digit)
        return std::nullopt;
    const int code = table.codes[static_cast<std::size_t>(c)];
    if (code < 10 || code > 99)
        return std::nullopt;
    return code;
}

} // namespace kivalto
