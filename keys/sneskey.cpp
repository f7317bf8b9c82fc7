// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/sneskey.h"

#include "platform/textfield.h"

#include <stdexcept>

namespace kivalto {

namespace {

// Keeps a field unless the list is full; the field reader's own limit
// bounds each value.
void keepBounded(std::vector<std::string>& list, const std::string& field, bool& cut)
{
    if (list.size() < kMaxListEntries)
        list.push_back(field);
    else
        cut = true;
}

} // namespace

bool readControllerProfile(std::string_view bytes, ControllerProfile& out, bool* cut)
{
    StringCharSource src(bytes);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    bool tooMany = false;
    const auto finish = [&](bool complete) {
        if (cut)
            *cut = tooMany || reader.cut();
        return complete;
    };
    std::string f;
    while (true) {
        if (!reader.tryField(f))
            return finish(false);
        if (f == "BUTS")
            break;
        keepBounded(out.driverLines, f, tooMany);
    }
    while (true) {
        if (!reader.tryField(f))
            return finish(false);
        if (f == "DONEBUTS")
            return finish(true);
        keepBounded(out.buttons, f, tooMany);
    }
}

std::string writeSnesKeyDat(const SnesKeySetup& setup)
{
    TextFileBuilder b;
    b.line(setup.controllerName).truth(setup.playerTwo).number(static_cast<long>(setup.buttonSlots.size()) - 1);
    for (const auto& s : setup.buttonSlots)
        b.line(s);
    return b.bytes();
}

namespace {

// The fields of SnesKey.dat into `out` as far as they can be read.
void readSetupFields(TextFieldReader& reader, StoredSnesKeySetup& out, bool& tooMany)
{
    std::string f;
    if (!reader.tryField(f))
        return;
    out.controllerName = f;
    try {
        if (!reader.tryField(f))
            return;
        out.playerTwo = parseTruth(f);
        if (!reader.tryField(f))
            return;
        const long last = parseNumber(f);
        for (long i = 0; i <= last; ++i) {
            if (!reader.tryField(f))
                return;
            keepBounded(out.buttonSlots, f, tooMany);
        }
    } catch (const std::invalid_argument&) {
        return;
    }
    out.complete = true;
}

} // namespace

StoredSnesKeySetup readSnesKeyDat(std::string_view bytes)
{
    StoredSnesKeySetup out;
    StringCharSource src(bytes);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    bool tooMany = false;
    readSetupFields(reader, out, tooMany);
    out.cut = tooMany || reader.cut();
    return out;
}

std::string pluginKeyAt(const PluginKeyList& keys, std::string_view slot)
{
    long index = -1;
    try {
        index = parseNumber(slot);
    } catch (const std::invalid_argument&) {
        return {};
    }
    if (index < 0 || index >= static_cast<long>(keys.size()))
        return {};
    return keys[static_cast<std::size_t>(index)];
}

std::string buildSnesKeyIni(const DriverFileInput& in)
{
    std::string out;
    auto line = [&out](std::string_view a, std::string_view b = {}) {
        out.append(a);
        out.append(b);
        out.append("\r\n");
    };
    for (const auto& d : in.driverLines)
        line(d);
    for (std::size_t i = 0; i < in.buttons.size(); ++i) {
        std::string key;
        if (in.advanced)
            key = i < in.buttonSlots.size() ? pluginKeyAt(in.pluginKeys, in.buttonSlots[i]) : std::string();
        else
            key = i < in.manualKeys.size() ? in.manualKeys[i] : std::string();
        line(in.buttons[i] + " = ", key);
    }
    line("Up = ", in.pluginKeys[8]);
    line("Down = ", in.pluginKeys[9]);
    line("Left = ", in.pluginKeys[10]);
    line("Right = ", in.pluginKeys[11]);
    return out;
}

std::string writeMappingFile(const std::vector<std::string>& keys)
{
    TextFileBuilder b;
    b.number(static_cast<long>(keys.size()) - 1);
    for (const auto& k : keys)
        b.line(k);
    return b.bytes();
}

std::vector<std::string> readMappingFile(std::string_view bytes, bool* cut)
{
    StringCharSource src(bytes);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    bool tooMany = false;
    std::string f;
    if (!reader.tryField(f))
        throw MappingFileError("The file is empty.");
    long last = 0;
    try {
        last = parseNumber(f);
    } catch (const std::invalid_argument&) {
        throw MappingFileError("Its first line is not a key count.");
    }
    if (last < -1)
        throw MappingFileError("Its key count is negative.");
    std::vector<std::string> keys;
    for (long i = 0; i <= last; ++i) {
        if (!reader.tryField(f))
            throw MappingFileError("It ends before its " + std::to_string(last + 1) + " keys.");
        keepBounded(keys, f, tooMany);
    }
    if (cut)
        *cut = tooMany || reader.cut();
    return keys;
}

} // namespace kivalto
