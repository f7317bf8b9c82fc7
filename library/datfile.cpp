// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/datfile.h"

#include <expat.h>

#include <charconv>
#include <cstring>
#include <fstream>
#include <memory>

namespace kivalto {

namespace {

using Parser = std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)>;

struct DatState {
    XML_Parser parser = nullptr;
    DatFile* out = nullptr;
    std::string game;  // the open <game> (or <machine>) element's name
};

const char* attribute(const XML_Char** attrs, const char* name)
{
    for (; attrs[0]; attrs += 2)
        if (std::strcmp(attrs[0], name) == 0)
            return attrs[1];
    return nullptr;
}

template <typename Number>
bool parseNumber(const char* text, int base, Number& value)
{
    if (!text || !*text)
        return false;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, value, base);
    return ec == std::errc() && ptr == end;
}

bool isSha1(std::string_view text)
{
    if (text.size() != 40)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

void onStart(void* data, const XML_Char* element, const XML_Char** attrs)
{
    auto* state = static_cast<DatState*>(data);
    if (std::strcmp(element, "game") == 0 || std::strcmp(element, "machine") == 0) {
        const char* name = attribute(attrs, "name");
        state->game = name ? name : "";
        return;
    }
    if (std::strcmp(element, "rom") != 0 || state->game.empty())
        return;
    DatRom rom;
    // A ROM without a size and CRC cannot be matched; it is left out.
    if (!parseNumber(attribute(attrs, "size"), 10, rom.size) || !parseNumber(attribute(attrs, "crc"), 16, rom.crc32))
        return;
    if (const char* sha1 = attribute(attrs, "sha1"); sha1 && isSha1(sha1)) {
        rom.sha1 = sha1;
        for (char& c : rom.sha1)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const char* status = attribute(attrs, "status");
    rom.badDump = status && std::strcmp(status, "baddump") == 0;
    rom.game = state->game;
    state->out->roms.push_back(std::move(rom));
}

void onEnd(void* data, const XML_Char* element)
{
    auto* state = static_cast<DatState*>(data);
    if (std::strcmp(element, "game") == 0 || std::strcmp(element, "machine") == 0)
        state->game.clear();
}

// DATs declare no entities; one that does is refused rather than expanded.
void onEntityDeclaration(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                         const XML_Char*, const XML_Char*)
{
    XML_StopParser(static_cast<DatState*>(data)->parser, XML_FALSE);
}

class DatParser {
public:
    DatParser(DatFile& out, std::string displayName) : parser_(XML_ParserCreate(nullptr), XML_ParserFree),
                                                       name_(std::move(displayName))
    {
        state_.parser = parser_.get();
        state_.out = &out;
        XML_SetUserData(parser_.get(), &state_);
        XML_SetElementHandler(parser_.get(), onStart, onEnd);
        XML_SetEntityDeclHandler(parser_.get(), onEntityDeclaration);
    }
    // False once the DAT has proved malformed; the message is then set.
    bool feed(const char* bytes, std::size_t size, bool last)
    {
        if (XML_Parse(parser_.get(), bytes, static_cast<int>(size), last) == XML_STATUS_OK)
            return true;
        const XML_Error code = XML_GetErrorCode(parser_.get());
        const char* what = code == XML_ERROR_ABORTED ? "entity declarations are not allowed" : XML_ErrorString(code);
        state_.out->problem = name_ + ": line " + std::to_string(XML_GetCurrentLineNumber(parser_.get())) + ": " +
                              (what ? what : "malformed XML");
        return false;
    }

private:
    Parser parser_;
    std::string name_;
    DatState state_;
};

constexpr std::size_t kChunk = 1 << 20;

} // namespace

DatFile parseDat(std::string_view bytes, const std::string& displayName)
{
    DatFile out;
    DatParser parser(out, displayName);
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(kChunk, bytes.size() - at);
        if (!parser.feed(bytes.data() + at, n, at + n == bytes.size()))
            break;
        at += n;
    } while (at < bytes.size());
    return out;
}

DatFile readDatFile(const std::filesystem::path& path)
{
    DatFile out;
    const std::string displayName = path.filename().string();
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        out.problem = displayName + ": " + ec.message();
        return out;
    }
    if (size > kMaxDatBytes) {
        out.problem = displayName + ": it is larger than 256 MiB, so it was not read";
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out.problem = displayName + ": it cannot be opened";
        return out;
    }
    DatParser parser(out, displayName);
    std::string chunk(kChunk, '\0');
    std::uint64_t total = 0;
    for (;;) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto n = static_cast<std::size_t>(in.gcount());
        total += n;
        const bool last = n < chunk.size() || total >= kMaxDatBytes;
        if (!parser.feed(chunk.data(), n, last) || last)
            break;
    }
    return out;
}

} // namespace kivalto
