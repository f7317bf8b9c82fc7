// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/keyreconfig.h"

#include "platform/textfield.h"

namespace kivalto {

namespace {

constexpr std::string_view kCRLF = "\r\n";
constexpr std::size_t kScanKeyNameLength = 8;  // "ScanKey1"
constexpr std::size_t kEsnesHeadLength = 19;   // signature + player 1 keys
constexpr std::size_t kEsnesTailStart = 19;    // character 20
constexpr std::size_t kEsnesTailLength = 16;

const char* emulatorName(KeyEmulator emu)
{
    switch (emu) {
    case KeyEmulator::ZSNES:
        return "ZSNES";
    case KeyEmulator::ESNES:
        return "ESNES";
    case KeyEmulator::NLKE:
        return "NLKE";
    }
    return "ZSNES";
}

} // namespace

std::string emulatorCaption(KeyEmulator emu) { return std::string(emulatorName(emu)) + " Path:"; }

std::string defaultEmulatorDir(KeyEmulator emu) { return std::string("C:\\") + emulatorName(emu) + "\\"; }

std::string emulatorKeyFileName(KeyEmulator emu)
{
    switch (emu) {
    case KeyEmulator::ZSNES:
        return "zsnes.cfg";
    case KeyEmulator::ESNES:
        return "esnes.key";
    case KeyEmulator::NLKE:
        return "nlke.key";
    }
    return {};
}

std::string emulatorPluginFileName(KeyEmulator emu) { return std::string(emulatorName(emu)) + ".XPL"; }

std::string keyRecordFileName(KeyEmulator emu, int player)
{
    // The player 2 names keep to eight characters before the dot.
    switch (emu) {
    case KeyEmulator::ZSNES:
        return player == 1 ? "zsneskey.dat" : "zsneske2.dat";
    case KeyEmulator::ESNES:
        return player == 1 ? "esneskey.dat" : "esneske2.dat";
    case KeyEmulator::NLKE:
        return player == 1 ? "nlkekey.dat" : "nlkeke2.dat";
    }
    return {};
}

std::string keySaveConfirmation(KeyEmulator emu, int player)
{
    if (player == 1)
        return std::string("Player 1 Keys for ") + emulatorName(emu) +
               " have been changed. The plugin has been updated.";
    // The player 2 texts are fixed as users know them, NLKES included.
    const char* name = emu == KeyEmulator::NLKE ? "NLKES" : emulatorName(emu);
    return std::string("Player 2 Keys for ") + name + " have been changed. The plugin has been updated. ";
}

std::string keySaveError(int player)
{
    const char* gap = player == 1 ? "  " : " ";
    return std::string("An Unknown Error Has Occurred. Check the specified directory for the emulator.") + gap +
           "If you are configuring ZSNES, you need to have run it at least once, so that the ZSNES.CFG file is "
           "present.";
}

std::string keyFileTooLargeError(std::string_view keyFile)
{
    return "The key file " + std::string(keyFile) + " is larger than Kivalto reads (" +
           std::to_string(kMaxTextFileBytes / 1024) +
           " KiB), so it cannot be the emulator's own key file. Nothing was saved and the file was left unchanged. "
           "Check the directory given for the emulator.";
}

void upperCaseKeys(PadKeys& keys)
{
    for (auto& k : keys)
        k = toUpper(k);
}

std::string keyRecordFileBytes(const PadKeys& keys)
{
    TextFileBuilder out;
    for (const auto& k : keys)
        out.line(k);
    return out.bytes();
}

std::optional<PadScanCodes> scanCodesOfKeys(const ScanCodeTable& table, const PadKeys& keys)
{
    PadScanCodes codes{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].find(',') != std::string::npos)
            return std::nullopt;
        auto code = scanCodeOfKey(table, keys[i]);
        if (!code)
            return std::nullopt;
        codes[i] = *code;
    }
    return codes;
}

std::optional<ScanKeyLine> findLastScanKeyLine(std::string_view cfg, int player)
{
    const std::string name = player == 1 ? "ScanKey1" : "ScanKey2";
    std::optional<ScanKeyLine> found;
    std::size_t start = 0;
    while (start < cfg.size()) {
        std::size_t end = cfg.find_first_of("\r\n", start);
        std::size_t next;
        if (end == std::string_view::npos) {
            end = cfg.size();
            next = end;
        } else if (cfg[end] == '\r' && end + 1 < cfg.size() && cfg[end + 1] == '\n') {
            next = end + 2;
        } else {
            next = end + 1;
        }
        if (cfg.substr(start, end - start).starts_with(name))
            found = ScanKeyLine{start, end, next};
        start = next;
    }
    return found;
}

std::string zsnesKeyBlock(const PadScanCodes& codes)
{
    std::string block;
    for (std::size_t i = 0; i < kZsnesWriteOrder.size(); ++i) {
        if (i > 0)
            block += ',';
        block += ' ';
        block += std::to_string(codes[static_cast<std::size_t>(kZsnesWriteOrder[i])]);
    }
    return block;
}

std::string_view firstLine(std::string_view data)
{
    return data.substr(0, std::min(data.size(), data.find_first_of("\r\n")));
}

std::string esnesKeyRecord(KeyEmulator emu, int player, std::string_view oldFirstLine, const PadScanCodes& codes)
{
    std::string keys;
    for (int slot : kEsnesWriteOrder)
        keys += static_cast<char>(codes[static_cast<std::size_t>(slot)]);
    std::string line;
    if (player == 1) {
        line = emu == KeyEmulator::NLKE ? "NLKE0  " : "ESNES  ";
        line += keys;
        if (oldFirstLine.size() > kEsnesTailStart)
            line += oldFirstLine.substr(kEsnesTailStart, kEsnesTailLength);
    } else {
        line = oldFirstLine.substr(0, kEsnesHeadLength);
        line += keys;
    }
    line += kCRLF;
    return line;
}

std::optional<EmulatorFileChange> planEmulatorFileChange(KeyEmulator emu, int player, const PadScanCodes& codes,
                                                         const std::optional<std::string>& current)
{
    EmulatorFileChange change;
    if (emu != KeyEmulator::ZSNES) {
        change.bytes = esnesKeyRecord(emu, player, current ? firstLine(*current) : std::string_view(), codes);
        return change;
    }
    if (!current)
        return std::nullopt;
    auto line = findLastScanKeyLine(*current, player);
    // The block replaces the last 47 characters of the line (at P - 49 for
    // a CR LF line) and must not reach back into the name or earlier lines.
    if (!line || line->contentEnd < line->start + kScanKeyNameLength + kZsnesBlockSize)
        return std::nullopt;
    change.inPlace = true;
    change.offset = line->contentEnd - kZsnesBlockSize;
    change.bytes = zsnesKeyBlock(codes);
    if (change.bytes.size() != kZsnesBlockSize)
        return std::nullopt;
    return change;
}

std::string pluginKeyText(std::string_view key)
{
    if (!key.empty() && key.front() >= '0' && key.front() <= '9')
        return "Num" + std::string(key);
    return std::string(key);
}

void applyKeysToPlugin(KeyTable& table, const PadKeys& keys, int player)
{
    const KeyColumn column = player == 1 ? KeyColumn::Player1 : KeyColumn::Player2;
    for (int row = 0; row < kPadKeyCount; ++row)
        table.at(row, column) = pluginKeyText(keys[static_cast<std::size_t>(row)]);
}

} // namespace kivalto
