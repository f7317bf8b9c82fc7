// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfield.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace kivalto {

namespace {
constexpr int kCR = '\r';
constexpr int kLF = '\n';
} // namespace

void TextFieldReader::consumeLineEnd(int c)
{
    if (c == kCR && src_.peek() == kLF)
        src_.get();
}

// Skips leading spaces and tabs; returns the next character (-1 at end).
int TextFieldReader::skipBlanks()
{
    int c = src_.peek();
    while (c == ' ' || c == '\t') {
        src_.get();
        c = src_.peek();
    }
    return c;
}

// Whether a character just read ends an unquoted field: a comma, or a line
// end, whose CR LF pair is consumed whole.
bool TextFieldReader::endsField(int c)
{
    if (c == ',')
        return true;
    if (c == kCR || c == kLF) {
        consumeLineEnd(c);
        return true;
    }
    return false;
}

// After a closing quote: the rest of the line up to the next comma or line
// end belongs to the same field and is dropped.
void TextFieldReader::skipRestOfField()
{
    int c;
    while ((c = src_.get()) >= 0 && !endsField(c)) {
    }
}

void TextFieldReader::keep(std::string& out, int c)
{
    if (out.size() < limit_)
        out.push_back(static_cast<char>(c));
    else
        cut_ = true;
}

std::string TextFieldReader::field()
{
    std::string out;
    if (!tryField(out))
        throw TextReadError();
    return out;
}

bool TextFieldReader::tryField(std::string& out)
{
    out.clear();
    if (src_.peek() < 0)
        return false;
    int c = skipBlanks();
    if (c == '"') {
        src_.get();
        while ((c = src_.get()) >= 0 && c != '"')
            keep(out, c);
        skipRestOfField();
        return true;
    }
    while ((c = src_.get()) >= 0 && !endsField(c))
        keep(out, c);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return true;
}

std::string TextFieldReader::fieldPrefix(std::size_t limit)
{
    if (src_.peek() < 0)
        throw TextReadError();
    std::string out;
    int c = skipBlanks();
    if (c == '"') {
        src_.get();
        while (out.size() < limit && (c = src_.get()) >= 0 && c != '"')
            out.push_back(static_cast<char>(c));
        if (c == '"')
            skipRestOfField();
        return out;
    }
    // Trailing spaces would be dropped at the field's end, so a run of
    // spaces is settled only by the character that follows it.
    std::size_t pendingSpaces = 0;
    while ((c = src_.get()) >= 0 && !endsField(c)) {
        if (c == ' ') {
            ++pendingSpaces;
            continue;
        }
        if (pendingSpaces) {
            out.append(std::min(pendingSpaces, limit - out.size()), ' ');
            pendingSpaces = 0;
            if (out.size() >= limit)
                break;
        }
        out.push_back(static_cast<char>(c));
        if (out.size() >= limit)
            break;
    }
    if (out.size() > limit)
        out.resize(limit);
    return out;
}

std::vector<std::string> readAllFields(std::string_view data)
{
    StringCharSource src(data);
    TextFieldReader reader(src);
    std::vector<std::string> fields;
    std::string f;
    while (reader.tryField(f))
        fields.push_back(f);
    return fields;
}

FieldList readFieldList(std::string_view data)
{
    FieldList list;
    StringCharSource src(data);
    TextFieldReader reader(src);
    reader.setFieldLimit(kMaxFieldBytes);
    std::string f;
    while (reader.tryField(f)) {
        if (list.fields.size() == kMaxListEntries) {
            list.cut = true;
            break;
        }
        list.fields.push_back(f);
    }
    list.cut = list.cut || reader.cut();
    return list;
}

std::string oversizeNotice(std::string_view file)
{
    return "The file " + std::string(file) + " is larger than Kivalto reads (" + std::to_string(kMaxTextFileBytes / 1024) +
           " KiB, " + std::to_string(kMaxListEntries) + " entries, " + std::to_string(kMaxFieldBytes) +
           " characters a value): only its first part was read.";
}

TextFileBuilder& TextFileBuilder::line(std::string_view value)
{
    out_.append(value);
    out_.append("\r\n");
    return *this;
}

TextFileBuilder& TextFileBuilder::truth(bool value) { return line(truthText(value)); }
TextFileBuilder& TextFileBuilder::number(long value) { return line(numberText(value)); }

std::string truthText(bool value) { return value ? "True" : "False"; }

std::string numberText(long value)
{
    std::string digits = std::to_string(value);
    return value < 0 ? digits + " " : " " + digits + " ";
}

std::string toUpper(std::string_view text)
{
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return out;
}

std::string toLower(std::string_view text)
{
    std::string out(text);
    for (char& ch : out)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

CaseTable::CaseTable()
{
    for (int c = 0; c < 256; ++c) {
        lower_[static_cast<std::size_t>(c)] = static_cast<char>(std::tolower(c));
        upper_[static_cast<std::size_t>(c)] = static_cast<char>(std::toupper(c));
    }
}

bool CaseTable::equal(std::string_view a, std::string_view b) const
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((*this)(a[i]) != (*this)(b[i]))
            return false;
    return true;
}

std::string CaseTable::lower(std::string_view text) const
{
    std::string out(text);
    for (char& ch : out)
        ch = (*this)(ch);
    return out;
}

long parseNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size())
        throw std::invalid_argument("not a whole number");
    return value;
}

bool parseTruth(std::string_view text)
{
    if (equalsIgnoreCase(text, "True"))
        return true;
    if (equalsIgnoreCase(text, "False"))
        return false;
    return parseNumber(text) != 0;
}

} // namespace kivalto
