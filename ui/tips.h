// SPDX-License-Identifier: GPL-3.0-or-later
// Tip of the day: the tips of TIPOFDAY.TXT and the round through them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kivalto {

inline constexpr const char* kTipsFile = "TIPOFDAY.TXT";

// One tip per line, in file order, empty lines included. Lines end with
// CR LF, LF or CR; a final line end does not start another tip.
// At most kMaxListEntries tips of kMaxFieldBytes each; `cut`, when given,
// tells whether the file held more.
std::vector<std::string> splitTipLines(std::string_view bytes, bool* cut = nullptr);

// The text shown instead of a tip when the file is missing.
std::string missingTipsText();

// The stored "Show Tips at Startup" value: a whole number, 0 = don't show.
// Anything that is not a number counts as the default (show).
bool tipsShownAtStartup(const std::string& stored);

class TipRound {
public:
    void setTips(std::vector<std::string> tips) { tips_ = std::move(tips); }
    const std::vector<std::string>& tips() const { return tips_; }
    // 1-based number of the tip shown last; 0 before the first.
    std::size_t current() const { return current_; }
    // Advances to the next tip, wrapping after the last. Returns nullptr
    // when there are no tips (nothing to show).
    const std::string* next();

private:
    std::vector<std::string> tips_;
    std::size_t current_ = 0;
};

} // namespace kivalto
