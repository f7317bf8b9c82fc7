// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/presets.h"

#include "platform/textfield.h"

#include <algorithm>
#include <stdexcept>

namespace kivalto {

int presetNumber(std::string_view text, int presetCount)
{
    long n = 1;
    try {
        n = parseNumber(text);
    } catch (const std::invalid_argument&) {
        // A run of digits too long for a number is still "too big".
        const auto first = text.find_first_not_of(" \t");
        const auto last = text.find_last_not_of(" \t");
        const bool digits = first != std::string_view::npos &&
                            text.substr(first, last - first + 1).find_first_not_of("0123456789") == std::string_view::npos;
        return digits ? presetCount + 1 : 1;
    }
    return static_cast<int>(std::clamp<long>(n, 1, static_cast<long>(presetCount) + 1));
}

int previousPreset(int n) { return n > 1 ? n - 1 : n; }

int nextPreset(int n, int presetCount) { return n < presetCount + 1 ? n + 1 : n; }

int cyclePreset(int n, int presetCount)
{
    const int next = std::clamp(n + 1, 1, presetCount + 1);
    return next == presetCount + 1 ? 1 : next;
}

void storePreset(std::vector<std::string>& presets, int n, std::string path)
{
    if (n < 1 || n > static_cast<int>(presets.size()) + 1)
        throw std::out_of_range("preset number out of range");
    if (n <= static_cast<int>(presets.size()))
        presets[static_cast<std::size_t>(n - 1)] = std::move(path);
    else
        presets.push_back(std::move(path));
}

std::string presetsBytes(const std::vector<std::string>& presets)
{
    TextFileBuilder out;
    for (const std::string& p : presets)
        out.line(p);
    return out.bytes();
}

std::vector<std::string> parsePresets(std::string_view bytes, bool* cut)
{
    FieldList list = readFieldList(bytes);
    if (cut)
        *cut = list.cut;
    return std::move(list.fields);
}

} // namespace kivalto
