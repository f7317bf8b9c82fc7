// SPDX-License-Identifier: GPL-3.0-or-later
// Values that would not come back from a plugin file as they were typed.
// The writer puts every value on a line of its own, unquoted; the field
// reader splits at a comma and unquotes a field that opens with a double
// quote, so such a value shifts or changes every field after it.
#pragma once

#include "plugins/plugin.h"

#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

// True when the field reader would split or unquote `value`: it holds a
// comma, or its first character after blanks and tabs is a double quote.
bool breaksFieldReading(std::string_view value);

struct UnreadableValue {
    std::string where;  // the field as the editor names it, e.g. "Option name 2"
    std::string value;
};

// Every value of `plugin` that would not read back, in file order. The
// plugin name is included: per-ROM settings files store it as a field.
std::vector<UnreadableValue> findUnreadableValues(const EmulatorPlugin& plugin);

// The warning shown before such values are saved, `what` naming the file's
// contents ("the plugin", "the paths"); empty when there is nothing to warn
// about.
std::string unreadableValuesWarning(const std::vector<UnreadableValue>& found, std::string_view what = "the plugin");

} // namespace kivalto
