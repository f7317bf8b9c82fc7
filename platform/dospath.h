// SPDX-License-Identifier: GPL-3.0-or-later
// Text operations on DOS paths and file masks; nothing here touches the disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// DOS wildcard match ("*" and "?"), without regard to case. "*.*" matches
// every name, with or without a dot.
bool matchesMask(std::string_view name, std::string_view mask);
class CaseTable;
// The same with the letter case taken from `lower` (for many names).
bool matchesMask(std::string_view name, std::string_view mask, const CaseTable& lower);
bool matchesPatternList(std::string_view name, std::string_view patternList);
std::vector<std::string> splitPatternList(std::string_view patternList);

// Path text helpers on DOS paths.
bool hasDrive(std::string_view dosPath);                              // starts with a letter and ":"
std::string joinDos(std::string_view folder, std::string_view name);  // adds "\" unless present
std::string parentOfDos(std::string_view dosPath);                    // folder part, no trailing "\" unless root
std::string fileNameOfDos(std::string_view dosPath);                  // text after the last "\"
// Text after the last backslash, upper-cased; gives up after 100
// backslashes and then returns the whole text, upper-cased.
std::string LastPathComponent(std::string_view path);

} // namespace kivalto
