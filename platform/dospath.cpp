// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dospath.h"

#include "platform/textfield.h"

#include <algorithm>
#include <cctype>

namespace kivalto {

bool hasDrive(std::string_view p)
{
    return p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
}

namespace {
template <typename Lower>
bool matchFrom(std::string_view name, std::string_view mask, const Lower& lower)
{
    // Iterative wildcard match with backtracking on the last "*".
    std::size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || lower(mask[m]) == lower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

template <typename Lower>
bool matchWithDosRules(std::string_view name, std::string_view mask, const Lower& lower)
{
    if (mask == "*.*" || mask == "*")
        return true;
    // "NAME.*" also matches "NAME" without an extension, as DOS does.
    if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" && name.find('.') == std::string_view::npos)
        return matchFrom(name, mask.substr(0, mask.size() - 2), lower);
    return matchFrom(name, mask, lower);
}

int lowerByte(char c) { return std::tolower(static_cast<unsigned char>(c)); }
} // namespace

bool matchesMask(std::string_view name, std::string_view mask) { return matchWithDosRules(name, mask, lowerByte); }

bool matchesMask(std::string_view name, std::string_view mask, const CaseTable& lower)
{
    return matchWithDosRules(name, mask, lower);
}

std::vector<std::string> splitPatternList(std::string_view patternList)
{
    std::vector<std::string> out;
    std::string cur;
    auto flush = [&] {
        while (!cur.empty() && cur.back() == ' ')
            cur.pop_back();
        std::size_t start = cur.find_first_not_of(' ');
        if (start != std::string::npos)
            out.push_back(cur.substr(start));
        cur.clear();
    };
    for (char c : patternList) {
        if (c == ';')
            flush();
        else
            cur.push_back(c);
    }
    flush();
    return out;
}

bool matchesPatternList(std::string_view name, std::string_view patternList)
{
    for (auto& m : splitPatternList(patternList))
        if (matchesMask(name, m))
            return true;
    return false;
}

std::string joinDos(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (out.empty() || out.back() != '\\')
        out += '\\';
    out += name;
    return out;
}

std::string parentOfDos(std::string_view p)
{
    auto pos = p.find_last_of('\\');
    if (pos == std::string_view::npos)
        return {};
    if (pos == 2 && hasDrive(p))
        return std::string(p.substr(0, 3));
    return std::string(p.substr(0, pos));
}

std::string fileNameOfDos(std::string_view p)
{
    auto pos = p.find_last_of('\\');
    return std::string(pos == std::string_view::npos ? p : p.substr(pos + 1));
}

std::string LastPathComponent(std::string_view path)
{
    std::size_t last = std::string_view::npos;
    int count = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') {
            if (++count >= 100)
                return toUpper(path);
            last = i;
        }
    }
    return toUpper(last == std::string_view::npos ? path : path.substr(last + 1));
}

} // namespace kivalto
