// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tips.h"

#include "platform/textfield.h"

#include <stdexcept>

namespace kivalto {

std::vector<std::string> splitTipLines(std::string_view bytes, bool* cut)
{
    std::vector<std::string> lines;
    bool dropped = false;
    auto add = [&](std::string_view line) {
        dropped = dropped || line.size() > kMaxFieldBytes;
        lines.emplace_back(line.substr(0, kMaxFieldBytes));
    };
    std::size_t start = 0;
    while (start < bytes.size()) {
        if (lines.size() == kMaxListEntries) {
            dropped = true;
            break;
        }
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            add(bytes.substr(start));
            break;
        }
        add(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    if (cut)
        *cut = dropped;
    return lines;
}

std::string missingTipsText()
{
    return std::string("That the ") + kTipsFile + " file was not found? " + "\r\n" + "\r\n" +
           "Create a text file named " + kTipsFile + " using NotePad with 1 tip per line. " +
           "Then place it in the same directory as the application. ";
}

bool tipsShownAtStartup(const std::string& stored)
{
    try {
        return parseNumber(stored) != 0;
    } catch (const std::invalid_argument&) {
        return true;
    }
}

const std::string* TipRound::next()
{
    ++current_;
    if (current_ > tips_.size())
        current_ = 1;
    if (tips_.empty())
        return nullptr;
    return &tips_[current_ - 1];
}

} // namespace kivalto
