// SPDX-License-Identifier: GPL-3.0-or-later
// A ReadFile over bytes in memory, for callers that already hold a file's
// contents (and for tests).
#pragma once

#include "platform/dosfs.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace kivalto {

class MemoryReadFile final : public ReadFile {
public:
    explicit MemoryReadFile(std::string_view data) : data_(data) {}
    std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        if (offset >= data_.size())
            return 0;
        const std::size_t n = std::min<std::size_t>(size, data_.size() - offset);
        std::memcpy(buffer, data_.data() + offset, n);
        read_ += n;
        return n;
    }
    std::uint64_t size() const override { return data_.size(); }
    std::uint64_t bytesRead() const override { return read_; }

private:
    std::string_view data_;
    std::uint64_t read_ = 0;
};

} // namespace kivalto
