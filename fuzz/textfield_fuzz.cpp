// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the field reader on arbitrary bytes. Reads every field
// three ways and checks they agree and that reading always ends.
#include "platform/textfield.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto fields = kivalto::readAllFields(text);
    if (fields.size() > size + 1)
        std::abort();

    kivalto::StringCharSource src(text);
    kivalto::TextFieldReader reader(src);
    std::size_t i = 0;
    while (!reader.atEnd()) {
        if (i >= fields.size() || reader.field() != fields[i])
            std::abort();
        ++i;
    }
    if (i != fields.size())
        std::abort();

    // A prefix never exceeds its limit and is a prefix of the field read
    // the ordinary way.
    const std::size_t limit = size ? data[0] % 16 : 0;
    kivalto::StringCharSource src2(text);
    kivalto::TextFieldReader prefixReader(src2);
    if (!prefixReader.atEnd()) {
        const std::string p = prefixReader.fieldPrefix(limit);
        if (p.size() > limit || fields.empty() || fields[0].compare(0, p.size(), p) != 0)
            std::abort();
    }
    try {
        kivalto::parseTruth(text);
    } catch (const std::invalid_argument&) {
    }
    return 0;
}
