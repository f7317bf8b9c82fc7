// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startupnotices.h"

#include <algorithm>

namespace kivalto {

void StartupNotices::add(const std::string& text)
{
    if (text.empty() || std::find(kept_.begin(), kept_.end(), text) != kept_.end())
        return;
    kept_.push_back(text);
}

std::string StartupNotices::close()
{
    collecting_ = false;
    std::string all;
    for (const std::string& text : kept_) {
        if (!all.empty())
            all += "\n\n";
        all += text;
    }
    kept_.clear();
    return all;
}

} // namespace kivalto
